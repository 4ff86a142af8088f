#include "spinarrows.h"

#include <QAbstractSpinBox>
#include <QImage>
#include <QStackedWidget>

namespace {

// Pixels of an arrow: dark, where the input style's background is pale.
int darkpixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

}

QString spinarrowsmissing(QAbstractSpinBox *spin)
{
    QWidget *page = spin;
    while (page->parentWidget() && !qobject_cast<QStackedWidget *>(page->parentWidget()))
        page = page->parentWidget();
    auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
    if (!stack)
        return QStringLiteral("the spin box is on no page");
    const int shownpage = stack->currentIndex();
    stack->setCurrentWidget(page);
    // The page stack paints the background under the input style's translucent yellow.
    const QImage shown = stack->grab(QRect(spin->mapTo(stack, QPoint(0, 0)), spin->size())).toImage();
    stack->setCurrentIndex(shownpage);

    const int w = shown.width();
    const int h = shown.height();
    const QColor border = shown.pixel(0, h / 2);
    if (border != QColor(0, 0, 255))
        return QStringLiteral("the border is ") + border.name();
    const QColor inside = shown.pixel(3, 3);
    if (inside.red() <= 200 || inside.green() <= 200 || inside.blue() >= inside.red())
        return QStringLiteral("the background is ") + inside.name();
    const QRect up(w * 3 / 4, 2, w / 4 - 3, h / 2 - 3);
    const QRect down(w * 3 / 4, h / 2 + 1, w / 4 - 3, h / 2 - 3);
    if (darkpixels(shown, up) < 3)
        return QStringLiteral("no up arrow in %1 x %2").arg(w).arg(h);
    if (darkpixels(shown, down) < 3)
        return QStringLiteral("no down arrow in %1 x %2").arg(w).arg(h);
    return QString();
}
