#include "muser.h"
#include "schedulefixture.h"

#include <QtTest>

class tst_selections : public QObject
{
    Q_OBJECT
private slots:
    void pickwords_data();
    void pickwords();
    void pickknowledge();
    void pickweak_data();
    void pickweak();
    void pickweaknogroups();
    void makeorder_data();
    void makeorder();
    void samesecond();
    void choices_data();
    void choices();
    void choicesmany();
    void item();
};

namespace {
const QList<int> coefficients = QList<int>() << 10 << 0 << 12 << 1 << 10 << 10 << 0 << 0 << 5 << 20;

void setdiffs(MUser &user, const QList<int> &diffs, int from = 0)
{
    for (int i = 0; i < diffs.size(); ++i)
        user.setworddiff(from + i, diffs.at(i));
}

QList<int> work(const MUser &user)
{
    QList<int> items;
    for (int i = 0; i < user.worksize(); ++i)
        items << user.workitem(i);
    return items;
}

QList<int> sorted(QList<int> list)
{
    std::sort(list.begin(), list.end());
    return list;
}
}

void tst_selections::pickwords_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("min");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("min 1") << 0 << 9 << 1 << (QList<int>() << 0 << 2 << 3 << 4 << 5 << 8 << 9);
    QTest::newRow("min 11") << 0 << 9 << 11 << (QList<int>() << 2 << 9);
    QTest::newRow("from after to") << 5 << 2 << 0 << QList<int>();
    QTest::newRow("past the end") << 8 << 12 << 1 << (QList<int>() << 8 << 9);
    QTest::newRow("threshold -1 past the end") << 9 << 11 << -1 << (QList<int>() << 9);
    QTest::newRow("threshold -1 before the start") << -3 << 1 << -1 << (QList<int>() << 0 << 1);
    QTest::newRow("whole int range") << -2147483647 - 1 << 2147483647 << 20 << (QList<int>() << 9);
    QTest::newRow("whole int range, lowest threshold") << -2147483647 - 1 << 2147483647 << -2147483647 - 1
                                                       << (QList<int>() << 0 << 1 << 2 << 3 << 4 << 5 << 6 << 7 << 8 << 9);
}

void tst_selections::pickwords()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, min);
    QFETCH(QList<int>, expected);
    ScheduleFixture f(10);
    setdiffs(f.user, coefficients);
    f.user.pickwords(0, 9, 0);
    QCOMPARE(f.user.pickwords(from, to, min), expected.size());
    f.user.makeorder(1);
    QCOMPARE(sorted(work(f.user)), expected);
}

void tst_selections::pickknowledge()
{
    MUser user;
    for (int i = 0; i < 4; ++i) {
        user.addphonetic("p", "", 0, 2);
        user.addkey("k", "", 0, 2);
    }
    user.setphoneticdiff(1, 0);
    user.setkeydiff(2, 15);
    QCOMPARE(user.pickphonetic(0, 3, 1), 3);
    user.makeorder(0);
    QCOMPARE(sorted(work(user)), QList<int>() << 0 << 2 << 3);
    QCOMPARE(user.pickkey(0, 3, 11), 1);
    user.makeorder(2);
    QCOMPARE(work(user), QList<int>() << 2);
    // Never more than the entries that exist.
    QCOMPARE(user.pickphonetic(-5, 100, -1), 4);
    QCOMPARE(user.pickkey(2, 2147483647, -2147483647 - 1), 2);
    user.makeorder(2);
    QCOMPARE(sorted(work(user)), QList<int>() << 2 << 3);
}

void tst_selections::pickweak_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("stage 0") << 0 << (QList<int>() << 1 << 2 << 4);
    QTest::newRow("stage 8") << 8 << (QList<int>() << 0 << 1 << 2 << 4);
    QTest::newRow("not started") << -1 << (QList<int>() << 2 << 4);
}

void tst_selections::pickweak()
{
    QFETCH(int, stage);
    QFETCH(QList<int>, expected);
    ScheduleFixture f(10);
    setdiffs(f.user, QList<int>() << 9 << 10 << 11 << 0 << 15 << 20 << 20);
    f.addgroup(5, MUser::placeholder(), stage);
    QCOMPARE(f.user.pickweak(), expected.size());
    f.user.makeorder(1);
    QCOMPARE(sorted(work(f.user)), expected);
}

void tst_selections::pickweaknogroups()
{
    ScheduleFixture f(10);
    f.user.pickwords(0, 2, 0);
    QCOMPARE(f.user.pickweak(), 0);
    f.user.makeorder(1);
    QCOMPARE(sorted(work(f.user)), QList<int>() << 0 << 1 << 2);
}

void tst_selections::makeorder_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("size");
    QTest::newRow("words") << 1 << 6;
    QTest::newRow("no such mode") << 5 << 0;
    QTest::newRow("negative mode") << -1 << 0;
    QTest::newRow("empty phonetic selection") << 0 << 0;
}

void tst_selections::makeorder()
{
    QFETCH(int, mode);
    QFETCH(int, size);
    ScheduleFixture f(10);
    f.user.pickwords(2, 7, 0);
    QCOMPARE(f.user.makeorder(mode), size);
    QCOMPARE(f.user.worksize(), size);
    if (size)
        QCOMPARE(sorted(work(f.user)), QList<int>() << 2 << 3 << 4 << 5 << 6 << 7);
    QCOMPARE(f.user.workitem(size), -1);
    QCOMPARE(f.user.workitem(-1), -1);
}

// Both draws are seeded with the second of the day; retried should a second pass between them.
void tst_selections::samesecond()
{
    ScheduleFixture f(200);
    f.user.pickwords(0, 199, 0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QTime before = QTime::currentTime();
        f.user.makeorder(1);
        const QList<int> first = work(f.user);
        f.user.makeorder(1);
        const QList<int> second = work(f.user);
        if (before.second() != QTime::currentTime().second())
            continue;
        QVERIFY2(first == second, "two orders in one second differ");
        return;
    }
    QFAIL("no two draws within one second");
}

void tst_selections::choices_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("w");
    QTest::addColumn<QList<int>>("candidates");
    QTest::newRow("no words") << 0 << 0 << (QList<int>() << -3 << -2 << -1 << 0);
    QTest::newRow("one word") << 1 << 0 << (QList<int>() << -3 << -2 << -1 << 0);
    QTest::newRow("two words") << 2 << 1 << (QList<int>() << -2 << -1 << 0 << 1);
    QTest::newRow("three words") << 3 << 2 << (QList<int>() << -1 << 0 << 1 << 2);
    QTest::newRow("four words") << 4 << 0 << (QList<int>() << 0 << 1 << 2 << 3);
}

void tst_selections::choices()
{
    QFETCH(int, words);
    QFETCH(int, w);
    QFETCH(QList<int>, candidates);
    ScheduleFixture f(words);
    const QList<int> result = f.user.choices(w);
    QCOMPARE(result.size(), 5);
    QCOMPARE(result.first(), w);
    QCOMPARE(sorted(result.mid(1)), candidates);
}

void tst_selections::choicesmany()
{
    ScheduleFixture f(100);
    const QList<int> asked = QList<int>() << 0 << 57 << 99;
    for (int w : asked) {
        const QList<int> result = f.user.choices(w);
        QCOMPARE(result.size(), 5);
        QCOMPARE(result.first(), w);
        const QList<int> options = result.mid(1);
        QVERIFY2(options.contains(w), "the right answer is not among the options");
        QCOMPARE(QSet<int>(options.begin(), options.end()).size(), 4);
        for (int q : options)
            QVERIFY2(q >= 0 && q < 100, qPrintable(QString("option %1 is no word").arg(q)));
    }
}

// The sentence shown with a word is the one linked to that word, whatever the order.
void tst_selections::item()
{
    QTemporaryDir dir;
    MBook book = testbook(50, 50, true);
    for (int i = 0; i < 50; i += 2)
        book.setlink(i, 49 - i);
    const QString path = dir.filePath("rand.zemBook");
    book.write(path, true);
    MUser user;
    QVERIFY2(user.adoptbook(path), "the textbook was not adopted");
    for (int p = 0; p < 50; ++p) {
        const int w = book.rawword(p);
        const QStringList texts = user.item(p);
        QCOMPARE(texts.mid(0, 4), testword(w));
        if (w % 2)
            QCOMPARE(texts.size(), 4);
        else
            QCOMPARE(texts.mid(4), testsentence(49 - w));
    }
    QVERIFY2(user.item(50).isEmpty() && user.item(-1).isEmpty(), "an item out of range is not empty");
}

QTEST_GUILESS_MAIN(tst_selections)
#include "tst_selections.moc"
