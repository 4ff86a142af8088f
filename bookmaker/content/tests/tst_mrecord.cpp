#include "mp3file.h"
#include "mrecord.h"
#include "mythread.h"
#include "soundcheck.h"

#include <QAudioDeviceInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Recording from the private sound server's null source into the raw file,
// encoding it with the real encoder, and the refusals.
class tst_mrecord : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void heldlength();
    void recordandencode();
    void diskfull();
    void idle();
    void emptiedatstart();
    void unwritableraw();
    void nodevice();
    void abortdrops();
    void emptycapture();
    void encoderfails();
    void encoderkilled();
    void encoderoutput();
    void mp3check_data();
    void mp3check();

private:
    // Records until ms milliseconds are captured.
    bool record(MRecord &recorder, const QString &target, int ms);
    // Runs the encoder to its end; whether it succeeded.
    static bool encode(MyThread &encoder, const QString &program, const QStringList &args);
    QScopedPointer<QTemporaryDir> dir;
};

void tst_mrecord::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), "no temporary folder");
    QVERIFY2(!QAudioDeviceInfo::defaultInputDevice().isNull(), "no input device: is the sound server running?");
}

bool tst_mrecord::encode(MyThread &encoder, const QString &program, const QStringList &args)
{
    encoder.setcmd(program, args);
    QSignalSpy ended(&encoder, &MyThread::ended);
    if (!encoder.start())
        return false;
    const bool succeeded = encoder.wait();
    return ended.count() == 1 && ended.at(0).at(0).toBool() == succeeded && succeeded && !encoder.running();
}

bool tst_mrecord::record(MRecord &recorder, const QString &target, int ms)
{
    if (!recorder.start(target))
        return false;
    const bool enough = QTest::qWaitFor([&] { return recorder.capturedms() >= ms; }, 10000);
    return recorder.stop() && enough;
}

void tst_mrecord::recordandencode()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("temp.raw"));
    QCOMPARE(recorder.path(), dir->filePath("temp.raw"));
    const QString target = dir->filePath("w1.mp3");
    // The null source hands a new stream the silence of its idle time first:
    // one short capture takes it.
    QVERIFY2(record(recorder, target, 300), qPrintable(recorder.error()));
    QVERIFY2(recorder.start(target), qPrintable(recorder.error()));
    QCOMPARE(recorder.name(), target);
    QTRY_VERIFY2_WITH_TIMEOUT(recorder.capturedms() >= 1500, "the recorder captured too little", 10000);
    const double captured = recorder.capturedms() / 1000.0;
    QVERIFY2(recorder.stop(), qPrintable(recorder.error()));
    QVERIFY2(recorder.name().isEmpty(), "still recording after stop");
    const qint64 raw = QFileInfo(recorder.path()).size();
    QVERIFY2(raw > 0, "nothing captured");

    const QStringList args = recorder.encoderargs(target);
    QCOMPARE(args.mid(args.size() - 2), QStringList() << recorder.path() << target);
    MyThread encoder;
    QVERIFY2(encode(encoder, QStringLiteral("lame"), args), "the encoder failed");
    // Arguments that do not match the captured rate or channels stretch or
    // squeeze the sound by a factor of two or more.
    const double seconds = soundcheck::seconds(target);
    QVERIFY2(seconds > 0.6 * captured && seconds < 1.4 * captured,
             qPrintable(QString("the MP3 lasts %1 s after %2 s of recording").arg(seconds).arg(captured)));
    QVERIFY2(QFile::exists(recorder.path()), "the raw file is gone after encoding");
}

// A capture held for 2 s decodes to 2 s, whatever the source had queued
// before the start.
void tst_mrecord::heldlength()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("temp.raw"));
    const QString target = dir->filePath("w1.mp3");
    QElapsedTimer held;
    QVERIFY2(recorder.start(target), qPrintable(recorder.error()));
    held.start();
    QTRY_VERIFY_WITH_TIMEOUT(held.elapsed() >= 2000, 5000);
    QVERIFY2(recorder.stop(), qPrintable(recorder.error()));
    MyThread encoder;
    QVERIFY2(encode(encoder, QStringLiteral("lame"), recorder.encoderargs(target)), "the encoder failed");
    const double seconds = soundcheck::seconds(target);
    QVERIFY2(qAbs(seconds - 2.0) <= 0.3, qPrintable(QString("a 2 s capture lasts %1 s").arg(seconds)));
}

// A raw file on a full device: the capture says it could not be written.
void tst_mrecord::diskfull()
{
    MRecord recorder;
    const QString raw = dir->filePath("temp.raw");
    QVERIFY(QFile::link("/dev/full", raw));
    recorder.setpath(raw);
    QVERIFY2(recorder.start(dir->filePath("w1.mp3")), qPrintable(recorder.error()));
    QTRY_VERIFY2(recorder.capturedms() > 500, "no samples were captured");
    QVERIFY2(!recorder.stop(), "a capture on a full disk was offered for encoding");
    QCOMPARE(recorder.error(), QString::fromUtf8("无法写入录音文件") + raw);
}

void tst_mrecord::idle()
{
    MRecord recorder;
    QVERIFY2(recorder.path().endsWith("temp.raw"), qPrintable("wrong default raw file " + recorder.path()));
    QVERIFY2(!recorder.stop(), "an idle recorder stopped");
    recorder.abort();
    QVERIFY(recorder.name().isEmpty());
}

void tst_mrecord::emptiedatstart()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("temp.raw"));
    QFile old(recorder.path());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x'));
    old.close();
    QVERIFY2(recorder.start(dir->filePath("w1.mp3")), qPrintable(recorder.error()));
    const qint64 atstart = QFileInfo(recorder.path()).size();
    QVERIFY2(atstart < (1 << 20), "the old capture was kept");
    recorder.abort();
    QVERIFY2(recorder.name().isEmpty(), "the aborted recorder still records");
}

void tst_mrecord::unwritableraw()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("no/such/folder/temp.raw"));
    QVERIFY2(!recorder.start(dir->filePath("w1.mp3")), "recording started without a raw file");
    QVERIFY2(recorder.error().startsWith(QString::fromUtf8("无法写入录音文件")), qPrintable(recorder.error()));
    QVERIFY2(recorder.name().isEmpty(), "a refused start left the recorder recording");
}

void tst_mrecord::nodevice()
{
    // Without the sound server there is no input device. Pulse clients read
    // the server address when they connect, so a child process is needed:
    // this test program itself, run with the bare refusal check.
    if (qEnvironmentVariableIsSet("MRECORD_NODEVICE"))
        return;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MRECORD_NODEVICE", "1");
    env.insert("PULSE_SERVER", "unix:" + dir->filePath("nosuchserver"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList() << "-nodevice");
    QVERIFY2(child.waitForFinished(60000), "the child did not end");
    const QByteArray out = child.readAllStandardOutput();
    QVERIFY2(out.contains("REFUSED:"), qPrintable("the child was not refused: " + out));
    QVERIFY2(out.contains(QString::fromUtf8("没有可以录音的设备").toUtf8()), qPrintable("wrong refusal: " + out));
}

void tst_mrecord::abortdrops()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("temp.raw"));
    QVERIFY(recorder.start(dir->filePath("w1.mp3")));
    QTRY_VERIFY2(recorder.capturedms() >= 300, "the recorder captured too little");
    recorder.abort();
    QVERIFY2(recorder.name().isEmpty(), "abort left the recorder recording");
    QVERIFY2(!recorder.stop(), "stop after abort reported a capture");
    QVERIFY2(!QFile::exists(dir->filePath("w1.mp3")), "an aborted capture became an MP3");
}

// Stopped before the event loop delivered any samples: nothing to encode.
void tst_mrecord::emptycapture()
{
    MRecord recorder;
    recorder.setpath(dir->filePath("temp.raw"));
    QVERIFY2(recorder.start(dir->filePath("w1.mp3")), qPrintable(recorder.error()));
    QVERIFY2(!recorder.stop(), "an empty capture was offered for encoding");
    QCOMPARE(recorder.error(), QString::fromUtf8("没有录到声音"));
    QCOMPARE(QFileInfo(recorder.path()).size(), qint64(0));
}

void tst_mrecord::encoderfails()
{
    MyThread encoder;
    QVERIFY2(!encode(encoder, QStringLiteral("lame"), QStringList() << "-r" << dir->filePath("missing.raw") << dir->filePath("x.mp3")),
             "a failing encoder reported success");
    QVERIFY2(!encode(encoder, dir->filePath("no-such-encoder"), QStringList()), "a missing encoder reported success");
    QVERIFY2(!encoder.running(), "a missing encoder still runs");
}

void tst_mrecord::encoderkilled()
{
    // An encoder that never ends is killed after the time-out; one that
    // waits for its input ends because the input is closed.
    MyThread hanging;
    hanging.settimeout(300);
    QElapsedTimer waited;
    waited.start();
    QVERIFY2(!encode(hanging, QStringLiteral("sleep"), QStringList() << "600"), "a hanging encoder reported success");
    QVERIFY2(waited.elapsed() < 60000, "the hanging encoder was not killed at its time-out");

    MyThread reader;
    QVERIFY2(encode(reader, QStringLiteral("cat"), QStringList()), "an encoder reading its input was not given its end");
}

// The encoder's own output file lasts from its making to the end of the
// run's ended() handlers.
void tst_mrecord::encoderoutput()
{
    MyThread encoder;
    const QString output = encoder.makeoutput();
    QVERIFY2(QFileInfo(output).isFile(), qPrintable("no output file made: " + output));
    QCOMPARE(encoder.output(), output);
    QByteArray seen;
    connect(&encoder, &MyThread::ended, this, [&] {
        QFile file(encoder.output());
        if (file.open(QIODevice::ReadOnly))
            seen = file.readAll();
    });
    QVERIFY2(encode(encoder, QStringLiteral("sh"), QStringList() << "-c" << "printf encoded > \"$0\"" << output),
             "the encoder failed");
    QCOMPARE(seen, QByteArray("encoded"));
    QVERIFY2(!QFile::exists(output), "the encoder's output was left behind");
    QVERIFY2(encoder.output().isEmpty(), "an output is still named after the run");

    const QString second = encoder.makeoutput();
    QString third;
    {
        MyThread gone;
        third = gone.makeoutput();
        QVERIFY(QFile::exists(third));
        gone.setcmd(QStringLiteral("sleep"), QStringList() << "600");
        QVERIFY(gone.start());
        QVERIFY2(!gone.start(), "a second run started while the first runs");
    }
    QVERIFY2(!QFile::exists(third), "the output of an encoder gone while running was left behind");
    QVERIFY2(QFile::exists(second), "another encoder's output went");
}

void tst_mrecord::mp3check_data()
{
    QTest::addColumn<QString>("encoded");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("valid");
    const QByteArray sync("\xFF\xFB\x90\x64", 4);
    const QByteArray id3("ID3\x03\x00\x00\x00\x00\x00\x00", 10);
    QTest::newRow("lame") << "tone" << QByteArray() << QByteArray() << 0 << true;
    QTest::newRow("lame, empty raw file") << "silence" << QByteArray() << QByteArray() << 0 << true;
    QTest::newRow("lame, ID3v2 and ID3v1 tags") << "tagged" << QByteArray() << QByteArray() << 0 << true;
    QTest::newRow("frame sync, noise") << "" << sync + soundcheck::noise(102400) << QByteArray() << 0 << false;
    QTest::newRow("ID3v2 header, frame sync, noise") << "" << id3 + sync + soundcheck::noise(102400) << QByteArray() << 0 << false;
    QTest::newRow("lame, noise") << "tone" << QByteArray() << soundcheck::noise(5000) << 0 << false;
    QTest::newRow("lame, cut short") << "tone" << QByteArray() << QByteArray() << 100 << false;
    QTest::newRow("lame, frame sync") << "tone" << QByteArray() << sync << 0 << false;
    QTest::newRow("noise, lame") << "tone" << soundcheck::noise(417) << QByteArray() << 0 << false;
    QTest::newRow("ID3v2 header alone") << "" << id3 << QByteArray() << 0 << false;
    QTest::newRow("nothing") << "" << QByteArray() << QByteArray() << 0 << false;
}

// An MP3 is frames following one another from start to end.
void tst_mrecord::mp3check()
{
    QFETCH(QString, encoded);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, cut);
    QFETCH(bool, valid);
    QByteArray lame;
    if (!encoded.isEmpty()) {
        const QString mp3 = dir->filePath("lame.mp3");
        const QString wav = dir->filePath("tone.wav");
        const QString raw = dir->filePath("empty.raw");
        QVERIFY(QProcess::execute("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", wav, "synth", "1", "sine", "440"}) == 0);
        QVERIFY(QFile(raw).open(QIODevice::WriteOnly));
        const QStringList args = encoded == "silence" ? QStringList{"--quiet", "-r", "-s", "8", raw, mp3}
            : encoded == "tagged" ? QStringList{"--quiet", "--tt", "Title", "--ta", "Artist", "--add-id3v2", wav, mp3}
                                  : QStringList{"--quiet", wav, mp3};
        QCOMPARE(QProcess::execute("lame", args), 0);
        QFile file(mp3);
        QVERIFY(file.open(QIODevice::ReadOnly));
        lame = file.readAll();
        if (encoded == "silence")
            QCOMPARE(lame.size(), 648);
        if (encoded == "tagged")
            QVERIFY2(lame.startsWith("ID3") && lame.right(128).startsWith("TAG"), "lame wrote no ID3 tags");
    }
    lame.chop(cut);
    const QByteArray bytes = before + lame + after;
    QVERIFY2(mp3file::valid(bytes) == valid, valid ? "an MP3 was refused" : "bytes that are no MP3 passed");

    // Only a valid file is copied into place, and only as what was checked.
    const QString output = dir->filePath("output.mp3");
    const QString target = dir->filePath("w1.mp3");
    QFile file(output);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QCOMPARE(mp3file::keep(output, target), valid);
    QCOMPARE(QFile::exists(target), valid);
    if (valid) {
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY2(kept.readAll() == bytes, "the kept MP3 differs from the checked one");
    }
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("MRECORD_NODEVICE") && app.arguments().contains("-nodevice")) {
        MRecord recorder;
        recorder.setpath(QDir::temp().filePath("nodevice.raw"));
        const bool started = recorder.start(QDir::temp().filePath("nodevice.mp3"));
        QTextStream(stdout) << (started ? "STARTED" : "REFUSED:" + recorder.error()) << Qt::endl;
        return 0;
    }
    tst_mrecord test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mrecord.moc"
