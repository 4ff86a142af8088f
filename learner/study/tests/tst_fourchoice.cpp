#include "checkreturn.h"
#include "learnbook.h"
#include "muser.h"
#include "reviewwindow.h"
#include "soundends.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

// The four-choice test in both directions.
class tst_fourchoice : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void directions();
    void right();
    void wrong_data();
    void wrong();
    void leftinpause();
    void wrap_data();
    void wrap();
    void fewwords_data();
    void fewwords();
    void onerow();
    void readaloud();
    void missingsound();
    void emptylist();

private:
    // A plan run of count words taken to the four-choice page.
    bool choose(int count, const learnbook::Book &book = {}, const QList<int> &diffs = {});
    QStringList answers() const;
    // The button holding the right answer, or one that does not.
    QPushButton *button(bool right) const;
    int asked() const;
    // Waits for the pause after a wrong answer to end, answering its message.
    QStringList pauseend();
    QListWidget *list() const { return w.find<QListWidget>("listWidget_3"); }

    ReviewWindow w;
};

namespace {
const QDateTime t0(QDate(2026, 3, 2), QTime(8, 0));
const char *const answerbuttons[] = {"pushButton_36", "pushButton_37", "pushButton_58", "pushButton_59"};

int wordindex(const QString &word)
{
    return learnbook::words(200).indexOf(word);
}

int meaningindex(const QString &meaning)
{
    return meaning.startsWith(QStringLiteral("词")) ? meaning.mid(1).toInt() : -1;
}
}

void tst_fourchoice::cleanup()
{
    w.close();
}

bool tst_fourchoice::choose(int count, const learnbook::Book &book, const QList<int> &diffs)
{
    ReviewWindow::Setup setup;
    setup.book = book;
    setup.diffs = diffs;
    QCOMPARE_RETURN(w.start(setup, t0), QStringList());
    w.find<QSpinBox>("spinBox")->setValue(count);
    w.find<QSpinBox>("spinBox_10")->setValue(1);
    QCOMPARE_RETURN(w.click("pushButton_3"), QStringList());
    QCOMPARE_RETURN(w.click("pushButton_55"), QStringList());
    QCOMPARE_RETURN(w.page(), 4);
    QCOMPARE_RETURN(list()->currentRow(), 0);
    return true;
}

QStringList tst_fourchoice::answers() const
{
    QStringList texts;
    for (const char *name : answerbuttons)
        texts << w.find<QPushButton>(name)->text();
    return texts;
}

// The word asked, from the question on pushButton_75.
int tst_fourchoice::asked() const
{
    const QString question = w.find<QPushButton>("pushButton_75")->text();
    return w.find<QRadioButton>("radioButton_3")->isChecked() ? wordindex(question) : meaningindex(question);
}

QPushButton *tst_fourchoice::button(bool right) const
{
    const bool english = w.find<QRadioButton>("radioButton_3")->isChecked();
    for (const char *name : answerbuttons) {
        auto *candidate = w.find<QPushButton>(name);
        const int shown = english ? meaningindex(candidate->text()) : wordindex(candidate->text());
        if ((shown == asked()) == right)
            return candidate;
    }
    return nullptr;
}

QStringList tst_fourchoice::pauseend()
{
    const int row = list()->currentRow();
    return ReviewWindow::run([this, row]() {
        QVERIFY2(QTest::qWaitFor([this, row]() { return list()->currentRow() != row; }, 5000),
                 "the pause did not end in the next row");
    });
}

// Chinese to English is chosen at first; English to Chinese turns the rows
// and the question around.
void tst_fourchoice::directions()
{
    QVERIFY(choose(4));
    QVERIFY2(w.find<QRadioButton>("radioButton_4")->isChecked(), "Chinese to English was not chosen at first");
    const int first = meaningindex(list()->item(0)->text());
    QVERIFY2(first >= 0 && first < 4, qPrintable("row of no word asked: " + list()->item(0)->text()));
    QCOMPARE(asked(), first);
    QVERIFY2(answers().contains(learnbook::word(first)), qPrintable("right answer missing: " + answers().join('|')));
    const QStringList shown = answers();
    QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 4);
    QCOMPARE(w.find<QLabel>("label_67")->text(), QStringLiteral("难度系数：10"));
    const QString picture = w.find<QLabel>("label_87")->text();
    QVERIFY2(picture.startsWith(QStringLiteral("图")), qPrintable("wrong picture description: " + picture));

    w.find<QRadioButton>("radioButton_3")->click();
    for (const QString &row : w.rows("listWidget_3"))
        QVERIFY2(wordindex(row) >= 0, qPrintable("row of no word: " + row));
    QCOMPARE(list()->item(0)->text(), learnbook::word(first));
    QCOMPARE(w.find<QPushButton>("pushButton_75")->text(), learnbook::word(first));
    QVERIFY2(answers().contains(QStringLiteral("词%1").arg(first)),
             qPrintable("right answer missing: " + answers().join('|')));
    QVERIFY2(w.shot(QStringLiteral("fourchoice.png")), "picture was not saved");
}

void tst_fourchoice::right()
{
    QVERIFY(choose(3));
    const int before = asked();
    QCOMPARE(ReviewWindow::run([this]() { button(true)->click(); }), QStringList());
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY2(asked() != before, "the next word was not asked");
}

void tst_fourchoice::wrong_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("10") << 10 << 11;
    QTest::newRow("19") << 19 << 20;
    QTest::newRow("20") << 20 << 20;
}

// A wrong answer: harder, only the right answer left for a second, clicks in
// that second ignored, then the next word.
void tst_fourchoice::wrong()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QVERIFY(choose(3, {}, {before, before, before}));
    const QString right = button(true)->text();
    button(false)->click();
    QCOMPARE(w.find<QLabel>("label_67")->text(), QStringLiteral("难度系数：%1").arg(after));
    QStringList left = answers();
    left.removeAll(QString());
    QCOMPARE(left, QStringList{right});
    for (const char *name : answerbuttons)
        w.find<QPushButton>(name)->click();
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(w.find<QLabel>("label_67")->text(), QStringLiteral("难度系数：%1").arg(after));
    QCOMPARE(pauseend(), QStringList());
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY2(!answers().contains(QString()), "the four answers did not come back");
}

// The page left during the pause after a wrong answer shows four answers
// again when it comes back.
void tst_fourchoice::leftinpause()
{
    QVERIFY(choose(3));
    button(false)->click();
    QVERIFY2(answers().contains(QString()), "a wrong answer left all four answers");
    w.find<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
    QCOMPARE(w.click("pushButton_55"), QStringList());
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY2(!answers().contains(QString()), "answers missing after coming back");
}

void tst_fourchoice::wrap_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("message");
    QTest::newRow("right") << true << "已进行至最后一个，将重新开始";
    QTest::newRow("wrong") << false << "已经进行至最后一个，将重新开始";
}

// After the last row the test starts again at row 0, with a message.
void tst_fourchoice::wrap()
{
    QFETCH(bool, right);
    QFETCH(QString, message);
    QVERIFY(choose(2));
    list()->setCurrentRow(1);
    QStringList shown = ReviewWindow::run([this, right]() { button(right)->click(); });
    if (!right)
        shown += pauseend();
    QCOMPARE(shown, QStringList{message});
    QCOMPARE(list()->currentRow(), 0);
}

void tst_fourchoice::fewwords_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("English to Chinese was not chosen") << true << QStringList{"单词_1", "单词_2", "词0", "词1"};
    QTest::newRow("Chinese to English") << false << QStringList{"ice cream", "word1", "word_1", "word_2"};
}

// A textbook of two words fills the other two answers with placeholders,
// which are never right.
void tst_fourchoice::fewwords()
{
    QFETCH(bool, english);
    QFETCH(QStringList, expected);
    learnbook::Book book;
    book.words = 2;
    book.linked = 0;
    QVERIFY(choose(2, book));
    if (english)
        w.find<QRadioButton>("radioButton_3")->click();
    QStringList shown = answers();
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, expected);
}

// One row: a right answer shows the message and asks the same word again.
void tst_fourchoice::onerow()
{
    QVERIFY(choose(1));
    const int word = asked();
    QCOMPARE(ReviewWindow::run([this]() { button(true)->click(); }),
             QStringList{QStringLiteral("已进行至最后一个，将重新开始")});
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(asked(), word);
}

// "开始读" turns to English to Chinese and reads the word.
void tst_fourchoice::readaloud()
{
    SoundEnds ends;
    QVERIFY(choose(2));
    ends.reset();
    w.find<QPushButton>("pushButton_45")->click();
    QVERIFY2(w.find<QRadioButton>("radioButton_3")->isChecked(), "English to Chinese was not chosen");
    QVERIFY2(w.find<QCheckBox>("checkBox_10")->isChecked(), "reading did not turn on");
    QVERIFY2(wordindex(list()->item(0)->text()) >= 0, qPrintable("row of no word: " + list()->item(0)->text()));
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 10000);
    list()->setCurrentRow(1);
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2, 10000);
}

// Only English to Chinese loads the sound; a missing one logs out.
void tst_fourchoice::missingsound()
{
    QVERIFY(choose(1));
    const QString path = QDir(w.folder()).filePath(QStringLiteral("w1.mp3"));
    QVERIFY(QFile::remove(path));
    QCOMPARE(ReviewWindow::run([this]() { w.find<QRadioButton>("radioButton_4")->click(); }), QStringList());
    QCOMPARE(w.page(), 4);
    QCOMPARE(ReviewWindow::run([this]() { w.find<QRadioButton>("radioButton_3")->click(); }),
             QStringList{QStringLiteral("素材出错：") + path});
    QCOMPARE(w.page(), 0);
}

// Without rows nothing of the page acts.
void tst_fourchoice::emptylist()
{
    QCOMPARE(w.start({}, t0), QStringList());
    w.find<QStackedWidget>("stackedWidget")->setCurrentIndex(4);
    QCOMPARE(list()->count(), 0);
    const QString question = w.find<QPushButton>("pushButton_75")->text();
    bool updated = false;
    const QStringList shown = ReviewWindow::run([this, &updated]() {
        updated = QMetaObject::invokeMethod(w.window(), "ddupdate");
        w.find<QRadioButton>("radioButton_3")->click();
        w.find<QRadioButton>("radioButton_4")->click();
        w.find<QCheckBox>("checkBox_10")->click();
        w.find<QPushButton>("pushButton_45")->click();
        for (const char *name : answerbuttons)
            w.find<QPushButton>(name)->click();
    });
    QVERIFY2(updated, "the page's update could not be invoked");
    QCOMPARE(shown, QStringList());
    QVERIFY2(!w.find<QCheckBox>("checkBox_10")->isChecked(), "reading was turned on without rows");
    QCOMPARE(w.find<QPushButton>("pushButton_75")->text(), question);
    QCOMPARE(w.page(), 4);
}

QTEST_MAIN(tst_fourchoice)
#include "tst_fourchoice.moc"
