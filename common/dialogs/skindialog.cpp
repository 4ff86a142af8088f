#include "skindialog.h"

#include "dialogframe.h"
#include "qframeex.h"
#include "qpushbuttonex.h"

SkinDialog::SkinDialog(QWidget *parent)
    : QDialog(parent)
{
}

SkinDialog::~SkinDialog() = default;

void SkinDialog::fitdlg(float scale, int fontsize)
{
    this->scale = scale;
    this->fontsize = fontsize;
    DialogFrame::fit(this, scale, fontsize);
}

void SkinDialog::rundlg(QFrameEx *band, const QString &title)
{
    initbtn();
    DialogFrame::fixsize(this);
    band->setpixmap(QPixmap(title));
    exec();
}

void SkinDialog::initbtn()
{
    f2.load(QStringLiteral(":/f2"));
    for (QPushButtonEx *button : findChildren<QPushButtonEx *>())
        f2.apply(button);
}

void SkinDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    DialogFrame::paintbackground(this);
}
