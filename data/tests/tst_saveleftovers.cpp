#include "saveleftovers.h"
#include "writefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

// A save replaces its file through a temporary of its own; only such
// temporaries, and only once their writer has ended, are ever removed.
class tst_saveleftovers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void usercopies_data();
    void usercopies();
    void temporaries_data();
    void temporaries();
    void killedwriter_data();
    void killedwriter();
    void failedwrite();
    void heldlock();
    void nolockmade();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    bool plant(const QString &name, const QByteArray &bytes);
    QByteArray readall(const QString &name) const;
    // The hidden files beside the file name that a save left.
    QStringList hidden(const QString &name) const;
    QScopedPointer<QTemporaryDir> dir;
};

// When the process started, in clock ticks since boot (its stat file, field 22).
static QByteArray starttime(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ').value(19);
}

static QString host(const QString &name)
{
    return QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
}

void tst_saveleftovers::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), "no temporary folder");
}

bool tst_saveleftovers::plant(const QString &name, const QByteArray &bytes)
{
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray tst_saveleftovers::readall(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList tst_saveleftovers::hidden(const QString &name) const
{
    return QDir(dir->path()).entryList({"." + name + "*"}, QDir::Files | QDir::Hidden);
}

void tst_saveleftovers::usercopies_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("copy");
    for (const char *file : {"book.pro", "_words_.txt", "tom.zbu", "tom.ini"}) {
        for (const char *suffix : {"backup", "old001", "copy12", "aB3xYz", "lock"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(file, suffix))) << file << file + QStringLiteral(".") + suffix;
    }
}

// A user's own copies beside a file stay through its save and a clean-up.
void tst_saveleftovers::usercopies()
{
    QFETCH(QString, file);
    QFETCH(QString, copy);
    QVERIFY2(plant(file, "old") && plant(copy, "the user's copy"), "could not plant the files");
    QVERIFY2(writefile(path(file), [](QDataStream &out) { out << quint32(1); }), "the save failed");
    removesaveleftovers(path(file));
    QVERIFY2(readall(copy) == "the user's copy", qPrintable(copy + " did not stay as it was"));
    QVERIFY2(readall(file) == QByteArray("\0\0\0\1", 4), "the file was not saved");
    QVERIFY2(hidden(file).isEmpty(), qPrintable("the save left " + hidden(file).join(' ')));
}

void tst_saveleftovers::temporaries_data()
{
    const QString here = host(QSysInfo::machineHostName());
    const QString pid = QString::number(getpid());
    const QString start = QString::fromLatin1(starttime(getpid()));
    // pid_max is at most 2^22: no process has the next id.
    const QString none = QString::number((1 << 22) + 1);
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("writer ended") << ".tom.zbu.saving-" + here + "-" + none + "-1234-0" << true;
    QTest::newRow("id taken by another process") << ".tom.zbu.saving-" + here + "-" + pid + "-" + start + "1-3" << true;
    QTest::newRow("lock of an ended writer") << ".tom.ini.saving-" + here + "-" + none + "-1234-0.lock" << true;
    QTest::newRow("temporary of an ended writer's") << ".tom.ini.saving-" + here + "-" + none + "-1234-0.Ab12Cd" << true;
    QTest::newRow("writer running") << ".tom.zbu.saving-" + here + "-" + pid + "-" + start + "-7" << false;
    QTest::newRow("writer on another host") << ".tom.zbu.saving-" + host("elsewhere") + "-" + none + "-1234-0" << false;
    QTest::newRow("another file's") << ".tom.zbuu.saving-" + here + "-" + none + "-1234-0" << false;
    QTest::newRow("no writer named") << ".tom.zbu.saving-" + here + "-" + none + "-0" << false;
    QTest::newRow("not hidden") << "tom.zbu.saving-" + here + "-" + none + "-1234-0" << false;
}

// Temporaries named after an ended writer go; any other name stays.
void tst_saveleftovers::temporaries()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QVERIFY2(!starttime(getpid()).isEmpty(), "no process table to read");
    QVERIFY2(plant("tom.zbu", "old") && plant(name, "left"), "could not plant the files");
    removesaveleftovers(path(name.contains("ini") ? "tom.ini" : "tom.zbu"));
    QVERIFY2(QFile::exists(path(name)) != removed, removed ? "a temporary of an ended save stayed" : "a file that no ended save left was removed");
    QVERIFY2(readall("tom.zbu") == "old", "the file itself changed");
}

void tst_saveleftovers::killedwriter_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"book.pro", "_words_.txt", "tom.zbu", "tom.ini"})
        QTest::newRow(file) << file;
}

// A writer killed in the middle of a save leaves the file as it was, and a
// temporary that stays while the writer runs and goes once it has ended.
void tst_saveleftovers::killedwriter()
{
    QFETCH(QString, file);
    QVERIFY2(plant(file, "old") && plant(file + ".backup", "copy"), "could not plant the files");
    int signal[2];
    QVERIFY(pipe(signal) == 0);
    const pid_t writer = fork();
    QVERIFY2(writer >= 0, "no process for the writer");
    if (writer == 0) {
        // The writer tells it is writing and waits to be killed.
        close(signal[0]);
        writefile(path(file), [&](QDataStream &out) {
            out << quint32(2);
            (void)::write(signal[1], "w", 1);
            for (;;)
                pause();
        });
        _exit(1);
    }
    close(signal[1]);
    pollfd ready = {signal[0], POLLIN, 0};
    char byte = 0;
    const bool writing = poll(&ready, 1, 20000) == 1 && read(signal[0], &byte, 1) == 1;
    close(signal[0]);
    const QStringList during = hidden(file);
    removesaveleftovers(path(file));
    const QStringList afterlive = hidden(file);
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    QVERIFY2(writing, "the writer did not start writing");
    QVERIFY2(during.size() == 1, qPrintable("not one temporary while writing: " + during.join(' ')));
    QVERIFY2(afterlive == during, "the temporary of a running writer was removed");
    QVERIFY2(readall(file) == "old", "the file changed before the save was over");
    QVERIFY2(hidden(file) == during, "the kill took the temporary");
    removesaveleftovers(path(file));
    QVERIFY2(hidden(file).isEmpty(), "the temporary of the killed writer stayed");
    QVERIFY2(readall(file) == "old" && readall(file + ".backup") == "copy", "the clean-up touched the files");
}

// A write that fails leaves the file as it was and nothing beside it.
void tst_saveleftovers::failedwrite()
{
    QVERIFY(plant("tom.zbu", "old"));
    QVERIFY2(!writefile(path("tom.zbu"), [](QDataStream &out) { out.setStatus(QDataStream::WriteFailed); }),
             "a failed write was reported saved");
    QVERIFY2(readall("tom.zbu") == "old", "a failed write changed the file");
    QVERIFY2(hidden("tom.zbu").isEmpty(), "a failed write left its temporary");
}

// A lock a live process holds stays.
void tst_saveleftovers::heldlock()
{
    const QString path = dir->filePath("tom.ini");
    QLockFile held(path + ".lock");
    QVERIFY(held.tryLock(0));
    removesaveleftovers(path);
    QVERIFY2(QFile::exists(path + ".lock"), "a held lock was removed");
}

// Looking for leftovers makes no file: a kill meanwhile would leave it.
void tst_saveleftovers::nolockmade()
{
    const int watch = inotify_init1(IN_NONBLOCK);
    QVERIFY2(watch >= 0, "no file system watch");
    QVERIFY2(inotify_add_watch(watch, QFile::encodeName(dir->path()).constData(), IN_CREATE) >= 0,
             "the folder cannot be watched");
    removesaveleftovers(dir->filePath("tom.ini"));
    // The kernel queues the events as the calls happen: nothing to wait for.
    char events[4096];
    const ssize_t bytes = read(watch, events, sizeof events);
    close(watch);
    QVERIFY2(bytes < 0, "a file was made beside the one to save");
}

QTEST_GUILESS_MAIN(tst_saveleftovers)
#include "tst_saveleftovers.moc"
