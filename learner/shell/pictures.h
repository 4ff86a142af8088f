#ifndef PICTURES_H
#define PICTURES_H

#include <QByteArray>
#include <QPixmap>

// Loads target from picture bytes of any known format. Bytes that are no
// picture, or a picture too large to decode safely, give a null picture
// and false.
bool bytespixmap(QPixmap &target, const QByteArray &bytes,
                 Qt::ImageConversionFlags flags = Qt::AutoColor);

#endif
