#include "muser.h"
#include "testbook.h"

#include <QtTest>

class tst_muser : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void newuser();
    void password_data();
    void password();
    void adopt();
    void adoptrefused();
    void adoptunreadable();
    void dropandreset();
    void bookviews();
    void coefficients_data();
    void coefficients();
    void easewords_data();
    void easewords();
    void knowledge_data();
    void knowledge();
    void linkscans();

private:
    QString bookfile(const MBook &book, const QString &name = "book.zemBook");

    TestFolder folder;
};

void tst_muser::init()
{
    QVERIFY2(folder.renew(), "no temporary folder");
}

QString tst_muser::bookfile(const MBook &book, const QString &name)
{
    const QString path = folder.path(name);
    if (!book.write(path, true))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_muser::newuser()
{
    MUser user;
    QVERIFY2(user.parent() == nullptr, "a new user has a parent");
    QCOMPARE(QString(user.metaObject()->className()), QString("MUser"));
    QVERIFY2(user.getname().isEmpty() && user.getbookpath().isEmpty(), "a new user has a name or a textbook");
    QCOMPARE(user.wordcount(), 0);
    QCOMPARE(user.groupcount(), 0);
    QCOMPARE(user.lessoncount(), 0);
    QVERIFY2(user.israndom(), "a user without textbook does not count as random order");
}

void tst_muser::password_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("digest");
    QTest::newRow("ascii") << QString("abc") << QString("900150983cd24fb0d6963f7d28e17f72");
    QTest::newRow("empty") << QString("") << QString("d41d8cd98f00b204e9800998ecf8427e");
    QTest::newRow("chinese") << QString::fromUtf8("密码")
                             << QString("a8105204604a0b11e916f3879aae3b0b");
}

void tst_muser::password()
{
    QFETCH(QString, password);
    QFETCH(QString, digest);
    MUser user;
    user.setpassword(password);
    QVERIFY2(user.checkpassword(password), "the same password was refused");
    QVERIFY2(!user.checkpassword(password + "x"), "another password was accepted");
    if (password != password.toUpper())
        QVERIFY2(!user.checkpassword(password.toUpper()), "a password in other letter case was accepted");
    // The digest lands in the saved file; read it back through the head.
    const QString path = folder.path("u.zbu");
    QVERIFY2(user.save(path), "the user was not saved");
    MUser other;
    other.readhead(path);
    QVERIFY2(other.checkpassword(password), "the stored digest did not check");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    QByteArray field = QByteArray::fromHex("00000040");
    for (QChar c : MBook::scramble(digest, MBook::scramblekey()))
        field += char(c.unicode() >> 8) + QByteArray(1, char(c.unicode() & 0xFF));
    QVERIFY2(bytes.contains(field), "the file does not hold the scrambled lower-case hex MD5");
}

void tst_muser::adopt()
{
    MUser user;
    const QString path = bookfile(testbook(30, 12, true));
    QVERIFY2(user.adoptbook(path), "the textbook was not adopted");
    QCOMPARE(user.getbookpath(), path);
    QCOMPARE(user.wordcount(), 30);
    QCOMPARE(user.sentcount(), 12);
    for (int p = 0; p < 30; ++p)
        QCOMPARE(user.worddiff(p), 10);
    QCOMPARE(user.sentdiff(11), 10);
    QCOMPARE(user.groupcount(), 0);
    QCOMPARE(user.keycount(), 0);
    QVERIFY2(user.israndom(), "the order is not random");
}

void tst_muser::adoptrefused()
{
    MUser user;
    QVERIFY2(user.adoptbook(bookfile(testbook(3, 1))), "the first textbook was not adopted");
    user.setworddiff(0, 20);
    user.newgroup(2);
    user.addkey("k", "c", 0, 1);
    QVERIFY2(!user.adoptbook(bookfile(testbook(5, 5), "other.zemBook")), "a second textbook was adopted");
    QCOMPARE(user.worddiff(0), 20);
    QCOMPARE(user.wordcount(), 3);
    QCOMPARE(user.groupcount(), 1);
    QCOMPARE(user.keycount(), 1);
}

// A textbook that cannot be read changes nothing, progress included.
void tst_muser::adoptunreadable()
{
    MUser user;
    user.addkey("k", "c", 0, 1);
    const MBook book = testbook(3, 1);
    book.write(folder.path("book.pro"), false);
    QVERIFY2(!user.adoptbook(folder.path("book.pro")), "a project was adopted");
    QVERIFY2(!user.adoptbook(folder.path("missing")), "a missing file was adopted");
    QCOMPARE(user.keycount(), 1);
    QVERIFY2(user.getbookpath().isEmpty(), "a book path is left");
}

void tst_muser::dropandreset()
{
    MUser user;
    user.setname("n");
    user.setpassword("p");
    user.setavatar("jpg");
    QVERIFY2(user.adoptbook(bookfile(testbook(4, 2))), "the textbook was not adopted");
    user.newgroup(2);
    user.reset();
    QVERIFY2(user.getname().isEmpty() && user.getbookpath().isEmpty(), "the identity was not emptied");
    QVERIFY2(user.getavatar().isEmpty(), "the avatar was not emptied");
    QVERIFY2(!user.checkpassword("p"), "the digest was not emptied");
    QCOMPARE(user.lessoncount(), 0);
    QCOMPARE(user.wordcount(), 4);
    QCOMPARE(user.groupcount(), 1);

    user.setname("n");
    user.setpassword("p");
    QVERIFY2(user.adoptbook(bookfile(testbook(4, 2))), "the textbook was not adopted again");
    user.dropbook();
    QCOMPARE(user.getname(), QString("n"));
    QVERIFY2(user.checkpassword("p"), "the digest was not kept");
    QCOMPARE(user.wordcount(), 0);
    QCOMPARE(user.groupcount(), 0);
    QVERIFY2(user.item(0).isEmpty(), "the textbook is still there");
}

void tst_muser::bookviews()
{
    MBook book = testbook(2, 3, false);
    book.setdate(QDate(2013, 5, 1));
    book.setinfo(QStringList() << "N" << "M" << "D" << "T" << "L" << "P");
    book.setinfopic("title");
    book.setshowtext1(QStringList() << "one" << "" << "");
    book.setshowtext5(QStringList() << "five" << "" << "");
    book.setshowpic4("four");
    book.insertlesson(0, "L1");
    book.setlessonitems(0, QList<int>() << 2 << 0);
    MUser user;
    QVERIFY2(user.adoptbook(bookfile(book)), "the textbook was not adopted");
    QCOMPARE(user.bookdate(), QDate(2013, 5, 1));
    QCOMPARE(user.bookinfo().first(), QString("N"));
    QCOMPARE(user.bookpic(), QByteArray("title"));
    QCOMPARE(user.showtext(0).first(), QString("one"));
    QCOMPARE(user.showtext(7).first(), QString("five"));
    QCOMPARE(user.showtext(-1).first(), QString("five"));
    QCOMPARE(user.showpic(3), QByteArray("four"));
    QVERIFY2(!user.israndom(), "the order is not natural");
    QCOMPARE(user.lessontitle(0), QString("L1"));
    QVERIFY2(user.lessontitle(1).isNull(), "a title out of range is not null");
    QCOMPARE(user.lessonitems(0), QList<int>() << 2 << 0);
    QCOMPARE(user.lessonsize(0), 2);
    QCOMPARE(user.lessonsize(1), -1);
    QCOMPARE(user.sentence(2), testsentence(2));
}

void tst_muser::coefficients_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("set") << 1 << 15 << 15;
    QTest::newRow("no upper bound") << 1 << 25 << 25;
    QTest::newRow("zero") << 1 << 0 << 0;
    QTest::newRow("negative ignored") << 1 << -1 << 10;
    QTest::newRow("index past the end") << 3 << 5 << -1;
    QTest::newRow("negative index") << -1 << 5 << -1;
}

void tst_muser::coefficients()
{
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(int, expected);
    MUser user;
    QVERIFY2(user.adoptbook(bookfile(testbook(3, 3))), "the textbook was not adopted");
    user.addphonetic("p", "c", 0, 2);
    user.addphonetic("p", "c", 0, 2);
    user.addphonetic("p", "c", 0, 2);
    user.addkey("k", "c", 0, 2);
    user.addkey("k", "c", 0, 2);
    user.addkey("k", "c", 0, 2);
    user.setworddiff(index, value);
    user.setsentdiff(index, value);
    user.setphoneticdiff(index, value);
    user.setkeydiff(index, value);
    QCOMPARE(user.worddiff(index), expected);
    QCOMPARE(user.sentdiff(index), expected);
    QCOMPARE(user.phoneticdiff(index), expected);
    QCOMPARE(user.keydiff(index), expected);
}

void tst_muser::easewords_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("all") << 0 << 3 << (QList<int>() << 2 << 1 << 1 << 0);
    QTest::newRow("middle") << 1 << 2 << (QList<int>() << 3 << 1 << 1 << 0);
    QTest::newRow("past both ends") << -5 << 100 << (QList<int>() << 2 << 1 << 1 << 0);
    QTest::newRow("empty range") << 3 << 1 << (QList<int>() << 3 << 2 << 1 << 0);
}

void tst_muser::easewords()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, expected);
    MUser user;
    QVERIFY2(user.adoptbook(bookfile(testbook(4, 0))), "the textbook was not adopted");
    const QList<int> start = QList<int>() << 3 << 2 << 1 << 0;
    for (int p = 0; p < 4; ++p)
        user.setworddiff(p, start.at(p));
    user.easewords(from, to);
    QList<int> diffs;
    for (int p = 0; p < 4; ++p)
        diffs << user.worddiff(p);
    QCOMPARE(diffs, expected);
}

void tst_muser::knowledge_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("link");
    QTest::newRow("word") << 1 << QString("d7");
    QTest::newRow("sentence") << 3 << QString("j7");
    QTest::newRow("none") << 2 << QString(" ");
}

void tst_muser::knowledge()
{
    QFETCH(int, type);
    QFETCH(QString, link);
    MUser user;
    user.addkey("first", "c0", 3, 1);
    user.addkey("x", QString::fromUtf8("内容"), 7, type);
    user.addphonetic("x", "p", 7, type);
    QCOMPARE(user.keycount(), 2);
    QCOMPARE(user.keytitle(1), QString("x"));
    QCOMPARE(user.keytext(1), QString::fromUtf8("内容"));
    QCOMPARE(user.keylink(1), link);
    QCOMPARE(user.keydiff(1), 10);
    QCOMPARE(user.phonetictitle(0), QString("x"));
    QCOMPARE(user.phoneticlink(0), link);
    QCOMPARE(user.phoneticcount(), 1);
    QCOMPARE(user.keyforword(7).contains(1), type == 1);
    QCOMPARE(user.keyforsentence(7).contains(1), type == 3);
    QCOMPARE(user.keyforword(3), QList<int>() << 0);
    QVERIFY2(user.keytitle(2).isEmpty() && user.keytext(-1).isEmpty()
                 && user.keylink(5).isEmpty(), "an entry out of range is not empty");
}

void tst_muser::linkscans()
{
    MUser user;
    user.addphonetic("a", "", 4, 1);
    user.addphonetic("b", "", 9, 1);
    user.addphonetic("c", "", 5, 3);
    user.addphonetic("d", "", 6, 1);
    QCOMPARE(user.phoneticdlinks(4, 6), QList<int>() << 4 << 6);
    QCOMPARE(user.phoneticdlinks(0, 3), QList<int>());
    QCOMPARE(user.phoneticwlinks(0, 100), QList<int>());
}

QTEST_GUILESS_MAIN(tst_muser)
#include "tst_muser.moc"
