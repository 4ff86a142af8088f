#include "chinesedefaults.h"
#include "screenfit.h"
#include "testfiles.h"
#include "textfitcheck.h"
#include "widget.h"

#include <QtTest>

class tst_textfit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void window_data();
    void window();
};

void tst_textfit::initTestCase()
{
    usechinesedefaults();
    QFile::remove(testfiles::programsettings());
}

void tst_textfit::cleanupTestCase()
{
    ScreenFit::setscreen(QSize());
}

void tst_textfit::window_data()
{
    textfitcheck::addsizerows();
}

void tst_textfit::window()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    const QString clipped = textfitcheck::clipped(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable("clipped texts: " + clipped));
}

QTEST_MAIN(tst_textfit)
#include "tst_textfit.moc"
