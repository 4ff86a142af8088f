#ifndef PICTUREPAINTED_H
#define PICTUREPAINTED_H

#include "drawstretched.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QString>

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
        picturepath.clear();
        this->repaint();
    }

    // Shows the picture file at path, decoded when the widget first paints.
    void setpicture(const QString &path)
    {
        pixmap = QPixmap();
        picturepath = path;
        this->update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Base::paintEvent(event);
        if (!picturepath.isEmpty()) {
            pixmap.load(picturepath);
            picturepath.clear();
        }
        QPainter painter(this);
        drawstretched(painter, pixmap, this->size());
    }

private:
    QPixmap pixmap;
    QString picturepath;
};

#endif
