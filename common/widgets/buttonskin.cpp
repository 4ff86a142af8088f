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
    load(prefix + "1.png", prefix + "2.png", prefix + "3.png", prefix + "m.bmp");
}

void ButtonSkin::apply(QPushButtonEx *button) const
{
    button->setnormalpixmap(normal);
    button->sethoverpixmap(hover);
    button->setpressedpixmap(pressed);
    button->setMask(outline(button->size()));
    button->settextmargin(5);
    button->settextcolor(Qt::black);
    button->repaint();
}

QRegion ButtonSkin::outline(const QSize &size) const
{
    if (outlinesmask != mask.cacheKey()) {
        outlines.clear();
        outlinesmask = mask.cacheKey();
    }
    const QPair<int, int> key(size.width(), size.height());
    auto found = outlines.constFind(key);
    if (found == outlines.constEnd())
        found = outlines.insert(key, QPushButtonEx::fittedoutline(mask, size));
    return *found;
}
