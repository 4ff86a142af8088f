#include "mrecord.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QCoreApplication>
#include <QDir>

MRecord::MRecord(QObject *parent)
    : QObject(parent)
    , rawpath(QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("temp.raw"))
{
}

MRecord::~MRecord()
{
    end();
}

void MRecord::setpath(const QString &path)
{
    rawpath = path;
}

QString MRecord::path() const
{
    return rawpath;
}

QString MRecord::name() const
{
    return mp3name;
}

QString MRecord::error() const
{
    return message;
}

bool MRecord::fail(const QString &text)
{
    message = text;
    end();
    return false;
}

bool MRecord::start(const QString &target)
{
    if (!mp3name.isEmpty())
        return true;
    message.clear();
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultInputDevice();
    if (device.isNull())
        return fail(QStringLiteral("没有可以录音的设备"));
    rawfile.setFileName(rawpath);
    if (!rawfile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(unwritable());
    format = QAudioFormat();
    format.setSampleRate(8000);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    if (!device.isFormatSupported(format))
        format = device.nearestFormat(format);
    audio = new QAudioInput(device, format);
    source = audio->start();
    if (!source || audio->error() != QAudio::NoError)
        return fail(QStringLiteral("录音失败"));
    connect(source, &QIODevice::readyRead, this, &MRecord::take);
    written = 0;
    writefailed = false;
    clock.start();
    mp3name = target;
    return true;
}

QString MRecord::unwritable() const
{
    return QStringLiteral("无法写入录音文件") + rawpath;
}

qint64 MRecord::capturedms() const
{
    return mp3name.isEmpty() ? 0 : format.durationForBytes(qint32(written)) / 1000;
}

// Only the newest samples that fit the time since the start are kept.
void MRecord::take()
{
    QByteArray data = source->readAll();
    const int frame = format.bytesPerFrame();
    const qint64 due = format.bytesForDuration(clock.nsecsElapsed() / 1000);
    const qint64 room = qMax<qint64>(0, (due - written) / frame * frame);
    if (data.size() > room)
        data = data.right(int(room));
    if (data.isEmpty())
        return;
    if (rawfile.write(data) != data.size())
        writefailed = true;
    written += data.size();
}

bool MRecord::stop()
{
    if (mp3name.isEmpty())
        return false;
    take();
    audio->stop();
    const bool failed = audio->error() != QAudio::NoError && audio->error() != QAudio::UnderrunError;
    const bool unwritten = !rawfile.flush() || writefailed;
    const bool empty = written == 0;
    end();
    if (unwritten)
        return fail(unwritable());
    if (failed)
        return fail(QStringLiteral("录音失败"));
    if (empty)
        return fail(QStringLiteral("没有录到声音"));
    return true;
}

void MRecord::abort()
{
    end();
}

void MRecord::end()
{
    if (audio) {
        audio->stop();
        delete audio;
        audio = nullptr;
        source = nullptr;
    }
    rawfile.close();
    mp3name.clear();
}

QStringList MRecord::encoderargs(const QString &target) const
{
    const bool little = format.byteOrder() == QAudioFormat::LittleEndian;
    const bool isunsigned = format.sampleType() == QAudioFormat::UnSignedInt;
    return QStringList() << QStringLiteral("-r")
                         << QStringLiteral("-s") << QString::number(format.sampleRate() / 1000.0)
                         << QStringLiteral("--bitwidth") << QString::number(format.sampleSize())
                         << (isunsigned ? QStringLiteral("--unsigned") : QStringLiteral("--signed"))
                         << (little ? QStringLiteral("--little-endian") : QStringLiteral("--big-endian"))
                         << QStringLiteral("-m") << (format.channelCount() == 1 ? QStringLiteral("m") : QStringLiteral("j"))
                         << rawpath << target;
}
