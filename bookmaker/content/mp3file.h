#ifndef MP3FILE_H
#define MP3FILE_H

#include <QString>

// Whether a file the encoder wrote is an MP3 worth keeping.
namespace mp3file {

// The largest encoded recording kept.
const qint64 maxbytes = qint64(64) << 20;

// True for a non-empty file under maxbytes that begins with an MPEG audio
// frame sync, directly or after an ID3v2 tag.
bool valid(const QString &path);

}

#endif
