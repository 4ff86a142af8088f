#include "panel.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using Palette::mix;
using Palette::withAlpha;

Panel::Panel(const QSize& design, QColor tint)
    : design(design), tint(tint)
{
}

Panel& Panel::heading(qreal height)
{
    headingHeight = height;
    return *this;
}

Panel& Panel::place(const QRectF& rect)
{
    places.append(rect);
    return *this;
}

Panel& Panel::stripes(const QRectF& row, int count, qreal pitch)
{
    for (int i = 0; i < count; i += 2)
        bands.append(row.translated(0, i * pitch));
    return *this;
}

QImage Panel::draw(const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal kx = qreal(size.width()) / design.width();
    const qreal ky = qreal(size.height()) / design.height();
    const qreal k = qMin(kx, ky);
    const qreal line = 2 * k;
    const QRectF sheet = QRectF(0, 0, size.width(), size.height())
                             .adjusted(line / 2, line / 2, -line / 2, -line / 2);
    QPainterPath outline;
    outline.addRoundedRect(sheet, 5 * k, 5 * k);

    QLinearGradient fill(sheet.topLeft(), sheet.bottomLeft());
    fill.setColorAt(0, withAlpha(mix(tint, Palette::white, 0.75), 225));
    fill.setColorAt(1, withAlpha(mix(tint, Palette::white, 0.55), 215));
    p.fillPath(outline, fill);
    p.save();
    p.setClipPath(outline);
    paintHeading(p, sheet, ky, k);
    p.restore();
    paintPlaces(p, kx, ky, k);
    paintStripes(p, kx, ky);
    p.strokePath(outline, QPen(mix(tint, Palette::blueLine, 0.55), line));
    p.strokePath(outline.translated(0, line), QPen(withAlpha(Palette::white, 150), k));
    return image;
}

void Panel::paintHeading(QPainter& p, const QRectF& sheet, qreal ky, qreal k) const
{
    if (headingHeight <= 0)
        return;
    const QRectF band(sheet.left(), sheet.top(), sheet.width(), headingHeight * ky);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, withAlpha(tint, 200));
    g.setColorAt(1, withAlpha(mix(tint, Palette::white, 0.5), 120));
    p.fillRect(band, g);
    p.fillRect(QRectF(band.left(), band.bottom() - k, band.width(), k),
               withAlpha(mix(tint, Palette::blueLine, 0.4), 150));
}

void Panel::paintPlaces(QPainter& p, qreal kx, qreal ky, qreal k) const
{
    for (const QRectF& place : places) {
        const QRectF r(place.x() * kx, place.y() * ky, place.width() * kx, place.height() * ky);
        QPainterPath well;
        well.addRoundedRect(r, 4 * k, 4 * k);
        p.fillPath(well, withAlpha(mix(tint, Palette::white, 0.2), 120));
        p.strokePath(well, QPen(withAlpha(mix(tint, Palette::blueLine, 0.5), 170), k));
        p.strokePath(well.translated(0, k), QPen(withAlpha(Palette::white, 170), k));
    }
}

void Panel::paintStripes(QPainter& p, qreal kx, qreal ky) const
{
    for (const QRectF& band : bands)
        p.fillRect(QRectF(band.x() * kx, band.y() * ky, band.width() * kx, band.height() * ky),
                   withAlpha(tint, 110));
}
