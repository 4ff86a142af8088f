#include "screenfit.h"

#include "widget.h"
#include "ui_widget.h"

void Widget::fitscreen()
{
    const ScreenFit fit = ScreenFit::fit(ui->stackedWidget);
    scale = fit.scale;
    fontsize = fit.fontsize;
    // Every page's banner frame has the size of the first.
    banner.setshown(ui->frame->size());
}
