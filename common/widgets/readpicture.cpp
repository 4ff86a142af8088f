#include "readpicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

namespace {
const int maxside = 4096;
// Far above any camera's photo; a larger JPEG is refused, not scaled.
const qint64 maxscaledpixels = qint64(1) << 27;

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

// A JPEG too large to keep is decoded scaled down, which it does cheaply.
bool scaledown(QImageReader &reader, const QSize &size, qint64 maxpixels)
{
    if (reader.format() != "jpeg" || qint64(size.width()) * size.height() > maxscaledpixels)
        return false;
    QSize fitted = size.scaled(maxside, maxside, Qt::KeepAspectRatio);
    while (toolarge(fitted, maxpixels) && fitted.width() > 1 && fitted.height() > 1)
        fitted /= 2;
    if (fitted.isEmpty() || toolarge(fitted, maxpixels))
        return false;
    reader.setScaledSize(fitted);
    return true;
}

QPixmap readfrom(QImageReader &reader, Qt::ImageConversionFlags flags, qint64 maxpixels)
{
    reader.setDecideFormatFromContent(true);
    const QSize size = decodedsize(reader);
    if (!size.isValid() || (toolarge(size, maxpixels) && !scaledown(reader, size, maxpixels)))
        return QPixmap();
    const QImage image = reader.read();
    // What was decoded must be what the header promised.
    if (image.isNull() || toolarge(image.size(), maxpixels))
        return QPixmap();
    return QPixmap::fromImage(image, flags);
}
} // namespace

QPixmap readpicture(const QString &path, qint64 maxpixels)
{
    // Devices, FIFOs and folders are never opened: they may block or not end.
    if (!QFileInfo(path).isFile())
        return QPixmap();
    QImageReader reader(path);
    return readfrom(reader, Qt::AutoColor, maxpixels);
}

QPixmap readpicturebytes(const QByteArray &bytes, Qt::ImageConversionFlags flags, qint64 maxpixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readfrom(reader, flags, maxpixels);
}
