#include "buttonskin.h"

#include "qpushbuttonex.h"

void ButtonSkin::load(const QString &normalpath, const QString &hoverpath,
                      const QString &pressedpath, const QString &maskpath)
{
    normal.load(normalpath);
    hover.load(hoverpath);
    pressed.load(pressedpath);
    mask.load(maskpath);
}

void ButtonSkin::load(const QString &prefix)
{
    const QStringList paths = setpaths(prefix);
    load(paths.at(0), paths.at(1), paths.at(2), paths.at(3));
}

QStringList ButtonSkin::setpaths(const QString &prefix)
{
    return {prefix + "1.png", prefix + "2.png", prefix + "3.png", prefix + "m.bmp"};
}

void ButtonSkin::apply(QPushButtonEx *button) const
{
    button->setnormalpixmap(normal);
    button->sethoverpixmap(hover);
    button->setpressedpixmap(pressed);
    button->setmaskpixmap(fitted(button->size()));
    button->settextmargin(5);
    button->settextcolor(Qt::black);
    button->repaint();
}

const FittedMask &ButtonSkin::fitted(const QSize &size) const
{
    const QPair<qint64, qint64> from(mask.cacheKey(), normal.cacheKey());
    if (fittingsfrom != from) {
        fittings.clear();
        fittingsfrom = from;
    }
    const QPair<int, int> key(size.width(), size.height());
    auto found = fittings.constFind(key);
    if (found == fittings.constEnd())
        found = fittings.insert(key, FittedMask(mask, normal, size));
    return *found;
}
