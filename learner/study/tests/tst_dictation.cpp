#include "checkreturn.h"
#include "learnbook.h"
#include "muser.h"
#include "reviewwindow.h"
#include "soundends.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

// The review test page: sounds, answer checks, the error filter.
class tst_dictation : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void sounds();
    void normalised_data();
    void normalised();
    void difficulty_data();
    void difficulty();
    void errorfilter();
    void earlieranswer();
    void answershown();
    void readagain();
    void lastrow_data();
    void lastrow();
    void sentencemode();
    void missingsound_data();
    void missingsound();
    void offpage();

private:
    // Opens the review of one due group of the given words.
    bool review(int first, int count, const QList<int> &diffs = {}, const QStringList &missing = {});
    int rowof(int word) const;
    QListWidget *list() const { return w.find<QListWidget>("listWidget_2"); }

    ReviewWindow w;
};

namespace {
const QDateTime t0(QDate(2026, 3, 2), QTime(8, 0));
}

void tst_dictation::cleanup()
{
    w.close();
}

bool tst_dictation::review(int first, int count, const QList<int> &diffs, const QStringList &missing)
{
    ReviewWindow::Setup setup;
    setup.diffs = diffs;
    setup.book.missing = missing;
    if (first > 0)
        setup.groups << ReviewWindow::Group{first, t0, 0};
    setup.groups << ReviewWindow::Group{count, t0.addDays(-1), 0};
    QCOMPARE_RETURN(w.start(setup, t0), QStringList());
    QCOMPARE_RETURN(w.page(), 7);
    QCOMPARE_RETURN(w.click("pushButton_33"), QStringList());
    QCOMPARE_RETURN(w.page(), 3);
    return true;
}

int tst_dictation::rowof(int word) const
{
    for (int r = 0; r < list()->count(); ++r) {
        if (w.rowword("listWidget_2", r) == word)
            return r;
    }
    return -1;
}

// With "读音" each row's word is read as often as "朗读次数" says.
void tst_dictation::sounds()
{
    SoundEnds ends;
    QVERIFY(review(3, 3));
    QCOMPARE(w.find<QSpinBox>("spinBox_13")->value(), 2);
    w.find<QCheckBox>("checkBox_15")->click();
    ends.reset();
    for (int r = 0; r < 3; ++r) {
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2 * (r + 1), 10000);
        QCOMPARE(list()->currentRow(), r);
        QVERIFY2(!w.find<QLabel>("label_44")->isHidden(), "the phonetic did not show");
        w.type(learnbook::word(w.rowword("listWidget_2", r)), QString());
    }
}

void tst_dictation::normalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("difficulty");
    QTest::newRow("punctuation") << "ice cream!" << "ice cream\n词0" << "难度系数：10";
    QTest::newRow("run together") << "icecream" << "ice cream\n词0" << "难度系数：10";
    QTest::newRow("hyphens inside") << "i-c-e_cream" << "ice cream\n词0" << "难度系数：10";
    QTest::newRow("other case") << "Icecream" << "Icecream\n词0" << "难度系数：11";
    QTest::newRow("misspelt") << "  ice crem " << "ice crem\n词0" << "难度系数：11";
}

// Only letters and digits are compared, case kept; a right answer shows the
// textbook's word.
void tst_dictation::normalised()
{
    QFETCH(QString, typed);
    QFETCH(QString, row);
    QFETCH(QString, difficulty);
    QVERIFY(review(0, 2));
    const int r = rowof(0);
    list()->setCurrentRow(r);
    w.type(typed, QString());
    QCOMPARE(list()->item(r)->text(), row);
    list()->setCurrentRow(r);
    QCOMPARE(w.find<QLabel>("label_62")->text(), difficulty);
}

void tst_dictation::difficulty_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("19") << 19 << 20;
    QTest::newRow("20") << 20 << 20;
}

void tst_dictation::difficulty()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QVERIFY(review(0, 1, {before}));
    w.type(QStringLiteral("wrong"), QString());
    QCOMPARE(w.find<QLabel>("label_62")->text(), QStringLiteral("难度系数：%1").arg(after));
    w.click("pushButton_4");
    MUser user;
    QVERIFY2(w.reload(user), "user file was not read");
    QCOMPARE(user.worddiff(0), after);
}

// Three answers, one wrong: the filter shows only the wrong one; off again,
// every row shows its answer and meaning.
void tst_dictation::errorfilter()
{
    QVERIFY(review(3, 4));
    const QStringList typed = {learnbook::word(w.rowword("listWidget_2", 0)), QStringLiteral("wrong"),
                               learnbook::word(w.rowword("listWidget_2", 2))};
    for (int r = 0; r < 3; ++r)
        w.type(typed.at(r), QString());
    QCOMPARE(list()->currentRow(), 3);
    const QStringList answered = w.rows("listWidget_2");
    w.find<QCheckBox>("checkBox")->click();
    w.find<QCheckBox>("checkBox_6")->click();
    QCOMPARE(w.rows("listWidget_2"), (QStringList{"\n", answered.at(1), "\n", "\n"}));
    QVERIFY2(w.find<QCheckBox>("checkBox_15")->isChecked(), "reading was off");
    QVERIFY2(!w.find<QCheckBox>("checkBox")->isChecked(), "the answers were shown");
    QVERIFY2(w.find<QLabel>("label_42")->isHidden(), "the meaning was shown");
    w.find<QCheckBox>("checkBox_15")->click();
    QVERIFY2(w.find<QCheckBox>("checkBox_15")->isChecked(), "reading was turned off");
    w.find<QCheckBox>("checkBox_6")->click();
    QCOMPARE(w.rows("listWidget_2"), answered);
    QVERIFY2(answered.at(3).startsWith(QLatin1Char('\n')) && answered.at(3).size() > 1,
             "the unanswered row lost its meaning");
    QVERIFY2(!w.find<QCheckBox>("checkBox_15")->isChecked(), "reading stayed on");
}

void tst_dictation::earlieranswer()
{
    QVERIFY(review(3, 3));
    w.type(QStringLiteral("wrong one"), QString());
    list()->setCurrentRow(0);
    QCOMPARE(w.find<QLineEdit>("lineEdit_18")->text(), QStringLiteral("wrong one"));
}

// "显示答案/重点" shows the word and the key knowledge linked to it.
void tst_dictation::answershown()
{
    ReviewWindow::Setup setup;
    setup.keys = {{QStringLiteral("冰淇淋"), QStringLiteral("两个词")}, {QStringLiteral("复数"), QStringLiteral("ice creams")}};
    setup.groups = {ReviewWindow::Group{1, t0.addDays(-1), 0}};
    QCOMPARE(w.start(setup, t0), QStringList());
    QCOMPARE(w.click("pushButton_33"), QStringList());
    QVERIFY2(w.find<QLabel>("label_45")->isHidden(), "the answer was shown");
    QCOMPARE(w.rows("listWidget_8"), QStringList());
    w.find<QCheckBox>("checkBox")->click();
    QVERIFY2(!w.find<QLabel>("label_45")->isHidden(), "the answer did not show");
    QCOMPARE(w.find<QLabel>("label_45")->text(), learnbook::word(0));
    QVERIFY2(w.find<QLabel>("label_46")->isHidden(), "the sentence showed outside sentence mode");
    QCOMPARE(w.rows("listWidget_8"), (QStringList{"★冰淇淋", "☆两个词", "★复数", "☆ice creams"}));
    w.find<QCheckBox>("checkBox")->click();
    QVERIFY2(w.find<QLabel>("label_45")->isHidden(), "the answer was not hidden again");
    QCOMPARE(w.rows("listWidget_8"), QStringList());
}

// "开始读" turns reading on and reads the word again.
void tst_dictation::readagain()
{
    SoundEnds ends;
    QVERIFY(review(3, 2));
    QVERIFY2(!w.find<QCheckBox>("checkBox_15")->isChecked(), "reading was on before it was asked for");
    ends.reset();
    w.find<QPushButton>("pushButton_44")->click();
    QVERIFY2(w.find<QCheckBox>("checkBox_15")->isChecked(), "reading did not turn on");
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2, 10000);
    QCOMPARE(list()->currentRow(), 0);
}

void tst_dictation::lastrow_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    QTest::newRow("ok") << "ok" << 1 << -1;
    QTest::newRow("ok with blanks") << " ok " << 1 << -1;
    QTest::newRow("emptied") << "" << 3 << 0;
    QTest::newRow("other case") << "OK" << 3 << 0;
    QTest::newRow("cancel") << QString() << 3 << 0;
}

// Return on the last row asks for "ok" to hand in, else starts again.
void tst_dictation::lastrow()
{
    QFETCH(QString, input);
    QFETCH(int, page);
    QFETCH(int, row);
    QVERIFY(review(3, 2));
    w.type(learnbook::word(w.rowword("listWidget_2", 0)), input);
    const QStringList shown = w.type(learnbook::word(w.rowword("listWidget_2", 1)), input);
    QCOMPARE(shown, QStringList{QStringLiteral("已经进行到最后一个，输入“ok”交卷")});
    QCOMPARE(w.page(), page);
    if (row >= 0)
        QCOMPARE(list()->currentRow(), row);
}

// With "通过例句复习" a linked word is answered by its sentence; a word
// without one by itself, with the notice shown.
void tst_dictation::sentencemode()
{
    QVERIFY(review(2, 2));
    w.find<QCheckBox>("checkBox_13")->click();
    list()->setCurrentRow(rowof(2));
    QVERIFY2(w.find<QLabel>("label_83")->isHidden(), "the notice showed for a linked word");
    QCOMPARE(w.find<QLabel>("label_46")->text(), learnbook::sentence(2));
    QVERIFY2(w.find<QLabel>("label_46")->isHidden(), "the sentence answer was shown");
    QVERIFY2(w.find<QLabel>("label_45")->alignment() & Qt::AlignRight,
             "the word was not right-aligned in the sentence layout");
    list()->setCurrentRow(rowof(3));
    QVERIFY2(!w.find<QLabel>("label_83")->isHidden(), "the notice did not show for a word without a sentence");
    QVERIFY2(w.find<QLabel>("label_45")->alignment() & Qt::AlignLeft,
             "the word was not left-aligned in the word layout");
    w.type(learnbook::word(3), QString());
    QCOMPARE(list()->item(rowof(3))->text(), learnbook::word(3) + QStringLiteral("\n词3"));
    list()->setCurrentRow(rowof(2));
    w.type(learnbook::word(2), QString());
    QCOMPARE(list()->item(rowof(2))->text(), learnbook::word(2) + QStringLiteral("\n词2"));
    list()->setCurrentRow(rowof(2));
    QCOMPARE(w.find<QLabel>("label_62")->text(), QStringLiteral("难度系数：11"));
    w.type(learnbook::sentence(2), QString());
    QCOMPARE(list()->item(rowof(2))->text(), learnbook::sentence(2) + QStringLiteral("\n词2"));
}

void tst_dictation::missingsound_data()
{
    QTest::addColumn<bool>("sentence");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("word") << false << "w1.mp3" << "素材出错：";
    QTest::newRow("sentence") << true << "s1.mp3" << "素材不存在：";
}

// A missing sound is reported with its path and logs the learner out; a
// second log-out, with nobody logged in, leaves the user file alone.
void tst_dictation::missingsound()
{
    QFETCH(bool, sentence);
    QFETCH(QString, file);
    QFETCH(QString, prefix);
    ReviewWindow::Setup setup;
    setup.book.missing = QStringList{file};
    setup.groups = {ReviewWindow::Group{1, t0.addDays(-1), 0}};
    QCOMPARE(w.start(setup, t0), QStringList());
    const QString path = QDir(w.folder()).filePath(file);
    QStringList shown = w.click("pushButton_33");
    if (sentence) {
        QCOMPARE(shown, QStringList());
        shown = ReviewWindow::run([this]() { w.find<QCheckBox>("checkBox_13")->click(); });
    }
    QCOMPARE(shown, QStringList{prefix + path});
    QCOMPARE(w.page(), 0);
    const QByteArray saved = testfiles::readall(w.userpath());
    QVERIFY(QMetaObject::invokeMethod(w.window(), "on_pushButton_4_clicked"));
    QVERIFY2(testfiles::readall(w.userpath()) == saved, "user file was changed");
    MUser user;
    QVERIFY2(w.reload(user), "user file was not read");
    QCOMPARE(user.groupcount(), 1);
}

// The answer check acts only while the test page is shown.
void tst_dictation::offpage()
{
    QVERIFY(review(3, 2));
    const QStringList before = w.rows("listWidget_2");
    w.find<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
    w.find<QLineEdit>("lineEdit_18")->setText(QStringLiteral("wrong"));
    QVERIFY(QMetaObject::invokeMethod(w.window(), "on_lineEdit_18_returnPressed"));
    QCOMPARE(w.rows("listWidget_2"), before);
    QCOMPARE(list()->currentRow(), 0);
}

QTEST_MAIN(tst_dictation)
#include "tst_dictation.moc"
