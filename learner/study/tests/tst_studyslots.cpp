#include "checkreturn.h"
#include "dialogdriver.h"
#include "listrows.h"
#include "widget.h"

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

// The four-choice pause and the player slot, driven directly.
class tst_studyslots : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ddupdate_data();
    void ddupdate();
    void playsound_data();
    void playsound();

private:
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    // The window's timers in the order it makes them: meaning, leisure, four-choice.
    QTimer *timer(int i) const
    {
        return window->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly).at(i);
    }
    bool invoke(const char *slot)
    {
        QVERIFY_RETURN(QMetaObject::invokeMethod(window.data(), slot),
                       qPrintable(QLatin1String(slot) + " could not be invoked"));
        return true;
    }

    QScopedPointer<Widget> window;
};

void tst_studyslots::init()
{
    window.reset(new Widget);
    QCOMPARE(window->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly).size(), 3);
}

void tst_studyslots::cleanup()
{
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
    window.reset();
}

void tst_studyslots::ddupdate_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("changes");

    QTest::newRow("next row") << 3 << 1 << 2 << false << 1;
    QTest::newRow("last row") << 3 << 2 << 0 << true << 1;
    // A one-row list keeps its row; the question is built again in place.
    QTest::newRow("one row again") << 1 << 0 << 0 << true << 0;
    QTest::newRow("empty list") << 0 << -1 << -1 << false << 0;
}

void tst_studyslots::ddupdate()
{
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(int, expected);
    QFETCH(bool, message);
    QFETCH(int, changes);
    auto *list = find<QListWidget>("listWidget_3");
    fillrows(list, rows, current);
    timer(2)->start(1000);
    QString text;
    DialogDriver driver;
    if (message)
        driver.readmessage(&text);
    driver.start();
    QSignalSpy shown(list, &QListWidget::currentRowChanged);
    QVERIFY(invoke("ddupdate"));
    QVERIFY2(driver.done(), "the message was not answered");
    QCOMPARE(text, message ? QStringLiteral("已经进行至最后一个，将重新开始") : QString());
    QCOMPARE(list->currentRow(), expected);
    QCOMPARE(shown.count(), changes);
    QVERIFY2(!timer(2)->isActive(), "the four-choice timer was not stopped");
}

void tst_studyslots::playsound_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("leisure");
    QTest::addColumn<bool>("started");

    QTest::newRow("learning, leisure") << 2 << true << true;
    QTest::newRow("learning, no leisure") << 2 << false << false;
    QTest::newRow("review test, leisure") << 3 << true << false;
}

// With nothing left to repeat, leisure mode on the learning page waits the
// chosen seconds before the next word.
void tst_studyslots::playsound()
{
    QFETCH(int, page);
    QFETCH(bool, leisure);
    QFETCH(bool, started);
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(page);
    find<QCheckBox>("checkBox_11")->setChecked(leisure);
    find<QSpinBox>("spinBox_12")->setValue(3);
    QVERIFY(invoke("playsound"));
    QCOMPARE(timer(1)->isActive(), started);
    if (started)
        QCOMPARE(timer(1)->interval(), 3000);
}

QTEST_MAIN(tst_studyslots)
#include "tst_studyslots.moc"
