#include "banner.h"
#include "palette.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using Palette::mix;
using Palette::withAlpha;

namespace {

// The part of the banner frame's width that the learn-more button covers.
const qreal buttonWidth = 151.0 / 712.0;

}

Banner::Banner(const QString& heading, const QString& line, const QStringList& tiles, QColor tint)
    : heading(heading), line(line), tiles(tiles), tint(tint)
{
}

QImage Banner::draw(const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintGround(p, size);
    paintTiles(p, size);
    paintText(p, size);
    return image;
}

void Banner::paintGround(QPainter& p, const QSizeF& size) const
{
    const qreal w = size.width();
    const qreal h = size.height();
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, mix(tint, Palette::white, 0.55));
    g.setColorAt(1, mix(tint, Palette::white, 0.85));
    p.fillRect(QRectF(QPointF(), size), g);
    QRadialGradient glow(QPointF(w * 0.16, h * 0.5), h * 1.1);
    glow.setColorAt(0, withAlpha(Palette::white, 170));
    glow.setColorAt(1, withAlpha(Palette::white, 0));
    p.fillRect(QRectF(QPointF(), size), glow);
    // Rings in the lower right, kept clear of the button's corner.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = h * (0.45 + 0.22 * i);
        p.setPen(QPen(withAlpha(Palette::white, 120 - 30 * i), h * 0.035));
        p.drawEllipse(QPointF(w * 0.93, h * 1.15), r, r);
    }
    const qreal band = h * 0.05;
    p.fillRect(QRectF(0, h - band, w, band), withAlpha(mix(tint, Palette::blueLine, 0.5), 150));
}

void Banner::paintTiles(QPainter& p, const QSizeF& size) const
{
    const qreal h = size.height();
    const qreal side = h * 0.42;
    QFont font("DejaVu Serif");
    font.setBold(true);
    font.setPixelSize(int(side * 0.62));
    p.setFont(font);
    for (int i = 0; i < tiles.size(); ++i) {
        const QPointF centre(h * 0.42 + i * side * 0.82, h * (0.5 + (i % 2 ? 0.1 : -0.08)));
        p.save();
        p.translate(centre);
        p.rotate(i % 2 ? 7 : -6);
        const QRectF tile(-side / 2, -side / 2, side, side);
        QPainterPath path;
        path.addRoundedRect(tile, side * 0.16, side * 0.16);
        p.fillPath(path.translated(side * 0.04, side * 0.06), withAlpha(Palette::ink, 40));
        QLinearGradient face(tile.topLeft(), tile.bottomLeft());
        face.setColorAt(0, Palette::white);
        face.setColorAt(1, Palette::paperFace);
        p.fillPath(path, face);
        p.strokePath(path, QPen(mix(tint, Palette::blueLine, 0.6), side * 0.04));
        p.setPen(mix(tint, Palette::ink, 0.75));
        p.drawText(tile, Qt::AlignCenter, tiles.at(i));
        p.restore();
    }
}

void Banner::paintText(QPainter& p, const QSizeF& size) const
{
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal left = h * 0.42 + tiles.size() * h * 0.42 * 0.82 + h * 0.12;
    const qreal right = w * (1 - buttonWidth) - h * 0.1;
    QFont font("WenQuanYi Micro Hei");
    font.setBold(true);
    font.setPixelSize(int(h * 0.2));
    while (QFontMetricsF(font).horizontalAdvance(heading) > right - left)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(Palette::ink);
    const QRectF headingRect(left, h * 0.2, right - left, h * 0.3);
    p.drawText(headingRect, Qt::AlignLeft | Qt::AlignVCenter, heading);
    font.setBold(false);
    font.setPixelSize(int(h * 0.105));
    p.setFont(font);
    p.setPen(mix(Palette::ink, tint, 0.25));
    p.drawText(QRectF(left, h * 0.54, w - left - h * 0.2, h * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, line);
    p.fillRect(QRectF(left, h * 0.52, h * 0.5, h * 0.018), mix(tint, Palette::blueLine, 0.6));
}
