#ifndef BUTTONSKIN_H
#define BUTTONSKIN_H

#include "fittedmask.h"

#include <QBitmap>
#include <QHash>
#include <QPair>
#include <QPixmap>
#include <QStringList>

class QPushButtonEx;

// One skin set: three state pictures and the outline mask of a picture button.
class ButtonSkin
{
public:
    // Loads the four pictures; a picture that cannot be loaded stays empty.
    void load(const QString &normalpath, const QString &hoverpath,
              const QString &pressedpath, const QString &maskpath);
    // Loads the usual set of prefix (setpaths).
    void load(const QString &prefix);
    // The usual set's four paths: prefix1.png, prefix2.png, prefix3.png and prefixm.bmp.
    static QStringList setpaths(const QString &prefix);
    // Skins a button at its final size: pictures, mask, text margin 5,
    // black caption, then a repaint.
    void apply(QPushButtonEx *button) const;
    // The mask fitted to size, built once per size (buttons share skins and sizes).
    const FittedMask &fitted(const QSize &size) const;

    QPixmap normal;
    QPixmap hover;
    QPixmap pressed;
    QBitmap mask;

private:
    mutable QHash<QPair<int, int>, FittedMask> fittings;
    // Cache keys of the mask and the normal picture the fittings were built from.
    mutable QPair<qint64, qint64> fittingsfrom;
};

#endif
