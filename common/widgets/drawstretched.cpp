#include "drawstretched.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

void drawstretched(QPainter &painter, const QPixmap &pixmap, const QSize &size)
{
    if (pixmap.isNull())
        return;
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size)), pixmap, QRectF(pixmap.rect()));
}

QPixmap stretchedpicture(const QString &path, const QSize &size)
{
    QImageReader reader(path);
    const QSize own = reader.size();
    if (own.isValid() && own.boundedTo(size) != own)
        reader.setScaledSize(own.boundedTo(size));
    return QPixmap::fromImage(reader.read());
}
