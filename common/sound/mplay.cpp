#include "mplay.h"

#include <QFile>
#include <QUrl>

#include <phonon/audiooutput.h>
#include <phonon/mediaobject.h>
#include <phonon/mediasource.h>

MPlay::MPlay(QObject *parent)
    : QObject(parent)
    , media(new Phonon::MediaObject(this))
    , output(nullptr)
{
    connect(media, &Phonon::MediaObject::stateChanged, this, &MPlay::stateChanged);
    connect(media, &Phonon::MediaObject::finished, this, &MPlay::ended);
}

MPlay::~MPlay()
{
    delete media;
    delete output;
}

// The audio output and its path load the sound back end: made at the first
// sound, so that a window starts without it.
void MPlay::prepare()
{
    if (output)
        return;
    output = new Phonon::AudioOutput(Phonon::MusicCategory);
    Phonon::createPath(media, output);
}

// The file of a sound still playing stays until that sound is replaced.
void MPlay::clearsounds()
{
    for (const QString &path : qAsConst(sounds)) {
        if (path != current)
            QFile::remove(path);
    }
    sounds.clear();
}

// A file that cannot be written plays as a broken sound.
void MPlay::addsound(const QByteArray &bytes)
{
    const QString path = folder.filePath(QString::number(written++));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("MPlay: cannot write %s", qPrintable(path));
    sounds.append(path);
}

int MPlay::soundcount() const
{
    return sounds.size();
}

void MPlay::playindex(int i)
{
    if (i < 0 || i >= sounds.size())
        return;
    setsource(sounds.at(i));
}

// Before the back end is up nothing plays.
void MPlay::stop()
{
    unreported = false;
    if (output)
        media->stop();
}

void MPlay::playfile(const QString &path)
{
    setsource(path);
}

void MPlay::setsource(const QString &path)
{
    prepare();
    unreported = false;
    media->clear();
    if (!current.isEmpty() && !sounds.contains(current))
        QFile::remove(current);
    current = path.startsWith(folder.path() + QLatin1Char('/')) ? path : QString();
    media->setCurrentSource(Phonon::MediaSource(QUrl::fromLocalFile(path)));
    media->play();
}

void MPlay::stateChanged(Phonon::State newstate, Phonon::State oldstate)
{
    if (newstate == Phonon::PlayingState)
        unreported = true;
    else if (newstate == Phonon::PausedState && oldstate == Phonon::PlayingState)
        report();
}

void MPlay::ended()
{
    // Bytes that are no sound end at once with a length of 0.
    if (media->totalTime() > 0)
        report();
}

void MPlay::report()
{
    if (!unreported)
        return;
    unreported = false;
    emit playstopped();
}
