#include "fd_dialog.h"
#include "ui_fd_dialog.h"

#include "dialogframe.h"
#include "inputdlg.h"
#include "mb_dialog.h"
#include "readpicture.h"
#include "scenepicture.h"

#include <QDirModel>
#include <QFileInfo>
#include <QGraphicsScene>

namespace {

// A name for a new entry right inside the current folder.
bool plainname(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// The tree must be a QDirModel, deprecated since Qt 5.15; only its construction warns.
QDirModel *dirmodel()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return new QDirModel;
    QT_WARNING_POP
}

} // namespace

fd_Dialog::fd_Dialog(QWidget *parent)
    : SkinDialog(parent)
    , model(dirmodel())
    , scene(new QGraphicsScene)
    , ui(new Ui::fd_Dialog)
{
    ui->setupUi(this);
    model->setReadOnly(false);
    ui->treeView->setModel(model);
    for (int column = 1; column <= 3; ++column)
        ui->treeView->hideColumn(column);
    ui->treeView->header()->hide();
    ui->treeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DialogFrame::prepare(this);
}

fd_Dialog::~fd_Dialog()
{
    delete ui;
    delete scene;
    delete model;
}

void fd_Dialog::setext(const QString &ext)
{
    filter = QStringLiteral("*.") + ext.toLower();
    const bool userfile = ext.toLower() == QLatin1String("zbu") && showfile && newfile;
    QPushButtonEx *top = userfile ? ui->pushButton_4 : ui->pushButton;
    QPushButtonEx *bottom = userfile ? ui->pushButton : ui->pushButton_4;
    top->move(320, 60);
    bottom->move(320, 120);
}

void fd_Dialog::settitle(const QString &title)
{
    ui->label->setText(title);
}

void fd_Dialog::showdlg(float scale, int pointsize)
{
    ui->graphicsView->hide();
    ui->pushButton->setText(QStringLiteral("新建\n文件夹"));
    ui->pushButton_4->setText(QStringLiteral("新建\n文件"));
    fitdlg(scale, pointsize);
    openpath();
    rundlg(ui->frame, QStringLiteral(":/fddlg.png"));
}

QString fd_Dialog::choosefile(QWidget *parent, const QString &path, const QString &ext, bool newfile,
                              const QString &title, float scale, int pointsize)
{
    QString chosen;
    fd_Dialog chooser(parent);
    chooser.path = path;
    chooser.showfile = true;
    chooser.newfile = newfile;
    chooser.setext(ext);
    chooser.settitle(title);
    chooser.result = &chosen;
    chooser.showdlg(scale, pointsize);
    return chosen;
}

void fd_Dialog::openpath()
{
    model->setNameFilters(QStringList(filter));
    QDir::Filters entries = QDir::AllDirs | QDir::NoDotAndDotDot;
    if (showfile)
        entries |= QDir::Files;
    model->setFilter(entries);
    model->setSorting(QDir::DirsFirst);
    ui->pushButton_4->setVisible(newfile);
    // The header first: the sideways scroll bar that long names bring is
    // then in place when the current item is scrolled wholly into view.
    if (!DialogFrame::bookmaker()) {
        // As wide as the longest name: the tree scrolls sideways.
        ui->treeView->header()->setStretchLastSection(false);
        ui->treeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    }
    current = model->index(path);
    ui->treeView->expand(current);
    ui->treeView->scrollTo(current, QAbstractItemView::EnsureVisible);
    ui->treeView->setCurrentIndex(current);
    // The sideways scroll bar comes once the shown tree is laid out, later
    // than this; the filter keeps the current item in view when it does.
    ui->treeView->viewport()->installEventFilter(this);
}

bool fd_Dialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->treeView->viewport() && event->type() == QEvent::Resize) {
        // The view's scroll ranges follow the new size first.
        ui->treeView->doItemsLayout();
        ui->treeView->scrollTo(ui->treeView->currentIndex(), QAbstractItemView::EnsureVisible);
    }
    return SkinDialog::eventFilter(watched, event);
}

void fd_Dialog::on_treeView_clicked(const QModelIndex &index)
{
    if (!currentisfile()) {
        ui->graphicsView->hide();
        ui->treeView->setExpanded(index, !ui->treeView->isExpanded(index));
        return;
    }
    const QFileInfo file = model->fileInfo(ui->treeView->currentIndex());
    if (file.suffix().toLower() == QLatin1String("jpg"))
        preview(file.filePath());
    else
        ui->graphicsView->hide();
}

void fd_Dialog::preview(const QString &file)
{
    const QSize shown(DialogFrame::scaled(scale, 100), DialogFrame::scaled(scale, 75));
    const QPixmap picture = readpicture(file, MaxPicturePixels, shown);
    if (picture.isNull()) {
        ui->graphicsView->hide();
        return;
    }
    showinscene(scene, ui->graphicsView, picture, shown.width(), shown.height());
    ui->graphicsView->show();
}

void fd_Dialog::on_pushButton_clicked()
{
    const QModelIndex item = ui->treeView->currentIndex();
    if (!item.isValid())
        return;
    const QString name = askname(QStringLiteral("Zembrix show"), QStringLiteral("请输入要创建的文件夹名称"));
    if (name.isEmpty())
        return;
    if (!plainname(name) || !model->mkdir(item, name).isValid())
        message(QStringLiteral("无法在当前项下创建此文件夹"));
}

void fd_Dialog::on_pushButton_4_clicked()
{
    const QModelIndex item = ui->treeView->currentIndex();
    if (!item.isValid())
        return;
    const QString refusal = QStringLiteral("无法在当前项下建立文件");
    if (!model->isDir(item)) {
        message(refusal);
        return;
    }
    const QString name = askname(QStringLiteral("this is user's title."),
                                 QStringLiteral("请输入要创建的文件名称（不要包含扩展名）"));
    if (name.isEmpty())
        return;
    const QString target = model->filePath(item) + QDir::separator() + name + filter.mid(1);
    if (!plainname(name) || QFileInfo::exists(target)) {
        message(refusal);
        return;
    }
    answer(target);
}

void fd_Dialog::on_pushButton_2_clicked()
{
    const bool isfile = currentisfile();
    if (showfile != isfile) {
        message(showfile ? QStringLiteral("请选择符合条件的文件") : QStringLiteral("请选择文件夹"));
        return;
    }
    const QModelIndex item = ui->treeView->currentIndex();
    answer(item.isValid() ? model->fileInfo(item).filePath() : QString());
}

void fd_Dialog::on_pushButton_3_clicked()
{
    answer(QString());
}

void fd_Dialog::initbtn()
{
    f2.load(QStringLiteral(":/f2"));
    zy.load(QStringLiteral(":/zy"));
    f2.apply(ui->pushButton_3);
    f2.apply(ui->pushButton_2);
    zy.apply(ui->pushButton);
    zy.apply(ui->pushButton_4);
}

bool fd_Dialog::currentisfile() const
{
    const QModelIndex item = ui->treeView->currentIndex();
    return item.isValid() && model->fileInfo(item).isFile();
}

QString fd_Dialog::askname(const QString &title, const QString &prompt) const
{
    QString name;
    inputDlg dialog;
    dialog.setWindowTitle(title);
    dialog.result = &name;
    dialog.showdlg(scale, fontsize, prompt, QString());
    return name;
}

void fd_Dialog::message(const QString &text)
{
    mb_Dialog::showtext(this, text, scale, fontsize);
}

void fd_Dialog::answer(const QString &text)
{
    if (result)
        *result = text;
    close();
}
