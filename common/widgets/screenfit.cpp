#include "screenfit.h"

#include "dialogframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <iterator>

static const double DesignWidth = 912.0;
static QSize chosenscreen;

struct WindowSize {
    int width;
    int height;
    int fontsize;
};

static const WindowSize Sizes[] = {
    {1728, 1080, 19}, {1680, 1050, 18}, {1440, 900, 17}, {1228, 768, 13},
    {1152, 720, 12}, {1024, 640, 11}, {800, 500, 8},
};

ScreenFit ScreenFit::choose(const QSize &screen, int designheight)
{
    const WindowSize *chosen = &Sizes[std::size(Sizes) - 1];
    for (const WindowSize &size : Sizes) {
        if (screen.width() >= size.width && screen.height() >= size.height) {
            chosen = &size;
            break;
        }
    }
    ScreenFit fit;
    const double exact = chosen->width / DesignWidth;
    fit.scale = float(exact);
    fit.fontsize = chosen->fontsize;
    fit.stack = QRect((screen.width() - chosen->width) / 2, (screen.height() - chosen->height) / 2,
                      chosen->width, int(exact * designheight));
    return fit;
}

ScreenFit ScreenFit::fit(QWidget *stack)
{
    const QSize screen = chosenscreen.isEmpty() ? QGuiApplication::primaryScreen()->size() : chosenscreen;
    const ScreenFit fit = choose(screen, stack->height());
    stack->setGeometry(fit.stack);
    DialogFrame::scaledescendants(stack, fit.scale, fit.fontsize);
    return fit;
}

void ScreenFit::setscreen(const QSize &size)
{
    chosenscreen = size;
}
