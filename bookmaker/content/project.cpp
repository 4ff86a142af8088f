// The project in the material folder: opening, creating, clearing and saving
// book.pro, changing the folder, and the title block of page 0.

#include "widget.h"
#include "ui_widget.h"

#include "dialogframe.h"
#include "fd_dialog.h"
#include "inputdlg.h"
#include "readpicture.h"
#include "saveleftovers.h"
#include "scenepicture.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString ProjectFile = QStringLiteral("book.pro");
const QString FirstShowText = QStringLiteral("当前显示第一个展示信息");
} // namespace

QString Widget::materialfile(const QString &name) const
{
    return ui->label_sucaiweizhi->text() + QDir::separator() + name;
}

QPixmap Widget::picturefile(const QString &path) const
{
    const QSize shown(DialogFrame::scaled(scale, 200), DialogFrame::scaled(scale, 150));
    return path.isEmpty() ? defaultpicture : readpicture(path, MaxPicturePixels, StoredPicture.expandedTo(shown));
}

QString Widget::choosepicture(QPixmap &picture)
{
    const QString chosen = fd_Dialog::choosefile(this, lastfolder, QStringLiteral("jpg"), false,
                                                 QStringLiteral("请选择jpg格式的图片文件"), scale, fontsize);
    if (chosen.isEmpty())
        return QString();
    lastfolder = QFileInfo(chosen).absolutePath();
    picture = picturefile(chosen);
    if (!picture.isNull())
        return chosen;
    refusepicture(chosen);
    return QString();
}

void Widget::refusepicture(const QString &path)
{
    showmessage(QStringLiteral("图片文件无法读取：") + path);
}

void Widget::showpicture(QGraphicsScene *scene, QGraphicsView *view, const QPixmap &picture, bool big)
{
    showinscene(scene, view, picture, DialogFrame::scaled(scale, big ? 200 : 120),
                DialogFrame::scaled(scale, big ? 150 : 90));
}

bool Widget::askok(const QString &prompt)
{
    return inputDlg::confirm(this, prompt, scale, fontsize, QString(), QStringLiteral("Zembrix show: 教材工具"));
}

void Widget::loadproject()
{
    removegenerationleftovers();
    // A finished folder's project is never saved again, which would do it.
    removesaveleftovers(materialfile(ProjectFile));
    finishedBookHere = finishedbook();
    const QString project = materialfile(ProjectFile);
    if (finishedBookHere || !QFile::exists(project) || !book.readproject(project)) {
        showpicture(coverscene, ui->graphicsView, defaultpicture, true);
        showpicture(showscene, ui->graphicsView_7, defaultpicture, true);
        for (int k = 0; k < 5; ++k)
            showpicture(thumbscenes[k], showviews().at(k), defaultpicture, false);
        projectOpen = false;
        return;
    }
    const QStringList info = book.getinfo();
    ui->lineEdit_jiaocaimingcheng->setText(info.at(0));
    ui->lineEdit_zhizuoren->setText(info.at(1));
    ui->lineEdit_shuoming->setText(info.at(2));
    ui->lineEdit_jiyu->setText(info.at(3));
    ui->lineEdit_lianjie->setText(info.at(4));
    ui->label_tupianweizhi->setText(info.at(5));
    showpicture(coverscene, ui->graphicsView, picturefile(info.at(5)), true);

    for (int k = 5; k >= 1; --k)
        loadshowinfo(k);
    projectOpen = true;
}

void Widget::clearui()
{
    ui->pushButton_shengchengxiangmu->setEnabled(!projectOpen);
    ui->pushButton_qingchuxiangmu->setEnabled(projectOpen);
    if (projectOpen)
        return;
    for (QLineEdit *edit : {ui->lineEdit_jiaocaimingcheng, ui->lineEdit_zhizuoren, ui->lineEdit_shuoming,
                            ui->lineEdit_jiyu, ui->lineEdit_lianjie})
        edit->clear();
    ui->label_tupianweizhi->clear();
    showpicture(coverscene, ui->graphicsView, defaultpicture, true);

    ui->label_15->setText(FirstShowText);
    ui->lineEdit_shuoming_2->clear();
    ui->lineEdit_lianjie_2->clear();
    ui->label_tupianweizhi_2->clear();
    showpicture(showscene, ui->graphicsView_7, defaultpicture, true);
    for (int k = 0; k < 5; ++k)
        showpicture(thumbscenes[k], showviews().at(k), defaultpicture, false);

    emptyitemlists();
    ui->checkBox->setChecked(false);
    resetlessontip();
}

// Every list of pages 2 to 5; emptying the word and sentence lists blanks
// their fields without storing them.
void Widget::emptyitemlists()
{
    emptycontentlists();
    ui->listWidget->clear();
    ui->listWidget_6->clear();
}

// The association and lesson pages list the record's words and sentences by
// row; they are emptied whenever those change, and refilled when entered.
void Widget::emptycontentlists()
{
    ui->listWidget_danci_danci->clear();
    ui->listWidget_danci_juzi->clear();
    ui->label_xuanzedanci->clear();
    ui->label_xuanzeciyi->clear();
    ui->label_xuanzeyinbiao->setText(QStringLiteral("[]"));
    ui->label_guanlianjuyi->clear();
    ui->label_guanlianjuzi->clear();
    ui->listWidget_wenzhang->clear();
    ui->listWidget_wenzhang_han->clear();
    ui->listWidget_wenzhang_han_2->clear();
    ui->listWidget_wenzhang_wei->clear();
}

// Edits still in the fields of the title block, the display info and the
// word and sentence rows go into the record.
void Widget::storeedits()
{
    on_pushButton_baocun_clicked();
    on_pushButton_baocun_2_clicked();
    storeitem(true, ui->listWidget->currentRow());
    storeitem(false, ui->listWidget_6->currentRow());
}

void Widget::on_pushButton_shengchengxiangmu_clicked()
{
    if (finishedBookHere) {
        showmessage(QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
        return;
    }
    // A project file that could not be read is only replaced on request.
    if (QFile::exists(materialfile(ProjectFile))
        && !askok(QStringLiteral("现有项目文件无法读取！ 输入“ok”用新项目替换它")))
        return;
    if (!QFileInfo(ui->label_sucaiweizhi->text()).isDir()) {
        showmessage(QStringLiteral("素材位置不存在：") + ui->label_sucaiweizhi->text());
        return;
    }
    book.clear();
    book.setdate(ui->dateEdit->date());
    on_pushButton_baocun_clicked();
    projectOpen = saveproject();
    if (!projectOpen) {
        // The typed fields stay for another try.
        book.clear();
        return;
    }
    clearui();
}

bool Widget::leaveproject(const QString &then)
{
    finishencoding();
    if (!ui->pushButton_qingchuxiangmu->isEnabled())
        return true;
    storeedits();
    return saveproject() || askok(QStringLiteral("项目没有保存！ 输入“ok”放弃修改并") + then);
}

bool Widget::saveproject()
{
    if (book.write(materialfile(ProjectFile), false))
        return true;
    showmessage(QStringLiteral("项目文件无法写入：") + materialfile(ProjectFile));
    return false;
}

void Widget::on_pushButton_qingchuxiangmu_clicked()
{
    if (!askok(QStringLiteral("非常危险！ 输入“ok”清除项目")))
        return;
    if (QFile::remove(materialfile(ProjectFile))) {
        projectOpen = false;
        book.clear();
    }
    clearui();
}

void Widget::on_pushButton_genggaisucai_clicked()
{
    if (!leaveproject(QStringLiteral("更改素材位置")))
        return;
    QString chosen;
    fd_Dialog chooser(this);
    chooser.path = ui->label_sucaiweizhi->text();
    chooser.showfile = false;
    chooser.setext(QStringLiteral("*"));
    chooser.settitle(QStringLiteral("请选择素材所在的文件夹"));
    chooser.result = &chosen;
    chooser.showdlg(scale, fontsize);
    if (chosen.isEmpty())
        return;
    lastfolder = chosen;
    ui->label_sucaiweizhi->setText(chosen);
    // Rows of the old project must not be edited into the new one.
    emptyitemlists();
    book.clear();
    loadproject();
    clearui();
}

void Widget::on_pushButton_baocun_clicked()
{
    book.setinfo(QStringList() << ui->lineEdit_jiaocaimingcheng->text() << ui->lineEdit_zhizuoren->text()
                               << ui->lineEdit_shuoming->text() << ui->lineEdit_jiyu->text()
                               << ui->lineEdit_lianjie->text() << ui->label_tupianweizhi->text());
}

void Widget::on_pushButton_xuantu_clicked()
{
    QPixmap picture;
    const QString chosen = choosepicture(picture);
    if (chosen.isEmpty())
        return;
    ui->label_tupianweizhi->setText(chosen);
    showpicture(coverscene, ui->graphicsView, picture, true);
}

void Widget::on_pushButton_shantu_clicked()
{
    showpicture(coverscene, ui->graphicsView, defaultpicture, true);
    ui->label_tupianweizhi->clear();
}

void Widget::closeEvent(QCloseEvent *event)
{
    stopsound();
    if (!leaveproject(QStringLiteral("关闭"))) {
        event->ignore();
        return;
    }
    event->accept();
}
