#ifndef FITTEDMASK_H
#define FITTEDMASK_H

#include <QBitmap>
#include <QMargins>
#include <QRegion>

class QImage;
class QPixmap;

// A picture button's mask stretched over one size: the one-bit picture, the
// outline the button takes from it, and the room for its caption: the
// outline less the ring the picture draws along it.
class FittedMask
{
public:
    FittedMask() = default;
    // A null mask gives no outline and no room (the whole button is free).
    FittedMask(const QBitmap &mask, const QPixmap &picture, const QSize &size);

    QBitmap bitmap;
    QRegion outline;
    QRegion textroom;

private:
    // The ring's thickness on each side, in the picture's own pixels: on the
    // middle row and column, the pixels from the outermost opaque one on that
    // nearer in colour to the outermost than to the picture's middle.
    static QMargins ring(const QImage &picture);
};

#endif
