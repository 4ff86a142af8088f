#include "inputdlg.h"
#include "ui_inputdlg.h"

#include "dialogframe.h"

inputDlg::inputDlg(QWidget *parent)
    : SkinDialog(parent)
    , ui(new Ui::inputDlg)
{
    ui->setupUi(this);
    DialogFrame::prepare(this);
}

inputDlg::~inputDlg()
{
    delete ui;
}

void inputDlg::showdlg(float scale, int pointsize, const QString &prompt, const QString &text)
{
    ui->label->setText(prompt);
    fitdlg(scale, pointsize);
    ui->lineEdit->setText(text);
    ui->lineEdit->selectAll();
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
    rundlg(ui->frame, QStringLiteral(":/inputDlg.png"));
}

bool inputDlg::confirm(QWidget *parent, const QString &prompt, float scale, int pointsize,
                       const QString &text, const QString &title)
{
    QString answer;
    inputDlg dialog(parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.result = &answer;
    dialog.showdlg(scale, pointsize, prompt, text);
    return answer.trimmed() == QLatin1String("ok");
}

void inputDlg::on_pushButton_clicked()
{
    answer(ui->lineEdit->text());
}

void inputDlg::on_pushButton_2_clicked()
{
    answer(QString());
}

void inputDlg::answer(const QString &text)
{
    if (result)
        *result = text;
    close();
}
