#include "learnbook.h"
#include "muser.h"
#include "reviewwindow.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// The list of due groups, a group's schedule, and the ways into the review test.
class tst_reviewgroups : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void duelist();
    void details_data();
    void details();
    void nothingdue();
    void lookahead_data();
    void lookahead();
    void back_data();
    void back();
    void noweak();
    void rangecut();
    void ignoredword();
    void ignoredgroup_data();
    void ignoredgroup();

private:
    QList<int> testwords() const;

    ReviewWindow w;
};

namespace {
const QDateTime t0(QDate(2026, 3, 2), QTime(8, 0));

ReviewWindow::Group group(int size, const QDateTime &start, int stage = 0)
{
    ReviewWindow::Group g;
    g.size = size;
    g.start = start;
    g.stage = stage;
    return g;
}
}

void tst_reviewgroups::cleanup()
{
    w.close();
}

QList<int> tst_reviewgroups::testwords() const
{
    QList<int> words;
    for (int r = 0; r < w.find<QListWidget>("listWidget_2")->count(); ++r)
        words << w.rowword("listWidget_2", r);
    std::sort(words.begin(), words.end());
    return words;
}

// Groups 0 and 3 due: two rows tagged 1 and 4; the second row reviews group 3.
void tst_reviewgroups::duelist()
{
    ReviewWindow::Setup setup;
    setup.book.words = 12;
    setup.groups = {group(3, t0.addDays(-1)), group(3, t0), group(3, t0), group(3, t0.addSecs(-3600))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.page(), 7);
    QCOMPARE(w.rows("listWidget_6"), (QStringList{"第 1 组", "第 4 组"}));
    auto *list = w.find<QListWidget>("listWidget_6");
    QCOMPARE(list->item(0)->data(Qt::WhatsThisRole).toString(), QStringLiteral("1"));
    QCOMPARE(list->item(1)->data(Qt::WhatsThisRole).toString(), QStringLiteral("4"));
    QCOMPARE(list->currentRow(), 0);
    list->setCurrentRow(1);
    QCOMPARE(w.find<QLabel>("label_80")->text(), QStringLiteral("4"));
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(w.page(), 3);
    QCOMPARE(testwords(), (QList<int>{9, 10, 11}));
    QCOMPARE(w.find<QListWidget>("listWidget_2")->currentRow(), 0);
}

void tst_reviewgroups::details_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("stage 0") << 0 << QStringList{"20", "2026-03-02 08:00", "?", "?", "?", "?", "?", "?", "?", "?"};
    QTest::newRow("stage 2") << 2
                             << QStringList{"20", "2026-03-02 08:00", "2026-03-02 08:20", "2026-03-02 09:20",
                                            "?", "?", "?", "?", "?", "?"};
    QTest::newRow("stage 8") << 8
                             << QStringList{"20", "2026-03-02 08:00", "2026-03-02 08:20", "2026-03-02 09:20",
                                            "2026-03-03", "2026-03-05", "2026-03-10", "2026-03-25",
                                            "2026-04-24", "2026-06-23"};
}

// The second group of 20 words: its size, start and the reviews done.
void tst_reviewgroups::details()
{
    QFETCH(int, stage);
    QFETCH(QStringList, expected);
    ReviewWindow::Setup setup;
    setup.book.words = 30;
    setup.groups = {group(5, t0.addDays(-400), 8), group(20, t0, stage)};
    QCOMPARE(w.start(setup, t0), QStringList());
    auto *list = w.find<QListWidget>("listWidget_6");
    auto *row = new QListWidgetItem(QStringLiteral("第 2 组"), list);
    row->setData(Qt::WhatsThisRole, QStringLiteral("2"));
    list->setCurrentRow(0);
    const QStringList labels = {"label_31", "label_48", "label_49", "label_50", "label_51", "label_59",
                                "label_72", "label_77", "label_75", "label_78"};
    QStringList shown;
    for (const QString &label : labels)
        shown << w.find<QLabel>(label.toLatin1().constData())->text();
    QCOMPARE(shown, expected);
    QCOMPARE(w.find<QLabel>("label_80")->text(), QStringLiteral("2"));
}

void tst_reviewgroups::nothingdue()
{
    ReviewWindow::Setup setup;
    setup.groups = {group(3, t0)};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.page(), 1);
    QCOMPARE(w.click("pushButton_128"), QStringList{QStringLiteral("已无需要复习的内容")});
    QCOMPARE(w.page(), 1);
}

void tst_reviewgroups::lookahead_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a review within 1000 days") << 7 << QStringList();
    QTest::newRow("every review done") << 8 << QStringList{QStringLiteral("初记和复习已经完成")};
}

// Every word grouped and nothing due: log-in looks 1000 days ahead and says
// so when no review is left.
void tst_reviewgroups::lookahead()
{
    QFETCH(int, stage);
    QFETCH(QStringList, messages);
    ReviewWindow::Setup setup;
    setup.book.words = 3;
    setup.groups = {group(3, t0.addDays(-1), stage)};
    QCOMPARE(w.start(setup, t0), messages);
    QCOMPARE(w.page(), 1);
    QVERIFY2(w.find<QRadioButton>("radioButton_2")->isChecked(), "free phonetic learning was not chosen");
    QVERIFY2(!w.find<QRadioButton>("radioButton")->isEnabled(), "the plan was still offered");
}

void tst_reviewgroups::back_data()
{
    QTest::addColumn<bool>("due");
    QTest::newRow("group due") << true;
    QTest::newRow("nothing due") << false;
}

// The test page returns to the plan only when no group is due.
void tst_reviewgroups::back()
{
    QFETCH(bool, due);
    ReviewWindow::Setup setup;
    setup.groups = {group(3, due ? t0.addDays(-1) : t0)};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click(due ? "pushButton_33" : "pushButton_29"), QStringList());
    QCOMPARE(w.page(), 3);
    QCOMPARE(w.click("pushButton_63"), due ? QStringList{QStringLiteral("必须先完成复习任务！")} : QStringList());
    QCOMPARE(w.page(), due ? 3 : 1);
}

void tst_reviewgroups::noweak()
{
    ReviewWindow::Setup setup;
    setup.diffs = {9, 9, 9};
    setup.groups = {group(3, t0)};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_28"), QStringList{QStringLiteral("没有需要强化复习的内容！")});
    QCOMPARE(w.page(), 1);
}

// A free range from word 95 of 100 asking for 10 is cut at the last word.
void tst_reviewgroups::rangecut()
{
    ReviewWindow::Setup setup;
    setup.book.words = 100;
    QCOMPARE(w.start(setup, t0), QStringList());
    w.find<QRadioButton>("radioButton_6")->setChecked(true);
    w.find<QSpinBox>("spinBox_4")->setValue(95);
    w.find<QSpinBox>("spinBox_5")->setValue(10);
    QCOMPARE(w.click("pushButton_133"), QStringList());
    QCOMPARE(w.page(), 3);
    QCOMPARE(testwords(), (QList<int>{94, 95, 96, 97, 98, 99}));
}

// A word put aside is not tested in its group's review.
void tst_reviewgroups::ignoredword()
{
    ReviewWindow::Setup setup;
    setup.diffs = {10, 0, 10};
    setup.groups = {group(3, t0.addDays(-1))};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(testwords(), (QList<int>{0, 2}));
}

void tst_reviewgroups::ignoredgroup_data()
{
    QTest::addColumn<bool>("another");
    QTest::newRow("alone") << false;
    QTest::newRow("another due") << true;
}

// A due group whose words are all put aside is reviewed when chosen, so it
// does not hold the learner on the list.
void tst_reviewgroups::ignoredgroup()
{
    QFETCH(bool, another);
    ReviewWindow::Setup setup;
    setup.diffs = {0, 0, 10, 10};
    setup.groups = {group(2, t0.addDays(-1)), group(2, another ? t0.addDays(-1) : t0)};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QCOMPARE(w.page(), another ? 7 : 1);
    if (another)
        QCOMPARE(w.rows("listWidget_6"), QStringList{QStringLiteral("第 2 组")});
    w.click("pushButton_4");
    MUser user;
    QVERIFY2(w.reload(user), "user file was not read");
    QCOMPARE(user.stage(0), 1);
    QCOMPARE(user.stage(1), 0);
}

QTEST_MAIN(tst_reviewgroups)
#include "tst_reviewgroups.moc"
