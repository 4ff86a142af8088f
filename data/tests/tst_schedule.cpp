#include "schedulefixture.h"

#include <QtTest>

class tst_schedule : public QObject
{
    Q_OBJECT
private slots:
    void workedexample();
    void dueorder();
    void neverdue_data();
    void neverdue();
    void dueboundary_data();
    void dueboundary();
    void latereview();
    void sameminutereview();
    void finishedgroup();
    void newgroup_data();
    void newgroup();
    void oversizedgroups();
    void groups();
    void setters();
    void reviewtimes_data();
    void reviewtimes();
    void unequallists();
    void hugeintervals();
};

namespace {
QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
}

QList<int> diffs(const MUser &user, int from, int to)
{
    QList<int> result;
    for (int p = from; p <= to; ++p)
        result << user.worddiff(p);
    return result;
}

// Writes a user file with the given schedule lists as stored, equal or not.
QString writeuser(const QString &path, const QList<int> &worddiffs, const QList<int> &sizes,
                  const QList<QDateTime> &starts, const QList<int> &intervals,
                  const QList<int> &stages)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_8);
    out << qint32(0x12345678) << QString("") << QString() << QString() << QByteArray();
    out << worddiffs << sizes << starts;
    for (int k = 0; k < 8; ++k)
        out << intervals;
    out << stages;
    for (int i = 0; i < 9; ++i)
        out << quint32(0);
    return path;
}
}

void tst_schedule::workedexample()
{
    ScheduleFixture f;
    const int g = f.addgroup(5, at(2, 9, 0), 0);
    f.user.setworddiff(0, 20);
    QVERIFY2(f.user.duegroups(at(2, 9, 19, 59)).isEmpty(), "the group was due too early");
    QCOMPARE(f.user.duegroups(at(2, 9, 20)), QList<int>() << g);
    f.user.completereview(g, at(2, 9, 25, 30));
    QCOMPARE(f.user.stage(g), 1);
    QCOMPARE(f.user.interval(g, 1), 25);
    QCOMPARE(f.user.worddiff(0), 19);
    QCOMPARE(f.user.worddiff(1), 9);

    QVERIFY2(f.user.duegroups(at(2, 10, 24, 59)).isEmpty(), "the second review was due too early");
    QCOMPARE(f.user.duegroups(at(2, 10, 25)), QList<int>() << g);
    f.user.completereview(g, at(2, 11, 10));
    QCOMPARE(f.user.stage(g), 2);
    QCOMPARE(f.user.interval(g, 2), 105);
    QCOMPARE(f.user.worddiff(0), 18);

    QVERIFY2(f.user.duegroups(at(2, 23, 9, 59)).isEmpty(), "the third review was due too early");
    QCOMPARE(f.user.duegroups(at(2, 23, 10)), QList<int>() << g);
    f.user.completereview(g, at(3, 8, 0));
    QCOMPARE(f.user.stage(g), 3);
    QCOMPARE(f.user.interval(g, 3), 1);
    QCOMPARE(f.user.worddiff(0), 17);

    QVERIFY2(f.user.duegroups(at(4, 23, 9, 59)).isEmpty(), "the fourth review was due too early");
    QCOMPARE(f.user.duegroups(at(4, 23, 10)), QList<int>() << g);
    QCOMPARE(f.user.reviewtime(g, 1), at(2, 9, 25));
    QCOMPARE(f.user.reviewtime(g, 2), at(2, 11, 10));
    QCOMPARE(f.user.reviewtime(g, 3), at(3, 9, 0));
    QCOMPARE(f.user.reviewtime(g, 4), at(5, 9, 0));
}

void tst_schedule::dueorder()
{
    ScheduleFixture f;
    const QList<int> stages = QList<int>() << 5 << 3 << 8 << -1 << 3 << 2 << 1 << 0;
    for (int s : stages)
        f.addgroup(2, at(1, 0, 0), s);
    QCOMPARE(f.user.duegroups(at(20, 0, 0)), QList<int>() << 7 << 6 << 5 << 1 << 4);
    QCOMPARE(f.user.duegroups(QDateTime(QDate(2027, 1, 1), QTime(0, 0))),
             QList<int>() << 7 << 6 << 5 << 1 << 4 << 0);
}

void tst_schedule::neverdue_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("not started") << -1;
    QTest::newRow("finished") << 8;
    QTest::newRow("beyond") << 9;
}

void tst_schedule::neverdue()
{
    QFETCH(int, stage);
    ScheduleFixture f;
    f.addgroup(3, at(1, 0, 0), stage);
    QVERIFY2(f.user.duegroups(QDateTime(QDate(2100, 1, 1), QTime(0, 0))).isEmpty(),
             "a group that is never due came due");
}

void tst_schedule::dueboundary_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QDateTime>("due");
    QTest::newRow("stage 0") << 0 << at(2, 9, 20);
    QTest::newRow("stage 1") << 1 << at(2, 10, 20);
    QTest::newRow("stage 2") << 2 << at(2, 22, 20);
    QTest::newRow("stage 3") << 3 << at(4, 22, 20);
    QTest::newRow("stage 7") << 7 << QDateTime(QDate(2026, 6, 22), QTime(22, 20));
}

void tst_schedule::dueboundary()
{
    QFETCH(int, stage);
    QFETCH(QDateTime, due);
    ScheduleFixture f;
    const int g = f.addgroup(3, at(2, 9, 0), stage);
    QVERIFY2(f.user.duegroups(due.addSecs(-1)).isEmpty(), "the group was due one second early");
    QCOMPARE(f.user.duegroups(due), QList<int>() << g);
}

// Exactly at the end of the window is late: no easing, the elapsed time replaces I1.
void tst_schedule::latereview()
{
    ScheduleFixture f;
    const int g = f.addgroup(4, at(2, 9, 0), 0);
    f.user.completereview(g, at(2, 9, 40));
    QCOMPARE(f.user.stage(g), 1);
    QCOMPARE(f.user.interval(g, 1), 40);
    QCOMPARE(diffs(f.user, 0, 3), QList<int>() << 10 << 10 << 10 << 10);
}

void tst_schedule::sameminutereview()
{
    ScheduleFixture f;
    f.addgroup(2, at(2, 8, 0), 0);
    const int g = f.addgroup(3, at(2, 9, 0), 1);
    f.user.completereview(g, at(2, 9, 20, 30));
    QCOMPARE(f.user.stage(g), 2);
    QCOMPARE(f.user.interval(g, 2), 60);
    QCOMPARE(diffs(f.user, 0, 5), QList<int>() << 10 << 10 << 9 << 9 << 9 << 10);
}

void tst_schedule::finishedgroup()
{
    ScheduleFixture f;
    const int g = f.addgroup(3, at(2, 9, 0), 8);
    f.user.completereview(g, at(2, 9, 1));
    f.user.completereview(5, at(2, 9, 1));
    f.user.completereview(-1, at(2, 9, 1));
    QCOMPARE(f.user.stage(g), 8);
    QCOMPARE(f.user.interval(g, 1), 20);
    QCOMPARE(diffs(f.user, 0, 2), QList<int>() << 10 << 10 << 10);
}

void tst_schedule::newgroup_data()
{
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("fits") << (QList<int>() << 10 << 20) << (QList<int>() << 10 << 20);
    QTest::newRow("takes the rest") << (QList<int>() << 20 << 50) << (QList<int>() << 20 << 30);
    QTest::newRow("nothing left") << (QList<int>() << 50 << 5) << (QList<int>() << 50 << 0);
    QTest::newRow("no request") << (QList<int>() << 0 << -3) << QList<int>();
}

void tst_schedule::newgroup()
{
    QFETCH(QList<int>, requests);
    QFETCH(QList<int>, sizes);
    ScheduleFixture f(50);
    for (int n : requests)
        f.user.newgroup(n);
    QCOMPARE(f.user.groupcount(), sizes.size());
    for (int g = 0; g < sizes.size(); ++g) {
        QCOMPARE(f.user.wordsupto(g) - f.user.wordsupto(g - 1), sizes.at(g));
        QCOMPARE(f.user.stage(g), -1);
        QCOMPARE(f.user.interval(g, 1), -1);
        QCOMPARE(f.user.groupstart(g), MUser::placeholder());
    }
}

// Groups larger than the coefficient list, as a damaged file may hold them.
void tst_schedule::oversizedgroups()
{
    QTemporaryDir dir;
    const QList<QDateTime> starts = QList<QDateTime>() << at(1, 0, 0) << at(1, 0, 0);
    MUser user;
    QVERIFY2(user.load(writeuser(dir.filePath("u.zbu"), QList<int>() << 10 << 10,
                                 QList<int>() << 2147483647 << 2147483647, starts,
                                 QList<int>() << 20 << 20, QList<int>() << 0 << 0)),
             "the user file did not load");
    user.newgroup(5);
    QCOMPARE(user.groupcount(), 3);
    QCOMPARE(user.wordsupto(2), 2147483647);
    QCOMPARE(user.groupof(2147483646), 0);
    QCOMPARE(user.groupof(5), 0);
    user.completereview(1, at(1, 0, 1));
    QCOMPARE(user.stage(1), 1);
    QCOMPARE(user.worddiff(1), 10);
    QCOMPARE(user.pickweak(), 2);
}

void tst_schedule::groups()
{
    ScheduleFixture f(20);
    f.addgroup(5, at(1, 0, 0), 0);
    f.addgroup(3, at(1, 0, 0), 0);
    QCOMPARE(f.user.groupof(-1), -1);
    QCOMPARE(f.user.groupof(0), 0);
    QCOMPARE(f.user.groupof(4), 0);
    QCOMPARE(f.user.groupof(5), 1);
    QCOMPARE(f.user.groupof(7), 1);
    QCOMPARE(f.user.groupof(8), -1);
    QCOMPARE(f.user.wordsupto(-1), 0);
    QCOMPARE(f.user.wordsupto(0), 5);
    QCOMPARE(f.user.wordsupto(1), 8);
    QCOMPARE(f.user.wordsupto(9), 8);
}

void tst_schedule::setters()
{
    ScheduleFixture f;
    const int g = f.addgroup(3, at(2, 9, 0), 0);
    f.user.setgroupstart(g, QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59)));
    QCOMPARE(f.user.groupstart(g), at(2, 9, 0));
    f.user.setgroupstart(g, MUser::placeholder());
    QCOMPARE(f.user.groupstart(g), MUser::placeholder());
    QCOMPARE(MUser::placeholder(), QDateTime(QDate(2013, 1, 1), QTime(0, 0, 1)));
    QCOMPARE(f.user.groupstart(1), MUser::placeholder());
    f.user.setstage(g, -2);
    f.user.setstage(1, 3);
    QCOMPARE(f.user.stage(g), 0);
    QCOMPARE(f.user.stage(1), -1);
    f.user.setinterval(g, 1, 0);
    f.user.setinterval(g, 0, 30);
    f.user.setinterval(g, 9, 30);
    QCOMPARE(f.user.interval(g, 1), 20);
    QCOMPARE(f.user.interval(g, 0), -1);
    QCOMPARE(f.user.interval(g, 9), -1);
    QCOMPARE(f.user.interval(1, 1), -1);
}

void tst_schedule::reviewtimes_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("k");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("first") << 0 << 1 << at(2, 9, 20);
    QTest::newRow("second") << 0 << 2 << at(2, 10, 20);
    QTest::newRow("third") << 0 << 3 << at(3, 9, 0);
    QTest::newRow("eighth") << 0 << 8 << QDateTime(QDate(2026, 6, 23), QTime(9, 0));
    QTest::newRow("unset interval") << 1 << 3 << MUser::placeholder();
    QTest::newRow("unset first interval") << 1 << 1 << at(2, 8, 59);
    QTest::newRow("no review 0") << 0 << 0 << MUser::placeholder();
    QTest::newRow("no review 9") << 0 << 9 << MUser::placeholder();
    QTest::newRow("no group") << 2 << 1 << MUser::placeholder();
}

void tst_schedule::reviewtimes()
{
    QFETCH(int, group);
    QFETCH(int, k);
    QFETCH(QDateTime, expected);
    ScheduleFixture f;
    f.addgroup(3, at(2, 9, 0), 0);
    f.user.newgroup(3);
    f.user.setgroupstart(1, at(2, 9, 0));
    QCOMPARE(f.user.reviewtime(group, k), expected);
}

// Lists of unequal length, as an older or damaged file may hold them.
void tst_schedule::unequallists()
{
    QTemporaryDir dir;
    MUser user;
    QVERIFY2(user.load(writeuser(dir.filePath("u.zbu"), QList<int>() << 10 << 12 << 14,
                                 QList<int>() << 1 << 1 << 1, QList<QDateTime>() << at(1, 0, 0),
                                 QList<int>(), QList<int>() << 0 << 0)),
             "the user file did not load");
    QCOMPARE(user.groupcount(), 3);
    QCOMPARE(user.stage(1), -1);
    QCOMPARE(user.interval(0, 1), -1);
    QCOMPARE(user.duegroups(at(1, 0, 0).addSecs(-61)), QList<int>());
    QCOMPARE(user.duegroups(at(1, 0, 0).addSecs(-60)), QList<int>() << 0);
    user.completereview(0, at(1, 0, 0));
    user.completereview(2, at(1, 0, 0));
    QCOMPARE(user.stage(0), 1);
    user.setinterval(0, 2, 5);
    QCOMPARE(user.interval(0, 2), -1);
    user.newgroup(1);
    QCOMPARE(user.groupcount(), 4);
    QCOMPARE(user.wordsupto(3), 3);
    QCOMPARE(user.pickweak(), 3);
}

void tst_schedule::hugeintervals()
{
    ScheduleFixture f;
    const int g = f.addgroup(3, at(2, 9, 0), 7);
    for (int k = 1; k <= 8; ++k)
        f.user.setinterval(g, k, 2147483647);
    QVERIFY2(f.user.duegroups(QDateTime(QDate(9999, 1, 1), QTime(0, 0))).isEmpty(),
             "a group with huge intervals came due");
    QVERIFY2(!f.user.reviewtime(g, 8).isValid() || f.user.reviewtime(g, 8) > at(2, 9, 0),
             "the review time wrapped around");
    f.user.completereview(g, at(3, 0, 0));
    QCOMPARE(f.user.stage(g), 8);
}

QTEST_GUILESS_MAIN(tst_schedule)
#include "tst_schedule.moc"
