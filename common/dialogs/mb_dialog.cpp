#include "mb_dialog.h"
#include "ui_mb_dialog.h"

#include "dialogframe.h"

mb_Dialog::mb_Dialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::mb_Dialog)
{
    ui->setupUi(this);
    DialogFrame::prepare(this);
}

mb_Dialog::~mb_Dialog()
{
    delete ui;
}

void mb_Dialog::settext(const QString &text)
{
    ui->label->setText(text);
}

void mb_Dialog::showdlg(float scale, int pointsize)
{
    DialogFrame::fit(this, scale, pointsize);
    initbtn();
    DialogFrame::fixsize(this);
    ui->frame->setpixmap(QPixmap(QStringLiteral(":/mbdlg.png")));
    exec();
}

void mb_Dialog::showtext(QWidget *parent, const QString &text, float scale, int pointsize)
{
    mb_Dialog box(parent);
    box.settext(text);
    box.showdlg(scale, pointsize);
}

void mb_Dialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    DialogFrame::paintbackground(this);
}

void mb_Dialog::on_pushButton_clicked()
{
    close();
}

void mb_Dialog::initbtn()
{
    f2.load(QStringLiteral(":/f2"));
    f2.apply(ui->pushButton);
}
