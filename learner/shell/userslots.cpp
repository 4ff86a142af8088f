// The six user slots of the login page: showing, selecting, importing and
// removing users.

#include "widget.h"
#include "ui_widget.h"

#include "fd_dialog.h"
#include "pictures.h"

#include <QGraphicsScene>

QList<QGraphicsView *> Widget::slotviews() const
{
    return {ui->graphicsView, ui->graphicsView_2, ui->graphicsView_3,
            ui->graphicsView_4, ui->graphicsView_10, ui->graphicsView_11};
}

bool Widget::isslot(int k) const
{
    return k >= 0 && k < SlotCount;
}

// The user-file path of slot k; empty for an empty slot or no slot.
QString Widget::slotpath(int k) const
{
    return isslot(k) ? usrpaths.at(k) : QString();
}

static QPixmap avatarpicture(const MUser &user)
{
    QPixmap picture;
    bytespixmap(picture, user.getavatar());
    return picture;
}

// At start: the avatar of every slot whose user file can be read.
void Widget::showslots()
{
    const QList<QGraphicsView *> views = slotviews();
    for (int k = 0; k < SlotCount; ++k) {
        if (!usrpaths.at(k).isEmpty() && user.readhead(usrpaths.at(k)))
            showpicture(SlotScene + k, views.at(k), avatarpicture(user), 120, 90);
    }
}

// At start: the last user stands in the login box.
void Widget::preselect()
{
    if (!isslot(usrdefault))
        return;
    if (usrpaths.at(usrdefault).isEmpty()) {
        usrdefault = -1;
        return;
    }
    if (user.readhead(usrpaths.at(usrdefault)))
        showloginuser(avatarpicture(user), user.getname());
}

void Widget::showloginuser(const QPixmap &picture, const QString &name)
{
    showpicture(LoginScene, ui->graphicsView_5, picture, 200, 150);
    ui->label_5->setText(name);
    ui->lineEdit->clear();
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
}

void Widget::showslotuser(int k, const QPixmap &picture, const QString &name)
{
    showpicture(SlotScene + k, slotviews().at(k), picture, 120, 90);
    showloginuser(picture, name);
}

// A slot whose file cannot be read says so; nothing else changes.
void Widget::selectslot(int k)
{
    if (slotpath(k).isEmpty())
        return;
    if (!user.readhead(usrpaths.at(k))) {
        showmessage(QStringLiteral("用户文件无法打开，请检查"));
        return;
    }
    showloginuser(avatarpicture(user), user.getname());
    usrdefault = k;
}

// A file that is not a readable user file is refused; the slot stays as it was.
void Widget::importslot(int k)
{
    const QString chosen = fd_Dialog::choosefile(this, defaultpath, QStringLiteral("zbu"), false,
                                                 QStringLiteral("请选择用户文件(*.zbu)"), scale, fontsize);
    if (chosen.isEmpty())
        return;
    if (!user.readhead(chosen)) {
        showmessage(QStringLiteral("用户文件无法打开，请检查"));
        return;
    }
    showslotuser(k, avatarpicture(user), user.getname());
    usrdefault = k;
    usrpaths[k] = chosen;
}

// The user file stays on disk; importing it again restores the slot.
void Widget::removeslot(int k)
{
    if (usrpaths.at(k).isEmpty())
        return;
    scenes[SlotScene + k]->clear();
    const QString removed = usrpaths.at(k);
    usrpaths[k].clear();
    if (usrdefault == k) {
        scenes[LoginScene]->clear();
        ui->label_5->clear();
        ui->lineEdit->clear();
        user.clearprogress();
    }
    showmessage(QStringLiteral("如需恢复请导入：") + removed);
}

void Widget::graphicsviewclick()
{
    selectslot(0);
}

void Widget::graphicsviewclick2()
{
    selectslot(1);
}

void Widget::graphicsviewclick3()
{
    selectslot(2);
}

void Widget::graphicsviewclick4()
{
    selectslot(3);
}

void Widget::graphicsviewclick10()
{
    selectslot(4);
}

void Widget::graphicsviewclick11()
{
    selectslot(5);
}

void Widget::on_pushButton_6_clicked()
{
    importslot(0);
}

void Widget::on_pushButton_10_clicked()
{
    importslot(1);
}

void Widget::on_pushButton_12_clicked()
{
    importslot(2);
}

void Widget::on_pushButton_15_clicked()
{
    importslot(3);
}

void Widget::on_pushButton_88_clicked()
{
    importslot(4);
}

void Widget::on_pushButton_91_clicked()
{
    importslot(5);
}

void Widget::on_pushButton_7_clicked()
{
    removeslot(0);
}

void Widget::on_pushButton_9_clicked()
{
    removeslot(1);
}

void Widget::on_pushButton_13_clicked()
{
    removeslot(2);
}

void Widget::on_pushButton_16_clicked()
{
    removeslot(3);
}

void Widget::on_pushButton_86_clicked()
{
    removeslot(4);
}

void Widget::on_pushButton_89_clicked()
{
    removeslot(5);
}
