#include "mplay.h"

#include <QBuffer>
#include <QUrl>

#include <phonon/audiooutput.h>
#include <phonon/mediaobject.h>
#include <phonon/mediasource.h>

MPlay::MPlay(QObject *parent)
    : QObject(parent)
    , media(new Phonon::MediaObject)
    , buffer(new QBuffer)
    , output(nullptr)
{
    connect(media, &Phonon::MediaObject::stateChanged, this, &MPlay::stateChanged);
    connect(media, &Phonon::MediaObject::finished, this, &MPlay::ended);
}

MPlay::~MPlay()
{
    delete media;
    delete output;
    delete buffer;
}

// The audio output and its path load the sound back end: made here, at the
// first sound or earlier, once the window is up.
void MPlay::prepare()
{
    if (output)
        return;
    output = new Phonon::AudioOutput(Phonon::MusicCategory);
    Phonon::createPath(media, output);
}

void MPlay::clearsounds()
{
    sounds.clear();
}

void MPlay::addsound(const QByteArray &bytes)
{
    sounds.append(bytes);
}

int MPlay::soundcount() const
{
    return sounds.size();
}

void MPlay::playindex(int i)
{
    if (i < 0 || i >= sounds.size())
        return;
    prepare();
    unreported = false;
    buffer->close();
    buffer->setData(sounds.at(i));
    media->clear();
    media->setCurrentSource(Phonon::MediaSource(buffer));
    media->play();
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
    prepare();
    unreported = false;
    media->stop();
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
