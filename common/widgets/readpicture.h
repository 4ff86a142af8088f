#ifndef READPICTURE_H
#define READPICTURE_H

#include <QPixmap>

class QString;

// Loads a picture file that came from outside (the network, the user's
// disk) after checking its stated size: a picture larger than 4096×4096
// pixels, or one whose size cannot be read, gives a null picture.
QPixmap readpicture(const QString &path);

#endif
