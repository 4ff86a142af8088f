#include "checkreturn.h"
#include "muser.h"
#include "studywindow.h"
#include "widget.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using studyreader::Entry;
using studyreader::Reader;

// Knowledge cards and the know/don't-know self-test.
class tst_selftest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void cards_data();
    void cards();
    void marks();
    void handin_data();
    void handin();
    void allknown_data();
    void allknown();
    void noupperlimit();
    void answerbox();
    void emptylist();
    void strip_data();
    void strip();

private:
    QString label(const char *name) const { return w.find<QLabel>(name)->text(); }
    QListWidget *list() const { return w.find<QListWidget>("listWidget_4"); }
    // Starts a run over all entries of the kind.
    bool start(bool key, const QList<Entry> &entries);
    QString title(int row) const { return list()->item(row)->text().section('\n', 0, 0); }
    // Row i's entry among entries, by its title.
    Entry entry(const QList<Entry> &entries, int row) const;
    // The difficulties of the kind as the user file holds them after logging out and in.
    QList<int> saveddiffs(bool key);

    StudyWindow w;
};

namespace {

QList<Entry> three()
{
    return {Entry{"-tion", QStringLiteral("读作 [ʃən]"), 10, " "},
            Entry{"-sion", QStringLiteral("读作 [ʒən]"), 2, "d1"},
            Entry{"ph", QStringLiteral("读作 [f]"), 1, "j0"}};
}

}

void tst_selftest::cleanup()
{
    w.close();
}

bool tst_selftest::start(bool key, const QList<Entry> &entries)
{
    Reader reader;
    (key ? reader.key : reader.phonetic) = entries;
    QVERIFY_RETURN(w.start(reader), "could not log in");
    const QStringList shown = key ? w.startrun("radioButton_9", {{"spinBox_6", 1}, {"spinBox_7", entries.size()}})
                                  : w.startrun("radioButton_2", {{"spinBox_2", 1}, {"spinBox_3", entries.size()}});
    QCOMPARE_RETURN(shown, QStringList());
    QCOMPARE_RETURN(w.page(), 5);
    QCOMPARE_RETURN(list()->count(), entries.size());
    return true;
}

Entry tst_selftest::entry(const QList<Entry> &entries, int row) const
{
    for (const Entry &e : entries) {
        if (e.title == title(row))
            return e;
    }
    return Entry{QString(), QString(), -1, QString()};
}

QList<int> tst_selftest::saveddiffs(bool key)
{
    QList<int> diffs;
    if (!w.relogin())
        return diffs;
    MUser saved;
    if (!saved.load(w.userpath()))
        return diffs;
    const int count = key ? saved.keycount() : saved.phoneticcount();
    for (int i = 0; i < count; ++i)
        diffs << (key ? saved.keydiff(i) : saved.phoneticdiff(i));
    return diffs;
}

void tst_selftest::cards_data()
{
    QTest::addColumn<bool>("key");
    QTest::newRow("phonetic") << false;
    QTest::newRow("key") << true;
}

// Each row shows its entry's title, hidden content and difficulty.
void tst_selftest::cards()
{
    QFETCH(bool, key);
    const QList<Entry> entries = three();
    QVERIFY(start(key, entries));
    QStringList titles;
    for (int row = 0; row < list()->count(); ++row) {
        QVERIFY2(list()->item(row)->text().endsWith('\n'), "a card was judged before any mark");
        list()->setCurrentRow(row);
        const Entry e = entry(entries, row);
        QVERIFY2(e.difficulty >= 0, qPrintable("no entry titled " + title(row)));
        titles << e.title;
        QCOMPARE(label("label_95"), e.title);
        QCOMPARE(label("label_96"), e.content);
        QVERIFY2(w.find<QLabel>("label_96")->isHidden(), "the answer was not hidden");
        QCOMPARE(label("label_65"), QStringLiteral("难度系数：%1").arg(e.difficulty));
    }
    titles.sort();
    QCOMPARE(titles, (QStringList{"-sion", "-tion", "ph"}));
}

// Known and not known, changed either way; "不会" shows the answer and raises.
void tst_selftest::marks()
{
    const QList<Entry> entries = three();
    QVERIFY(start(true, entries));
    const int d1 = entry(entries, 1).difficulty;
    list()->setCurrentRow(0);
    QVERIFY(w.click("pushButton_104"));
    QCOMPARE(list()->item(0)->text(), title(0) + QStringLiteral("\n√"));
    QCOMPARE(list()->currentRow(), 1);

    QVERIFY(w.click("pushButton_109"));
    QCOMPARE(list()->item(1)->text(), title(1) + QStringLiteral("\n×"));
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY2(!w.find<QLabel>("label_96")->isHidden(), "the answer did not show");
    QCOMPARE(label("label_65"), QStringLiteral("难度系数：%1").arg(d1 + 1));
    QVERIFY(w.click("pushButton_109"));
    QCOMPARE(list()->item(1)->text(), title(1) + QStringLiteral("\n×"));
    QCOMPARE(label("label_65"), QStringLiteral("难度系数：%1").arg(d1 + 2));
    w.shot("selftestpage.png");

    QVERIFY(w.click("pushButton_104"));
    QCOMPARE(list()->item(1)->text(), title(1) + QStringLiteral("\n√"));
    QCOMPARE(list()->currentRow(), 2);
    QVERIFY2(w.find<QLabel>("label_96")->isHidden(), "the next card showed its answer");
    QVERIFY(w.click("pushButton_104"));
    QCOMPARE(list()->currentRow(), 0);
    list()->setCurrentRow(0);
    QVERIFY(w.click("pushButton_109"));
    QCOMPARE(list()->item(0)->text(), title(0) + QStringLiteral("\n×"));

    const QList<int> saved = saveddiffs(true);
    QCOMPARE(saved.size(), 3);
    for (int i = 0; i < entries.size(); ++i) {
        int raised = 0;
        if (entries.at(i).title == title(1))
            raised = 2;
        else if (entries.at(i).title == title(0))
            raised = 1;
        QCOMPARE(saved.at(i), entries.at(i).difficulty + raised);
    }
}

void tst_selftest::handin_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("score");

    QTest::newRow("2 of 3") << 3 << QStringLiteral("√√×") << "67";
    QTest::newRow("1 of 2") << 2 << QStringLiteral("×√") << "50";
    QTest::newRow("1 of 3, two unjudged") << 3 << QStringLiteral("√  ") << "33";
    QTest::newRow("none") << 2 << QStringLiteral("  ") << "0";
}

// Any card not known: the score, the page and the marks stay, and the hand-in
// changes no difficulty.
void tst_selftest::handin()
{
    QFETCH(int, entries);
    QFETCH(QString, marks);
    QFETCH(QString, score);
    const QList<Entry> all = three().mid(0, entries);
    QVERIFY(start(false, all));
    QList<int> expected;
    for (const Entry &e : all)
        expected << e.difficulty;
    for (int row = 0; row < marks.size(); ++row) {
        list()->setCurrentRow(row);
        if (marks.at(row) == QChar(0x221A)) {
            QVERIFY(w.click("pushButton_104"));
        } else if (marks.at(row) == QChar(0xD7)) {
            QVERIFY(w.click("pushButton_109"));
            for (int i = 0; i < all.size(); ++i) {
                if (all.at(i).title == title(row))
                    ++expected[i];
            }
        }
    }
    QStringList texts;
    for (int row = 0; row < list()->count(); ++row)
        texts << list()->item(row)->text();
    QCOMPARE(w.clickmessages("pushButton_54"), QStringList{QStringLiteral("您的成绩：") + score});
    QCOMPARE(w.page(), 5);
    for (int row = 0; row < list()->count(); ++row)
        QCOMPARE(list()->item(row)->text(), texts.at(row));
    QCOMPARE(saveddiffs(false), expected);
}

void tst_selftest::allknown_data()
{
    QTest::addColumn<bool>("key");
    QTest::newRow("phonetic") << false;
    QTest::newRow("key") << true;
}

// Every card known: each entry one easier, 1 down to 0 and 0 staying 0, and
// the plan page returns without a message.
void tst_selftest::allknown()
{
    QFETCH(bool, key);
    QList<Entry> entries = three();
    entries << Entry{"gh", QStringLiteral("不发音"), 20, " "};
    QVERIFY(start(key, entries));
    // One card is put aside by hand during the self-test: it stays aside.
    for (int row = 0; row < list()->count(); ++row) {
        list()->setCurrentRow(row);
        if (title(row) != "gh")
            continue;
        QVERIFY(w.click("pushButton_110"));
        QCOMPARE(label("label_65"), QStringLiteral("难度系数：0"));
    }
    list()->setCurrentRow(0);
    for (int row = 0; row < list()->count(); ++row)
        QVERIFY(w.click("pushButton_104"));
    QCOMPARE(w.clickmessages("pushButton_54"), QStringList());
    QCOMPARE(w.page(), 1);
    QCOMPARE(saveddiffs(key), (QList<int>{9, 1, 0, 0}));
}

// "不会" keeps raising past 20.
void tst_selftest::noupperlimit()
{
    QVERIFY(start(false, {Entry{"th", QStringLiteral("读作 [θ]"), 20, " "}}));
    QVERIFY(w.click("pushButton_109"));
    QVERIFY(w.click("pushButton_109"));
    QCOMPARE(label("label_65"), QStringLiteral("难度系数：22"));
    QCOMPARE(saveddiffs(false), QList<int>{22});
}

void tst_selftest::answerbox()
{
    QVERIFY(start(true, three()));
    auto *box = w.find<QCheckBox>("checkBox_8");
    auto *answer = w.find<QLabel>("label_96");
    box->click();
    QVERIFY2(!answer->isHidden(), "the answer was hidden while checked");
    list()->setCurrentRow(2);
    QVERIFY2(!answer->isHidden(), "the answer was hidden for the next card");
    box->click();
    QVERIFY2(answer->isHidden(), "the answer still showed when unchecked");
}

// Without rows the buttons do nothing and show nothing.
void tst_selftest::emptylist()
{
    QVERIFY2(w.start(), "could not log in");
    for (const char *button : {"pushButton_104", "pushButton_109", "pushButton_54"})
        QVERIFY2(!w.opensdialog(button), qPrintable(QLatin1String(button) + " opened a dialog"));
    QCOMPARE(w.page(), 1);
    QVERIFY2(label("label_95").isEmpty() || label("label_95") != "-tion", "a card showed without rows");
}

void tst_selftest::strip_data()
{
    cards_data();
}

// Nothing writes the message strip under the banner on this page: it stays
// empty, with no placeholder of the form, on every card.
void tst_selftest::strip()
{
    QFETCH(bool, key);
    QVERIFY(start(key, three()));
    for (int row = 0; row < list()->count(); ++row) {
        list()->setCurrentRow(row);
        QVERIFY2(label("label_89").isEmpty(), qPrintable("the strip showed " + label("label_89")));
    }
    w.shot(QStringLiteral("selftest.png"));
}

QTEST_MAIN(tst_selftest)
#include "tst_selftest.moc"
