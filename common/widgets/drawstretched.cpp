#include "drawstretched.h"

#include <QPainter>
#include <QPixmap>

void drawstretched(QPainter &painter, const QPixmap &pixmap, const QSize &size)
{
    if (pixmap.isNull())
        return;
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size)), pixmap, QRectF(pixmap.rect()));
}
