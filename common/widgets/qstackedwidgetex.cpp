#include "qstackedwidgetex.h"

#include "drawstretched.h"

#include <QPainter>

QStackedWidgetEx::QStackedWidgetEx(QWidget *parent)
    : QStackedWidget(parent)
{
}

QStackedWidgetEx::~QStackedWidgetEx() = default;

void QStackedWidgetEx::setpixmap(const QPixmap &picture)
{
    pixmap = picture;
    repaint();
}

void QStackedWidgetEx::paintEvent(QPaintEvent *event)
{
    QStackedWidget::paintEvent(event);
    QPainter painter(this);
    drawstretched(painter, pixmap, size());
}
