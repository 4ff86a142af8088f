#include "scenepicture.h"

#include <QGraphicsScene>
#include <QGraphicsView>

QPixmap scalepixmap(const QPixmap &source, int width, int height)
{
    if (source.isNull())
        return QPixmap();
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void showinscene(QGraphicsScene *scene, QGraphicsView *view, const QPixmap &picture, int width, int height)
{
    scene->clear();
    scene->addPixmap(scalepixmap(picture, width, height));
    view->setScene(scene);
}
