// Plan page: "开始" starts a learning run of the option chosen, with the items
// whose difficulty reaches the threshold, in random order.

#include "widget.h"
#include "ui_widget.h"

#include <QListWidget>

namespace {
enum Mode { Phonetic = 0, Words = 1, Key = 2, Lesson = 3 };
}

void Widget::on_pushButton_3_clicked()
{
    if (user.getbookpath().isEmpty()) {
        showmessage(QStringLiteral("没有打开教材，无法开始学习"));
        return;
    }
    testmode = 1;
    const int threshold = ui->spinBox_10->value();
    if (ui->radioButton->isChecked()) {
        if (ui->spinBox->value() < 1)
            return;
        contentmode = Words;
        planmode = true;
        const int start = user.groupcount() > 0 ? user.wordsupto(user.groupcount() - 1) : 0;
        if (pickrun(Words, start, ui->spinBox->value(), ui->spinBox, QStringLiteral(" 个单词中符合条件的单词")))
            fillwordrun();
    } else if (ui->radioButton_2->isChecked()) {
        if (ui->spinBox_3->value() < 1)
            return;
        contentmode = Phonetic;
        if (pickrun(Phonetic, ui->spinBox_2->value() - 1, ui->spinBox_3->value(), ui->spinBox_3,
                    QStringLiteral(" 个语音知识中符合条件的内容")))
            fillknowledgerun(Phonetic);
    } else if (ui->radioButton_6->isChecked()) {
        if (ui->spinBox_5->value() < 1)
            return;
        contentmode = Words;
        planmode = false;
        if (pickrun(Words, ui->spinBox_4->value() - 1, ui->spinBox_5->value(), ui->spinBox_5,
                    QStringLiteral(" 个单词中符合条件的内容")))
            fillwordrun();
    } else if (ui->radioButton_9->isChecked()) {
        if (ui->spinBox_7->value() < 1)
            return;
        contentmode = Key;
        if (pickrun(Key, ui->spinBox_6->value() - 1, ui->spinBox_7->value(), ui->spinBox_7,
                    QStringLiteral(" 个重点知识中符合条件的内容")))
            fillknowledgerun(Key);
    } else if (ui->radioButton_10->isChecked()) {
        if (ui->spinBox_9->value() < 1)
            return;
        contentmode = Lesson;
        startlesson(threshold);
    }
}

// Picks the items start .. start + count - 1 (cut to those that exist, with a
// message) into the work list in random order; false with a message when none
// qualifies.
bool Widget::pickrun(int mode, int start, int count, QSpinBox *countbox, const QString &tail)
{
    const int threshold = ui->spinBox_10->value();
    const int available = mode == Words ? user.wordcount() : mode == Phonetic ? user.phoneticcount()
                                                                             : user.keycount();
    int end = start + count - 1;
    if (qint64(start) + count > available) {
        end = available - 1;
        const int remaining = available - start;
        showmessage(QStringLiteral("将学习仅剩下的 ") + QString::number(remaining) + tail);
        countbox->setValue(remaining);
    }
    if (mode == Words)
        user.pickwords(start, end, threshold);
    else if (mode == Phonetic)
        user.pickphonetic(start, end, threshold);
    else
        user.pickkey(start, end, threshold);
    if (user.makeorder(mode) > 0)
        return true;
    const QString kind = mode == Words ? QStringLiteral("单词") : mode == Phonetic ? QStringLiteral("语音知识")
                                                                                 : QStringLiteral("重点知识");
    showmessage(QStringLiteral("无符合条件的") + kind + QStringLiteral("（难度系数大于等于 ")
                + QString::number(threshold) + QStringLiteral(" )"));
    return false;
}

// The learning page and the four-choice page list the run's words in work order.
void Widget::fillwordrun()
{
    ui->listWidget->clear();
    ui->listWidget_3->clear();
    for (int k = 0; k < user.worksize(); ++k) {
        const QStringList item = user.item(user.workitem(k));
        ui->listWidget->addItem(item.value(0));
        ui->listWidget_3->addItem(ui->radioButton_3->isChecked() ? item.value(0) : item.value(2));
    }
    loadsheet2();
    ui->stackedWidget->setCurrentIndex(LearnPage);
    if (ui->listWidget->count() > 0)
        showfirstrow(ui->listWidget);
}

void Widget::fillknowledgerun(int mode)
{
    ui->listWidget_4->clear();
    for (int k = 0; k < user.worksize(); ++k) {
        const int entry = user.workitem(k);
        const QString title = mode == Phonetic ? user.phonetictitle(entry) : user.keytitle(entry);
        ui->listWidget_4->addItem(title + QLatin1Char('\n'));
    }
    ui->stackedWidget->setCurrentIndex(SelfTestPage);
    if (ui->listWidget_4->count() > 0)
        ui->listWidget_4->setCurrentRow(0);
}

// The lesson's sentences in lesson order; rows carry the sentence index only.
void Widget::startlesson(int threshold)
{
    QListWidget *list = ui->listWidget_5;
    list->clear();
    for (int j : user.lessonitems(ui->spinBox_9->value() - 1)) {
        if (user.sentdiff(j) >= threshold) {
            auto *row = new QListWidgetItem(QString(), list);
            row->setData(Qt::WhatsThisRole, QString::number(j));
        }
    }
    if (list->count() == 0) {
        showmessage(QStringLiteral("课文中无符合条件的句子（难度系数大于等于 ") + QString::number(threshold)
                    + QStringLiteral(" )"));
        return;
    }
    ui->stackedWidget->setCurrentIndex(SentencePage);
    showfirstrow(list);
    on_checkBox_9_clicked();
    on_checkBox_7_clicked();
}
