#include "mb_dialog.h"
#include "ui_mb_dialog.h"

#include "dialogframe.h"
#include "textfit.h"

#include <QGuiApplication>
#include <QScreen>

mb_Dialog::mb_Dialog(QWidget *parent)
    : SkinDialog(parent)
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
    fitdlg(scale, pointsize);
    fittext();
    rundlg(ui->frame, QStringLiteral(":/mbdlg.png"));
}

void mb_Dialog::showtext(QWidget *parent, const QString &text, float scale, int pointsize)
{
    mb_Dialog box(parent);
    box.settext(text);
    box.showdlg(scale, pointsize);
}

void mb_Dialog::on_pushButton_clicked()
{
    close();
}

// The label, its frame and the box grow by what the wrapped text needs
// beyond the label's height, as far as the screen allows; the button moves
// down with them. The text is drawn smaller only where even that is too little.
void mb_Dialog::fittext()
{
    const int screen = QGuiApplication::primaryScreen()->size().height();
    const int labelheight = ui->label->height();
    const int room = labelheight + qMax(0, screen - height());
    ui->label->resize(ui->label->width(), room);
    TextFit::refit(ui->label);
    const int extra = qMin(ui->label->heightForWidth(ui->label->width()), room) - labelheight;
    ui->label->resize(ui->label->width(), labelheight + qMax(0, extra));
    if (extra <= 0)
        return;
    ui->frame->resize(ui->frame->width(), ui->frame->height() + extra);
    ui->pushButton->move(ui->pushButton->x(), ui->pushButton->y() + extra);
    resize(width(), height() + extra);
    DialogFrame::centre(this);
}
