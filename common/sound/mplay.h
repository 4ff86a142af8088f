#ifndef MPLAY_H
#define MPLAY_H

#include <QByteArray>
#include <QList>
#include <QObject>

#include <phonon/phononnamespace.h>

class QBuffer;

namespace Phonon {
class AudioOutput;
class MediaObject;
}

// Plays whole sound files held in memory, chosen by their index in a list.
// playstopped() is emitted once for every sound that plays to its end;
// stop() and replacing the sound emit nothing.
class MPlay : public QObject
{
    Q_OBJECT

public:
    explicit MPlay(QObject *parent = nullptr);
    ~MPlay() override;

    // Starts the sound back end ahead of the first sound.
    void prepare();

    void clearsounds();
    void addsound(const QByteArray &bytes);
    int soundcount() const;
    // Ignored when i is out of range; a sound already playing goes on.
    void playindex(int i);
    void stop();
    void playfile(const QString &path);

signals:
    void playstopped();

private slots:
    void stateChanged(Phonon::State newstate, Phonon::State oldstate);
    void ended();

private:
    void report();

    Phonon::MediaObject *media;
    QList<QByteArray> sounds;
    QBuffer *buffer;
    Phonon::AudioOutput *output;
    // Whether the sound now set has played and has not been reported yet.
    bool unreported = false;
};

#endif
