#ifndef MPLAY_H
#define MPLAY_H

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <phonon/phononnamespace.h>

namespace Phonon {
class AudioOutput;
class MediaObject;
}

// Plays whole sound files handed over in memory, chosen by their index in a list.
// playstopped() is emitted once for every sound that plays to its end;
// stop() and replacing the sound emit nothing.
class MPlay : public QObject
{
    Q_OBJECT

public:
    explicit MPlay(QObject *parent = nullptr);
    ~MPlay() override;

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
    // Starts the sound back end, at the first sound.
    void prepare();
    void report();
    // Sets the sound to play; the file of the one it replaces goes when no
    // longer listed.
    void setsource(const QString &path);

    // A child of the player, so that its state can be watched.
    Phonon::MediaObject *media;
    // The sounds are played from files of their own, never from memory: the
    // back end reads a memory source through the GUI thread and can wait on
    // it for ever when the sound is stopped or replaced while it starts.
    QTemporaryDir folder;
    // The files of the sounds, in the order added.
    QStringList sounds;
    // The file of the sound now set, when it is one of ours.
    QString current;
    // Files written so far, naming the next.
    int written = 0;
    Phonon::AudioOutput *output;
    // Whether the sound now set has played and has not been reported yet.
    bool unreported = false;
};

#endif
