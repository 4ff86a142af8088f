// Lessons: titles and ordered sentence lists. Sentences are picked from all
// sentences into the candidates, arranged there, and given to the selected
// lesson. Candidate and lesson rows keep their sentence index in role 5.

#include "widget.h"
#include "ui_widget.h"

#include <algorithm>

namespace {
const int IndexRole = Qt::WhatsThisRole;

QList<int> selectedrows(const QListWidget *list)
{
    QList<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.append(list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

QListWidgetItem *sentenceitem(const QString &text, int index)
{
    auto *item = new QListWidgetItem(text);
    item->setData(IndexRole, QString::number(index));
    return item;
}
} // namespace

void Widget::showtip(QListWidgetItem *item)
{
    if (item && ui->checkBox->isChecked())
        ui->label_9->setText(QStringLiteral("特别提示：") + item->text());
}

void Widget::on_listWidget_wenzhang_itemClicked(QListWidgetItem *item)
{
    showtip(item);
    ui->listWidget_wenzhang_han_2->clear();
    const int lesson = ui->listWidget_wenzhang->row(item);
    for (int k : book.getlessonitems(lesson))
        ui->listWidget_wenzhang_han_2->addItem(sentenceitem(book.sentence(k).value(0), k));
}

void Widget::on_pushButton_17_clicked()
{
    const QString name = ui->lineEdit_kewenmingcheng->text().trimmed();
    if (name.isEmpty()) {
        showmessage(QStringLiteral("请在“课文”下面的文本框中输入课文名称"));
        return;
    }
    QListWidget *lessons = ui->listWidget_wenzhang;
    const int current = lessons->currentRow();
    const int p = current < 0 ? 0 : current + (ui->radioButton_hou->isChecked() ? 1 : 0);
    if (!book.insertlesson(p, name)) {
        showmessage(QStringLiteral("请先导入句子，再新建课文"));
        return;
    }
    lessons->insertItem(p, name);
    lessons->setCurrentRow(lessons->count() - 1);
    on_listWidget_wenzhang_itemClicked(lessons->currentItem());
    ui->lineEdit_kewenmingcheng->clear();
}

void Widget::on_pushButton_shanchukewen_clicked()
{
    QListWidget *lessons = ui->listWidget_wenzhang;
    const int r = lessons->currentRow();
    if (r < 0)
        return;
    book.removelesson(r);
    delete lessons->takeItem(r);
    ui->lineEdit_kewenmingcheng->clear();
    ui->listWidget_wenzhang_han_2->clear();
    if (lessons->count() > 0) {
        lessons->setCurrentRow(0);
        on_listWidget_wenzhang_itemClicked(lessons->currentItem());
    }
}

void Widget::on_pushButton_xinjianorguanlian_clicked()
{
    QListWidget *lessons = ui->listWidget_wenzhang;
    if (lessons->selectedItems().size() != 1) {
        showmessage(QStringLiteral("请选择一篇课文以便关联"));
        return;
    }
    QList<int> items;
    for (int i = 0; i < ui->listWidget_wenzhang_han->count(); ++i)
        items.append(ui->listWidget_wenzhang_han->item(i)->data(IndexRole).toString().toInt());
    book.setlessonitems(lessons->currentRow(), items);
    on_listWidget_wenzhang_itemClicked(lessons->currentItem());
    ui->listWidget_wenzhang_han->clear();
}

void Widget::on_pushButton_jiaru_clicked()
{
    QListWidget *all = ui->listWidget_wenzhang_wei;
    QListWidget *candidates = ui->listWidget_wenzhang_han;
    const QList<int> rows = selectedrows(all);
    if (rows.isEmpty())
        return;
    const int current = candidates->currentRow();
    if (candidates->count() == 0 || current < 0) {
        for (int s : rows)
            candidates->addItem(sentenceitem(all->item(s)->text(), s));
        return;
    }
    const int b = current + (ui->radioButton_hou->isChecked() ? 1 : 0);
    for (int k = 0; k < rows.size(); ++k) {
        candidates->insertItem(b + k, sentenceitem(all->item(rows.at(k))->text(), rows.at(k)));
        candidates->setCurrentRow(b + k);
    }
}

void Widget::on_pushButton_quchu_clicked()
{
    QListWidget *candidates = ui->listWidget_wenzhang_han;
    const QList<int> rows = selectedrows(candidates);
    for (int k = rows.size() - 1; k >= 0; --k)
        delete candidates->takeItem(rows.at(k));
}

void Widget::on_listWidget_wenzhang_currentRowChanged(int row)
{
    ui->listWidget_wenzhang_han->clear();
    if (row < 0)
        ui->listWidget_wenzhang_han_2->clear();
}

void Widget::on_listWidget_wenzhang_han_2_itemClicked(QListWidgetItem *item)
{
    showtip(item);
}

void Widget::on_listWidget_wenzhang_han_itemClicked(QListWidgetItem *item)
{
    showtip(item);
}

void Widget::on_listWidget_wenzhang_wei_itemClicked(QListWidgetItem *item)
{
    showtip(item);
}

void Widget::on_checkBox_clicked()
{
    resetlessontip();
}

void Widget::resetlessontip()
{
    ui->label_9->setText(QStringLiteral("特别提示：在“课文”下文本框录入课文名，点击“新建课文”按钮；"
                                        "从“全部句子”中选待选句子后，点击“使用”按钮。"));
}
