#include "shownpicture.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>

QPixmap shownpicture(const QGraphicsView *view)
{
    const QGraphicsScene *scene = view->scene();
    if (!scene)
        return QPixmap();
    for (const QGraphicsItem *item : scene->items()) {
        const auto *picture = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item);
        if (picture && !picture->pixmap().isNull())
            return picture->pixmap();
    }
    return QPixmap();
}
