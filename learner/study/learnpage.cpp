// Learning page: the word of the current row with its sentence, sound, linked
// key knowledge and pictures; delayed meaning, reading aloud and leisure mode.

#include "widget.h"
#include "ui_widget.h"

#include <QListWidget>
#include <QTimer>

void Widget::on_listWidget_currentRowChanged(int row)
{
    ui->listWidget_7->clear();
    ui->label_82->hide();
    ui->lineEdit_19->clear();
    if (row < 0) {
        curitem.clear();
        ui->label_33->clear();
        ui->label_36->clear();
        ui->label_37->clear();
        ui->label_41->clear();
        ui->label_35->setText(QStringLiteral("[]"));
        linklist.clear();
    } else {
        const int i = user.workitem(row);
        curitem = user.item(i);
        ui->label_60->setText(difficultytext(user.worddiff(i)));
        ui->label_35->setText(curitem.value(1));
        ui->label_36->setText(curitem.value(2));
        ui->label_41->setText(hassentence(curitem) ? curitem.value(5) : QString());
        resetrepeat();
        const bool sentence = ui->checkBox_12->isChecked() && hassentence(curitem);
        if (loaditemsound(curitem, sentence ? 6 : 3)) {
            placelabels({ui->label_33, ui->label_35, ui->label_36, ui->label_37, ui->label_41}, sentence);
            if (!sentence && ui->checkBox_12->isChecked())
                ui->label_82->show();
        }
        linklist = user.keyforword(i);
        showlinkedkeys(ui->listWidget_7, linklist);
        showlearn();
        ui->lineEdit_19->setFocus(Qt::OtherFocusReason);
    }
    shownextbanner(ui->frame_2);
    shownextpicture(LearnScene, ui->graphicsView_7, ui->label_34);
}

// The current item as the options ask, then the reading or the leisure pause.
void Widget::showlearn()
{
    const bool upper = ui->checkBox_2->isChecked();
    const QString word = curitem.value(0);
    const QString sentence = hassentence(curitem) ? curitem.value(4) : QString();
    ui->label_33->setText(upper ? word.toUpper() : word);
    ui->label_37->setText(upper ? sentence.toUpper() : sentence);
    ui->label_35->setVisible(ui->checkBox_3->isChecked());
    if (ui->checkBox_4->isChecked()) {
        if (ui->checkBox_12->isChecked())
            ui->label_41->hide();
        else
            ui->label_36->hide();
        hctimer->start(1000);
    } else {
        if (ui->label_36->isHidden())
            ui->label_36->show();
        if (ui->label_41->isHidden())
            ui->label_41->show();
    }
    if (ui->checkBox_5->isChecked())
        learnrepeat();
    else if (ui->checkBox_11->isChecked())
        jgtimer->start(ui->spinBox_12->value() * 1000);
}

// The row change again for the current row; nothing without one.
void Widget::showcurrentrow()
{
    const int row = ui->listWidget->currentRow();
    if (row >= 0)
        on_listWidget_currentRowChanged(row);
}

void Widget::hcupdate()
{
    hctimer->stop();
    if (ui->listWidget->currentRow() < 0)
        return;
    if (ui->label_36->isHidden())
        ui->label_36->show();
    if (ui->label_41->isHidden())
        ui->label_41->show();
}

// Leisure mode: the next row, after the last row the first. A one-row list
// shows its row again.
void Widget::jgupdate()
{
    if (!ui->checkBox_11->isChecked())
        return;
    jgtimer->stop();
    QListWidget *list = ui->listWidget;
    const int row = list->currentRow();
    if (row < 0)
        return;
    if (row < list->count() - 1)
        list->setCurrentRow(row + 1);
    else
        showfirstrow(list);
}

// A sound has played to its end: the next reading of the repeat list, or,
// after the last, the leisure pause on the learning page.
void Widget::playsound()
{
    if (repeatpos < repeatlist.size() - 1) {
        ++repeatpos;
        player.playindex(repeatlist.at(repeatpos));
        repeatdone = false;
        return;
    }
    repeatdone = true;
    if (ui->stackedWidget->currentIndex() == LearnPage && ui->checkBox_11->isChecked())
        jgtimer->start(ui->spinBox_12->value() * 1000);
}

void Widget::on_checkBox_5_clicked()
{
    if (ui->checkBox_5->isChecked())
        showcurrentrow();
}

void Widget::on_pushButton_43_clicked()
{
    ui->checkBox_5->setChecked(true);
    showcurrentrow();
}

void Widget::on_checkBox_12_clicked()
{
    placelabels({ui->label_33, ui->label_35, ui->label_36, ui->label_37, ui->label_41},
                ui->checkBox_12->isChecked());
    showcurrentrow();
}

void Widget::on_checkBox_11_clicked()
{
    if (!ui->checkBox_11->isChecked() || ui->listWidget->currentRow() < 0)
        return;
    if (ui->checkBox_5->isChecked())
        showlearn();
    else
        jgtimer->start(ui->spinBox_12->value() * 1000);
}

void Widget::on_checkBox_3_clicked()
{
    if (ui->listWidget->currentRow() >= 0)
        showlearn();
}

void Widget::on_checkBox_2_clicked()
{
    if (ui->listWidget->currentRow() >= 0)
        showlearn();
}
