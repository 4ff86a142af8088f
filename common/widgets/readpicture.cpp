#include "readpicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {
const int maxside = 4096;

bool toolarge(const QSize &size)
{
    return size.width() > maxside || size.height() > maxside;
}

QPixmap readfrom(QImageReader &reader, Qt::ImageConversionFlags flags)
{
    const QSize size = reader.size();
    if (!size.isValid() || toolarge(size))
        return QPixmap();
    return QPixmap::fromImage(reader.read(), flags);
}
} // namespace

bool picturetoolarge(const QString &path)
{
    return toolarge(QImageReader(path).size());
}

QPixmap readpicture(const QString &path)
{
    QImageReader reader(path);
    return readfrom(reader, Qt::AutoColor);
}

QPixmap readpicturebytes(const QByteArray &bytes, Qt::ImageConversionFlags flags)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readfrom(reader, flags);
}
