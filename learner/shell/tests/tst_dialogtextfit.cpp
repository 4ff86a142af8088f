#include "addone.h"
#include "chinesedefaults.h"
#include "dialog.h"
#include "dialogdriver.h"
#include "dialogframe.h"
#include "fd_dialog.h"
#include "inputdlg.h"
#include "mb_dialog.h"
#include "newdialog.h"
#include "screenfit.h"
#include "textfitcheck.h"
#include "zhaohuidialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Shows a dialog modally at a scale and point size, the way its program does.
struct ShownDialog {
    QString dialogclass;
    bool bookmaker;
    std::function<void(const QString &folder, float scale, int pointsize)> show;
};

void choosefolder(const QString &folder, const QString &title, float scale, int pointsize)
{
    QString chosen;
    fd_Dialog chooser;
    chooser.path = folder;
    chooser.showfile = false;
    chooser.setext(QStringLiteral("*"));
    chooser.settitle(title);
    chooser.result = &chosen;
    chooser.showdlg(scale, pointsize);
}

// Every dialog of both programs, with the longest texts the programs give them.
const QMap<QString, ShownDialog> &dialogs()
{
    static const QMap<QString, ShownDialog> all = {
        {"newuser", {"newDialog", false, [](const QString &folder, float scale, int pointsize) {
             QStringList list{folder};
             newDialog dialog;
             dialog.setlist(&list);
             dialog.showdlg(scale, pointsize);
         }}},
        {"addone", {"addone", false, [](const QString &, float scale, int pointsize) {
             QStringList list;
             addone dialog;
             dialog.setlist(&list);
             dialog.showdlg(scale, pointsize);
         }}},
        {"zhaohui", {"zhaohuiDialog", false, [](const QString &, float scale, int pointsize) {
             zhaohuiDialog dialog;
             dialog.setuser(nullptr);
             dialog.showdlg(scale, pointsize);
         }}},
        {"keyboard", {"Dialog", false, [](const QString &, float scale, int pointsize) {
             QLineEdit field;
             Dialog keyboard;
             keyboard.showdlg(&field, scale, pointsize);
         }}},
        {"message", {"mb_Dialog", false, [](const QString &folder, float scale, int pointsize) {
             mb_Dialog::showtext(nullptr, folder + QStringLiteral("/book.zemBook 无法打开，请检查"), scale,
                                 pointsize);
         }}},
        {"confirm", {"inputDlg", false, [](const QString &, float scale, int pointsize) {
             inputDlg::confirm(nullptr, QStringLiteral("输入“ok”将关闭教材并删除所有学习记录"), scale, pointsize);
         }}},
        {"userfile", {"fd_Dialog", false, [](const QString &folder, float scale, int pointsize) {
             fd_Dialog::choosefile(nullptr, folder, QStringLiteral("zbu"), true,
                                   QStringLiteral("请选择用户文件(*.zbu),或者点击“新建文件”圆形按钮"), scale,
                                   pointsize);
         }}},
        {"bookmaker message", {"mb_Dialog", true, [](const QString &, float scale, int pointsize) {
             mb_Dialog::showtext(nullptr, QStringLiteral("请在“课文”下面的文本框中输入课文名称"), scale, pointsize);
         }}},
        {"bookmaker confirm", {"inputDlg", true, [](const QString &, float scale, int pointsize) {
             inputDlg::confirm(nullptr, QStringLiteral("现有项目文件无法读取！ 输入“ok”用新项目替换它"), scale,
                               pointsize, QString(), QStringLiteral("Zembrix show: 教材工具"));
         }}},
        {"bookmaker folder", {"fd_Dialog", true, [](const QString &folder, float scale, int pointsize) {
             choosefolder(folder, QStringLiteral("Zivozedozar（素材）：请选择lame所在的文件夹"), scale, pointsize);
         }}},
        {"bookmaker picture", {"fd_Dialog", true, [](const QString &folder, float scale, int pointsize) {
             fd_Dialog::choosefile(nullptr, folder, QStringLiteral("jpg"), false,
                                   QStringLiteral("请选择jpg格式的图片文件"), scale, pointsize);
         }}},
    };
    return all;
}

} // namespace

class tst_dialogtextfit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void dialog_data();
    void dialog();
    void longmessage_data();
    void longmessage();
};

void tst_dialogtextfit::initTestCase()
{
    usechinesedefaults();
}

void tst_dialogtextfit::cleanup()
{
    DialogFrame::setbookmaker(false);
}

void tst_dialogtextfit::dialog_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("dialog");
    for (const auto &size : textfitcheck::sizes()) {
        for (const QString &name : dialogs().keys())
            QTest::newRow(qPrintable(size.first + ' ' + name)) << size.second << name;
    }
}

// At the window's scale and point size every text of the dialog shows whole.
void tst_dialogtextfit::dialog()
{
    QFETCH(QSize, screen);
    QFETCH(QString, dialog);
    const ShownDialog &shown = dialogs()[dialog];
    DialogFrame::setbookmaker(shown.bookmaker);
    const ScreenFit fit = ScreenFit::choose(screen, 0);
    QTemporaryDir folder;
    QString clipped;
    DialogDriver driver;
    driver.add(shown.dialogclass, [&clipped](QDialog *opened) {
        clipped = textfitcheck::clipped(opened);
        opened->close();
    });
    driver.start();
    shown.show(folder.path(), fit.scale, fit.fontsize);
    QVERIFY2(driver.done(), "the dialog did not show");
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
}

void tst_dialogtextfit::longmessage_data()
{
    textfitcheck::addsizerows();
}

// A message of several lines makes the box taller rather than its text
// smaller, while the box fits on the screen.
void tst_dialogtextfit::longmessage()
{
    QFETCH(QSize, screen);
    const ScreenFit fit = ScreenFit::choose(screen, 0);
    const QString path = QStringLiteral("/home/learner/textbooks/Far-Sail-English-Go/Book-One-Listen-and-Read-Aloud/"
                                        "Lessons-from-one-to-ninety-six/with-sounds/lesson.zemBook");
    int pointsize = 0;
    QString clipped;
    DialogDriver driver;
    driver.add(QStringLiteral("mb_Dialog"), [&](QDialog *opened) {
        pointsize = opened->findChild<QLabel *>(QStringLiteral("label"))->font().pointSize();
        clipped = textfitcheck::clipped(opened);
        opened->close();
    });
    driver.start();
    mb_Dialog::showtext(nullptr, path + QStringLiteral(" 无法打开，请检查"), fit.scale, fit.fontsize);
    QVERIFY2(driver.done(), "the message box did not show");
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
    QVERIFY2(pointsize == fit.fontsize, qPrintable(QStringLiteral("the message shrank to %1pt from %2pt")
                                                       .arg(pointsize).arg(fit.fontsize)));
}

QTEST_MAIN(tst_dialogtextfit)
#include "tst_dialogtextfit.moc"
