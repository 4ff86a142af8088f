#include "checkreturn.h"
#include "dialog.h"
#include "dialogdriver.h"
#include "qpushbuttonex.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

// The 47 character keys and their captions: lower case, Shift, Caps Lock.
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
const QString capscaptions = QStringLiteral("`1234567890-=QWERTYUIOP[]\\ASDFGHJKL;'ZXCVBNM,./");

const QMap<QString, QString> rolekeys = {
    {"Space", "pushButton_32"}, {"Back", "pushButton_35"},  {"Tab", "pushButton_54"},
    {"Lock", "pushButton_33"},  {"Shift", "pushButton_34"}, {"RShift", "pushButton_36"},
    {"Enter", "pushButton_37"},
};

// The object name of a key: a role ("Shift", "Back", ...) or a lower-case caption.
QString keyname(const QString &token)
{
    if (rolekeys.contains(token))
        return rolekeys.value(token);
    const int at = lowercaptions.indexOf(token);
    return token.size() == 1 && at >= 0 ? charkeys.at(at) : QString();
}

QPushButtonEx *key(QDialog *dialog, const QString &name)
{
    return dialog->findChild<QPushButtonEx *>(name);
}

QLineEdit *line(QDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
}

bool clicktokens(QDialog *dialog, const QString &tokens)
{
    for (const QString &token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = keyname(token);
        QVERIFY_RETURN(!name.isEmpty(), qPrintable("no key for " + token));
        DialogDriver::clickbutton(dialog, name);
    }
    return true;
}

QString captions(QDialog *dialog)
{
    QString shown;
    for (const QString &name : charkeys)
        shown += key(dialog, name)->text();
    return shown;
}

// A lit key shows the hover picture, the only key picture with an amber lamp.
bool lit(QPushButtonEx *button)
{
    QEvent leave(QEvent::Leave); // the pointer has moved on
    QApplication::sendEvent(button, &leave);
    const QImage image = button->grab().toImage();
    int amber = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - c.blue() > 60)
                ++amber;
        }
    }
    return amber > 0;
}

} // namespace

class tst_keyboard : public QObject
{
    Q_OBJECT

private slots:
    void form_data();
    void form();
    void formkeys();
    void taborder();
    void scaled_data();
    void scaled();
    void skins();
    void typing_data();
    void typing();
    void everykey_data();
    void everykey();
    void modifiers();
    void startsempty();
    void targetchanges();
    void selection_data();
    void selection();
    void backinmiddle();
    void enter();
    void enterclearing();
    void physicalreturn();
    void physicaltyping();

private:
    // Runs keyboard over target at scale 1 and point size 12; action acts on
    // the shown keyboard, which is closed after it. False when the keyboard
    // did not show or a check of action failed.
    bool run(Dialog &keyboard, QLineEdit &target, const DialogDriver::Action &action,
             float scale = 1.0f, int fontsize = 12);
};

bool tst_keyboard::run(Dialog &keyboard, QLineEdit &target, const DialogDriver::Action &action,
                       float scale, int fontsize)
{
    DialogDriver driver;
    driver.add(QStringLiteral("Dialog"), [action](QDialog *dialog) {
        action(dialog);
        dialog->close();
    });
    driver.start();
    keyboard.showdlg(&target, scale, fontsize);
    QVERIFY_RETURN(driver.done(), "the keyboard did not show");
    return !QTest::currentTestFailed();
}

void tst_keyboard::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("line edit") << "lineEdit" << QRect(0, 0, 375, 25) << QString();
    QTest::newRow("backquote") << "pushButton_50" << QRect(0, 25, 25, 25) << "`";
    QTest::newRow("equals") << "pushButton_39" << QRect(300, 25, 25, 25) << "=";
    QTest::newRow("Back") << "pushButton_35" << QRect(325, 25, 50, 25) << "Back";
    QTest::newRow("Tab") << "pushButton_54" << QRect(0, 50, 40, 25) << "Tab";
    QTest::newRow("q") << "pushButton" << QRect(40, 50, 25, 25) << "q";
    QTest::newRow("backslash") << "pushButton_53" << QRect(340, 50, 35, 25) << "\\";
    QTest::newRow("Lock") << "pushButton_33" << QRect(0, 75, 45, 25) << "Lock";
    QTest::newRow("a") << "pushButton_13" << QRect(45, 75, 25, 25) << "a";
    QTest::newRow("quote") << "pushButton_30" << QRect(295, 75, 25, 25) << "'";
    QTest::newRow("Enter") << "pushButton_37" << QRect(320, 75, 55, 25) << "Enter";
    QTest::newRow("left Shift") << "pushButton_34" << QRect(0, 100, 60, 25) << "Shift";
    QTest::newRow("z") << "pushButton_14" << QRect(60, 100, 25, 25) << "z";
    QTest::newRow("right Shift") << "pushButton_36" << QRect(310, 100, 65, 25) << "Shift";
    QTest::newRow("Space") << "pushButton_32" << QRect(110, 125, 125, 25) << "";
}

void tst_keyboard::form()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    Dialog keyboard;
    QWidget *widget = keyboard.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable("no widget " + name));
    QCOMPARE(widget->geometry(), geometry);
    if (auto *button = qobject_cast<QPushButtonEx *>(widget))
        QCOMPARE(button->text(), caption);
    else
        QVERIFY2(line(&keyboard)->text().isEmpty(), "the line edit did not start empty");
}

void tst_keyboard::formkeys()
{
    Dialog keyboard;
    QCOMPARE(keyboard.size(), QSize(374, 150));
    QCOMPARE(keyboard.windowTitle(), QStringLiteral("Zembrix Rozo 屏幕键盘"));
    QVERIFY2(!(keyboard.windowFlags() & Qt::WindowContextHelpButtonHint), "the keyboard has a help button");
    const QList<QPushButtonEx *> keys = keyboard.findChildren<QPushButtonEx *>();
    QCOMPARE(keys.size(), 54);
    for (QPushButtonEx *k : keys) {
        QVERIFY2(!k->autoDefault(), qPrintable(k->objectName() + " is an auto default button"));
        QVERIFY2(!k->isDefault(), qPrintable(k->objectName() + " is the default button"));
        QCOMPARE(k->font().pointSize(), 7);
    }
    QCOMPARE(captions(&keyboard), lowercaptions);
    QCOMPARE(line(&keyboard)->alignment(), Qt::AlignCenter);
    QVERIFY2(line(&keyboard)->styleSheet().contains("border: 1px solid #0000ff;"), "the line edit has no blue border");
}

void tst_keyboard::taborder()
{
    const QStringList chain = {
        "pushButton", "pushButton_2", "pushButton_3", "pushButton_4", "pushButton_5",
        "pushButton_6", "pushButton_8", "pushButton_10", "pushButton_9", "pushButton_7",
        "pushButton_13", "pushButton_17", "pushButton_19", "pushButton_18", "pushButton_15",
        "pushButton_12", "pushButton_11", "pushButton_16", "pushButton_20", "pushButton_22",
        "pushButton_14", "pushButton_26", "pushButton_21", "pushButton_25", "pushButton_24",
        "pushButton_23", "pushButton_48", "pushButton_43", "pushButton_46", "pushButton_41",
        "pushButton_45", "pushButton_47", "pushButton_44", "pushButton_40", "pushButton_49",
        "pushButton_42", "pushButton_38", "pushButton_39", "pushButton_50", "pushButton_51",
        "pushButton_52", "pushButton_53", "pushButton_31", "pushButton_30", "pushButton_27",
        "pushButton_28", "pushButton_29", "pushButton_37", "pushButton_36", "pushButton_34",
        "pushButton_33", "pushButton_54", "pushButton_32", "lineEdit", "pushButton_35",
    };
    Dialog keyboard;
    QWidget *widget = keyboard.findChild<QWidget *>(chain.first());
    for (int i = 1; i < chain.size(); ++i) {
        widget = widget->nextInFocusChain();
        QCOMPARE(widget->objectName(), chain.at(i));
    }
}

void tst_keyboard::scaled_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("fontsize");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("akey");
    QTest::addColumn<int>("linewidth");
    QTest::addColumn<int>("points");

    QTest::newRow("scale 1") << 1.0f << 12 << QSize(486, 195) << QRect(58, 97, 32, 32) << 487 << 15;
    // 1152 / 912: a 1152 pixel wide screen
    QTest::newRow("wider screen") << float(1152.0 / 912.0) << 9 << QSize(614, 246)
                                  << QRect(73, 123, 41, 41) << 615 << 11;
}

void tst_keyboard::scaled()
{
    QFETCH(float, scale);
    QFETCH(int, fontsize);
    QFETCH(QSize, size);
    QFETCH(QRect, akey);
    QFETCH(int, linewidth);
    QFETCH(int, points);
    Dialog keyboard;
    QLineEdit target;
    QSize shown;
    QPoint place;
    QRect a;
    int width = 0;
    QList<int> fonts;
    QSize minimum;
    QSize maximum;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        shown = dialog->size();
        place = dialog->pos();
        minimum = dialog->minimumSize();
        maximum = dialog->maximumSize();
        a = key(dialog, "pushButton_13")->geometry();
        width = line(dialog)->width();
        for (QWidget *w : dialog->findChildren<QWidget *>())
            fonts.append(w->font().pointSize());
    }, scale, fontsize));
    QCOMPARE(shown, size);
    QCOMPARE(minimum, size);
    QCOMPARE(maximum, size);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(place, QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2));
    QCOMPARE(a, akey);
    QCOMPARE(width, linewidth);
    QCOMPARE(fonts.size(), 55);
    // A caption too wide for its key is drawn smaller, never larger.
    QCOMPARE(*std::max_element(fonts.begin(), fonts.end()), points);
}

void tst_keyboard::skins()
{
    Dialog keyboard;
    QLineEdit target;
    QStringList unmasked;
    QStringList narrowmask;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        for (QPushButtonEx *k : dialog->findChildren<QPushButtonEx *>()) {
            const QRect outline = k->mask().boundingRect();
            if (k->mask().isEmpty() || k->mask().contains(QPoint(0, 0))
                || !k->mask().contains(k->rect().center()))
                unmasked.append(k->objectName());
            // The mask is stretched to each key's own width.
            else if (outline.width() < k->width() * 8 / 10)
                narrowmask.append(k->objectName());
            if (lit(k))
                unmasked.append(k->objectName() + " lit");
        }
    }));
    QVERIFY2(unmasked.isEmpty(), qPrintable("unshaped or lit keys: " + unmasked.join(' ')));
    QVERIFY2(narrowmask.isEmpty(), qPrintable("masks not fitted: " + narrowmask.join(' ')));
}

void tst_keyboard::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");

    QTest::newRow("letters") << "h e l l o" << "hello";
    QTest::newRow("digits and signs") << "1 - 2 = ; '" << "1-2=;'";
    QTest::newRow("Shift, one letter") << "Shift h e" << "He";
    QTest::newRow("right Shift") << "RShift h e" << "He";
    QTest::newRow("Shift twice") << "Shift RShift h" << "h";
    QTest::newRow("Shift, a digit") << "Shift 1 1" << "!1";
    QTest::newRow("Lock") << "Lock h e 1 ." << "HE1.";
    QTest::newRow("Lock twice") << "Lock h Lock h" << "Hh";
    QTest::newRow("Lock, then Shift") << "Lock Shift a a" << "Aa";
    QTest::newRow("Shift, then Lock") << "Shift Lock a a" << "AA";
    QTest::newRow("Space") << "h Space i" << "h i";
    QTest::newRow("Shift, Space releases") << "Shift Space a" << " a";
    QTest::newRow("Back") << "a b c Back" << "ab";
    QTest::newRow("Back to the start") << "a b Back Back Back" << "";
    QTest::newRow("Shift, Back releases") << "a Shift Back b" << "b";
    QTest::newRow("Shift, Enter releases") << "Shift Enter a" << "a";
    QTest::newRow("Shift, Tab keeps it") << "Shift Tab a" << "A";
    QTest::newRow("Tab types nothing") << "a Tab b" << "ab";
    QTest::newRow("Enter types nothing") << "a Enter b" << "ab";
}

void tst_keyboard::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    Dialog keyboard;
    QLineEdit target;
    QString shown;
    int cursor = -1;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, keys));
        shown = line(dialog)->text();
        cursor = line(dialog)->cursorPosition();
    }));
    QCOMPARE(shown, typed);
    QCOMPARE(target.text(), typed);
    QCOMPARE(cursor, typed.size());
}

void tst_keyboard::everykey_data()
{
    QTest::addColumn<QString>("modifier");
    QTest::addColumn<QString>("typed");

    QTest::newRow("lower case") << "" << lowercaptions;
    QTest::newRow("Shift") << "Shift" << shiftcaptions;
    QTest::newRow("Lock") << "Lock" << capscaptions;
}

// Each of the 47 character keys types its caption.
void tst_keyboard::everykey()
{
    QFETCH(QString, modifier);
    QFETCH(QString, typed);
    Dialog keyboard;
    QLineEdit target;
    QStringList wrongcaption;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        for (int i = 0; i < charkeys.size(); ++i) {
            if (modifier == QLatin1String("Shift") || (modifier == QLatin1String("Lock") && i == 0))
                QVERIFY(clicktokens(dialog, modifier));
            if (key(dialog, charkeys.at(i))->text() != typed.mid(i, 1))
                wrongcaption.append(charkeys.at(i));
            DialogDriver::clickbutton(dialog, charkeys.at(i));
        }
    }));
    QVERIFY2(wrongcaption.isEmpty(), qPrintable("wrong captions: " + wrongcaption.join(' ')));
    QCOMPARE(target.text(), typed);
}

void tst_keyboard::modifiers()
{
    Dialog keyboard;
    QLineEdit target;
    struct Seen {
        QString captions;
        bool leftshift;
        bool rightshift;
        bool lock;
    };
    QList<Seen> seen;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        auto look = [&] {
            seen.append({captions(dialog), lit(key(dialog, "pushButton_34")),
                         lit(key(dialog, "pushButton_36")), lit(key(dialog, "pushButton_33"))});
        };
        look();
        QVERIFY(clicktokens(dialog, "Shift"));
        look();
        QVERIFY(clicktokens(dialog, "a"));
        look();
        QVERIFY(clicktokens(dialog, "Lock"));
        look();
        QVERIFY(clicktokens(dialog, "RShift"));
        look();
        QVERIFY(clicktokens(dialog, "Lock"));
        look();
        QVERIFY(clicktokens(dialog, "Lock"));
        look();
    }));
    QCOMPARE(seen.size(), 7);
    const QList<Seen> expected = {
        {lowercaptions, false, false, false}, // opened
        {shiftcaptions, true, true, false},   // Shift
        {lowercaptions, false, false, false}, // a letter releases Shift
        {capscaptions, false, false, true},   // Lock
        {shiftcaptions, true, true, false},   // Shift turns Lock off
        {capscaptions, false, false, true},   // Lock turns Shift off
        {lowercaptions, false, false, false}, // Lock again
    };
    for (int i = 0; i < expected.size(); ++i) {
        const QByteArray step = QByteArray::number(i);
        QVERIFY2(seen.at(i).captions == expected.at(i).captions, "wrong captions at step " + step);
        QVERIFY2(seen.at(i).leftshift == expected.at(i).leftshift, "wrong left Shift lamp at step " + step);
        QVERIFY2(seen.at(i).rightshift == expected.at(i).rightshift, "wrong right Shift lamp at step " + step);
        QVERIFY2(seen.at(i).lock == expected.at(i).lock, "wrong Lock lamp at step " + step);
    }
}

// The keyboard opens empty; its first key replaces the target's whole text.
void tst_keyboard::startsempty()
{
    Dialog keyboard;
    QLineEdit target(QStringLiteral("abc"));
    QString atopen;
    QString targetatopen;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        atopen = line(dialog)->text();
        targetatopen = target.text();
        QVERIFY(clicktokens(dialog, "d"));
    }));
    QCOMPARE(atopen, QString());
    QCOMPARE(targetatopen, QStringLiteral("abc"));
    QCOMPARE(target.text(), QStringLiteral("d"));
}

void tst_keyboard::targetchanges()
{
    Dialog keyboard;
    QLineEdit target;
    QString shown;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "a b"));
        target.setText(QStringLiteral("xyz"));
        QVERIFY(clicktokens(dialog, "c"));
        shown = line(dialog)->text();
    }));
    QCOMPARE(shown, QStringLiteral("xyzc"));
    QCOMPARE(target.text(), QStringLiteral("xyzc"));
}

void tst_keyboard::selection_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");

    // "hello" with "el" selected
    QTest::newRow("a key replaces it") << "x" << "hxlo" << 2;
    QTest::newRow("Shift, a key replaces it") << "Shift x" << "hXlo" << 2;
    QTest::newRow("Back deletes it") << "Back" << "hlo" << 1;
    QTest::newRow("Space replaces it") << "Space" << "h lo" << 2;
    QTest::newRow("only once") << "x y" << "hxylo" << 3;
}

void tst_keyboard::selection()
{
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    Dialog keyboard;
    QLineEdit target;
    QString shown;
    int at = -1;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "h e l l o"));
        line(dialog)->setSelection(1, 2);
        QVERIFY(clicktokens(dialog, keys));
        shown = line(dialog)->text();
        at = line(dialog)->cursorPosition();
    }));
    QCOMPARE(shown, typed);
    QCOMPARE(at, cursor);
    QCOMPARE(target.text(), typed);
}

// Back deletes towards the start from where the cursor stands.
void tst_keyboard::backinmiddle()
{
    Dialog keyboard;
    QLineEdit target;
    QStringList steps;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "h e l l o"));
        line(dialog)->setCursorPosition(3);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(clicktokens(dialog, "Back"));
            steps.append(line(dialog)->text() + "|" + QString::number(line(dialog)->cursorPosition()));
        }
    }));
    QCOMPARE(steps, QStringList({"helo|2", "hlo|1", "lo|0", "lo|0"}));
}

void tst_keyboard::enter()
{
    Dialog keyboard;
    QLineEdit target;
    QSignalSpy entered(&keyboard, &Dialog::enter);
    QList<int> counts;
    QString shown;
    bool open = false;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "Enter"));
        counts.append(entered.count()); // empty line
        QVERIFY(clicktokens(dialog, "Lock a Enter"));
        counts.append(entered.count());
        QVERIFY(clicktokens(dialog, "b"));
        shown = line(dialog)->text();
        open = dialog->isVisible();
    }));
    QCOMPARE(counts, QList<int>({1, 2}));
    QCOMPARE(shown, QStringLiteral("AB")); // Caps Lock kept
    QVERIFY2(open, "Enter closed the keyboard");
}

// A handler of enter() that clears the target clears the keyboard as well.
void tst_keyboard::enterclearing()
{
    Dialog keyboard;
    QLineEdit target;
    QStringList checked;
    connect(&keyboard, &Dialog::enter, &target, [&] {
        checked.append(target.text());
        target.clear();
    });
    QString shown;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "o k Enter"));
        shown = line(dialog)->text();
        QVERIFY(clicktokens(dialog, "n o Enter"));
    }));
    QCOMPARE(checked, QStringList({"ok", "no"}));
    QCOMPARE(shown, QString());
    QCOMPARE(target.text(), QString());
}

// Return on the physical keyboard acts as Enter and never also presses a key.
void tst_keyboard::physicalreturn()
{
    Dialog keyboard;
    QLineEdit target;
    QSignalSpy entered(&keyboard, &Dialog::enter);
    QList<int> counts;
    QStringList texts;
    bool open = false;
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QVERIFY(clicktokens(dialog, "o k"));
        QTest::keyClick(line(dialog), Qt::Key_Return);
        counts.append(entered.count());
        texts.append(line(dialog)->text());
        // A key holding the focus: Return neither clicks it nor the Enter key.
        for (const QString &name : {QStringLiteral("pushButton_13"), QStringLiteral("pushButton_37")}) {
            key(dialog, name)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(key(dialog, name), Qt::Key_Return);
            counts.append(entered.count());
            texts.append(line(dialog)->text());
        }
        open = dialog->isVisible();
    }));
    QCOMPARE(counts, QList<int>({1, 1, 1}));
    QCOMPARE(texts, QStringList({"ok", "ok", "ok"}));
    QVERIFY2(open, "Return closed the keyboard");
    QCOMPARE(target.text(), QStringLiteral("ok"));
}

void tst_keyboard::physicaltyping()
{
    Dialog keyboard;
    QLineEdit target(QStringLiteral("old"));
    QVERIFY(run(keyboard, target, [&](QDialog *dialog) {
        QTest::keyClicks(line(dialog), QStringLiteral("Hi"));
        QVERIFY(clicktokens(dialog, "Shift 1"));
    }));
    QCOMPARE(target.text(), QStringLiteral("Hi!"));
}

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
