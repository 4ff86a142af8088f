#ifndef MRECORD_H
#define MRECORD_H

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

class QAudioInput;

// Records the default audio input as raw PCM samples into one file, the
// capture of one word's or sentence's sound. start() and stop() tell whether
// they worked; error() then gives the message to show. The file never holds
// more than the time the capture ran: samples a sound server had queued
// before the start are dropped.
class MRecord : public QObject
{
    Q_OBJECT

public:
    explicit MRecord(QObject *parent = nullptr);
    ~MRecord() override;

    void setpath(const QString &path);
    QString path() const;
    // The MP3 file the running capture is meant for; empty while idle.
    QString name() const;

    // Empties the raw file and starts capturing for target. False, with
    // nothing running, when there is no input device, the raw file cannot be
    // written or the capture does not start; ignored (true) while recording.
    bool start(const QString &target);
    // Ends the capture. True when the raw file holds samples that may be
    // encoded; ignored (false) while idle.
    bool stop();
    // Ends the capture and drops it.
    void abort();
    QString error() const;
    // Milliseconds of sound written into the raw file by the running capture.
    qint64 capturedms() const;

    // The encoder's arguments for the format actually captured: raw input
    // from the raw file, the MP3 to the target.
    QStringList encoderargs(const QString &target) const;

private:
    bool fail(const QString &message);
    void end();
    // Moves what the input has delivered into the raw file.
    void take();
    QString unwritable() const;

    QAudioInput *audio = nullptr;
    QIODevice *source = nullptr;
    QElapsedTimer clock;
    qint64 written = 0;
    bool writefailed = false;
    QFile rawfile;
    QString mp3name;
    QString rawpath;
    QAudioFormat format;
    QString message;
};

#endif
