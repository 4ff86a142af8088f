#ifndef PALETTE_H
#define PALETTE_H

#include <QColor>

// The colours every picture is drawn from: pale faces, one steel-blue ink,
// a green and an amber companion of the same lightness.
namespace Palette {

inline QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

inline QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

const QColor white(255, 255, 255);
const QColor ink(44, 78, 110);          // darkest line, shadows

const QColor blueFace(204, 224, 240);
const QColor blueLine(79, 126, 163);
const QColor greenFace(203, 232, 215);
const QColor greenLine(72, 136, 108);
const QColor greyFace(222, 229, 236);
const QColor greyLine(108, 131, 153);
const QColor amberFace(249, 218, 160);
const QColor amberLine(190, 136, 56);
const QColor paperFace(246, 243, 234);

const QColor skyTop(226, 238, 247);     // page backdrop
const QColor skyBottom(246, 244, 236);
const QColor panelFill(255, 255, 255, 205);
const QColor panelLine(150, 181, 205);

}

#endif
