// Word-sentence association: each word may be linked to one example
// sentence. List rows are word and sentence indexes (natural order).

#include "widget.h"
#include "ui_widget.h"

namespace {
const QString SentenceCaption = QStringLiteral("当前句子");
const QString LinkedCaption = QStringLiteral("当前句子（已经和当前单词关联）");
} // namespace

void Widget::showassocword(int row)
{
    const QStringList word = book.word(row);
    if (word.size() != 4)
        return;
    ui->label_xuanzedanci->setText(word.at(0));
    ui->label_xuanzeyinbiao->setText(word.at(1));
    ui->label_xuanzeciyi->setText(word.at(2));
}

void Widget::updatelinkcaption()
{
    const int w = ui->listWidget_danci_danci->currentRow();
    if (book.haslink(w) >= 1)
        ui->label_8->setText(book.wordsentence(w) == ui->listWidget_danci_juzi->currentRow() ? LinkedCaption
                                                                                               : SentenceCaption);
}

void Widget::on_pushButton_zhiding_clicked()
{
    const int w = ui->listWidget_danci_danci->currentRow();
    if (w < 0)
        return;
    book.setlink(w, ui->listWidget_danci_juzi->currentRow());
    updatelinkcaption();
}

void Widget::on_pushButton_quxiaozhiding_clicked()
{
    const int w = ui->listWidget_danci_danci->currentRow();
    if (w < 0)
        return;
    book.unlink(w, book.wordsentence(w));
    ui->listWidget_danci_juzi->setCurrentRow(-1);
    ui->label_8->setText(SentenceCaption);
}

void Widget::on_pushButton_zidongzhiding_clicked()
{
    if (ui->listWidget_danci_danci->currentRow() < 0 || ui->listWidget_danci_juzi->currentRow() < 0)
        return;
    const int sentences = ui->listWidget_danci_juzi->count();
    for (int i = 0; i < ui->listWidget_danci_danci->count() && i < sentences; ++i)
        book.setlink(i, i);
    updatelinkcaption();
}

void Widget::on_pushButton_xiayigedanci_clicked()
{
    QListWidget *words = ui->listWidget_danci_danci;
    const int w = words->currentRow();
    const int count = words->count();
    if (count == 0 || w < 0)
        return;
    for (int k = 1; k <= count; ++k) {
        const int i = (w + k) % count;
        if (book.haslink(i) <= 0) {
            words->setCurrentRow(i);
            on_listWidget_danci_danci_itemClicked(words->item(i));
            return;
        }
    }
    showmessage(QStringLiteral("所有的单词已经关联了句子"));
}

void Widget::on_listWidget_danci_danci_itemClicked(QListWidgetItem *item)
{
    const int r = ui->listWidget_danci_danci->row(item);
    if (r < 0)
        return;
    showassocword(r);
    if (book.haslink(r) < 1) {
        ui->listWidget_danci_juzi->setCurrentRow(-1);
        ui->label_8->setText(SentenceCaption);
        return;
    }
    const int s = book.wordsentence(r);
    QListWidget *sentences = ui->listWidget_danci_juzi;
    if (s >= sentences->count())
        return;
    sentences->setCurrentRow(s);
    on_listWidget_danci_juzi_itemClicked(sentences->item(s));
    ui->label_8->setText(LinkedCaption);
}

void Widget::on_listWidget_danci_juzi_itemClicked(QListWidgetItem *item)
{
    const int r = ui->listWidget_danci_juzi->row(item);
    const QStringList sentence = book.sentence(r);
    if (sentence.size() != 3)
        return;
    ui->label_guanlianjuzi->setText(sentence.at(0));
    ui->label_guanlianjuyi->setText(sentence.at(1));
    const int w = ui->listWidget_danci_danci->currentRow();
    if (w >= 0 && book.haslink(w) > 0) {
        if (book.wordsentence(w) == r) {
            showassocword(w);
            ui->label_8->setText(LinkedCaption);
        } else {
            ui->label_8->setText(SentenceCaption);
        }
    }
}

// Moving with the arrow keys shows the row as a click does.
void Widget::on_listWidget_danci_danci_currentRowChanged(int row)
{
    if (row >= 0) {
        on_listWidget_danci_danci_itemClicked(ui->listWidget_danci_danci->item(row));
        return;
    }
    ui->label_xuanzedanci->clear();
    ui->label_xuanzeciyi->clear();
    ui->label_xuanzeyinbiao->setText(QStringLiteral("[]"));
    ui->label_8->setText(SentenceCaption);
}

void Widget::on_listWidget_danci_juzi_currentRowChanged(int row)
{
    if (row >= 0) {
        on_listWidget_danci_juzi_itemClicked(ui->listWidget_danci_juzi->item(row));
        return;
    }
    ui->label_guanlianjuzi->clear();
    ui->label_guanlianjuyi->clear();
    ui->label_8->setText(SentenceCaption);
}
