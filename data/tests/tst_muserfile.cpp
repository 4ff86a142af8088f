#include "mreader.h"
#include "muser.h"
#include "checkreturn.h"
#include "testbook.h"

#include <QtTest>

#include <sys/stat.h>

// The fields of a small user file, written out by hand from the file layout.
static const char *const smalluser[] = {
    "12345678", // magic
    "00000000", // book path, empty
    "000000045f514e7c", // name, scrambled
    ("000000400010004d005e004200430053005e00400053005d0044000d00590011005000550010005b0054"
     "0044000d005c00560041005c0019000e00140046000d00420014"), // password digest, scrambled
    "000000034a5047", // avatar
    "000000020000000a00000009", // word coefficients
    "0000000100000002", // group sizes
    "0000000100258dae01ee6280ff", // group starts: 2026-03-02 09:00:00 local
    "0000000100000014", // intervals 1 to 8
    "000000010000003c",
    "0000000100000001",
    "0000000100000002",
    "0000000100000005",
    "000000010000000f",
    "000000010000001e",
    "000000010000003c",
    "0000000100000000", // stages
    "000000010000000a", // sentence coefficients
    "0000000100000004006c0070", // phonetic titles
    "000000010000000451855bb9", // phonetic contents
    "000000010000000a", // phonetic coefficients
    "000000010000000400640030", // phonetic links
    "0000000100000004006c006b", // key titles
    "00000001000000020078", // key contents
    "0000000100000004006a0030", // key links
    "000000010000000a", // key coefficients
};
enum { Magic = 0, Path = 1, Name = 2, Avatar = 4, Words = 5, Sizes = 6, Starts = 7, Keys = 25 };

class tst_muserfile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void handmade();
    void otherwriter_data();
    void otherwriter();
    void roundtrip();
    void head();
    void emptyname();
    void loadwithbook();
    void loadunreadablebook();
    void loadwithoutbook();
    void loadspecialbook_data();
    void loadspecialbook();
    void loadmissing();
    void damaged_data();
    void damaged();
    void headdamaged_data();
    void headdamaged();
    void overlappinggroups_data();
    void overlappinggroups();
    void unwritable();
    void hostile_data();
    void hostile();
    void avatarceiling();

private:
    bool fill(MUser &user, const QString &bookpath);
    QString bookfile();
    bool saveuser(MUser &user);

    TestFolder folder;
};

namespace {
QByteArray fields(int replaced = -1, const char *replacement = nullptr)
{
    return hexfields(smalluser, replaced, replacement);
}

// The small user's magic, book path, name and digest, then an avatar length.
QByteArray avatarhead(quint32 length)
{
    return hexfieldsbefore(smalluser, Avatar) + bigendian(length);
}

// The small user's fields after the avatar.
QByteArray afteravatar()
{
    return fields().mid(avatarhead(0).size() + 3);
}

// Magic, book path, name, digest and avatar.
int headsize()
{
    return hexfieldsbefore(smalluser, Avatar + 1).size();
}

}

void tst_muserfile::init()
{
    QVERIFY2(folder.renew(), "no temporary folder");
}

QString tst_muserfile::bookfile()
{
    const QString bookpath = folder.path("b.zemBook");
    testbook(10, 3, false).write(bookpath, true);
    return bookpath;
}

// Saves a user with progress and knowledge entries on bookfile() as u.zbu.
bool tst_muserfile::saveuser(MUser &user)
{
    if (!fill(user, bookfile()))
        return false;
    QVERIFY_RETURN(user.save(folder.path("u.zbu")), "the user was not saved");
    return true;
}

bool tst_muserfile::fill(MUser &user, const QString &bookpath)
{
    user.setname(QString::fromUtf8("李四 \xF0\x9F\x98\x80"));
    user.setpassword(QString::fromUtf8("密码"));
    user.setavatar(testjpeg(32, 32));
    QVERIFY_RETURN(user.adoptbook(bookpath), "the textbook was not adopted");
    user.setworddiff(3, 0);
    user.setsentdiff(1, 20);
    user.newgroup(4);
    user.setgroupstart(0, QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    for (int k = 1; k <= 8; ++k)
        user.setinterval(0, k, k * 3);
    user.setstage(0, 2);
    user.newgroup(3);
    user.addphonetic(QString::fromUtf8("音标"), "", 2, 1);
    user.addkey("quo", QString(), 1, 3);
    user.addkey("", "c", 0, 2);
    return true;
}

void tst_muserfile::handmade()
{
    const QString file = folder.write("u.zbu", fields());
    MUser user;
    QVERIFY2(user.load(file), "the hand-made user file did not load");
    QCOMPARE(user.getname(), QString::fromUtf8("张三"));
    QVERIFY2(user.checkpassword(QString::fromUtf8("密码")), "the digest did not read");
    QCOMPARE(user.getavatar(), QByteArray("JPG"));
    QVERIFY2(user.getbookpath().isEmpty(), "a textbook path was read where there is none");
    QCOMPARE(user.wordcount(), 2);
    QCOMPARE(user.worddiff(1), 9);
    QCOMPARE(user.groupcount(), 1);
    QCOMPARE(user.wordsupto(0), 2);
    QCOMPARE(user.groupstart(0), QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    const QList<int> planned = QList<int>() << 20 << 60 << 1 << 2 << 5 << 15 << 30 << 60;
    for (int k = 1; k <= 8; ++k)
        QCOMPARE(user.interval(0, k), planned.at(k - 1));
    QCOMPARE(user.stage(0), 0);
    QCOMPARE(user.sentdiff(0), 10);
    QCOMPARE(user.phonetictitle(0), QString("p"));
    QCOMPARE(user.phonetictext(0), QString::fromUtf8("内容"));
    QCOMPARE(user.phoneticlink(0), QString("d0"));
    QCOMPARE(user.keytitle(0), QString("k"));
    QCOMPARE(user.keylink(0), QString("j0"));
    QCOMPARE(user.keydiff(0), 10);
    QVERIFY2(user.save(folder.path("again.zbu")), "the user was not saved back");
    QCOMPARE(readall(folder.path("again.zbu")).toHex(), fields().toHex());
}

// Qt 4 wrote the time-spec byte of a local time as 0 or 1 as well as 0xFF,
// and a book path of an untouched record as a null string.
void tst_muserfile::otherwriter_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("replacement");
    QTest::newRow("standard time") << int(Starts) << QByteArray("0000000100258dae01ee628000");
    QTest::newRow("daylight time") << int(Starts) << QByteArray("0000000100258dae01ee628001");
    QTest::newRow("null book path") << int(Path) << QByteArray("ffffffff");
}

void tst_muserfile::otherwriter()
{
    QFETCH(int, field);
    QFETCH(QByteArray, replacement);
    MUser user;
    QVERIFY2(user.load(folder.write("u.zbu", fields(field, replacement.constData()))), "the user file did not load");
    QCOMPARE(user.groupstart(0), QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
    QVERIFY2(user.getbookpath().isEmpty(), "a textbook path was read where there is none");
}

void tst_muserfile::roundtrip()
{
    const QString bookpath = folder.path(QString::fromUtf8("教材.zemBook"));
    QVERIFY2(testbook(10, 3, true).write(bookpath, true), "the textbook was not written");
    MUser user;
    QVERIFY(fill(user, bookpath));
    QVERIFY2(user.save(folder.path("u.zbu")), "the user was not saved");
    const QByteArray bytes = readall(folder.path("u.zbu"));
    QCOMPARE(bytes.left(4).toHex(), QByteArray("12345678"));
    QVERIFY2(!bytes.contains(QByteArray::fromHex("674e")), "the name is stored plain");
    QVERIFY2(bytes.contains(QByteArray::fromHex("00000006006c97f36807")),
             "knowledge titles are not stored plain with their prefix");

    MUser loaded;
    bool bookok = false;
    QVERIFY2(loaded.load(folder.path("u.zbu"), &bookok), "the user file did not load");
    QVERIFY2(bookok, "the textbook was not read");
    QCOMPARE(loaded.getname(), user.getname());
    QCOMPARE(loaded.getbookpath(), bookpath);
    QCOMPARE(loaded.wordcount(), 10);
    QCOMPARE(loaded.worddiff(3), 0);
    QCOMPARE(loaded.sentdiff(1), 20);
    QCOMPARE(loaded.groupcount(), 2);
    QCOMPARE(loaded.interval(0, 8), 24);
    QCOMPARE(loaded.stage(0), 2);
    QCOMPARE(loaded.stage(1), -1);
    QCOMPARE(loaded.groupstart(1), MUser::placeholder());
    QCOMPARE(loaded.keytitle(0), QString("quo"));
    QCOMPARE(loaded.keylink(0), QString("j1"));
    QCOMPARE(loaded.phonetictitle(0), QString::fromUtf8("音标"));
    QCOMPARE(loaded.item(0), user.item(0));
    QVERIFY2(loaded.save(folder.path("again.zbu")), "the user was not saved again");
    QVERIFY2(readall(folder.path("again.zbu")) == bytes,
             "the second file differs from the first");
}

void tst_muserfile::head()
{
    MUser saved;
    QVERIFY(saveuser(saved));
    const QString bookpath = saved.getbookpath();
    MUser user;
    user.addkey("mine", "", 0, 2);
    QVERIFY2(user.readhead(folder.path("u.zbu")), "the head did not read");
    QCOMPARE(user.getname(), saved.getname());
    QCOMPARE(user.getavatar(), saved.getavatar());
    QCOMPARE(user.getbookpath(), bookpath);
    QVERIFY2(user.checkpassword(QString::fromUtf8("密码")), "the digest did not read from the head");
    QCOMPARE(user.keycount(), 1);
    QCOMPARE(user.wordcount(), 0);
    QVERIFY2(user.readhead(folder.write("u.zbu", fields().left(headsize()))),
             "a head alone did not read");
    QCOMPARE(user.getname(), QString::fromUtf8("张三"));
}

void tst_muserfile::emptyname()
{
    const QString file = folder.path("u.zbu");
    MUser user;
    QVERIFY2(user.save(file), "the user was not saved");
    QCOMPARE(readall(file).mid(4, 12).toHex(), QByteArray("ffffffffffffffffffffffff"));
    user.reset();
    QVERIFY2(user.save(file), "the user was not saved after reset");
    QCOMPARE(readall(file).mid(4, 12).toHex(), QByteArray("00000000ffffffffffffffff"));
    MUser loaded;
    loaded.setname("someone");
    QVERIFY2(loaded.load(file), "the user file did not load");
    QVERIFY2(loaded.getname().isEmpty(), "the name of a user saved after reset is not empty");
}

void tst_muserfile::loadwithbook()
{
    const QString first = folder.path("first.zemBook");
    const QString second = folder.path("second.zemBook");
    testbook(10, 3, true).write(first, true);
    testbook(6, 1, false).write(second, true);
    MUser one;
    QVERIFY(fill(one, first));
    one.save(folder.path("one.zbu"));
    MUser two;
    two.adoptbook(second);
    two.save(folder.path("two.zbu"));
    MUser user;
    QVERIFY2(user.load(folder.path("one.zbu")) && user.load(folder.path("two.zbu")),
             "the two user files did not both load");
    QCOMPARE(user.item(0), testword(0));
    QVERIFY2(!user.israndom(), "the textbook is not the second user's");
    QCOMPARE(user.groupcount(), 0);
    QCOMPARE(user.keycount(), 0);
}

// The user is loaded, the caller is told, and nothing of an earlier textbook stays.
void tst_muserfile::loadunreadablebook()
{
    MUser saved;
    QVERIFY(saveuser(saved));
    const QString bookpath = saved.getbookpath();
    MUser user;
    QVERIFY2(user.load(folder.path("u.zbu")), "the user file did not load with its textbook");
    QFile::remove(bookpath);
    bool bookok = true;
    QVERIFY2(user.load(folder.path("u.zbu"), &bookok), "the user file no longer loads without its textbook");
    QVERIFY2(!bookok, "the missing textbook was reported as read");
    QCOMPARE(user.groupcount(), 2);
    QCOMPARE(user.lessoncount(), 0);
    QVERIFY2(user.item(0).isEmpty(), "a textbook was kept");
    QCOMPARE(user.getbookpath(), bookpath);
}

void tst_muserfile::loadwithoutbook()
{
    MUser user;
    QVERIFY(fill(user, bookfile()));
    MUser fresh;
    fresh.setname("new");
    fresh.save(folder.path("new.zbu"));
    bool bookok = false;
    QVERIFY2(user.load(folder.path("new.zbu"), &bookok), "the user file did not load");
    QVERIFY2(bookok, "a file without textbook reported a failed textbook");
    QVERIFY2(user.item(0).isEmpty(), "the book is not empty");
    QCOMPARE(user.wordcount(), 0);
    QCOMPARE(user.getname(), QString("new"));
}

// A textbook path naming a pipe or a device is refused without reading it.
void tst_muserfile::loadspecialbook_data()
{
    QTest::addColumn<QString>("bookpath");
    QTest::newRow("endless device") << QString("/dev/zero");
    QTest::newRow("pipe") << QString("pipe");
    QTest::newRow("folder") << QString(".");
}

void tst_muserfile::loadspecialbook()
{
    QFETCH(QString, bookpath);
    const QString target = bookpath.startsWith('/') ? bookpath : folder.path(bookpath);
    if (bookpath == "pipe")
        QVERIFY2(mkfifo(QFile::encodeName(target).constData(), 0600) == 0, "the pipe was not made");
    MUser user;
    bool bookok = true;
    QVERIFY2(user.load(writebookuser(folder.path("u.zbu"), target), &bookok),
             "the user file did not load");
    QVERIFY2(!bookok, "a special file was taken as the textbook");
    MBook book;
    QVERIFY2(!book.readbook(target), "a special file was read as a textbook");
}

void tst_muserfile::loadmissing()
{
    MUser user;
    QVERIFY2(user.load(folder.write("u.zbu", fields())), "the user file did not load");
    QVERIFY2(!user.load(folder.path("none.zbu")), "a missing file was taken");
    QVERIFY2(!user.readhead(folder.path("none.zbu")), "the head of a missing file was taken");
    QCOMPARE(user.getname(), QString::fromUtf8("张三"));
    QCOMPARE(user.wordcount(), 2);
}

void tst_muserfile::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = fields();
    addcuts(whole, whole.size());
    QTest::newRow("wrong magic") << fields(Magic, "12345679");
    QTest::newRow("huge count") << fields(Words, "7fffffff0000000a");
    QTest::newRow("count beyond data") << fields(Keys, "000000030000000a");
    QTest::newRow("odd string length") << fields(Name, "000000055f514e7c");
    QTest::newRow("huge avatar") << fields(Avatar, "fffffffe4a5047");
    QTest::newRow("huge date-time count") << fields(Starts, "1000000000258dae01ee6280ff");
    QTest::newRow("jpeg") << testjpeg(24, 24);
    QTest::newRow("textbook") << QByteArray::fromHex("2001101320131001");
}

void tst_muserfile::damaged()
{
    QFETCH(QByteArray, bytes);
    const QString file = folder.write("u.zbu", bytes);
    MUser user;
    QVERIFY(fill(user, bookfile()));
    const QString name = user.getname();
    QVERIFY2(!user.load(file), "a damaged file was taken");
    QCOMPARE(user.getname(), name);
    QCOMPARE(user.getbookpath(), folder.path("b.zemBook"));
    QCOMPARE(user.groupcount(), 2);
    QCOMPARE(user.item(0), testword(0));
}

void tst_muserfile::headdamaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = fields();
    addcuts(whole, headsize());
    QTest::newRow("wrong magic") << fields(Magic, "00345678");
    QTest::newRow("odd path length") << fields(Path, "00000001");
    QTest::newRow("jpeg") << testjpeg(24, 24);
}

void tst_muserfile::headdamaged()
{
    QFETCH(QByteArray, bytes);
    MUser user;
    user.setname("kept");
    QVERIFY2(!user.readhead(folder.write("u.zbu", bytes)), "a damaged head was taken");
    QCOMPARE(user.getname(), QString("kept"));
}

// Group sizes that no writer makes but that read: a position counts once for
// the weak words, however often the groups of a damaged file go back over it.
void tst_muserfile::overlappinggroups_data()
{
    QTest::addColumn<QByteArray>("sizes");
    QTest::addColumn<int>("weak");
    QTest::newRow("back and over again") << QByteArray("0000000300000002fffffffe00000002") << 1;
    QByteArray often = "000003e8";
    for (int i = 0; i < 500; ++i)
        often += "00000002fffffffe";
    QTest::newRow("back and over often") << often << 1;
    QTest::newRow("negative first") << QByteArray("00000002fffffffe00000003") << 1;
    QTest::newRow("beyond the words") << QByteArray("0000000100001000") << 1;
}

void tst_muserfile::overlappinggroups()
{
    QFETCH(QByteArray, sizes);
    QFETCH(int, weak);
    MUser user;
    QVERIFY2(user.load(folder.write("u.zbu", fields(Sizes, sizes.constData()))), "the file did not read");
    QCOMPARE(user.pickweak(), weak);
    user.makeorder(1);
    QCOMPARE(user.workitem(0), 0);
}

void tst_muserfile::unwritable()
{
    const QByteArray old = fields();
    const QString file = folder.write("u.zbu", old);
    MUser user;
    QVERIFY2(!user.save(folder.path("missing/u.zbu")), "a file was written into a missing folder");
    QVERIFY2(!user.save(folder.root()), "a folder was replaced");
    QVERIFY2(readall(file) == old, "another file was changed");
}

// Files that claim more than any real one, made sparse: refused at once,
// without taking much memory, and the record stays as it was.
void tst_muserfile::hostile_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("headreads");
    const qint64 avatar = avatarhead(0).size();
    QTest::newRow("avatar of 2 GiB") << avatarhead(0x7FFFFFF0) << avatar + 0x7FFFFFF0
                                     << QByteArray() << false;
    QTest::newRow("book path of 2 GiB") << QByteArray::fromHex("1234567880000000")
                                        << qint64(8) + 0x80000000LL << QByteArray() << false;
    QTest::newRow("whole avatar of 1 GiB")
        << avatarhead(1 << 30) << avatar + (1 << 30) + afteravatar().size() << afteravatar()
        << false;
    const quint32 above = quint32(MReader::byteslimit) + 1;
    QTest::newRow("avatar above the ceiling")
        << avatarhead(above) << avatar + above + afteravatar().size() << afteravatar() << false;
    QTest::newRow("2 GiB after a sound file") << fields() << (qint64(2) << 30) << QByteArray()
                                              << true;
}

void tst_muserfile::hostile()
{
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    QFETCH(QByteArray, tail);
    QFETCH(bool, headreads);
    const QString file = folder.sparse("u.zbu", head, size, tail);
    MUser user;
    user.setname("kept");
    const qint64 peak = memorystatus("VmHWM");
    QCOMPARE(user.readhead(file), headreads);
    if (!headreads)
        QCOMPARE(user.getname(), QString("kept"));
    QVERIFY2(!user.load(file), "the whole file was taken");
    QCOMPARE(user.groupcount(), 0);
    const qint64 grown = memorystatus("VmHWM") - peak;
    QVERIFY2(grown < 64 << 20, qPrintable(QString("reading took %1 MiB").arg(grown >> 20)));
}

// A picture as large as the ceiling still reads.
void tst_muserfile::avatarceiling()
{
    const quint32 length = quint32(MReader::byteslimit);
    const QByteArray head = avatarhead(length);
    const QString file = folder.sparse("u.zbu", head, head.size() + length + afteravatar().size(),
                                       afteravatar());
    MUser user;
    QVERIFY2(user.readhead(file), "the head did not read");
    QCOMPARE(user.getavatar().size(), int(length));
    QVERIFY2(user.load(file), "the file did not load");
    QCOMPARE(user.getname(), QString::fromUtf8("张三"));
    QCOMPARE(user.groupcount(), 1);
}

QTEST_GUILESS_MAIN(tst_muserfile)
#include "tst_muserfile.moc"
