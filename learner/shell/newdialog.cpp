#include "newdialog.h"
#include "ui_newdialog.h"

#include "dialogframe.h"
#include "fd_dialog.h"
#include "inputdlg.h"
#include "mb_dialog.h"
#include "readpicture.h"
#include "scenepicture.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>

static const QString DefaultAvatar = QStringLiteral(":/default.jpg");

newDialog::newDialog(QWidget *parent)
    : SkinDialog(parent)
    , ui(new Ui::newDialog)
    , scene(new QGraphicsScene)
    , avatar(DefaultAvatar)
{
    ui->setupUi(this);
    DialogFrame::prepare(this);
}

newDialog::~newDialog()
{
    delete scene;
    delete ui;
}

void newDialog::setlist(QStringList *list)
{
    folder = list->size() == 1 ? list->first() : QDir::homePath();
    list->clear();
    output = list;
}

void newDialog::showdlg(float scale, int fontsize)
{
    fitdlg(scale, fontsize);
    showavatar(avatar);
    rundlg(ui->frame, QStringLiteral(":/newdlg.png"));
}

// The preview shows the avatar; it is rebuilt only when the avatar changes.
void newDialog::showavatar(const QString &path)
{
    avatar = path;
    const QSize shown(DialogFrame::scaled(scale, 200), DialogFrame::scaled(scale, 150));
    showinscene(scene, ui->graphicsView, readpicture(path, MaxPicturePixels, shown), shown.width(), shown.height());
}

void newDialog::showmessage(const QString &text)
{
    mb_Dialog::showtext(this, text, scale, fontsize);
}

void newDialog::on_pushButton_5_clicked()
{
    showavatar(DefaultAvatar);
}

void newDialog::on_pushButton_4_clicked()
{
    const QString chosen = fd_Dialog::choosefile(this, folder, QStringLiteral("jpg"), false,
                                                 QStringLiteral("请选择图片文件作为头像(*.jpg)"), scale, fontsize);
    if (!chosen.isEmpty())
        showavatar(chosen);
}

// Tells whether the user file can be written without touching an existing
// file's contents; a probe file made for a missing one is removed again.
bool newDialog::iswritable(const QString &path) const
{
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.close();
    if (!existed)
        file.remove();
    return true;
}

void newDialog::on_pushButton_clicked()
{
    const QString name = ui->lineEdit->text().trimmed();
    if (name.isEmpty()) {
        showmessage(QStringLiteral("请输入用户姓名"));
        return;
    }
    if (ui->lineEdit_2->text().isEmpty()) {
        showmessage(QStringLiteral("请输入用户密码"));
        return;
    }
    if (ui->lineEdit_2->text() != ui->lineEdit_3->text()) {
        showmessage(QStringLiteral("两次输入的密码不一致"));
        return;
    }
    const QString chosen = fd_Dialog::choosefile(this, folder, QStringLiteral("zbu"), true,
                                                 QStringLiteral("请选择用户文件(*.zbu),或者点击“新建文件”圆形按钮"),
                                                 scale, fontsize);
    if (chosen.isEmpty())
        return;
    folder = QFileInfo(chosen).absolutePath();
    if (!iswritable(chosen)) {
        showmessage(QStringLiteral("文件名错误，或者不可写"));
        return;
    }
    // Another learner's file and progress are replaced only on request.
    if (QFileInfo::exists(chosen)
        && !inputDlg::confirm(this, QStringLiteral("输入“ok”将覆盖该用户文件及其学习记录"), scale, fontsize))
        return;
    if (output) {
        output->clear();
        *output << name << ui->lineEdit_2->text() << avatar << chosen << folder;
    }
    close();
}

void newDialog::on_pushButton_2_clicked()
{
    close();
}
