// Times the data files at full size: a 20,000-word, 5,000-sentence,
// 200-lesson textbook with six 400x300 JPEG pictures, and a user with 1,000
// review groups. Prints the median milliseconds of several runs, the textbook
// times as multiples of reading and writing the same bytes raw, and the peak
// memory; asserts nothing. With "--read PATH" it only reads that textbook and
// prints how far reading raised its peak memory, in bytes.

#include "mbook.h"
#include "muser.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>


namespace {
QTextStream out(stdout);

QByteArray picture(int seed)
{
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor::fromHsv(seed * 60 % 360, 160, 220));
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse((i * 37 + seed * 11) % 400, (i * 53) % 300, 30 + i, 20 + i);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

MBook largebook()
{
    MBook book;
    book.setdate(QDate(2026, 3, 2));
    book.setinfo(QStringList() << QString::fromUtf8("大词库") << "maker" << "description"
                               << "message" << "http://127.0.0.1/" << "title.jpg");
    book.setinfopic(picture(0));
    book.setshowtext1(QStringList() << "one" << "" << "");
    book.setshowpic1(picture(1));
    book.setshowpic2(picture(2));
    book.setshowpic3(picture(3));
    book.setshowpic4(picture(4));
    book.setshowpic5(picture(5));
    for (int i = 0; i < 20000; ++i)
        book.addword(QStringList() << QString("word%1").arg(i) << "[wɜːd]"
                                   << QString::fromUtf8("单词，词语 %1").arg(i)
                                   << QString("w%1.mp3").arg(i + 1));
    for (int i = 0; i < 5000; ++i)
        book.addsentence(QStringList() << QString("This is example sentence number %1.").arg(i)
                                       << QString::fromUtf8("这是第%1个例句。").arg(i)
                                       << QString("s%1.mp3").arg(i + 1));
    for (int i = 0; i < 20000; i += 4)
        book.setlink(i, i / 4);
    for (int l = 0; l < 200; ++l) {
        book.insertlesson(l, QString::fromUtf8("第%1课").arg(l + 1));
        QList<int> items;
        for (int j = 0; j < 25; ++j)
            items << l * 25 + j;
        book.setlessonitems(l, items);
    }
    book.setorder(true);
    return book;
}

void report(const char *what, const QString &value)
{
    out << qSetFieldWidth(36) << Qt::left << what << qSetFieldWidth(0) << value << "\n";
}

const int runs = 7;

QString ms(double value)
{
    return QString::number(value, 'f', 2) + " ms";
}

// The median of several runs, in milliseconds; prepare runs untimed before each.
template<typename F, typename P = bool (*)()>
double timed(const char *what, F f, P prepare = [] { return true; })
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!f())
            qFatal("%s failed", what);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    report(what, ms(median));
    return median;
}

void ratio(const char *what, double time, double raw)
{
    report(what, QString::number(time / raw, 'f', 1) + " x");
}

// The process's own peak (a child's ru_maxrss would start at its parent's).
qint64 peakbytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

QByteArray readraw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeraw(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int readonly(const QString &path)
{
    const qint64 before = peakbytes();
    MBook book;
    if (!book.readbook(path))
        return 1;
    out << peakbytes() - before << "\n";
    out.flush();
    return 0;
}

// Reading the textbook in a process of its own, as a multiple of its size.
QString readmemory(const QString &path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList() << "--read" << path);
    if (!child.waitForFinished() || child.exitCode() != 0)
        qFatal("reading the textbook alone failed");
    const double grown = child.readAllStandardOutput().trimmed().toDouble();
    return QString::number(grown / (1 << 20), 'f', 1) + " MiB, "
        + QString::number(grown / QFileInfo(path).size(), 'f', 1) + " x the file";
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--read")
        return readonly(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString bookpath = dir.filePath("rand.zemBook");
    const QString userpath = dir.filePath("user.zbu");
    const QString smallpath = dir.filePath("small.zbu");

    const MBook book = largebook();
    const double write = timed("write textbook", [&] { return book.write(bookpath, true); });
    const QByteArray raw = readraw(bookpath);
    const QString rawpath = dir.filePath("raw.zemBook");
    const double rawwrite = timed("raw write of the same bytes", [&] { return writeraw(rawpath, raw); });
    ratio("write / raw write", write, rawwrite);
    // Each run reads into an empty record: no run times freeing the last one.
    MBook read;
    const double bookread = timed("read textbook", [&] { return read.readbook(bookpath); },
                                  [&] { read = MBook(); return true; });
    const double rawread = timed("raw read of the same bytes", [&] {
        return readraw(bookpath).size() == raw.size();
    });
    ratio("read / raw read", bookread, rawread);
    report("peak memory reading the textbook", readmemory(bookpath));

    MUser user;
    user.setname(QString::fromUtf8("测试"));
    user.setpassword("secret");
    user.setavatar(picture(6));
    user.adoptbook(bookpath);
    const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
    for (int g = 0; g < 1000; ++g) {
        user.newgroup(20);
        user.setgroupstart(g, start.addSecs(g * 3600));
        for (int k = 1; k <= 8; ++k)
            user.setinterval(g, k, k <= 2 ? 20 * k : k);
        user.setstage(g, g % 9);
    }
    for (int i = 0; i < 2000; ++i)
        user.addkey(QString("key %1").arg(i), QString::fromUtf8("重点知识内容 %1").arg(i), i, 1);
    timed("write user", [&] { return user.save(userpath); });
    MUser small;
    small.setname("small");
    small.setavatar(picture(6));
    small.save(smallpath);

    MUser reader;
    timed("read user head (1,000 groups)", [&] { return reader.readhead(userpath); });
    timed("read user head (no progress)", [&] { return reader.readhead(smallpath); });
    timed("load user with textbook", [&] { return reader.load(userpath); });
    QList<int> due;
    timed("duegroups over 1,000 groups", [&] {
        due = reader.duegroups(QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
        return true;
    });

    report("groups due", QString::number(due.size()));
    report("textbook file", QString::number(QFileInfo(bookpath).size() / 1024) + " KiB");
    report("user file", QString::number(QFileInfo(userpath).size() / 1024) + " KiB");
    report("peak memory", QString::number(peakbytes() >> 20) + " MiB");
    return 0;
}
