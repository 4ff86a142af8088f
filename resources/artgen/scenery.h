#ifndef SCENERY_H
#define SCENERY_H

#include <QImage>
#include <QSize>

// The pictures behind everything else: the page backdrop, the thin strips and
// bars, and the placeholder avatar.
namespace Scenery {

QImage backdrop(const QSize& size);
QImage footStrip(const QSize& size);
QImage navigationBar(const QSize& size);
QImage avatar(const QSize& size);

}

#endif
