#include "readpicture.h"

#include "jpegcost.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace {
const int maxside = 4096;
// Far above any camera's photo; a larger JPEG is refused, not scaled.
const qint64 maxscaledpixels = qint64(1) << 27;
// Far above the scans of any real JPEG; the decoder runs through the whole
// picture once a scan.
const int maxjpegscans = 100;
// What the coefficients of a JPEG decoded scan by scan may take, on every
// route: those of the largest picture accepted, at 32 bits a pixel (64 MiB).
const qint64 maxcoefficientbytes = MaxPicturePixels * 4;

bool toolarge(const QSize &size, qint64 maxpixels)
{
    return size.width() > maxside || size.height() > maxside
        || qint64(size.width()) * size.height() > maxpixels;
}

// A GIF decodes to its logical screen (bytes 6 to 9), not its first frame.
QSize gifscreen(QIODevice *device)
{
    const QByteArray head = device->peek(10);
    if (head.size() < 10)
        return QSize();
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    return QSize(qFromLittleEndian<quint16>(bytes + 6), qFromLittleEndian<quint16>(bytes + 8));
}

// The size the decoder will really allocate; invalid for formats whose
// header does not tell it (ICO, SVG and the like), which are not read.
QSize decodedsize(QImageReader &reader)
{
    const QByteArray format = reader.format();
    if (format == "gif")
        return gifscreen(reader.device()).expandedTo(reader.size());
    static const QList<QByteArray> truthful = {"jpeg", "png", "bmp", "ppm", "pgm", "pbm"};
    return truthful.contains(format) ? reader.size() : QSize();
}

// A JPEG decodes scaled cheaply: down to fit the cap when too large, and
// down to the shown size.
bool scalejpeg(QImageReader &reader, const QSize &size, const QSize &shown, qint64 maxpixels)
{
    if (qint64(size.width()) * size.height() > maxscaledpixels)
        return false;
    QSize fitted = size;
    if (toolarge(fitted, maxpixels))
        fitted = size.scaled(maxside, maxside, Qt::KeepAspectRatio);
    while (toolarge(fitted, maxpixels) && fitted.width() > 1 && fitted.height() > 1)
        fitted /= 2;
    if (shown.isValid())
        fitted = fitted.boundedTo(shown);
    if (fitted.isEmpty() || toolarge(fitted, maxpixels))
        return false;
    if (fitted != size)
        reader.setScaledSize(fitted);
    return true;
}

// A JPEG decoded scan by scan holds all its coefficients, whatever size it
// is decoded at.
bool jpegaffordable(const JpegCost &cost, const QSize &size)
{
    return cost.size == size && cost.scans <= maxjpegscans && cost.coefficientbytes <= maxcoefficientbytes;
}

QImage boundedto(const QImage &image, const QSize &shown)
{
    if (!shown.isValid() || image.size().boundedTo(shown) == image.size())
        return image;
    return image.scaled(image.size().boundedTo(shown), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage readfrom(QImageReader &reader, qint64 maxpixels, const QSize &shown)
{
    reader.setDecideFormatFromContent(true);
    const bool jpeg = reader.format() == "jpeg";
    // Walked before the decoder reads anything.
    const JpegCost cost = jpeg ? jpegcost(reader.device(), maxjpegscans) : JpegCost();
    const QSize size = decodedsize(reader);
    if (!size.isValid())
        return QImage();
    const bool fits = jpeg ? jpegaffordable(cost, size) && scalejpeg(reader, size, shown, maxpixels)
                           : !toolarge(size, maxpixels);
    if (!fits)
        return QImage();
    const QImage image = reader.read();
    // What was decoded must be what the header promised.
    if (image.isNull() || toolarge(image.size(), maxpixels))
        return QImage();
    return boundedto(image, shown);
}
} // namespace

QPixmap readpicture(const QString &path, qint64 maxpixels, const QSize &shown)
{
    // Devices, FIFOs and folders are never opened: they may block or not end.
    if (!QFileInfo(path).isFile())
        return QPixmap();
    QImageReader reader(path);
    return QPixmap::fromImage(readfrom(reader, maxpixels, shown));
}

QPixmap readpicturebytes(const QByteArray &bytes, Qt::ImageConversionFlags flags, qint64 maxpixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return QPixmap::fromImage(readfrom(reader, maxpixels, QSize()), flags);
}
