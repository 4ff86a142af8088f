// Review groups: the list of groups due, a group's schedule, and the buttons
// that fill the review test with a due group, the words behind schedule or
// the words of the current learning choice.

#include "widget.h"
#include "ui_widget.h"

#include <QLabel>

// One row per due group, in due-list order; row 0 current.
void Widget::listgroups()
{
    ui->listWidget_6->clear();
    for (int group : qAsConst(duelist)) {
        auto *row = new QListWidgetItem(QStringLiteral("第 %1 组").arg(group + 1), ui->listWidget_6);
        row->setData(Qt::WhatsThisRole, QString::number(group + 1));
    }
    ui->stackedWidget->setCurrentIndex(GroupsPage);
    if (ui->listWidget_6->count() > 0)
        ui->listWidget_6->setCurrentRow(0);
}

// After a recorded test: the groups still due, or the plan page when none is;
// with every word grouped, only free learning is left on the plan page.
void Widget::showdue()
{
    duelist = user.duegroups(clock.now());
    if (!duelist.isEmpty()) {
        listgroups();
        return;
    }
    if (user.wordsupto(user.groupcount() - 1) >= user.wordcount()) {
        ui->radioButton_2->setChecked(true);
        ui->radioButton->setEnabled(false);
    }
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

// The test rows: an empty answer line over each work-list word's meaning.
void Widget::filltest()
{
    ui->listWidget_2->clear();
    for (int i = 0; i < user.worksize(); ++i)
        ui->listWidget_2->addItem(QStringLiteral("\n") + user.item(user.workitem(i)).value(2));
}

void Widget::on_pushButton_128_clicked()
{
    on_pushButton_66_clicked();
}

void Widget::on_pushButton_66_clicked()
{
    duelist = user.duegroups(clock.now());
    if (duelist.isEmpty()) {
        showmessage(QStringLiteral("已无需要复习的内容"));
        return;
    }
    listgroups();
}

// While a group is due the test cannot be left for the plan page.
void Widget::on_pushButton_63_clicked()
{
    duelist = user.duegroups(clock.now());
    if (duelist.isEmpty()) {
        ui->stackedWidget->setCurrentIndex(PlanPage);
        return;
    }
    showmessage(QStringLiteral("必须先完成复习任务！"));
}

void Widget::on_listWidget_6_currentRowChanged(int row)
{
    if (row < 0)
        return;
    // Reviews 1 to 8: the first two with the time of day.
    QLabel *const reviews[] = {ui->label_49, ui->label_50, ui->label_51, ui->label_59,
                               ui->label_72, ui->label_77, ui->label_75, ui->label_78};
    for (QLabel *label : {ui->label_80, ui->label_31, ui->label_48})
        label->setText(QStringLiteral("?"));
    for (QLabel *label : reviews)
        label->setText(QStringLiteral("?"));

    const QString number = ui->listWidget_6->item(row)->data(Qt::WhatsThisRole).toString();
    ui->label_80->setText(number);
    const int g = number.toInt() - 1;
    if (g > 0)
        ui->label_31->setText(QString::number(user.wordsupto(g) - user.wordsupto(g - 1)));
    else if (g == 0)
        ui->label_31->setText(QString::number(user.wordsupto(0)));
    ui->label_48->setText(user.groupstart(g).toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    for (int k = qMin(user.stage(g), 8); k >= 1; --k) {
        const QString format = k <= 2 ? QStringLiteral("yyyy-MM-dd hh:mm") : QStringLiteral("yyyy-MM-dd");
        reviews[k - 1]->setText(user.reviewtime(g, k).toString(format));
    }
}

// The chosen due group's words, those put aside left out. A group with no
// word left to test is reviewed at once, so it cannot keep the learner here.
void Widget::on_pushButton_33_clicked()
{
    const int row = ui->listWidget_6->currentRow();
    if (row < 0 || row >= duelist.size())
        return;
    planmode = true;
    const int g = duelist.at(row);
    const int first = g == 0 ? 0 : user.wordsupto(g - 1);
    user.pickwords(first, user.wordsupto(g) - 1, 1);
    if (user.makeorder(1) == 0) {
        user.completereview(g, clock.now());
        showdue();
        return;
    }
    filltest();
    testmode = DueReview;
    ui->stackedWidget->setCurrentIndex(ReviewPage);
    ui->listWidget_2->setCurrentRow(0);
}

// The words of every group that lag behind its review stage.
void Widget::on_pushButton_28_clicked()
{
    if (user.pickweak() == 0) {
        showmessage(QStringLiteral("没有需要强化复习的内容！"));
        return;
    }
    if (user.makeorder(1) == 0)
        return;
    contentmode = WordContent;
    planmode = true;
    filltest();
    testmode = LearningTest;
    ui->stackedWidget->setCurrentIndex(ReviewPage);
    ui->listWidget_2->setCurrentRow(0);
}

void Widget::on_pushButton_29_clicked()
{
    int first = -1;
    int last = -1;
    int count = 0;
    if (ui->radioButton->isChecked()) {
        first = planstart();
        count = ui->spinBox->value();
    } else if (ui->radioButton_6->isChecked()) {
        first = ui->spinBox_4->value() - 1;
        count = ui->spinBox_5->value();
    }
    if (first >= 0)
        last = qMin(first + count - 1, user.wordcount() - 1);
    user.pickwords(first, last, 1);
    user.makeorder(1);
    filltest();
    testmode = WordTest;
    ui->stackedWidget->setCurrentIndex(ReviewPage);
    if (ui->listWidget_2->count() > 0)
        ui->listWidget_2->setCurrentRow(0);
}

void Widget::on_pushButton_133_clicked()
{
    on_pushButton_29_clicked();
}
