#ifndef READPICTURE_H
#define READPICTURE_H

#include <QImage>
#include <QPixmap>
#include <QSize>

class QByteArray;
class QString;

// Pictures that come from outside (the network, the user's disk, user files)
// are size-checked before they are decoded: more than 4096 pixels either way,
// or more than maxpixels in all, is too large. Only formats whose header gives
// the size decoded (JPEG, PNG, BMP, PNM, GIF's logical screen) are read, by
// content; a JPEG too large is decoded scaled down to fit instead. A JPEG's
// cost is bounded from its markers first: at most 100 scans, and one decoded
// scan by scan (progressive) holds coefficients of no more bytes than
// MaxPicturePixels take at 32 bits a pixel, whatever size it is decoded at.
constexpr qint64 MaxPicturePixels = 4096 * 4096;

// The picture in the file; a null picture when the file holds no readable
// picture or one that is too large. With a valid shown size, neither side
// is larger than that side of shown (pictures are drawn stretched): a JPEG
// is then decoded scaled, at a fraction of the cost of a whole decode.
QPixmap readpicture(const QString &path, qint64 maxpixels = MaxPicturePixels, const QSize &shown = QSize());

// The same for picture bytes of any known format, converted with flags.
QPixmap readpicturebytes(const QByteArray &bytes, Qt::ImageConversionFlags flags = Qt::AutoColor,
                         qint64 maxpixels = MaxPicturePixels);

#endif
