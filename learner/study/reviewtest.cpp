// Review test page: dictation of the test's words, one row each, with the
// entered answer over the meaning.

#include "widget.h"
#include "ui_widget.h"

#include "answertext.h"
#include "inputdlg.h"

namespace {

// Word, phonetic and meaning, then sentence and translation.
QList<QLabel *> reviewlabels(const Ui::Widget *ui)
{
    return {ui->label_45, ui->label_44, ui->label_42, ui->label_46, ui->label_43};
}
}

void Widget::on_listWidget_2_currentRowChanged(int row)
{
    ui->listWidget_8->clear();
    ui->label_83->hide();
    ui->lineEdit_18->clear();
    linklist.clear();
    curitem.clear();
    if (row < 0) {
        for (QLabel *label : {ui->label_42, ui->label_45, ui->label_43, ui->label_46})
            label->clear();
        ui->label_44->setText(QStringLiteral("[]"));
    } else {
        const int p = user.workitem(row);
        curitem = user.item(p);
        ui->label_62->setText(difficultytext(user.worddiff(p)));
        resetrepeat();
        const bool sentence = ui->checkBox_13->isChecked() && hassentence(curitem);
        if (ui->checkBox_13->isChecked() && !sentence)
            ui->label_83->show();
        const bool loaded = sentence ? loaditempath(curitem, 6, QStringLiteral("素材不存在："))
                                     : loaditempath(curitem, 3, QStringLiteral("素材出错："));
        if (!loaded)
            return;
        placelabels(reviewlabels(ui), sentence);
        ui->lineEdit_18->setText(ui->listWidget_2->item(row)->text().split(QLatin1Char('\n')).value(0));
        showreview();
        ui->lineEdit_18->setFocus(Qt::OtherFocusReason);
        linklist = user.keyforword(p);
        on_checkBox_clicked();
    }
    shownextbanner(ui->frame_3);
    shownextpicture(ReviewScene, ui->graphicsView_8, ui->label_86);
}

// The current item's texts, the answers hidden; with the error filter on
// only the sound is given.
void Widget::showreview()
{
    ui->label_45->setText(curitem.value(0));
    ui->label_46->setText(curitem.value(4));
    ui->label_45->hide();
    ui->label_46->hide();
    ui->label_44->setText(curitem.value(1));
    ui->label_42->setText(curitem.value(2));
    ui->label_43->setText(curitem.value(5));
    if (ui->checkBox_6->isChecked()) {
        if (!ui->checkBox_15->isChecked())
            ui->checkBox_15->setChecked(true);
        ui->label_44->hide();
        ui->label_43->hide();
        ui->label_42->hide();
        reviewrepeat();
        return;
    }
    if (ui->checkBox_15->isChecked()) {
        ui->label_44->show();
        reviewrepeat();
    } else {
        ui->label_44->hide();
    }
    if (ui->checkBox_13->isChecked())
        ui->label_43->show();
    ui->label_42->show();
}

void Widget::on_lineEdit_18_returnPressed()
{
    checkreview();
}

// Marks the current row; a right answer shows the textbook's word (or
// sentence) so that hand-in counts it. True when the last row's prompt handed
// the test in.
bool Widget::checkreview()
{
    QListWidget *list = ui->listWidget_2;
    const int r = list->currentRow();
    if (ui->stackedWidget->currentIndex() != ReviewPage || r < 0)
        return false;
    const int p = user.workitem(r);
    const QStringList item = user.item(p);
    const bool sentence = ui->checkBox_13->isChecked() && hassentence(item);
    const QString expected = item.value(sentence ? 4 : 0);
    const QString typed = ui->lineEdit_18->text();
    QListWidgetItem *row = list->item(r);
    const QString secondline = QStringLiteral("\n") + item.value(2);
    if (!item.isEmpty() && answertext(typed) == answertext(expected)) {
        if (ui->checkBox_6->isChecked()) {
            row->setText(QStringLiteral("\n"));
            row->setData(Qt::WhatsThisRole, expected);
        } else {
            row->setText(expected + secondline);
        }
    } else {
        row->setText(typed.trimmed() + secondline);
        const int d = user.worddiff(p);
        if (d >= 0 && d <= 19) {
            user.setworddiff(p, d + 1);
            ui->label_62->setText(difficultytext(d + 1));
        }
    }
    ui->lineEdit_18->clear();
    if (r < list->count() - 1) {
        list->setCurrentRow(r + 1);
        return false;
    }
    if (inputDlg::confirm(this, QStringLiteral("已经进行到最后一个，输入“ok”交卷"), scale, fontsize,
                          QStringLiteral("ok"))) {
        handin();
        return true;
    }
    list->setCurrentRow(0);
    return false;
}

// Whether a row's answer is the item's word or its linked sentence, exactly.
bool Widget::isanswer(const QStringList &item, const QString &answer)
{
    return !item.isEmpty() && (answer == item.value(0) || (hassentence(item) && answer == item.value(4)));
}

// Error filter: checked, right and unanswered rows show nothing (a right row
// keeps its answer aside); unchecked, every row shows its answer and meaning.
void Widget::on_checkBox_6_clicked()
{
    QListWidget *list = ui->listWidget_2;
    const bool filter = ui->checkBox_6->isChecked();
    if (filter) {
        if (!ui->checkBox_15->isChecked())
            ui->checkBox_15->setChecked(true);
        if (ui->checkBox->isChecked())
            ui->checkBox->setChecked(false);
    } else if (ui->checkBox_15->isChecked()) {
        ui->checkBox_15->setChecked(false);
    }
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *row = list->item(i);
        const QStringList item = user.item(user.workitem(i));
        if (filter) {
            const QString answer = row->text().split(QLatin1Char('\n')).value(0);
            if (answer.isEmpty()) {
                row->setText(QStringLiteral("\n"));
            } else if (isanswer(item, answer)) {
                row->setData(Qt::WhatsThisRole, answer);
                row->setText(QStringLiteral("\n"));
            }
            continue;
        }
        const QString kept = row->data(Qt::WhatsThisRole).toString();
        if (!kept.isEmpty()) {
            row->setText(kept + QStringLiteral("\n") + item.value(2));
            row->setData(Qt::WhatsThisRole, QString());
        } else if (row->text() == QLatin1String("\n")) {
            row->setText(QStringLiteral("\n") + item.value(2));
        }
    }
    on_listWidget_2_currentRowChanged(list->currentRow());
}

void Widget::on_checkBox_15_clicked()
{
    if (ui->checkBox_15->isChecked()) {
        on_listWidget_2_currentRowChanged(ui->listWidget_2->currentRow());
        return;
    }
    if (ui->checkBox_6->isChecked())
        ui->checkBox_15->setChecked(true);
}

void Widget::on_pushButton_44_clicked()
{
    ui->checkBox_15->setChecked(true);
    on_listWidget_2_currentRowChanged(ui->listWidget_2->currentRow());
}

// The answer and the key knowledge linked to the word.
void Widget::on_checkBox_clicked()
{
    if (!ui->checkBox->isChecked()) {
        ui->label_45->hide();
        ui->label_46->hide();
        ui->listWidget_8->clear();
        return;
    }
    if (ui->checkBox_6->isChecked()) {
        ui->checkBox_6->setChecked(false);
        on_checkBox_6_clicked();
    }
    ui->label_45->show();
    if (ui->checkBox_13->isChecked())
        ui->label_46->show();
    showlinkedkeys(ui->listWidget_8, linklist);
}

void Widget::on_checkBox_13_clicked()
{
    placelabels(reviewlabels(ui), ui->checkBox_13->isChecked());
    on_listWidget_2_currentRowChanged(ui->listWidget_2->currentRow());
}
