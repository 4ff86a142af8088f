#include "checkreturn.h"
#include "dialogdriver.h"
#include "muser.h"
#include "studywindow.h"
#include "widget.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

// The adder buttons: a knowledge entry of the learner's own, linked to the
// word or sentence of the page's current row.
class tst_knowledgeadders : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void sentencepage();
    void wordpages_data();
    void wordpages();
    void refused_data();
    void refused();
    void norow();

private:
    // Clicks an adder and answers its dialog with question and answer
    // ("取消" when question is null); the dialog's title and parent go to
    // *seen. False when the dialog did not show.
    bool add(const char *button, const QString &question, const QString &answer,
             QPair<QString, QWidget *> *seen = nullptr);
    // Reads the user file as the last logout left it into saved.
    bool reload();

    StudyWindow w;
    MUser saved;
};

void tst_knowledgeadders::cleanup()
{
    w.close();
}

bool tst_knowledgeadders::add(const char *button, const QString &question, const QString &answer,
                              QPair<QString, QWidget *> *seen)
{
    const bool done = w.clickdialog(button, "addone", [&](QDialog *dialog) {
        if (seen)
            *seen = {dialog->windowTitle(), dialog->parentWidget()};
        if (question.isNull()) {
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(question);
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->setText(answer);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
    QVERIFY_RETURN(done, "the add dialog did not show");
    return true;
}

bool tst_knowledgeadders::reload()
{
    saved.reset();
    QVERIFY_RETURN(saved.load(w.userpath()), "the user file could not be read");
    return true;
}

// On the sentence page: linked to the sentence, the key entry listed at once,
// both found again after logging out and in.
void tst_knowledgeadders::sentencepage()
{
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.find<QSpinBox>("spinBox_7")->maximum(), 0);
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    w.find<QListWidget>("listWidget_5")->setCurrentRow(1);
    QVERIFY2(w.rows("listWidget_9").isEmpty(), "an entry was linked before any was added");

    QPair<QString, QWidget *> key;
    QVERIFY(add("pushButton_113", QStringLiteral("  fine 的意思 "), QStringLiteral(" 好的 "), &key));
    QCOMPARE(key.first, QStringLiteral("Zembrix Rozo：添加重点知识"));
    QCOMPARE(key.second, nullptr);
    QCOMPARE(w.rows("listWidget_9"), (QStringList{QStringLiteral("★fine 的意思"), QStringLiteral("☆好的")}));
    QCOMPARE(w.find<QSpinBox>("spinBox_7")->maximum(), 1);
    QCOMPARE(w.find<QSpinBox>("spinBox_6")->maximum(), 1);
    QCOMPARE(w.find<QSpinBox>("spinBox_6")->value(), 1);

    QPair<QString, QWidget *> phonetic;
    QVERIFY(add("pushButton_108", QStringLiteral("I'm 怎么读"), QStringLiteral("[aim]"), &phonetic));
    QCOMPARE(phonetic.first, QStringLiteral("Zembrix Rozo：添加语音知识"));
    QCOMPARE(w.rows("listWidget_9").size(), 2);
    QCOMPARE(w.find<QSpinBox>("spinBox_3")->maximum(), 1);
    QCOMPARE(w.find<QSpinBox>("spinBox_2")->value(), 1);

    QVERIFY(add("pushButton_113", QStringLiteral("thanks"), QStringLiteral("谢谢")));
    QCOMPARE(w.rows("listWidget_9").size(), 4);
    QCOMPARE(w.find<QSpinBox>("spinBox_7")->maximum(), 2);
    QCOMPARE(w.find<QSpinBox>("spinBox_6")->maximum(), 2);

    QVERIFY2(w.relogin(), "could not log in again");
    QVERIFY(reload());
    QCOMPARE(saved.keycount(), 2);
    QCOMPARE(saved.keytitle(0), QStringLiteral("fine 的意思"));
    QCOMPARE(saved.keytext(0), QStringLiteral("好的"));
    QCOMPARE(saved.keylink(0), QStringLiteral("j1"));
    QCOMPARE(saved.keydiff(0), 10);
    QCOMPARE(saved.phoneticcount(), 1);
    QCOMPARE(saved.phoneticlink(0), QStringLiteral("j1"));
    QCOMPARE(saved.phonetictitle(0), QStringLiteral("I'm 怎么读"));
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 2}}), QStringList());
    QCOMPARE(w.tags("listWidget_5"), QStringList{"1"});
    QCOMPARE(w.rows("listWidget_9"), (QStringList{QStringLiteral("★fine 的意思"), QStringLiteral("☆好的"),
                                                  QStringLiteral("★thanks"), QStringLiteral("☆谢谢")}));
}

void tst_knowledgeadders::wordpages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("key");
    QTest::addColumn<QString>("linked");
    QTest::addColumn<bool>("ownparent");

    QTest::newRow("learning, key") << "pushButton_49" << "listWidget" << true << "listWidget_7" << true;
    QTest::newRow("learning, phonetic") << "pushButton_48" << "listWidget" << false << "" << true;
    QTest::newRow("review, key") << "pushButton_47" << "listWidget_2" << true << "listWidget_8" << false;
    QTest::newRow("review, phonetic") << "pushButton_46" << "listWidget_2" << false << "" << false;
    QTest::newRow("four-choice, key") << "pushButton_51" << "listWidget_3" << true << "" << false;
    QTest::newRow("four-choice, phonetic") << "pushButton_50" << "listWidget_3" << false << "" << false;
}

// On the word pages: linked to the word of the current row ("d" + its
// position), and found again with that word after logging out and in.
void tst_knowledgeadders::wordpages()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    QFETCH(bool, key);
    QFETCH(QString, linked);
    QFETCH(bool, ownparent);

    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 6}}), QStringList());
    // The learning list names each row's word; the other lists of the run
    // follow the same work list.
    const QStringList words = w.rows("listWidget");
    QCOMPARE(words.size(), 6);
    const int row = 2;
    const int position = words.at(row).mid(4).toInt();
    auto *target = w.find<QListWidget>(qPrintable(list));
    if (list == "listWidget_2") {
        target->clear();
        target->addItems(words);
    }
    target->setCurrentRow(row);
    QStringList before;
    if (!linked.isEmpty())
        before = w.rows(qPrintable(linked));

    QPair<QString, QWidget *> seen;
    QVERIFY(add(qPrintable(button), QStringLiteral("问题"), QStringLiteral("答案"), &seen));
    QCOMPARE(seen.first, key ? QStringLiteral("Zembrix Rozo：添加重点知识") : QStringLiteral("Zembrix Rozo：添加语音知识"));
    QCOMPARE(seen.second, ownparent ? static_cast<QWidget *>(w.window()) : nullptr);
    if (!linked.isEmpty())
        QCOMPARE(w.rows(qPrintable(linked)), before + QStringList({QStringLiteral("★问题"), QStringLiteral("☆答案")}));
    QCOMPARE(w.find<QSpinBox>(key ? "spinBox_7" : "spinBox_3")->maximum(), 1);
    QCOMPARE(w.find<QSpinBox>(key ? "spinBox_6" : "spinBox_2")->value(), 1);
    QCOMPARE(w.find<QSpinBox>(key ? "spinBox_3" : "spinBox_7")->maximum(), 0);

    QVERIFY2(w.relogin(), "could not log in again");
    QVERIFY(reload());
    QCOMPARE(key ? saved.keycount() : saved.phoneticcount(), 1);
    QCOMPARE(key ? saved.phoneticcount() : saved.keycount(), 0);
    QCOMPARE(key ? saved.keylink(0) : saved.phoneticlink(0), QStringLiteral("d%1").arg(position));
    QCOMPARE(key ? saved.keytitle(0) : saved.phonetictitle(0), QStringLiteral("问题"));
    if (!key)
        return;
    QCOMPARE(saved.keyforword(position), QList<int>{0});
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", position + 1}, {"spinBox_5", 1}}), QStringList());
    QCOMPARE(w.rows("listWidget"), QStringList{QStringLiteral("word%1").arg(position)});
    QCOMPARE(w.rows("listWidget_7"), (QStringList{QStringLiteral("★问题"), QStringLiteral("☆答案")}));
}

void tst_knowledgeadders::refused_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("titleclose");

    QTest::newRow("取消") << QString() << QString() << false;
    QTest::newRow("window closed") << QStringLiteral("问题") << QStringLiteral("答案") << true;
    QTest::newRow("blank answer, then 取消") << QStringLiteral("问题") << QStringLiteral("  ") << false;
}

// Nothing is added and no range changes unless the dialog hands back both texts.
void tst_knowledgeadders::refused()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(bool, titleclose);
    QVERIFY2(w.start(), "could not log in");
    QCOMPARE(w.startrun("radioButton_10", {{"spinBox_9", 1}}), QStringList());
    QString message;
    DialogDriver driver;
    driver.add("addone", [&](QDialog *dialog) {
        if (question.isNull()) {
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(question);
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->setText(answer);
        if (titleclose)
            dialog->close();
        else
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
    if (!question.isNull() && !titleclose) {
        driver.readmessage(&message);
        driver.click("addone", QStringLiteral("pushButton_2"));
    }
    driver.start();
    QVERIFY(w.click("pushButton_113"));
    QVERIFY2(driver.done(), "the dialogs were not all answered");
    QCOMPARE(message.isEmpty(), question.isNull() || titleclose);
    if (!message.isEmpty())
        QCOMPARE(message, QStringLiteral("请检查录入的信息"));
    QVERIFY2(w.rows("listWidget_9").isEmpty(), "a refused entry was listed");
    QCOMPARE(w.find<QSpinBox>("spinBox_7")->maximum(), 0);
    QVERIFY2(w.relogin(), "could not log in again");
    QVERIFY(reload());
    QCOMPARE(saved.keycount(), 0);
}

// Without a current row no dialog opens.
void tst_knowledgeadders::norow()
{
    QVERIFY2(w.start(), "could not log in");
    for (const char *button : {"pushButton_49", "pushButton_48", "pushButton_47", "pushButton_46",
                               "pushButton_51", "pushButton_50", "pushButton_113", "pushButton_108"})
        QVERIFY2(!w.opensdialog(button), qPrintable(QLatin1String(button) + " opened a dialog"));
    QVERIFY2(w.relogin(), "could not log in again");
    QVERIFY(reload());
    QCOMPARE(saved.keycount() + saved.phoneticcount(), 0);
}

QTEST_MAIN(tst_knowledgeadders)
#include "tst_knowledgeadders.moc"
