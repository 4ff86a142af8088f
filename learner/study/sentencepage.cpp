// Lesson-sentence page: the learner hears a sentence of the lesson and types it.

#include "widget.h"
#include "ui_widget.h"

#include "answertext.h"

// The sentence index kept in the current row's tag; -1 without a current row.
int Widget::currentsentence() const
{
    const QListWidgetItem *item = ui->listWidget_5->currentItem();
    if (ui->listWidget_5->currentRow() < 0 || !item)
        return -1;
    return item->data(Qt::WhatsThisRole).toString().toInt();
}

void Widget::showsentencediff(int j)
{
    ui->label_30->setText(QStringLiteral("当前句子的难度系数：") + QString::number(user.sentdiff(j)));
}

void Widget::shownextsentencematerial()
{
    shownextbanner(ui->frame_6);
    shownextpicture(SentenceScene, ui->graphicsView_29, ui->label_88);
}

void Widget::on_listWidget_5_currentRowChanged(int currentRow)
{
    if (currentRow >= 0) {
        const int j = currentsentence();
        linklist = user.keyforsentence(j);
        showlinkedkeys(ui->listWidget_9, linklist);
        curitem = user.sentence(j);
        showsentencediff(j);
        ui->label_28->setText(ui->checkBox_7->isChecked() ? curitem.value(1) : QString());
        if (ui->checkBox_9->isChecked()) {
            ui->checkBox_9->setChecked(false);
            ui->label_29->setText(QString());
        }
        ui->lineEdit_2->setText(ui->listWidget_5->currentItem()->text());
        // A row that names no sentence of the textbook has no recording to load.
        if (curitem.isEmpty())
            player.clearsounds();
        else if (loaditemsound(curitem, 2))
            player.playindex(0);
    }
    shownextsentencematerial();
}

void Widget::on_lineEdit_2_returnPressed()
{
    QListWidget *list = ui->listWidget_5;
    const int row = list->currentRow();
    if (ui->stackedWidget->currentIndex() != SentencePage || row < 0 || ui->lineEdit_2->text().trimmed().isEmpty())
        return;
    const int j = currentsentence();
    const int d = user.sentdiff(j);
    if (answertext(ui->lineEdit_2->text()) != answertext(curitem.value(0))) {
        showmessage(QStringLiteral("输入错误，请检查"));
        if (d > 1) {
            if (d <= 19)
                user.setsentdiff(j, d + 1);
            showsentencediff(j);
        }
        return;
    }
    list->currentItem()->setText(curitem.value(0));
    ui->lineEdit_2->clear();
    if (d > 1) {
        user.setsentdiff(j, d - 1);
        showsentencediff(j);
    }
    if (row < list->count() - 1) {
        list->setCurrentRow(row + 1);
        return;
    }
    showmessage(QStringLiteral("已进行至最后一个，将重新开始"));
    showfirstrow(list);
}

void Widget::on_pushButton_52_clicked()
{
    player.playindex(0);
    shownextsentencematerial();
}

void Widget::on_checkBox_9_clicked()
{
    if (!ui->checkBox_9->isChecked())
        ui->label_29->clear();
    else if (ui->listWidget_5->currentRow() >= 0)
        ui->label_29->setText(curitem.value(0));
}

void Widget::on_checkBox_7_clicked()
{
    if (!ui->checkBox_7->isChecked())
        ui->label_28->clear();
    else if (ui->listWidget_5->currentRow() >= 0)
        ui->label_28->setText(curitem.value(1));
}
