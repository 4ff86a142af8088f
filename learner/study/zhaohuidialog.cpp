#include "zhaohuidialog.h"
#include "ui_zhaohuidialog.h"

#include "dialogframe.h"
#include "mb_dialog.h"
#include "muser.h"

namespace {

void additem(QListWidget *list, const QString &text, int index)
{
    auto *item = new QListWidgetItem(text, list);
    item->setData(Qt::WhatsThisRole, QString::number(index));
}

} // namespace

zhaohuiDialog::zhaohuiDialog(QWidget *parent)
    : SkinDialog(parent)
    , ui(new Ui::zhaohuiDialog)
{
    ui->setupUi(this);
    DialogFrame::prepare(this);
}

zhaohuiDialog::~zhaohuiDialog()
{
    delete ui;
}

void zhaohuiDialog::setuser(MUser *user)
{
    this->user = user;
    ui->listWidget->clear();
    ui->listWidget_2->clear();
    ui->listWidget_3->clear();
    if (!user)
        return;
    for (int i = 0; i < user->phoneticcount(); ++i) {
        if (user->phoneticdiff(i) == 0)
            additem(ui->listWidget, user->phonetictitle(i) + " " + user->phonetictext(i), i);
    }
    for (int j = 0; j < user->wordcount(); ++j) {
        if (user->worddiff(j) != 0)
            continue;
        const QStringList item = user->item(j);
        additem(ui->listWidget_2, item.value(0) + " " + item.value(2), j);
    }
    for (int k = 0; k < user->keycount(); ++k) {
        if (user->keydiff(k) == 0)
            additem(ui->listWidget_3, user->keytitle(k) + " " + user->keytext(k), k);
    }
}

void zhaohuiDialog::showdlg(float scale, int fontsize)
{
    fitdlg(scale, fontsize);
    rundlg(ui->frame, QStringLiteral(":/zhaohuidlg.png"));
}

// Sets every selected entry of the list back to 10 and lists what is still
// ignored.
void zhaohuiDialog::restore(Kind kind, QListWidget *list, const QString &message)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty()) {
        mb_Dialog::showtext(this, message, scale, fontsize);
        return;
    }
    if (!user)
        return;
    for (const QListWidgetItem *item : selected) {
        const int index = item->data(Qt::WhatsThisRole).toString().toInt();
        if (kind == Phonetic)
            user->setphoneticdiff(index, 10);
        else if (kind == Word)
            user->setworddiff(index, 10);
        else
            user->setkeydiff(index, 10);
    }
    setuser(user);
}

void zhaohuiDialog::on_pushButton_2_clicked()
{
    close();
}

void zhaohuiDialog::on_pushButton_4_clicked()
{
    restore(Key, ui->listWidget_3, QStringLiteral("请在右边的列表框中选择想要恢复的重点知识"));
}

void zhaohuiDialog::on_pushButton_3_clicked()
{
    restore(Word, ui->listWidget_2, QStringLiteral("请在中间的列表框中选择想要恢复的单词"));
}

void zhaohuiDialog::on_pushButton_clicked()
{
    restore(Phonetic, ui->listWidget, QStringLiteral("请在左边的列表框中选择想要恢复的语音知识"));
}
