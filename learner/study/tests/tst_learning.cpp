#include "checkreturn.h"
#include "dialogdriver.h"
#include "fd_dialog.h"
#include "learnbook.h"
#include "shownpicture.h"
#include "muser.h"
#include "soundends.h"
#include "studywindow.h"
#include "testfiles.h"
#include "widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

#include <sys/stat.h>

using testfiles::Unreplaceable;

// Progress a test user starts with beyond the adopted textbook.
struct Extra {
    QMap<int, int> worddiffs;
    QStringList phonetic;
    QList<int> phoneticdiffs;
    QStringList key;
    QList<int> keydiffs;
    QMap<int, int> sentdiffs;
    // Words in one review group, from word 0.
    int grouped = 0;
};

// Adopting and closing the textbook, starting runs, the learning page with
// real sounds, the typing check and the difficulty buttons, in one window
// per test with a user written through the data core.
class tst_learning : public QObject
{
    Q_OBJECT

public slots:
    void opened(const QUrl &url) { urls << url.toString(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void scenario();
    void textbook();
    void adoptsavefails();
    void picturelink_data();
    void picturelink();
    void runs_data();
    void runs();
    void nobook();
    void allgrouped();
    void learnpage();
    void typing_data();
    void typing();
    void wrongraises();
    void leisuretyping();
    void returnelsewhere();
    void difficulty();
    void missingsound_data();
    void missingsound();
    void shortitem();
    void soundnames_data();
    void soundnames();
    void leisureends();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    int page() const { return find<QStackedWidget>("stackedWidget")->currentIndex(); }
    QListWidget *words() const { return find<QListWidget>("listWidget"); }
    QString label(const char *name) const { return find<QLabel>(name)->text(); }
    // Writes the textbook and a user who adopted it, with extra progress.
    bool writeuser(const learnbook::Book &book, const Extra &extra = {}, const QString &name = "u.zbu");
    // A user "u.zbu" with no textbook yet and a textbook in random order under
    // material/ to adopt; the textbook's path, or "" when something could not be written.
    QString writenewreader();
    void open(const QString &name = "u.zbu");
    bool login();
    QStringList click(const char *button);
    QStringList startrun(const char *radio, const QList<QPair<const char *, int>> &spins, int threshold);
    QStringList answer(const QString &text);
    QStringList showrow(int row);
    int rowof(const QString &word) const;
    bool haspicture(const char *view) const;
    // A picture of the window into the folder SHOTDIR names, when it names one;
    // false when it could not be saved.
    bool shot(const QString &name) const;
    void adopt(DialogDriver &driver, const QString &file);
    // Clicks the close-textbook button and answers its question with typed;
    // whether the question was answered.
    bool closebook(const QString &typed);
    // The user file as last written.
    QSharedPointer<MUser> saved(const QString &name = "u.zbu") const;

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
    QStringList urls;
};

void tst_learning::initTestCase()
{
    QVERIFY2(!learnbook::mp3().isEmpty(), "sox and lame did not make a test sound");
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "opened");
}

void tst_learning::init()
{
    dir.reset(new QTemporaryDir);
    urls.clear();
    QFile::remove(testfiles::programsettings());
}

void tst_learning::cleanup()
{
    if (window)
        find<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
    window.reset();
    QFile::remove(testfiles::programsettings());
}

bool tst_learning::writeuser(const learnbook::Book &book, const Extra &extra, const QString &name)
{
    const QString bookpath = learnbook::write(dir->path(), book);
    if (bookpath.isEmpty())
        return false;
    MUser user;
    user.reset();
    user.setname(QStringLiteral("读者"));
    user.setpassword(QStringLiteral("pw"));
    if (!user.adoptbook(bookpath))
        return false;
    for (auto it = extra.worddiffs.cbegin(); it != extra.worddiffs.cend(); ++it)
        user.setworddiff(it.key(), it.value());
    for (auto it = extra.sentdiffs.cbegin(); it != extra.sentdiffs.cend(); ++it)
        user.setsentdiff(it.key(), it.value());
    user.newgroup(extra.grouped);
    for (int i = 0; i < extra.phonetic.size(); ++i) {
        user.addphonetic(extra.phonetic.at(i), QStringLiteral("音") + extra.phonetic.at(i), 0, 0);
        user.setphoneticdiff(i, extra.phoneticdiffs.value(i, 10));
    }
    for (int i = 0; i < extra.key.size(); ++i) {
        // Key entry i is linked to word i + 2.
        user.addkey(extra.key.at(i), QStringLiteral("要点") + extra.key.at(i), i + 2, 1);
        user.setkeydiff(i, extra.keydiffs.value(i, 10));
    }
    return user.save(path(name));
}

void tst_learning::open(const QString &name)
{
    window.reset();
    testfiles::setprogram({path(name)}, 0, dir->path());
    window.reset(new Widget);
}

bool tst_learning::login()
{
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    find<QPushButton>("pushButton_2")->click();
    return page() == 1;
}

QStringList tst_learning::click(const char *button)
{
    auto *target = find<QPushButton>(button);
    if (!target)
        return {QStringLiteral("no button")};
    return StudyWindow::messages([target]() { target->click(); });
}

QStringList tst_learning::startrun(const char *radio, const QList<QPair<const char *, int>> &spins, int threshold)
{
    find<QRadioButton>(radio)->setChecked(true);
    for (const auto &spin : spins)
        find<QSpinBox>(spin.first)->setValue(spin.second);
    find<QSpinBox>("spinBox_10")->setValue(threshold);
    return click("pushButton_3");
}

QStringList tst_learning::answer(const QString &text)
{
    auto *edit = find<QLineEdit>("lineEdit_19");
    edit->setText(text);
    return StudyWindow::messages([edit]() { QTest::keyClick(edit, Qt::Key_Return); });
}

QStringList tst_learning::showrow(int row)
{
    return StudyWindow::messages([this, row]() { words()->setCurrentRow(row); });
}

QString tst_learning::writenewreader()
{
    if (!testfiles::writeuser(path("u.zbu"), QStringLiteral("U"), QStringLiteral("pw"))
        || !QDir(dir->path()).mkpath(QStringLiteral("material")))
        return QString();
    learnbook::Book book;
    book.random = true;
    return learnbook::write(path("material"), book);
}

bool tst_learning::closebook(const QString &typed)
{
    DialogDriver driver;
    driver.add(QStringLiteral("inputDlg"), [typed](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(typed);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
    driver.start();
    find<QPushButton>("pushButton_69")->click();
    return driver.done();
}

int tst_learning::rowof(const QString &word) const
{
    for (int i = 0; i < words()->count(); ++i) {
        if (words()->item(i)->text() == word)
            return i;
    }
    return -1;
}

bool tst_learning::haspicture(const char *view) const
{
    return !shownpicture(find<QGraphicsView>(view)).isNull();
}

bool tst_learning::shot(const QString &name) const
{
    const QString folder = qEnvironmentVariable("SHOTDIR");
    if (!folder.isEmpty())
        QVERIFY_RETURN(window->grab().save(QDir(folder).filePath(name)), qPrintable(name + " was not saved"));
    return true;
}

void tst_learning::adopt(DialogDriver &driver, const QString &file)
{
    driver.add(QStringLiteral("fd_Dialog"), [file](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        *chooser->result = file;
        chooser->close();
    });
}

QSharedPointer<MUser> tst_learning::saved(const QString &name) const
{
    QSharedPointer<MUser> user(new MUser);
    if (!user->load(path(name)))
        user->reset();
    return user;
}

// One learner's road: adopt a textbook, plan, learn with sound, type, set a
// difficulty, leisure mode, close the textbook.
void tst_learning::scenario()
{
    const QString bookpath = writenewreader();
    QVERIFY2(!bookpath.isEmpty(), "the user or the textbook was not written");
    open();
    QVERIFY(login());
    DialogDriver adoption;
    adopt(adoption, bookpath);
    adoption.start();
    find<QPushButton>("pushButton_80")->click();
    QVERIFY(adoption.done());
    QCOMPARE(label("label_10"), QStringLiteral("远帆英语课【单词随机序】,青禾社制作于2013年 05月 01日。"));
    QVERIFY2(haspicture("graphicsView_6"), "the textbook picture did not show");
    QVERIFY(shot(QStringLiteral("planpage.png")));
    QCOMPARE(find<QSpinBox>("spinBox_4")->maximum(), 8);
    find<QSpinBox>("spinBox_9")->setValue(2);
    QCOMPARE(find<QComboBox>("comboBox")->currentText(), QStringLiteral("第2课"));

    // Between two visits: word1 put aside, a key entry on word2.
    QCOMPARE(click("pushButton_4"), QStringList());
    {
        MUser user;
        QVERIFY(user.load(path("u.zbu")));
        for (int p = 0; p < user.wordcount(); ++p) {
            if (user.item(p).value(0) == learnbook::word(1))
                user.setworddiff(p, 0);
            if (user.item(p).value(0) == learnbook::word(2))
                user.addkey(QStringLiteral("k"), QStringLiteral("c"), p, 1);
        }
        QVERIFY(user.save(path("u.zbu")));
    }
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    QCOMPARE(page(), 2);
    QCOMPARE(words()->count(), 7);
    QCOMPARE(rowof(learnbook::word(1)), -1);
    for (int row = 0; row < words()->count(); ++row) {
        QCOMPARE(showrow(row), QStringList());
        QCOMPARE(label("label_33"), words()->item(row)->text());
    }
    QCOMPARE(showrow(rowof(learnbook::word(0))), QStringList());
    QCOMPARE(label("label_37"), learnbook::sentence(0));
    QCOMPARE(showrow(rowof(learnbook::word(2))), QStringList());
    QCOMPARE(find<QListWidget>("listWidget_7")->count(), 2);
    QCOMPARE(find<QListWidget>("listWidget_7")->item(0)->text(), QStringLiteral("★k"));

    SoundEnds ends;
    find<QSpinBox>("spinBox_11")->setValue(2);
    find<QCheckBox>("checkBox_5")->click();
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2, 10000);

    const int row = words()->currentRow();
    QCOMPARE(answer(QStringLiteral("word 3")), QStringList{"输入错误，请检查"});
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：11"));
    QCOMPARE(answer(QStringLiteral("word-2")), row == words()->count() - 1 ? QStringList{"最后的单词结束，返回第一个"}
                                                                          : QStringList());
    find<QPushButton>("pushButton_23")->click();
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：20"));

    find<QSpinBox>("spinBox_11")->setValue(1);
    find<QSpinBox>("spinBox_12")->setValue(1);
    const int from = words()->currentRow();
    find<QCheckBox>("checkBox_11")->click();
    QTRY_COMPARE_WITH_TIMEOUT(words()->currentRow(), (from + 1) % 7, 15000);

    find<QPushButton>("pushButton_62")->click();
    QVERIFY(closebook(QStringLiteral("ok")));
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));
    QCOMPARE(startrun("radioButton", {}, 1), QStringList{"没有打开教材，无法开始学习"});
    QCOMPARE(click("pushButton_4"), QStringList());
    QCOMPARE(saved()->getbookpath(), QString());
    QCOMPARE(saved()->keycount(), 0);
}

// Adopt through the chooser (a damaged file first), the plan page filled,
// close with a typed "ok" only.
void tst_learning::textbook()
{
    const QString bookpath = writenewreader();
    QVERIFY2(!bookpath.isEmpty(), "the user or the textbook was not written");
    QVERIFY(testfiles::writeall(path("bad.zemBook"), "not a textbook"));
    open();
    QVERIFY(login());
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));

    find<QPushButton>("pushButton_69")->click();
    QCOMPARE(urls.size(), 1);
    QVERIFY2(urls.last().startsWith("http") && urls.last().endsWith("/show/2.html"),
             qPrintable("wrong link " + urls.last()));

    QString message;
    DialogDriver bad;
    adopt(bad, path("bad.zemBook"));
    bad.readmessage(&message);
    bad.start();
    find<QPushButton>("pushButton_80")->click();
    QVERIFY2(bad.done(), "the chooser or the message was not answered");
    QCOMPARE(message, QStringLiteral("无法加载教材文件“book.zemBook”"));
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));

    // The chooser opens where the last one left; Cancel changes nothing.
    QString startpath;
    DialogDriver cancel;
    cancel.add(QStringLiteral("fd_Dialog"), [&startpath](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        startpath = chooser->path;
        *chooser->result = QString();
        chooser->close();
    });
    cancel.start();
    find<QPushButton>("pushButton_80")->click();
    QVERIFY(cancel.done());
    QCOMPARE(startpath, dir->path());
    QVERIFY2(label("label_10").isEmpty(), "a cancelled choice adopted a textbook");

    DialogDriver good;
    adopt(good, bookpath);
    good.start();
    find<QPushButton>("pushButton_80")->click();
    QVERIFY(good.done());
    QCOMPARE(label("label_10"), QStringLiteral("远帆英语课【单词随机序】,青禾社制作于2013年 05月 01日。"));
    QCOMPARE(label("label_15"), QStringLiteral("第一册"));
    QCOMPARE(label("label_17"), QStringLiteral("版权所有"));
    QVERIFY2(haspicture("graphicsView_6"), "the textbook picture did not show");
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("找回忽略"));
    QCOMPARE(find<QPushButton>("pushButton_80")->toolTip(), QStringLiteral("找回忽略的内容重新学习"));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("关闭教材"));
    QCOMPARE(find<QSpinBox>("spinBox")->maximum(), 8);
    QCOMPARE(find<QSpinBox>("spinBox_5")->maximum(), 8);
    QCOMPARE(saved()->getbookpath(), bookpath);
    QVERIFY2(find<QRadioButton>("radioButton")->isChecked(), "the plan option was not chosen");

    // The lesson number and the lesson title move together.
    auto *lessons = find<QComboBox>("comboBox");
    auto *lesson = find<QSpinBox>("spinBox_9");
    QCOMPARE(lessons->count(), 2);
    QCOMPARE(lessons->itemText(1), QStringLiteral("第2课"));
    lesson->setValue(2);
    QCOMPARE(lessons->currentIndex(), 1);
    lessons->setCurrentIndex(0);
    QCOMPARE(lesson->value(), 1);

    find<QGraphicsView>("graphicsView_6")->viewport()->setFocus();
    QTest::mouseClick(find<QGraphicsView>("graphicsView_6")->viewport(), Qt::LeftButton);
    QCOMPARE(urls.last(), QStringLiteral("http://127.0.0.1:8080/book.html"));

    // Closing asks for "ok", trimmed and case-sensitive.
    for (const QString &typed : {QStringLiteral("OK"), QStringLiteral("Ok"), QStringLiteral("o k"), QString()}) {
        QVERIFY(closebook(typed));
        QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("关闭教材"));
    }
    QVERIFY(closebook(QStringLiteral("  ok ")));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("寻找教材"));
    QCOMPARE(find<QPushButton>("pushButton_80")->text(), QStringLiteral("打开教材"));
    QVERIFY2(find<QPushButton>("pushButton_69")->toolTip().isEmpty(), "the button kept its tooltip");
    QVERIFY2(label("label_10").isEmpty() && label("label_15").isEmpty(), "the textbook texts were not emptied");
    QCOMPARE(find<QSpinBox>("spinBox")->maximum(), 0);
    QVERIFY2(haspicture("graphicsView_6"), "the default picture did not show");
    QCOMPARE(saved()->getbookpath(), bookpath);
    QCOMPARE(click("pushButton_4"), QStringList());
    QCOMPARE(saved()->getbookpath(), QString());
}

// The adopted state stays when the user file cannot be written, and the
// failure is reported.
void tst_learning::adoptsavefails()
{
    QVERIFY(testfiles::writeuser(path("u.zbu"), QStringLiteral("U"), QStringLiteral("pw"))
            && QFile::rename(path("u.zbu"), path(Unreplaceable)));
    const QString bookpath = learnbook::write(dir->path(), {});
    QVERIFY(!bookpath.isEmpty());
    open(Unreplaceable);
    QVERIFY(login());
    QString message;
    DialogDriver driver;
    adopt(driver, bookpath);
    driver.readmessage(&message);
    driver.start();
    find<QPushButton>("pushButton_80")->click();
    QVERIFY(driver.done());
    QCOMPARE(message, QStringLiteral("用户信息无法保存"));
    QCOMPARE(find<QPushButton>("pushButton_69")->text(), QStringLiteral("关闭教材"));
    QCOMPARE(label("label_10"), QStringLiteral("远帆英语课,青禾社制作于2013年 05月 01日。"));
    QCOMPARE(startrun("radioButton", {{"spinBox", 2}}, 1), QStringList());
    QCOMPARE(page(), 2);
}

void tst_learning::picturelink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");
    QTest::newRow("web page") << "https://127.0.0.1/b.html" << "https://127.0.0.1/b.html";
    QTest::newRow("local file") << "file:///etc/passwd" << "home";
    QTest::newRow("no scheme") << "book.html" << "home";
    QTest::newRow("empty") << "" << "home";
}

// Only a web link of the textbook opens; anything else opens the home page.
void tst_learning::picturelink()
{
    QFETCH(QString, link);
    QFETCH(QString, opened);
    learnbook::Book book;
    book.link = link;
    QVERIFY(writeuser(book));
    open();
    QVERIFY(login());
    QTest::mouseClick(find<QGraphicsView>("graphicsView_6")->viewport(), Qt::LeftButton);
    QCOMPARE(urls.size(), 1);
    if (opened == QLatin1String("home"))
        QVERIFY2(urls.last().startsWith("http") && urls.last().endsWith("/"), qPrintable("wrong link " + urls.last()));
    else
        QCOMPARE(urls.last(), opened);
}

using Spins = QList<QPair<const char *, int>>;
Q_DECLARE_METATYPE(Spins)

void tst_learning::runs_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<Spins>("spins");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("rows");

    const QStringList none;
    QTest::newRow("plan, ignored left out") << QByteArray("radioButton") << Spins{{"spinBox", 3}} << 1 << none << 2
                                            << QByteArray("listWidget") << QStringList{"ice cream", "word2"};
    QTest::newRow("range past the end") << QByteArray("radioButton_6") << Spins{{"spinBox_4", 6}, {"spinBox_5", 8}} << 1
                                        << QStringList{"将学习仅剩下的 3 个单词中符合条件的内容"} << 2
                                        << QByteArray("listWidget") << QStringList{"word5", "word6", "word7"};
    QTest::newRow("threshold reached") << QByteArray("radioButton_6") << Spins{{"spinBox_4", 1}, {"spinBox_5", 8}} << 15
                                       << none << 2 << QByteArray("listWidget") << QStringList{"word3", "word4"};
    QTest::newRow("nothing qualifies") << QByteArray("radioButton_6") << Spins{{"spinBox_4", 1}, {"spinBox_5", 3}} << 20
                                       << QStringList{"无符合条件的单词（难度系数大于等于 20 )"} << 1
                                       << QByteArray("listWidget") << QStringList();
    QTest::newRow("phonetic") << QByteArray("radioButton_2") << Spins{{"spinBox_2", 1}, {"spinBox_3", 3}} << 1 << none
                              << 5 << QByteArray("listWidget_4") << QStringList{"p0\n", "p2\n"};
    QTest::newRow("phonetic none") << QByteArray("radioButton_2") << Spins{{"spinBox_2", 2}, {"spinBox_3", 1}} << 1
                                   << QStringList{"无符合条件的语音知识（难度系数大于等于 1 )"} << 1
                                   << QByteArray("listWidget_4") << QStringList();
    QTest::newRow("key past the end") << QByteArray("radioButton_9") << Spins{{"spinBox_6", 2}, {"spinBox_7", 2}} << 1
                                      << QStringList{"将学习仅剩下的 1 个重点知识中符合条件的内容"} << 5
                                      << QByteArray("listWidget_4") << QStringList{"k1\n"};
    QTest::newRow("key none") << QByteArray("radioButton_9") << Spins{{"spinBox_6", 1}, {"spinBox_7", 2}} << 16
                              << QStringList{"无符合条件的重点知识（难度系数大于等于 16 )"} << 1
                              << QByteArray("listWidget_4") << QStringList();
    QTest::newRow("lesson in its order") << QByteArray("radioButton_10") << Spins{{"spinBox_9", 1}} << 1 << none << 6
                                         << QByteArray("listWidget_5") << QStringList{"2", "1"};
    QTest::newRow("lesson without sentences") << QByteArray("radioButton_10") << Spins{{"spinBox_9", 2}} << 1
                                              << QStringList{"课文中无符合条件的句子（难度系数大于等于 1 )"} << 1
                                              << QByteArray("listWidget_5") << QStringList();
}

// Runs by option, range and threshold: the messages, the page and the rows
// (sorted for the shuffled runs, in lesson order for lessons).
void tst_learning::runs()
{
    QFETCH(QByteArray, radio);
    QFETCH(Spins, spins);
    QFETCH(int, threshold);
    QFETCH(QStringList, messages);
    QFETCH(int, shown);
    QFETCH(QByteArray, list);
    QFETCH(QStringList, rows);
    Extra extra;
    extra.worddiffs = {{1, 0}, {3, 15}, {4, 20}};
    extra.phonetic = QStringList{"p0", "p1", "p2"};
    extra.phoneticdiffs = {10, 0, 10};
    extra.key = QStringList{"k0", "k1"};
    extra.keydiffs = {15, 10};
    extra.sentdiffs = {{0, 0}};
    QVERIFY(writeuser({}, extra));
    open();
    QVERIFY(login());
    QCOMPARE(startrun(radio.constData(), spins, threshold), messages);
    QCOMPARE(page(), shown);
    auto *widget = find<QListWidget>(list.constData());
    QStringList got;
    for (int i = 0; i < widget->count(); ++i)
        got << (list == "listWidget_5" ? widget->item(i)->data(Qt::WhatsThisRole).toString() : widget->item(i)->text());
    if (list != "listWidget_5")
        std::sort(got.begin(), got.end());
    QCOMPARE(got, rows);
    if (!rows.isEmpty())
        QCOMPARE(widget->currentRow(), 0);
    if (radio == "radioButton_6" && messages.size() == 1 && shown == 2)
        QCOMPARE(find<QSpinBox>("spinBox_5")->value(), 3);
}

// No textbook: a message and nothing else; a count of 0 starts nothing.
void tst_learning::nobook()
{
    QVERIFY(testfiles::writeuser(path("u.zbu"), QStringLiteral("U"), QStringLiteral("pw")));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton", {}, 1), QStringList{"没有打开教材，无法开始学习"});
    QCOMPARE(page(), 1);

    cleanup();
    QVERIFY(writeuser({}));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_2", {}, 1), QStringList());
    QCOMPARE(page(), 1);
}

// Every word in a review group: the planned run has nothing left.
void tst_learning::allgrouped()
{
    Extra extra;
    extra.grouped = 8;
    QVERIFY(writeuser({}, extra));
    open();
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    QCOMPARE(click("pushButton_2"), QStringList{"初记和复习已经完成"});
    QCOMPARE(page(), 1);
    QCOMPARE(startrun("radioButton", {{"spinBox", 3}}, 1),
             (QStringList{"将学习仅剩下的 0 个单词中符合条件的单词", "无符合条件的单词（难度系数大于等于 1 )"}));
    QCOMPARE(page(), 1);
}

// The learning page through a whole run: rows in work order with their
// material, pictures in rotation, delayed meaning, reading n times, the
// sentence layout and leisure mode.
void tst_learning::learnpage()
{
    Extra extra;
    extra.key = QStringList{"k0"};
    QVERIFY(writeuser({}, extra));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    QCOMPARE(page(), 2);
    QCOMPARE(words()->count(), 8);
    QCOMPARE(words()->currentRow(), 0);
    auto *choices = find<QListWidget>("listWidget_3");
    QStringList captions;
    for (int row = 0; row < 8; ++row) {
        QCOMPARE(showrow(row), QStringList());
        const int n = learnbook::words(8).indexOf(words()->item(row)->text());
        QVERIFY2(n >= 0, "a row is not a word of the textbook");
        QCOMPARE(label("label_33"), learnbook::word(n));
        QCOMPARE(label("label_35"), QStringLiteral("[w%1]").arg(n));
        QCOMPARE(label("label_36"), QStringLiteral("词%1").arg(n));
        QCOMPARE(choices->item(row)->text(), QStringLiteral("词%1").arg(n));
        QCOMPARE(label("label_37"), n < 3 ? learnbook::sentence(n) : QString());
        QCOMPARE(label("label_41"), n < 3 ? QStringLiteral("句子%1").arg(n) : QString());
        QCOMPARE(label("label_60"), QStringLiteral("难度系数：10"));
        const QStringList keys = n == 2 ? QStringList{"★k0", "☆要点k0"} : QStringList();
        QStringList listed;
        for (int i = 0; i < find<QListWidget>("listWidget_7")->count(); ++i)
            listed << find<QListWidget>("listWidget_7")->item(i)->text();
        QCOMPARE(listed, keys);
        captions << label("label_34");
    }
    QStringList cycle = captions.mid(0, 5);
    std::sort(cycle.begin(), cycle.end());
    QCOMPARE(cycle, (QStringList{"图1", "图2", "图3", "图4", "图5"}));
    QCOMPARE(captions.at(5), captions.at(0));
    QCOMPARE(captions.at(7), captions.at(2));
    QVERIFY2(haspicture("graphicsView_7"), "no display picture showed");

    // The meaning a second late.
    find<QCheckBox>("checkBox_4")->click();
    QCOMPARE(showrow(1), QStringList());
    QVERIFY2(find<QLabel>("label_36")->isHidden(), "the meaning was not held back");
    QTRY_VERIFY2_WITH_TIMEOUT(!find<QLabel>("label_36")->isHidden(), "the meaning did not show", 3000);
    find<QCheckBox>("checkBox_4")->click();

    // Through the example sentence: the sentence layout, or the word's with a note.
    const int linked = rowof(learnbook::word(1));
    const int plain = rowof(learnbook::word(5));
    QCOMPARE(showrow(linked), QStringList());
    find<QCheckBox>("checkBox_12")->click();
    QVERIFY2(find<QLabel>("label_82")->isHidden(), "the note showed for a word with a sentence");
    QCOMPARE(find<QLabel>("label_33")->alignment(), Qt::AlignRight | Qt::AlignTop);
    QCOMPARE(showrow(plain), QStringList());
    QVERIFY2(!find<QLabel>("label_82")->isHidden(), "the note did not show for a word without a sentence");
    QCOMPARE(find<QLabel>("label_33")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    find<QCheckBox>("checkBox_12")->click();
    QVERIFY2(find<QLabel>("label_82")->isHidden(), "the word layout did not come back");

    // Upper case and the transcription.
    find<QCheckBox>("checkBox_2")->click();
    QCOMPARE(label("label_33"), learnbook::word(5).toUpper());
    find<QCheckBox>("checkBox_2")->click();
    find<QCheckBox>("checkBox_3")->setChecked(false);
    find<QCheckBox>("checkBox_3")->click();
    QVERIFY2(!find<QLabel>("label_35")->isHidden(), "the transcription did not show");
    find<QCheckBox>("checkBox_3")->click();
    QVERIFY2(find<QLabel>("label_35")->isHidden(), "the transcription was not hidden");

    // Read three times: three ends of sound, then silence.
    SoundEnds ends;
    find<QSpinBox>("spinBox_11")->setValue(3);
    find<QCheckBox>("checkBox_5")->click();
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 3, 10000);
    // A fourth reading would start at once and end within a sound's length.
    QVERIFY2(!QTest::qWaitFor([&ends]() { return ends.count() > 3; }, 800), "the word was read a fourth time");
    QVERIFY(shot(QStringLiteral("learnpage.png")));
    ends.reset();
    find<QPushButton>("pushButton_43")->click();
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 3, 10000);

    // Leisure mode: read three times, wait a second, next row by itself.
    ends.reset();
    find<QSpinBox>("spinBox_12")->setValue(1);
    const int from = words()->currentRow();
    find<QCheckBox>("checkBox_11")->click();
    QTRY_COMPARE_WITH_TIMEOUT(words()->currentRow(), (from + 1) % 8, 15000);
    QCOMPARE(ends.count(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(words()->currentRow(), (from + 2) % 8, 15000);
    QVERIFY2(ends.count() >= 6, "not every row was read");

    // Leaving the page ends leisure mode.
    find<QPushButton>("pushButton_62")->click();
    QCOMPARE(page(), 1);
    QVERIFY2(!find<QCheckBox>("checkBox_11")->isChecked(), "leisure mode stayed on");
}

void tst_learning::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("sentence");
    QTest::addColumn<bool>("right");

    QTest::newRow("as shown") << "ice cream" << false << false << true;
    QTest::newRow("hyphen") << "ice-cream" << false << false << true;
    QTest::newRow("no blank") << "icecream" << false << false << true;
    QTest::newRow("full stop") << "ice cream." << false << false << true;
    QTest::newRow("Chinese removed") << "ice cream 冰淇淋" << false << false << true;
    QTest::newRow("accented letter removed") << "ice créam" << false << false << false;
    QTest::newRow("other case") << "Ice cream" << false << false << false;
    QTest::newRow("punctuation only") << "?!" << false << false << false;
    QTest::newRow("another word") << "ice creams" << false << false << false;
    QTest::newRow("capitals shown") << "ICE CREAM" << true << false << true;
    QTest::newRow("capitals not typed") << "ice cream" << true << false << false;
    QTest::newRow("sentence") << "Sentence 0" << false << true << true;
    QTest::newRow("sentence, word typed") << "ice cream" << false << true << false;
    QTest::newRow("sentence, other case") << "sentence 0." << false << true << false;
}

// Right moves to the next row silently (or back to row 0 with a message);
// wrong shows a message, keeps the text and raises the difficulty.
void tst_learning::typing()
{
    QFETCH(QString, typed);
    QFETCH(bool, upper);
    QFETCH(bool, sentence);
    QFETCH(bool, right);
    QVERIFY(writeuser({}));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    const int row = rowof(learnbook::word(0));
    QCOMPARE(showrow(row), QStringList());
    if (upper)
        find<QCheckBox>("checkBox_2")->click();
    if (sentence)
        find<QCheckBox>("checkBox_12")->click();
    const bool last = row == words()->count() - 1;
    const QStringList messages = answer(typed);
    if (right) {
        QCOMPARE(messages, last ? QStringList{"最后的单词结束，返回第一个"} : QStringList());
        QCOMPARE(words()->currentRow(), last ? 0 : row + 1);
        QVERIFY2(find<QLineEdit>("lineEdit_19")->text().isEmpty(), "the answer field was not emptied");
    } else {
        QCOMPARE(messages, QStringList{"输入错误，请检查"});
        QCOMPARE(words()->currentRow(), row);
        QCOMPARE(find<QLineEdit>("lineEdit_19")->text(), typed);
        QCOMPARE(label("label_60"), QStringLiteral("难度系数：11"));
    }
    QCOMPARE(answer(QStringLiteral("   ")), QStringList());
    QCOMPARE(click("pushButton_4"), QStringList());
    QCOMPARE(saved()->worddiff(0), right ? 10 : 11);
}

// A wrong answer raises the difficulty up to 20 and no further.
void tst_learning::wrongraises()
{
    QVERIFY(writeuser({}, {}));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 2}, {"spinBox_5", 1}}, 1), QStringList());
    QCOMPARE(words()->count(), 1);
    find<QPushButton>("pushButton_22")->click();
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：15"));
    for (int d = 16; d <= 21; ++d) {
        QCOMPARE(answer(QStringLiteral("wrong")), QStringList{"输入错误，请检查"});
        QCOMPARE(label("label_60"), QStringLiteral("难度系数：%1").arg(qMin(d, 20)));
    }
    // The last row of a one-row list: right goes back to row 0 with a message.
    QCOMPARE(answer(QStringLiteral("word1")), QStringList{"最后的单词结束，返回第一个"});
    QCOMPARE(words()->currentRow(), 0);
    QCOMPARE(click("pushButton_4"), QStringList());
    QCOMPARE(saved()->worddiff(1), 20);
}

// In leisure mode right moves on silently, wrong does nothing at all.
void tst_learning::leisuretyping()
{
    QVERIFY(writeuser({}));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    find<QSpinBox>("spinBox_12")->setValue(10);
    find<QCheckBox>("checkBox_11")->click();
    QCOMPARE(showrow(7), QStringList());
    QCOMPARE(answer(QStringLiteral("nothing like it")), QStringList());
    QCOMPARE(words()->currentRow(), 7);
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：10"));
    QCOMPARE(answer(words()->item(7)->text()), QStringList());
    QCOMPARE(words()->currentRow(), 0);
    QCOMPARE(answer(words()->item(0)->text()), QStringList());
    QCOMPARE(words()->currentRow(), 1);
}

// The check acts only while the learning page is shown.
void tst_learning::returnelsewhere()
{
    QVERIFY(writeuser({}));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    find<QLineEdit>("lineEdit_19")->setText(QStringLiteral("wrong"));
    find<QPushButton>("pushButton_62")->click();
    QCOMPARE(page(), 1);
    bool invoked = false;
    const QStringList messages = StudyWindow::messages(
        [this, &invoked]() { invoked = QMetaObject::invokeMethod(window.data(), "on_lineEdit_19_returnPressed"); });
    QVERIFY2(invoked, "the answer check could not be invoked");
    QCOMPARE(messages, QStringList());
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：10"));
    QCOMPARE(click("pushButton_4"), QStringList());
    for (int i = 0; i < 8; ++i)
        QCOMPARE(saved()->worddiff(i), 10);
}

// The six buttons on the learning, knowledge and sentence pages; none acts
// without a current row.
void tst_learning::difficulty()
{
    Extra extra;
    extra.phonetic = QStringList{"p0"};
    extra.key = QStringList{"k0"};
    QVERIFY(writeuser({}, extra));
    open();
    QVERIFY(login());
    const QList<QPair<const char *, int>> learning = {{"pushButton_23", 20}, {"pushButton_22", 15}, {"pushButton_61", 10},
                                                      {"pushButton_21", 5},  {"pushButton_20", 1},  {"pushButton_19", 0}};
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 4}, {"spinBox_5", 1}}, 1), QStringList());
    for (const auto &button : learning) {
        find<QPushButton>(button.first)->click();
        QCOMPARE(label("label_60"), QStringLiteral("难度系数：%1").arg(button.second));
        QCOMPARE(words()->currentRow(), 0);
    }
    find<QPushButton>("pushButton_23")->click();
    find<QPushButton>("pushButton_23")->click();
    QCOMPARE(label("label_60"), QStringLiteral("难度系数：20"));
    find<QPushButton>("pushButton_19")->click();
    find<QPushButton>("pushButton_62")->click();
    // Ignored: left out of every later run.
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    QCOMPARE(rowof(learnbook::word(3)), -1);
    QCOMPARE(words()->count(), 7);

    find<QPushButton>("pushButton_62")->click();
    QCOMPARE(startrun("radioButton_2", {{"spinBox_2", 1}, {"spinBox_3", 1}}, 1), QStringList());
    find<QPushButton>("pushButton_107")->click();
    QCOMPARE(label("label_65"), QStringLiteral("难度系数：15"));
    find<QPushButton>("pushButton_62")->setEnabled(true);
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
    QCOMPARE(startrun("radioButton_9", {{"spinBox_6", 1}, {"spinBox_7", 1}}, 1), QStringList());
    find<QPushButton>("pushButton_105")->click();
    QCOMPARE(label("label_65"), QStringLiteral("难度系数：5"));

    find<QStackedWidget>("stackedWidget")->setCurrentIndex(1);
    QCOMPARE(startrun("radioButton_10", {{"spinBox_9", 1}}, 1), QStringList());
    const int sentence = find<QListWidget>("listWidget_5")->currentItem()->data(Qt::WhatsThisRole).toString().toInt();
    find<QPushButton>("pushButton_132")->click();
    QCOMPARE(label("label_30"), QStringLiteral("当前句子的难度系数：10"));
    find<QPushButton>("pushButton_81")->click();
    QCOMPARE(label("label_30"), QStringLiteral("当前句子的难度系数：1"));

    // No current row: nothing.
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(3);
    find<QLabel>("label_62")->setText(QStringLiteral("x"));
    find<QPushButton>("pushButton_30")->click();
    QCOMPARE(label("label_62"), QStringLiteral("x"));
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(1);

    QCOMPARE(click("pushButton_4"), QStringList());
    const QSharedPointer<MUser> user = saved();
    QCOMPARE(user->worddiff(3), 0);
    QCOMPARE(user->phoneticdiff(0), 15);
    QCOMPARE(user->keydiff(0), 5);
    QCOMPARE(user->sentdiff(sentence), 1);
}

void tst_learning::missingsound_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a device") << "device";
    QTest::newRow("file far above any recording") << "huge";
}

// Puts a file of the given kind where the sound is looked for.
static bool plantsound(const QString &kind, const QString &path)
{
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == "device")
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == "huge") {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(qint64(65) << 20);
    }
    return true;
}

// A sound file of the current word that is missing, or is no regular file of
// a recording's size: the message, then logout with the progress saved.
void tst_learning::missingsound()
{
    QFETCH(QString, kind);
    learnbook::Book book;
    book.missing = QStringList{"w3.mp3"};
    QVERIFY(writeuser(book));
    QVERIFY2(plantsound(kind, path("w3.mp3")), "the sound file could not be planted");
    open();
    QVERIFY(login());
    QStringList messages = startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1);
    if (messages.isEmpty()) {
        find<QPushButton>("pushButton_23")->click();
        messages = showrow(rowof(learnbook::word(2)));
    }
    QCOMPARE(messages, QStringList{"素材不存在：w3.mp3"});
    QCOMPARE(page(), 0);
    QVERIFY2(find<QLineEdit>("lineEdit")->text().isEmpty(), "the password was not emptied");
    const QSharedPointer<MUser> user = saved();
    QCOMPARE(user->getbookpath(), path("book.zemBook"));
    QCOMPARE(user->wordcount(), 8);
}

// Words the textbook no longer holds are missing material, never read.
void tst_learning::shortitem()
{
    QVERIFY(writeuser({}));
    learnbook::Book shorter;
    shorter.words = 4;
    QVERIFY(!learnbook::write(dir->path(), shorter).isEmpty());
    open();
    QVERIFY(login());
    QStringList messages = startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1);
    for (int row = 1; messages.isEmpty() && row < 8 && page() == 2; ++row)
        messages = showrow(row);
    QCOMPARE(messages, QStringList{"素材不存在："});
    QCOMPARE(page(), 0);
}

void tst_learning::soundnames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("name in the folder") << "w2.mp3" << QStringList();
    QTest::newRow("folder part ignored") << "sub/w2.mp3" << QStringList();
    QTest::newRow("Windows folder part ignored") << "sub\\w2.mp3" << QStringList();
    QTest::newRow("outside the folder") << "../outside.mp3" << QStringList{"素材不存在：../outside.mp3"};
    QTest::newRow("the parent folder") << ".." << QStringList{"素材不存在：.."};
    QTest::newRow("empty") << "" << QStringList{"素材不存在："};
}

// A stored sound name is a file name in the textbook's folder, never a path.
void tst_learning::soundnames()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    QDir(dir->path()).mkdir(QStringLiteral("book"));
    QVERIFY(testfiles::writeall(path("outside.mp3"), learnbook::mp3()));
    learnbook::Book book;
    book.wordsounds = QStringList{"w1.mp3", stored};
    book.missing = QStringList{"../outside.mp3", "..", ""};
    const QString bookpath = learnbook::write(path("book"), book);
    QVERIFY(!bookpath.isEmpty());
    MUser user;
    user.reset();
    user.setname(QStringLiteral("读者"));
    user.setpassword(QStringLiteral("pw"));
    QVERIFY(user.adoptbook(bookpath));
    QVERIFY(user.save(path("u.zbu")));
    open();
    QVERIFY(login());
    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 2}, {"spinBox_5", 1}}, 1), messages);
    QCOMPARE(page(), messages.isEmpty() ? 2 : 0);
}

// Leisure mode with an empty list does nothing; on the last of several rows
// it shows row 0 once.
void tst_learning::leisureends()
{
    QVERIFY(writeuser({}));
    open();
    QVERIFY(login());
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
    find<QCheckBox>("checkBox_11")->setChecked(true);
    QSignalSpy changes(words(), &QListWidget::currentRowChanged);
    QVERIFY(QMetaObject::invokeMethod(window.data(), "jgupdate"));
    QVERIFY(QMetaObject::invokeMethod(window.data(), "hcupdate"));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(words()->currentRow(), -1);
    find<QLabel>("label_36")->hide();
    QVERIFY(QMetaObject::invokeMethod(window.data(), "hcupdate"));
    QVERIFY2(find<QLabel>("label_36")->isHidden(), "without a row the meaning was shown");
    find<QStackedWidget>("stackedWidget")->setCurrentIndex(1);

    QCOMPARE(startrun("radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}}, 1), QStringList());
    // The display pictures come in a cycle of five: one row change, one step.
    QStringList captions;
    for (int row = 1; row <= 7; ++row) {
        QCOMPARE(showrow(row), QStringList());
        captions << label("label_34");
    }
    find<QCheckBox>("checkBox_11")->setChecked(true);
    QVERIFY(QMetaObject::invokeMethod(window.data(), "jgupdate"));
    QCOMPARE(words()->currentRow(), 0);
    QCOMPARE(label("label_34"), captions.at(2));
}

QTEST_MAIN(tst_learning)
#include "tst_learning.moc"
