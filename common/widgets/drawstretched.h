#ifndef DRAWSTRETCHED_H
#define DRAWSTRETCHED_H

class QPainter;
class QPixmap;
class QSize;
class QString;

// Draws the whole picture over (0, 0, size), aspect ratio ignored.
// A null picture draws nothing.
void drawstretched(QPainter &painter, const QPixmap &pixmap, const QSize &size);

// The picture file decoded no larger than size, for a widget of that size
// that draws it stretched: a larger picture comes scaled down to size.
QPixmap stretchedpicture(const QString &path, const QSize &size);

#endif
