// Plan page: "开始" starts a learning run of the option chosen, with the items
// whose difficulty reaches the threshold, in random order.

#include "widget.h"
#include "ui_widget.h"

#include <QListWidget>
#include <QRadioButton>

void Widget::on_pushButton_3_clicked()
{
    if (user.getbookpath().isEmpty()) {
        showmessage(QStringLiteral("没有打开教材，无法开始学习"));
        return;
    }
    testmode = LearningTest;
    // A run of count items from first (none: after the last group, by plan).
    struct Run {
        const QRadioButton *option;
        const QSpinBox *first;
        QSpinBox *count;
        ContentMode mode;
        QString tail;
    };
    const Run runs[] = {
        {ui->radioButton, nullptr, ui->spinBox, WordContent, QStringLiteral(" 个单词中符合条件的单词")},
        {ui->radioButton_2, ui->spinBox_2, ui->spinBox_3, PhoneticContent,
         QStringLiteral(" 个语音知识中符合条件的内容")},
        {ui->radioButton_6, ui->spinBox_4, ui->spinBox_5, WordContent, QStringLiteral(" 个单词中符合条件的内容")},
        {ui->radioButton_9, ui->spinBox_6, ui->spinBox_7, KeyContent, QStringLiteral(" 个重点知识中符合条件的内容")},
    };
    for (const Run &run : runs) {
        if (!run.option->isChecked())
            continue;
        if (run.count->value() < 1)
            return;
        contentmode = run.mode;
        if (run.mode == WordContent)
            planmode = !run.first;
        const int start = run.first ? run.first->value() - 1 : planstart();
        if (!pickrun(run.mode, start, run.count->value(), run.count, run.tail))
            return;
        if (run.mode == WordContent)
            fillwordrun();
        else
            fillknowledgerun(run.mode);
        return;
    }
    if (ui->radioButton_10->isChecked() && ui->spinBox_9->value() >= 1) {
        contentmode = LessonContent;
        startlesson(ui->spinBox_10->value());
    }
}

// Plan learning goes on with the first word after the last group.
int Widget::planstart() const
{
    return user.wordsupto(user.groupcount() - 1);
}

// Picks the items start .. start + count - 1 (cut to those that exist, with a
// message) into the work list in random order; false with a message when none
// qualifies.
bool Widget::pickrun(int mode, int start, int count, QSpinBox *countbox, const QString &tail)
{
    const int threshold = ui->spinBox_10->value();
    const int available = mode == WordContent       ? user.wordcount()
                          : mode == PhoneticContent ? user.phoneticcount()
                                                    : user.keycount();
    int end = start + count - 1;
    if (qint64(start) + count > available) {
        end = available - 1;
        const int remaining = available - start;
        showmessage(QStringLiteral("将学习仅剩下的 ") + QString::number(remaining) + tail);
        countbox->setValue(remaining);
    }
    if (mode == WordContent)
        user.pickwords(start, end, threshold);
    else if (mode == PhoneticContent)
        user.pickphonetic(start, end, threshold);
    else
        user.pickkey(start, end, threshold);
    if (user.makeorder(mode) > 0)
        return true;
    const QString kind = mode == WordContent       ? QStringLiteral("单词")
                         : mode == PhoneticContent ? QStringLiteral("语音知识")
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
    ui->stackedWidget->setCurrentIndex(LearnPage);
    if (ui->listWidget->count() > 0)
        showfirstrow(ui->listWidget);
}

void Widget::fillknowledgerun(int mode)
{
    ui->listWidget_4->clear();
    for (int k = 0; k < user.worksize(); ++k) {
        const int entry = user.workitem(k);
        const QString title = mode == PhoneticContent ? user.phonetictitle(entry) : user.keytitle(entry);
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
