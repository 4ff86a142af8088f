#include "pictures.h"

#include "readpicture.h"

bool bytespixmap(QPixmap &target, const QByteArray &bytes, Qt::ImageConversionFlags flags)
{
    target = readpicturebytes(bytes, flags);
    return !target.isNull();
}
