#ifndef READPICTURE_H
#define READPICTURE_H

#include <QPixmap>

class QString;

// Pictures that come from outside (the network, the user's disk) are
// size-checked before they are decoded: more than 4096 pixels either way is
// too large.
bool picturetoolarge(const QString &path);

// The picture in the file; a null picture when the file holds no readable
// picture or one that is too large.
QPixmap readpicture(const QString &path);

#endif
