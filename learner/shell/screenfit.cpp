#include "screenfit.h"

#include "widget.h"
#include "ui_widget.h"

void Widget::fitscreen()
{
    const ScreenFit fit = ScreenFit::fit(ui->stackedWidget);
    scale = fit.scale;
    fontsize = fit.fontsize;
}
