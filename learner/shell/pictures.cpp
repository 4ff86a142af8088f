#include "pictures.h"

#include <QBuffer>
#include <QImageReader>

// Larger pictures would take hundreds of megabytes to decode.
static const int MaxSide = 4096;

QPixmap scalepixmap(const QPixmap &source, int width, int height)
{
    if (source.isNull())
        return QPixmap();
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool bytespixmap(QPixmap &target, const QByteArray &bytes, Qt::ImageConversionFlags flags)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxSide || size.height() > MaxSide)
        target = QPixmap();
    else
        target = QPixmap::fromImage(reader.read(), flags);
    return !target.isNull();
}
