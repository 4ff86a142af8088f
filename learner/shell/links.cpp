// Buttons and pictures that open web pages in the desktop's browser.

#include "widget.h"
#include "ui_widget.h"

#include "weblinks.h"
#include "weburl.h"

#include <QDesktopServices>
#include <QUrl>

// Anything but an http or https address opens nothing.
void Widget::openlink(const QString &address)
{
    const QUrl url(address);
    if (isweburl(url))
        QDesktopServices::openUrl(url);
}

void Widget::openwhencurrent(const QListWidget *list, const QString &address)
{
    if (list->currentRow() >= 0)
        openlink(address);
}

void Widget::on_pushButton_17_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_18_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_70_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_71_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_72_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_73_clicked()
{
    openlink(adlink);
}

void Widget::on_pushButton_74_clicked()
{
    openlink(adlink);
}

void Widget::graphicsviewclick7()
{
    openwhencurrent(ui->listWidget, piclink);
}

void Widget::graphicsviewclick8()
{
    openwhencurrent(ui->listWidget_2, weblinks::home());
}

void Widget::graphicsviewclick9()
{
    openwhencurrent(ui->listWidget_3, weblinks::home());
}

void Widget::graphicsviewclick29()
{
    openwhencurrent(ui->listWidget_5, weblinks::home());
}

void Widget::graphicsviewclick14()
{
    openlink(weblinks::home());
}

void Widget::graphicsviewclick30()
{
    openlink(weblinks::home());
}

void Widget::on_pushButton_32_clicked()
{
    openlink(weblinks::tutorial());
}

void Widget::on_pushButton_93_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_117_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_119_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_121_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_123_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_125_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_127_clicked()
{
    on_pushButton_32_clicked();
}

void Widget::on_pushButton_76_clicked()
{
    openlink(weblinks::dictionary());
}

void Widget::on_pushButton_94_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_116_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_118_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_120_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_122_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_124_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_126_clicked()
{
    on_pushButton_76_clicked();
}

void Widget::on_pushButton_56_clicked()
{
    openlink(weblinks::method());
}

void Widget::on_pushButton_67_clicked()
{
    openlink(weblinks::social());
}

void Widget::on_pushButton_68_clicked()
{
    openlink(weblinks::programme());
}
