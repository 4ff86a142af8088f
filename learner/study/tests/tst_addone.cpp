#include "addone.h"
#include "dialogdriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The two-field dialog that asks for a new knowledge entry.
class tst_addone : public QObject
{
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void cancel_data();
    void cancel();
    void withoutlist();
    void scaled();
};

namespace {

void fill(QDialog *dialog, const QString &question, const QString &answer)
{
    dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(question);
    dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->setText(answer);
}

} // namespace

void tst_addone::add_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expected");

    const QString refused = QStringLiteral("请检查录入的信息");
    QTest::newRow("plain") << "What is -tion?" << QStringLiteral("读作 [ʃən]")
                           << QStringList{"What is -tion?", QStringLiteral("读作 [ʃən]")};
    QTest::newRow("trimmed") << "  question \t" << QStringLiteral("　answer  ")
                             << QStringList{"question", "answer"};
    QTest::newRow("blank answer") << "question" << "   " << QStringList{refused};
    QTest::newRow("empty question") << "" << "answer" << QStringList{refused};
    QTest::newRow("line break") << "two\nlines" << "answer" << QStringList{refused};
    QTest::newRow("control character") << "question" << QStringLiteral("a\u0001b")
                                       << QStringList{refused};
}

// "添加" hands back the trimmed texts, or refuses and stays open with the
// texts kept.
void tst_addone::add()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QStringList, expected);
    const bool refused = expected.size() == 1;

    QStringList list;
    addone dialog;
    dialog.setlist(&list);
    DialogDriver driver;
    QString message;
    QStringList kept;
    driver.add("addone", [&](QDialog *d) {
        fill(d, question, answer);
        DialogDriver::clickbutton(d, QStringLiteral("pushButton"));
    });
    if (refused) {
        driver.readmessage(&message);
        driver.add("addone", [&](QDialog *d) {
            kept << d->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text()
                 << d->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->text();
            DialogDriver::clickbutton(d, QStringLiteral("pushButton_2"));
        });
    }
    driver.start();
    dialog.showdlg(1.0f, 9);
    QVERIFY2(driver.done(), "the dialogs were not all answered");
    if (refused) {
        QCOMPARE(message, expected.first());
        QVERIFY2(list.isEmpty(), "a refused entry was handed back");
        QCOMPARE(kept, (QStringList{question, answer}));
    } else {
        QCOMPARE(list, expected);
    }
}

void tst_addone::cancel_data()
{
    QTest::addColumn<bool>("titlebar");
    QTest::newRow("取消") << false;
    QTest::newRow("window closed") << true;
}

void tst_addone::cancel()
{
    QFETCH(bool, titlebar);
    QStringList list;
    addone dialog;
    dialog.setlist(&list);
    DialogDriver driver;
    driver.add("addone", [&](QDialog *d) {
        fill(d, "question", "answer");
        if (titlebar)
            d->close();
        else
            DialogDriver::clickbutton(d, QStringLiteral("pushButton_2"));
    });
    driver.start();
    dialog.showdlg(1.0f, 9);
    QVERIFY2(driver.done(), "the dialog was not answered");
    QVERIFY2(list.isEmpty(), "a cancelled entry was handed back");
}

// Without a list the dialog still closes on "添加" and writes nowhere.
void tst_addone::withoutlist()
{
    addone dialog;
    DialogDriver driver;
    driver.add("addone", [&](QDialog *d) {
        fill(d, "question", "answer");
        DialogDriver::clickbutton(d, QStringLiteral("pushButton"));
    });
    driver.start();
    dialog.showdlg(1.0f, 9);
    QVERIFY2(driver.done(), "the dialog was not answered");
    QVERIFY2(!dialog.isVisible(), "the dialog did not close");
}

// The dialog and its children grow with the window's scale and take its point
// size; the help button is gone.
void tst_addone::scaled()
{
    addone dialog;
    dialog.setWindowTitle(QStringLiteral("Zembrix Rozo：添加重点知识"));
    QRect question;
    QRect button;
    int points = 0;
    DialogDriver driver;
    driver.add("addone", [&](QDialog *d) {
        question = d->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->geometry();
        button = d->findChild<QPushButton *>(QStringLiteral("pushButton"))->geometry();
        points = d->findChild<QLabel *>(QStringLiteral("label"))->font().pointSize();
        fill(d, QStringLiteral("-tion 怎么读？"), QStringLiteral("读作 [ʃən]"));
        const QString shots = qEnvironmentVariable("SHOTDIR");
        if (!shots.isEmpty())
            d->grab().save(shots + QStringLiteral("/addone.png"));
        DialogDriver::clickbutton(d, QStringLiteral("pushButton_2"));
    });
    driver.start();
    dialog.showdlg(1.5f, 12);
    QVERIFY2(driver.done(), "the dialog was not answered");
    QCOMPARE(dialog.size(), QSize(843, 292));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(question, QRect(30, 45, 766, 30));
    QCOMPARE(button, QRect(555, 240, 112, 34));
    QCOMPARE(points, 12);
    QVERIFY2(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint), "the dialog has a help button");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zembrix Rozo：添加重点知识"));
}

QTEST_MAIN(tst_addone)
#include "tst_addone.moc"
