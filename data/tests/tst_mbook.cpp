#include "mbook.h"
#include "testbook.h"

#include <QtTest>

class tst_mbook : public QObject
{
    Q_OBJECT
private slots:
    void newrecord();
    void repairedtexts();
    void setters_data();
    void setters();
    void words();
    void order_data();
    void order();
    void links();
    void lessons();
    void lessonitems_data();
    void lessonitems();
    void clearing();
    void scramble_data();
    void scramble();
    void scramblekeycycle();
};

void tst_mbook::newrecord()
{
    MBook book;
    QCOMPARE(book.getordermode(), -1);
    QVERIFY2(book.getdate().isNull(), "a new record has a date");
    QCOMPARE(book.wordcount(), 0);
    QCOMPARE(book.sentcount(), 0);
    QCOMPARE(book.lessoncount(), 0);
    QVERIFY2(book.getinfopic().isNull(), "a new record has a picture");
    QVERIFY2(book.word(0).isEmpty(), "a new record has a word at position 0");
    QCOMPARE(book.rawword(0), -1);
}

void tst_mbook::repairedtexts()
{
    MBook book;
    MBook untouched;
    QCOMPARE(book.getinfo(), QStringList() << "" << "" << "" << "" << "" << "");
    QVERIFY2(book != untouched, "the getter did not keep the repaired title block in the record");
    QCOMPARE(book.showtext4().size(), 3);
    book.setinfo(QStringList() << "a" << "b" << "c" << "d" << "e" << "f");
    book.setinfo(QStringList() << "x");
    QCOMPARE(book.getinfo().first(), QString("a"));
}

void tst_mbook::setters_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("taken");
    QTest::newRow("two") << 2 << false;
    QTest::newRow("three") << 3 << true;
    QTest::newRow("four") << 4 << false;
}

void tst_mbook::setters()
{
    QFETCH(int, size);
    QFETCH(bool, taken);
    QStringList texts;
    for (int i = 0; i < size; ++i)
        texts << QString::number(i);
    MBook book;
    book.setshowtext1(texts);
    book.setshowtext3(texts);
    book.setshowtext5(texts);
    QCOMPARE(book.showtext1() == texts, taken);
    QCOMPARE(book.showtext3() == texts, taken);
    QCOMPARE(book.showtext5() == texts, taken);
    QVERIFY2(book.showtext2() != texts, "another display info changed too");
    book.setshowpic2("jpeg");
    QCOMPARE(book.getshowpic2(), QByteArray("jpeg"));
    QVERIFY2(book.getshowpic1().isEmpty(), "another picture changed too");
}

void tst_mbook::words()
{
    MBook book;
    QVERIFY2(!book.addword(QStringList() << "a" << "b" << "c"), "a word of three strings was taken");
    QCOMPARE(book.wordcount(), 0);
    QVERIFY2(book.addword(testword(0)), "a word of four strings was refused");
    QVERIFY2(book.word(0).isEmpty(), "a word was given out before any order was set");
    QCOMPARE(book.wordsentence(0), -1);
    book.setorder(false);
    QCOMPARE(book.word(0), testword(0));
    book.setword(0, testword(7));
    book.setword(1, testword(8));
    book.setword(0, QStringList() << "x");
    QCOMPARE(book.word(0), testword(7));
    QCOMPARE(book.getordermode(), 0);
    book.clearwords();
    QCOMPARE(book.wordcount(), 0);
    QCOMPARE(book.getordermode(), -1);
}

void tst_mbook::order_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("random");
    QTest::newRow("random none") << 0 << true;
    QTest::newRow("natural none") << 0 << false;
    QTest::newRow("random one") << 1 << true;
    QTest::newRow("random many") << 500 << true;
    QTest::newRow("natural many") << 500 << false;
}

void tst_mbook::order()
{
    QFETCH(int, n);
    QFETCH(bool, random);
    MBook book = testbook(n, 0);
    book.setorder(random);
    QCOMPARE(book.getordermode(), random ? 1 : 0);
    QSet<int> seen;
    for (int p = 0; p < n; ++p) {
        const int w = book.rawword(p);
        QVERIFY2(w >= 0 && w < n && !seen.contains(w),
                 qPrintable(QString("position %1 holds a wrong or repeated word").arg(p)));
        seen.insert(w);
        QCOMPARE(book.word(p), testword(w));
        if (!random)
            QCOMPARE(w, p);
    }
    QCOMPARE(book.rawword(n), -1);
}

void tst_mbook::links()
{
    MBook book = testbook(4, 3);
    QVERIFY2(!book.setlink(0, 5), "a link to the missing sentence 5 was taken");
    QVERIFY2(!book.setlink(4, 0), "a link from the missing word 4 was taken");
    QCOMPARE(book.haslink(-1), -1);
    QCOMPARE(book.haslink(book.wordcount()), -1);
    QCOMPARE(book.haslink(1), 0);
    QVERIFY2(book.setlink(1, 2), "a valid link was refused");
    QCOMPARE(book.haslink(1), 1);
    QCOMPARE(book.wordsentence(1), 2);
    QVERIFY2(!book.unlink(1, 0), "unlinking another sentence was accepted");
    QCOMPARE(book.wordsentence(1), 2);
    QVERIFY2(book.unlink(1, 2), "the link was not removed");
    QCOMPARE(book.wordsentence(1), -1);
    QCOMPARE(book.sentence(2), testsentence(2));
    QVERIFY2(book.sentence(3).isEmpty(), "the missing sentence 3 was given out");
}

void tst_mbook::lessons()
{
    MBook book;
    QVERIFY2(!book.insertlesson(0, "L1"), "a lesson was made without sentences");
    book.addsentence(testsentence(0));
    QVERIFY2(book.insertlesson(0, "L2"), "the first lesson was refused");
    QVERIFY2(book.insertlesson(0, "L1"), "a lesson inserted before the first was refused");
    QVERIFY2(!book.insertlesson(-1, "bad"), "a lesson at a negative position was taken");
    QVERIFY2(!book.insertlesson(3, "bad"), "a lesson past the end was taken");
    QCOMPARE(book.lessoncount(), 2);
    QCOMPARE(book.lessontitle(0), QString("L1"));
    QCOMPARE(book.lessontitle(5), QString(""));
    QVERIFY2(book.getlessonitems(0).isEmpty(), "a new lesson has sentences");
    QVERIFY2(!book.setlessonitems(0, QList<int>() << 0 << 1), "items naming the missing sentence 1 were taken");
    QVERIFY2(book.setlessonitems(1, QList<int>() << 0 << 0), "valid items were refused");
    QCOMPARE(book.getlessonitems(1), QList<int>() << 0 << 0);
    QVERIFY2(book.clearlessonitems(1), "the lesson items were not cleared");
    QVERIFY2(book.getlessonitems(1).isEmpty(), "items are left after clearing");
    QVERIFY2(!book.removelesson(2), "removing the missing lesson 2 was taken");
    QVERIFY2(book.removelesson(0), "the lesson was not removed");
    QCOMPARE(book.lessontitle(0), QString("L2"));
}

void tst_mbook::lessonitems_data()
{
    QTest::addColumn<QList<int>>("items");
    QTest::newRow("three") << (QList<int>() << 3 << 5 << 7);
    QTest::newRow("none") << QList<int>();
    QTest::newRow("one") << (QList<int>() << 0);
}

void tst_mbook::lessonitems()
{
    QFETCH(QList<int>, items);
    MBook book = testbook(0, 8);
    book.insertlesson(0, "L");
    QVERIFY2(book.setlessonitems(0, items), "items in range were refused");
    QCOMPARE(book.getlessonitems(0), items);
    QVERIFY2(!book.setlessonitems(0, QList<int>() << 8), "an item equal to sentcount was taken");
    QCOMPARE(book.getlessonitems(0), items);
}

void tst_mbook::clearing()
{
    MBook book = testbook(3, 3);
    book.setdate(QDate(2013, 5, 1));
    book.setorder(true);
    book.setlink(0, 1);
    book.insertlesson(0, "L");
    book.setlessonitems(0, QList<int>() << 1 << 2);
    book.setinfopic("pic");
    book.clearsentences();
    QCOMPARE(book.sentcount(), 0);
    QCOMPARE(book.wordsentence(0), -1);
    QCOMPARE(book.lessontitle(0), QString("L"));
    QVERIFY2(book.getlessonitems(0).isEmpty(), "the lesson items were not emptied");
    book.clear();
    QCOMPARE(book.wordcount(), 0);
    QCOMPARE(book.lessoncount(), 0);
    QVERIFY2(book.getinfopic().isEmpty(), "the picture was not emptied");
    QCOMPARE(book.getdate(), QDate(2013, 5, 1));
    QCOMPARE(book.getordermode(), 1);
}

void tst_mbook::scramble_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("latin") << QString("hello world");
    QTest::newRow("chinese") << QString::fromUtf8("英语词汇学习");
    QTest::newRow("outside the basic plane") << QString::fromUtf8("a\xF0\x9F\x98\x80z");
    QTest::newRow("nul units") << QString::fromUtf16(u"q\0u\0", 4);
    QTest::newRow("long") << QString(1000, QChar(0x4E2D));
}

void tst_mbook::scramble()
{
    QFETCH(QString, text);
    const QString scrambled = MBook::scramble(text, MBook::scramblekey());
    QCOMPARE(scrambled.size(), text.size());
    QVERIFY2(scrambled != text, "the text was not changed");
    QCOMPARE(MBook::scramble(scrambled, MBook::scramblekey()), text);
}

void tst_mbook::scramblekeycycle()
{
    const QString key = MBook::scramblekey();
    QCOMPARE(key, QString("quorvantemplisaduberkonvexo"));
    QVERIFY2(MBook::scramble(QString(""), key).isNull(), "an empty text did not give a null one");
    QVERIFY2(MBook::scramble(QString(), key).isNull(), "a null text did not give a null one");
    const QString text = key + key.left(1);
    const QString scrambled = MBook::scramble(text, key);
    QCOMPARE(scrambled, QString(28, QChar(0)));
    const QString other = MBook::scramble(QString(28, 'a'), key);
    QCOMPARE(other.at(27), QChar('a' ^ 'q'));
    QCOMPARE(other.at(26), QChar('a' ^ 'o'));
}

QTEST_GUILESS_MAIN(tst_mbook)
#include "tst_mbook.moc"
