// Four-choice page: the pause after a wrong answer.

#include "widget.h"
#include "ui_widget.h"

#include <QTimer>

void Widget::ddupdate()
{
    ddtimer->stop();
    QListWidget *list = ui->listWidget_3;
    if (list->currentRow() < list->count() - 1) {
        list->setCurrentRow(list->currentRow() + 1);
        return;
    }
    showmessage(QStringLiteral("已经进行至最后一个，将重新开始"));
    list->setCurrentRow(0);
    // A one-row list keeps its row: ask the same word again.
    if (list->count() == 1)
        emit list->currentRowChanged(0);
}
