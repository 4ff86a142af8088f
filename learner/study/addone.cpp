#include "addone.h"
#include "ui_addone.h"

#include "dialogframe.h"
#include "mb_dialog.h"

addone::addone(QWidget *parent)
    : SkinDialog(parent)
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
    fitdlg(scale, fontsize);
    rundlg(ui->frame, QStringLiteral(":/addonedlg.png"));
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
