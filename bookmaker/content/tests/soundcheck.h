#ifndef SOUNDCHECK_H
#define SOUNDCHECK_H

#include <QByteArray>
#include <QString>

// Real sounds for the tests, made and measured with the outside tools.
namespace soundcheck {

// Writes an MP3 of a tone lasting seconds (sox, then lame); false when a tool failed.
bool makemp3(const QString &path, double seconds);

// Fixed bytes that look random, for files that must not pass as sounds.
QByteArray noise(int size);

// The length in seconds of the MP3 decoded by lame; 0 when it does not decode.
double seconds(const QString &mp3);

}

#endif
