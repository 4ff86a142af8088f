#ifndef MP3FILE_H
#define MP3FILE_H

#include <QByteArray>
#include <QString>

// Whether a file the encoder wrote is an MP3 worth keeping.
namespace mp3file {

// The largest encoded recording kept.
const qint64 maxbytes = qint64(64) << 20;

// True for bytes under maxbytes that are MPEG audio frames from start to end,
// each header valid and of one stream, each frame's length leading to the
// next frame or to the end; an ID3v2 tag may come first and an ID3v1 tag last.
bool valid(const QByteArray &bytes);

// Puts a checked copy of the encoder's output at target, a new file that no
// process holds open. False, leaving target as it was, when the output is
// not valid or the copy could not be written.
bool keep(const QString &encoded, const QString &target);

}

#endif
