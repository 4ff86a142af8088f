#include "checkreturn.h"
#include "dialogdriver.h"
#include "muser.h"
#include "testfiles.h"
#include "zhaohuidialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// The dialog that brings ignored items back to difficulty 10.
class tst_zhaohuidialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void lists();
    void restore_data();
    void restore();
    void nothingselected_data();
    void nothingselected();
    void nothingignored();
    void withoutuser();
    void scaled();

private:
    QStringList texts(zhaohuiDialog &dialog, const char *list) const;
    QStringList tags(zhaohuiDialog &dialog, const char *list) const;

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<MUser> user;
};

namespace {

// Runs the dialog, lets action act on it, then closes it with "取消".
bool rundialog(zhaohuiDialog &dialog, const std::function<void(QDialog *)> &action,
               float scale = 1.0f, int points = 9)
{
    DialogDriver driver;
    driver.add("zhaohuiDialog", action);
    driver.click("zhaohuiDialog", QStringLiteral("pushButton_2"));
    driver.start();
    dialog.showdlg(scale, points);
    QVERIFY_RETURN(driver.done(), "the dialog was not answered");
    QVERIFY_RETURN(!dialog.isVisible(), "取消 did not close the dialog");
    return true;
}

} // namespace

void tst_zhaohuidialog::init()
{
    dir.reset(new QTemporaryDir);
    const QString book = dir->filePath(QStringLiteral("book.zemBook"));
    testfiles::Book words;
    words.words = 6;
    QVERIFY2(testfiles::writebook(book, words), "textbook was not written");
    user.reset(new MUser);
    QVERIFY2(user->adoptbook(book), "textbook was not adopted");
    for (int i = 0; i < 3; ++i)
        user->addphonetic(QStringLiteral("语音%1").arg(i), QStringLiteral("内容%1").arg(i), i, 1);
    for (int i = 0; i < 3; ++i)
        user->addkey(QStringLiteral("重点%1").arg(i), QStringLiteral("说明%1").arg(i), i, 3);
    user->setphoneticdiff(1, 0);
    user->setworddiff(1, 0);
    user->setworddiff(3, 0);
    user->setworddiff(4, 0);
    user->setworddiff(5, 1);
    user->setkeydiff(0, 0);
    user->setkeydiff(2, 0);
}

QStringList tst_zhaohuidialog::texts(zhaohuiDialog &dialog, const char *list) const
{
    QStringList result;
    const auto *widget = dialog.findChild<QListWidget *>(QLatin1String(list));
    for (int i = 0; i < widget->count(); ++i)
        result << widget->item(i)->text();
    return result;
}

QStringList tst_zhaohuidialog::tags(zhaohuiDialog &dialog, const char *list) const
{
    QStringList result;
    const auto *widget = dialog.findChild<QListWidget *>(QLatin1String(list));
    for (int i = 0; i < widget->count(); ++i)
        result << widget->item(i)->data(Qt::WhatsThisRole).toString();
    return result;
}

// Only difficulty 0 is listed, in record order, with the index as the tag.
void tst_zhaohuidialog::lists()
{
    zhaohuiDialog dialog;
    dialog.setuser(user.data());
    QCOMPARE(texts(dialog, "listWidget"), QStringList{QStringLiteral("语音1 内容1")});
    QCOMPARE(tags(dialog, "listWidget"), QStringList{"1"});
    QCOMPARE(texts(dialog, "listWidget_2"),
             (QStringList{QStringLiteral("word1 词1"), QStringLiteral("word3 词3"), QStringLiteral("word4 词4")}));
    QCOMPARE(tags(dialog, "listWidget_2"), (QStringList{"1", "3", "4"}));
    QCOMPARE(texts(dialog, "listWidget_3"),
             (QStringList{QStringLiteral("重点0 说明0"), QStringLiteral("重点2 说明2")}));
    QCOMPARE(tags(dialog, "listWidget_3"), (QStringList{"0", "2"}));
}

void tst_zhaohuidialog::restore_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("select");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("phonetic") << "listWidget" << "pushButton" << QList<int>{0} << QStringList();
    QTest::newRow("two of three words") << "listWidget_2" << "pushButton_3" << QList<int>{0, 2}
                                        << QStringList{QStringLiteral("word3 词3")};
    QTest::newRow("key") << "listWidget_3" << "pushButton_4" << QList<int>{1}
                         << QStringList{QStringLiteral("重点0 说明0")};
}

// The chosen items go back to 10 and leave the list at once; the dialog stays
// open and the other lists stay as they were.
void tst_zhaohuidialog::restore()
{
    QFETCH(QString, list);
    QFETCH(QString, button);
    QFETCH(QList<int>, select);
    QFETCH(QStringList, left);

    zhaohuiDialog dialog;
    dialog.setuser(user.data());
    const QStringList before[] = {texts(dialog, "listWidget"), texts(dialog, "listWidget_2"),
                                  texts(dialog, "listWidget_3")};
    QStringList chosen;
    bool stayed = false;
    QVERIFY(rundialog(dialog, [&](QDialog *d) {
        auto *widget = d->findChild<QListWidget *>(list);
        for (int row : select) {
            widget->item(row)->setSelected(true);
            chosen << widget->item(row)->data(Qt::WhatsThisRole).toString();
        }
        DialogDriver::clickbutton(d, button);
        stayed = d->isVisible();
    }));
    QVERIFY2(stayed, "the dialog closed after a restore");
    QCOMPARE(texts(dialog, qPrintable(list)), left);
    const QStringList names = {"listWidget", "listWidget_2", "listWidget_3"};
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) != list)
            QCOMPARE(texts(dialog, qPrintable(names.at(i))), before[i]);
    }
    for (const QString &tag : chosen) {
        const int index = tag.toInt();
        const int value = list == "listWidget" ? user->phoneticdiff(index)
                          : list == "listWidget_2" ? user->worddiff(index)
                                                   : user->keydiff(index);
        QCOMPARE(value, 10);
    }
    QCOMPARE(user->worddiff(5), 1);
}

void tst_zhaohuidialog::nothingselected_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("恢复语音") << "pushButton" << QStringLiteral("请在左边的列表框中选择想要恢复的语音知识");
    QTest::newRow("恢复单词") << "pushButton_3" << QStringLiteral("请在中间的列表框中选择想要恢复的单词");
    QTest::newRow("恢复重点") << "pushButton_4" << QStringLiteral("请在右边的列表框中选择想要恢复的重点知识");
}

void tst_zhaohuidialog::nothingselected()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    zhaohuiDialog dialog;
    dialog.setuser(user.data());
    QString shown;
    DialogDriver driver;
    driver.click("zhaohuiDialog", button);
    driver.readmessage(&shown);
    driver.click("zhaohuiDialog", QStringLiteral("pushButton_2"));
    driver.start();
    dialog.showdlg(1.0f, 9);
    QVERIFY2(driver.done(), "the dialogs were not all answered");
    QCOMPARE(shown, message);
    QCOMPARE(user->phoneticdiff(1), 0);
    QCOMPARE(user->worddiff(1), 0);
    QCOMPARE(user->keydiff(0), 0);
}

void tst_zhaohuidialog::nothingignored()
{
    MUser fresh;
    QVERIFY2(fresh.adoptbook(dir->filePath(QStringLiteral("book.zemBook"))), "textbook was not adopted");
    zhaohuiDialog dialog;
    dialog.setuser(&fresh);
    for (const char *list : {"listWidget", "listWidget_2", "listWidget_3"})
        QVERIFY2(texts(dialog, list).isEmpty(), qPrintable(QLatin1String(list) + " listed an item"));
}

// A dialog without a record lists nothing and changes nothing.
void tst_zhaohuidialog::withoutuser()
{
    zhaohuiDialog dialog;
    QString shown;
    DialogDriver driver;
    driver.click("zhaohuiDialog", QStringLiteral("pushButton_3"));
    driver.readmessage(&shown);
    driver.click("zhaohuiDialog", QStringLiteral("pushButton_2"));
    driver.start();
    dialog.showdlg(1.0f, 9);
    QVERIFY2(driver.done(), "the dialogs were not all answered");
    QCOMPARE(shown, QStringLiteral("请在中间的列表框中选择想要恢复的单词"));
    QVERIFY2(texts(dialog, "listWidget_2").isEmpty(), "items were listed without a record");
}

void tst_zhaohuidialog::scaled()
{
    zhaohuiDialog dialog;
    dialog.setuser(user.data());
    QRect words;
    QRect button;
    int points = 0;
    QVERIFY(rundialog(dialog, [&](QDialog *d) {
        words = d->findChild<QListWidget *>(QStringLiteral("listWidget_2"))->geometry();
        button = d->findChild<QPushButton *>(QStringLiteral("pushButton_4"))->geometry();
        points = d->findChild<QListWidget *>(QStringLiteral("listWidget_2"))->font().pointSize();
        d->findChild<QListWidget *>(QStringLiteral("listWidget_2"))->item(1)->setSelected(true);
        const QString shots = qEnvironmentVariable("SHOTDIR");
        if (!shots.isEmpty())
            d->grab().save(shots + QStringLiteral("/zhaohuidialog.png"));
    }, 1.25f, 11));
    QCOMPARE(dialog.size(), QSize(951, 566));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(words, QRect(287, 75, 251, 438));
    QCOMPARE(button, QRect(850, 87, 93, 28));
    QCOMPARE(points, 11);
    QVERIFY2(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint), "the dialog has a help button");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zembrix Rozo"));
}

QTEST_MAIN(tst_zhaohuidialog)
#include "tst_zhaohuidialog.moc"
