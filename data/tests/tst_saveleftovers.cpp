#include "saveleftovers.h"
#include "writefile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

// What an interrupted save left beside a file goes at the next save.
class tst_saveleftovers : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void nextsave_data();
    void nextsave();
    void heldlock();
    void nolockmade();

private:
    bool plant(const QString &name);
    QScopedPointer<QTemporaryDir> dir;
};

void tst_saveleftovers::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), "no temporary folder");
}

bool tst_saveleftovers::plant(const QString &name)
{
    // A lock names its process and host: here a process that cannot exist.
    const QByteArray bytes = "4194305\ntst\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    QFile file(dir->filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void tst_saveleftovers::nextsave_data()
{
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("removed");
    QTest::newRow("temporary") << "tom.zbu.aB3xYz" << true;
    QTest::newRow("stale lock") << "tom.zbu.lock" << true;
    QTest::newRow("other file's temporary") << "ann.zbu.aB3xYz" << false;
    QTest::newRow("longer suffix") << "tom.zbu.aB3xYz1" << false;
    QTest::newRow("not a temporary") << "tom.zbu.a-3xYz" << false;
    QTest::newRow("other kind") << "tom.ini.aB3xYz" << false;
}

void tst_saveleftovers::nextsave()
{
    QFETCH(QString, planted);
    QFETCH(bool, removed);
    QVERIFY2(plant(planted), "could not plant the leftover");
    QVERIFY2(writefile(dir->filePath("tom.zbu"), [](QDataStream &out) { out << quint32(1); }), "the save failed");
    QVERIFY2(QFile::exists(dir->filePath(planted)) != removed,
             removed ? "a leftover of the save stayed" : "a file that is no leftover was removed");
    QVERIFY2(QFile::exists(dir->filePath("tom.zbu")), "the saved file is missing");
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

// Looking for a stale lock makes no file: a kill meanwhile would leave it.
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
