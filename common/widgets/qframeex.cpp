#include "qframeex.h"

#include "drawstretched.h"

#include <QPainter>

QFrameEx::QFrameEx(QWidget *parent)
    : QFrame(parent)
{
}

QFrameEx::~QFrameEx() = default;

void QFrameEx::setpixmap(const QPixmap &picture)
{
    pixmap = picture;
    repaint();
}

void QFrameEx::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawstretched(painter, pixmap, size());
}
