// Plan page: adopting and closing the textbook, and restoring ignored items.

#include "widget.h"
#include "ui_widget.h"

#include "fd_dialog.h"
#include "inputdlg.h"
#include "weblinks.h"
#include "zhaohuidialog.h"

#include <QFileInfo>

// Without a textbook: choose and adopt one. With one: restore ignored items.
void Widget::on_pushButton_80_clicked()
{
    if (!user.getbookpath().isEmpty()) {
        zhaohuiDialog dialog(this);
        dialog.setuser(&user);
        dialog.showdlg(scale, fontsize);
        return;
    }
    const QString chosen = fd_Dialog::choosefile(this, defaultpath, QStringLiteral("zemBook"), false,
                                                 QStringLiteral("请选择教材文件“*.zemBook”"), scale, fontsize);
    if (chosen.isEmpty())
        return;
    defaultpath = QFileInfo(chosen).absolutePath();
    if (!user.adoptbook(chosen)) {
        showmessage(QStringLiteral("无法加载教材文件“book.zemBook”"));
        return;
    }
    showbook();
    if (!user.save(slotpath(usrdefault)))
        showmessage(QStringLiteral("用户信息无法保存"));
    loadspin();
    ui->pushButton_80->setText(QStringLiteral("找回忽略"));
    ui->pushButton_80->setToolTip(QStringLiteral("找回忽略的内容重新学习"));
    ui->radioButton->setChecked(true);
    ui->radioButton->setEnabled(true);
}

// Without a textbook: the maker's textbook page. With one: close it and drop
// every learning record once the learner has typed "ok".
void Widget::on_pushButton_69_clicked()
{
    if (user.getbookpath().isEmpty()) {
        openlink(weblinks::textbooks());
        return;
    }
    if (!inputDlg::confirm(this, QStringLiteral("输入“ok”将关闭教材并删除所有学习记录"), scale, fontsize))
        return;
    user.dropbook();
    loadspin();
    ui->pushButton_69->setText(QStringLiteral("寻找教材"));
    ui->pushButton_80->setText(QStringLiteral("打开教材"));
    ui->pushButton_69->setToolTip(QString());
    ui->pushButton_80->setToolTip(QString());
    ui->label_10->clear();
    ui->label_15->clear();
    ui->label_17->clear();
    ui->radioButton->setChecked(true);
    ui->radioButton->setEnabled(true);
    showpicture(BookScene, ui->graphicsView_6, QPixmap(QStringLiteral(":/default.jpg")), 200, 150);
}
