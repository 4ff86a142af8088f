#include "firstshow.h"

#include <QEvent>
#include <QWidget>

void FirstShow::run(QWidget *widget, std::function<void()> step)
{
    if (widget->isVisibleTo(widget->window()))
        step();
    else
        new FirstShow(widget, std::move(step));
}

FirstShow::FirstShow(QWidget *widget, std::function<void()> step)
    : QObject(widget)
    , step(std::move(step))
{
    widget->installEventFilter(this);
}

bool FirstShow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        const std::function<void()> run = std::move(step);
        deleteLater();
        run();
    }
    return false;
}
