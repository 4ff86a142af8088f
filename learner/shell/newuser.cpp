// Creating a new user into one of the six login slots.

#include "widget.h"
#include "ui_widget.h"

#include "newdialog.h"
#include "readpicture.h"
#include "scenepicture.h"

#include <QBuffer>

// The avatar is stored at 200 x 150 whatever the window's scale.
static QByteArray avatarbytes(const QPixmap &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpg");
    return bytes;
}

void Widget::createuser(int k)
{
    QStringList output{defaultpath};
    newDialog dialog(this);
    dialog.setlist(&output);
    dialog.showdlg(scale, fontsize);
    if (output.size() != 5)
        return;

    user.clearprogress();
    user.reset();
    user.setname(output.at(0));
    user.setpassword(output.at(1));
    const QPixmap picture = scalepixmap(readpicture(output.at(2), MaxPicturePixels, QSize(200, 150)), 200, 150);
    user.setavatar(avatarbytes(picture));
    if (!user.save(output.at(3))) {
        showmessage(QStringLiteral("用户信息无法保存"));
        user.clearprogress();
        return;
    }
    showslotuser(k, picture, output.at(0));
    usrdefault = k;
    usrpaths[k] = output.at(3);
    defaultpath = output.at(4);
}

void Widget::on_pushButton_5_clicked()
{
    createuser(0);
}

void Widget::on_pushButton_8_clicked()
{
    createuser(1);
}

void Widget::on_pushButton_11_clicked()
{
    createuser(2);
}

void Widget::on_pushButton_14_clicked()
{
    createuser(3);
}

void Widget::on_pushButton_87_clicked()
{
    createuser(4);
}

void Widget::on_pushButton_90_clicked()
{
    createuser(5);
}
