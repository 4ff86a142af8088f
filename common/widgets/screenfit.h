#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QRect>
#include <QSize>

class QWidget;

// The window size chosen for a screen: the largest of seven fixed sizes that
// fits, the page stack centred at that size, and the scale and point size
// that go with it. The design page stack is 912 pixels wide.
class ScreenFit
{
public:
    static ScreenFit choose(const QSize &screen, int designheight);
    // Fits a page stack to the primary screen: its geometry, then every
    // descendant's geometry and point size, and the spin boxes' arrows.
    static ScreenFit fit(QWidget *stack);
    // Fits to this size instead of the primary screen's (an empty size ends that).
    static void setscreen(const QSize &size);

    QRect stack;
    float scale = 1.0f;
    int fontsize = 8;
};

#endif
