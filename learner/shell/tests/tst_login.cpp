#include "checkreturn.h"
#include "dialogdriver.h"
#include "endedsave.h"
#include "fd_dialog.h"
#include "muser.h"
#include "shownpicture.h"
#include "testfiles.h"
#include "testpictures.h"
#include "widget.h"

#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QSysInfo>
#include <QtTest>


using testfiles::readall;
using testfiles::readini;
using testfiles::Unreplaceable;

class tst_login : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mainroad();
    void newdialog_data();
    void newdialog();
    void chosenavatar_data();
    void chosenavatar();
    void overexisting_data();
    void overexisting();
    void failedcreation();
    void import();
    void refusedimport_data();
    void refusedimport();
    void unreadableslot_data();
    void unreadableslot();
    void remove();
    void damaged_data();
    void damaged();
    void unreadablebook_data();
    void unreadablebook();
    void loginleftovers();
    void userinuse();
    void stalelock_data();
    void stalelock();
    void failedsave_data();
    void failedsave();
    void textbook_data();
    void textbook();
    void duegroups();
    void finished();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    QStackedWidget *stack() const { return find<QStackedWidget>("stackedWidget"); }
    void start(const QStringList &paths = {}, int current = -1);
    bool click(const char *button);
    // Clicks a button and answers the dialogs it opens in order; false when
    // one stayed unanswered or a step failed a check.
    bool run(const char *button, DialogDriver &driver);
    bool login(const QString &password);
    // Clicks a button that shows one message and gives its text.
    QString clickmessage(const char *button);
    // Types the password and gives the message the login shows.
    QString loginmessage(const QString &password);
    // The same for a login that may show none: then an empty text.
    QString loginanswered(const QString &password);
    bool haspicture(const char *view) const;
    // The colour in the middle of the picture a view shows; invalid for none.
    QColor shown(const char *view) const;

    static void answerchooser(DialogDriver &driver, const QString &answer);
    // Types answer into the input prompt and clicks OK; "<cancel>" and
    // "<close>" end it by Cancel or the title bar.
    static void answerprompt(DialogDriver &driver, const QString &answer, QString *prompt);
    static void fillnewuser(DialogDriver &driver, const QString &name, const QString &password,
                            const QString &repeat);

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_login::init()
{
    dir.reset(new QTemporaryDir);
    QFile::remove(testfiles::programsettings());
}

void tst_login::cleanup()
{
    window.reset();
    QFile::remove(testfiles::programsettings());
}

void tst_login::start(const QStringList &paths, int current)
{
    window.reset();
    if (!paths.isEmpty())
        testfiles::setprogram(paths, current, dir->path());
    window.reset(new Widget);
}

bool tst_login::click(const char *button)
{
    auto *target = find<QPushButton>(button);
    QVERIFY_RETURN(target, qPrintable(QStringLiteral("no button ") + QLatin1String(button)));
    target->click();
    return true;
}

bool tst_login::run(const char *button, DialogDriver &driver)
{
    driver.start();
    if (!click(button))
        return false;
    QVERIFY_RETURN(driver.done(), qPrintable(QStringLiteral("dialogs left unanswered after ") + button));
    return !QTest::currentTestFailed();
}

bool tst_login::login(const QString &password)
{
    find<QLineEdit>("lineEdit")->setText(password);
    return click("pushButton_2");
}

QString tst_login::clickmessage(const char *button)
{
    return DialogDriver::message([&](DialogDriver &driver) { run(button, driver); });
}

QString tst_login::loginmessage(const QString &password)
{
    find<QLineEdit>("lineEdit")->setText(password);
    return clickmessage("pushButton_2");
}

QString tst_login::loginanswered(const QString &password)
{
    QString text;
    DialogDriver driver;
    driver.readmessage(&text);
    driver.start();
    login(password);
    return text;
}

bool tst_login::haspicture(const char *view) const
{
    return !shownpicture(find<QGraphicsView>(view)).isNull();
}

QColor tst_login::shown(const char *view) const
{
    const QPixmap picture = shownpicture(find<QGraphicsView>(view));
    if (picture.isNull())
        return QColor();
    const QImage image = picture.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

static bool near(const QColor &shown, const QColor &expected)
{
    return shown.isValid() && qAbs(shown.red() - expected.red()) < 40 && qAbs(shown.green() - expected.green()) < 40
        && qAbs(shown.blue() - expected.blue()) < 40;
}

static QByteArray avatar(const QColor &color)
{
    return testpictures::encoded(200, 150, color, "JPG");
}

void tst_login::answerprompt(DialogDriver &driver, const QString &answer, QString *prompt)
{
    driver.add(QStringLiteral("inputDlg"), [=](QDialog *dialog) {
        *prompt = dialog->windowTitle() + QLatin1Char('|')
            + dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
        if (answer == QLatin1String("<close>")) {
            dialog->close();
            return;
        }
        if (answer == QLatin1String("<cancel>")) {
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
            return;
        }
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit")), answer);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
}

void tst_login::answerchooser(DialogDriver &driver, const QString &answer)
{
    driver.add(QStringLiteral("fd_Dialog"), [answer](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        *chooser->result = answer;
        chooser->close();
    });
}

void tst_login::fillnewuser(DialogDriver &driver, const QString &name, const QString &password,
                            const QString &repeat)
{
    driver.add(QStringLiteral("newDialog"), [=](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(name);
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->setText(password);
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_3"))->setText(repeat);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
}

// Create, refuse, log in, change, log out, log in, quit, start again.
void tst_login::mainroad()
{
    const QString name = QStringLiteral("王小明");
    const QString password = QStringLiteral("密码 1");
    const QString file = path("王小明.zbu");
    start();
    QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "someone was selected at the first start");
    QVERIFY2(QTest::qWaitForWindowActive(window.data()), "the window did not become active");
    find<QGraphicsView>("graphicsView_5")->setFocus();
    QVERIFY2(!find<QLineEdit>("lineEdit")->hasFocus(), "the password field had the focus at first");

    DialogDriver create;
    fillnewuser(create, QStringLiteral("  ") + name + QStringLiteral(" "), password, password);
    answerchooser(create, file);
    QVERIFY(run("pushButton_11", create));
    QCOMPARE(find<QLabel>("label_5")->text(), name);
    QVERIFY2(haspicture("graphicsView_3"), "slot 3 did not show the avatar");
    QVERIFY2(haspicture("graphicsView_5"), "the login box did not show the avatar");
    QVERIFY2(!haspicture("graphicsView"), "slot 1 was filled");
    // Offscreen, no window is active once the dialogs have closed.
    window->activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(window.data()), "the window did not become active again");
    QVERIFY2(find<QLineEdit>("lineEdit")->hasFocus(), "the password field did not get the focus");

    QCOMPARE(loginmessage(QStringLiteral("密码1")), QStringLiteral("密码不正确"));
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(find<QLineEdit>("lineEdit")->text(), QStringLiteral("密码1"));

    QVERIFY(login(password));
    QCOMPARE(stack()->currentIndex(), 1);
    QVERIFY2(find<QLabel>("label_10")->text().isEmpty(), "a textbook name showed");
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("寻找教材"));
    QVERIFY2(find<QPushButton>("pushButton_80")->toolTip().isEmpty(), "the button had a tooltip");
    QVERIFY2(haspicture("graphicsView_6"), "the default textbook picture did not show");
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 20);
    find<QSpinBox>("spinBox_14")->setValue(33);
    find<QSpinBox>("spinBox_19")->setValue(16);

    QVERIFY(click("pushButton_4"));
    QCOMPARE(stack()->currentIndex(), 0);
    QVERIFY2(find<QLineEdit>("lineEdit")->text().isEmpty(), "the password was not emptied");
    QCOMPARE(find<QLabel>("label_5")->text(), name);
    find<QSpinBox>("spinBox_14")->setValue(20);

    QVERIFY(login(password));
    QCOMPARE(stack()->currentIndex(), 1);
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 33);
    QCOMPARE(find<QSpinBox>("spinBox_19")->value(), 16);
    QVERIFY(click("pushButton_92"));
    window.reset();

    const QMap<QString, QString> ini = readini(testfiles::programsettings());
    QCOMPARE(ini.value(QStringLiteral("usr/default")), QStringLiteral("2"));
    QCOMPARE(ini.value(QStringLiteral("sys/defaultpath")), dir->path());
    QSettings program(testfiles::programsettings(), QSettings::IniFormat);
    QCOMPARE(program.value(QStringLiteral("/usr/usr2")).toString(), file);

    MUser saved;
    QVERIFY2(saved.readhead(file), "the user file could not be read");
    QCOMPARE(saved.getname(), name);
    QVERIFY2(saved.checkpassword(password), "the password digest did not match");
    QImage avatar;
    QVERIFY2(avatar.loadFromData(saved.getavatar(), "JPG"), "the avatar is not a JPEG");
    QCOMPARE(avatar.size(), QSize(200, 150));

    start();
    QCOMPARE(find<QLabel>("label_5")->text(), name);
    QVERIFY2(haspicture("graphicsView_3"), "slot 3 did not show the avatar again");
    QVERIFY2(haspicture("graphicsView_5"), "the user was not preselected");
    QVERIFY2(find<QLineEdit>("lineEdit")->text().isEmpty(), "the password field was not empty");
    QVERIFY(login(password));
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 33);
}

void tst_login::newdialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");

    QTest::newRow("no name") << "" << "pw" << "pw" << "" << "请输入用户姓名";
    QTest::newRow("blank name") << "   " << "pw" << "pw" << "" << "请输入用户姓名";
    QTest::newRow("nothing at all") << "" << "" << "" << "" << "请输入用户姓名";
    QTest::newRow("no password") << "Tom" << "" << "" << "" << "请输入用户密码";
    QTest::newRow("repeat differs") << "Tom" << "pw" << "pw " << "" << "两次输入的密码不一致";
    QTest::newRow("folder chosen") << "Tom" << "pw" << "pw" << "." << "文件名错误，或者不可写";
    QTest::newRow("missing folder") << "Tom" << "pw" << "pw" << "no/such/t.zbu" << "文件名错误，或者不可写";
    QTest::newRow("chooser cancelled") << "Tom" << "pw" << "pw" << "cancel" << "";
}

// A refused input keeps the dialog open; cancelling it creates nothing.
void tst_login::newdialog()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, repeat);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    start();
    QString shown;
    DialogDriver driver;
    fillnewuser(driver, name, password, repeat);
    if (!chosen.isEmpty())
        answerchooser(driver, chosen == QLatin1String("cancel") ? QString() : path(chosen));
    if (!message.isEmpty())
        driver.readmessage(&shown);
    driver.add(QStringLiteral("newDialog"), [=](QDialog *dialog) {
        const auto typed = [dialog](const char *name) {
            return dialog->findChild<QLineEdit *>(QLatin1String(name))->text();
        };
        QVERIFY2(typed("lineEdit") == name && typed("lineEdit_2") == password && typed("lineEdit_3") == repeat,
                 "the dialog lost what was typed");
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
    });
    QVERIFY(run("pushButton_5", driver));
    QCOMPARE(shown, message);
    QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "a user was made");
    QVERIFY2(!haspicture("graphicsView"), "slot 1 was filled");
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    window.reset();
    QVERIFY2(readini(testfiles::programsettings()).value(QStringLiteral("usr/usr0")).isEmpty(), "the slot was filled");
}

void tst_login::chosenavatar_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("backtodefault");
    QTest::addColumn<bool>("stored");

    QTest::newRow("chosen picture") << "red.jpg" << false << true;
    QTest::newRow("chosen, then the default") << "red.jpg" << true << true;
    QTest::newRow("unreadable picture") << "broken.jpg" << false << false;
    QTest::newRow("progressive JPEG stating 11585x11585") << "progressive.jpg" << false << false;
    QTest::newRow("JPEG of 20000 scans") << "scans.jpg" << false << false;
    QTest::newRow("JPEG of 20000 scans within the coefficient budget") << "budgetscans.jpg" << false << false;
}

// The avatar is the picture last chosen, stored as a 200 x 150 JPEG; one that
// cannot be read leaves the avatar empty and the user is made all the same.
void tst_login::chosenavatar()
{
    QFETCH(QString, picture);
    QFETCH(bool, backtodefault);
    QFETCH(bool, stored);
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(path("red.jpg"), "JPG"));
    QVERIFY(testfiles::writeall(path("broken.jpg"), QByteArray("no picture")));
    QVERIFY(testfiles::writeall(path("progressive.jpg"), testpictures::progressivebomb()));
    QVERIFY(testfiles::writeall(path("scans.jpg"), testpictures::manyscansjpeg()));
    QVERIFY(testfiles::writeall(path("budgetscans.jpg"), testpictures::manyscansjpeg(20000, 1024)));
    start();
    DialogDriver create;
    create.click(QStringLiteral("newDialog"), QStringLiteral("pushButton_4"));
    answerchooser(create, path(picture));
    if (backtodefault)
        create.click(QStringLiteral("newDialog"), QStringLiteral("pushButton_5"));
    fillnewuser(create, QStringLiteral("Pic"), QStringLiteral("pw"), QStringLiteral("pw"));
    answerchooser(create, path("pic.zbu"));
    QVERIFY(run("pushButton_14", create));
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Pic"));
    MUser saved;
    QVERIFY(saved.readhead(path("pic.zbu")));
    QImage avatar;
    QCOMPARE(avatar.loadFromData(saved.getavatar(), "JPG"), stored);
    if (!stored)
        return;
    QCOMPARE(avatar.size(), QSize(200, 150));
    const QColor middle = avatar.pixelColor(100, 75);
    QCOMPARE(middle.red() > 200 && middle.green() < 60, !backtodefault);
}

void tst_login::overexisting_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("ok") << "ok" << true;
    QTest::newRow("ok with blanks") << "  ok " << true;
    QTest::newRow("upper case") << "OK" << false;
    QTest::newRow("other word") << "yes" << false;
    QTest::newRow("empty line") << "" << false;
    QTest::newRow("cancel") << "<cancel>" << false;
    QTest::newRow("title bar") << "<close>" << false;
}

// Choosing an existing user file asks first; only "ok" stores the new user
// over it, anything else keeps the dialog open and the old file whole.
void tst_login::overexisting()
{
    QFETCH(QString, answer);
    QFETCH(bool, replaced);
    QVERIFY(testfiles::writereader(path("old.zbu"), QStringLiteral("Old"), {{10, true}}));
    const QByteArray old = readall(path("old.zbu"));
    start();
    QString prompt;
    DialogDriver create;
    fillnewuser(create, QStringLiteral("New"), QStringLiteral("new"), QStringLiteral("new"));
    answerchooser(create, path("old.zbu"));
    answerprompt(create, answer, &prompt);
    if (!replaced) {
        create.add(QStringLiteral("newDialog"), [](QDialog *dialog) {
            QVERIFY2(dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text() == QLatin1String("New"),
                     "the dialog lost the name");
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
        });
    }
    QVERIFY(run("pushButton_90", create));
    QCOMPARE(prompt, QStringLiteral("Zembrix Rozo|输入“ok”将覆盖该用户文件及其学习记录"));
    MUser saved;
    QVERIFY(saved.readhead(path("old.zbu")));
    if (!replaced) {
        QVERIFY2(readall(path("old.zbu")) == old, "the old user file was changed");
        QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "someone was selected");
        QVERIFY2(!haspicture("graphicsView_11"), "slot 6 was filled");
        return;
    }
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("New"));
    QCOMPARE(saved.getname(), QStringLiteral("New"));
    QVERIFY2(saved.checkpassword(QStringLiteral("new")), "the new password did not match");
}

// A user file that cannot be written is reported and the old file is kept whole.
void tst_login::failedcreation()
{
    QVERIFY(testfiles::writeuser(path("u.zbu"), QStringLiteral("Old"), QStringLiteral("old"))
            && QFile::rename(path("u.zbu"), path(Unreplaceable)));
    const QByteArray old = readall(path(Unreplaceable));
    start();
    QString message;
    DialogDriver create;
    fillnewuser(create, QStringLiteral("New"), QStringLiteral("new"), QStringLiteral("new"));
    answerchooser(create, path(Unreplaceable));
    QString prompt;
    answerprompt(create, QStringLiteral("ok"), &prompt);
    create.readmessage(&message);
    QVERIFY(run("pushButton_8", create));
    QCOMPARE(message, QStringLiteral("用户信息无法保存"));
    QVERIFY2(readall(path(Unreplaceable)) == old, "the old user file was changed");
    QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "someone was selected");
    QVERIFY2(!haspicture("graphicsView_2"), "slot 2 was filled");
    QCOMPARE(clickmessage("pushButton_2"), QStringLiteral("请先选择用户再登陆"));
}

void tst_login::import()
{
    QVERIFY(testfiles::writeuser(path("a.zbu"), QStringLiteral("Alice"), QStringLiteral("a"), QString(), {},
                                 avatar(Qt::red)));
    QVERIFY(testfiles::writeuser(path("b.zbu"), QStringLiteral("Bob"), QStringLiteral("b"), QString(), {},
                                 avatar(Qt::blue)));
    start({path("a.zbu")}, 0);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Alice"));
    QVERIFY2(near(shown("graphicsView"), Qt::red) && near(shown("graphicsView_5"), Qt::red),
             "Alice's avatar was missing in slot 1 or the login box");

    DialogDriver cancel;
    answerchooser(cancel, QString());
    QVERIFY(run("pushButton_88", cancel));
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Alice"));
    QVERIFY2(!haspicture("graphicsView_10"), "a cancelled import filled slot 5");

    DialogDriver bob;
    answerchooser(bob, path("b.zbu"));
    QVERIFY(run("pushButton_88", bob));
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Bob"));
    QVERIFY2(near(shown("graphicsView_10"), Qt::blue), "Bob's avatar was not in slot 5");
    QVERIFY2(near(shown("graphicsView_5"), Qt::blue), "Bob's avatar was not in the login box");
    QVERIFY2(near(shown("graphicsView"), Qt::red), "Alice's avatar left slot 1");
    QVERIFY2(find<QLineEdit>("lineEdit")->text().isEmpty(), "the password field was not empty");

    window.reset();
    QSettings program(testfiles::programsettings(), QSettings::IniFormat);
    QCOMPARE(program.value(QStringLiteral("/usr/usr0")).toString(), path("a.zbu"));
    QCOMPARE(program.value(QStringLiteral("/usr/usr4")).toString(), path("b.zbu"));
    QCOMPARE(program.value(QStringLiteral("/usr/default")).toInt(), 4);
}

void tst_login::refusedimport_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("slot");
    QTest::newRow("garbage into an empty slot") << QByteArray("not a user file") << "pushButton_91" << 5;
    QTest::newRow("empty file into an empty slot") << QByteArray("") << "pushButton_91" << 5;
    QTest::newRow("garbage over the selected user") << QByteArray("not a user file") << "pushButton_10" << 1;
    QTest::newRow("garbage over another user") << QByteArray(4000, '\xff') << "pushButton_6" << 0;
}

// A file that is not a readable user file is refused with a message; the
// slot, the selection and the login box stay as they were.
void tst_login::refusedimport()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, button);
    QFETCH(int, slot);
    QVERIFY(testfiles::writeuser(path("a.zbu"), QStringLiteral("Alice"), QStringLiteral("a"), QString(), {},
                                 avatar(Qt::red)));
    QVERIFY(testfiles::writeuser(path("b.zbu"), QStringLiteral("Bob"), QStringLiteral("b"), QString(), {},
                                 avatar(Qt::blue)));
    QVERIFY(testfiles::writeall(path("bad.zbu"), bytes));
    start({path("a.zbu"), path("b.zbu")}, 1);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Bob"));
    const char *const views[] = {"graphicsView", "graphicsView_2", "graphicsView_3",
                                 "graphicsView_4", "graphicsView_10", "graphicsView_11"};
    const QColor before = shown(views[slot]);

    QString message;
    DialogDriver bad;
    answerchooser(bad, path("bad.zbu"));
    bad.readmessage(&message);
    QVERIFY(run(qPrintable(button), bad));
    QCOMPARE(message, QStringLiteral("用户文件无法打开，请检查"));
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Bob"));
    QVERIFY2(near(shown("graphicsView_5"), Qt::blue), "the login box no longer showed Bob");
    QVERIFY2(shown(views[slot]) == before, "the slot's picture changed");

    QVERIFY(login(QStringLiteral("b")));
    QCOMPARE(stack()->currentIndex(), 1);
    QVERIFY(click("pushButton_92"));
    window.reset();
    QSettings program(testfiles::programsettings(), QSettings::IniFormat);
    const QStringList expected{path("a.zbu"), path("b.zbu"), "", "", "", ""};
    QCOMPARE(program.value(QString("/usr/usr%1").arg(slot)).toString(), expected.at(slot));
    QCOMPARE(program.value(QStringLiteral("/usr/default")).toInt(), 1);
    QCOMPARE(readall(path("bad.zbu")), bytes);
}

void tst_login::unreadableslot_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("empty") << "empty";
    QTest::newRow("cut in the head") << "cut";
    QTest::newRow("missing") << "missing";
}

// A slot whose file cannot be read says so when clicked; the selected user
// stays selected.
void tst_login::unreadableslot()
{
    QFETCH(QString, damage);
    QVERIFY(testfiles::writeuser(path("a.zbu"), QStringLiteral("Alice"), QStringLiteral("a"), QString(), {},
                                 avatar(Qt::red)));
    QVERIFY(testfiles::writeuser(path("b.zbu"), QStringLiteral("Bob"), QStringLiteral("b")));
    const QByteArray whole = readall(path("b.zbu"));
    if (damage == "missing")
        QVERIFY(QFile::remove(path("b.zbu")));
    else
        QVERIFY(testfiles::writeall(path("b.zbu"), damage == "garbage" ? QByteArray(300, 'x')
                                                   : damage == "cut" ? whole.left(12) : QByteArray()));
    start({path("a.zbu"), path("b.zbu")}, 0);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Alice"));

    QString message;
    DialogDriver driver;
    driver.readmessage(&message);
    driver.start();
    QTest::mouseClick(find<QGraphicsView>("graphicsView_2")->viewport(), Qt::LeftButton);
    QTRY_VERIFY2_WITH_TIMEOUT(driver.done(), "no message showed", 10000);
    QCOMPARE(message, QStringLiteral("用户文件无法打开，请检查"));
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Alice"));
    QVERIFY2(near(shown("graphicsView_5"), Qt::red), "the login box no longer showed Alice");
    QVERIFY(login(QStringLiteral("a")));
    QCOMPARE(stack()->currentIndex(), 1);
}

void tst_login::remove()
{
    QVERIFY(testfiles::writeuser(path("a.zbu"), QStringLiteral("Alice"), QStringLiteral("a")));
    QVERIFY(testfiles::writeuser(path("b.zbu"), QStringLiteral("Bob"), QStringLiteral("b")));
    start({path("a.zbu"), path("b.zbu")}, 1);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Bob"));

    QCOMPARE(clickmessage("pushButton_7"), QStringLiteral("如需恢复请导入：") + path("a.zbu"));
    QVERIFY2(!haspicture("graphicsView"), "slot 1 was not blanked");
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("Bob"));
    QVERIFY2(QFile::exists(path("a.zbu")), "the user file was deleted");

    find<QLineEdit>("lineEdit")->setText(QStringLiteral("b"));
    QCOMPARE(clickmessage("pushButton_9"), QStringLiteral("如需恢复请导入：") + path("b.zbu"));
    QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "the name was not blanked");
    QVERIFY2(find<QLineEdit>("lineEdit")->text().isEmpty(), "the password was not blanked");
    QVERIFY2(!haspicture("graphicsView_5"), "the login box was not blanked");

    // An empty slot: nothing happens, no message.
    QVERIFY(click("pushButton_9"));
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a message showed");

    QCOMPARE(clickmessage("pushButton_2"), QStringLiteral("请先选择用户再登陆"));
    window.reset();
    QSettings program(testfiles::programsettings(), QSettings::IniFormat);
    QVERIFY2(program.value(QStringLiteral("/usr/usr0")).toString().isEmpty(), "slot 1 was not emptied");
    QCOMPARE(program.value(QStringLiteral("/usr/default")).toInt(), 1);
}

void tst_login::damaged_data()
{
    QTest::addColumn<QString>("damage");
    for (const char *damage : {"garbage", "empty", "magic only", "cut in the head", "cut after the head",
                               "cut in the lists", "huge list count", "missing"})
        QTest::newRow(damage) << damage;
}

// Damaged after it was selected: the login refuses it and saves nothing.
void tst_login::damaged()
{
    QFETCH(QString, damage);
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U"), {{10, true}}));
    const QByteArray whole = readall(path("u.zbu"));
    const int lists = whole.indexOf(QByteArray::fromHex("0000001e0000000a"));
    QVERIFY2(lists > 0, "the word coefficients were not found");
    start({path("u.zbu")}, 0);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("U"));

    QByteArray bytes;
    if (damage == "garbage")
        bytes = QByteArray(4000, '\xff');
    else if (damage == "magic only")
        bytes = whole.left(4);
    else if (damage == "cut in the head")
        bytes = whole.left(lists / 2);
    else if (damage == "cut after the head")
        bytes = whole.left(lists + 2);
    else if (damage == "cut in the lists")
        bytes = whole.left(lists + 40);
    else if (damage == "huge list count")
        bytes = whole.left(lists) + QByteArray::fromHex("7fffffff") + whole.mid(lists + 4);
    if (damage == "missing")
        QFile::remove(path("u.zbu"));
    else
        QVERIFY(testfiles::writeall(path("u.zbu"), bytes));

    QCOMPARE(loginmessage(QStringLiteral("pw")), QStringLiteral("用户文件无法打开，请检查"));
    QCOMPARE(stack()->currentIndex(), 0);
    window.reset();
    QCOMPARE(readall(path("u.zbu")), bytes);
}

void tst_login::unreadablebook_data()
{
    QTest::addColumn<QByteArray>("book");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("garbage") << QByteArray(300, 'x');
    QTest::newRow("empty") << QByteArray("");
}

// A user whose textbook cannot be read stays logged out.
void tst_login::unreadablebook()
{
    QFETCH(QByteArray, book);
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U")));
    QFile::remove(path("book.zemBook"));
    if (!book.isNull())
        QVERIFY(testfiles::writeall(path("book.zemBook"), book));
    const QByteArray user = readall(path("u.zbu"));
    start({path("u.zbu")}, 0);
    QCOMPARE(loginmessage(QStringLiteral("pw")), path("book.zemBook") + QStringLiteral(" 无法打开，请检查"));
    QCOMPARE(stack()->currentIndex(), 0);
    window.reset();
    QVERIFY2(readall(path("u.zbu")) == user, "the user file was saved");
    QVERIFY2(!QFile::exists(path("u.ini")), "settings were written");
}

// Logging in removes the temporaries that interrupted saves of the user's
// file and settings left once their writer has ended; the files themselves,
// the user's copies and other names stay.
void tst_login::loginleftovers()
{
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U")));
    testfiles::writesettings(path("u.ini"), {{QStringLiteral("spin/s1"), 7}});
    const QStringList leftovers = {endedsave("u.zbu"), endedsave("u.ini"),
                                   endedsave("u.ini", ".lock"), endedsave("u.ini", ".Qw9eRt")};
    const QStringList strangers = {"u.zbu.backup", "u.zbu.old001", "u.zbu.copy12", "u.ini.backup", "u.ini.old001",
                                   "u.ini.copy12", "u.zbu.aB3xYz", "u.zbu.lock", "u.ini.lock",
                                   endedsave("v.zbu")};
    for (const QString &name : leftovers + strangers)
        QVERIFY2(testfiles::writeall(path(name), "x"), qPrintable("could not plant " + name));
    const QByteArray user = readall(path("u.zbu"));
    const QByteArray settings = readall(path("u.ini"));
    start({path("u.zbu")}, 0);
    login(QStringLiteral("pw"));
    QVERIFY2(stack()->currentIndex() != 0, "the user was not logged in");
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(path(name)), qPrintable(name + " stayed after the login"));
    for (const QString &name : strangers)
        QVERIFY2(readall(path(name)) == "x", qPrintable(name + ", no leftover of this user, was not kept"));
    QVERIFY2(readall(path("u.zbu")) == user, "the login changed the user file");
    QVERIFY2(readall(path("u.ini")) == settings, "the login changed the settings");
}

// A user logged in in one running learner is refused in another until the
// first logs out, so that the second neither shows nor saves a stale state.
void tst_login::userinuse()
{
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U")));
    start({path("u.zbu")}, 0);
    QVERIFY(login(QStringLiteral("pw")));
    QVERIFY2(stack()->currentIndex() != 0, "the first learner was not logged in");
    QScopedPointer<Widget> first(window.take());
    // However old the lock, its holder runs.
    QFile lock(path(".u.zbu.inuse"));
    QVERIFY(lock.open(QIODevice::ReadWrite)
            && lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    lock.close();
    start();
    QCOMPARE(loginmessage(QStringLiteral("pw")), QStringLiteral("该用户正在使用中"));
    QCOMPARE(stack()->currentIndex(), 0);
    first->findChild<QSpinBox *>(QStringLiteral("spinBox_15"))->setValue(77);
    first->findChild<QPushButton *>(QStringLiteral("pushButton_4"))->click();
    QCOMPARE(first->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex(), 0);
    const QByteArray user = readall(path("u.zbu"));
    window.reset();
    QVERIFY2(readall(path("u.zbu")) == user, "the refused learner wrote the user file");
    QCOMPARE(readini(path("u.ini")).value(QStringLiteral("spin/s15val")), QStringLiteral("77"));
    // Logged out in the first, the user logs in in the other.
    start();
    const QString message = loginanswered(QStringLiteral("pw"));
    QVERIFY2(message.isEmpty() && stack()->currentIndex() != 0,
             qPrintable("the user was refused after logging out elsewhere: " + message));
}

void tst_login::stalelock_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<bool>("old");
    // What QLockFile writes: the holder's process id, program and host.
    QTest::newRow("holder killed") << QByteArray::number((1 << 22) + 1) + "\nlearner\n<host>\n" << false;
    QTest::newRow("id taken by another program") << QByteArray("<sleep>\nlearner\n<host>\n") << false;
    QTest::newRow("holder killed before writing it") << QByteArray() << true;
}

// The lock a killed learner left locks nobody out, and goes at logout.
void tst_login::stalelock()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, old);
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY2(sleeper.waitForStarted(), "no process to take the id");
    lock.replace("<sleep>", QByteArray::number(sleeper.processId()));
    lock.replace("<host>", QSysInfo::machineHostName().toUtf8());
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U")));
    const QString lockpath = path(".u.zbu.inuse");
    QFile file(lockpath);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(lock) == lock.size(), "could not plant the lock");
    file.close();
    if (old)
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime::currentDateTime().addSecs(-1),
                                                                      QFileDevice::FileModificationTime));
    file.close();
    start({path("u.zbu")}, 0);
    const QString message = loginanswered(QStringLiteral("pw"));
    sleeper.kill();
    sleeper.waitForFinished();
    QVERIFY2(message.isEmpty(), qPrintable("the login showed " + message));
    QVERIFY2(stack()->currentIndex() != 0, "the stale lock kept the user out");
    QVERIFY(click("pushButton_4"));
    QCOMPARE(stack()->currentIndex(), 0);
    QVERIFY2(!QFile::exists(lockpath), "the lock stayed after the logout");
}

void tst_login::failedsave_data()
{
    QTest::addColumn<bool>("logout");
    QTest::newRow("logout") << true;
    QTest::newRow("exit") << false;
}

// A user file that cannot be replaced at logout or exit is reported and kept
// whole; a failed logout keeps the learner logged in.
void tst_login::failedsave()
{
    QFETCH(bool, logout);
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U"))
            && QFile::rename(path("u.zbu"), path(Unreplaceable)));
    const QByteArray user = readall(path(Unreplaceable));
    start({path(Unreplaceable)}, 0);
    QVERIFY(login(QStringLiteral("pw")));
    QCOMPARE(stack()->currentIndex(), 1);
    QString message;
    if (logout) {
        find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
        message = clickmessage("pushButton_96");
        QCOMPARE(stack()->currentIndex(), 1);
        QCOMPARE(find<QLabel>("label_15")->text(), QStringLiteral("第一册"));
        // Still logged in: the exit tries again.
        QString atexit;
        DialogDriver exit;
        exit.readmessage(&atexit);
        exit.start();
        window.reset();
        QVERIFY2(exit.done(), "the failure at exit was not shown");
        QCOMPARE(atexit, QStringLiteral("用户信息无法保存"));
    } else {
        DialogDriver failed;
        failed.readmessage(&message);
        failed.start();
        window.reset();
        QVERIFY2(failed.done(), "the failure was not shown");
        QSettings program(testfiles::programsettings(), QSettings::IniFormat);
        QCOMPARE(program.value(QStringLiteral("/usr/usr0")).toString(), path(Unreplaceable));
    }
    QCOMPARE(message, QStringLiteral("用户信息无法保存"));
    QVERIFY2(readall(path(Unreplaceable)) == user, "the user file was not kept whole");
}

void tst_login::textbook_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<QString>("title");
    QTest::newRow("natural order") << false << QStringLiteral("远帆英语课,青禾社制作于2013年 05月 01日。");
    QTest::newRow("random order") << true << QStringLiteral("远帆英语课【单词随机序】,青禾社制作于2013年 05月 01日。");
}

void tst_login::textbook()
{
    QFETCH(bool, random);
    QFETCH(QString, title);
    testfiles::Book book;
    book.random = random;
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U"), {}, book));
    start({path("u.zbu")}, 0);
    QVERIFY(login(QStringLiteral("pw")));
    QCOMPARE(stack()->currentIndex(), 1);
    QCOMPARE(find<QLabel>("label_10")->text(), title);
    QCOMPARE(find<QLabel>("label_15")->text(), QStringLiteral("第一册"));
    QCOMPARE(find<QLabel>("label_17")->text(), QStringLiteral("版权所有"));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("关闭教材"));
    QCOMPARE(find<QPushButton>("pushButton_69")->toolTip(), QStringLiteral("关闭教材将同时删除学习记录，慎用"));
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("找回忽略"));
    QCOMPARE(find<QPushButton>("pushButton_80")->toolTip(), QStringLiteral("找回忽略的内容重新学习"));
    QVERIFY2(find<QRadioButton>("radioButton")->isChecked(), "the plan option was not chosen");
}

// Groups 0 and 3 due: their rows in order, the first current.
void tst_login::duegroups()
{
    QVERIFY(testfiles::writereader(path("u.zbu"), QStringLiteral("U"), {{5, true}, {5, false}, {5, false}, {5, true}}));
    start({path("u.zbu")}, 0);
    QVERIFY(login(QStringLiteral("pw")));
    QCOMPARE(stack()->currentIndex(), 7);
    auto *groups = find<QListWidget>("listWidget_6");
    QCOMPARE(groups->count(), 2);
    QCOMPARE(groups->item(0)->text(), QStringLiteral("第 1 组"));
    QCOMPARE(groups->item(1)->text(), QStringLiteral("第 4 组"));
    QCOMPARE(groups->item(0)->data(Qt::WhatsThisRole).toString(), QStringLiteral("1"));
    QCOMPARE(groups->item(1)->data(Qt::WhatsThisRole).toString(), QStringLiteral("4"));
    QCOMPARE(groups->currentRow(), 0);

    // The next user's list starts afresh.
    QVERIFY(click("pushButton_115"));
    QVERIFY(testfiles::writeuser(path("v.zbu"), QStringLiteral("V"), QStringLiteral("pw"), path("book.zemBook"),
                                 {{5, true}}));
    DialogDriver importv;
    answerchooser(importv, path("v.zbu"));
    QVERIFY(run("pushButton_10", importv));
    QVERIFY(login(QStringLiteral("pw")));
    QCOMPARE(stack()->currentIndex(), 7);
    QCOMPARE(groups->count(), 1);
    QCOMPARE(groups->item(0)->text(), QStringLiteral("第 1 组"));
}

// Every word grouped and nothing due within 1000 days: the plan option is
// disabled for this user only.
void tst_login::finished()
{
    QVERIFY(testfiles::writereader(path("done.zbu"), QStringLiteral("Done"), {{30, false}}));
    {
        MUser user;
        QVERIFY(user.load(path("done.zbu")));
        user.setstage(0, 8);
        QVERIFY(user.save(path("done.zbu")));
    }
    QVERIFY(testfiles::writeuser(path("new.zbu"), QStringLiteral("New"), QStringLiteral("pw"),
                                 path("book.zemBook")));
    start({path("done.zbu"), path("new.zbu")}, 0);
    QCOMPARE(loginmessage(QStringLiteral("pw")), QStringLiteral("初记和复习已经完成"));
    QCOMPARE(stack()->currentIndex(), 1);
    QVERIFY2(find<QRadioButton>("radioButton_2")->isChecked(), "the phonetic option was not chosen");
    QVERIFY2(!find<QRadioButton>("radioButton")->isEnabled(), "the plan option was enabled");

    QVERIFY(click("pushButton_4"));
    QTest::mouseClick(find<QGraphicsView>("graphicsView_2")->viewport(), Qt::LeftButton);
    QCOMPARE(find<QLabel>("label_5")->text(), QStringLiteral("New"));
    QVERIFY(login(QStringLiteral("pw")));
    QCOMPARE(stack()->currentIndex(), 1);
    QVERIFY2(find<QRadioButton>("radioButton")->isEnabled(), "the plan option stayed disabled");
    QVERIFY2(find<QRadioButton>("radioButton")->isChecked(), "the plan option was not chosen");
}

QTEST_MAIN(tst_login)
#include "tst_login.moc"
