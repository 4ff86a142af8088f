// The adder buttons of the item pages: a phonetic or key knowledge entry of
// the learner's own, linked to the word or sentence of the page's current row.

#include "widget.h"
#include "ui_widget.h"

#include "addone.h"

// list is the page's list; on the sentence page its rows carry sentence
// indexes, elsewhere work-list rows of word positions. linked, when given,
// lists the new key entry at once.
void Widget::addknowledge(Knowledge kind, QListWidget *list, bool sentences, QWidget *parent,
                          QListWidget *linked)
{
    const int row = list->currentRow();
    if (row < 0 || !list->currentItem())
        return;
    QStringList answer;
    {
        addone dialog(parent);
        dialog.setlist(&answer);
        dialog.setWindowTitle(kind == KeyKnowledge ? QStringLiteral("Zembrix Rozo：添加重点知识")
                                                   : QStringLiteral("Zembrix Rozo：添加语音知识"));
        dialog.showdlg(scale, fontsize);
    }
    if (answer.size() != 2 || !addone::isvalid(answer.at(0)) || !addone::isvalid(answer.at(1)))
        return;
    const QString title = answer.at(0).trimmed();
    const QString content = answer.at(1).trimmed();
    const int n = sentences ? list->currentItem()->data(Qt::WhatsThisRole).toString().toInt()
                            : user.workitem(row);
    const int type = sentences ? 3 : 1;
    QSpinBox *count = ui->spinBox_3;
    QSpinBox *first = ui->spinBox_2;
    if (kind == KeyKnowledge) {
        user.addkey(title, content, n, type);
        count = ui->spinBox_7;
        first = ui->spinBox_6;
        count->setMaximum(user.keycount());
    } else {
        user.addphonetic(title, content, n, type);
        count->setMaximum(user.phoneticcount());
    }
    first->setMaximum(count->maximum());
    if (first->value() < 1) {
        first->setMinimum(1);
        first->setValue(1);
    }
    if (linked)
        addlinkedkey(linked, title, content);
}

void Widget::on_pushButton_49_clicked()
{
    addknowledge(KeyKnowledge, ui->listWidget, false, this, ui->listWidget_7);
}

void Widget::on_pushButton_48_clicked()
{
    addknowledge(PhoneticKnowledge, ui->listWidget, false, this, nullptr);
}

void Widget::on_pushButton_47_clicked()
{
    addknowledge(KeyKnowledge, ui->listWidget_2, false, nullptr, ui->listWidget_8);
}

void Widget::on_pushButton_46_clicked()
{
    addknowledge(PhoneticKnowledge, ui->listWidget_2, false, nullptr, nullptr);
}

void Widget::on_pushButton_51_clicked()
{
    addknowledge(KeyKnowledge, ui->listWidget_3, false, nullptr, nullptr);
}

void Widget::on_pushButton_50_clicked()
{
    addknowledge(PhoneticKnowledge, ui->listWidget_3, false, nullptr, nullptr);
}

void Widget::on_pushButton_113_clicked()
{
    addknowledge(KeyKnowledge, ui->listWidget_5, true, nullptr, ui->listWidget_9);
}

void Widget::on_pushButton_108_clicked()
{
    addknowledge(PhoneticKnowledge, ui->listWidget_5, true, nullptr, nullptr);
}
