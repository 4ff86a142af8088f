#include "readpicture.h"

#include <QImage>
#include <QImageReader>

namespace {
const int maxside = 4096;

bool toolarge(const QSize &size)
{
    return size.width() > maxside || size.height() > maxside;
}
} // namespace

bool picturetoolarge(const QString &path)
{
    return toolarge(QImageReader(path).size());
}

QPixmap readpicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || toolarge(size))
        return QPixmap();
    return QPixmap::fromImage(reader.read());
}
