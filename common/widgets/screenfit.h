#ifndef SCREENFIT_H
#define SCREENFIT_H

#include <QRect>
#include <QSize>

// The window size chosen for a screen: the largest of seven fixed sizes that
// fits, the page stack centred at that size, and the scale and point size
// that go with it. The design page stack is 912 pixels wide.
class ScreenFit
{
public:
    static ScreenFit choose(const QSize &screen, int designheight);

    QRect stack;
    float scale = 1.0f;
    int fontsize = 8;
};

#endif
