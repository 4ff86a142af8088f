#ifndef PICTUREPAINTED_H
#define PICTUREPAINTED_H

#include "drawstretched.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

// A widget of class Base that paints its stored picture stretched over
// itself, after Base has painted (frame lines included) and before the
// children paint.
template<typename Base>
class PicturePainted : public Base
{
public:
    using Base::Base;

    void setpixmap(const QPixmap &picture)
    {
        pixmap = picture;
        this->repaint();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Base::paintEvent(event);
        QPainter painter(this);
        drawstretched(painter, pixmap, this->size());
    }

private:
    QPixmap pixmap;
};

#endif
