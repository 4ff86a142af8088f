#ifndef SHOWNPICTURE_H
#define SHOWNPICTURE_H

#include <QPixmap>

class QGraphicsView;

// The first picture that is not empty in the view's scene; a null pixmap when
// the view has no scene or shows none.
QPixmap shownpicture(const QGraphicsView *view);

#endif
