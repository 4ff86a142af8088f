// Four-choice page: the word or its meaning asked, four candidates offered;
// a wrong answer leaves the right one alone for a second.

#include "widget.h"
#include "ui_widget.h"

#include <QTimer>

namespace {
const int pause = 1000;
}

void Widget::on_listWidget_3_currentRowChanged(int row)
{
    if (row < 0)
        return;
    if (ddtimer->isActive())
        ddtimer->stop();
    setchoice();
    shownextbanner(ui->frame_4);
    shownextpicture(ChoiceScene, ui->graphicsView_9, ui->label_87);
}

// The question of the current row with its candidates; English to Chinese
// also loads the word's sound.
void Widget::setchoice()
{
    const int row = ui->listWidget_3->currentRow();
    if (row < 0)
        return;
    const int p = user.workitem(row);
    answerlist = user.choices(p);
    curitem = user.item(answerlist.value(0));
    ui->label_67->setText(difficultytext(user.worddiff(p)));
    const bool english = ui->radioButton_3->isChecked();
    ui->pushButton_75->setText(curitem.value(english ? 0 : 2));
    QPushButtonEx *const buttons[] = {ui->pushButton_36, ui->pushButton_37, ui->pushButton_58, ui->pushButton_59};
    for (int k = 1; k <= 4; ++k) {
        const int candidate = answerlist.value(k);
        const QString placeholder = english ? QStringLiteral("单词_%1") : QStringLiteral("word_%1");
        buttons[k - 1]->setText(candidate < 0 ? placeholder.arg(-candidate)
                                              : user.item(candidate).value(english ? 2 : 0));
    }
    if (!english || !loaditempath(curitem, 3, QStringLiteral("素材出错：")))
        return;
    if (ui->checkBox_10->isChecked())
        player.playindex(0);
}

// A right answer moves on; a wrong one makes the word harder and shows the
// right answer alone until the pause ends. Clicks during the pause count not.
void Widget::checkchoice(int option)
{
    QListWidget *list = ui->listWidget_3;
    const int row = list->currentRow();
    if (row < 0 || answerlist.size() <= 4 || ui->pushButton_36->text().isEmpty()
        || ui->pushButton_37->text().isEmpty())
        return;
    if (answerlist.at(0) == answerlist.at(option)) {
        nextchoice(QStringLiteral("已进行至最后一个，将重新开始"));
        return;
    }
    const int p = user.workitem(row);
    const int d = user.worddiff(p);
    if (d <= 19)
        user.setworddiff(p, d + 1);
    ui->label_67->setText(difficultytext(user.worddiff(p)));
    QPushButtonEx *const buttons[] = {ui->pushButton_36, ui->pushButton_37, ui->pushButton_58, ui->pushButton_59};
    const int right = answerlist.indexOf(answerlist.at(0), 1);
    for (int k = 1; k <= 4; ++k) {
        if (k != right)
            buttons[k - 1]->setText(QString());
    }
    ddtimer->start(pause);
}

// The next row, or after the last row the message and row 0 again; a list of
// one row keeps its row and asks its word anew.
void Widget::nextchoice(const QString &message)
{
    QListWidget *list = ui->listWidget_3;
    const int row = list->currentRow();
    if (row < list->count() - 1) {
        list->setCurrentRow(row + 1);
        return;
    }
    showmessage(message);
    list->setCurrentRow(0);
    if (list->count() == 1)
        setchoice();
}

void Widget::ddupdate()
{
    ddtimer->stop();
    if (ui->listWidget_3->currentRow() < 0)
        return;
    nextchoice(QStringLiteral("已经进行至最后一个，将重新开始"));
}

void Widget::on_pushButton_36_clicked()
{
    checkchoice(1);
}

void Widget::on_pushButton_37_clicked()
{
    checkchoice(2);
}

void Widget::on_pushButton_58_clicked()
{
    checkchoice(3);
}

void Widget::on_pushButton_59_clicked()
{
    checkchoice(4);
}

void Widget::on_radioButton_3_clicked()
{
    QListWidget *list = ui->listWidget_3;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setText(user.item(user.workitem(i)).value(0));
    setchoice();
}

void Widget::on_radioButton_4_clicked()
{
    QListWidget *list = ui->listWidget_3;
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setText(user.item(user.workitem(i)).value(2));
    setchoice();
}

void Widget::on_checkBox_10_clicked()
{
    if (ui->listWidget_3->currentRow() < 0) {
        if (ui->checkBox_10->isChecked())
            ui->checkBox_10->setChecked(false);
        return;
    }
    if (!ui->checkBox_10->isChecked())
        return;
    if (!ui->radioButton_3->isChecked()) {
        ui->radioButton_3->setChecked(true);
        on_radioButton_3_clicked();
    }
    player.playindex(0);
}

void Widget::on_pushButton_45_clicked()
{
    if (ui->listWidget_3->currentRow() < 0)
        return;
    ui->checkBox_10->setChecked(true);
    if (!ui->radioButton_3->isChecked()) {
        ui->radioButton_3->setChecked(true);
        on_radioButton_3_clicked();
    }
    player.playindex(0);
    shownextbanner(ui->frame_4);
    shownextpicture(ChoiceScene, ui->graphicsView_9, ui->label_87);
}
