// Exit, the tutorial page and the banner's link.

#include "widget.h"
#include "ui_widget.h"

#include "weburl.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

QString tutorial()
{
    return QStringLiteral(MAKER_HOST) + QStringLiteral("/show/3_2.html");
}

} // namespace

// Anything but an http or https address opens nothing.
void Widget::openlink(const QString &address)
{
    const QUrl url(address);
    if (isweburl(url))
        QDesktopServices::openUrl(url);
}

void Widget::on_pushButton_tuichu_clicked()
{
    close();
}

void Widget::on_pushButton_tuichu_2_clicked()
{
    close();
}

void Widget::on_pushButton_tuichu_3_clicked()
{
    close();
}

void Widget::on_pushButton_tuichu_4_clicked()
{
    close();
}

void Widget::on_pushButton_tuichu_5_clicked()
{
    close();
}

void Widget::on_pushButton_tuichu_6_clicked()
{
    close();
}

void Widget::on_pushButton_bangzhu_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_bangzhu_2_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_bangzhu_3_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_bangzhu_4_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_bangzhu_5_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_bangzhu_6_clicked()
{
    openlink(tutorial());
}

void Widget::on_pushButton_74_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_75_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_76_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_77_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_78_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_80_clicked()
{
    openlink(adlink);
}
