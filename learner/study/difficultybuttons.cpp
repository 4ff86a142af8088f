// The six difficulty buttons of the item pages: "特难" 20, "较难" 15, "一般" 10,
// "较易" 5, "特易" 1 and "忽略" 0 for the item of the current row.

#include "widget.h"
#include "ui_widget.h"

#include <QListWidget>

// Words of the learning, review test and four-choice pages.
void Widget::setdifficulty(const QListWidget *list, QLabel *label, int value)
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    user.setworddiff(user.workitem(row), value);
    label->setText(difficultytext(value));
}

// Knowledge cards: the entry kind follows the run.
void Widget::setcarddifficulty(int value)
{
    const int row = ui->listWidget_4->currentRow();
    if (row < 0 || !knowledgemode())
        return;
    setknowledgediff(user.workitem(row), value);
    ui->label_65->setText(difficultytext(value));
}

void Widget::setsentencedifficulty(int value)
{
    if (ui->listWidget_5->currentRow() < 0)
        return;
    user.setsentdiff(currentsentence(), value);
    ui->label_30->setText(QStringLiteral("当前句子的难度系数：") + QString::number(value));
}

void Widget::on_pushButton_23_clicked() { setdifficulty(ui->listWidget, ui->label_60, 20); }
void Widget::on_pushButton_22_clicked() { setdifficulty(ui->listWidget, ui->label_60, 15); }
void Widget::on_pushButton_61_clicked() { setdifficulty(ui->listWidget, ui->label_60, 10); }
void Widget::on_pushButton_21_clicked() { setdifficulty(ui->listWidget, ui->label_60, 5); }
void Widget::on_pushButton_20_clicked() { setdifficulty(ui->listWidget, ui->label_60, 1); }
void Widget::on_pushButton_19_clicked() { setdifficulty(ui->listWidget, ui->label_60, 0); }

void Widget::on_pushButton_30_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 20); }
void Widget::on_pushButton_27_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 15); }
void Widget::on_pushButton_129_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 10); }
void Widget::on_pushButton_25_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 5); }
void Widget::on_pushButton_24_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 1); }
void Widget::on_pushButton_26_clicked() { setdifficulty(ui->listWidget_2, ui->label_62, 0); }

void Widget::on_pushButton_40_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 20); }
void Widget::on_pushButton_39_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 15); }
void Widget::on_pushButton_130_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 10); }
void Widget::on_pushButton_41_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 5); }
void Widget::on_pushButton_38_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 1); }
void Widget::on_pushButton_42_clicked() { setdifficulty(ui->listWidget_3, ui->label_67, 0); }

void Widget::on_pushButton_111_clicked() { setcarddifficulty(20); }
void Widget::on_pushButton_107_clicked() { setcarddifficulty(15); }
void Widget::on_pushButton_131_clicked() { setcarddifficulty(10); }
void Widget::on_pushButton_105_clicked() { setcarddifficulty(5); }
void Widget::on_pushButton_103_clicked() { setcarddifficulty(1); }
void Widget::on_pushButton_110_clicked() { setcarddifficulty(0); }

void Widget::on_pushButton_82_clicked() { setsentencedifficulty(20); }
void Widget::on_pushButton_84_clicked() { setsentencedifficulty(15); }
void Widget::on_pushButton_132_clicked() { setsentencedifficulty(10); }
void Widget::on_pushButton_83_clicked() { setsentencedifficulty(5); }
void Widget::on_pushButton_81_clicked() { setsentencedifficulty(1); }
void Widget::on_pushButton_85_clicked() { setsentencedifficulty(0); }
