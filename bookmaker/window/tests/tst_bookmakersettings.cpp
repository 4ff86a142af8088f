#include "bookmakerfiles.h"
#include "checkreturn.h"
#include "lameencoder.h"
#include "widget.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using bookmakerfiles::settingspath;

namespace {

const QString MaterialKey = QStringLiteral("位置/素材");
const QString LastFolderKey = QStringLiteral("位置/缺省");
const QString LameKey = QStringLiteral("pos/lame");

// Runs the probe on the settings file: writes the pairs, then returns what it reads.
QMap<QString, QString> probe(const QStringList &pairs = {})
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/settingsprobe"),
                  QStringList{settingspath()} + pairs);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {{QStringLiteral("failed"), QString::fromUtf8(process.readAllStandardError())}};
    QMap<QString, QString> read;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const int split = line.indexOf('=');
        read.insert(line.left(split), line.mid(split + 1));
    }
    return read;
}

bool makeprogram(const QString &path, bool executable)
{
    QFile file(path);
    QVERIFY_RETURN(file.open(QIODevice::WriteOnly), qPrintable("could not write " + path));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QVERIFY_RETURN(file.setPermissions(permissions), qPrintable("could not set the permissions of " + path));
    return true;
}

} // namespace

class tst_BookmakerSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firststart();
    void writtenAtExitOnly();
    void chineseFoldersBothWays_data();
    void chineseFoldersBothWays();
    void storedEncoderWins();
    void damagedFile();
    void standardEncoder();
    void encoderInFolder_data();
    void encoderInFolder();

private:
    QLabel *material() const { return window->findChild<QLabel *>(QStringLiteral("label_sucaiweizhi")); }

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_BookmakerSettings::init()
{
    dir.reset(new QTemporaryDir);
    QFile::remove(settingspath());
}

void tst_BookmakerSettings::cleanup()
{
    window.reset();
    QFile::remove(settingspath());
}

// No settings file: home folders and the system's lame; all three keys on exit.
void tst_BookmakerSettings::firststart()
{
    window.reset(new Widget);
    QCOMPARE(material()->text(), QDir::homePath());
    QVERIFY2(!QFile::exists(settingspath()), "settings written while running");
    window.reset();

    const QMap<QString, QString> read = probe();
    QCOMPARE(read.keys(), (QStringList{LameKey, MaterialKey, LastFolderKey}));
    QCOMPARE(read.value(MaterialKey), QDir::homePath());
    QCOMPARE(read.value(LastFolderKey), QDir::homePath());
    QCOMPARE(read.value(LameKey), lameencoder::standard());
    QVERIFY2(!read.value(LameKey).isEmpty(), "no lame on this machine");
}

void tst_BookmakerSettings::writtenAtExitOnly()
{
    bookmakerfiles::setmaterial(dir->path());
    window.reset(new Widget);
    QFile::remove(settingspath());
    material()->setText(dir->filePath(QStringLiteral("elsewhere")));
    // A settings object writes its changes from a posted event.
    QCoreApplication::processEvents();
    QVERIFY2(!QFile::exists(settingspath()), "settings written while running");
    window.reset();
    QCOMPARE(probe().value(MaterialKey), dir->filePath(QStringLiteral("elsewhere")));
}

void tst_BookmakerSettings::chineseFoldersBothWays_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("chinese") << QStringLiteral("素材/第一册");
    QTest::newRow("blanks and latin-1") << QStringLiteral("my books/Müller");
    QTest::newRow("ini syntax") << QStringLiteral("a=b;c,d[e]");
}

// Folders another program wrote come up in the window; what the window writes
// another program reads back unchanged, under the Chinese keys.
void tst_BookmakerSettings::chineseFoldersBothWays()
{
    QFETCH(QString, folder);
    const QString materialpath = dir->filePath(folder);
    const QString lastpath = dir->filePath(folder + QStringLiteral("/图片"));
    const QString lame = dir->filePath(QStringLiteral("工具/lame"));
    const QMap<QString, QString> written = probe({QStringLiteral("/位置/素材=") + materialpath,
                                                  QStringLiteral("/位置/缺省=") + lastpath,
                                                  QStringLiteral("/pos/lame=") + lame});
    QCOMPARE(written.value(MaterialKey), materialpath);

    window.reset(new Widget);
    QCOMPARE(material()->text(), materialpath);
    window.reset();

    const QMap<QString, QString> read = probe();
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.value(MaterialKey), materialpath);
    QCOMPARE(read.value(LastFolderKey), lastpath);
    QCOMPARE(read.value(LameKey), lame);
}

// A stored encoder path is kept, also when it is empty.
void tst_BookmakerSettings::storedEncoderWins()
{
    bookmakerfiles::writesettings({{QStringLiteral("/位置/素材"), dir->path()}, {QStringLiteral("/pos/lame"), QString()}});
    window.reset(new Widget);
    window.reset();
    QCOMPARE(probe().value(LameKey, QStringLiteral("missing")), QString());
}

// A settings file of arbitrary bytes gives the defaults and is written anew at exit.
void tst_BookmakerSettings::damagedFile()
{
    QFile file(settingspath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 131 + 7) % 256));
    file.write("[\xe4\xbd\x8d\n=%U4F4D%U\n" + bytes);
    file.close();

    window.reset(new Widget);
    QCOMPARE(material()->text(), QDir::homePath());
    window.reset();
    const QMap<QString, QString> read = probe();
    QCOMPARE(read.value(MaterialKey), QDir::homePath());
    QCOMPARE(read.value(LastFolderKey), QDir::homePath());
}

// The system's lame: the first executable named lame on the PATH, else /usr/bin/lame.
void tst_BookmakerSettings::standardEncoder()
{
    const QByteArray path = qgetenv("PATH");
    QVERIFY(makeprogram(dir->filePath(QStringLiteral("lame")), true));
    QDir(dir->path()).mkdir(QStringLiteral("empty"));
    qputenv("PATH", QFile::encodeName(dir->path()) + ':' + path);
    const QString first = lameencoder::standard();
    qputenv("PATH", QFile::encodeName(dir->filePath(QStringLiteral("empty"))));
    const QString fallback = lameencoder::standard();
    qputenv("PATH", path);
    QCOMPARE(first, dir->filePath(QStringLiteral("lame")));
    QCOMPARE(fallback, QStringLiteral("/usr/bin/lame"));
}

void tst_BookmakerSettings::encoderInFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("found");

    QTest::newRow("lame") << "lame" << true << true;
    QTest::newRow("not executable") << "lame" << false << false;
    QTest::newRow("windows name") << "lame.exe" << true << false;
    QTest::newRow("other program") << "sox" << true << false;
    QTest::newRow("folder named lame") << "lame/" << true << false;
}

void tst_BookmakerSettings::encoderInFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    QFETCH(bool, found);
    if (name.endsWith('/'))
        QVERIFY(QDir(dir->path()).mkdir(name));
    else
        QVERIFY(makeprogram(dir->filePath(name), executable));
    const QString expected = found ? dir->filePath(QStringLiteral("lame")) : QString();
    QCOMPARE(lameencoder::infolder(dir->path()), expected);
}

QTEST_MAIN(tst_BookmakerSettings)
#include "tst_bookmakersettings.moc"
