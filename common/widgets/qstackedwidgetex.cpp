#include "qstackedwidgetex.h"

QStackedWidgetEx::QStackedWidgetEx(QWidget *parent)
    : PicturePainted<QStackedWidget>(parent)
{
}

QStackedWidgetEx::~QStackedWidgetEx() = default;
