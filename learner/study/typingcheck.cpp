// Learning page: the typed word or example sentence checked on Enter, here or
// on the on-screen keyboard.

#include "widget.h"
#include "ui_widget.h"

#include "answertext.h"

#include <QListWidget>

// Only letters and digits count; a right answer moves on, a wrong one makes
// the word harder. Nothing happens unless the learning page is shown.
void Widget::on_lineEdit_19_returnPressed()
{
    QListWidget *list = ui->listWidget;
    const int row = list->currentRow();
    if (ui->stackedWidget->currentIndex() != LearnPage || row < 0 || ui->lineEdit_19->text().trimmed().isEmpty())
        return;
    const bool sentence = ui->checkBox_12->isChecked() && hassentence(curitem);
    const bool right = answertext(ui->lineEdit_19->text())
        == answertext(sentence ? ui->label_37->text() : ui->label_33->text());
    const bool last = row == list->count() - 1;
    if (ui->checkBox_11->isChecked()) {
        if (right) {
            ui->lineEdit_19->clear();
            list->setCurrentRow(last ? 0 : row + 1);
        }
        return;
    }
    if (right) {
        ui->lineEdit_19->clear();
        if (!last) {
            list->setCurrentRow(row + 1);
            return;
        }
        showmessage(QStringLiteral("最后的单词结束，返回第一个"));
        list->setCurrentRow(0);
        return;
    }
    showmessage(QStringLiteral("输入错误，请检查"));
    if (list->currentRow() < 0)
        return;
    const int i = user.workitem(list->currentRow());
    const int d = user.worddiff(i);
    if (d >= 0 && d <= 19) {
        user.setworddiff(i, d + 1);
        ui->label_60->setText(difficultytext(d + 1));
    }
}
