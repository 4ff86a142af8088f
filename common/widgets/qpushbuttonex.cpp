#include "qpushbuttonex.h"

#include "drawstretched.h"
#include "fittedmask.h"
#include "textfit.h"

#include <QPainter>

QPushButtonEx::QPushButtonEx(QWidget *parent)
    : QPushButton(parent)
    , textrect(0, 0, width(), height())
{
}

QPushButtonEx::~QPushButtonEx() = default;

void QPushButtonEx::setnormalpixmap(const QPixmap &pixmap)
{
    normalpixmap = pixmap;
    repaint();
}

void QPushButtonEx::sethoverpixmap(const QPixmap &pixmap)
{
    hoverpixmap = pixmap;
}

void QPushButtonEx::setpressedpixmap(const QPixmap &pixmap)
{
    pressedpixmap = pixmap;
}

void QPushButtonEx::setmaskpixmap(const QBitmap &mask)
{
    setmaskpixmap(FittedMask(mask, normalpixmap, size()));
}

void QPushButtonEx::setmaskpixmap(const FittedMask &fitted)
{
    maskbitmap = fitted.bitmap;
    maskroom = fitted.textroom;
    setMask(fitted.outline);
    TextFit::refit(this);
}

QBitmap QPushButtonEx::maskpixmap() const
{
    return maskbitmap;
}

void QPushButtonEx::settextmargin(int m)
{
    textrect = QRect(QPoint(m, 0), QPoint(width() - 1 - m, height() - 1));
    TextFit::refit(this);
}

QRect QPushButtonEx::textarea() const
{
    return textrect.isValid() ? textrect : rect();
}

QRegion QPushButtonEx::textroom() const
{
    return maskroom;
}

void QPushButtonEx::setcentered(bool value)
{
    centered = value;
}

Qt::Alignment QPushButtonEx::textalignment() const
{
    return centered ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
}

void QPushButtonEx::settextcolor(const QColor &color)
{
    textcolor = color;
}

void QPushButtonEx::mousePressEvent(QMouseEvent *event)
{
    state = Pressed;
    QPushButton::mousePressEvent(event);
}

void QPushButtonEx::mouseReleaseEvent(QMouseEvent *event)
{
    state = Hover;
    QPushButton::mouseReleaseEvent(event);
}

void QPushButtonEx::enterEvent(QEvent *event)
{
    state = Hover;
    update();
    QPushButton::enterEvent(event);
}

void QPushButtonEx::leaveEvent(QEvent *event)
{
    state = Normal;
    update();
    QPushButton::leaveEvent(event);
}

const QPixmap &QPushButtonEx::statepixmap() const
{
    if (testAttribute(Qt::WA_Disabled))
        return pressedpixmap;
    switch (state) {
    case Hover:
        return hoverpixmap;
    case Pressed:
        return pressedpixmap;
    default:
        return normalpixmap;
    }
}

void QPushButtonEx::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(textcolor);
    drawstretched(painter, statepixmap(), size());
    painter.drawText(textarea(), int(textalignment()), text());
}
