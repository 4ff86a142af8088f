#ifndef READPICTURE_H
#define READPICTURE_H

#include <QPixmap>

class QByteArray;
class QString;

// Pictures that come from outside (the network, the user's disk, user files)
// are size-checked before they are decoded: more than 4096 pixels either way
// is too large.
bool picturetoolarge(const QString &path);

// The picture in the file; a null picture when the file holds no readable
// picture or one that is too large.
QPixmap readpicture(const QString &path);

// The same for picture bytes of any known format, converted with flags.
QPixmap readpicturebytes(const QByteArray &bytes, Qt::ImageConversionFlags flags = Qt::AutoColor);

#endif
