#include "paintblack.h"

#include <QPainter>
#include <QWidget>

void paintblack(QWidget *widget)
{
    QPainter painter(widget);
    painter.setPen(QColor(0, 0, 0, 255));
    painter.setBrush(QBrush(QColor(0, 0, 0, 255), Qt::SolidPattern));
    painter.drawRect(0, 0, widget->width(), widget->height());
}
