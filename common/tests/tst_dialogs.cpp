#include "checkreturn.h"
#include "dialogdriver.h"
#include "dialogframe.h"
#include "fd_dialog.h"
#include "inputdlg.h"
#include "mb_dialog.h"
#include "testpictures.h"

#include <QApplication>
#include <QDirModel>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

const QString keep = QStringLiteral("keep");
const QString none = QStringLiteral("<none>");

template<typename T>
T *child(QDialog *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

QTreeView *tree(QDialog *dialog)
{
    return child<QTreeView>(dialog, "treeView");
}

QDirModel *model(QDialog *dialog)
{
    return qobject_cast<QDirModel *>(tree(dialog)->model());
}

bool clickitem(QDialog *dialog, const QString &path)
{
    QTreeView *view = tree(dialog);
    const QModelIndex index = model(dialog)->index(path);
    QVERIFY_RETURN(index.isValid(), qPrintable("not in the tree: " + path));
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    QVERIFY_RETURN(rect.isValid(), qPrintable("not shown in the tree: " + path));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    return true;
}

bool hashelpbutton(QDialog *dialog)
{
    return dialog->windowFlags() & Qt::WindowContextHelpButtonHint;
}

// Screenshots for looking at, when asked for: DIALOG_SHOTS names a folder.
void saveshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("DIALOG_SHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + '/' + name + ".png");
}

QString rectangle(const QRect &rect)
{
    return QString("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void messagebox_data();
    void messagebox();
    void messageclose();
    void showtext();
    void longmessage_data();
    void longmessage();
    void plaintext();
    void titles();

    void input_data();
    void input();
    void inputwithoutresult();

    void buttonplaces_data();
    void buttonplaces();
    void listing();
    void choose_data();
    void choose();
    void cancelandclose_data();
    void cancelandclose();
    void choosefile_data();
    void choosefile();
    void newfolder_data();
    void newfolder();
    void nocurrentitem_data();
    void nocurrentitem();
    void newfile_data();
    void newfile();
    void preview_data();
    void preview();
    void foldertoggle();
    void skins();
    void backgroundkept();
    void treeheader_data();
    void treeheader();
    void currentinview_data();
    void currentinview();

private:
    bool write(const QString &name, const QByteArray &bytes);
    QString at(const QString &name) const;
    bool currentshown(QTreeView *view, const char *when);
    void runchooser(bool showfile, const QString &path, QString *result, const QString &ext = "zbu",
                    bool newfile = false, float scale = 1.0f);

    QTemporaryDir *dir = nullptr;
    DialogDriver *driver = nullptr;
};

void tst_Dialogs::init()
{
    dir = new QTemporaryDir;
    QVERIFY2(dir->isValid(), "no temporary folder");
    QVERIFY(QDir(dir->path()).mkdir("users"));
    QVERIFY(write("a.zbu", "user"));
    QVERIFY(write("b.txt", "text"));
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    QVERIFY(photo.save(at("photo.JPG"), "JPG"));
    QVERIFY(photo.save(at("photo.jpeg"), "JPG"));
    QVERIFY(write("huge.jpg", testpictures::oversizedjpeg()));
    QVERIFY(write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 no picture", 16)));
    QVERIFY(write("progressive.jpg", testpictures::progressivebomb()));
    QVERIFY(write("scans.jpg", testpictures::manyscansjpeg()));
    QVERIFY(write("budgetscans.jpg", testpictures::manyscansjpeg(20000, 1024)));
    driver = new DialogDriver;
}

void tst_Dialogs::cleanup()
{
    QVERIFY2(driver->done(), "an expected dialog step did not run");
    delete driver;
    delete dir;
    DialogFrame::setbookmaker(false);
}

bool tst_Dialogs::write(const QString &name, const QByteArray &bytes)
{
    QFile file(at(name));
    QVERIFY_RETURN(file.open(QIODevice::WriteOnly), qPrintable("could not write " + name));
    file.write(bytes);
    return true;
}

QString tst_Dialogs::at(const QString &name) const
{
    return name.isEmpty() ? dir->path() : dir->path() + '/' + name;
}

void tst_Dialogs::runchooser(bool showfile, const QString &path, QString *result, const QString &ext,
                             bool newfile, float scale)
{
    fd_Dialog chooser;
    chooser.path = path;
    chooser.showfile = showfile;
    chooser.newfile = newfile;
    chooser.setext(ext);
    chooser.settitle("请选择");
    chooser.result = result;
    driver->start();
    chooser.showdlg(scale, 10);
}

void tst_Dialogs::messagebox_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("pointsize");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<QRect>("label");
    QTest::newRow("scale 1") << 1.0f << 9 << QRect(208, 244, 383, 112) << QRect(290, 80, 75, 23)
                             << QRect(10, 10, 341, 41);
    QTest::newRow("scale 1.5") << 1.5f << 14 << QRect(113, 216, 574, 168) << QRect(435, 120, 112, 34)
                               << QRect(15, 15, 511, 61);
}

void tst_Dialogs::messagebox()
{
    QFETCH(float, scale);
    QFETCH(int, pointsize);
    QFETCH(QRect, geometry);
    QFETCH(QRect, button);
    QFETCH(QRect, label);
    mb_Dialog box;
    box.settext("素材不存在：w1.mp3");
    const int ownsize = box.font().pointSize();
    driver->add("mb_Dialog", [&](QDialog *dialog) {
        QVERIFY2(QRect(dialog->pos(), dialog->size()) == geometry,
                 qPrintable(QString("the box is not scaled and centred: %1,%2 %3x%4").arg(dialog->x())
                                .arg(dialog->y()).arg(dialog->width()).arg(dialog->height())));
        QVERIFY2(dialog->minimumSize() == geometry.size() && dialog->maximumSize() == geometry.size(),
                 "the box can be resized");
        QVERIFY2(!hashelpbutton(dialog), "the dialog has a help button");
        QVERIFY2(dialog->windowTitle() == "Zembrix show", "the box does not have the learner's title");
        QVERIFY2(child<QPushButton>(dialog, "pushButton")->geometry() == button, "the button is not scaled");
        QLabel *text = child<QLabel>(dialog, "label");
        QVERIFY2(text->geometry() == label, "the label is not scaled inside its frame");
        QVERIFY2(text->text() == "素材不存在：w1.mp3" && text->wordWrap(), "the message is wrong or not wrapped");
        QVERIFY2(text->font().pointSize() == pointsize, "the descendants did not get the point size");
        QVERIFY2(dialog->font().pointSize() == ownsize, "the box did not keep its own font");
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->start();
    box.showdlg(scale, pointsize);
    QVERIFY2(!box.isVisible(), "OK did not close the box");
}

void tst_Dialogs::messageclose()
{
    mb_Dialog box;
    box.settext("x");
    driver->titleclose("mb_Dialog");
    driver->start();
    box.showdlg(1.0f, 9);
    QVERIFY2(!box.isVisible(), "the title bar's close button did not end the box");
}

// The one-call box: the text over its parent, scaled, closed by OK.
void tst_Dialogs::showtext()
{
    QWidget parent;
    driver->add("mb_Dialog", [&](QDialog *dialog) {
        QVERIFY2(dialog->parentWidget() == &parent, "the box is not over its parent");
        QVERIFY2(child<QLabel>(dialog, "label")->text() == "素材不存在：w1.mp3", "the box shows the wrong text");
        QVERIFY2(child<QLabel>(dialog, "label")->font().pointSize() == 12, "the text has the wrong point size");
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->start();
    mb_Dialog::showtext(&parent, "素材不存在：w1.mp3", 1.5f, 12);
}

void tst_Dialogs::longmessage_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("pointsize");
    QTest::addColumn<QString>("text");
    // A textbook path of 150 characters, as a failed login shows it.
    const QString path = "/home/learner/textbooks/" + QString(40, 'a') + "/Far-Sail-English-Go-Book-One/"
        + QString(41, 'b') + "/lesson.zemBook";
    QVERIFY(path.size() == 150);
    const QString bookmessage = path + " 无法打开，请检查";
    const QString restore = "如需恢复请导入：" + path;
    QTest::newRow("textbook path, scale 1") << 1.0f << 9 << bookmessage;
    QTest::newRow("textbook path, scale 1.5") << 1.5f << 14 << bookmessage;
    QTest::newRow("textbook path, small screen") << 0.877193f << 8 << bookmessage;
    QTest::newRow("removed user, scale 1") << 1.0f << 9 << restore;
    QTest::newRow("words") << 1.0f << 12 << QString("the quick brown fox jumps over the lazy dog ").repeated(6);
    QTest::newRow("short") << 1.0f << 9 << "密码不正确";
}

// A long text wraps inside the frame and all of it shows; the box keeps its
// width and its button stays below the text.
void tst_Dialogs::longmessage()
{
    QFETCH(float, scale);
    QFETCH(int, pointsize);
    QFETCH(QString, text);
    mb_Dialog box;
    box.settext(text);
    driver->add("mb_Dialog", [&](QDialog *dialog) {
        saveshot(dialog, QString("message-%1").arg(QTest::currentDataTag()).replace(' ', '-').remove(','));
        auto *label = child<QLabel>(dialog, "label");
        auto *frame = child<QWidget>(dialog, "frame");
        auto *button = child<QPushButton>(dialog, "pushButton");
        QVERIFY2(label->text() == text, "the label does not hold the whole text");
        const int needed = label->heightForWidth(label->width());
        QVERIFY2(needed <= label->height(),
                 qPrintable(QString("the text needs %1 pixels, the label has %2").arg(needed).arg(label->height())));
        QVERIFY2(label->fontMetrics().horizontalAdvance(text.left(3)) < label->width(),
                 "the font is too large to read");
        QVERIFY2(frame->rect().contains(label->geometry()),
                 qPrintable("the label lies outside its frame: " + rectangle(label->geometry())));
        QVERIFY2(dialog->rect().contains(frame->geometry()),
                 qPrintable("the frame lies outside the box: " + rectangle(frame->geometry())));
        QVERIFY2(dialog->rect().contains(button->geometry()) && button->y() > frame->geometry().bottom(),
                 qPrintable("the button lies outside the box or over the text: " + rectangle(button->geometry())));
        QVERIFY2(dialog->width() == DialogFrame::scaled(scale, 383), "the box did not keep its width");
        QVERIFY2(dialog->minimumSize() == dialog->size() && dialog->maximumSize() == dialog->size(),
                 "the box can be resized");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY2(screen.contains(dialog->geometry()),
                 qPrintable("the box is off the screen: " + rectangle(dialog->geometry())));
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->start();
    box.showdlg(scale, pointsize);
}

// Texts from files are shown as typed, never read as markup.
void tst_Dialogs::plaintext()
{
    const QString text = QStringLiteral("<img src=\"/tmp/x.png\"><b>book</b>.zemBook 无法打开，请检查");
    mb_Dialog box;
    box.settext(text);
    driver->add("mb_Dialog", [&](QDialog *dialog) {
        auto *label = child<QLabel>(dialog, "label");
        QVERIFY2(label->textFormat() == Qt::PlainText, "the text is not shown as plain text");
        QVERIFY2(label->text() == text, "the text is not shown as typed");
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->start();
    box.showdlg(1.0f, 9);
}

void tst_Dialogs::titles()
{
    for (bool bookmaker : {false, true}) {
        DialogFrame::setbookmaker(bookmaker);
        mb_Dialog box;
        inputDlg prompt;
        fd_Dialog chooser;
        const QString tool = QStringLiteral("Zembrix Rozo（教材工具）");
        QVERIFY2(box.windowTitle() == (bookmaker ? tool : "Zembrix show"), "wrong message box title");
        QVERIFY2(prompt.windowTitle() == (bookmaker ? tool : "Zembrix Rozo"), "wrong input prompt title");
        QVERIFY2(chooser.windowTitle() == (bookmaker ? tool : "Zembrix Rozo"), "wrong chooser title");
    }
}

void tst_Dialogs::input_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("spaces kept") << "" << "  tom  " << "pushButton" << "  tom  ";
    QTest::newRow("typing replaces the initial text") << "old" << "new" << "pushButton" << "new";
    QTest::newRow("initial text") << "ok" << "" << "pushButton" << "ok";
    QTest::newRow("empty line") << "" << "" << "pushButton" << "";
    QTest::newRow("cancel") << "abc" << "x" << "pushButton_2" << "";
    QTest::newRow("title bar close") << "abc" << "x" << "" << keep;
}

void tst_Dialogs::input()
{
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QString answer = keep;
    inputDlg prompt;
    prompt.setWindowTitle("Zembrix Rozo");
    prompt.result = &answer;
    driver->add("inputDlg", [&](QDialog *dialog) {
        auto *line = child<QLineEdit>(dialog, "lineEdit");
        QVERIFY2(line->geometry() == QRect(40, 70, 742, 40), "the line edit is not scaled in its frame");
        QVERIFY2(dialog->size() == QSize(862, 262), "the prompt is not scaled");
        QVERIFY2(line->alignment() == Qt::AlignCenter, "the text is not centred");
        QVERIFY2(line->selectedText() == initial, "the initial text is not selected");
        QVERIFY2(child<QLabel>(dialog, "label")->text() == "请输入", "the prompt is not shown");
        if (!typed.isEmpty())
            QTest::keyClicks(line, typed);
        if (button.isEmpty())
            dialog->close();
        else
            DialogDriver::clickbutton(dialog, button);
    });
    driver->start();
    prompt.showdlg(2.0f, 12, "请输入", initial);
    QVERIFY2(answer == expected, qPrintable("wrong answer \"" + answer + "\""));
}

void tst_Dialogs::inputwithoutresult()
{
    inputDlg prompt;
    driver->click("inputDlg", "pushButton");
    driver->start();
    prompt.showdlg(1.0f, 9, "请输入", "text");
    QVERIFY2(!prompt.isVisible(), "OK without a result pointer did not close the prompt");
}

void tst_Dialogs::buttonplaces_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<bool>("newfile");
    QTest::addColumn<bool>("newfileontop");
    QTest::newRow("user files with new file") << "ZBU" << true << true;
    QTest::newRow("user files without new file") << "zbu" << false << false;
    QTest::newRow("pictures with new file") << "jpg" << true << false;
}

void tst_Dialogs::buttonplaces()
{
    QFETCH(QString, ext);
    QFETCH(bool, newfile);
    QFETCH(bool, newfileontop);
    QString result = keep;
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        auto *chooser = static_cast<fd_Dialog *>(dialog);
        QVERIFY2(chooser->filter == "*." + ext.toLower(), "the filter is not lower case");
        auto *folderbutton = child<QPushButton>(dialog, "pushButton");
        auto *filebutton = child<QPushButton>(dialog, "pushButton_4");
        QVERIFY2(filebutton->isVisible() == newfile, "the new-file button is not as asked");
        QVERIFY2((filebutton->y() == 60) == newfileontop && (folderbutton->y() == 60) != newfileontop,
                 "the wrong button is on top");
        QVERIFY2(folderbutton->text() == "新建\n文件夹" && filebutton->text() == "新建\n文件",
                 "the captions are not on two lines");
        QVERIFY2(!hashelpbutton(dialog), "the dialog has a help button");
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    runchooser(true, at(""), &result, ext, newfile);
    QVERIFY2(result.isEmpty(), "Cancel did not give the empty string");
}

void tst_Dialogs::listing()
{
    QString result;
    for (bool showfile : {false, true}) {
        driver->add("fd_Dialog", [&](QDialog *dialog) {
            QDirModel *dirs = model(dialog);
            const QModelIndex top = dirs->index(at(""));
            QStringList names;
            for (int row = 0; row < dirs->rowCount(top); ++row)
                names << dirs->fileName(dirs->index(row, 0, top));
            const QStringList expected = showfile ? QStringList{"users", "a.zbu"} : QStringList{"users"};
            QVERIFY2(names == expected, qPrintable("wrong listing: " + names.join(',')));
            QVERIFY2(tree(dialog)->currentIndex() == top, "the tree did not open at the path");
            DialogDriver::clickbutton(dialog, "pushButton_3");
        });
        runchooser(showfile, at(""), &result);
    }
}

void tst_Dialogs::choose_data()
{
    QTest::addColumn<bool>("showfile");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file chosen") << true << "" << "a.zbu" << "" << "a.zbu";
    QTest::newRow("path names the file") << true << "a.zbu" << "" << "" << "a.zbu";
    QTest::newRow("folder in file mode") << true << "" << "users" << "请选择符合条件的文件" << none;
    QTest::newRow("nothing current in file mode") << true << none << "" << "请选择符合条件的文件" << none;
    QTest::newRow("folder chosen") << false << "" << "users" << "" << "users";
    QTest::newRow("path names the folder") << false << "users" << "" << "" << "users";
    QTest::newRow("nothing current in folder mode") << false << none << "" << "" << none;
    QTest::newRow("missing path in folder mode") << false << "missing" << "" << "" << none;
}

void tst_Dialogs::choose()
{
    QFETCH(bool, showfile);
    QFETCH(QString, path);
    QFETCH(QString, click);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QString shown;
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        if (!click.isEmpty())
            QVERIFY(clickitem(dialog, at(click)));
        DialogDriver::clickbutton(dialog, "pushButton_2");
    });
    if (!message.isEmpty()) {
        driver->readmessage(&shown);
        driver->click("fd_Dialog", "pushButton_3");
    }
    QString result = keep;
    runchooser(showfile, path == none ? QString() : at(path), &result);
    QVERIFY2(shown == message, qPrintable("wrong message: " + shown));
    const QString want = expected == none ? QString() : at(expected);
    QVERIFY2(result == want, qPrintable("wrong result: " + result));
}

void tst_Dialogs::cancelandclose_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cancel") << true << "";
    QTest::newRow("title bar close") << false << keep;
}

void tst_Dialogs::cancelandclose()
{
    QFETCH(bool, cancel);
    QFETCH(QString, expected);
    if (cancel)
        driver->click("fd_Dialog", "pushButton_3");
    else
        driver->titleclose("fd_Dialog");
    QString result = keep;
    runchooser(true, at("a.zbu"), &result);
    QVERIFY2(result == expected, qPrintable("wrong result: " + result));
}

void tst_Dialogs::choosefile_data()
{
    QTest::addColumn<bool>("newfile");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file chosen") << false << "pushButton_2" << "a.zbu";
    QTest::newRow("chosen with the new-file button shown") << true << "pushButton_2" << "a.zbu";
    QTest::newRow("cancel") << false << "pushButton_3" << none;
    QTest::newRow("title bar close") << true << "" << none;
}

// The one-call file chooser: files shown, the caller's title, "" for no choice.
void tst_Dialogs::choosefile()
{
    QFETCH(bool, newfile);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        auto *chooser = static_cast<fd_Dialog *>(dialog);
        QVERIFY2(chooser->showfile && chooser->filter == "*.zbu", "the chooser does not show files of the asked kind");
        QVERIFY2(chooser->path == at(""), "the chooser did not open at the asked folder");
        QVERIFY2(child<QPushButton>(dialog, "pushButton_4")->isVisible() == newfile,
                 "the new-file button is not as asked");
        QVERIFY2(child<QLabel>(dialog, "label")->text() == "请选择用户文件", "the chooser does not show the caller's title");
        if (button.isEmpty()) {
            dialog->close();
            return;
        }
        QVERIFY(clickitem(dialog, at("a.zbu")));
        DialogDriver::clickbutton(dialog, button);
    });
    driver->start();
    const QString chosen = fd_Dialog::choosefile(nullptr, at(""), "zbu", newfile, "请选择用户文件", 1.0f, 9);
    const QString want = expected == none ? QString() : at(expected);
    QVERIFY2(chosen == want, qPrintable("wrong choice: " + chosen));
}

void tst_Dialogs::newfolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("new name") << "" << "fresh" << false;
    QTest::newRow("name with spaces") << "" << " two words " << false;
    QTest::newRow("existing folder") << "" << "users" << true;
    QTest::newRow("existing file") << "" << "b.txt" << true;
    QTest::newRow("path separator") << "" << "x/y" << true;
    QTest::newRow("parent") << "" << ".." << true;
    QTest::newRow("beside the folder") << "" << "../x" << true;
    QTest::newRow("dot") << "" << "." << true;
    QTest::newRow("current item is a file") << "a.zbu" << "x" << true;
    QTest::newRow("prompt cancelled") << "" << "" << false;
}

void tst_Dialogs::newfolder()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QString shown;
    driver->click("fd_Dialog", "pushButton");
    driver->add("inputDlg", [&](QDialog *dialog) {
        QVERIFY2(dialog->windowTitle() == "Zembrix show", "wrong title of the new-folder prompt");
        QVERIFY2(child<QLabel>(dialog, "label")->text() == "请输入要创建的文件夹名称", "wrong prompt text");
        QTest::keyClicks(child<QLineEdit>(dialog, "lineEdit"), name);
        DialogDriver::clickbutton(dialog, name.isEmpty() ? "pushButton_2" : "pushButton");
    });
    if (refused)
        driver->readmessage(&shown);
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        QVERIFY2(tree(dialog)->currentIndex() == model(dialog)->index(at(path)),
                 "the selection changed");
        dialog->close();
    });
    const QStringList before = QDir(at("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString outside = dir->path() + "/../x";
    const bool outsidebefore = QFileInfo::exists(outside);
    QString result = keep;
    runchooser(true, at(path), &result);
    QVERIFY2(result == keep, "making a folder gave a result");
    QVERIFY2(shown == (refused ? "无法在当前项下创建此文件夹" : ""), qPrintable("wrong message: " + shown));
    const QStringList after = QDir(at("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const bool made = !refused && !name.isEmpty();
    QVERIFY2(after.size() == before.size() + (made ? 1 : 0), "wrong number of entries after making a folder");
    QVERIFY2(!made || QFileInfo(at(name)).isDir(), "the folder was not made untrimmed in the current folder");
    QVERIFY2(QFileInfo::exists(outside) == outsidebefore, "something was made outside the folder");
}

void tst_Dialogs::nocurrentitem_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("new folder") << "pushButton";
    QTest::newRow("new file") << "pushButton_4";
}

void tst_Dialogs::nocurrentitem()
{
    QFETCH(QString, button);
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        QVERIFY(DialogDriver::clickbutton(dialog, button));
        QVERIFY2(QApplication::activeModalWidget() == dialog, "a prompt opened without a current item");
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    QString result = keep;
    runchooser(true, QString(), &result, "zbu", true);
    QVERIFY2(result.isEmpty(), "Cancel afterwards did not give the empty string");
}

void tst_Dialogs::newfile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QString refusal = QStringLiteral("无法在当前项下建立文件");
    QTest::newRow("new name") << "" << "tom" << "" << "tom.zbu";
    QTest::newRow("name kept untrimmed") << "users" << " tom " << "" << "users/ tom .zbu";
    QTest::newRow("existing file") << "" << "a" << refusal << keep;
    QTest::newRow("path separator") << "" << "x/y" << refusal << keep;
    QTest::newRow("parent") << "" << ".." << refusal << keep;
    QTest::newRow("current item is a file") << "a.zbu" << none << refusal << keep;
    QTest::newRow("prompt cancelled") << "" << "" << "" << keep;
}

void tst_Dialogs::newfile()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QString shown;
    driver->click("fd_Dialog", "pushButton_4");
    if (name != none) {
        driver->add("inputDlg", [&](QDialog *dialog) {
            QVERIFY2(dialog->windowTitle() == "this is user's title.", "wrong title of the new-file prompt");
            QVERIFY2(child<QLabel>(dialog, "label")->text() == "请输入要创建的文件名称（不要包含扩展名）",
                     "wrong prompt text");
            QTest::keyClicks(child<QLineEdit>(dialog, "lineEdit"), name);
            DialogDriver::clickbutton(dialog, name.isEmpty() ? "pushButton_2" : "pushButton");
        });
    }
    if (!message.isEmpty())
        driver->readmessage(&shown);
    if (expected == keep)
        driver->titleclose("fd_Dialog");
    QString result = keep;
    runchooser(true, at(path), &result, "zbu", true);
    QVERIFY2(shown == message, qPrintable("wrong message: " + shown));
    const QString want = expected == keep ? keep : at(expected);
    QVERIFY2(result == want, qPrintable("wrong result: " + result));
    QVERIFY2(expected == keep || !QFileInfo::exists(result), "the new file was made");
}

void tst_Dialogs::preview_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("shown");
    QTest::newRow("upper-case JPG") << QStringList{"photo.JPG"} << true;
    QTest::newRow("jpeg suffix") << QStringList{"photo.jpeg"} << false;
    QTest::newRow("oversized picture") << QStringList{"huge.jpg"} << false;
    QTest::newRow("no picture") << QStringList{"broken.jpg"} << false;
    QTest::newRow("progressive JPEG stating 11585x11585") << QStringList{"progressive.jpg"} << false;
    QTest::newRow("JPEG of 20000 scans") << QStringList{"scans.jpg"} << false;
    QTest::newRow("JPEG of 20000 scans within the coefficient budget") << QStringList{"budgetscans.jpg"} << false;
    QTest::newRow("folder after a picture") << QStringList{"photo.JPG", "users"} << false;
    QTest::newRow("other file after a picture") << QStringList{"photo.JPG", "b.txt"} << false;
}

void tst_Dialogs::preview()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, shown);
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        QVERIFY2(!child<QGraphicsView>(dialog, "graphicsView")->isVisible(), "a preview shows at first");
        for (const QString &name : clicks)
            QVERIFY(clickitem(dialog, at(name)));
        auto *view = child<QGraphicsView>(dialog, "graphicsView");
        QVERIFY2(view->isVisible() == shown, "the preview does not show exactly for a readable .jpg");
        if (shown) {
            const QList<QGraphicsItem *> items = view->scene()->items();
            QVERIFY2(items.size() == 1, "not exactly one preview picture");
            const QSize size = static_cast<QGraphicsPixmapItem *>(items.first())->pixmap().size();
            QVERIFY2(size == QSize(150, 112), "the preview is not 100×75 scaled and truncated");
        }
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    QString result;
    runchooser(true, at(""), &result, "*", false, 1.5f);
}

void tst_Dialogs::foldertoggle()
{
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        const QModelIndex users = model(dialog)->index(at("users"));
        QVERIFY(clickitem(dialog, at("users")));
        QVERIFY2(tree(dialog)->isExpanded(users), "a click did not open the folder");
        QVERIFY(clickitem(dialog, at("users")));
        QVERIFY2(!tree(dialog)->isExpanded(users), "a second click did not close the folder");
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    QString result;
    runchooser(false, at(""), &result);
}

void tst_Dialogs::skins()
{
    const auto masked = [](QDialog *dialog, const QStringList &buttons) {
        for (const QString &name : buttons) {
            auto *button = dialog->findChild<QPushButton *>(name);
            QVERIFY_RETURN(button && !button->mask().isEmpty(), qPrintable(name + " is not skinned with its mask"));
            QVERIFY_RETURN(!button->mask().contains(QPoint(0, 0)), qPrintable(name + " does not have its corners cut"));
        }
        return true;
    };
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        QVERIFY(masked(dialog, {"pushButton", "pushButton_2", "pushButton_3", "pushButton_4"}));
        DialogDriver::clickbutton(dialog, "pushButton_4");
    });
    driver->add("inputDlg", [&](QDialog *dialog) {
        QVERIFY(masked(dialog, {"pushButton", "pushButton_2"}));
        QTest::keyClicks(child<QLineEdit>(dialog, "lineEdit"), "a");
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->add("mb_Dialog", [&](QDialog *dialog) {
        QVERIFY(masked(dialog, {"pushButton"}));
        const QImage shown = dialog->grab().toImage();
        const QImage band = child<QWidget>(dialog, "frame")->grab().toImage();
        QVERIFY2(shown.pixel(2, 2) != dialog->palette().window().color().rgb(), "the background is not painted");
        QVERIFY2(band.pixel(band.width() / 2, 2) != dialog->palette().window().color().rgb(),
                 "the title band does not show its picture");
        DialogDriver::clickbutton(dialog, "pushButton");
    });
    driver->titleclose("fd_Dialog");
    QString result = keep;
    runchooser(true, at(""), &result, "zbu", true, 1.25f);
    QVERIFY2(result == keep, "the refused name did not leave the chooser open");
}

// The background is decoded once: after the pixmap cache drops its pictures,
// the next paint draws the picture already decoded.
void tst_Dialogs::backgroundkept()
{
    mb_Dialog box;
    box.grab();
    const qint64 decoded = DialogFrame::background().cacheKey();
    QPixmapCache::clear();
    box.grab();
    QVERIFY2(DialogFrame::background().cacheKey() == decoded, "the background was decoded again");
    QVERIFY2(!DialogFrame::background().isNull(), "the background did not decode");
}

void tst_Dialogs::treeheader_data()
{
    QTest::addColumn<bool>("bookmaker");
    QTest::addColumn<int>("mode");
    QTest::newRow("learner") << false << int(QHeaderView::ResizeToContents);
    QTest::newRow("bookmaker") << true << int(QHeaderView::Interactive);
}

void tst_Dialogs::treeheader()
{
    QFETCH(bool, bookmaker);
    QFETCH(int, mode);
    DialogFrame::setbookmaker(bookmaker);
    QVERIFY(QDir(at("")).mkdir(QString(120, 'n')));
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        QHeaderView *header = tree(dialog)->header();
        QVERIFY2(int(header->sectionResizeMode(0)) == mode, "wrong resize mode of the name column");
        QScrollBar *sideways = tree(dialog)->horizontalScrollBar();
        QVERIFY2((sideways->maximum() > 0) != bookmaker,
                 "the tree's sideways scrolling for a long name is wrong for this program");
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    QString result;
    runchooser(true, at(""), &result);
}

void tst_Dialogs::currentinview_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<float>("scale");
    QTest::newRow("last folder") << "folders/z-last" << 1.0f;
    QTest::newRow("last folder, scale 1.5") << "folders/z-last" << 1.5f;
    QTest::newRow("file in the last folder") << "folders/z-last/last.zbu" << 1.0f;
    QTest::newRow("middle folder") << "folders/m-middle" << 1.0f;
}

// The chooser opens with its current item wholly in view, above the
// sideways scroll bar that long names bring.
void tst_Dialogs::currentinview()
{
    QFETCH(QString, path);
    QFETCH(float, scale);
    QDir top(at(""));
    QVERIFY(top.mkpath("folders/z-last") && top.mkpath("folders/m-middle"));
    for (int i = 0; i < 30; ++i)
        QVERIFY(top.mkpath(QString("folders/f%1-").arg(i, 2, 10, QChar('0')) + QString(100, 'n')));
    QVERIFY(write("folders/z-last/last.zbu", "user"));
    driver->add("fd_Dialog", [&](QDialog *dialog) {
        saveshot(dialog, QString("chooser-%1").arg(QTest::currentDataTag()).replace(' ', '-').remove(','));
        QTreeView *view = tree(dialog);
        const QModelIndex current = view->currentIndex();
        QVERIFY2(current.isValid() && current == model(dialog)->index(at(path)), "the path is not current");
        QVERIFY2(view->horizontalScrollBar()->isVisible(), "the tree does not scroll sideways for long names");
        QVERIFY(currentshown(view, "at the start"));
        // The sideways scroll bar takes its rows from the view once the tree
        // is laid out, whenever that is; a view that shrinks later does so too.
        view->resize(view->width(), view->height() - 3 * view->visualRect(current).height());
        QVERIFY(currentshown(view, "once the view is smaller"));
        DialogDriver::clickbutton(dialog, "pushButton_3");
    });
    QString result;
    runchooser(true, at(path), &result, "zbu", false, scale);
}

bool tst_Dialogs::currentshown(QTreeView *view, const char *when)
{
    const QRect item = view->visualRect(view->currentIndex());
    const QRect shown = view->viewport()->rect();
    QVERIFY_RETURN(item.top() >= shown.top() && item.bottom() <= shown.bottom(),
                    qPrintable(QString("the current item is not in view %1: item rows %2 to %3, view rows %4 to %5")
                                   .arg(when).arg(item.top()).arg(item.bottom()).arg(shown.top()).arg(shown.bottom())));
    QVERIFY_RETURN(item.left() >= shown.left() && item.left() < shown.right(),
                    qPrintable(QString("the item's name does not start in view %1").arg(when)));
    return true;
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
