#include "mbook.h"
#include "mreader.h"
#include "muser.h"
#include "testbook.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The fields of a small finished textbook, written out by hand from the file
// layout: big-endian, strings as UTF-16 with a byte count, scrambled where the
// format scrambles them.
static const char *const smallbook[] = {
    "2001101320131001", // magic, version
    ("00000050001e001e004f00100017000e000d0001000b004d000a00040000001b000e001100590008000c00130005"
     "0008004e00010010001e000e0051001f0006000a00030041000c001d00040003001a00050047"), // marker
    "00000006000000080033001a00000019ffffffffffffffffffffffffffffffffffffffff", // title block
    "000000034a5047", // title picture
    "00257b5e", // date 2013-05-01
    "00000003000000020015ffffffffffffffff00000000", // display info 1 texts, empty picture
    "00000000ffffffff", // display info 2: no texts, null picture
    "00000000ffffffff", // display info 3
    "00000000ffffffff", // display info 4
    "00000000ffffffff", // display info 5
    "000000020000000600120014001b000000060015001a0008", // words
    "000000020000000a002a001e00890006002b0000000a002a0011023d0213002b", // phonetics
    "0000000200000002735a0000000272a6", // meanings
    "000000020000000c000600440041001f000600520000000c000600470041001f00060052", // word sounds
    "00000002000000010000000000000001", // order [1, 0], order mode 1
    "000000010000000c00300055000c00130002004f", // sentences
    "00000001000000084e71539f73443070", // translations
    "000000010000000c000200440041001f00060052", // sentence sounds
    "0000000200000000ffffffff", // word links [0, -1]
    "00000001000000067b2c4e008bfe", // lesson titles, plain
    "00000001000000020030", // lesson items, plain
};
enum { Marker = 1, Title = 2, Picture = 3, Words = 10, Order = 14, Lessons = 19, Items = 20 };

class tst_mbookfile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void handmade();
    void otherwriter();
    void roundtrip_data();
    void roundtrip();
    void wrongkind();
    void missingfile();
    void damaged_data();
    void damaged();
    void writefailure_data();
    void writefailure();
    void unwritable();
    void unreadable_data();
    void unreadable();
    void hostile_data();
    void hostile();
    void countceiling();
    void outofmemory();

private:
    TestFolder folder;
};

namespace {
QByteArray fields(int replaced = -1, const char *replacement = nullptr)
{
    return hexfields(smallbook, replaced, replacement);
}

// The small textbook's fields before field `field`.
QByteArray fieldsbefore(int field)
{
    return hexfieldsbefore(smallbook, field);
}

// Zeros after the word list: every later list is empty.
const qint64 afterwords = 11 * 4;

MBook richbook()
{
    MBook book;
    book.setdate(QDate(2026, 3, 2));
    book.setinfo(QStringList() << QString::fromUtf8("远帆英语课") << "" << QString()
                               << QString::fromUtf8("好好学习 \xF0\x9F\x98\x80") << "http://x"
                               << "quo");
    book.setinfopic(testjpeg(40, 30));
    book.setshowtext2(QStringList() << "d" << "" << "c:/p.jpg");
    book.setshowpic5(testjpeg(8, 6));
    book.addword(QStringList() << "apple" << "['æpl]" << QString::fromUtf8("苹果") << "w1.mp3");
    book.addword(QStringList() << "q" << "" << QString() << "w2.mp3");
    book.addword(QStringList() << QString::fromUtf8("\xF0\x90\x8D\x88") << "x" << "y" << "w3.mp3");
    book.setorder(true);
    book.addsentence(QStringList() << "An apple." << QString::fromUtf8("一个苹果。") << "s1.mp3");
    book.addsentence(QStringList() << "" << "" << "");
    book.setlink(0, 0);
    book.setlink(2, 1);
    book.insertlesson(0, QString::fromUtf8("第一课"));
    book.insertlesson(1, "");
    book.setlessonitems(0, QList<int>() << 0 << 1);
    return book;
}
}

void tst_mbookfile::init()
{
    QVERIFY2(folder.renew(), "no temporary folder");
}

void tst_mbookfile::handmade()
{
    const QByteArray bytes = fields();
    folder.write("book.zemBook", bytes);
    MBook book;
    QVERIFY2(book.readbook(folder.path("book.zemBook")), "the hand-made textbook did not read");
    QCOMPARE(book.getinfo(), QStringList() << "Book" << "" << "" << "" << "" << "");
    QCOMPARE(book.getinfopic(), QByteArray("JPG"));
    QCOMPARE(book.getdate(), QDate(2013, 5, 1));
    QCOMPARE(book.showtext1(), QStringList() << "d" << "" << "");
    QCOMPARE(book.getordermode(), 1);
    QCOMPARE(book.wordcount(), 2);
    QCOMPARE(book.word(0), QStringList() << "dog" << QString::fromUtf8("[dɒɡ]")
                                         << QString::fromUtf8("狗") << "w2.mp3");
    QCOMPARE(book.word(1), QStringList() << "cat" << QString::fromUtf8("[kæt]")
                                         << QString::fromUtf8("猫") << "w1.mp3");
    QCOMPARE(book.sentence(0), QStringList() << "A cat." << QString::fromUtf8("一只猫。")
                                             << "s1.mp3");
    QCOMPARE(book.wordsentence(0), 0);
    QCOMPARE(book.wordsentence(1), -1);
    QCOMPARE(book.lessontitle(0), QString::fromUtf8("第一课"));
    QCOMPARE(book.getlessonitems(0), QList<int>() << 0);

    QVERIFY2(book.write(folder.path("again.zemBook"), true), "the textbook was not written back");
    QCOMPARE(readall(folder.path("again.zemBook")).toHex(), bytes.toHex());
}

// Another writer may store an empty scrambled string as an empty string rather
// than a null one, and an empty lesson string as null.
void tst_mbookfile::otherwriter()
{
    folder.write("book.zemBook",
                 fields(Title, "00000006000000080033001a000000190000000000000000000000000000"
                               "000000000000"));
    MBook book;
    QVERIFY2(book.readbook(folder.path("book.zemBook")), "empty strings instead of null ones did not read");
    QCOMPARE(book.getinfo(), QStringList() << "Book" << "" << "" << "" << "" << "");
    folder.write("book.zemBook", fields(Items, "00000001ffffffff"));
    QVERIFY2(book.readbook(folder.path("book.zemBook")), "a null lesson string did not read");
    QVERIFY2(book.getlessonitems(0).isEmpty(), "a null lesson string gave items");
}

void tst_mbookfile::roundtrip_data()
{
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("empty");
    QTest::newRow("finished") << true << false;
    QTest::newRow("project") << false << false;
    QTest::newRow("empty finished") << true << true;
    QTest::newRow("empty project") << false << true;
}

void tst_mbookfile::roundtrip()
{
    QFETCH(bool, finished);
    QFETCH(bool, empty);
    const MBook written = empty ? MBook() : richbook();
    QVERIFY2(empty || !written.getinfopic().isEmpty(), "the test picture is missing");
    QVERIFY2(written.write(folder.path("a"), finished), "the textbook was not written");
    const QByteArray bytes = readall(folder.path("a"));
    QCOMPARE(bytes.left(8).toHex(), QByteArray("2001101320131001"));
    QCOMPARE(bytes.mid(8, 4).toHex(), QByteArray(finished ? "00000050" : "0000004a"));
    MBook read;
    QVERIFY2(finished ? read.readbook(folder.path("a")) : read.readproject(folder.path("a")),
             "the textbook did not read back");
    QVERIFY2(read == written, "the record read differs from the record written");
    QVERIFY2(read.write(folder.path("b"), finished), "the textbook was not written again");
    QVERIFY2(readall(folder.path("b")) == bytes, "the second file differs from the first");
}

void tst_mbookfile::wrongkind()
{
    const MBook book = richbook();
    book.write(folder.path("book.pro"), false);
    book.write(folder.path("book.zemBook"), true);
    MBook read = richbook();
    read.setdate(QDate(2000, 1, 1));
    QVERIFY2(!read.readbook(folder.path("book.pro")), "a project was read as a finished textbook");
    QCOMPARE(read.wordcount(), 0);
    QCOMPARE(read.getinfopic(), QByteArray());
    QCOMPARE(read.getdate(), QDate(2000, 1, 1));
    QCOMPARE(read.getordermode(), 1);
    QVERIFY2(!read.readproject(folder.path("book.zemBook")), "a finished textbook was read as a project");
    QVERIFY2(read.readproject(folder.path("book.pro")), "the project did not read as a project");
}

void tst_mbookfile::missingfile()
{
    MBook book = richbook();
    QVERIFY2(!book.readbook(folder.path("none")), "a missing file was taken");
    QVERIFY2(book == richbook(), "the record changed");
}

void tst_mbookfile::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = fields();
    addcuts(whole, whole.size());
    QTest::newRow("wrong magic") << whole.mid(1);
    QTest::newRow("wrong version") << fields(0, "2001101320131002");
    QTest::newRow("project marker") << fields(Marker, "00000000");
    QTest::newRow("null marker") << fields(Marker, "ffffffff");
    QTest::newRow("odd marker length") << fields(Marker, "0000004f0000");
    QTest::newRow("huge word count") << fields(Words, "7fffffff00000006001200140016");
    QTest::newRow("count beyond data") << fields(Lessons, "00000009000000067b2c4e008bfe");
    QTest::newRow("odd string length") << fields(Words, "00000002000000070012001400160000000600150014000c");
    QTest::newRow("huge string length") << fields(Words, "000000027ffffff0001200140016");
    QTest::newRow("huge picture length") << fields(Picture, "7fffffff4a5047");
    QTest::newRow("negative list count") << fields(Order, "ffffffff");
    QTest::newRow("huge order count") << fields(Order, "400000000000000100000000");
    QTest::newRow("jpeg") << testjpeg(16, 16);
    QTest::newRow("empty") << QByteArray();
}

void tst_mbookfile::damaged()
{
    QFETCH(QByteArray, bytes);
    folder.write("book.zemBook", bytes);
    MBook book = richbook();
    QVERIFY2(!book.readbook(folder.path("book.zemBook")), "a damaged file was taken");
    QVERIFY2(!book.readproject(folder.path("book.zemBook")), "a damaged file was taken as a project");
    QCOMPARE(book.wordcount(), 0);
    QCOMPARE(book.sentcount(), 0);
    QCOMPARE(book.lessoncount(), 0);
    QCOMPARE(book.getdate(), QDate(2026, 3, 2));
}

void tst_mbookfile::writefailure_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("limit");
    QTest::newRow("fails while writing") << 256 * 1024 << 64 * 1024;
    QTest::newRow("fails at the last flush") << 1000 << 64;
}

// A write that fails (here at the file size limit) leaves the old file.
void tst_mbookfile::writefailure()
{
    QFETCH(int, picture);
    QFETCH(int, limit);
    const QByteArray old = fields();
    folder.write("book.zemBook", old);
    MBook big = richbook();
    big.setshowpic3(QByteArray(picture, 'x'));
    rlimit saved;
    QVERIFY2(getrlimit(RLIMIT_FSIZE, &saved) == 0, "the file size limit is unknown");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = rlim_t(limit);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = big.write(folder.path("book.zemBook"), true);
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY2(!written, "the failed write was reported as success");
    QVERIFY2(readall(folder.path("book.zemBook")) == old, "the old file was not kept");
    QCOMPARE(QDir(folder.root()).entryList(QDir::Files), QStringList() << "book.zemBook");
}

void tst_mbookfile::unwritable()
{
    QVERIFY2(!richbook().write(folder.path("no/such/folder/book.pro"), false),
             "a file was written into a missing folder");
    QVERIFY2(!richbook().write(folder.root(), true), "a folder was replaced");
    QVERIFY2(QFileInfo(folder.root()).isDir(), "the folder is gone");
}

void tst_mbookfile::unreadable_data()
{
    QTest::addColumn<int>("wordsize");
    QTest::addColumn<int>("picturesize");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("readable");
    const int longest = int(MReader::stringlimit / 2);
    const int largest = int(MReader::byteslimit);
    QTest::newRow("longest word, largest picture") << longest << largest << 1 << true;
    QTest::newRow("word past the string ceiling") << longest + 1 << 0 << 0 << false;
    QTest::newRow("picture past its ceiling") << 1 << largest + 1 << 1 << false;
    QTest::newRow("pictures past the file ceiling") << 1 << largest << 3 << false;
}

// A record the reader would refuse is told apart before it is written, and
// never written.
void tst_mbookfile::unreadable()
{
    QFETCH(int, wordsize);
    QFETCH(int, picturesize);
    QFETCH(int, pictures);
    QFETCH(bool, readable);
    MBook book;
    book.addword(QStringList() << QString(wordsize, QLatin1Char('a')) << "[a]" << "a" << "w1.mp3");
    const QByteArray picture(picturesize, 'p');
    if (pictures > 0)
        book.setshowpic1(picture);
    if (pictures > 1)
        book.setshowpic2(picture);
    if (pictures > 2)
        book.setshowpic3(picture);
    QVERIFY2(book.writable() == readable, readable ? "a readable record was taken for unreadable"
                                                   : "an unreadable record was taken for readable");
    const QString path = folder.path("book.pro");
    QVERIFY2(book.write(path, false) == readable, "the write did not do what writable() told");
    QVERIFY2(QFile::exists(path) == readable, readable ? "the readable record was not written"
                                                       : "an unreadable record was written");
}

// Files that claim more than any real one, made sparse: refused at once and
// without taking much memory, read directly or named by a user file.
void tst_mbookfile::hostile_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size");
    const QByteArray title = fieldsbefore(Title) + bigendian(6) + bigendian(0x80000000);
    QTest::newRow("first title string of 2 GiB") << title << title.size() + 0x80000000LL;
    const QByteArray picture = fieldsbefore(Picture) + bigendian(0x7FFFFFF0);
    QTest::newRow("title picture of 2 GiB") << picture << picture.size() + 0x7FFFFFF0LL;
    const quint32 above = quint32(MReader::countlimit) + 1;
    const QByteArray words = fieldsbefore(Words) + bigendian(above);
    QTest::newRow("word count above the ceiling")
        << words << words.size() + 4 * qint64(above) + afterwords;
    const quint32 string = quint32(MReader::stringlimit) + 2;
    const QByteArray longword = fieldsbefore(Words) + bigendian(1) + bigendian(string);
    QTest::newRow("word above the ceiling")
        << longword << longword.size() + string + afterwords;
    QTest::newRow("2 GiB after a sound file") << fields() << (qint64(2) << 30);
}

void tst_mbookfile::hostile()
{
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    const QString path = folder.sparse("book.zemBook", head, size);
    const qint64 peak = memorystatus("VmHWM");
    MBook book = richbook();
    QVERIFY2(!book.readbook(path), "a hostile file was taken as a textbook");
    QVERIFY2(!book.readproject(path), "a hostile file was taken as a project");

    MUser user;
    bool bookok = true;
    QVERIFY2(user.load(writebookuser(folder.path("u.zbu"), path), &bookok), "the user file did not load");
    QVERIFY2(!bookok, "the hostile textbook was taken");
    const qint64 grown = memorystatus("VmHWM") - peak;
    QVERIFY2(grown < 64 << 20, qPrintable(QString("reading took %1 MiB").arg(grown >> 20)));
}

// A list as long as the ceiling still reads.
void tst_mbookfile::countceiling()
{
    const quint32 count = quint32(MReader::countlimit);
    const QByteArray head = fieldsbefore(Words) + bigendian(count);
    MBook book;
    QVERIFY2(book.readbook(folder.sparse("book.zemBook", head, head.size() + 4 * qint64(count)
                                                                   + afterwords)),
             "the textbook did not read");
    QCOMPARE(book.wordcount(), int(count));
    QCOMPARE(book.getdate(), QDate(2013, 5, 1));
}

// Memory that runs out while reading refuses the file; the program goes on.
void tst_mbookfile::outofmemory()
{
    MBook big = richbook();
    big.setinfopic(QByteArray(15 << 20, 'a'));
    big.setshowpic1(QByteArray(15 << 20, 'b'));
    big.setshowpic2(QByteArray(15 << 20, 'c'));
    const QString path = folder.path("big.zemBook");
    QVERIFY2(big.write(path, true), "the textbook was not written");
    rlimit saved;
    QVERIFY2(getrlimit(RLIMIT_AS, &saved) == 0, "the address space limit is unknown");
    rlimit small = saved;
    small.rlim_cur = rlim_t(memorystatus("VmSize") + (16 << 20));
    setrlimit(RLIMIT_AS, &small);
    MBook book;
    const bool read = book.readbook(path);
    setrlimit(RLIMIT_AS, &saved);
    QVERIFY2(!read, "the file was taken though memory ran out");
    QVERIFY2(book.readbook(path), "the file did not read once memory was back");
    QVERIFY2(book == big, "the record read is not whole");
}

QTEST_GUILESS_MAIN(tst_mbookfile)
#include "tst_mbookfile.moc"
