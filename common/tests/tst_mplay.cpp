#include "checkreturn.h"
#include "mplay.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <phonon/mediaobject.h>

#include <memory>

namespace {
// Generous bounds for a sound to reach its end; they only keep a broken run from hanging.
const int endwait = 15000;

Phonon::MediaObject *backend(const MPlay &player)
{
    return player.findChild<Phonon::MediaObject *>();
}

// The back end's finished() signals, counted from now on.
bool watchends(const MPlay &player, std::unique_ptr<QSignalSpy> &ends)
{
    Phonon::MediaObject *media = backend(player);
    QVERIFY_RETURN(media, "the player has no media object to watch");
    ends = std::make_unique<QSignalSpy>(media, &Phonon::MediaObject::finished);
    return true;
}

// Waits until the back end has finished count sounds and come to rest: after
// that it sends nothing more about them.
bool atrest(const MPlay &player, const QSignalSpy &ends, int count)
{
    const Phonon::MediaObject *media = backend(player);
    const bool rested = QTest::qWaitFor(
        [&] { return ends.count() >= count && media->state() == Phonon::StoppedState; }, endwait);
    QVERIFY_RETURN(rested, qPrintable(QString("the back end did not come to rest: state %1 after %2 of %3 ends")
                                          .arg(media->state()).arg(ends.count()).arg(count)));
    return true;
}

bool playing(const MPlay &player)
{
    const Phonon::MediaObject *media = backend(player);
    QVERIFY_RETURN(QTest::qWaitFor([&] { return media->state() == Phonon::PlayingState; }, endwait),
                   "the sound did not start playing");
    return true;
}
} // namespace

class tst_MPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void playstoend_data();
    void playstoend();
    void twosounds();
    void replayfromhandler();
    void stopreportsnothing();
    void outofrange_data();
    void outofrange();
    void clearduringplayback();
    void brokensound_data();
    void brokensound();
    void playfile();
    void backendatfirstsound();
    void quickreplace_data();
    void quickreplace();

private:
    QString makemp3(const QString &name, double seconds, int frequency);
    QByteArray bytes(const QString &path);

    QTemporaryDir *dir = nullptr;
    QString shortsound;
    QString longsound;
};

void tst_MPlay::init()
{
    dir = new QTemporaryDir;
    QVERIFY2(dir->isValid(), "the temporary folder could not be made");
    shortsound = makemp3("short", 0.4, 440);
    longsound = makemp3("long", 1.5, 660);
}

void tst_MPlay::cleanup()
{
    delete dir;
}

QString tst_MPlay::makemp3(const QString &name, double seconds, int frequency)
{
    const QString wav = dir->filePath(name + ".wav");
    const QString mp3 = dir->filePath(name + ".mp3");
    const int sox = QProcess::execute("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", wav, "synth",
                                              QString::number(seconds), "sine", QString::number(frequency)});
    const int lame = QProcess::execute("lame", {"--quiet", wav, mp3});
    if (sox != 0 || lame != 0 || !QFile::exists(mp3))
        qFatal("sox and lame are needed to make test sounds");
    return mp3;
}

QByteArray tst_MPlay::bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void tst_MPlay::playstoend_data()
{
    QTest::addColumn<int>("before");
    QTest::newRow("only sound") << 0;
    QTest::newRow("list replaced") << 3;
}

void tst_MPlay::playstoend()
{
    QFETCH(int, before);
    MPlay player;
    for (int k = 0; k < before; ++k)
        player.addsound(bytes(longsound));
    player.clearsounds();
    player.addsound(bytes(shortsound));
    QVERIFY2(player.soundcount() == 1, "clearsounds did not empty the list");
    QSignalSpy stopped(&player, &MPlay::playstopped);
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    player.playindex(0);
    QVERIFY2(stopped.wait(endwait), "a sound that played to its end did not report it");
    QVERIFY(atrest(player, *ends, 1));
    QVERIFY2(stopped.count() == 1, qPrintable(QString("reported %1 times").arg(stopped.count())));
}

void tst_MPlay::twosounds()
{
    MPlay player;
    player.addsound(bytes(shortsound));
    player.addsound(bytes(longsound));
    QSignalSpy stopped(&player, &MPlay::playstopped);
    for (int i : {1, 0, 0}) {
        const int before = stopped.count();
        player.playindex(i);
        QVERIFY2(stopped.wait(endwait), qPrintable(QString("sound %1 did not report its end").arg(i)));
        QVERIFY2(stopped.count() == before + 1,
                 qPrintable(QString("sound %1 reported %2 times").arg(i).arg(stopped.count() - before)));
    }
}

void tst_MPlay::replayfromhandler()
{
    MPlay player;
    player.addsound(bytes(shortsound));
    int reports = 0;
    connect(&player, &MPlay::playstopped, &player, [&] {
        if (++reports < 3)
            player.playindex(0);
    });
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    player.playindex(0);
    QTRY_VERIFY2_WITH_TIMEOUT(reports == 3, "a replay from the end handler did not play again", 3 * endwait);
    QVERIFY(atrest(player, *ends, 3));
    QVERIFY2(reports == 3, qPrintable(QString("three sounds gave %1 reports").arg(reports)));
}

void tst_MPlay::stopreportsnothing()
{
    // Long enough that a busy machine cannot let it end between its start and the stop.
    const double seconds = 2;
    MPlay player;
    player.addsound(bytes(makemp3("stopped", seconds, 550)));
    QSignalSpy stopped(&player, &MPlay::playstopped);
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    player.playindex(0);
    QVERIFY(playing(player));
    player.stop();
    QVERIFY(atrest(player, *ends, 0));
    QVERIFY2(stopped.isEmpty(), "stop emitted playstopped");
    player.stop();
    QVERIFY2(stopped.isEmpty(), "stop without a sound emitted playstopped");
    player.playindex(0);
    QVERIFY2(stopped.wait(endwait), "the sound did not play again after stop");
}

void tst_MPlay::outofrange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 1;
    QTest::newRow("far") << 1000;
}

void tst_MPlay::outofrange()
{
    QFETCH(int, index);
    MPlay player;
    QSignalSpy stopped(&player, &MPlay::playstopped);
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    player.playindex(0);
    player.addsound(bytes(shortsound));
    player.playindex(0);
    player.playindex(index);
    QVERIFY2(stopped.wait(endwait), "the sound already playing did not go on to its end");
    QVERIFY(atrest(player, *ends, 1));
    QVERIFY2(stopped.count() == 1, "the ignored index played something");
}

void tst_MPlay::clearduringplayback()
{
    MPlay player;
    player.addsound(bytes(shortsound));
    QSignalSpy stopped(&player, &MPlay::playstopped);
    player.playindex(0);
    player.clearsounds();
    QVERIFY2(player.soundcount() == 0, "the list is not empty");
    QVERIFY2(stopped.wait(endwait), "the sound playing was interrupted");
}

void tst_MPlay::brokensound_data()
{
    QTest::addColumn<QByteArray>("sound");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is no sound at all");
    QTest::newRow("noise") << QByteArray(4096, char(0x5A));
}

void tst_MPlay::brokensound()
{
    QFETCH(QByteArray, sound);
    MPlay player;
    player.addsound(sound);
    player.addsound(bytes(shortsound));
    QSignalSpy stopped(&player, &MPlay::playstopped);
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    player.playindex(0);
    QVERIFY(atrest(player, *ends, 1));
    QVERIFY2(stopped.isEmpty(), "a sound that cannot play reported an end");
    player.playindex(1);
    QVERIFY2(stopped.wait(endwait), "a good sound did not play after a broken one");
}

void tst_MPlay::playfile()
{
    MPlay player;
    QSignalSpy stopped(&player, &MPlay::playstopped);
    player.playfile(shortsound);
    QVERIFY2(stopped.wait(endwait), "a file did not play to its end");
    QVERIFY2(player.soundcount() == 0, "playing a file changed the list");
}

// A window that owns a player starts without the sound back end.
void tst_MPlay::backendatfirstsound()
{
    MPlay player;
    player.addsound(bytes(shortsound));
    player.stop();
    QTest::qWait(0);
    const Phonon::MediaObject *media = backend(player);
    QVERIFY2(!media || media->outputPaths().isEmpty(), "the player opened an audio output before any sound");
    QSignalSpy stopped(&player, &MPlay::playstopped);
    player.playindex(0);
    QVERIFY2(backend(player) && !backend(player)->outputPaths().isEmpty(),
             "the first sound opened no audio output");
    QVERIFY2(stopped.wait(endwait), "the first sound did not play to its end");
}

void tst_MPlay::quickreplace_data()
{
    QTest::addColumn<bool>("stopfirst");
    QTest::newRow("replaced") << false;
    QTest::newRow("stopped and replaced") << true;
}

// A sound replaced or stopped while it is still being started, again and
// again, must neither hang the program nor leave the player unable to play.
void tst_MPlay::quickreplace()
{
    QFETCH(bool, stopfirst);
    // Sounds long enough that none ends within the loop.
    const double seconds = 6;
    MPlay player;
    player.addsound(bytes(makemp3("first", seconds, 330)));
    player.addsound(bytes(makemp3("second", seconds, 550)));
    QSignalSpy stopped(&player, &MPlay::playstopped);
    QSignalSpy changes(backend(player), &Phonon::MediaObject::stateChanged);
    std::unique_ptr<QSignalSpy> ends;
    QVERIFY(watchends(player, ends));
    // Gaps from none at all to an event loop pass or the back end's next
    // change of state, waited for a few milliseconds at most.
    const auto pause = [&changes](int k) {
        if (k % 3 == 1)
            QCoreApplication::processEvents();
        else if (k % 3 == 2)
            changes.wait(k % 11);
    };
    for (int k = 0; k < 100; ++k) {
        player.playindex(k % 2);
        pause(k);
        if (stopfirst)
            player.stop();
        pause(k / 3);
        player.playindex((k + 1) % 2);
        pause(k / 9);
    }
    player.stop();
    QVERIFY(atrest(player, *ends, 0));
    QVERIFY2(stopped.isEmpty(), qPrintable(QString("replaced sounds reported %1 times").arg(stopped.count())));
    player.clearsounds();
    player.addsound(bytes(shortsound));
    const int before = ends->count();
    player.playindex(0);
    QVERIFY2(stopped.wait(endwait), "a sound did not play to its end afterwards");
    QVERIFY(atrest(player, *ends, before + 1));
    QVERIFY2(stopped.count() == 1,
             qPrintable(QString("the sound afterwards reported %1 times").arg(stopped.count())));
}

QTEST_MAIN(tst_MPlay)
#include "tst_mplay.moc"
