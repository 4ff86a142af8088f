// The "键盘" buttons: the on-screen keyboard over a page's answer field, its
// Enter running the page's check.

#include "widget.h"
#include "ui_widget.h"

#include "dialog.h"

void Widget::on_pushButton_77_clicked()
{
    openkeyboard(ui->pushButton_77, ui->lineEdit_19, &Widget::on_lineEdit_19_returnPressed);
}

void Widget::on_pushButton_78_clicked()
{
    openkeyboard(ui->pushButton_78, ui->lineEdit_18, &Widget::on_lineEdit_18_returnPressed);
}

void Widget::on_pushButton_79_clicked()
{
    openkeyboard(ui->pushButton_79, ui->lineEdit_2, &Widget::on_lineEdit_2_returnPressed);
}

// The button stays disabled while the keyboard is open. Each page's check acts
// only while its page is shown, so an Enter after a check that left the page
// does nothing.
void Widget::openkeyboard(QWidget *button, QLineEdit *field, void (Widget::*check)())
{
    button->setEnabled(false);
    Dialog keyboard(this);
    connect(&keyboard, &Dialog::enter, this, check);
    keyboard.showdlg(field, scale, fontsize);
    button->setEnabled(true);
}
