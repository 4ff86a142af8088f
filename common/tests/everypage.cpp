#include "everypage.h"

#include <QStackedWidget>

void showeverypage(QWidget *window)
{
    for (QStackedWidget *stack : window->findChildren<QStackedWidget *>()) {
        for (int i = 0; i < stack->count(); ++i) {
            QWidget *page = stack->widget(i);
            if (!page->isVisible()) {
                page->show();
                page->hide();
            }
        }
    }
}
