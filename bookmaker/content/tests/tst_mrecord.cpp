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

private:
    // Records until ms milliseconds are captured.
    bool record(MRecord &recorder, const QString &target, int ms);
    QScopedPointer<QTemporaryDir> dir;
};

void tst_mrecord::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid(), "no temporary folder");
    QVERIFY2(!QAudioDeviceInfo::defaultInputDevice().isNull(), "no input device: is the sound server running?");
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
    encoder.setcmd(QStringLiteral("lame"), args);
    QVERIFY2(encoder.execute(), "the encoder failed");
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
    encoder.setcmd(QStringLiteral("lame"), recorder.encoderargs(target));
    QVERIFY2(encoder.execute(), "the encoder failed");
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
    encoder.setcmd(QStringLiteral("lame"), QStringList() << "-r" << dir->filePath("missing.raw") << dir->filePath("x.mp3"));
    QVERIFY2(!encoder.execute(), "a failing encoder reported success");
    encoder.setcmd(dir->filePath("no-such-encoder"), QStringList());
    QVERIFY2(!encoder.execute(), "a missing encoder reported success");
}

void tst_mrecord::encoderkilled()
{
    // An encoder that never ends is killed after the time-out; one that
    // waits for its input ends because the input is closed.
    MyThread hanging;
    hanging.setcmd(QStringLiteral("sleep"), QStringList() << "600");
    QVERIFY2(!hanging.execute(300), "a hanging encoder reported success");

    MyThread reader;
    reader.setcmd(QStringLiteral("cat"), QStringList());
    QVERIFY2(reader.execute(), "an encoder reading its input was not given its end");
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
