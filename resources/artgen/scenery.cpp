#include "scenery.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using Palette::mix;
using Palette::withAlpha;

namespace {

QPainterPath wave(qreal width, qreal y, qreal amplitude, int phase)
{
    QPainterPath path;
    path.moveTo(0, y);
    const int steps = 4;
    for (int i = 0; i < steps; ++i) {
        const qreal x0 = width * i / steps;
        const qreal x1 = width * (i + 1) / steps;
        const qreal lift = ((i + phase) % 2 ? amplitude : -amplitude);
        path.cubicTo(x0 + (x1 - x0) / 3, y + lift, x0 + 2 * (x1 - x0) / 3, y + lift, x1, y);
    }
    return path;
}

// Fills the whole picture with a top-to-bottom gradient through the stops.
void fillDown(QPainter& p, const QSize& size, const QGradientStops& stops)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setStops(stops);
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

}

namespace Scenery {

QImage backdrop(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    fillDown(p, size, {{0, Palette::skyTop}, {1, Palette::skyBottom}});

    QRadialGradient glow(QPointF(w * 0.18, h * 0.12), w * 0.45);
    glow.setColorAt(0, withAlpha(Palette::white, 150));
    glow.setColorAt(1, withAlpha(Palette::white, 0));
    p.fillRect(image.rect(), glow);

    // Broad, faint swells along the lower half.
    const struct { qreal y, amplitude; int phase; QColor colour; } swells[] = {
        {0.62, 0.05, 0, withAlpha(Palette::white, 90)},
        {0.74, 0.04, 1, withAlpha(mix(Palette::blueFace, Palette::white, 0.3), 70)},
        {0.86, 0.035, 0, withAlpha(mix(Palette::greenFace, Palette::white, 0.4), 60)},
    };
    for (const auto& s : swells) {
        QPainterPath band = wave(w, h * s.y, h * s.amplitude, s.phase);
        band.lineTo(w, h);
        band.lineTo(0, h);
        band.closeSubpath();
        p.fillPath(band, s.colour);
    }
    return image;
}

QImage footStrip(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    fillDown(p, size, {{0, withAlpha(mix(Palette::blueFace, Palette::white, 0.5), 210)},
                       {1, withAlpha(Palette::blueFace, 230)}});
    p.fillRect(QRectF(0, 0, w, h * 0.07), mix(Palette::blueFace, Palette::blueLine, 0.5));
    p.fillRect(QRectF(0, h * 0.07, w, h * 0.05), withAlpha(Palette::white, 180));
    p.strokePath(wave(w, h * 0.62, h * 0.16, 0), QPen(withAlpha(Palette::white, 160), h * 0.06));
    p.strokePath(wave(w, h * 0.68, h * 0.14, 1), QPen(withAlpha(Palette::blueLine, 70), h * 0.04));
    return image;
}

QImage navigationBar(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const qreal w = size.width();
    const qreal h = size.height();
    fillDown(p, size, {{0, mix(Palette::blueFace, Palette::white, 0.2)},
                       {0.5, Palette::blueFace},
                       {1, mix(Palette::blueFace, Palette::blueLine, 0.25)}});
    p.fillRect(QRectF(0, 0, w, h * 0.05), withAlpha(Palette::white, 200));
    p.fillRect(QRectF(0, h * 0.94, w, h * 0.06), mix(Palette::blueFace, Palette::blueLine, 0.7));
    return image;
}

QImage avatar(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    fillDown(p, size, {{0, mix(Palette::blueFace, Palette::white, 0.6)}, {1, Palette::blueFace}});

    const QColor figure = mix(Palette::blueLine, Palette::white, 0.35);
    QPainterPath shoulders;
    const QRectF body(w * 0.22, h * 0.62, w * 0.56, h * 0.7);
    shoulders.addRoundedRect(body, w * 0.2, h * 0.28);
    p.fillPath(shoulders, figure);
    const qreal r = h * 0.2;
    p.setPen(QPen(mix(Palette::blueFace, Palette::white, 0.4), h * 0.025));
    p.setBrush(figure);
    p.drawEllipse(QPointF(w / 2, h * 0.4), r, r);
    return image;
}

}
