#include "screenfit.h"

#include "widget.h"
#include "ui_widget.h"

#include "dialogframe.h"

// The input style's border hands the spin boxes' buttons to the style sheet,
// which draws them without arrows: their buttons and arrows are styled here,
// at the window's scale, over the input style's border and background.
static QString spinbuttons(float scale)
{
    return QStringLiteral(
               "QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: padding; width: %1px; border: none; }\n"
               "QSpinBox::up-button { subcontrol-position: top right; }\n"
               "QSpinBox::down-button { subcontrol-position: bottom right; }\n"
               "QSpinBox::up-button:pressed, QSpinBox::down-button:pressed"
               " { background-color: rgba(0, 0, 255, 40); }\n"
               "QSpinBox::up-arrow, QSpinBox::down-arrow { width: %2px; height: %3px; }\n"
               "QSpinBox::up-arrow { image: url(:/spinup.png); }\n"
               "QSpinBox::up-arrow:off, QSpinBox::up-arrow:disabled { image: url(:/spinupoff.png); }\n"
               "QSpinBox::down-arrow { image: url(:/spindown.png); }\n"
               "QSpinBox::down-arrow:off, QSpinBox::down-arrow:disabled { image: url(:/spindownoff.png); }\n")
        .arg(DialogFrame::scaled(scale, 14))
        .arg(DialogFrame::scaled(scale, 10))
        .arg(DialogFrame::scaled(scale, 6));
}

void Widget::fitscreen()
{
    const ScreenFit fit = ScreenFit::fit(ui->stackedWidget);
    scale = fit.scale;
    fontsize = fit.fontsize;
    setStyleSheet(spinbuttons(scale));
    // Every page's banner frame has the size of the first.
    banner.setshown(ui->frame->size());
}
