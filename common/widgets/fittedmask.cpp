#include "fittedmask.h"

#include <QImage>
#include <QPixmap>
#include <QVector>

#include <cmath>

namespace {

int colourdistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// Pixels from the outer end of line (pixels from an edge of the picture to
// its middle) to the inner end of the ring.
int ringrun(const QVector<QRgb> &line, QRgb middle)
{
    int from = 0;
    while (from < line.size() && qAlpha(line[from]) < 128)
        ++from;
    // The outermost opaque pixels blend the ring into its surroundings: the
    // ring's colour is the one of the first three least like the middle.
    QRgb ring = middle;
    for (int i = from; i < qMin(from + 3, line.size()); ++i) {
        if (colourdistance(line[i], middle) > colourdistance(ring, middle))
            ring = line[i];
    }
    int end = from;
    while (end < line.size() && colourdistance(line[end], ring) <= colourdistance(line[end], middle))
        ++end;
    return end;
}

} // namespace

FittedMask::FittedMask(const QBitmap &mask, const QPixmap &picture, const QSize &size)
{
    if (mask.isNull())
        return;
    const QImage source = mask.toImage().convertToFormat(QImage::Format_RGB32);
    bitmap = QBitmap::fromImage(source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                                Qt::ThresholdDither);
    outline = QRegion(bitmap.createHeuristicMask(true));
    textroom = outline;
    if (picture.isNull())
        return;
    const QMargins thickness = ring(picture.toImage().convertToFormat(QImage::Format_ARGB32));
    const double across = double(size.width()) / picture.width();
    const double down = double(size.height()) / picture.height();
    // One pixel more, for the blend at the ring's inner edge.
    const int left = int(std::ceil(thickness.left() * across)) + 1;
    const int top = int(std::ceil(thickness.top() * down)) + 1;
    const int right = int(std::ceil(thickness.right() * across)) + 1;
    const int bottom = int(std::ceil(thickness.bottom() * down)) + 1;
    // A pixel is room when the outline holds the pixels the ring's thickness
    // away from it in all eight directions (along the diagonals, as far as a
    // round ring reaches).
    for (int dx : {left, 0, -right}) {
        for (int dy : {top, 0, -bottom}) {
            const double diagonal = dx && dy ? M_SQRT1_2 : 1.0;
            textroom &= outline.translated(int(std::ceil(dx * diagonal)), int(std::ceil(dy * diagonal)));
        }
    }
}

QMargins FittedMask::ring(const QImage &picture)
{
    const int middlex = picture.width() / 2;
    const int middley = picture.height() / 2;
    QVector<QRgb> left, top, right, bottom;
    for (int x = 0; x < middlex; ++x) {
        left << picture.pixel(x, middley);
        right << picture.pixel(picture.width() - 1 - x, middley);
    }
    for (int y = 0; y < middley; ++y) {
        top << picture.pixel(middlex, y);
        bottom << picture.pixel(middlex, picture.height() - 1 - y);
    }
    const QRgb middle = picture.pixel(middlex, middley);
    return QMargins(ringrun(left, middle), ringrun(top, middle), ringrun(right, middle), ringrun(bottom, middle));
}
