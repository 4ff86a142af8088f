#include "buttonart.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <cstring>

using Palette::mix;
using Palette::withAlpha;

ButtonArt::ButtonArt(Shape shape, QColor face, QColor line)
    : shape(std::move(shape)), face(face), line(line)
{
}

ButtonArt& ButtonArt::outline(qreal weight, qreal sides)
{
    this->weight = weight;
    this->sides = sides;
    return *this;
}

ButtonArt& ButtonArt::lamp()
{
    withLamp = true;
    return *this;
}

ButtonArt& ButtonArt::keyCap()
{
    withLip = true;
    return *this;
}

QImage ButtonArt::picture(State state, const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    const QPainterPath path = shape(r);
    // Thick enough to survive being shrunk to a third without smoothing.
    const qreal width = qMax(3.0, qMin(r.width(), r.height()) * weight);
    const QRectF inner = r.adjusted(width * sides, width, -width * sides, -width);
    p.setClipPath(path);
    paintFace(p, state, r);
    if (state == Pressed)
        paintInset(p, path, width);
    else
        paintGloss(p, inner);
    if (withLip)
        paintLip(p, state, inner);
    if (state == Hover && withLamp)
        paintLamp(p, inner);
    p.setClipping(false);
    p.fillPath(path.subtracted(shape(inner)), line);
    return image;
}

QImage ButtonArt::mask(const QSize& size) const
{
    QImage shapeImage(size, QImage::Format_ARGB32);
    shapeImage.fill(Qt::transparent);
    {
        QPainter p(&shapeImage);
        p.fillPath(shape(QRectF(0, 0, size.width(), size.height())), Qt::black);
    }
    QImage bits(size, QImage::Format_Mono);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    // Clears the row padding too, which the file carries: the output stays reproducible.
    std::memset(bits.bits(), 0, size_t(bits.sizeInBytes()));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (qAlpha(shapeImage.pixel(x, y)) >= 128)
                bits.setPixel(x, y, 1);
    return bits;
}

void ButtonArt::paintFace(QPainter& p, State state, const QRectF& r) const
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    switch (state) {
    case Normal:
        g.setColorAt(0, mix(face, Palette::white, 0.7));
        g.setColorAt(1, face);
        break;
    case Hover:
        g.setColorAt(0, Palette::white);
        g.setColorAt(1, mix(face, Palette::white, 0.45));
        break;
    case Pressed:
        g.setColorAt(0, mix(face, line, 0.28));
        g.setColorAt(1, mix(face, line, 0.06));
        break;
    case Field:
        g.setColorAt(0, Palette::white);
        g.setColorAt(1, mix(face, Palette::white, 0.4));
        break;
    }
    p.fillRect(r, g);
}

void ButtonArt::paintGloss(QPainter& p, const QRectF& inner) const
{
    const QRectF upper(inner.left(), inner.top(), inner.width(), inner.height() * 0.45);
    QLinearGradient g(upper.topLeft(), upper.bottomLeft());
    g.setColorAt(0, withAlpha(Palette::white, 170));
    g.setColorAt(1, withAlpha(Palette::white, 30));
    p.fillPath(shape(upper), g);
}

void ButtonArt::paintInset(QPainter& p, const QPainterPath& path, qreal width) const
{
    // A shadow under the upper edge makes the face look pushed in.
    p.strokePath(path.translated(0, width * 1.2), QPen(withAlpha(Palette::ink, 70), 3 * width));
}

void ButtonArt::paintLamp(QPainter& p, const QRectF& inner) const
{
    const QRectF bar(inner.left() + inner.width() * 0.25, inner.top() + inner.height() * 0.06,
                     inner.width() * 0.5, inner.height() * 0.13);
    QLinearGradient glow(bar.topLeft(), bar.bottomLeft());
    glow.setColorAt(0, Palette::mix(Palette::amberFace, Palette::white, 0.4));
    glow.setColorAt(1, Palette::mix(Palette::amberFace, Palette::amberLine, 0.8));
    QPainterPath path;
    path.addRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    p.fillPath(path, glow);
}

void ButtonArt::paintLip(QPainter& p, State state, const QRectF& inner) const
{
    // The lower side of a key cap, seen from above; pressed keys show less of it.
    const qreal depth = inner.height() * (state == Pressed ? 0.07 : 0.14);
    const QRectF top(inner.left(), inner.top(), inner.width(), inner.height() - depth);
    const QPainterPath side = shape(inner).subtracted(shape(top));
    p.fillPath(side, Palette::withAlpha(Palette::mix(face, line, 0.45), 200));
}

QPainterPath ButtonArt::rounded(const QRectF& r, qreal xradius, qreal yradius)
{
    QPainterPath path;
    path.addRoundedRect(r, r.width() * xradius, r.height() * yradius);
    return path;
}

QPainterPath ButtonArt::ellipse(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath ButtonArt::chamfered(const QRectF& r, qreal xcut, qreal ycut)
{
    const qreal dx = r.width() * xcut;
    const qreal dy = r.height() * ycut;
    QPainterPath path;
    path.moveTo(r.left() + dx, r.top());
    path.lineTo(r.right() - dx, r.top());
    path.lineTo(r.right(), r.top() + dy);
    path.lineTo(r.right(), r.bottom() - dy);
    path.lineTo(r.right() - dx, r.bottom());
    path.lineTo(r.left() + dx, r.bottom());
    path.lineTo(r.left(), r.bottom() - dy);
    path.lineTo(r.left(), r.top() + dy);
    path.closeSubpath();
    return path;
}

QPainterPath ButtonArt::arrowTag(const QRectF& r)
{
    // A tab with rounded left corners whose right end points onwards.
    const qreal w = r.width();
    const qreal h = r.height();
    const qreal rx = w * 0.07;
    const qreal ry = h * 0.26;
    const qreal tip = w * 0.16;
    const qreal top = r.top() + h * 0.04;
    const qreal bottom = r.bottom() - h * 0.04;
    QPainterPath path;
    path.moveTo(r.left() + rx, top);
    path.lineTo(r.right() - tip, top);
    path.quadTo(r.right() - tip * 0.55, top, r.right() - tip * 0.3, r.top() + h * 0.3);
    path.quadTo(r.right(), r.center().y() - h * 0.08, r.right(), r.center().y());
    path.quadTo(r.right(), r.center().y() + h * 0.08, r.right() - tip * 0.3, r.bottom() - h * 0.3);
    path.quadTo(r.right() - tip * 0.55, bottom, r.right() - tip, bottom);
    path.lineTo(r.left() + rx, bottom);
    path.quadTo(r.left(), bottom, r.left(), bottom - ry);
    path.lineTo(r.left(), top + ry);
    path.quadTo(r.left(), top, r.left() + rx, top);
    path.closeSubpath();
    return path;
}
