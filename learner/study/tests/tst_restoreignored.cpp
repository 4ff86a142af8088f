#include "dialogdriver.h"
#include "muser.h"
#include "studywindow.h"
#include "widget.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using studyreader::Entry;
using studyreader::Reader;

// Ignored items brought back from the plan page, at difficulty 10.
class tst_restoreignored : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void restore();

private:
    StudyWindow w;
};

void tst_restoreignored::cleanup()
{
    w.close();
}

void tst_restoreignored::restore()
{
    Reader reader;
    reader.phonetic = {Entry{"-tion", QStringLiteral("读作 [ʃən]"), 0, " "},
                       Entry{"ph", QStringLiteral("读作 [f]"), 5, " "}};
    reader.key = {Entry{"be", QStringLiteral("是"), 0, "d0"}, Entry{"do", QStringLiteral("做"), 0, " "}};
    QVERIFY2(w.start(reader), "could not log in");
    QCOMPARE(w.find<QPushButton>("pushButton_80")->text(), QStringLiteral("找回忽略"));

    // Two words are put aside on the learning page.
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 6}}), QStringList());
    QStringList aside;
    for (int row : {1, 4}) {
        w.find<QListWidget>("listWidget")->setCurrentRow(row);
        QVERIFY(w.click("pushButton_19"));
        aside << w.rows("listWidget").at(row);
    }
    // The dialog lists them in word order.
    std::sort(aside.begin(), aside.end(),
              [](const QString &a, const QString &b) { return a.mid(4).toInt() < b.mid(4).toInt(); });
    QVERIFY(w.click("pushButton_62"));
    QCOMPARE(w.page(), 1);
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 6}}).size(), 0);
    QCOMPARE(w.rows("listWidget").size(), 4);
    QVERIFY(w.click("pushButton_62"));

    QStringList listed[3];
    DialogDriver driver;
    driver.add("zhaohuiDialog", [&](QDialog *dialog) {
        const char *lists[] = {"listWidget", "listWidget_2", "listWidget_3"};
        for (int i = 0; i < 3; ++i) {
            const auto *list = dialog->findChild<QListWidget *>(QLatin1String(lists[i]));
            for (int row = 0; row < list->count(); ++row)
                listed[i] << list->item(row)->text();
        }
        const QString shots = qEnvironmentVariable("SHOTDIR");
        auto *words = dialog->findChild<QListWidget *>(QStringLiteral("listWidget_2"));
        words->selectAll();
        if (!shots.isEmpty())
            dialog->grab().save(shots + QStringLiteral("/zhaohuidialog-window.png"));
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_3"));
        dialog->findChild<QListWidget *>(QStringLiteral("listWidget"))->selectAll();
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
        auto *keys = dialog->findChild<QListWidget *>(QStringLiteral("listWidget_3"));
        keys->item(1)->setSelected(true);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_4"));
        listed[0] << QString::number(dialog->findChild<QListWidget *>(QStringLiteral("listWidget"))->count());
        listed[1] << QString::number(words->count());
        listed[2] << QString::number(keys->count());
    });
    driver.click("zhaohuiDialog", QStringLiteral("pushButton_2"));
    driver.start();
    QVERIFY(w.click("pushButton_80"));
    QVERIFY2(driver.done(), "the dialog was not answered");
    QCOMPARE(listed[0], (QStringList{QStringLiteral("-tion 读作 [ʃən]"), "0"}));
    QCOMPARE(listed[1], (QStringList{aside.at(0) + QStringLiteral(" 词") + aside.at(0).mid(4),
                                     aside.at(1) + QStringLiteral(" 词") + aside.at(1).mid(4), "0"}));
    QCOMPARE(listed[2], (QStringList{QStringLiteral("be 是"), QStringLiteral("do 做"), "1"}));

    // The restored words are in the next run again, at 10.
    QCOMPARE(w.startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 6}}, 10), QStringList());
    QStringList words = w.rows("listWidget");
    words.sort();
    QCOMPARE(words.size(), 6);
    QVERIFY2(words.contains(aside.at(0)) && words.contains(aside.at(1)), "the restored words were not in the next run");

    QVERIFY2(w.relogin(), "could not log in again");
    MUser saved;
    QVERIFY2(saved.load(w.userpath()), "user file was not read");
    for (const QString &word : aside)
        QCOMPARE(saved.worddiff(word.mid(4).toInt()), 10);
    QCOMPARE(saved.phoneticdiff(0), 10);
    QCOMPARE(saved.phoneticdiff(1), 5);
    QCOMPARE(saved.keydiff(0), 0);
    QCOMPARE(saved.keydiff(1), 10);
}

QTEST_MAIN(tst_restoreignored)
#include "tst_restoreignored.moc"
