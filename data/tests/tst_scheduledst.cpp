#include "schedulefixture.h"

#include <QtTest>

// Runs in Europe/Berlin: clocks go from 02:00 to 03:00 on 2026-03-29.
// Minutes are added as elapsed seconds, days as calendar days.
class tst_scheduledst : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void due_data();
    void due();
    void reviewacrosschange();
};

namespace {
QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
}
}

void tst_scheduledst::initTestCase()
{
    QVERIFY2(at(29, 1, 0).offsetFromUtc() == 3600 && at(29, 4, 0).offsetFromUtc() == 7200,
             "the zone does not change to summer time on 2026-03-29");
}

void tst_scheduledst::due_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QDateTime>("due");
    QTest::newRow("minutes across the change") << at(29, 1, 50) << 0 << at(29, 3, 10);
    QTest::newRow("a day across the change") << at(28, 9, 0) << 2 << at(28, 21, 20);
    QTest::newRow("days after the change") << at(28, 9, 0) << 3 << at(30, 22, 20);
    QTest::newRow("a day in summer time") << at(31, 9, 0) << 2 << at(31, 22, 20);
    QTest::newRow("minutes in winter time") << at(2, 9, 0) << 1 << at(2, 10, 20);
}

void tst_scheduledst::due()
{
    QFETCH(QDateTime, start);
    QFETCH(int, stage);
    QFETCH(QDateTime, due);
    ScheduleFixture f;
    const int g = f.addgroup(3, start, stage);
    QVERIFY2(f.user.duegroups(due.addSecs(-1)).isEmpty(), "the group was due one second early");
    QCOMPARE(f.user.duegroups(due), QList<int>() << g);
}

void tst_scheduledst::reviewacrosschange()
{
    ScheduleFixture f;
    const int g = f.addgroup(3, at(28, 9, 0), 2);
    QCOMPARE(f.user.reviewtime(g, 3), at(29, 9, 0));
    f.user.completereview(g, at(29, 8, 0));
    QCOMPARE(f.user.stage(g), 3);
    QCOMPARE(f.user.interval(g, 3), 1);
    QCOMPARE(f.user.worddiff(0), 9);
    QCOMPARE(f.user.reviewtime(g, 4), at(31, 9, 0));
}

QTEST_GUILESS_MAIN(tst_scheduledst)
#include "tst_scheduledst.moc"
