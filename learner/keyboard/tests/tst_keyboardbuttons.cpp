#include "dialogdriver.h"
#include "testfiles.h"
#include "widget.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

namespace {

const int planpage = 1;
const int learnpage = 2;

// The object names of the keyboard's keys for lower-case letters and digits.
QString keyname(QChar c)
{
    const QString captions = QStringLiteral("1234567890qwertyuiopasdfghjklzxcvbnm");
    const QStringList names = {
        "pushButton_48", "pushButton_43", "pushButton_46", "pushButton_41", "pushButton_45",
        "pushButton_47", "pushButton_44", "pushButton_40", "pushButton_49", "pushButton_42",
        "pushButton", "pushButton_2", "pushButton_3", "pushButton_4", "pushButton_5",
        "pushButton_6", "pushButton_8", "pushButton_10", "pushButton_9", "pushButton_7",
        "pushButton_13", "pushButton_17", "pushButton_19", "pushButton_18", "pushButton_15",
        "pushButton_12", "pushButton_11", "pushButton_16", "pushButton_20",
        "pushButton_14", "pushButton_22", "pushButton_26", "pushButton_21", "pushButton_25",
        "pushButton_24", "pushButton_23",
    };
    return names.value(captions.indexOf(c));
}

// Clicks the keys of text (lower-case letters and digits) on the keyboard.
void type(QDialog *keyboard, const QString &text)
{
    for (QChar c : text) {
        QVERIFY2(!keyname(c).isEmpty(), "no key");
        DialogDriver::clickbutton(keyboard, keyname(c));
    }
}

void pressenter(QDialog *keyboard)
{
    DialogDriver::clickbutton(keyboard, QStringLiteral("pushButton_37"));
}

QString keyboardtext(QDialog *keyboard)
{
    return keyboard->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text();
}

} // namespace

// The "键盘" buttons of the main window: the keyboard over a page's answer
// field, its Enter checking the answer of the page shown.
class tst_keyboardbuttons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fields_data();
    void fields();
    void enterchecks();
    void hiddenpage();
    void closing();
    void screenshot();

private:
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    QStackedWidget *stack() const { return find<QStackedWidget>("stackedWidget"); }
    QListWidget *list() const { return find<QListWidget>("listWidget"); }
    QLineEdit *field() const { return find<QLineEdit>("lineEdit_19"); }
    QString shownword() const { return find<QLabel>("label_33")->text(); }
    // Logs a reader of a three-word textbook in and starts a run of its words.
    void startlearning();
    // Clicks a keyboard button; the driver answers the keyboard and what it opens.
    void openkeyboard(const char *button, DialogDriver &driver);

    QTemporaryDir sounds;
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_keyboardbuttons::initTestCase()
{
    const QString wav = sounds.filePath("tone.wav");
    QCOMPARE(QProcess::execute("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", wav, "synth", "0.2", "sine", "440"}), 0);
    QCOMPARE(QProcess::execute("lame", {"--quiet", wav, sounds.filePath("tone.mp3")}), 0);
}

void tst_keyboardbuttons::init()
{
    dir.reset(new QTemporaryDir);
    QFile::remove(testfiles::programsettings());
}

void tst_keyboardbuttons::cleanup()
{
    // From the login page the window closes without saving a user.
    if (window)
        stack()->setCurrentIndex(0);
    window.reset();
    QFile::remove(testfiles::programsettings());
}

void tst_keyboardbuttons::startlearning()
{
    testfiles::Book book;
    book.words = 3;
    const QString user = dir->filePath("u.zbu");
    QVERIFY(testfiles::writereader(user, QStringLiteral("U"), {}, book));
    for (int n = 1; n <= book.words; ++n)
        QVERIFY(QFile::copy(sounds.filePath("tone.mp3"), dir->filePath(QStringLiteral("w%1.mp3").arg(n))));
    testfiles::setprogram({user}, 0, dir->path());
    window.reset(new Widget);
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    find<QPushButton>("pushButton_2")->click();
    QCOMPARE(stack()->currentIndex(), planpage);
    find<QSpinBox>("spinBox")->setValue(book.words);
    find<QSpinBox>("spinBox_10")->setValue(1);
    find<QPushButton>("pushButton_3")->click();
    QCOMPARE(stack()->currentIndex(), learnpage);
    QCOMPARE(list()->count(), book.words);
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY2(shownword().startsWith("word"), qPrintable(shownword()));
}

void tst_keyboardbuttons::openkeyboard(const char *button, DialogDriver &driver)
{
    driver.start();
    find<QPushButton>(button)->click();
    QVERIFY2(driver.done(), qPrintable(QStringLiteral("dialogs left unanswered after ") + button));
}

void tst_keyboardbuttons::fields_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");

    QTest::newRow("learning") << "pushButton_77" << "lineEdit_19" << 2;
    QTest::newRow("review test") << "pushButton_78" << "lineEdit_18" << 3;
    QTest::newRow("lesson sentences") << "pushButton_79" << "lineEdit_2" << 6;
}

// Each button types into its own page's field and is disabled while open.
void tst_keyboardbuttons::fields()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(int, page);
    window.reset(new Widget);
    stack()->setCurrentIndex(page);
    auto *opener = window->findChild<QPushButton *>(button);
    auto *answer = window->findChild<QLineEdit *>(field);
    answer->setText(QStringLiteral("before"));
    bool enabled = true;
    QString typed;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        enabled = opener->isEnabled();
        type(keyboard, "ab1");
        typed = answer->text();
        keyboard->close();
    });
    openkeyboard(qPrintable(button), driver);
    QVERIFY2(!enabled, "the button is disabled while the keyboard is open");
    QVERIFY2(opener->isEnabled(), "the button is enabled again");
    QCOMPARE(typed, QStringLiteral("ab1"));
    QCOMPARE(answer->text(), QStringLiteral("ab1"));
}

// On the learning page the keyboard's Enter runs the typing check while the
// keyboard stays open for the next word.
void tst_keyboardbuttons::enterchecks()
{
    startlearning();
    const QString first = shownword();
    QString second;
    QString message;
    int rowafterright = -1;
    QString fieldafterright = QStringLiteral("unset");
    QString keyboardafterright = QStringLiteral("unset");
    QString fieldafterwrong;
    QString difficulty;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        type(keyboard, first);
        pressenter(keyboard);
        rowafterright = list()->currentRow();
        fieldafterright = field()->text();
        keyboardafterright = keyboardtext(keyboard);
        second = shownword();
        type(keyboard, second + "x");
        pressenter(keyboard); // wrong: the message is answered by the next step
        fieldafterwrong = field()->text();
        difficulty = find<QLabel>("label_60")->text();
    });
    driver.readmessage(&message);
    driver.titleclose(QStringLiteral("Dialog"));
    openkeyboard("pushButton_77", driver);
    QCOMPARE(rowafterright, 1);
    QCOMPARE(fieldafterright, QString());
    QCOMPARE(keyboardafterright, QString());
    QVERIFY2(second != first, "the next word is shown");
    QCOMPARE(message, QStringLiteral("输入错误，请检查"));
    QCOMPARE(fieldafterwrong, second + "x");
    QCOMPARE(difficulty, QStringLiteral("难度系数：11"));
    QCOMPARE(list()->currentRow(), 1);
}

// While the learning page is not shown, the keyboard's Enter checks nothing;
// shown again, it checks.
void tst_keyboardbuttons::hiddenpage()
{
    startlearning();
    const QString word = shownword();
    int rowhidden = -1;
    QString fieldhidden;
    int rowshown = -1;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        stack()->setCurrentIndex(planpage);
        type(keyboard, word);
        pressenter(keyboard);
        rowhidden = list()->currentRow();
        fieldhidden = field()->text();
        stack()->setCurrentIndex(learnpage);
        pressenter(keyboard);
        rowshown = list()->currentRow();
        keyboard->close();
    });
    openkeyboard("pushButton_77", driver);
    QCOMPARE(rowhidden, 0);
    QCOMPARE(fieldhidden, word);
    QCOMPARE(rowshown, 1);
}

// Closing the keyboard, by its title bar or Escape, checks nothing: the typed
// answer stays in the field and the row stays.
void tst_keyboardbuttons::closing()
{
    startlearning();
    const QString word = shownword();
    for (const bool escape : {false, true}) {
        DialogDriver driver;
        driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
            type(keyboard, word);
            if (escape)
                QTest::keyClick(keyboard->focusWidget(), Qt::Key_Escape);
            else
                keyboard->close();
        });
        openkeyboard("pushButton_77", driver);
        QCOMPARE(field()->text(), word);
        QCOMPARE(list()->currentRow(), 0);
    }
}

// The keyboard over the learning page, as the learner sees it.
void tst_keyboardbuttons::screenshot()
{
    startlearning();
    QPixmap shot;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        DialogDriver::clickbutton(keyboard, QStringLiteral("pushButton_34"));
        type(keyboard, "wor");
        DialogDriver::clickbutton(keyboard, QStringLiteral("pushButton_33"));
        // The pointer has left the keys: only the lit Lock key shows its lamp.
        for (QPushButton *key : keyboard->findChildren<QPushButton *>()) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(key, &leave);
        }
        shot = window->grab();
        QPainter painter(&shot);
        painter.drawPixmap(keyboard->pos() - window->pos(), keyboard->grab());
        keyboard->close();
    });
    openkeyboard("pushButton_77", driver);
    const QString folder = qEnvironmentVariable("KEYBOARD_SHOTS");
    if (!folder.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(shot.save(QDir(folder).filePath("keyboard-over-learning.png")));
    }
    QCOMPARE(field()->text(), QStringLiteral("Wor"));
}

QTEST_MAIN(tst_keyboardbuttons)
#include "tst_keyboardbuttons.moc"
