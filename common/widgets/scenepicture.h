#ifndef SCENEPICTURE_H
#define SCENEPICTURE_H

#include <QPixmap>

class QGraphicsScene;
class QGraphicsView;

// A copy of source scaled to exactly width x height, aspect ratio ignored,
// fast transformation; a null picture stays null.
QPixmap scalepixmap(const QPixmap &source, int width, int height);

// Replaces what scene holds with picture scaled to width x height and shows
// scene in view.
void showinscene(QGraphicsScene *scene, QGraphicsView *view, const QPixmap &picture, int width, int height);

#endif
