#include "checkreturn.h"
#include "dialogdriver.h"
#include "fd_dialog.h"
#include "muser.h"
#include "studyclock.h"
#include "testfiles.h"
#include "widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Both programs on one road: the bookmaker makes a textbook with sounds from
// import files (the maketextbook program), and a learner adopts it in the
// learner window, learns a run of words hearing their sounds, hands the test
// in and finds the new review group when it is due.
class tst_endtoend : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void learnmadebook_data();
    void learnmadebook();

private:
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    int page() const { return find<QStackedWidget>("stackedWidget")->currentIndex(); }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    bool click(const char *button);
    // Clicks a button and answers the dialogs it opens through driver.
    bool run(const char *button, DialogDriver &driver);
    // Clicks a button that shows one message and gives its text.
    QString clickmessage(const char *button);
    bool login();
    void setnow(const QDateTime &t) { window->findChild<studyclock *>()->setnow(t); }
    // Types the answer of every row of the review test, the wrong answer for
    // row wrongrow (-1 for none), and confirms the hand-in at the last row;
    // the prompt and the message that followed.
    bool answerall(int wrongrow, QString *prompt, QString *message);

    // Closes a dialog no driver answers, so that a broken test ends.
    void closestrays();
    // False, with the failure recorded, when a dialog had to be closed that way.
    bool nostrays() const;

    QScopedPointer<Widget> window;
    // The generated textbook's items read through the data core, by meaning.
    QMap<QString, QStringList> itemsbymeaning;
    QTimer strayguard;
    QPointer<QDialog> stray;
    int strayticks = 0;
    QStringList strays;
};

namespace {
const QString Password = QStringLiteral("学习 1");
// The review intervals chosen on the plan page: minutes, minutes, then days.
const QList<int> Intervals = {15, 45, 2, 3, 6, 16, 31, 61};
const QDateTime Learnt(QDate(2026, 3, 2), QTime(9, 0));
const int Planpage = 1;
const int Learnpage = 2;
const int Testpage = 3;
const int Groupspage = 7;
}

void tst_endtoend::init()
{
    QFile::remove(testfiles::programsettings());
    strays.clear();
    connect(&strayguard, &QTimer::timeout, this, &tst_endtoend::closestrays, Qt::UniqueConnection);
    strayguard.start(100);
}

void tst_endtoend::cleanup()
{
    strayguard.stop();
    if (window)
        find<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
    window.reset();
    QFile::remove(testfiles::programsettings());
}

void tst_endtoend::closestrays()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || dialog != stray) {
        stray = dialog;
        strayticks = 0;
        return;
    }
    if (++strayticks < 50)
        return;
    const auto *label = dialog->findChild<QLabel *>(QStringLiteral("label"));
    strays << QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(' ')
            + (label ? label->text() : QString());
    dialog->close();
}

bool tst_endtoend::nostrays() const
{
    QVERIFY_RETURN(strays.isEmpty(), qPrintable("dialogs nobody answered: " + strays.join(QLatin1String(", "))));
    return true;
}

bool tst_endtoend::click(const char *button)
{
    auto *target = find<QPushButton>(button);
    QVERIFY_RETURN(target, qPrintable(QStringLiteral("no button ") + QLatin1String(button)));
    target->click();
    return nostrays();
}

bool tst_endtoend::run(const char *button, DialogDriver &driver)
{
    driver.start();
    if (!click(button))
        return false;
    QVERIFY_RETURN(driver.done(), qPrintable(QStringLiteral("dialogs left unanswered after ") + button));
    return true;
}

QString tst_endtoend::clickmessage(const char *button)
{
    return DialogDriver::message([&](DialogDriver &driver) { run(button, driver); });
}

bool tst_endtoend::login()
{
    QCOMPARE_RETURN(page(), 0);
    find<QLineEdit>("lineEdit")->setText(Password);
    return click("pushButton_2");
}

bool tst_endtoend::answerall(int wrongrow, QString *prompt, QString *message)
{
    auto *rows = find<QListWidget>("listWidget_2");
    auto *field = find<QLineEdit>("lineEdit_18");
    QVERIFY_RETURN(rows->count() > 0 && rows->currentRow() == 0, "the test did not start at its first row");
    DialogDriver driver;
    driver.add(QStringLiteral("inputDlg"), [prompt](QDialog *dialog) {
        *prompt = dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
    if (message)
        driver.readmessage(message);
    for (int r = 0; r < rows->count(); ++r) {
        QCOMPARE_RETURN(rows->currentRow(), r);
        const QString meaning = rows->item(r)->text().section(QLatin1Char('\n'), 1);
        QVERIFY_RETURN(itemsbymeaning.contains(meaning),
                       qPrintable(QStringLiteral("row of an unknown word: ") + meaning));
        field->setText(r == wrongrow ? QStringLiteral("nope") : itemsbymeaning.value(meaning).value(0));
        if (r == rows->count() - 1)
            driver.start();
        QTest::keyClick(field, Qt::Key_Return);
    }
    QVERIFY_RETURN(driver.done(), "the hand-in prompt or its message did not show");
    return nostrays();
}

void tst_endtoend::learnmadebook_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("runsize");
    QTest::addColumn<bool>("throughsentences");

    QTest::newRow("part of the book") << 6 << 4 << false;
    QTest::newRow("the whole book") << 4 << 4 << false;
    QTest::newRow("through the example sentences") << 5 << 3 << true;
}

void tst_endtoend::learnmadebook()
{
    QFETCH(int, words);
    QFETCH(int, runsize);
    QFETCH(bool, throughsentences);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), "temporary folder was not made");

    // The bookmaker makes the textbook. Its settings file lies beside the
    // program, so it runs from a copy of its own.
    const QString maker = dir.filePath(QStringLiteral("maketextbook"));
    QVERIFY2(QFile::copy(QStringLiteral(MAKETEXTBOOK), maker), "maketextbook was not copied");
    const QString folder = dir.filePath(QStringLiteral("教材"));
    QVERIFY2(QDir().mkpath(folder), "material folder was not made");
    QProcess making;
    making.start(maker, {folder, QString::number(words), QString::number(words)});
    QVERIFY2(making.waitForFinished(120000), "maketextbook did not end");
    QVERIFY2(making.exitStatus() == QProcess::NormalExit && making.exitCode() == 0,
             qPrintable("maketextbook failed: " + QString::fromLocal8Bit(making.readAllStandardOutput())));
    const QString bookpath = folder + QStringLiteral("/book.zemBook");

    // What the bookmaker wrote, read through the data core: numbered words,
    // each linked to its sentence, with sounds beside the textbook.
    MUser made;
    QVERIFY2(made.adoptbook(bookpath), "the made textbook cannot be adopted");
    QCOMPARE(made.wordcount(), words);
    itemsbymeaning.clear();
    for (int p = 0; p < words; ++p) {
        const QStringList item = made.item(p);
        QCOMPARE(item.size(), 7);
        QCOMPARE(item.value(0), QStringLiteral("word%1").arg(p + 1));
        QCOMPARE(item.value(4), QStringLiteral("Sentence %1.").arg(p + 1));
        for (int k : {3, 6}) {
            const QFileInfo sound(folder, item.value(k));
            QVERIFY2(sound.isFile() && sound.size() > 0,
                     qPrintable(QStringLiteral("no sound beside the textbook: ") + item.value(k)));
        }
        itemsbymeaning.insert(item.value(2), item);
    }
    QCOMPARE(itemsbymeaning.size(), words);
    // Learning through the sentences reads the sentences' sounds: with the
    // words' sounds made unplayable, only those can end the readings.
    for (int p = 1; throughsentences && p <= words; ++p)
        QVERIFY(testfiles::writeall(folder + QStringLiteral("/w%1.mp3").arg(p), QByteArray(1000, 'x')));

    // A learner without a textbook, the program's only user.
    const QString userpath = dir.filePath(QStringLiteral("学习者.zbu"));
    QVERIFY2(testfiles::writeuser(userpath, QStringLiteral("学习者"), Password), "user file was not written");
    testfiles::setprogram({userpath}, 0, dir.path());
    window.reset(new Widget);
    setnow(Learnt);
    QVERIFY(login());
    QCOMPARE(page(), Planpage);
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));

    // Adopting the textbook through the chooser.
    DialogDriver choose;
    QString title;
    QString startfolder;
    choose.add(QStringLiteral("fd_Dialog"), [&title, &startfolder, bookpath](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        title = chooser->findChild<QLabel *>(QStringLiteral("label"))->text();
        startfolder = chooser->path;
        *chooser->result = bookpath;
        chooser->close();
    });
    QVERIFY(run("pushButton_80", choose));
    QCOMPARE(title, QStringLiteral("请选择教材文件“*.zemBook”"));
    QCOMPARE(startfolder, dir.path());
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("找回忽略"));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("关闭教材"));
    QCOMPARE(text("label_10"), QStringLiteral("Fixture book,") + made.bookinfo().value(1) + QStringLiteral("制作于")
                                   + made.bookdate().toString(QStringLiteral("yyyy年 MM月 dd日。")));
    MUser adopted;
    QVERIFY2(adopted.load(userpath), "the user file was not saved at adoption");
    QCOMPARE(adopted.getbookpath(), bookpath);
    QCOMPARE(adopted.wordcount(), words);
    QCOMPARE(adopted.groupcount(), 0);

    // A run of new words by plan, with the schedule's intervals of the page.
    QCOMPARE(find<QSpinBox>("spinBox")->maximum(), words);
    find<QRadioButton>("radioButton")->setChecked(true);
    find<QSpinBox>("spinBox")->setValue(runsize);
    find<QSpinBox>("spinBox_10")->setValue(1);
    const char *intervalboxes[] = {"spinBox_14", "spinBox_15", "spinBox_16", "spinBox_17",
                                   "spinBox_18", "spinBox_19", "spinBox_20", "spinBox_21"};
    for (int k = 0; k < 8; ++k)
        find<QSpinBox>(intervalboxes[k])->setValue(Intervals.at(k));
    QVERIFY(click("pushButton_3"));
    QCOMPARE(page(), Learnpage);
    auto *list = find<QListWidget>("listWidget");
    QCOMPARE(list->count(), runsize);
    QCOMPARE(list->currentRow(), 0);
    QSet<QString> learnt;
    for (int r = 0; r < runsize; ++r)
        learnt << list->item(r)->text();
    QSet<QString> firstwords;
    for (int p = 0; p < runsize; ++p)
        firstwords << QStringLiteral("word%1").arg(p + 1);
    QCOMPARE(learnt, firstwords);

    // Learning in leisure mode with reading on: each word's sound is read
    // twice, and only the end of the second reading starts the pause before
    // the next word, so every row reached means its sounds played to the end.
    // After the last row comes the first; its reading ends the learning.
    find<QSpinBox>("spinBox_11")->setValue(2);
    find<QSpinBox>("spinBox_12")->setValue(1);
    if (find<QCheckBox>("checkBox_12")->isChecked() != throughsentences)
        find<QCheckBox>("checkBox_12")->click();
    QStringList shown;
    QList<int> visited;
    const QMetaObject::Connection watch =
        connect(list, &QListWidget::currentRowChanged, this, [&](int row) {
            visited << row;
            shown << text("label_33") + QLatin1Char('|') + text("label_35") + QLatin1Char('|') + text("label_36")
                    + QLatin1Char('|') + text("label_37") + QLatin1Char('|') + text("label_41")
                    + (find<QLabel>("label_82")->isHidden() ? QString() : QLatin1Char('|') + text("label_82"));
            if (row == 0)
                find<QCheckBox>("checkBox_5")->setChecked(false);
            else if (visited.contains(0))
                find<QCheckBox>("checkBox_11")->setChecked(false);
        });
    find<QCheckBox>("checkBox_11")->click();
    find<QCheckBox>("checkBox_5")->click();
    QList<int> cycle;
    for (int r = 1; r < runsize; ++r)
        cycle << r;
    cycle << 0 << 1;
    // A sound that never ends stops the cycle: one generous wait, then the check.
    const bool ended = QTest::qWaitFor([&]() { return visited.size() >= cycle.size() || !strays.isEmpty(); }, 40000);
    disconnect(watch);
    QVERIFY2(ended, qPrintable(QString("the cycle stopped after %1 rows").arg(visited.size())));
    QVERIFY(nostrays());
    QCOMPARE(visited, cycle);
    QCOMPARE(page(), Learnpage);
    for (int v = 0; v < visited.size(); ++v) {
        const QStringList item = made.item(list->item(visited.at(v))->text().mid(4).toInt() - 1);
        QCOMPARE(shown.at(v), QStringList({item.value(0), item.value(1), item.value(2), item.value(4), item.value(5)})
                                  .join(QLatin1Char('|')));
    }

    // The test of the words just learnt: one wrong row gives a score and
    // records nothing; corrected, the hand-in opens the review group.
    find<QCheckBox>("checkBox_15")->setChecked(false);
    QVERIFY(click("pushButton_29"));
    QCOMPARE(page(), Testpage);
    QVERIFY2(!find<QCheckBox>("checkBox_13")->isChecked(), "the test asked for sentences");
    auto *rows = find<QListWidget>("listWidget_2");
    QCOMPARE(rows->count(), runsize);
    QSet<QString> tested;
    for (int r = 0; r < runsize; ++r)
        tested << itemsbymeaning.value(rows->item(r)->text().section(QLatin1Char('\n'), 1)).value(0);
    QCOMPARE(tested, firstwords);
    QString prompt;
    QString score;
    QVERIFY(answerall(0, &prompt, &score));
    QCOMPARE(prompt, QStringLiteral("已经进行到最后一个，输入“ok”交卷"));
    QCOMPARE(score, QStringLiteral("您的成绩：%1").arg(int((runsize - 1) * 100.0 / runsize + 0.5)));
    QCOMPARE(page(), Testpage);
    const QString missed = itemsbymeaning.value(rows->item(0)->text().section(QLatin1Char('\n'), 1)).value(0);
    rows->setCurrentRow(0);
    find<QLineEdit>("lineEdit_18")->setText(missed);
    QTest::keyClick(find<QLineEdit>("lineEdit_18"), Qt::Key_Return);
    QVERIFY(click("pushButton_31"));
    QCOMPARE(page(), Planpage);
    QCOMPARE(find<QRadioButton>("radioButton")->isEnabled(), runsize < words);
    QCOMPARE(find<QRadioButton>("radioButton_2")->isChecked(), runsize == words);

    // The user record: one group of the run's words, learnt now, with the
    // page's intervals; the words one easier, the missed one raised first.
    QVERIFY(click("pushButton_4"));
    QCOMPARE(page(), 0);
    MUser saved;
    QVERIFY2(saved.load(userpath), "the user file could not be read after the hand-in");
    QCOMPARE(saved.groupcount(), 1);
    QCOMPARE(saved.wordsupto(0), runsize);
    QCOMPARE(saved.groupstart(0), Learnt);
    QCOMPARE(saved.stage(0), 0);
    QList<int> intervals;
    for (int k = 1; k <= 8; ++k)
        intervals << saved.interval(0, k);
    QCOMPARE(intervals, Intervals);
    for (int p = 0; p < words; ++p) {
        const QString word = saved.item(p).value(0);
        const int expected = p >= runsize ? 10 : word == missed ? 10 : 9;
        QVERIFY2(saved.worddiff(p) == expected,
                 qPrintable(QStringLiteral("%1: wrong difficulty %2").arg(word).arg(saved.worddiff(p))));
    }

    // A minute before its first review nothing is due.
    const QDateTime due = Learnt.addSecs(60 * Intervals.at(0));
    setnow(due.addSecs(-60));
    QVERIFY(login());
    QCOMPARE(page(), Planpage);
    QCOMPARE(clickmessage("pushButton_128"), QStringLiteral("已无需要复习的内容"));
    QCOMPARE(page(), Planpage);

    // Once due, the group list holds the group with its schedule, and the
    // next log-in opens on it.
    setnow(due);
    QVERIFY(click("pushButton_128"));
    QCOMPARE(page(), Groupspage);
    auto *groups = find<QListWidget>("listWidget_6");
    QCOMPARE(groups->count(), 1);
    QCOMPARE(groups->item(0)->text(), QStringLiteral("第 1 组"));
    QCOMPARE(groups->item(0)->data(Qt::WhatsThisRole).toString(), QStringLiteral("1"));
    QCOMPARE(groups->currentRow(), 0);
    QCOMPARE(text("label_80"), QStringLiteral("1"));
    QCOMPARE(text("label_31"), QString::number(runsize));
    QCOMPARE(text("label_48"), Learnt.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
    QCOMPARE(text("label_49"), QStringLiteral("?"));
    QVERIFY(click("pushButton_4"));
    QVERIFY(login());
    QCOMPARE(page(), Groupspage);
    QCOMPARE(groups->count(), 1);

    // Reviewing the group on time completes its first review.
    QVERIFY(click("pushButton_33"));
    QCOMPARE(page(), Testpage);
    QCOMPARE(rows->count(), runsize);
    QVERIFY(answerall(-1, &prompt, nullptr));
    QCOMPARE(page(), Planpage);
    QVERIFY(click("pushButton_4"));
    QVERIFY2(saved.load(userpath), "the user file could not be read after the review");
    QCOMPARE(saved.groupcount(), 1);
    QCOMPARE(saved.stage(0), 1);
    QCOMPARE(saved.reviewtime(0, 1), due);
    for (int p = 0; p < runsize; ++p) {
        const QString word = saved.item(p).value(0);
        QVERIFY2(saved.worddiff(p) == (word == missed ? 9 : 8),
                 qPrintable(QStringLiteral("%1: wrong difficulty %2 after the review")
                                .arg(word).arg(saved.worddiff(p))));
    }
}

QTEST_MAIN(tst_endtoend)
#include "tst_endtoend.moc"
