#include "checkreturn.h"
#include "learnbook.h"
#include "muser.h"
#include "reviewwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// Hand-in of the review test: scores, recording and the review schedule.
class tst_handin : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void score_data();
    void score();
    void freerange();
    void unconfirmed_data();
    void unconfirmed();
    void filteredhandin();
    void sentenceanswer();
    void acceptedanswer();
    void leftpage();
    void stilldue();
    void lastgroup();
    void schedule();

private:
    // Answers every row of the review test, right unless listed in wrong;
    // the last row's prompt gets input. The texts shown.
    QStringList answerall(const QList<int> &wrong = {}, const QString &input = QStringLiteral("ok"));
    // Logs in with a plan run of count new words tested on the review page.
    bool plantest(int count);
    // Logs out and reads the user file into user.
    bool logoutreload(MUser &user);

    ReviewWindow w;
};

namespace {
const QDateTime t0(QDate(2026, 3, 2), QTime(8, 0));
const QList<int> plan = {20, 60, 1, 2, 5, 15, 30, 60};
const char *const intervalboxes[] = {"spinBox_14", "spinBox_15", "spinBox_16", "spinBox_17",
                                     "spinBox_18", "spinBox_19", "spinBox_20", "spinBox_21"};

ReviewWindow::Group group(int size, const QDateTime &start, int stage = 0)
{
    return {size, start, stage};
}

QList<int> intervals(const MUser &user, int g)
{
    QList<int> result;
    for (int k = 1; k <= 8; ++k)
        result << user.interval(g, k);
    return result;
}

QList<int> diffs(const MUser &user)
{
    QList<int> result;
    for (int p = 0; p < user.wordcount(); ++p)
        result << user.worddiff(p);
    return result;
}
}

void tst_handin::cleanup()
{
    w.close();
}

QStringList tst_handin::answerall(const QList<int> &wrong, const QString &input)
{
    QStringList shown;
    auto *list = w.find<QListWidget>("listWidget_2");
    const int count = list->count();
    for (int r = 0; r < count; ++r) {
        list->setCurrentRow(r);
        const QString word = learnbook::word(w.rowword("listWidget_2", r));
        shown += w.type(wrong.contains(r) ? word + QStringLiteral("x") : word, input);
    }
    return shown;
}

bool tst_handin::plantest(int count)
{
    w.find<QRadioButton>("radioButton")->setChecked(true);
    w.find<QSpinBox>("spinBox")->setValue(count);
    w.find<QSpinBox>("spinBox_10")->setValue(1);
    for (int k = 0; k < 8; ++k)
        w.find<QSpinBox>(intervalboxes[k])->setValue(plan.at(k));
    QCOMPARE_RETURN(w.click("pushButton_3"), QStringList());
    QCOMPARE_RETURN(w.page(), 2);
    QCOMPARE_RETURN(w.click("pushButton_29"), QStringList());
    QCOMPARE_RETURN(w.page(), 3);
    return true;
}

bool tst_handin::logoutreload(MUser &user)
{
    w.click("pushButton_4");
    QCOMPARE_RETURN(w.page(), 0);
    QVERIFY_RETURN(w.reload(user), "user file was not read");
    return true;
}

void tst_handin::score_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QString>("message");
    QTest::newRow("two of three") << 3 << QList<int>{1} << QStringLiteral("您的成绩：67");
    QTest::newRow("one of eight") << 8 << QList<int>{1, 2, 3, 4, 5, 6, 7} << QStringLiteral("您的成绩：13");
}

// A wrong row only shows the score: the group is not reviewed, nothing eased.
void tst_handin::score()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, wrong);
    QFETCH(QString, message);
    ReviewWindow::Setup setup;
    setup.groups = {group(rows, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(answerall(wrong, QString()).size(), 1);
    QCOMPARE(w.click("pushButton_31"), QStringList{message});
    QCOMPARE(w.page(), 3);
    MUser user;
    QVERIFY(logoutreload(user));
    QCOMPARE(user.stage(0), 0);
    for (int r = 0; r < rows; ++r) {
        const int p = w.rowword("listWidget_2", r);
        QCOMPARE(user.worddiff(p), wrong.contains(r) ? 11 : 10);
    }
}

// A free word range, all right: eased, the plan page, no group.
void tst_handin::freerange()
{
    QCOMPARE(w.start({}, t0), QStringList());
    w.find<QRadioButton>("radioButton_6")->setChecked(true);
    w.find<QSpinBox>("spinBox_4")->setValue(2);
    w.find<QSpinBox>("spinBox_5")->setValue(3);
    QCOMPARE(w.click("pushButton_3"), QStringList());
    QCOMPARE(w.click("pushButton_29"), QStringList());
    QCOMPARE(w.rows("listWidget_2").size(), 3);
    answerall();
    QCOMPARE(w.page(), 1);
    MUser user;
    QVERIFY(logoutreload(user));
    QCOMPARE(user.groupcount(), 0);
    QCOMPARE(diffs(user), (QList<int>{10, 9, 9, 9, 10, 10, 10, 10}));
}

void tst_handin::unconfirmed_data()
{
    QTest::addColumn<bool>("plan");
    QTest::addColumn<bool>("lastrow");
    QTest::newRow("review, first row") << false << false;
    QTest::newRow("review, last row handed in from its prompt") << false << true;
    QTest::newRow("new words, last row handed in from its prompt") << true << true;
}

// An answer typed but not confirmed counts; when its check hands the test in
// from the last row's prompt, the review is recorded once.
void tst_handin::unconfirmed()
{
    QFETCH(bool, plan);
    QFETCH(bool, lastrow);
    ReviewWindow::Setup setup;
    if (!plan)
        setup.groups = {group(3, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    if (plan)
        QVERIFY(plantest(3));
    else
        QCOMPARE(w.click("pushButton_33"), QStringList());
    auto *list = w.find<QListWidget>("listWidget_2");
    const int open = lastrow ? 2 : 0;
    for (int r = 0; r < 3; ++r) {
        if (r == open)
            continue;
        list->setCurrentRow(r);
        w.type(learnbook::word(w.rowword("listWidget_2", r)), QString());
    }
    list->setCurrentRow(open);
    w.find<QLineEdit>("lineEdit_18")->setText(learnbook::word(w.rowword("listWidget_2", open)));
    const QStringList shown = w.click("pushButton_31");
    QCOMPARE(shown, lastrow ? QStringList{QStringLiteral("已经进行到最后一个，输入“ok”交卷")} : QStringList());
    QCOMPARE(w.page(), 1);
    MUser user;
    QVERIFY(logoutreload(user));
    const int stage = plan ? 0 : 1;
    QVERIFY2(user.stage(0) == stage, qPrintable(QStringLiteral("wrong stage %1").arg(user.stage(0))));
    QCOMPARE(user.groupcount(), 1);
    QCOMPARE(user.wordsupto(0), 3);
}

// With only the errors shown, hand-in counts every row.
void tst_handin::filteredhandin()
{
    QCOMPARE(w.start({}, t0), QStringList());
    QVERIFY(plantest(3));
    auto *list = w.find<QListWidget>("listWidget_2");
    for (int r = 0; r < 3; ++r) {
        list->setCurrentRow(r);
        w.type(learnbook::word(w.rowword("listWidget_2", r)), QString());
    }
    w.find<QCheckBox>("checkBox_6")->click();
    QCOMPARE(w.rows("listWidget_2"), (QStringList{"\n", "\n", "\n"}));
    QCOMPARE(w.click("pushButton_31"), QStringList());
    QVERIFY2(!w.find<QCheckBox>("checkBox_6")->isChecked(), "the error filter stayed on");
    QCOMPARE(w.page(), 1);
    MUser user;
    QVERIFY(logoutreload(user));
    QCOMPARE(user.groupcount(), 1);
    QCOMPARE(user.wordsupto(0), 3);
}

// The linked example sentence is a right answer too.
void tst_handin::sentenceanswer()
{
    ReviewWindow::Setup setup;
    setup.groups = {group(2, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    w.find<QCheckBox>("checkBox_13")->click();
    auto *list = w.find<QListWidget>("listWidget_2");
    for (int r = 0; r < 2; ++r) {
        list->setCurrentRow(r);
        w.type(learnbook::sentence(w.rowword("listWidget_2", r)).chopped(1), QString());
    }
    const int first = w.rowword("listWidget_2", 0);
    QCOMPARE(list->item(0)->text(), learnbook::sentence(first) + QStringLiteral("\n词%1").arg(first));
    QCOMPARE(w.click("pushButton_31"), QStringList());
    QCOMPARE(w.page(), 1);
}

// An answer accepted after normalisation is stored as the textbook's word,
// so hand-in counts it right.
void tst_handin::acceptedanswer()
{
    ReviewWindow::Setup setup;
    setup.groups = {group(2, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    auto *list = w.find<QListWidget>("listWidget_2");
    for (int r = 0; r < 2; ++r) {
        list->setCurrentRow(r);
        const int word = w.rowword("listWidget_2", r);
        w.type(word == 0 ? QStringLiteral("icecream!") : learnbook::word(word), QString());
    }
    QVERIFY2(w.rows("listWidget_2").contains(QStringLiteral("ice cream\n词0")), "the textbook's word was not shown");
    QCOMPARE(w.click("pushButton_31"), QStringList());
    QCOMPARE(w.page(), 1);
}

// Once the test has left its page, hand-in records nothing more.
void tst_handin::leftpage()
{
    ReviewWindow::Setup setup;
    setup.groups = {group(2, t0.addSecs(-30 * 60))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    answerall();
    QCOMPARE(w.page(), 1);
    w.find<QLineEdit>("lineEdit_18")->setText(learnbook::word(w.rowword("listWidget_2", 0)));
    const QStringList shown = ReviewWindow::run([this]() {
        QMetaObject::invokeMethod(w.window(), "on_pushButton_31_clicked");
        QMetaObject::invokeMethod(w.window(), "on_lineEdit_18_returnPressed");
    });
    QCOMPARE(shown, QStringList());
    MUser user;
    QVERIFY(logoutreload(user));
    QCOMPARE(user.stage(0), 1);
    QCOMPARE(diffs(user).mid(0, 2), (QList<int>{9, 9}));
}

// After a review the groups still due are listed.
void tst_handin::stilldue()
{
    ReviewWindow::Setup setup;
    setup.groups = {group(1, t0.addDays(-1)), group(1, t0.addDays(-1)), group(1, t0),
                    group(1, t0), group(1, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.rows("listWidget_6"), (QStringList{"第 1 组", "第 2 组", "第 5 组"}));
    QCOMPARE(w.click("pushButton_33"), QStringList());
    answerall();
    QCOMPARE(w.page(), 7);
    QCOMPARE(w.rows("listWidget_6"), (QStringList{"第 2 组", "第 5 组"}));
    auto *list = w.find<QListWidget>("listWidget_6");
    QCOMPARE(list->item(0)->data(Qt::WhatsThisRole).toString(), QStringLiteral("2"));
    QCOMPARE(list->item(1)->data(Qt::WhatsThisRole).toString(), QStringLiteral("5"));
    QCOMPARE(list->currentRow(), 0);
}

// The review that leaves nothing due with every word grouped leaves only
// free learning.
void tst_handin::lastgroup()
{
    ReviewWindow::Setup setup;
    setup.book.words = 3;
    setup.groups = {group(3, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    answerall();
    QCOMPARE(w.page(), 1);
    QVERIFY2(w.find<QRadioButton>("radioButton_2")->isChecked(), "free phonetic learning was not chosen");
    QVERIFY2(!w.find<QRadioButton>("radioButton")->isEnabled(), "the plan was still offered");
}

// The whole loop with the clock set by the test: learn and hand in, the
// group comes due, is reviewed on time and late, strengthened, and the user
// file holds what happened.
void tst_handin::schedule()
{
    ReviewWindow::Setup setup;
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.page(), 1);
    QVERIFY(plantest(4));
    QCOMPARE(answerall(), QStringList{QStringLiteral("已经进行到最后一个，输入“ok”交卷")});
    QCOMPARE(w.page(), 1);

    w.setnow(t0.addSecs(20 * 60 - 1));
    QCOMPARE(w.click("pushButton_128"), QStringList{QStringLiteral("已无需要复习的内容")});
    QCOMPARE(w.page(), 1);
    w.setnow(t0.addSecs(20 * 60));
    QCOMPARE(w.click("pushButton_128"), QStringList());
    QCOMPARE(w.page(), 7);
    QCOMPARE(w.rows("listWidget_6"), QStringList{QStringLiteral("第 1 组")});
    QCOMPARE(w.find<QLabel>("label_80")->text(), QStringLiteral("1"));
    QCOMPARE(w.find<QLabel>("label_31")->text(), QStringLiteral("4"));
    QCOMPARE(w.find<QLabel>("label_48")->text(), QStringLiteral("2026-03-02 08:00"));
    QCOMPARE(w.find<QLabel>("label_49")->text(), QStringLiteral("?"));

    // On time: eased again.
    w.setnow(t0.addSecs(25 * 60));
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(w.find<QLabel>("label_62")->text(), QStringLiteral("难度系数：9"));
    answerall();
    QCOMPARE(w.page(), 1);

    // Late: due at 09:20, on time until 10:25.
    w.setnow(t0.addSecs(150 * 60));
    QCOMPARE(w.click("pushButton_128"), QStringList());
    QCOMPARE(w.page(), 7);
    QCOMPARE(w.find<QLabel>("label_49")->text(), QStringLiteral("2026-03-02 08:25"));
    QCOMPARE(w.find<QLabel>("label_50")->text(), QStringLiteral("?"));
    QVERIFY2(w.shot(QStringLiteral("grouplist.png")), "picture was not saved");
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(w.click("pushButton_63"), QStringList{QStringLiteral("必须先完成复习任务！")});
    QCOMPARE(w.page(), 3);
    QCOMPARE(w.find<QLabel>("label_62")->text(), QStringLiteral("难度系数：8"));
    auto *list = w.find<QListWidget>("listWidget_2");
    list->setCurrentRow(0);
    w.type(learnbook::word(w.rowword("listWidget_2", 0)));
    w.find<QLineEdit>("lineEdit_18")->setText(QStringLiteral("wor"));
    QVERIFY2(w.shot(QStringLiteral("reviewtest.png")), "picture was not saved");
    answerall();
    QCOMPARE(w.page(), 1);

    // Strengthen: the words lag behind stage 2 (threshold 7) at 8.
    QCOMPARE(w.click("pushButton_28"), QStringList());
    QCOMPARE(w.page(), 3);
    QCOMPARE(w.rows("listWidget_2").size(), 4);
    answerall();
    QCOMPARE(w.page(), 1);
    QCOMPARE(w.click("pushButton_28"), QStringList{QStringLiteral("没有需要强化复习的内容！")});

    // The rest of the words; then every word is grouped.
    QVERIFY(plantest(4));
    answerall();
    QCOMPARE(w.page(), 1);
    QVERIFY2(!w.find<QRadioButton>("radioButton")->isEnabled(), "the plan was still offered");
    QCOMPARE(w.click("pushButton_63"), QStringList());
    QCOMPARE(w.page(), 1);

    // Log-in with nothing due but reviews ahead: no completion message.
    w.click("pushButton_4");
    QCOMPARE(w.login(), QStringList());
    QCOMPARE(w.page(), 1);
    QVERIFY2(w.find<QRadioButton>("radioButton_2")->isChecked(), "free phonetic learning was not chosen");

    MUser user;
    QVERIFY(logoutreload(user));
    QCOMPARE(user.groupcount(), 2);
    QCOMPARE(user.wordsupto(0), 4);
    QCOMPARE(user.wordsupto(1), 8);
    QCOMPARE(user.stage(0), 2);
    QCOMPARE(user.stage(1), 0);
    QCOMPARE(user.groupstart(0), t0);
    QCOMPARE(user.groupstart(1), t0.addSecs(150 * 60));
    QCOMPARE(intervals(user, 0), (QList<int>{25, 125, 1, 2, 5, 15, 30, 60}));
    QCOMPARE(intervals(user, 1), plan);
    QCOMPARE(diffs(user), (QList<int>{7, 7, 7, 7, 9, 9, 9, 9}));
}

QTEST_MAIN(tst_handin)
#include "tst_handin.moc"
