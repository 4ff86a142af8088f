// Plan page: the textbook picture.

#include "widget.h"
#include "ui_widget.h"

#include "weblinks.h"

void Widget::graphicsviewclick6()
{
    if (user.getbookpath().isEmpty()) {
        openlink(weblinks::home());
        return;
    }
    const QStringList info = user.bookinfo();
    if (info.size() > 4)
        openlink(info.at(4));
}
