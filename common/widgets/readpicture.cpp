#include "readpicture.h"

#include <QImage>
#include <QImageReader>

namespace {
const int maxside = 4096;
}

QPixmap readpicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxside || size.height() > maxside)
        return QPixmap();
    return QPixmap::fromImage(reader.read());
}
