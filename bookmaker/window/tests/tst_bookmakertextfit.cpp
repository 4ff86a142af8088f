#include "chinesedefaults.h"
#include "screenfit.h"
#include "bookmakerfiles.h"
#include "textfitcheck.h"
#include "widget.h"

#include <QtTest>

class tst_bookmakertextfit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void window_data();
    void window();

private:
    QTemporaryDir dir;
};

void tst_bookmakertextfit::initTestCase()
{
    usechinesedefaults();
    bookmakerfiles::setmaterial(dir.path());
}

void tst_bookmakertextfit::cleanupTestCase()
{
    ScreenFit::setscreen(QSize());
}

void tst_bookmakertextfit::window_data()
{
    textfitcheck::addsizerows();
}

void tst_bookmakertextfit::window()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    const QString clipped = textfitcheck::clipped(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
}

QTEST_MAIN(tst_bookmakertextfit)
#include "tst_bookmakertextfit.moc"
