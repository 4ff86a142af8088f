#include "muser.h"
#include "soundends.h"
#include "studywindow.h"
#include "widget.h"

#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

using studyreader::Entry;
using studyreader::Reader;

// The lesson-sentence page: dictation of a lesson's sentences.
class tst_sentencepage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void lesson();
    void answers_data();
    void answers();
    void difficulty_data();
    void difficulty();
    void revisit();
    void checkboxes();
    void readagain();
    void missingsound();
    void emptyanswer();
    void nosentence_data();
    void nosentence();
    void firstsound_data();
    void firstsound();
    void readaloudleft();

private:
    QString label(const char *name) const { return w.find<QLabel>(name)->text(); }
    static QString diffline(int d) { return QStringLiteral("当前句子的难度系数：%1").arg(d); }
    // One row for sentence j, made current, as a lesson run leaves it, with
    // the page shown.
    void onerow(int j, int page = 6);
    int sentdiff(int j);

    StudyWindow w;
};

void tst_sentencepage::cleanup()
{
    w.close();
}

void tst_sentencepage::onerow(int j, int page)
{
    w.find<QStackedWidget>("stackedWidget")->setCurrentIndex(page);
    auto *list = w.find<QListWidget>("listWidget_5");
    list->clear();
    auto *item = new QListWidgetItem(QString(), list);
    item->setData(Qt::WhatsThisRole, QString::number(j));
    list->setCurrentRow(0);
}

// The difficulty as the user file holds it after logging out and in.
int tst_sentencepage::sentdiff(int j)
{
    if (!w.relogin())
        return -2;
    MUser saved;
    return saved.load(w.userpath()) ? saved.sentdiff(j) : -3;
}

// A whole lesson: sound, linked knowledge, picture, translation and answer,
// wrong and right dictation, the round back to the first sentence.
void tst_sentencepage::lesson()
{
    Reader reader;
    reader.key = {Entry{"the pen", QStringLiteral("钢笔"), 10, "j0"},
                  Entry{"a word", QStringLiteral("单词"), 10, "d0"},
                  Entry{"fine", QStringLiteral("好"), 10, "j1"}};
    QVERIFY2(w.start(reader), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QCOMPARE(w.page(), 6);
    QCOMPARE(w.rows("listWidget_5"), (QStringList{"", "", ""}));
    QCOMPARE(w.tags("listWidget_5"), (QStringList{"0", "1", "2"}));
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 0);
    QCOMPARE(label("label_30"), diffline(10));
    QCOMPARE(w.rows("listWidget_9"), (QStringList{QStringLiteral("★the pen"), QStringLiteral("☆钢笔")}));
    QVERIFY2(label("label_88").startsWith(QStringLiteral("图")), "the display picture had no description");
    const QGraphicsScene *scene = w.find<QGraphicsView>("graphicsView_29")->scene();
    QVERIFY2(scene && !scene->items().isEmpty(), "no display picture showed");
    QVERIFY2(w.find<QLineEdit>("lineEdit_2")->text().isEmpty(), "the answer field was not empty");
    QVERIFY2(!w.find<QPushButton>("pushButton_85")->isEnabled(), "忽略 was enabled");

    w.find<QCheckBox>("checkBox_7")->click();
    QCOMPARE(label("label_28"), QStringLiteral("这是一支笔。"));
    w.find<QCheckBox>("checkBox_9")->click();
    QCOMPARE(label("label_29"), QStringLiteral("This is a pen."));

    QCOMPARE(w.answer("lineEdit_2", "this is a pen"), QStringList{QStringLiteral("输入错误，请检查")});
    QCOMPARE(label("label_30"), diffline(11));
    w.shot("sentencepage.png");
    QCOMPARE(w.find<QLineEdit>("lineEdit_2")->text(), QStringLiteral("this is a pen"));
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 0);

    QCOMPARE(w.answer("lineEdit_2", "This is a pen"), QStringList());
    QCOMPARE(w.rows("listWidget_5"), (QStringList{"This is a pen.", "", ""}));
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 1);
    QCOMPARE(label("label_30"), diffline(10));
    QVERIFY2(w.find<QLineEdit>("lineEdit_2")->text().isEmpty(), "the field was not emptied for the next sentence");
    QVERIFY2(!w.find<QCheckBox>("checkBox_9")->isChecked(), "the answer stayed shown for the next sentence");
    QVERIFY2(label("label_29").isEmpty(), "an answer showed for the next sentence");
    QCOMPARE(label("label_28"), QStringLiteral("我很好，谢谢！"));
    QCOMPARE(w.rows("listWidget_9"), (QStringList{QStringLiteral("★fine"), QStringLiteral("☆好")}));

    QCOMPARE(w.answer("lineEdit_2", "Im fine thanks"), QStringList());
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 2);
    QVERIFY2(w.rows("listWidget_9").isEmpty(), "knowledge was listed for the third sentence");
    QCOMPARE(w.answer("lineEdit_2", QStringLiteral("Where is Tom’s book？")),
             QStringList{QStringLiteral("已进行至最后一个，将重新开始")});
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 0);
    QCOMPARE(w.find<QLineEdit>("lineEdit_2")->text(), QStringLiteral("This is a pen."));
    QCOMPARE(w.rows("listWidget_5"),
             (QStringList{"This is a pen.", "I'm fine, thanks!", "Where is Tom's book?"}));
    QCOMPARE(sentdiff(0), 10);
    QCOMPARE(sentdiff(1), 9);
}

void tst_sentencepage::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");

    QTest::newRow("as written") << "I'm fine, thanks!" << true;
    QTest::newRow("no punctuation") << "Im fine thanks" << true;
    QTest::newRow("run together") << "Imfine-thanks." << true;
    QTest::newRow("typographic apostrophe") << QStringLiteral("I’m fine, thanks！") << true;
    QTest::newRow("Chinese added") << QStringLiteral("I'm fine, thanks! 谢谢") << true;
    QTest::newRow("lower case") << "i'm fine, thanks!" << false;
    QTest::newRow("full-width letter") << QStringLiteral("I'm ｆine, thanks!") << false;
    QTest::newRow("punctuation only") << "!!!" << false;
    QTest::newRow("word missing") << "I'm fine" << false;
}

// Only ASCII letters and digits count, in their case.
void tst_sentencepage::answers()
{
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 2}}), QStringList());
    QCOMPARE(w.tags("listWidget_5"), QStringList{"1"});
    const QStringList shown = w.answer("lineEdit_2", typed);
    if (right) {
        QCOMPARE(shown, QStringList{QStringLiteral("已进行至最后一个，将重新开始")});
        QCOMPARE(w.rows("listWidget_5"), QStringList{"I'm fine, thanks!"});
        QCOMPARE(w.find<QLineEdit>("lineEdit_2")->text(), QStringLiteral("I'm fine, thanks!"));
        QCOMPARE(label("label_30"), diffline(9));
    } else {
        QCOMPARE(shown, QStringList{QStringLiteral("输入错误，请检查")});
        QCOMPARE(w.rows("listWidget_5"), QStringList{""});
        QCOMPARE(w.find<QLineEdit>("lineEdit_2")->text(), typed);
        QCOMPARE(label("label_30"), diffline(11));
    }
}

void tst_sentencepage::difficulty_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("after");

    QTest::newRow("wrong at 0") << 6 << 0 << false << 0;
    QTest::newRow("wrong at 1") << 6 << 1 << false << 1;
    QTest::newRow("wrong at 2") << 6 << 2 << false << 3;
    QTest::newRow("wrong at 19") << 6 << 19 << false << 20;
    QTest::newRow("wrong at 20") << 6 << 20 << false << 20;
    QTest::newRow("right at 0") << 6 << 0 << true << 0;
    QTest::newRow("right at 1") << 6 << 1 << true << 1;
    QTest::newRow("right at 2") << 6 << 2 << true << 1;
    QTest::newRow("right at 20") << 6 << 20 << true << 19;
    QTest::newRow("wrong on the plan page") << 1 << 2 << false << 2;
    QTest::newRow("right on the plan page") << 1 << 20 << true << 20;
}

// The page's own rules: a wrong answer raises only from 2 to 19, a right one
// lowers only above 1. Return while another page shows checks nothing.
void tst_sentencepage::difficulty()
{
    QFETCH(int, page);
    QFETCH(int, before);
    QFETCH(bool, right);
    QFETCH(int, after);
    Reader reader;
    reader.sentencediffs = {before, 10, 10};
    QVERIFY2(w.start(reader), "could not log in");
    onerow(0, page);
    QCOMPARE(label("label_30"), diffline(before));
    const QStringList shown = w.answer("lineEdit_2", right ? "This is a pen." : "This is a pan.");
    const QString message = right ? QStringLiteral("已进行至最后一个，将重新开始") : QStringLiteral("输入错误，请检查");
    QCOMPARE(shown, page == 6 ? QStringList{message} : QStringList());
    QCOMPARE(label("label_30"), diffline(after));
    QCOMPARE(sentdiff(0), after);
}

// A sentence dictated before shows in the field again, and counts again.
void tst_sentencepage::revisit()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QCOMPARE(w.answer("lineEdit_2", "This is a pen."), QStringList());
    auto *list = w.find<QListWidget>("listWidget_5");
    list->setCurrentRow(0);
    QCOMPARE(w.find<QLineEdit>("lineEdit_2")->text(), QStringLiteral("This is a pen."));
    QCOMPARE(w.answer("lineEdit_2", w.find<QLineEdit>("lineEdit_2")->text()), QStringList());
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(sentdiff(0), 8);
}

void tst_sentencepage::checkboxes()
{
    QVERIFY2(w.start(), "could not log in");
    auto *answer = w.find<QCheckBox>("checkBox_9");
    auto *meaning = w.find<QCheckBox>("checkBox_7");
    w.find<QLabel>("label_29")->setText("x");
    w.find<QLabel>("label_28")->setText("y");
    answer->click();
    meaning->click();
    QCOMPARE(label("label_29"), QStringLiteral("x"));
    QCOMPARE(label("label_28"), QStringLiteral("y"));
    answer->click();
    meaning->click();
    QVERIFY2(label("label_29").isEmpty(), "the answer showed without a row");
    QVERIFY2(label("label_28").isEmpty(), "the meaning showed without a row");

    // A run starts with the answer hidden; the translation follows the rows.
    answer->setChecked(true);
    meaning->setChecked(true);
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QVERIFY2(!answer->isChecked() && label("label_29").isEmpty(), "the answer showed at the start of a run");
    QCOMPARE(label("label_28"), QStringLiteral("这是一支笔。"));
    answer->click();
    QCOMPARE(label("label_29"), QStringLiteral("This is a pen."));
    w.find<QListWidget>("listWidget_5")->setCurrentRow(2);
    QVERIFY2(!answer->isChecked() && label("label_29").isEmpty(), "the answer showed for a new row");
    QCOMPARE(label("label_28"), QStringLiteral("汤姆的书在哪里？"));
    meaning->click();
    QVERIFY2(label("label_28").isEmpty(), "the meaning was not hidden");
}

// "开始读" brings the next display picture each time.
void tst_sentencepage::readagain()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QStringList seen{label("label_88")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.clickmessages("pushButton_52"), QStringList());
        seen << label("label_88");
    }
    seen.removeDuplicates();
    QCOMPARE(seen.size(), 5);
}

// A missing recording is named, and the user is logged out with the progress saved.
void tst_sentencepage::missingsound()
{
    Reader reader;
    reader.missingsounds = QStringList{"s2.mp3"};
    QVERIFY2(w.start(reader), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QCOMPARE(w.answer("lineEdit_2", "This is a pen."), QStringList{QStringLiteral("素材不存在：s2.mp3")});
    QCOMPARE(w.page(), 0);
    MUser saved;
    QVERIFY2(saved.load(w.userpath()), "user file was not saved");
    QCOMPARE(saved.sentdiff(0), 9);
}

void tst_sentencepage::emptyanswer()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.answer("lineEdit_2", "This is a pen."), QStringList());
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QCOMPARE(w.answer("lineEdit_2", "   "), QStringList());
    QCOMPARE(w.find<QListWidget>("listWidget_5")->currentRow(), 0);
    QCOMPARE(label("label_30"), diffline(10));
}

void tst_sentencepage::nosentence_data()
{
    QTest::addColumn<bool>("loggedin");
    QTest::addColumn<QString>("tag");
    QTest::newRow("past the sentences") << true << "3";
    QTest::newRow("negative") << true << "-2";
    QTest::newRow("no textbook") << false << "0";
}

// A row that names no sentence of the textbook loads nothing and reports nothing.
void tst_sentencepage::nosentence()
{
    QFETCH(bool, loggedin);
    QFETCH(QString, tag);
    QVERIFY2(w.start(), "could not log in");
    // Without a textbook: a window nobody has logged in to.
    QScopedPointer<Widget> bare(loggedin ? nullptr : new Widget);
    Widget *window = loggedin ? w.window() : bare.data();
    auto *list = window->findChild<QListWidget *>(QStringLiteral("listWidget_5"));
    const QStringList shown = StudyWindow::messages([list, tag]() {
        list->clear();
        auto *item = new QListWidgetItem(QString(), list);
        item->setData(Qt::WhatsThisRole, tag);
        list->setCurrentRow(0);
    });
    QCOMPARE(shown, QStringList());
    QCOMPARE(window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex(),
             loggedin ? 1 : 0);
    QCOMPARE(window->findChild<QListWidget *>(QStringLiteral("listWidget_9"))->count(), 0);
}

QTEST_MAIN(tst_sentencepage)
#include "tst_sentencepage.moc"

void tst_sentencepage::firstsound_data()
{
    QTest::addColumn<bool>("focused");
    QTest::newRow("focus on the start button") << true;
    QTest::newRow("no focus") << false;
}

// The run's first sentence is heard once, whatever had the focus.
void tst_sentencepage::firstsound()
{
    QFETCH(bool, focused);
    QVERIFY2(w.start(), "could not log in");
    if (focused) {
        w.window()->show();
        QApplication::setActiveWindow(w.window());
        auto *button = w.find<QPushButton>("pushButton_3");
        button->setFocus();
        QTRY_VERIFY2(button->hasFocus(), "the start button did not take the focus");
    }
    SoundEnds ends;
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 10000);
    QCOMPARE(w.clickmessages("pushButton_52"), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2, 10000);
}

// A read-aloud left on the learning page as one of its readings ends, before
// the window has seen that end, does not go on, nor repeat the lesson's
// sentence: one reading of a sentence at a time, and nothing more while a
// sound would last (0.25 s) three times.
void tst_sentencepage::readaloudleft()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 3}}), QStringList());
    QCOMPARE(w.page(), 2);
    w.find<QSpinBox>("spinBox_11")->setValue(4);
    SoundEnds ends;
    auto *pages = w.find<QStackedWidget>("stackedWidget");
    ends.atnextend([pages] { pages->setCurrentIndex(1); });
    w.find<QCheckBox>("checkBox_5")->click();
    QTRY_COMPARE_WITH_TIMEOUT(pages->currentIndex(), 1, 10000);
    const int left = ends.count();
    QVERIFY2(!QTest::qWaitFor([&] { return ends.count() > left; }, 800), "the read-aloud went on");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), left + 1, 10000);
    QCOMPARE(w.clickmessages("pushButton_52"), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), left + 2, 10000);
    QCOMPARE(w.clickmessages("pushButton_52"), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), left + 3, 10000);
    QVERIFY2(!QTest::qWaitFor([&] { return ends.count() > left + 3; }, 800), "a lesson sentence was read again");
}
