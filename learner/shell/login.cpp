// Logging the selected user in and out.

#include "widget.h"
#include "ui_widget.h"

#include "pictures.h"
#include "saveleftovers.h"

#include <QDateTime>
#include <QFileInfo>

void Widget::on_pushButton_2_clicked()
{
    if (ui->label_5->text().trimmed().isEmpty()) {
        showmessage(QStringLiteral("请先选择用户再登陆"));
        return;
    }
    // The user shown is the one in the selected slot's file, whatever was
    // read into the record since.
    const QString path = slotpath(usrdefault);
    if (path.isEmpty() || !user.readhead(path)) {
        showmessage(QStringLiteral("用户文件无法打开，请检查"));
        return;
    }
    if (!user.checkpassword(ui->lineEdit->text())) {
        showmessage(QStringLiteral("密码不正确"));
        return;
    }
    if (!lockuser(path)) {
        showmessage(QStringLiteral("该用户正在使用中"));
        return;
    }
    // What an interrupted save of this user's files left goes now.
    removesaveleftovers(path);
    removesaveleftovers(usersettingspath());
    // Nothing of the previous user's plan state carries over.
    ui->radioButton->setEnabled(true);
    ui->listWidget_6->clear();
    duelist.clear();
    // The learning and review options are read once a login: what the
    // learner sets stays set over the runs until the logout saves it.
    loadsheet2();
    loadsheet3();
    if (user.getbookpath().isEmpty())
        loginwithoutbook();
    else
        loginwithbook();
    if (ui->stackedWidget->currentIndex() == LoginPage)
        userlock.reset();
}

// A user is logged in in one running learner at a time: the lock beside the
// user file is held from login to logout. One whose holder was killed is
// taken over; a folder where no lock can be made locks nobody out.
bool Widget::lockuser(const QString &path)
{
    const QFileInfo file(QFileInfo(path).canonicalFilePath());
    std::unique_ptr<QLockFile> lock(
        new QLockFile(file.absolutePath() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".inuse")));
    // A holder keeps its lock file locked: only one killed before it wrote
    // its process into the file is judged by age, which then need be short.
    lock->setStaleLockTime(100);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        return false;
    userlock.reset(lock->isLocked() ? lock.release() : nullptr);
    return true;
}

void Widget::loginwithoutbook()
{
    user.clearprogress();
    planmode = false;
    showpicture(BookScene, ui->graphicsView_6, QPixmap(QStringLiteral(":/default.jpg")), 200, 150);
    ui->label_10->clear();
    ui->label_15->clear();
    ui->label_17->clear();
    loadspin();
    ui->stackedWidget->setCurrentIndex(PlanPage);
    ui->pushButton_80->setText(QStringLiteral("打开教材"));
    ui->pushButton_80->setToolTip(QString());
    ui->pushButton_69->setText(QStringLiteral("寻找教材"));
    ui->pushButton_69->setToolTip(QString());
}

// Loads the whole user file and its textbook; when either cannot be read
// the user stays logged out.
void Widget::loginwithbook()
{
    bool bookread = false;
    if (!user.load(slotpath(usrdefault), &bookread)) {
        showmessage(QStringLiteral("用户文件无法打开，请检查"));
        return;
    }
    if (!bookread) {
        const QString bookpath = user.getbookpath();
        user.clearprogress();
        showmessage(bookpath + QStringLiteral(" 无法打开，请检查"));
        return;
    }
    showbook();
    loadspin();
    ui->radioButton->setChecked(true);
    listdue();
    ui->pushButton_80->setText(QStringLiteral("找回忽略"));
    ui->pushButton_80->setToolTip(QStringLiteral("找回忽略的内容重新学习"));
}

// The textbook's title block and picture on the plan page.
void Widget::showbook()
{
    const QStringList info = user.bookinfo();
    const QString name = info.value(0);
    const QString maker = info.value(1);
    const QString order = user.israndom() ? QStringLiteral("【单词随机序】,") : QStringLiteral(",");
    ui->label_10->setText(name + order + maker + QStringLiteral("制作于")
                          + user.bookdate().toString(QStringLiteral("yyyy年 MM月 dd日。")));
    ui->label_15->setText(info.value(2));
    ui->label_17->setText(info.value(3));
    ui->pushButton_69->setText(QStringLiteral("关闭教材"));
    ui->pushButton_69->setToolTip(QStringLiteral("关闭教材将同时删除学习记录，慎用"));
    QPixmap picture;
    bytespixmap(picture, user.bookpic());
    showpicture(BookScene, ui->graphicsView_6, picture, 200, 150);
}

// The groups due now open the review-groups page; with none due the plan page.
void Widget::listdue()
{
    const QDateTime now = clock.now();
    duelist = user.duegroups(now);
    if (!duelist.isEmpty()) {
        listgroups();
        return;
    }
    if (user.wordcount() <= user.wordsupto(user.groupcount() - 1)) {
        ui->radioButton_2->setChecked(true);
        ui->radioButton->setEnabled(false);
        duelist = user.duegroups(now.addDays(1000));
        if (duelist.isEmpty())
            showmessage(QStringLiteral("初记和复习已经完成"));
    }
    ui->stackedWidget->setCurrentIndex(PlanPage);
}

// A failed save is reported and keeps the learner logged in with nothing
// discarded, so that the progress can still be saved.
void Widget::on_pushButton_4_clicked()
{
    // Nobody logged in: nothing to save, nothing to clear.
    if (ui->stackedWidget->currentIndex() == LoginPage)
        return;
    if (!saveuser()) {
        showmessage(QStringLiteral("用户信息无法保存"));
        return;
    }
    userlock.reset();
    user.clearprogress();
    ui->lineEdit->clear();
    ui->stackedWidget->setCurrentIndex(LoginPage);
}

void Widget::on_pushButton_96_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_98_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_100_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_102_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_112_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_115_clicked()
{
    on_pushButton_4_clicked();
}
