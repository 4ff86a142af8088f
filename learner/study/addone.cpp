#include "addone.h"
#include "ui_addone.h"

#include "dialogframe.h"
#include "mb_dialog.h"

addone::addone(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::addone)
{
    ui->setupUi(this);
    DialogFrame::prepare(this);
}

addone::~addone()
{
    delete ui;
}

void addone::setlist(QStringList *list)
{
    this->list = list;
}

void addone::showdlg(float scale, int fontsize)
{
    this->scale = scale;
    this->fontsize = fontsize;
    DialogFrame::fit(this, scale, fontsize);
    initbtn();
    DialogFrame::fixsize(this);
    ui->frame->setpixmap(QPixmap(QStringLiteral(":/addonedlg.png")));
    exec();
}

bool addone::isvalid(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const QChar c : trimmed) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

void addone::initbtn()
{
    f2.load(QStringLiteral(":/f2"));
    for (QPushButtonEx *button : {ui->pushButton, ui->pushButton_2})
        f2.apply(button);
}

void addone::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    DialogFrame::paintbackground(this);
}

void addone::on_pushButton_2_clicked()
{
    close();
}

void addone::on_pushButton_clicked()
{
    const QString question = ui->lineEdit->text();
    const QString answer = ui->lineEdit_2->text();
    if (!isvalid(question) || !isvalid(answer)) {
        mb_Dialog::showtext(this, QStringLiteral("请检查录入的信息"), scale, fontsize);
        return;
    }
    if (list)
        *list = QStringList{question.trimmed(), answer.trimmed()};
    close();
}
