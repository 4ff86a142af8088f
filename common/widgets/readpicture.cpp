#include "readpicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {
const int maxside = 4096;

bool toolarge(const QSize &size, qint64 maxpixels)
{
    return size.width() > maxside || size.height() > maxside
        || qint64(size.width()) * size.height() > maxpixels;
}

QPixmap readfrom(QImageReader &reader, Qt::ImageConversionFlags flags, qint64 maxpixels)
{
    const QSize size = reader.size();
    if (!size.isValid() || toolarge(size, maxpixels))
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
