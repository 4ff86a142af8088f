// Hand-in of the review test: the score of a test with a wrong row, or the
// record of a test with every row right.

#include "widget.h"
#include "ui_widget.h"

#include <QSpinBox>

void Widget::on_pushButton_31_clicked()
{
    handin();
}

// Each test is recorded at most once: a hand-in confirmed from the last row's
// prompt ends this one, and so does leaving the page (log-out on a missing
// sound).
void Widget::handin()
{
    QListWidget *list = ui->listWidget_2;
    if (ui->stackedWidget->currentIndex() != ReviewPage || list->count() == 0 || list->currentRow() < 0)
        return;
    if (!ui->lineEdit_18->text().trimmed().isEmpty()
        && (checkreview() || ui->stackedWidget->currentIndex() != ReviewPage))
        return;
    if (ui->checkBox_6->isChecked()) {
        ui->checkBox_6->setChecked(false);
        on_checkBox_6_clicked();
        if (ui->stackedWidget->currentIndex() != ReviewPage)
            return;
    }

    int right = 0;
    int wrong = 0;
    for (int i = 0; i < list->count(); ++i) {
        const QString answer = list->item(i)->text().split(QLatin1Char('\n')).value(0);
        if (isanswer(user.item(user.workitem(i)), answer))
            ++right;
        else
            ++wrong;
    }
    if (wrong > 0) {
        const int score = int(right * 100.0 / (right + wrong) + 0.5);
        showmessage(QStringLiteral("您的成绩：") + QString::number(score));
        return;
    }

    // Every row right: the tested words become one easier, except in the
    // review of a due group, where the schedule decides.
    const auto easerows = [this, list] {
        for (int i = 0; i < list->count(); ++i) {
            const int p = user.workitem(i);
            const int d = user.worddiff(p);
            if (d > 1)
                user.setworddiff(p, d - 1);
        }
    };
    if (!planmode) {
        easerows();
        ui->stackedWidget->setCurrentIndex(PlanPage);
        return;
    }
    const QDateTime now = clock.now();
    const int g = user.groupof(user.workitem(list->count() - 1));
    if (g < 0) {
        user.newgroup(ui->spinBox->value());
        const int last = user.groupcount() - 1;
        user.setgroupstart(last, now);
        const QSpinBox *intervals[] = {ui->spinBox_14, ui->spinBox_15, ui->spinBox_16, ui->spinBox_17,
                                       ui->spinBox_18, ui->spinBox_19, ui->spinBox_20, ui->spinBox_21};
        for (int k = 1; k <= 8; ++k)
            user.setinterval(last, k, intervals[k - 1]->value());
        user.setstage(last, 0);
        easerows();
    } else if (testmode == LearningTest) {
        easerows();
    } else {
        user.completereview(g, now);
    }
    showdue();
}
