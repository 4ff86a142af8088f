#include "mbook.h"
#include "mreader.h"
#include "phonetickeys.h"
#include "textimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The word and sentence file formats: records, blank lines, the transcription
// check and mapping, Chinese text, damaged files and the listing files.
class tst_textimport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void phonetickeys_data();
    void phonetickeys();
    void words_data();
    void words();
    void sentences_data();
    void sentences();
    void refused_data();
    void refused();
    void missingfile();
    void large();
    void longestfield();
    void hugefile();
    void pastfileceiling();
    void roomforpictures_data();
    void roomforpictures();
    void listing();
    void unwritablelisting();
    void fulllisting();

private:
    QString write(const QByteArray &bytes);
    QScopedPointer<QTemporaryDir> dir;
};

typedef QList<QStringList> Items;
Q_DECLARE_METATYPE(Items)

void tst_textimport::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), "no temporary folder");
}

QString tst_textimport::write(const QByteArray &bytes)
{
    const QString path = dir->filePath("import.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void tst_textimport::phonetickeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("mapped");
    QTest::newRow("every key") << "1234567890-=`" << 0
                               << QString::fromUtf8("æðŋɔəɛʃʌʒθɑˌˈ");
    QTest::newRow("letters stay") << "h3 abc" << 0 << QString::fromUtf8("hŋ abc");
    QTest::newRow("from index 1") << "1[1]" << 1 << QString::fromUtf8("1[æ]");
    QTest::newRow("empty") << "" << 0 << "";
}

void tst_textimport::phonetickeys()
{
    QFETCH(QString, typed);
    QFETCH(int, from);
    QFETCH(QString, mapped);
    QCOMPARE(PhoneticKeys::map(typed, from), mapped);
}

static QStringList word(int n, const char *text, const char *phonetic, const char *meaning)
{
    return QStringList() << QString::fromUtf8(text) << QString::fromUtf8(phonetic)
                         << QString::fromUtf8(meaning) << QString("w%1.mp3").arg(n);
}

void tst_textimport::words_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Items>("items");
    QTest::newRow("two words")
        << QByteArray("hat\n[h1t]\n帽子\nthink\n[0i3k]\n想，认为\n")
        << (Items() << word(1, "hat", "[hæt]", "帽子") << word(2, "think", "[θiŋk]", "想，认为"));
    QTest::newRow("blank lines, blanks, CR LF, BOM")
        << QByteArray("\xEF\xBB\xBF\r\n  hat \r\n\r\n\t[h1t]\r\n \r\n帽子  \r\n\r\n")
        << (Items() << word(1, "hat", "[hæt]", "帽子"));
    QTest::newRow("seventh line dropped")
        << QByteArray("a\n[a]\n一\nb\n[b]\n二\nc\n")
        << (Items() << word(1, "a", "[a]", "一") << word(2, "b", "[b]", "二"));
    QTest::newRow("meaning missing at the end")
        << QByteArray("a\n[a]\n一\nb\n[b]\n")
        << (Items() << word(1, "a", "[a]", "一"));
    QTest::newRow("CR LF, one line ending CR CR LF")
        << QByteArray("hat\r\n[h1t]\r\r\n帽子\r\nthink\r\n[0i3k]\r\n想\r\n")
        << (Items() << word(1, "hat", "[hæt]", "帽子") << word(2, "think", "[θiŋk]", "想"));
    QTest::newRow("empty brackets, digits elsewhere stay")
        << QByteArray("2nd\n[]\n第2\n") << (Items() << word(1, "2nd", "[]", "第2"));
    QTest::newRow("bracket key not mapped at index 0")
        << QByteArray("x\n[`1]\ny\n") << (Items() << word(1, "x", "[ˈæ]", "y"));
    QTest::newRow("empty file") << QByteArray() << Items();
    QTest::newRow("only blanks") << QByteArray("\n  \n\t\n") << Items();
}

void tst_textimport::words()
{
    QFETCH(QByteArray, file);
    QFETCH(Items, items);
    TextImport import(TextImport::Words);
    QVERIFY2(import.read(write(file)), qPrintable(import.message()));
    QCOMPARE(import.items(), items);
}

void tst_textimport::sentences_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Items>("items");
    const QStringList first = QStringList() << "I see [1]." << QString::fromUtf8("我明白了。") << "s1.mp3";
    const QStringList second = QStringList() << "Go!" << QString::fromUtf8("走！") << "s2.mp3";
    QTest::newRow("two sentences, no form required")
        << QByteArray("I see [1].\n我明白了。\nGo!\n走！\n") << (Items() << first << second);
    QTest::newRow("blank lines inside records")
        << QByteArray("\n\nI see [1].\n\n\n我明白了。\r\n\r\nGo!\n\n走！") << (Items() << first << second);
    QTest::newRow("translation missing at the end")
        << QByteArray("I see [1].\n我明白了。\nGo!\n") << (Items() << first);
    QTest::newRow("stray CRs at line ends")
        << QByteArray("I see [1].\r\r\n\r我明白了。\nGo!\n走！\r") << (Items() << first << second);
}

void tst_textimport::sentences()
{
    QFETCH(QByteArray, file);
    QFETCH(Items, items);
    TextImport import(TextImport::Sentences);
    QVERIFY2(import.read(write(file)), qPrintable(import.message()));
    QCOMPARE(import.items(), items);
}

void tst_textimport::refused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const QString notutf8 = QString::fromUtf8("单词文件不是UTF-8格式，请将文件另存为UTF-8格式");
    QTest::newRow("no opening bracket")
        << int(TextImport::Words) << QByteArray("a\n[a]\n一\nb\nb]\n二\n")
        << QString::fromUtf8("第 2 个单词的音标格式错误，单词：b");
    QTest::newRow("no closing bracket")
        << int(TextImport::Words) << QByteArray("a\n[a\n一\n")
        << QString::fromUtf8("第 1 个单词的音标格式错误，单词：a");
    QTest::newRow("lone bracket")
        << int(TextImport::Words) << QByteArray("a\n[\n一\n")
        << QString::fromUtf8("第 1 个单词的音标格式错误，单词：a");
    QTest::newRow("a meaning missing shifts the lines")
        << int(TextImport::Words) << QByteArray("a\n[a]\nb\n[b]\n二\nc\n[c]\n三\n")
        << QString::fromUtf8("第 2 个单词的音标格式错误，单词：[b]");
    QTest::newRow("third record bad") << int(TextImport::Words)
        << QByteArray("a\n[a]\n一\nb\n[b]\n二\n词\n音标\n")
        << QString::fromUtf8("第 3 个单词的音标格式错误，单词：词");
    QTest::newRow("GBK meaning") << int(TextImport::Words)
        << QByteArray("hat\n[h1t]\n\xC3\xB1\xD7\xD3\n") << notutf8;
    QTest::newRow("cut UTF-8 at the end") << int(TextImport::Words)
        << QByteArray("hat\n[h1t]\n\xE5\xB8") << notutf8;
    QTest::newRow("Latin-1 sentence") << int(TextImport::Sentences)
        << QByteArray("Caf\xE9\n咖啡馆\n")
        << QString::fromUtf8("句子文件不是UTF-8格式，请将文件另存为UTF-8格式");
    QTest::newRow("CR-only words") << int(TextImport::Words)
        << QByteArray("hat\r[h1t]\r帽子\r")
        << QString::fromUtf8("单词文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式");
    QTest::newRow("CR-only sentences, two CRs at the end") << int(TextImport::Sentences)
        << QByteArray("Go!\r走！\r\r")
        << QString::fromUtf8("句子文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式");
    const QByteArray longest(int(MReader::stringlimit / 2), 'a');
    const QByteArray longer = longest + 'a';
    // Lines longer than a project's field.
    QTest::newRow("long word") << int(TextImport::Words) << QByteArray("a\n[a]\n一\n\n" + longer + "\n[a]\n一\n")
                          << QString::fromUtf8("单词文件第 5 行太长，无法导入");
    QTest::newRow("long transcription") << int(TextImport::Words) << QByteArray("a\n[" + longer + "]\n一\n")
                                        << QString::fromUtf8("单词文件第 2 行太长，无法导入");
    QTest::newRow("long meaning in Chinese") << int(TextImport::Words)
        << QByteArray("a\n[a]\n" + QString(longer.size(), QChar(0x4E00)).toUtf8() + "\n")
        << QString::fromUtf8("单词文件第 3 行太长，无法导入");
    QTest::newRow("long translation") << int(TextImport::Sentences) << QByteArray("Go!\n" + longer + "\n")
                                      << QString::fromUtf8("句子文件第 2 行太长，无法导入");
    QTest::newRow("long incomplete last sentence") << int(TextImport::Sentences)
        << QByteArray("Go!\n走！\n" + longer) << QString::fromUtf8("句子文件第 3 行太长，无法导入");
    QTest::newRow("one line of 10 MB") << int(TextImport::Words) << QByteArray(10 << 20, 'x')
                                       << QString::fromUtf8("单词文件第 1 行太长，无法导入");
    // Fifty of the longest lines: more text than a project file holds.
    QByteArray lines;
    for (int i = 0; i < 50; ++i)
        lines += longest + '\n';
    QTest::newRow("more text than a project holds") << int(TextImport::Sentences) << lines
                                                    << QString::fromUtf8("句子太多，项目文件装不下，无法导入");
}

void tst_textimport::refused()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    TextImport import{TextImport::Kind(kind)};
    QVERIFY2(!import.read(write(file)), "a damaged file was read");
    QCOMPARE(import.message(), message);
    QVERIFY2(import.items().isEmpty(), "items left from a refused file");
}

void tst_textimport::missingfile()
{
    TextImport words(TextImport::Words);
    QVERIFY2(!words.read(dir->filePath("none.txt")), "a missing file was read");
    QCOMPARE(words.message(), QString::fromUtf8("单词文件打不开"));
    TextImport sentences(TextImport::Sentences);
    QVERIFY2(!sentences.read(dir->path()), "a folder was read as a file");
    QCOMPARE(sentences.message(), QString::fromUtf8("句子文件打不开！"));
}

void tst_textimport::large()
{
    QByteArray file;
    for (int i = 0; i < 50000; ++i)
        file += "word" + QByteArray::number(i) + "\n[w5:d]\n单词" + QByteArray::number(i) + "\n";
    TextImport import(TextImport::Words);
    QVERIFY2(import.read(write(file)), qPrintable(import.message()));
    const Items items = import.items();
    QCOMPARE(items.size(), 50000);
    QCOMPARE(items.last(), word(50000, "word49999", "[wə:d]", "单词49999"));
}

// The longest field that is read back is taken, blanks around it aside.
void tst_textimport::longestfield()
{
    const QByteArray longest(int(MReader::stringlimit / 2), 'a');
    TextImport import(TextImport::Sentences);
    QVERIFY2(import.read(write(" \t" + longest + "  \n走！\n")), qPrintable(import.message()));
    QVERIFY2(import.items().value(0).value(0) == QString(longest), "the longest readable sentence was not taken");
}

// A file past the project file's ceiling is refused before it is read.
void tst_textimport::hugefile()
{
    const QString path = dir->filePath("huge.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MReader::filelimit + 1));
    file.close();
    TextImport import(TextImport::Sentences);
    QVERIFY2(!import.read(path), "a file larger than any project was read");
    QCOMPARE(import.message(), QString::fromUtf8("句子文件太大，无法导入"));
}

// Items that would push the project past its file ceiling are refused.
void tst_textimport::pastfileceiling()
{
    MBook book;
    book.setshowpic1(QByteArray(int(MReader::byteslimit), 'p'));
    book.setshowpic2(QByteArray(int(MReader::byteslimit), 'p'));
    book.setshowpic3(QByteArray(int(MReader::byteslimit) - (64 << 10), 'p'));
    QVERIFY2(book.writable(), "the book without words does not fit");
    QByteArray file;
    for (int i = 0; i < 2000; ++i)
        file += "word" + QByteArray::number(i) + "\n[w5:d]\n单词\n";
    TextImport import(TextImport::Words);
    QVERIFY(import.read(write(file)));
    QVERIFY2(!import.fitsin(book, 0), "words past the file ceiling were taken");
    QCOMPARE(import.message(), QString::fromUtf8("单词太多，项目文件装不下，无法导入"));
    QVERIFY2(import.items().isEmpty(), "items left from a refused import");

    TextImport few(TextImport::Words);
    QVERIFY(few.read(write("hat\n[h1t]\n帽子\n")));
    QVERIFY2(few.fitsin(book, 0), qPrintable(few.message()));
}

void tst_textimport::roomforpictures_data()
{
    QTest::addColumn<int>("picturebytes");
    QTest::addColumn<bool>("fits");
    QTest::newRow("pictures of 2 MiB fit") << (2 << 20) << true;
    QTest::newRow("pictures of 3 MiB do not") << (3 << 20) << false;
}

// The words must leave room for the pictures generation stores: the book
// holds 40 MiB of pictures, one of 8 MiB that a smaller one may replace and
// three empty ones that a generated textbook fills.
void tst_textimport::roomforpictures()
{
    QFETCH(int, picturebytes);
    QFETCH(bool, fits);
    MBook book;
    book.setshowpic1(QByteArray(int(MReader::byteslimit), 'p'));
    book.setshowpic2(QByteArray(int(MReader::byteslimit), 'p'));
    book.setshowpic3(QByteArray(8 << 20, 'p'));
    TextImport import(TextImport::Words);
    QVERIFY(import.read(write("hat\n[h1t]\n帽子\n")));
    QVERIFY2(import.fitsin(book, picturebytes) == fits,
             fits ? "words were refused that leave room for the pictures" : "words were taken that leave no room for the pictures");
    QCOMPARE(import.message(), fits ? QString() : QString::fromUtf8("单词太多，项目文件装不下，无法导入"));
}

void tst_textimport::listing()
{
    TextImport import(TextImport::Words);
    QVERIFY(import.read(write("hat\n[h1t]\n帽子\n句子\n[x]\n一\n")));
    const QString path = dir->filePath("_words_.txt");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older, longer listing that must go\r\n");
    }
    QVERIFY2(import.writelisting(dir->path()), qPrintable(import.message()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("w1_hat\r\nw2_句子\r\n"));

    TextImport sentences(TextImport::Sentences);
    QVERIFY(sentences.read(write("Go!\n走！\n")));
    QVERIFY(sentences.writelisting(dir->path()));
    QFile listing(dir->filePath("_sentences_.txt"));
    QVERIFY(listing.open(QIODevice::ReadOnly));
    QCOMPARE(listing.readAll(), QByteArray("s1_Go!\r\n"));
}

void tst_textimport::unwritablelisting()
{
    TextImport import(TextImport::Sentences);
    QVERIFY(import.read(write("Go!\n走！\n")));
    QVERIFY2(!import.writelisting(dir->filePath("no/such/folder")), "a listing was written nowhere");
    QCOMPARE(import.message(), QString::fromUtf8("无法生成句子列表！"));
}

// A file size limit makes the buffered bytes fail at the final flush, as a
// full disk does.
void tst_textimport::fulllisting()
{
    QByteArray file;
    for (int i = 0; i < 200; ++i)
        file += "word" + QByteArray::number(i) + "\n[w5:d]\n单词\n";
    TextImport import(TextImport::Words);
    QVERIFY(import.read(write(file)));
    const QString path = dir->filePath("_words_.txt");
    const QByteArray old("w1_old\r\n");
    {
        QFile listing(path);
        QVERIFY(listing.open(QIODevice::WriteOnly) && listing.write(old) == old.size());
    }
    rlimit saved;
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool written = import.writelisting(dir->path());
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY2(!written, "a listing that could not be written was reported written");
    QCOMPARE(import.message(), QString::fromUtf8("无法生成单词列表"));
    QFile listing(path);
    QVERIFY(listing.open(QIODevice::ReadOnly));
    QVERIFY2(listing.readAll() == old, "the old listing was not kept");
}

QTEST_GUILESS_MAIN(tst_textimport)
#include "tst_textimport.moc"
