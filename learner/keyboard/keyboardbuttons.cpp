// The "键盘" buttons: the on-screen keyboard over a page's answer field, its
// Enter running the page's check.

#include "widget.h"
#include "ui_widget.h"

#include "dialog.h"

void Widget::on_pushButton_77_clicked()
{
    openkeyboard(ui->pushButton_77, ui->lineEdit_19, ui->page_3, &Widget::on_lineEdit_19_returnPressed);
}

void Widget::on_pushButton_78_clicked()
{
    openkeyboard(ui->pushButton_78, ui->lineEdit_18, ui->page_4, &Widget::on_lineEdit_18_returnPressed);
}

void Widget::on_pushButton_79_clicked()
{
    openkeyboard(ui->pushButton_79, ui->lineEdit_2, ui->page_7, &Widget::on_lineEdit_2_returnPressed);
}

// The button stays disabled while the keyboard is open. Enter checks only
// while page is shown: a check that left the page leaves the keyboard typing
// into a hidden field, whose check must not run.
void Widget::openkeyboard(QWidget *button, QLineEdit *field, QWidget *page, void (Widget::*check)())
{
    button->setEnabled(false);
    Dialog keyboard(this);
    const QMetaObject::Connection checking = connect(&keyboard, &Dialog::enter, this, [this, page, check] {
        if (ui->stackedWidget->currentWidget() == page)
            (this->*check)();
    });
    keyboard.showdlg(field, scale, fontsize);
    disconnect(checking);
    button->setEnabled(true);
}
