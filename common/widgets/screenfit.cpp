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

// The input style's border hands the spin boxes' buttons to the style sheet,
// which draws them without arrows: their buttons and arrows are styled here,
// at the window's scale, over the input style's border and background.
static QString spinbuttons(float scale)
{
    return QStringLiteral(
               "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button"
               " { subcontrol-origin: padding; width: %1px; border: none; }\n"
               "QAbstractSpinBox::up-button { subcontrol-position: top right; }\n"
               "QAbstractSpinBox::down-button { subcontrol-position: bottom right; }\n"
               "QAbstractSpinBox::up-button:pressed, QAbstractSpinBox::down-button:pressed"
               " { background-color: rgba(0, 0, 255, 40); }\n"
               "QAbstractSpinBox::up-arrow, QAbstractSpinBox::down-arrow { width: %2px; height: %3px; }\n"
               "QAbstractSpinBox::up-arrow { image: url(:/spinup.png); }\n"
               "QAbstractSpinBox::up-arrow:off, QAbstractSpinBox::up-arrow:disabled"
               " { image: url(:/spinupoff.png); }\n"
               "QAbstractSpinBox::down-arrow { image: url(:/spindown.png); }\n"
               "QAbstractSpinBox::down-arrow:off, QAbstractSpinBox::down-arrow:disabled"
               " { image: url(:/spindownoff.png); }\n")
        .arg(DialogFrame::scaled(scale, 14))
        .arg(DialogFrame::scaled(scale, 10))
        .arg(DialogFrame::scaled(scale, 6));
}

ScreenFit ScreenFit::fit(QWidget *stack)
{
    const QSize screen = chosenscreen.isEmpty() ? QGuiApplication::primaryScreen()->size() : chosenscreen;
    const ScreenFit fit = choose(screen, stack->height());
    stack->setGeometry(fit.stack);
    DialogFrame::scaledescendants(stack, fit.scale, fit.fontsize);
    stack->setStyleSheet(spinbuttons(fit.scale));
    return fit;
}

void ScreenFit::setscreen(const QSize &size)
{
    chosenscreen = size;
}
