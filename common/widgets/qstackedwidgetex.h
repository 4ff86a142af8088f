#ifndef QSTACKEDWIDGETEX_H
#define QSTACKEDWIDGETEX_H

#include "picturepainted.h"

#include <QStackedWidget>

// A page stack that paints its picture stretched behind its pages.
class QStackedWidgetEx : public PicturePainted<QStackedWidget>
{
    Q_OBJECT

public:
    explicit QStackedWidgetEx(QWidget *parent = nullptr);
    ~QStackedWidgetEx() override;
};

#endif
