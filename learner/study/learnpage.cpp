// Learning page: delayed meaning, leisure mode and repeated reading.

#include "widget.h"
#include "ui_widget.h"

#include <QTimer>

void Widget::hcupdate()
{
    if (ui->label_36->isHidden())
        ui->label_36->show();
    if (ui->label_41->isHidden())
        ui->label_41->show();
    hctimer->stop();
}

void Widget::jgupdate()
{
    if (!ui->checkBox_11->isChecked())
        return;
    jgtimer->stop();
    QListWidget *list = ui->listWidget;
    if (list->currentRow() < list->count() - 1) {
        list->setCurrentRow(list->currentRow() + 1);
        return;
    }
    list->setCurrentRow(0);
    // Show row 0 again even when it was current already (a one-row list).
    emit list->currentRowChanged(0);
}

void Widget::playsound()
{
    if (repeatpos < repeatlist.size() - 1) {
        ++repeatpos;
        player.playindex(repeatlist.at(repeatpos));
        repeatdone = false;
        return;
    }
    repeatdone = true;
    if (ui->stackedWidget->currentIndex() == 2 && ui->checkBox_11->isChecked())
        jgtimer->start(ui->spinBox_12->value() * 1000);
}
