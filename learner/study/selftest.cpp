// Knowledge cards and the know/don't-know self-test over a phonetic or key
// knowledge run.

#include "widget.h"
#include "ui_widget.h"

#include <cmath>

namespace {

const QString Known = QStringLiteral("√");
const QString NotKnown = QStringLiteral("×");

// A row's title and its mark; anything but two parts is no card row.
QStringList rowparts(const QListWidgetItem *item)
{
    return item->text().split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

} // namespace

bool Widget::knowledgemode() const
{
    return contentmode == PhoneticContent || contentmode == KeyContent;
}

QString Widget::knowledgetitle(int k) const
{
    return contentmode == PhoneticContent ? user.phonetictitle(k) : user.keytitle(k);
}

QString Widget::knowledgetext(int k) const
{
    return contentmode == PhoneticContent ? user.phonetictext(k) : user.keytext(k);
}

int Widget::knowledgediff(int k) const
{
    return contentmode == PhoneticContent ? user.phoneticdiff(k) : user.keydiff(k);
}

void Widget::setknowledgediff(int k, int value)
{
    if (contentmode == PhoneticContent)
        user.setphoneticdiff(k, value);
    else if (contentmode == KeyContent)
        user.setkeydiff(k, value);
}

void Widget::showknowledgediff(int k)
{
    ui->label_65->setText(difficultytext(knowledgediff(k)));
}

void Widget::on_listWidget_4_currentRowChanged(int currentRow)
{
    if (currentRow >= 0 && knowledgemode()) {
        const int k = user.workitem(currentRow);
        ui->label_95->setText(knowledgetitle(k));
        ui->label_96->setText(knowledgetext(k));
        ui->label_96->setVisible(ui->checkBox_8->isChecked());
        showknowledgediff(k);
    }
    shownextbanner(ui->frame_5);
}

void Widget::on_pushButton_104_clicked()
{
    QListWidgetItem *item = ui->listWidget_4->currentItem();
    if (ui->listWidget_4->currentRow() < 0 || !item)
        return;
    const QStringList parts = rowparts(item);
    if (parts.size() == 2 && knowledgemode() && parts.at(1) != Known)
        item->setText(knowledgetitle(user.workitem(ui->listWidget_4->currentRow())) + "\n" + Known);
    on_pushButton_53_clicked();
}

// "不会" raises the difficulty without an upper limit.
void Widget::on_pushButton_109_clicked()
{
    QListWidgetItem *item = ui->listWidget_4->currentItem();
    if (ui->listWidget_4->currentRow() < 0 || !item)
        return;
    const QStringList parts = rowparts(item);
    if (parts.size() == 2 && knowledgemode()) {
        const int k = user.workitem(ui->listWidget_4->currentRow());
        setknowledgediff(k, knowledgediff(k) + 1);
        if (parts.at(1) != NotKnown)
            item->setText(knowledgetitle(k) + "\n" + NotKnown);
        showknowledgediff(k);
    }
    ui->label_96->setVisible(true);
}

void Widget::on_checkBox_8_clicked()
{
    ui->label_96->setVisible(ui->checkBox_8->isChecked());
}

// All cards known: each entry gets one easier (the setter keeps 0 at 0), and
// the plan page returns. Otherwise the score is shown.
void Widget::on_pushButton_54_clicked()
{
    QListWidget *list = ui->listWidget_4;
    if (list->count() == 0)
        return;
    int right = 0;
    for (int i = 0; i < list->count(); ++i) {
        const QStringList parts = rowparts(list->item(i));
        if (parts.size() > 1 && parts.at(1) == Known)
            ++right;
    }
    const int wrong = list->count() - right;
    if (wrong > 0) {
        const double score = std::floor(100.0 * right / (right + wrong) + 0.5);
        showmessage(QStringLiteral("您的成绩：") + QString::number(score, 'g', 6));
        return;
    }
    if (knowledgemode()) {
        for (int i = 0; i < list->count(); ++i) {
            const int k = user.workitem(i);
            setknowledgediff(k, knowledgediff(k) - 1);
        }
    }
    ui->stackedWidget->setCurrentIndex(PlanPage);
}
