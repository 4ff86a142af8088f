#include "checkreturn.h"
#include "dialogdriver.h"
#include "reviewwindow.h"
#include "studywindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

namespace {

const int planpage = 1;
const int learnpage = 2;
const int reviewpage = 3;
const int lessonpage = 6;

// The keyboard's character keys with their unshifted and shifted captions.
const QStringList charkeys = {
    "pushButton_50", "pushButton_48", "pushButton_43", "pushButton_46", "pushButton_41",
    "pushButton_45", "pushButton_47", "pushButton_44", "pushButton_40", "pushButton_49",
    "pushButton_42", "pushButton_38", "pushButton_39",
    "pushButton", "pushButton_2", "pushButton_3", "pushButton_4", "pushButton_5",
    "pushButton_6", "pushButton_8", "pushButton_10", "pushButton_9", "pushButton_7",
    "pushButton_51", "pushButton_52", "pushButton_53",
    "pushButton_13", "pushButton_17", "pushButton_19", "pushButton_18", "pushButton_15",
    "pushButton_12", "pushButton_11", "pushButton_16", "pushButton_20", "pushButton_31",
    "pushButton_30",
    "pushButton_14", "pushButton_22", "pushButton_26", "pushButton_21", "pushButton_25",
    "pushButton_24", "pushButton_23", "pushButton_27", "pushButton_28", "pushButton_29",
};
const QString lowercaptions = QStringLiteral("`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./");
const QString shiftcaptions = QStringLiteral("~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?");

void click(QDialog *keyboard, const char *key)
{
    DialogDriver::clickbutton(keyboard, QLatin1String(key));
}

// Types text on the keyboard as a learner would: Space for blanks, Shift
// before each shifted character.
bool type(QDialog *keyboard, const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char(' ')) {
            click(keyboard, "pushButton_32");
            continue;
        }
        int at = lowercaptions.indexOf(c);
        if (at < 0) {
            at = shiftcaptions.indexOf(c);
            QVERIFY_RETURN(at >= 0, qPrintable(QStringLiteral("no key types %1").arg(c)));
            click(keyboard, "pushButton_34");
        }
        DialogDriver::clickbutton(keyboard, charkeys.at(at));
    }
    return true;
}

void pressenter(QDialog *keyboard)
{
    click(keyboard, "pushButton_37");
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
    void cleanup();
    void fields_data();
    void fields();
    void enterchecks();
    void hiddenpage();
    void hiddenlessonpage();
    void reviewhandin();
    void closing();
    void screenshot();

private:
    QStackedWidget *stack() const { return w.find<QStackedWidget>("stackedWidget"); }
    QListWidget *list() const { return w.find<QListWidget>("listWidget"); }
    QLineEdit *field() const { return w.find<QLineEdit>("lineEdit_19"); }
    QString shownword() const { return w.find<QLabel>("label_33")->text(); }
    // The reader logged in, on the learning page with a run of the textbook's words.
    bool startlearning();
    // Clicks a keyboard button; the driver answers the keyboard and what it
    // opens. False when a dialog stayed unanswered or a step failed a check.
    bool openkeyboard(const char *button, DialogDriver &driver);

    StudyWindow w;
    ReviewWindow review;
};

void tst_keyboardbuttons::cleanup()
{
    w.close();
    review.close();
}

bool tst_keyboardbuttons::startlearning()
{
    QVERIFY_RETURN(w.start(), "could not log in");
    QCOMPARE_RETURN(w.startrun("radioButton", {{"spinBox", 6}}), QStringList());
    QCOMPARE_RETURN(w.page(), learnpage);
    QCOMPARE_RETURN(list()->currentRow(), 0);
    QVERIFY_RETURN(shownword().startsWith("word"), qPrintable("no word shown: " + shownword()));
    return true;
}

bool tst_keyboardbuttons::openkeyboard(const char *button, DialogDriver &driver)
{
    driver.start();
    if (!w.click(button))
        return false;
    QVERIFY_RETURN(driver.done(), qPrintable(QStringLiteral("dialogs left unanswered after ") + button));
    return !QTest::currentTestFailed();
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

// Each button types into its own page's field, replacing what it held, and
// is disabled while the keyboard is open.
void tst_keyboardbuttons::fields()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(int, page);
    QVERIFY2(w.start(), "could not log in");
    stack()->setCurrentIndex(page);
    auto *opener = w.window()->findChild<QPushButton *>(button);
    auto *answer = w.window()->findChild<QLineEdit *>(field);
    answer->setText(QStringLiteral("before"));
    bool enabled = true;
    QString atopen;
    QString typed;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        enabled = opener->isEnabled();
        atopen = keyboardtext(keyboard);
        QVERIFY(type(keyboard, "Ab1"));
        typed = answer->text();
        keyboard->close();
    });
    QVERIFY(openkeyboard(qPrintable(button), driver));
    QVERIFY2(!enabled, "the button was enabled while the keyboard was open");
    QVERIFY2(opener->isEnabled(), "the button was not enabled again");
    QCOMPARE(atopen, QString());
    QCOMPARE(typed, QStringLiteral("Ab1"));
    QCOMPARE(answer->text(), QStringLiteral("Ab1"));
}

// On the learning page the keyboard's Enter runs the typing check while the
// keyboard stays open for the next word.
void tst_keyboardbuttons::enterchecks()
{
    QVERIFY(startlearning());
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
        QVERIFY(type(keyboard, first));
        pressenter(keyboard);
        rowafterright = list()->currentRow();
        fieldafterright = field()->text();
        keyboardafterright = keyboardtext(keyboard);
        second = shownword();
        QVERIFY(type(keyboard, second + "x"));
        pressenter(keyboard); // wrong: the message is answered by the next step
        fieldafterwrong = field()->text();
        difficulty = w.find<QLabel>("label_60")->text();
    });
    driver.readmessage(&message);
    driver.titleclose(QStringLiteral("Dialog"));
    QVERIFY(openkeyboard("pushButton_77", driver));
    QCOMPARE(rowafterright, 1);
    QCOMPARE(fieldafterright, QString());
    QCOMPARE(keyboardafterright, QString());
    QVERIFY2(second != first, "the next word was not shown");
    QCOMPARE(message, QStringLiteral("输入错误，请检查"));
    QCOMPARE(fieldafterwrong, second + "x");
    QCOMPARE(difficulty, QStringLiteral("难度系数：11"));
    QCOMPARE(list()->currentRow(), 1);
}

// While the learning page is not shown, the keyboard's Enter checks nothing;
// shown again, it checks.
void tst_keyboardbuttons::hiddenpage()
{
    QVERIFY(startlearning());
    const QString word = shownword();
    int rowhidden = -1;
    QString fieldhidden;
    int rowshown = -1;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        stack()->setCurrentIndex(planpage);
        QVERIFY(type(keyboard, word));
        pressenter(keyboard);
        rowhidden = list()->currentRow();
        fieldhidden = field()->text();
        stack()->setCurrentIndex(learnpage);
        pressenter(keyboard);
        rowshown = list()->currentRow();
        keyboard->close();
    });
    QVERIFY(openkeyboard("pushButton_77", driver));
    QCOMPARE(rowhidden, 0);
    QCOMPARE(fieldhidden, word);
    QCOMPARE(rowshown, 1);
}

// The same on the lesson sentence page: a wrong answer typed while the page
// is hidden shows nothing; a right one on the page shown is taken.
void tst_keyboardbuttons::hiddenlessonpage()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QCOMPARE(w.page(), lessonpage);
    auto *sentences = w.find<QListWidget>("listWidget_5");
    QCOMPARE(sentences->currentRow(), 0);
    const QString sentence = studyreader::sentences().at(studyreader::lessons().at(0).at(0)).at(0);
    QStringList hidden;
    QStringList wrong;
    QStringList right;
    QString fieldafterright = QStringLiteral("unset");
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        stack()->setCurrentIndex(planpage);
        QVERIFY(type(keyboard, "x"));
        hidden = StudyWindow::messages([keyboard] { pressenter(keyboard); });
        stack()->setCurrentIndex(lessonpage);
        QVERIFY(type(keyboard, "y"));
        wrong = StudyWindow::messages([keyboard] { pressenter(keyboard); });
        click(keyboard, "pushButton_35");
        click(keyboard, "pushButton_35");
        QVERIFY(type(keyboard, sentence));
        right = StudyWindow::messages([keyboard] { pressenter(keyboard); });
        fieldafterright = w.find<QLineEdit>("lineEdit_2")->text();
        keyboard->close();
    });
    QVERIFY(openkeyboard("pushButton_79", driver));
    QCOMPARE(hidden, QStringList());
    QCOMPARE(wrong, QStringList{QStringLiteral("输入错误，请检查")});
    QCOMPARE(right, QStringList());
    QCOMPARE(fieldafterright, QString());
}

// A review test answered on the keyboard: the last row's prompt hands the
// test in and leaves the page; the keyboard, still open, then checks nothing.
void tst_keyboardbuttons::reviewhandin()
{
    QCOMPARE(review.start({}, QDateTime(QDate(2024, 3, 1), QTime(9, 0))), QStringList());
    review.find<QRadioButton>("radioButton_6")->setChecked(true);
    review.find<QSpinBox>("spinBox_4")->setValue(2);
    review.find<QSpinBox>("spinBox_5")->setValue(3);
    review.find<QSpinBox>("spinBox_10")->setValue(1);
    QCOMPARE(review.click("pushButton_3"), QStringList());
    QCOMPARE(review.click("pushButton_29"), QStringList());
    QCOMPARE(review.page(), reviewpage);
    auto *list = review.find<QListWidget>("listWidget_2");
    QCOMPARE(list->count(), 3);
    QList<int> rows;
    QStringList shown;
    int pageafter = -1;
    QStringList after;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        for (int k = 0; k < 3; ++k) {
            rows << list->currentRow();
            QVERIFY(type(keyboard, learnbook::word(review.rowword("listWidget_2", list->currentRow()))));
            shown += ReviewWindow::run([keyboard] { pressenter(keyboard); });
        }
        pageafter = review.page();
        QVERIFY(type(keyboard, "x"));
        after = ReviewWindow::run([keyboard] { pressenter(keyboard); });
        keyboard->close();
    });
    driver.start();
    review.find<QPushButton>("pushButton_78")->click();
    QVERIFY2(driver.done(), "the keyboard did not show");
    QCOMPARE(rows, QList<int>({0, 1, 2}));
    QCOMPARE(shown, QStringList{QStringLiteral("已经进行到最后一个，输入“ok”交卷")});
    QCOMPARE(pageafter, planpage);
    QCOMPARE(after, QStringList());
    QCOMPARE(review.page(), planpage);
}

// Closing the keyboard, by its title bar or Escape, checks nothing: the typed
// answer stays in the field and the row stays.
void tst_keyboardbuttons::closing()
{
    QVERIFY(startlearning());
    const QString word = shownword();
    for (const bool escape : {false, true}) {
        DialogDriver driver;
        driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
            QVERIFY(type(keyboard, word));
            if (escape)
                QTest::keyClick(keyboard->focusWidget(), Qt::Key_Escape);
            else
                keyboard->close();
        });
        QVERIFY(openkeyboard("pushButton_77", driver));
        QCOMPARE(field()->text(), word);
        QCOMPARE(list()->currentRow(), 0);
    }
}

// The keyboard over the learning page, as the learner sees it, under Caps
// Lock; saved as a picture when KEYBOARD_SHOTS names a folder.
void tst_keyboardbuttons::screenshot()
{
    QVERIFY(startlearning());
    QPixmap shot;
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [&](QDialog *keyboard) {
        QVERIFY(type(keyboard, "Wor"));
        click(keyboard, "pushButton_33");
        // The pointer has left the keys: only the lit Lock key shows its lamp.
        for (QPushButton *key : keyboard->findChildren<QPushButton *>()) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(key, &leave);
        }
        shot = w.window()->grab();
        QPainter painter(&shot);
        painter.drawPixmap(keyboard->pos() - w.window()->pos(), keyboard->grab());
        keyboard->close();
    });
    QVERIFY(openkeyboard("pushButton_77", driver));
    const QString folder = qEnvironmentVariable("KEYBOARD_SHOTS");
    if (!folder.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(shot.save(QDir(folder).filePath("keyboard-over-learning.png")));
    }
    QCOMPARE(field()->text(), QStringLiteral("Wor"));
}

QTEST_MAIN(tst_keyboardbuttons)
#include "tst_keyboardbuttons.moc"
