// Page changes, quitting and moving between pages and rows.

#include "widget.h"
#include "ui_widget.h"

#include <QTimer>

// Whatever ran on the page left behind stops; the new page gets a banner.
void Widget::on_stackedWidget_currentChanged(int index)
{
    ui->checkBox_11->setChecked(false);
    hctimer->stop();
    jgtimer->stop();
    ddtimer->stop();
    endrepeat();

    const QList<QFrameEx *> frames = {ui->frame, ui->frame_2, ui->frame_3, ui->frame_4,
                                      ui->frame_5, ui->frame_6, ui->frame_7};
    if (index < 1 || index > frames.size())
        return;
    QPixmap *picture = index == PlanPage ? banner.getone() : index == GroupsPage ? banner.gettwo() : banner.getnext();
    adlink = banner.getlink();
    frames.at(index - 1)->setpixmap(*picture);
}

void Widget::on_pushButton_clicked()
{
    close();
}

void Widget::on_pushButton_92_clicked()
{
    close();
}

void Widget::on_pushButton_95_clicked()
{
    close();
}

void Widget::on_pushButton_97_clicked()
{
    close();
}

void Widget::on_pushButton_99_clicked()
{
    close();
}

void Widget::on_pushButton_101_clicked()
{
    close();
}

void Widget::on_pushButton_106_clicked()
{
    close();
}

void Widget::on_pushButton_114_clicked()
{
    close();
}

void Widget::on_pushButton_57_clicked()
{
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

void Widget::on_pushButton_62_clicked()
{
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

void Widget::on_pushButton_64_clicked()
{
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

void Widget::on_pushButton_65_clicked()
{
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

void Widget::on_pushButton_55_clicked()
{
    testmode = WordTest;
    ui->stackedWidget->setCurrentIndex(ChoicePage);
    if (ui->listWidget_3->count() > 0)
        showfirstrow(ui->listWidget_3);
}

void Widget::nextrow(QListWidget *list)
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    list->setCurrentRow(row < list->count() - 1 ? row + 1 : 0);
}

void Widget::previousrow(QListWidget *list)
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    list->setCurrentRow(row > 0 ? row - 1 : list->count() - 1);
}

void Widget::on_pushButton_60_clicked()
{
    nextrow(ui->listWidget_5);
}

void Widget::on_pushButton_35_clicked()
{
    previousrow(ui->listWidget_5);
}

void Widget::on_pushButton_53_clicked()
{
    nextrow(ui->listWidget_4);
}

void Widget::on_pushButton_34_clicked()
{
    previousrow(ui->listWidget_4);
}

// Makes a run's first row current and shows it. The focus entering the list
// may have made the row current already, and a page change stops its sound.
void Widget::showfirstrow(QListWidget *list)
{
    if (list->currentRow() == 0)
        emit list->currentRowChanged(0);
    else
        list->setCurrentRow(0);
}
