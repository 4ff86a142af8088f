#ifndef PANEL_H
#define PANEL_H

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>

// A light panel laid on the page backdrop: a soft sheet with a thin border,
// an optional tinted heading band and optional recessed places for pictures.
// Band and places are given in the frame's own design pixels; the picture may
// be drawn at any size.
class Panel
{
public:
    Panel(const QSize& design, QColor tint);

    Panel& heading(qreal height);
    Panel& place(const QRectF& rect);
    // Faint bands behind every other one of count rows, the first at row.
    Panel& stripes(const QRectF& row, int count, qreal pitch);

    QImage draw(const QSize& size) const;

private:
    void paintHeading(QPainter& p, const QRectF& sheet, qreal ky, qreal k) const;
    void paintPlaces(QPainter& p, qreal kx, qreal ky, qreal k) const;
    void paintStripes(QPainter& p, qreal kx, qreal ky) const;

    QSize design;
    QColor tint;
    qreal headingHeight = 0;
    QList<QRectF> places;
    QList<QRectF> bands;
};

#endif
