#ifndef DRAWSTRETCHED_H
#define DRAWSTRETCHED_H

class QPainter;
class QPixmap;
class QSize;

// Draws the whole picture over (0, 0, size), aspect ratio ignored.
// A null picture draws nothing.
void drawstretched(QPainter &painter, const QPixmap &pixmap, const QSize &size);

#endif
