#include "pictures.h"

#include "readpicture.h"

QPixmap scalepixmap(const QPixmap &source, int width, int height)
{
    if (source.isNull())
        return QPixmap();
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool bytespixmap(QPixmap &target, const QByteArray &bytes, Qt::ImageConversionFlags flags)
{
    target = readpicturebytes(bytes, flags);
    return !target.isNull();
}
