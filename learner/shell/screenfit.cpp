#include "screenfit.h"

#include "dialogframe.h"
#include "widget.h"
#include "ui_widget.h"

#include <QGuiApplication>
#include <QScreen>

static const double DesignWidth = 912.0;

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

void Widget::fitscreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const ScreenFit fit = ScreenFit::choose(screen->size(), ui->stackedWidget->height());
    scale = fit.scale;
    fontsize = fit.fontsize;
    ui->stackedWidget->setGeometry(fit.stack);
    DialogFrame::scaledescendants(ui->stackedWidget, scale, fontsize);
}
