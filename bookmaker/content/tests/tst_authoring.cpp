#include "bookmakerfiles.h"
#include "checkreturn.h"
#include "dialogdriver.h"
#include "fd_dialog.h"
#include "endedsave.h"
#include "mbook.h"
#include "mreader.h"
#include "muser.h"
#include "mythread.h"
#include "shownpicture.h"
#include "soundcheck.h"
#include "testpictures.h"
#include "textbookfixture.h"
#include "widget.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace textbookfixture;

// The author's work in the bookmaker window, offscreen, with the dialogs
// answered by a timer: the project, the words and sentences with their
// import and sounds, association, lessons, display infos and generation.
// Every file is checked by its content.
class tst_authoring : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mainroad();
    void newproject();
    void unwritableproject_data();
    void unwritableproject();
    void importsaved();
    void refusedimport_data();
    void refusedimport();
    void unsavedfolderchange_data();
    void unsavedfolderchange();
    void unsavedclose_data();
    void unsavedclose();
    void finishedfolder();
    void lonetextbook_data();
    void lonetextbook();
    void generationleftovers();
    void interruptedrenames_data();
    void interruptedrenames();
    void damagedproject();
    void clearproject();
    void importfile_data();
    void importfile();
    void sentenceimport();
    void reimportkeepssounds();
    void wordediting();
    void longfields();
    void nextwithoutsound();
    void staleassociation();
    void association();
    void lessons();
    void displayinfos();
    void camerapicture();
    void storedpictures();
    void unreadablepicture_data();
    void unreadablepicture();
    void vanishedpicture();
    void findencoder();
    void recordrefused_data();
    void recordrefused();
    void encodingclosed();
    void slowencoder_data();
    void slowencoder();
    void escapedencoder();
    void rawunwritable();
    void pagechangestopsrecording();
    void missingsound();
    void generatedonce();
    void failedwrite();
    void importgenerates_data();
    void importgenerates();
    void failedgenerationsaves();
    void pendingedits_data();
    void pendingedits();
    void fixtureadopts();
    void maketextbookprogram();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    QString material(const QString &name) const { return dir->filePath("material/" + name); }
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    QListWidget *list(const char *name) const { return find<QListWidget>(name); }
    QString text(const char *label) const { return find<QLabel>(label)->text(); }
    int page() const { return find<QStackedWidget>("stackedWidget")->currentIndex(); }
    void start(const QString &lame = QString());
    // A new project with words and sentences from n-item import files.
    bool startproject(int words, int sentences, const QString &lame = QString());
    bool click(const char *button);
    bool run(const char *button, DialogDriver &driver);
    QString clickmessage(const char *button);
    bool importwords(const QByteArray &file, const QString &confirm = QString());
    bool importsentences(const QByteArray &file, const QString &confirm = QString());
    void clickview(const char *view);
    // Waits until the window's recorder has captured ms milliseconds.
    bool captured(qint64 ms) const;
    // Clicks the record button that stops the recording, answering the
    // dialogs, and waits until the encoding has ended.
    bool stoprecording(const char *button, DialogDriver &driver);
    bool stoprecording(const char *button);
    // An encoder script of the given shell lines, in the sources folder.
    QString encoderscript(const QString &lines);
    bool blockproject(const QString &how, bool blocked);
    bool stillblocked(const QString &how) const;
    // Read-only folders bind root as well while this thread lacks the
    // capability to override permissions; false when that cannot be set.
    bool overridepermissions(bool allowed);
    bool readonlyfolder = false;
    // Closes the window while the driver answers its dialogs.
    bool closewindow(DialogDriver &driver);
    QStringList rows(const char *name) const;
    // Closes the window, which saves the project, and reads it back.
    MBook savedproject();
    MBook textbook(const QString &name);
    void shot(const QString &name);
    bool haspicture(const char *view, const QSize &size) const;
    // Chooses file in the chooser that button opens; false when dialogs were left unanswered.
    bool choosepicture(const char *button, const QString &file);
    QColor showncolor(const char *view) const;
    QString makemp3(const QString &name, double seconds = 0.4);
    // Words with long meanings that fill book, saved as a project, up to room
    // bytes below the file ceiling (or a byte less), each with an empty
    // sound file in the material folder.
    QList<QStringList> fillbelowceiling(const MBook &book, qint64 room);

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_authoring::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY2(dir->isValid() && QDir(dir->path()).mkpath("material") && QDir(dir->path()).mkpath("sources"),
             "no temporary folders");
}

void tst_authoring::cleanup()
{
    window.reset();
    if (readonlyfolder)
        blockproject("readonly", false);
    QFile::remove(bookmakerfiles::settingspath());
}

void tst_authoring::start(const QString &lame)
{
    window.reset();
    writesettings(path("material"), path("sources"), lame.isEmpty() ? QStringLiteral("/usr/bin/lame") : lame);
    window.reset(new Widget);
}

bool tst_authoring::click(const char *button)
{
    DialogDriver none;
    return run(button, none);
}

bool tst_authoring::run(const char *button, DialogDriver &driver)
{
    QVERIFY_RETURN(find<QPushButton>(button), qPrintable(QStringLiteral("no button ") + button));
    QVERIFY_RETURN(textbookfixture::run(window.data(), button, driver),
                   qPrintable(QStringLiteral("dialogs left unanswered after ") + button));
    return true;
}

QString tst_authoring::clickmessage(const char *button)
{
    return DialogDriver::message([&](DialogDriver &driver) { QVERIFY(run(button, driver)); });
}

bool tst_authoring::importwords(const QByteArray &file, const QString &confirm)
{
    QVERIFY_RETURN(writefile(path("sources/words.txt"), file), "the word file was not written");
    DialogDriver driver;
    if (!confirm.isEmpty())
        answerinput(driver, confirm);
    answerchooser(driver, path("sources/words.txt"));
    return run("pushButton_37", driver);
}

bool tst_authoring::importsentences(const QByteArray &file, const QString &confirm)
{
    QVERIFY_RETURN(writefile(path("sources/sentences.txt"), file), "the sentence file was not written");
    DialogDriver driver;
    if (!confirm.isEmpty())
        answerinput(driver, confirm);
    answerchooser(driver, path("sources/sentences.txt"));
    return run("pushButton_151", driver);
}

bool tst_authoring::startproject(int words, int sentences, const QString &lame)
{
    start(lame);
    if (!click("pushButton_shengchengxiangmu"))
        return false;
    QVERIFY_RETURN(QFile::exists(material("book.pro")), "no project created");
    if (!click("pushButton_23"))
        return false;
    QCOMPARE_RETURN(page(), 4);
    return (words <= 0 || importwords(wordfile(words))) && click("pushButton_22")
           && (sentences <= 0 || importsentences(sentencefile(sentences)));
}

void tst_authoring::clickview(const char *view)
{
    QTest::mouseClick(find<QGraphicsView>(view)->viewport(), Qt::LeftButton);
}

QStringList tst_authoring::rows(const char *name) const
{
    QStringList texts;
    const QListWidget *widget = list(name);
    for (int i = 0; i < widget->count(); ++i)
        texts.append(widget->item(i)->text());
    return texts;
}

MBook tst_authoring::savedproject()
{
    window->close();
    MBook book;
    if (!book.readproject(material("book.pro")))
        QTest::qFail("the saved project does not read", __FILE__, __LINE__);
    return book;
}

MBook tst_authoring::textbook(const QString &name)
{
    MBook book;
    if (!book.readbook(material(name)))
        QTest::qFail(qPrintable(name + " does not read as a finished textbook"), __FILE__, __LINE__);
    return book;
}

void tst_authoring::shot(const QString &name)
{
    const QString folder = qEnvironmentVariable("SHOTS_DIR");
    if (!folder.isEmpty())
        window->grab().save(folder + QDir::separator() + name + ".png");
}

bool tst_authoring::haspicture(const char *view, const QSize &size) const
{
    const QGraphicsScene *scene = find<QGraphicsView>(view)->scene();
    if (!scene)
        return false;
    for (const QGraphicsItem *item : scene->items()) {
        const auto *picture = qgraphicsitem_cast<const QGraphicsPixmapItem *>(item);
        if (picture && picture->pixmap().size() == size)
            return true;
    }
    return false;
}

QString tst_authoring::makemp3(const QString &name, double seconds)
{
    const QString mp3 = path("sources/" + name);
    if (!soundcheck::makemp3(mp3, seconds))
        QTest::qFail("sox or lame failed", __FILE__, __LINE__);
    return mp3;
}

QList<QStringList> tst_authoring::fillbelowceiling(const MBook &book, qint64 room)
{
    const auto projectsize = [this, &book](const QList<QStringList> &items) {
        MBook filled = book;
        filled.replacewords(items);
        const QString file = path("sources/measured.pro");
        return filled.write(file, false) ? QFileInfo(file).size() : -1;
    };
    const int longest = int(MReader::stringlimit / 2);
    const qint64 target = MReader::filelimit - room;
    const int count = int((target - projectsize({})) / (2 * qint64(longest))) + 1;
    QList<QStringList> items;
    for (int i = 1; i <= count; ++i) {
        items.append(QStringList() << QStringLiteral("w%1").arg(i) << "[a]" << "m" << QStringLiteral("w%1.mp3").arg(i));
        writefile(material(items.last().at(3)), QByteArray());
    }
    qint64 more = (target - projectsize(items)) / 2;
    for (QStringList &item : items) {
        const int add = int(qMin<qint64>(more, longest - 1));
        item[2] += QString(add, QLatin1Char('m'));
        more -= add;
    }
    QFile::remove(path("sources/measured.pro"));
    return items;
}

static QByteArray readall(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static QByteArray jpegfile(const QColor &color, int width, int height)
{
    return testpictures::encoded(width, height, color, "JPG");
}

static QSize jpegsize(const QByteArray &bytes)
{
    return QImage::fromData(bytes, "JPG").size();
}

// Whether a sound of the pulse server plays within a few seconds.
static bool soundplays()
{
    return QTest::qWaitFor([] {
        QProcess pactl;
        pactl.start("pactl", QStringList() << "list" << "short" << "sink-inputs");
        pactl.waitForFinished(5000);
        return !pactl.readAllStandardOutput().trimmed().isEmpty();
    }, 5000);
}

void tst_authoring::mainroad()
{
    QVERIFY(writefile(path("sources/cover.jpg"), jpegfile(Qt::red, 640, 480)));
    QVERIFY(writefile(path("sources/show2.jpg"), jpegfile(Qt::blue, 100, 300)));
    start();
    QVERIFY2(find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled(), "an empty folder cannot get a project");

    // Page 0: the title block and its picture, then the project.
    find<QDateEdit>("dateEdit")->setDate(QDate(2026, 5, 4));
    find<QLineEdit>("lineEdit_jiaocaimingcheng")->setText(QStringLiteral("初中英语"));
    find<QLineEdit>("lineEdit_zhizuoren")->setText(QStringLiteral("王老师"));
    find<QLineEdit>("lineEdit_shuoming")->setText(QStringLiteral("七年级上册"));
    find<QLineEdit>("lineEdit_jiyu")->setText(QStringLiteral("加油"));
    find<QLineEdit>("lineEdit_lianjie")->setText("http://127.0.0.1:8080/book.html");
    DialogDriver cover;
    answerchooser(cover, path("sources/cover.jpg"));
    QVERIFY(run("pushButton_xuantu", cover));
    QCOMPARE(text("label_tupianweizhi"), path("sources/cover.jpg"));
    QVERIFY(click("pushButton_shengchengxiangmu"));
    QVERIFY2(find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled(), "no project after creating one");
    MBook created;
    QVERIFY2(created.readproject(material("book.pro")), "book.pro does not read");
    QCOMPARE(created.getinfo(), QStringList() << QStringLiteral("初中英语") << QStringLiteral("王老师")
                                              << QStringLiteral("七年级上册") << QStringLiteral("加油")
                                              << "http://127.0.0.1:8080/book.html" << path("sources/cover.jpg"));
    QCOMPARE(created.getdate(), QDate(2026, 5, 4));
    QCOMPARE(created.wordcount(), 0);
    shot("page0-project");

    // Page 4: words from a UTF-8 file, one transcription corrected through the keys.
    QVERIFY(click("pushButton_23"));
    QVERIFY(importwords(QByteArray("hat\n[h1t]\n帽子\n\nthink\n[0i3k]\n想，认为\nshe\n[7i:]\n她\n")));
    QCOMPARE(rows("listWidget"), QStringList() << "w1_hat" << "w2_think" << "w3_she");
    QCOMPARE(readall(material("_words_.txt")), QByteArray("w1_hat\r\nw2_think\r\nw3_she\r\n"));
    QCOMPARE(text("label_77"), QString("hat"));
    QCOMPARE(find<QLineEdit>("lineEdit")->text(), QStringLiteral("hæt"));
    list("listWidget")->setCurrentRow(2);
    find<QLineEdit>("lineEdit")->clear();
    QTest::keyClicks(find<QLineEdit>("lineEdit"), "7i:");
    QCOMPARE(find<QLineEdit>("lineEdit")->text(), QStringLiteral("ʃi:"));
    find<QLineEdit>("lineEdit_2")->setText(QStringLiteral(" 她（主格） "));
    QVERIFY(click("pushButton_baocun_7"));

    // Word 1 recorded through the null source and the real encoder.
    list("listWidget")->setCurrentRow(0);
    QVERIFY2(find<QPushButton>("pushButton_32")->isEnabled(), "recording is not offered for a row without sound");
    QVERIFY(click("pushButton_32"));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("停止"));
    for (const char *other : {"pushButton_34", "pushButton_46", "pushButton_35"})
        QVERIFY2(!find<QPushButton>(other)->isEnabled(), other);
    QVERIFY2(captured(1200), "the recorder captured too little");
    const double seconds = window->recorder().capturedms() / 1000.0;
    QVERIFY(stoprecording("pushButton_32"));
    const double recorded = soundcheck::seconds(material("w1.mp3"));
    QVERIFY2(recorded > 0.6 * seconds && recorded < 1.4 * seconds,
             qPrintable(QString("w1.mp3 lasts %1 s after %2 s were captured").arg(recorded).arg(seconds)));
    QVERIFY2(find<QPushButton>("pushButton_34")->isEnabled() && find<QPushButton>("pushButton_35")->isEnabled(),
             "listening and deleting are not offered after recording");
    QVERIFY(click("pushButton_34"));
    QVERIFY2(soundplays(), "listening plays nothing");

    // Words 2 and 3 copied in.
    for (int row : {1, 2}) {
        list("listWidget")->setCurrentRow(row);
        DialogDriver copy;
        answerchooser(copy, makemp3(QString("word%1.mp3").arg(row)));
        QVERIFY(run("pushButton_46", copy));
        QCOMPARE(readall(material(QString("w%1.mp3").arg(row + 1))),
                 readall(path(QString("sources/word%1.mp3").arg(row))));
    }
    shot("page4-words");

    // Page 5: sentences, one copied in, one recorded.
    QVERIFY(click("pushButton_22"));
    QVERIFY(importsentences(QByteArray("She thinks so.\n她是这么想的。\nA red hat.\n一顶红帽子。\n")));
    QCOMPARE(rows("listWidget_6"), QStringList() << "s1_She thinks so." << "s2_A red hat.");
    QCOMPARE(readall(material("_sentences_.txt")), QByteArray("s1_She thinks so.\r\ns2_A red hat.\r\n"));
    DialogDriver copy;
    answerchooser(copy, makemp3("sentence1.mp3", 1));
    QVERIFY(run("pushButton_156", copy));
    list("listWidget_6")->setCurrentRow(1);
    QVERIFY(click("pushButton_155"));
    QVERIFY2(captured(800), "the recorder captured too little");
    QVERIFY(stoprecording("pushButton_155"));
    QVERIFY2(soundcheck::seconds(material("s2.mp3")) > 0.4, "s2.mp3 does not decode");
    shot("page5-sentences");

    // Page 2: every word to the sentence of its number, then word 3 to sentence 1.
    QVERIFY(click("pushButton_3"));
    QCOMPARE(rows("listWidget_danci_danci"), QStringList() << "hat" << "think" << "she");
    list("listWidget_danci_juzi")->setCurrentRow(1);
    QVERIFY(click("pushButton_zidongzhiding"));
    list("listWidget_danci_danci")->setCurrentRow(2);
    QCOMPARE(text("label_xuanzeyinbiao"), QStringLiteral("[ʃi:]"));
    list("listWidget_danci_juzi")->setCurrentRow(0);
    QVERIFY(click("pushButton_zhiding"));
    QCOMPARE(text("label_8"), QStringLiteral("当前句子（已经和当前单词关联）"));
    QCOMPARE(text("label_guanlianjuzi"), QString("She thinks so."));
    shot("page2-association");

    // Page 3: a lesson of sentences 2 and 1.
    QVERIFY(click("pushButton_4"));
    find<QLineEdit>("lineEdit_kewenmingcheng")->setText(QStringLiteral(" 第一课 "));
    QVERIFY(click("pushButton_17"));
    QCOMPARE(rows("listWidget_wenzhang"), QStringList() << QStringLiteral("第一课"));
    list("listWidget_wenzhang_wei")->clearSelection();
    list("listWidget_wenzhang_wei")->item(1)->setSelected(true);
    QVERIFY(click("pushButton_jiaru"));
    list("listWidget_wenzhang_wei")->clearSelection();
    list("listWidget_wenzhang_wei")->item(0)->setSelected(true);
    QVERIFY(click("pushButton_jiaru"));
    QCOMPARE(rows("listWidget_wenzhang_han"), QStringList() << "A red hat." << "She thinks so.");
    QVERIFY(click("pushButton_xinjianorguanlian"));
    QCOMPARE(rows("listWidget_wenzhang_han_2"), QStringList() << "A red hat." << "She thinks so.");
    QVERIFY2(rows("listWidget_wenzhang_han").isEmpty(), "candidates left after use");
    shot("page3-lessons");

    // Page 1: display infos 1 and 2.
    QVERIFY(click("pushButton_2"));
    QCOMPARE(text("label_15"), QStringLiteral("当前显示第一个展示信息"));
    find<QLineEdit>("lineEdit_shuoming_2")->setText(QStringLiteral("第一个展示"));
    clickview("graphicsView_3");
    QCOMPARE(text("label_15"), QStringLiteral("当前显示第二个展示信息"));
    find<QLineEdit>("lineEdit_shuoming_2")->setText(QStringLiteral("第二个展示"));
    find<QLineEdit>("lineEdit_lianjie_2")->setText("http://127.0.0.1:8080/2.html");
    DialogDriver picture;
    answerchooser(picture, path("sources/show2.jpg"));
    QVERIFY(run("pushButton_xuantu_2", picture));
    shot("page1-display");

    // Generation from page 1 stores the display info being edited.
    QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材已经在素材位置生成"));
    QCOMPARE(page(), 0);
    const MBook natural = textbook("book.zemBook");
    const MBook random = textbook("rand.zemBook");
    for (const MBook *book : {&natural, &random}) {
        MBook copy = *book;
        QCOMPARE(copy.getinfo().at(0), QStringLiteral("初中英语"));
        QCOMPARE(jpegsize(copy.getinfopic()), QSize(400, 300));
        QCOMPARE(QImage::fromData(copy.getinfopic()).pixelColor(200, 150).red() > 200, true);
        QCOMPARE(copy.getdate(), QDate(2026, 5, 4));
        QCOMPARE(copy.showtext1(), QStringList() << QStringLiteral("第一个展示") << "" << "");
        QCOMPARE(copy.showtext2(), QStringList() << QStringLiteral("第二个展示") << "http://127.0.0.1:8080/2.html"
                                                 << path("sources/show2.jpg"));
        QCOMPARE(copy.showtext3(), QStringList() << "" << "" << "");
        for (const QByteArray &bytes : {copy.getshowpic1(), copy.getshowpic2(), copy.getshowpic3(),
                                        copy.getshowpic4(), copy.getshowpic5()})
            QCOMPARE(jpegsize(bytes), QSize(400, 300));
        QVERIFY2(QImage::fromData(copy.getshowpic2()).pixelColor(200, 150).blue() > 200, "display picture 2 is not blue");
        QCOMPARE(copy.sentcount(), 2);
        QCOMPARE(copy.sentence(1), QStringList() << "A red hat." << QStringLiteral("一顶红帽子。") << "s2.mp3");
        QCOMPARE(copy.lessoncount(), 1);
        QCOMPARE(copy.lessontitle(0), QStringLiteral("第一课"));
        QCOMPARE(copy.getlessonitems(0), QList<int>() << 1 << 0);
    }
    QCOMPARE(natural.getordermode(), 0);
    QCOMPARE(random.getordermode(), 1);
    QCOMPARE(natural.word(0), QStringList() << "hat" << QStringLiteral("[hæt]") << QStringLiteral("帽子") << "w1.mp3");
    QCOMPARE(natural.word(1), QStringList() << "think" << QStringLiteral("[θiŋk]") << QStringLiteral("想，认为") << "w2.mp3");
    QCOMPARE(natural.word(2), QStringList() << "she" << QStringLiteral("[ʃi:]") << QStringLiteral("她（主格）") << "w3.mp3");
    QCOMPARE(QList<int>() << natural.wordsentence(0) << natural.wordsentence(1) << natural.wordsentence(2),
             QList<int>() << 0 << 1 << 0);
    QStringList randomwords;
    for (int p = 0; p < 3; ++p)
        randomwords.append(random.word(p).value(0));
    randomwords.sort();
    QCOMPARE(randomwords, QStringList() << "hat" << "she" << "think");

    // The pages are closed now; the project file keeps the work.
    QCOMPARE(clickmessage("pushButton_23"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    const MBook project = savedproject();
    QCOMPARE(project.wordcount(), 3);
    QCOMPARE(project.word(2).value(2), QStringLiteral("她（主格）"));

    // The learner adopts the textbook and finds every sound beside it.
    MUser user;
    QVERIFY2(user.adoptbook(material("book.zemBook")), "the learner cannot adopt book.zemBook");
    QCOMPARE(user.wordcount(), 3);
    for (int p = 0; p < user.wordcount(); ++p) {
        const QStringList item = user.item(p);
        QVERIFY2(item.size() == 7, qPrintable("wrong item " + item.join('|')));
        QVERIFY2(QFile::exists(material(item.at(3))) && QFile::exists(material(item.at(6))),
                 qPrintable("a sound is missing for " + item.join('|')));
    }
    QCOMPARE(user.lessonitems(0), QList<int>() << 1 << 0);
}

// An empty folder: the project holds the date and the title block only.
void tst_authoring::newproject()
{
    start();
    find<QDateEdit>("dateEdit")->setDate(QDate(2026, 1, 2));
    find<QLineEdit>("lineEdit_zhizuoren")->setText("maker");
    QVERIFY(click("pushButton_shengchengxiangmu"));
    QVERIFY(!find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled());
    MBook expected;
    expected.setdate(QDate(2026, 1, 2));
    expected.setinfo(QStringList() << "" << "maker" << "" << "" << "" << "");
    MBook project;
    QVERIFY(project.readproject(material("book.pro")));
    QVERIFY2(project == expected, "book.pro holds more than the date and the title block");

    // Opened again at the next start.
    window.reset(new Widget);
    QCOMPARE(find<QLineEdit>("lineEdit_zhizuoren")->text(), QString("maker"));
    QVERIFY(find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled());
}

void tst_authoring::unwritableproject_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder named book.pro") << "folder";
    QTest::newRow("material folder gone") << "gone";
}

// A project that cannot be created says so and keeps what was typed.
void tst_authoring::unwritableproject()
{
    QFETCH(QString, how);
    start();
    if (how == "folder")
        QVERIFY(QDir(path("material")).mkdir("book.pro"));
    else
        QVERIFY(QDir(path("material")).removeRecursively());
    find<QLineEdit>("lineEdit_jiaocaimingcheng")->setText("title");
    DialogDriver driver;
    if (how == "folder")
        answerinput(driver, "ok");
    QString shown;
    driver.readmessage(&shown);
    QVERIFY(run("pushButton_shengchengxiangmu", driver));
    const QString expected = how == "folder" ? QStringLiteral("项目文件无法写入：") + material("book.pro")
                                             : QStringLiteral("素材位置不存在：") + path("material");
    QCOMPARE(shown, expected);
    QVERIFY2(find<QLineEdit>("lineEdit_jiaocaimingcheng")->text() == "title", "the typed title was blanked");
    QVERIFY2(find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled(), "a project that was not written is open");
}

// A finished import is in book.pro before the window closes.
void tst_authoring::importsaved()
{
    QVERIFY(startproject(0, 0));
    QVERIFY(importwords("hat\n[h1t]\n帽子\n"));
    MBook project;
    QVERIFY(project.readproject(material("book.pro")));
    QVERIFY2(project.wordcount() == 1, "the imported words were not stored in book.pro");
}

void tst_authoring::refusedimport_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("picturebytes");
    QTest::addColumn<QString>("message");
    const QString toolong = QStringLiteral("单词文件第 1 行太长，无法导入");
    QTest::newRow("word past the string ceiling")
        << QByteArray(int(MReader::stringlimit / 2) + 1, 'a') + "\n[a]\n一\n" << 0 << toolong;
    QTest::newRow("one line of 10 MB") << QByteArray(10 << 20, 'a') << 0 << toolong;
    // Three pictures fill the project file up to 64 KiB below its ceiling.
    QTest::newRow("project past its file ceiling")
        << wordfile(2000) << int(MReader::byteslimit - (64 << 10) / 3)
        << QStringLiteral("单词太多，项目文件装不下，无法导入");
}

// An import the project could not read back is refused before the old words
// are cleared; book.pro and the listing stay as they were.
void tst_authoring::refusedimport()
{
    QFETCH(QByteArray, file);
    QFETCH(int, picturebytes);
    QFETCH(QString, message);
    MBook project;
    project.addword(QStringList() << "old" << "[o]" << QStringLiteral("旧") << "w1.mp3");
    if (picturebytes > 0) {
        project.setshowpic1(QByteArray(picturebytes, 'p'));
        project.setshowpic2(QByteArray(picturebytes, 'p'));
        project.setshowpic3(QByteArray(picturebytes, 'p'));
    }
    QVERIFY2(project.write(material("book.pro"), false), "the starting project was not written");
    const QByteArray before = readall(material("book.pro"));
    start();
    QVERIFY(click("pushButton_23"));
    QVERIFY(writefile(path("sources/words.txt"), file));
    DialogDriver driver;
    answerinput(driver, "ok");
    answerchooser(driver, path("sources/words.txt"));
    QString shown;
    driver.readmessage(&shown);
    QVERIFY(run("pushButton_37", driver));
    QCOMPARE(shown, message);
    QVERIFY2(rows("listWidget") == QStringList() << "w1_old", "the old words left the list");
    QVERIFY2(!QFile::exists(material("_words_.txt")), "a refused import wrote its listing");
    QVERIFY2(readall(material("book.pro")) == before, "a refused import changed book.pro");
    QVERIFY2(savedproject().word(0).value(0) == "old", "the old word was not kept");
}

bool tst_authoring::captured(qint64 ms) const
{
    return QTest::qWaitFor([&] { return window->recorder().capturedms() >= ms; }, 10000);
}

bool tst_authoring::stoprecording(const char *button, DialogDriver &driver)
{
    QPushButton *record = find<QPushButton>(button);
    QCOMPARE_RETURN(record->text(), QStringLiteral("停止"));
    driver.start();
    record->click();
    QVERIFY_RETURN(QTest::qWaitFor([&] { return record->text() == QStringLiteral("录音") && driver.done(); }, 60000),
                   qPrintable(QStringLiteral("the encoding did not end, or its dialogs were left unanswered: ")
                              + record->text()));
    return true;
}

bool tst_authoring::stoprecording(const char *button)
{
    DialogDriver none;
    return stoprecording(button, none);
}

QString tst_authoring::encoderscript(const QString &lines)
{
    const QString lame = path("sources/bin/lame");
    if (!QDir().mkpath(path("sources/bin")) || !writefile(lame, ("#!/bin/sh\n" + lines + "\n").toUtf8())
        || !QFile::setPermissions(lame, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        QTest::qFail("the encoder script was not written", __FILE__, __LINE__);
    return lame;
}

bool tst_authoring::closewindow(DialogDriver &driver)
{
    driver.start();
    window->close();
    return driver.done();
}

bool tst_authoring::overridepermissions(bool allowed)
{
    if (geteuid() != 0)
        return true;
    __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &head, data) != 0)
        return false;
    const quint32 bit = 1u << (CAP_DAC_OVERRIDE % 32);
    if (allowed)
        data[CAP_DAC_OVERRIDE / 32].effective |= bit;
    else
        data[CAP_DAC_OVERRIDE / 32].effective &= ~bit;
    return syscall(SYS_capset, &head, data) == 0;
}

// Makes book.pro unwritable (or writable again): a folder in its place, a
// file in place of the material folder, or a material folder that can be
// read but not written.
bool tst_authoring::blockproject(const QString &how, bool blocked)
{
    if (how == "readonly") {
        const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
            | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        readonlyfolder = blocked;
        if (!blocked)
            return overridepermissions(true) && QFile::setPermissions(path("material"), readable | QFile::WriteOwner);
        return QFile::setPermissions(path("material"), readable) && overridepermissions(false)
            && !QFile(material("probe")).open(QIODevice::WriteOnly);
    }
    if (how == "folder") {
        QFile::remove(material("book.pro"));
        QDir folder(path("material"));
        return blocked ? folder.mkdir("book.pro") : folder.rmdir("book.pro");
    }
    if (!blocked)
        return QFile::remove(path("material")) && QDir(dir->path()).mkdir("material");
    return QDir(path("material")).removeRecursively() && writefile(path("material"), "not a folder");
}

// Whether what blocked book.pro is still there.
bool tst_authoring::stillblocked(const QString &how) const
{
    if (how == "readonly")
        return !(QFile::permissions(path("material")) & QFile::WriteOwner);
    return how == "folder" ? QFileInfo(material("book.pro")).isDir() : QFileInfo(path("material")).isFile();
}

void tst_authoring::unsavedfolderchange_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::newRow("folder named book.pro, stay") << "folder" << "no";
    QTest::newRow("folder named book.pro, give up") << "folder" << "ok";
    QTest::newRow("file named as the material folder, stay") << "file" << "no";
    QTest::newRow("file named as the material folder, give up") << "file" << "ok";
    QTest::newRow("read-only folder, stay") << "readonly" << "no";
    QTest::newRow("read-only folder, give up") << "readonly" << "ok";
}

// A project that cannot be saved says so and asks, as closing does: "ok"
// gives the edits up and offers another folder; else the material folder
// stays, and the edits reach book.pro once it can be written.
void tst_authoring::unsavedfolderchange()
{
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QVERIFY(startproject(1, 0));
    QVERIFY(click("pushButton_23"));
    find<QLineEdit>("lineEdit_2")->setText("edited meaning");
    QVERIFY(blockproject(how, true));
    QVERIFY(QDir(dir->path()).mkdir("other"));
    DialogDriver driver;
    QString shown;
    driver.readmessage(&shown);
    QString prompt;
    driver.add("inputDlg", [&prompt](QDialog *dialog) { prompt = dialog->findChild<QLabel *>("label")->text(); });
    answerinput(driver, answer);
    bool chooser = false;
    driver.add("fd_Dialog", [&](QDialog *dialog) {
        chooser = true;
        *qobject_cast<fd_Dialog *>(dialog)->result = path("other");
        dialog->close();
    });
    textbookfixture::run(window.data(), "pushButton_genggaisucai", driver);
    QCOMPARE(shown, QStringLiteral("项目文件无法写入：") + material("book.pro"));
    QCOMPARE(prompt, QStringLiteral("项目没有保存！ 输入“ok”放弃修改并更改素材位置"));
    QVERIFY2(stillblocked(how), "what blocked book.pro was replaced");
    if (answer == "ok") {
        QVERIFY2(chooser, "no other folder was offered after \"ok\"");
        QVERIFY2(text("label_sucaiweizhi") == path("other"), "the chosen folder was not taken");
        QVERIFY2(list("listWidget")->count() == 0, "the given-up words are still listed");
        QVERIFY2(QDir(path("other")).isEmpty(), "something was written into the chosen folder");
        return;
    }
    QVERIFY2(!chooser, "another folder was offered without \"ok\"");
    QVERIFY2(text("label_sucaiweizhi") == path("material"), "the material folder changed without a save");
    QVERIFY2(rows("listWidget") == QStringList() << "w1_word1", "the words left the list");

    QVERIFY(blockproject(how, false));
    QVERIFY2(savedproject().word(0).value(2) == "edited meaning", "the edit was lost");
}

void tst_authoring::unsavedclose_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::newRow("folder named book.pro, stay") << "folder" << "no";
    QTest::newRow("folder named book.pro, close anyway") << "folder" << "ok";
    QTest::newRow("file named as the material folder, stay") << "file" << "no";
}

// Closing with a project that cannot be saved says so and asks; the window
// stays unless "ok" is typed, and nothing is written over.
void tst_authoring::unsavedclose()
{
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QVERIFY(startproject(1, 0));
    QVERIFY(click("pushButton_23"));
    find<QLineEdit>("lineEdit_2")->setText("edited meaning");
    QVERIFY(blockproject(how, true));
    DialogDriver driver;
    QString shown;
    driver.readmessage(&shown);
    answerinput(driver, answer);
    QVERIFY2(closewindow(driver), "closing did not ask whether to close anyway");
    QCOMPARE(shown, QStringLiteral("项目文件无法写入：") + material("book.pro"));
    QVERIFY2(stillblocked(how), "what blocked book.pro was replaced");
    if (answer == "ok") {
        QVERIFY2(!window->isVisible(), "the window stayed after \"ok\"");
        return;
    }
    QVERIFY2(window->isVisible(), "the window closed with its project unsaved");
    QVERIFY(blockproject(how, false));
    QVERIFY2(savedproject().word(0).value(2) == "edited meaning", "the edit was lost");
}

void tst_authoring::finishedfolder()
{
    MBook project;
    QVERIFY(project.write(material("book.pro"), false));
    QVERIFY(project.write(material("rand.zemBook"), true));
    QVERIFY(project.write(material("book.zemBook"), true));
    // What a kill during the project save that follows a generation left.
    QVERIFY(project.write(material(endedsave("book.pro")), false));
    const QByteArray before = readall(material("book.pro"));
    start();
    QVERIFY2(!QFile::exists(material(endedsave("book.pro"))), "the interrupted project save's temporary stayed");
    QVERIFY2(find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled(), "create is not offered");
    QCOMPARE(clickmessage("pushButton_shengchengxiangmu"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QCOMPARE(clickmessage("pushButton_23"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QCOMPARE(page(), 0);
    window->close();
    QCOMPARE(readall(material("book.pro")), before);
}

void tst_authoring::lonetextbook_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("book.zemBook alone") << "book.zemBook";
    QTest::newRow("rand.zemBook alone") << "rand.zemBook";
}

// One textbook file alone still makes a finished folder, which learners' user
// files may name: start-up, the folder change, the page buttons, creating a
// project, generating and closing leave it as it is and write no book.pro.
void tst_authoring::lonetextbook()
{
    QFETCH(QString, name);
    MBook finished;
    finished.setinfo(QStringList() << "title" << "" << "" << "" << "" << "");
    QVERIFY(finished.write(material(name), true));
    const QByteArray before = readall(material(name));
    const auto untouched = [&](const char *after) {
        QVERIFY_RETURN(readall(material(name)) == before, qPrintable(name + " changed after " + after));
        QVERIFY_RETURN(!QFile::exists(material("book.pro")), qPrintable(QString("book.pro was made after ") + after));
        return true;
    };

    start();
    QVERIFY(untouched("start-up"));
    QVERIFY2(!find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled(), "a project is open in a finished folder");
    DialogDriver change;
    answerchooser(change, path("material"));
    QVERIFY(run("pushButton_genggaisucai", change));
    QVERIFY(untouched("the folder change"));
    QCOMPARE(clickmessage("pushButton_23"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QCOMPARE(page(), 0);
    QVERIFY(untouched("a page button"));
    QCOMPARE(clickmessage("pushButton_shengchengxiangmu"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QVERIFY(untouched("creating a project"));
    QCOMPARE(clickmessage("pushButton_wancheng_4"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QVERIFY(untouched("generation"));
    window->close();
    QVERIFY(untouched("closing"));
}

// Opening a folder removes the temporaries that an interrupted generation
// left once their writer has ended; the author's copies stay, the folder
// opens for editing, and a generation then leaves both textbooks and nothing
// beside them.
void tst_authoring::generationleftovers()
{
    MBook project;
    project.setinfo(QStringList() << "title" << "" << "" << "" << "" << "");
    QVERIFY(project.write(material("book.pro"), false));
    const QStringList leftovers = {endedsave("rand.zemBook"), endedsave("book.zemBook")};
    const QStringList copies = {"book.zemBook.backup", "rand.zemBook.old001", "book.pro.copy12"};
    for (const QString &name : leftovers + copies)
        QVERIFY(project.write(material(name), true));
    start();
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(material(name)), qPrintable(name + " stayed"));
    for (const QString &name : copies)
        QVERIFY2(QFile::exists(material(name)), qPrintable(name + ", the author's copy, was removed"));
    QVERIFY2(find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled(), "the project was not opened");
    QCOMPARE(clickmessage("pushButton_wancheng_5"), QStringLiteral("教材已经在素材位置生成"));
    QVERIFY2(textbook("book.zemBook").getordermode() == 0 && textbook("rand.zemBook").getordermode() == 1,
             "the two textbooks are not in place");
    const QStringList left = QDir(path("material")).entryList({".*zemBook*"}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable("the generation left " + left.join(' ')));
}

void tst_authoring::interruptedrenames_data()
{
    QTest::addColumn<bool>("whole");
    QTest::newRow("whole book.zemBook left") << true;
    QTest::newRow("damaged book.zemBook left") << false;
}

// A generation killed between its two renames left rand.zemBook in place and
// book.zemBook under its temporary: the next start puts a whole one in place,
// so the folder holds both textbooks; a damaged one only goes.
void tst_authoring::interruptedrenames()
{
    QFETCH(bool, whole);
    MBook finished;
    finished.setinfo(QStringList() << "title" << "" << "" << "" << "" << "");
    finished.setorder(true);
    QVERIFY(finished.write(material("rand.zemBook"), true));
    finished.setorder(false);
    const QString left = material(endedsave("book.zemBook"));
    QVERIFY(whole ? finished.write(left, true) : writefile(left, QByteArray("\x20\x01\x10\x13 torn", 9)));
    const QByteArray written = readall(left);
    start();
    QVERIFY2(!QFile::exists(left), "the temporary stayed");
    QVERIFY2(QFile::exists(material("book.zemBook")) == whole,
             whole ? "the whole textbook was not put in place" : "a damaged textbook was put in place");
    if (whole)
        QVERIFY2(readall(material("book.zemBook")) == written, "book.zemBook is not the one the generation wrote");
    QVERIFY2(textbook("rand.zemBook").getordermode() == 1, "rand.zemBook was changed");
    QVERIFY2(!find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled(), "the finished folder was opened for editing");
}

// A project file that cannot be read is replaced only after "ok".
void tst_authoring::damagedproject()
{
    QVERIFY(writefile(material("book.pro"), QByteArray("\x20\x01\x10\x13 damaged", 12)));
    start();
    QVERIFY2(!find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled(), "a damaged project was opened");
    DialogDriver refuse;
    answerinput(refuse, "OK");
    QVERIFY(run("pushButton_shengchengxiangmu", refuse));
    QCOMPARE(readall(material("book.pro")), QByteArray("\x20\x01\x10\x13 damaged", 12));
    QVERIFY(find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled());

    DialogDriver accept;
    answerinput(accept, " ok ");
    QVERIFY(run("pushButton_shengchengxiangmu", accept));
    MBook project;
    QVERIFY2(project.readproject(material("book.pro")), "the damaged project was not replaced");
    QVERIFY(find<QPushButton>("pushButton_qingchuxiangmu")->isEnabled());
}

// Clearing the project asks for "ok"; afterwards closing writes nothing.
void tst_authoring::clearproject()
{
    QVERIFY(startproject(2, 1));
    QVERIFY(click("pushButton"));
    DialogDriver refuse;
    answerinput(refuse, "no");
    QVERIFY(run("pushButton_qingchuxiangmu", refuse));
    QVERIFY2(QFile::exists(material("book.pro")), "the project was cleared without ok");
    DialogDriver accept;
    answerinput(accept, "ok");
    QVERIFY(run("pushButton_qingchuxiangmu", accept));
    QVERIFY2(!QFile::exists(material("book.pro")), "the project file stays");
    QVERIFY(find<QPushButton>("pushButton_shengchengxiangmu")->isEnabled());
    QVERIFY2(list("listWidget")->count() == 0 && list("listWidget_6")->count() == 0, "the pages still list items");
    QCOMPARE(clickmessage("pushButton_23"), QStringLiteral("请先打开或者新建项目"));
    window->close();
    QVERIFY2(!QFile::exists(material("book.pro")), "closing wrote a cleared project");
    QVERIFY2(QFile::exists(material("_words_.txt")), "the listing was removed");
}

// Damaged import files change nothing: the two words already there stay.
void tst_authoring::importfile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("words");
    QTest::newRow("missing bracket") << QByteArray("a\n[a]\n一\nb\n[b\n二\n")
                                     << QStringLiteral("第 2 个单词的音标格式错误，单词：b") << 2;
    QTest::newRow("wrong line count shifts the lines") << QByteArray("a\n[a]\nb\n[b]\n二\n")
                                                       << QStringLiteral("第 2 个单词的音标格式错误，单词：[b]") << 2;
    QTest::newRow("invalid UTF-8") << QByteArray("a\n[a]\n\xC3\xB1\xD7\xD3\n")
                                   << QStringLiteral("单词文件不是UTF-8格式，请将文件另存为UTF-8格式") << 2;
    QTest::newRow("old Mac line ends") << QByteArray("a\r[a]\r一\rb\r[b]\r二\r")
                                       << QStringLiteral("单词文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式") << 2;
    QTest::newRow("incomplete last record") << QByteArray("a\n[a]\n一\nb\n") << QString() << 1;
    QTest::newRow("empty file") << QByteArray() << QString() << 0;
    QByteArray large;
    for (int i = 1; i <= 50000; ++i)
        large += "w" + QByteArray::number(i) + "\n[w]\n词\n";
    QTest::newRow("50,000 words") << large << QString() << 50000;
}

void tst_authoring::importfile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(int, words);
    QVERIFY(startproject(2, 0));
    QVERIFY(click("pushButton_23"));
    const QByteArray listing = readall(material("_words_.txt"));
    QVERIFY(writefile(path("sources/words.txt"), file));
    DialogDriver driver;
    answerinput(driver, "ok");
    answerchooser(driver, path("sources/words.txt"));
    QString shown;
    if (!message.isEmpty())
        driver.readmessage(&shown);
    QVERIFY(run("pushButton_37", driver));
    QCOMPARE(shown, message);
    QCOMPARE(list("listWidget")->count(), words);
    if (!message.isEmpty())
        QCOMPARE(readall(material("_words_.txt")), listing);
    const MBook project = savedproject();
    QCOMPARE(project.wordcount(), words);
    if (!message.isEmpty())
        QCOMPARE(project.word(1).value(0), QString("word2"));
}

// Sentences over sentences ask for "ok" first; a refusal changes nothing.
void tst_authoring::sentenceimport()
{
    QVERIFY(startproject(1, 2));
    DialogDriver refuse;
    answerinput(refuse, "yes");
    QVERIFY(writefile(path("sources/other.txt"), QByteArray("Other.\n别的。\n")));
    QVERIFY(run("pushButton_151", refuse));
    QCOMPARE(rows("listWidget_6"), QStringList() << "s1_Sentence 1." << "s2_Sentence 2.");

    // A chooser cancelled after "ok" leaves the record as it was.
    DialogDriver cancel;
    answerinput(cancel, "ok");
    answerchooser(cancel, QString());
    QVERIFY(run("pushButton_151", cancel));
    QVERIFY(click("pushButton_152"));
    QCOMPARE(list("listWidget_6")->count(), 2);

    QVERIFY(importsentences(QByteArray("Other.\n别的。\n"), "ok"));
    QCOMPARE(rows("listWidget_6"), QStringList() << "s1_Other.");
    QCOMPARE(find<QLineEdit>("lineEdit_3")->text(), QStringLiteral("别的。"));
    QCOMPARE(savedproject().sentcount(), 1);
}

// A sound left from earlier work belongs to the new item of its number;
// deleting it asks nothing.
void tst_authoring::reimportkeepssounds()
{
    QVERIFY(startproject(2, 0));
    QVERIFY(QFile::copy(makemp3("old.mp3"), material("w2.mp3")));
    QVERIFY(importwords(QByteArray("new\n[nju:]\n新\nnewer\n[]\n更新\n"), "ok"));
    list("listWidget")->setCurrentRow(1);
    QVERIFY2(find<QPushButton>("pushButton_34")->isEnabled(), "the old w2.mp3 is not offered for word 2");
    QVERIFY2(!find<QPushButton>("pushButton_46")->isEnabled(), "import is offered over an existing sound");
    QVERIFY(click("pushButton_35"));
    QVERIFY2(!QFile::exists(material("w2.mp3")), "the sound was not deleted");
    QVERIFY(find<QPushButton>("pushButton_46")->isEnabled() && find<QPushButton>("pushButton_32")->isEnabled());
    QVERIFY(!find<QPushButton>("pushButton_34")->isEnabled());
}

void tst_authoring::wordediting()
{
    QVERIFY(startproject(5, 0));
    QVERIFY(click("pushButton_23"));
    list("listWidget")->setCurrentRow(2);
    QLineEdit *phonetic = find<QLineEdit>("lineEdit");
    phonetic->clear();
    QTest::keyClicks(phonetic, "h1");
    QCOMPARE(phonetic->text(), QStringLiteral("hæ"));
    QCOMPARE(phonetic->cursorPosition(), 2);
    phonetic->setCursorPosition(1);
    QTest::keyClicks(phonetic, "`");
    QCOMPARE(phonetic->text(), QStringLiteral("hˈæ"));
    QCOMPARE(phonetic->cursorPosition(), 2);
    find<QLineEdit>("lineEdit_2")->setText("meaning 3");
    // Moving to another row stores the row left.
    list("listWidget")->setCurrentRow(4);
    list("listWidget")->setCurrentRow(2);
    QCOMPARE(phonetic->text(), QStringLiteral("hˈæ"));
    QCOMPARE(find<QLineEdit>("lineEdit_2")->text(), QString("meaning 3"));
    // Reloading drops an edit not stored.
    find<QLineEdit>("lineEdit_2")->setText("lost");
    QVERIFY(click("pushButton_149"));
    QCOMPARE(list("listWidget")->currentRow(), 0);
    list("listWidget")->setCurrentRow(2);
    QCOMPARE(find<QLineEdit>("lineEdit_2")->text(), QString("meaning 3"));
    // An empty transcription is stored as [].
    phonetic->setText("  ");
    QVERIFY(click("pushButton_baocun_7"));
    const MBook project = savedproject();
    QCOMPARE(project.word(2), QStringList() << "word3" << "[]" << "meaning 3" << "w3.mp3");
    QCOMPARE(project.word(3).value(1), QStringLiteral("[wæd]"));
}

// Fields as long as a project holds are shown, stored and saved whole;
// typing cannot make them longer.
void tst_authoring::longfields()
{
    const int longest = int(MReader::stringlimit / 2);
    const QByteArray transcription(longest - 2, 'e');
    const QByteArray meaning(longest, 'm');
    const QByteArray translation(longest, 't');
    start();
    QVERIFY(click("pushButton_shengchengxiangmu"));
    QVERIFY(click("pushButton_23"));
    QVERIFY(importwords("one\n[" + transcription + "]\n" + meaning + "\ntwo\n[t]\n二\n"));
    list("listWidget")->setCurrentRow(1);
    list("listWidget")->setCurrentRow(0);
    QVERIFY2(find<QLineEdit>("lineEdit_2")->text() == QString(meaning), "the long meaning was cut in its field");
    QTest::keyClicks(find<QLineEdit>("lineEdit_2"), "x");
    QTest::keyClicks(find<QLineEdit>("lineEdit"), "x");
    QVERIFY(click("pushButton_22"));
    QVERIFY(importsentences("Go!\n" + translation + "\n"));
    QTest::keyClicks(find<QLineEdit>("lineEdit_3"), "x");
    QVERIFY(click("pushButton_baocun_8"));
    QVERIFY(click("pushButton_23"));
    const MBook project = savedproject();
    QVERIFY2(project.word(0).value(1) == "[" + QString(transcription) + "]", "the long transcription was not kept whole");
    QVERIFY2(project.word(0).value(2) == QString(meaning), "the long meaning was not kept whole");
    QVERIFY2(project.sentence(0).value(1) == QString(translation), "the long translation was not kept whole");
}

void tst_authoring::nextwithoutsound()
{
    QVERIFY(startproject(4, 0));
    for (int n : {1, 2, 4})
        QVERIFY(QFile::copy(makemp3(QString("%1.mp3").arg(n)), material(QString("w%1.mp3").arg(n))));
    QVERIFY(click("pushButton_149"));
    list("listWidget")->setCurrentRow(3);
    QVERIFY(click("pushButton_baocun_4"));
    QCOMPARE(list("listWidget")->currentRow(), 2);
    QVERIFY(click("pushButton_baocun_4"));
    QCOMPARE(list("listWidget")->currentRow(), 2);
    QVERIFY(QFile::copy(path("sources/1.mp3"), material("w3.mp3")));
    QCOMPARE(clickmessage("pushButton_baocun_4"), QStringLiteral("所有单词都已经完整"));

    QVERIFY(click("pushButton_22"));
    QVERIFY(importsentences(sentencefile(1)));
    QVERIFY(QFile::copy(path("sources/1.mp3"), material("s1.mp3")));
    QCOMPARE(clickmessage("pushButton_baocun_6"), QStringLiteral("所有句子都已经完整"));
}

// Lists of the association and lesson pages are refilled after the words or
// sentences changed, so no row stands for an item that is gone.
void tst_authoring::staleassociation()
{
    QVERIFY(startproject(3, 3));
    QVERIFY(click("pushButton_3"));
    QCOMPARE(list("listWidget_danci_danci")->count(), 3);
    QVERIFY(click("pushButton_4"));
    QCOMPARE(list("listWidget_wenzhang_wei")->count(), 3);
    QVERIFY(click("pushButton_23"));
    QVERIFY(importwords(QByteArray("only\n[]\n唯一\n"), "ok"));
    QVERIFY(click("pushButton_22"));
    DialogDriver clear;
    answerinput(clear, "ok");
    QVERIFY(run("pushButton_150", clear));
    QVERIFY(importsentences(QByteArray("One.\n一。\n")));
    QVERIFY(click("pushButton_3"));
    QCOMPARE(rows("listWidget_danci_danci"), QStringList() << "only");
    QCOMPARE(rows("listWidget_danci_juzi"), QStringList() << "One.");
    QCOMPARE(text("label_xuanzedanci"), QString("only"));
    QVERIFY(click("pushButton_zidongzhiding"));
    QCOMPARE(savedproject().wordsentence(0), -1);
    window.reset(new Widget);
    QVERIFY(click("pushButton_3"));
    list("listWidget_danci_juzi")->setCurrentRow(0);
    QVERIFY(click("pushButton_zidongzhiding"));
    QVERIFY(click("pushButton_4"));
    QCOMPARE(rows("listWidget_wenzhang_wei"), QStringList() << "One.");
    const MBook project = savedproject();
    QCOMPARE(project.wordsentence(0), 0);
}

void tst_authoring::association()
{
    QVERIFY(startproject(5, 3));
    QVERIFY(click("pushButton_3"));
    QListWidget *words = list("listWidget_danci_danci");
    QListWidget *sentences = list("listWidget_danci_juzi");
    // The arrow keys move like a click.
    words->setFocus();
    QTest::keyClick(words, Qt::Key_Down);
    QCOMPARE(words->currentRow(), 1);
    QCOMPARE(text("label_xuanzedanci"), QString("word2"));
    QCOMPARE(text("label_xuanzeyinbiao"), QStringLiteral("[wæd]"));
    QCOMPARE(text("label_xuanzeciyi"), QStringLiteral("词2"));
    QCOMPARE(sentences->currentRow(), -1);
    QTest::keyClick(sentences, Qt::Key_Down);
    QCOMPARE(text("label_guanlianjuzi"), QString("Sentence 1."));
    QCOMPARE(text("label_guanlianjuyi"), QStringLiteral("句子1"));

    QVERIFY(click("pushButton_zidongzhiding"));
    QVERIFY(click("pushButton_xiayigedanci"));
    QCOMPARE(words->currentRow(), 3);
    QVERIFY(click("pushButton_xiayigedanci"));
    QCOMPARE(words->currentRow(), 4);
    sentences->setCurrentRow(2);
    QVERIFY(click("pushButton_zhiding"));
    words->setCurrentRow(3);
    sentences->setCurrentRow(2);
    QVERIFY(click("pushButton_zhiding"));
    QCOMPARE(clickmessage("pushButton_xiayigedanci"), QStringLiteral("所有的单词已经关联了句子"));
    words->setCurrentRow(0);
    QCOMPARE(sentences->currentRow(), 0);
    QCOMPARE(text("label_8"), QStringLiteral("当前句子（已经和当前单词关联）"));
    sentences->setCurrentRow(1);
    QCOMPARE(text("label_8"), QStringLiteral("当前句子"));
    QVERIFY(click("pushButton_quxiaozhiding"));
    QCOMPARE(sentences->currentRow(), -1);
    QCOMPARE(text("label_guanlianjuzi"), QString());
    const MBook project = savedproject();
    QCOMPARE(QList<int>() << project.wordsentence(0) << project.wordsentence(1) << project.wordsentence(2)
                          << project.wordsentence(3) << project.wordsentence(4),
             QList<int>() << -1 << 1 << 2 << 2 << 2);
}

void tst_authoring::lessons()
{
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton_4"));
    find<QLineEdit>("lineEdit_kewenmingcheng")->setText("A");
    QCOMPARE(clickmessage("pushButton_17"), QStringLiteral("请先导入句子，再新建课文"));
    QVERIFY2(list("listWidget_wenzhang")->count() == 0, "a lesson the record refused is listed");
    find<QLineEdit>("lineEdit_kewenmingcheng")->clear();
    QCOMPARE(clickmessage("pushButton_17"), QStringLiteral("请在“课文”下面的文本框中输入课文名称"));

    QVERIFY(click("pushButton_22"));
    QVERIFY(importsentences(sentencefile(6)));
    QVERIFY(click("pushButton_4"));
    for (const char *name : {"A", "B", "C"}) {
        find<QLineEdit>("lineEdit_kewenmingcheng")->setText(name);
        QVERIFY(click("pushButton_17"));
    }
    list("listWidget_wenzhang")->setCurrentRow(1);
    find<QLineEdit>("lineEdit_kewenmingcheng")->setText("N");
    QVERIFY(click("pushButton_17"));
    QCOMPARE(rows("listWidget_wenzhang"), QStringList() << "A" << "B" << "N" << "C");
    QCOMPARE(list("listWidget_wenzhang")->currentRow(), 3);

    QListWidget *all = list("listWidget_wenzhang_wei");
    all->clearSelection();
    all->item(5)->setSelected(true);
    all->item(2)->setSelected(true);
    QVERIFY(click("pushButton_jiaru"));
    all->clearSelection();
    QCOMPARE(rows("listWidget_wenzhang_han"), QStringList() << "Sentence 3." << "Sentence 6.");
    list("listWidget_wenzhang_han")->setCurrentRow(0);
    all->item(0)->setSelected(true);
    all->item(2)->setSelected(true);
    QVERIFY(click("pushButton_jiaru"));
    QCOMPARE(rows("listWidget_wenzhang_han"),
             QStringList() << "Sentence 3." << "Sentence 1." << "Sentence 3." << "Sentence 6.");
    QCOMPARE(list("listWidget_wenzhang_han")->currentRow(), 2);
    list("listWidget_wenzhang_han")->clearSelection();
    list("listWidget_wenzhang_han")->item(3)->setSelected(true);
    QVERIFY(click("pushButton_quchu"));
    QVERIFY(click("pushButton_xinjianorguanlian"));
    QCOMPARE(rows("listWidget_wenzhang_han_2"), QStringList() << "Sentence 3." << "Sentence 1." << "Sentence 3.");

    find<QCheckBox>("checkBox")->setChecked(true);
    QTest::mouseClick(list("listWidget_wenzhang")->viewport(), Qt::LeftButton, {},
                      list("listWidget_wenzhang")->visualItemRect(list("listWidget_wenzhang")->item(0)).center());
    QCOMPARE(text("label_9"), QStringLiteral("特别提示：A"));
    QVERIFY2(rows("listWidget_wenzhang_han_2").isEmpty(), "lesson A lists sentences");

    list("listWidget_wenzhang")->setCurrentRow(2);
    QVERIFY(click("pushButton_shanchukewen"));
    QCOMPARE(rows("listWidget_wenzhang"), QStringList() << "A" << "B" << "C");
    const MBook project = savedproject();
    QCOMPARE(project.lessoncount(), 3);
    QCOMPARE(project.getlessonitems(2), QList<int>() << 2 << 0 << 2);
}

void tst_authoring::displayinfos()
{
    QVERIFY(writefile(path("sources/four.jpg"), jpegfile(Qt::green, 50, 50)));
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton_2"));
    QVERIFY2(haspicture("graphicsView_7", QSize(175, 131)), "no default picture in the big view");
    QVERIFY2(haspicture("graphicsView_4", QSize(105, 78)), "no default thumbnail");
    clickview("graphicsView_3");
    find<QLineEdit>("lineEdit_shuoming_2")->setText(" two ");
    clickview("graphicsView_5");
    QCOMPARE(text("label_15"), QStringLiteral("当前显示第四个展示信息"));
    DialogDriver picture;
    answerchooser(picture, path("sources/four.jpg"));
    QVERIFY(run("pushButton_xuantu_2", picture));
    QCOMPARE(text("label_tupianweizhi_2"), path("sources/four.jpg"));
    QVERIFY(click("pushButton_baocun_2"));
    clickview("graphicsView_3");
    QCOMPARE(find<QLineEdit>("lineEdit_shuoming_2")->text(), QString(" two "));
    clickview("graphicsView_5");
    QVERIFY(click("pushButton_shantu_2"));
    QCOMPARE(text("label_tupianweizhi_2"), QString());
    const MBook project = savedproject();
    MBook copy = project;
    QCOMPARE(copy.showtext2(), QStringList() << " two " << "" << "");
    QCOMPARE(copy.showtext4(), QStringList() << "" << "" << "");
}

bool tst_authoring::choosepicture(const char *button, const QString &file)
{
    DialogDriver driver;
    answerchooser(driver, file);
    return textbookfixture::run(window.data(), button, driver);
}

// The colour in the middle of the picture the view shows.
QColor tst_authoring::showncolor(const char *view) const
{
    const QImage shown = shownpicture(find<QGraphicsView>(view)).toImage();
    return shown.isNull() ? QColor() : shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

static QString unreadable(const QString &path)
{
    return QStringLiteral("图片文件无法读取：") + path;
}

// A camera photo is shown and stored at the size of its views and the textbook.
void tst_authoring::camerapicture()
{
    QVERIFY(writefile(path("sources/photo.jpg"), jpegfile(Qt::red, 6000, 4000)));
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton"));
    QVERIFY2(choosepicture("pushButton_xuantu", path("sources/photo.jpg")), "the cover's chooser was left open");
    QVERIFY2(haspicture("graphicsView", QSize(175, 131)), "the cover page does not show the photo at its view's size");
    QVERIFY2(showncolor("graphicsView").red() > 200, "the cover page shows another picture than the photo");
    QVERIFY(click("pushButton_2"));
    QVERIFY2(choosepicture("pushButton_xuantu_2", path("sources/photo.jpg")), "the display's chooser was left open");
    QVERIFY2(showncolor("graphicsView_7").red() > 200, "the display page does not show the photo");

    QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材已经在素材位置生成"));
    MBook book = textbook("book.zemBook");
    for (const QByteArray &bytes : {book.getinfopic(), book.getshowpic1()}) {
        const QImage stored = QImage::fromData(bytes, "JPG");
        QVERIFY2(stored.size() == QSize(400, 300), "the textbook does not hold the photo at 400x300");
        QVERIFY2(stored.pixelColor(200, 150).red() > 200, "the textbook holds another picture than the photo");
    }
}

// The textbook stores a picture's pixels only, within the bound the import
// leaves room for: not the text a picture file carries, even on noise.
void tst_authoring::storedpictures()
{
    QImage noise(400, 300, QImage::Format_RGB32);
    quint32 state = 1;
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            noise.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    }
    QVERIFY(noise.save(path("sources/noise.png")));
    QImage commented(800, 600, QImage::Format_RGB32);
    commented.fill(Qt::red);
    commented.setText("Description", QString(60000, QLatin1Char('c')));
    QVERIFY(commented.save(path("sources/commented.jpg")));
    QVERIFY2(QImage(path("sources/commented.jpg")).text("Description").size() == 60000, "the comment was not saved");

    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton"));
    QVERIFY(choosepicture("pushButton_xuantu", path("sources/noise.png")));
    QVERIFY(click("pushButton_2"));
    QVERIFY(choosepicture("pushButton_xuantu_2", path("sources/commented.jpg")));
    QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材已经在素材位置生成"));
    MBook book = textbook("book.zemBook");
    const QByteArray cover = book.getinfopic();
    const QByteArray shown = book.getshowpic1();
    QVERIFY2(cover.size() > 50000 && cover.size() <= Widget::StoredPictureBytes,
             qPrintable(QString("the noise is stored in %1 bytes").arg(cover.size())));
    QVERIFY2(shown.size() < 20000, qPrintable(QString("the red picture is stored in %1 bytes").arg(shown.size())));
    const QImage stored = QImage::fromData(shown, "JPG");
    QVERIFY2(stored.size() == QSize(400, 300) && stored.textKeys().isEmpty(), "the stored picture kept the file's text");
}

void tst_authoring::unreadablepicture_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("view");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray garbage("not a picture at all");
    const QByteArray bomb = testpictures::oversizedjpeg();
    QTest::newRow("cover, no picture") << QByteArray("pushButton_xuantu") << QByteArray("graphicsView")
                                       << QByteArray("label_tupianweizhi") << garbage;
    QTest::newRow("cover, oversized") << QByteArray("pushButton_xuantu") << QByteArray("graphicsView")
                                      << QByteArray("label_tupianweizhi") << bomb;
    QTest::newRow("display, no picture") << QByteArray("pushButton_xuantu_2") << QByteArray("graphicsView_7")
                                         << QByteArray("label_tupianweizhi_2") << garbage;
    QTest::newRow("display, oversized") << QByteArray("pushButton_xuantu_2") << QByteArray("graphicsView_7")
                                        << QByteArray("label_tupianweizhi_2") << bomb;
    for (const auto &header : testpictures::bombs()) {
        QTest::newRow(QByteArray("cover, ") + header.first)
            << QByteArray("pushButton_xuantu") << QByteArray("graphicsView") << QByteArray("label_tupianweizhi")
            << header.second;
    }
    QTest::newRow("cover, progressive JPEG stating 11585x11585")
        << QByteArray("pushButton_xuantu") << QByteArray("graphicsView") << QByteArray("label_tupianweizhi")
        << testpictures::progressivebomb();
    QTest::newRow("cover, JPEG of 20000 scans") << QByteArray("pushButton_xuantu") << QByteArray("graphicsView")
                                                << QByteArray("label_tupianweizhi") << testpictures::manyscansjpeg();
    QTest::newRow("display, JPEG of 20000 scans")
        << QByteArray("pushButton_xuantu_2") << QByteArray("graphicsView_7") << QByteArray("label_tupianweizhi_2")
        << testpictures::manyscansjpeg();
    QTest::newRow("display, progressive JPEG stating 11585x11585")
        << QByteArray("pushButton_xuantu_2") << QByteArray("graphicsView_7") << QByteArray("label_tupianweizhi_2")
        << testpictures::progressivebomb();
    QTest::newRow("cover, JPEG of 20000 scans within the coefficient budget")
        << QByteArray("pushButton_xuantu") << QByteArray("graphicsView") << QByteArray("label_tupianweizhi")
        << testpictures::manyscansjpeg(20000, 1024);
}

// A file that holds no readable picture is refused and the picture chosen before stays.
void tst_authoring::unreadablepicture()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, view);
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, bytes);
    QVERIFY(writefile(path("sources/good.jpg"), jpegfile(Qt::blue, 640, 480)));
    QVERIFY(writefile(path("sources/bad.jpg"), bytes));
    QVERIFY(startproject(0, 0));
    QVERIFY(click(label == "label_tupianweizhi" ? "pushButton" : "pushButton_2"));
    QVERIFY2(choosepicture(button, path("sources/good.jpg")), "the chooser was left open");
    QString shown;
    DialogDriver bad;
    answerchooser(bad, path("sources/bad.jpg"));
    bad.readmessage(&shown);
    QVERIFY(run(button, bad));
    QVERIFY2(shown == unreadable(path("sources/bad.jpg")), qPrintable("no refusal of the file, but: " + shown));
    QVERIFY2(text(label) == path("sources/good.jpg"), "the refused file replaced the chosen picture's path");
    QVERIFY2(showncolor(view).blue() > 200, "the refused file replaced the picture shown");
}

// A picture file gone since it was chosen stops the generation instead of
// leaving an empty picture in the textbook.
void tst_authoring::vanishedpicture()
{
    QVERIFY(writefile(path("sources/cover.jpg"), jpegfile(Qt::red, 640, 480)));
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton"));
    QVERIFY2(choosepicture("pushButton_xuantu", path("sources/cover.jpg")), "the cover's chooser was left open");
    QVERIFY(QFile::remove(path("sources/cover.jpg")));
    QVERIFY2(clickmessage("pushButton_wancheng") == unreadable(path("sources/cover.jpg")),
             "generation did not refuse the missing cover picture");
    QVERIFY2(!QFile::exists(material("book.zemBook")) && !QFile::exists(material("rand.zemBook")),
             "a textbook was generated without its cover picture");
}

// The encoder's folder is asked for when the remembered one is gone.
void tst_authoring::findencoder()
{
    QVERIFY(startproject(1, 0, path("sources/gone/lame")));
    QVERIFY(click("pushButton_23"));
    QString shown;
    DialogDriver nolame;
    answerchooser(nolame, path("sources"));
    nolame.readmessage(&shown);
    QVERIFY(run("pushButton_32", nolame));
    QCOMPARE(shown, QStringLiteral("所选位置没有lame,将无法录音"));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("录音"));

    DialogDriver cancelled;
    answerchooser(cancelled, QString());
    cancelled.readmessage(&shown);
    QVERIFY(run("pushButton_32", cancelled));
    QCOMPARE(shown, QStringLiteral("需要使用lame才能录音"));

    QVERIFY(QDir().mkpath(path("sources/bin")));
    QVERIFY(QFile::link("/usr/bin/lame", path("sources/bin/lame")));
    DialogDriver found;
    answerchooser(found, path("sources/bin"));
    QVERIFY(run("pushButton_32", found));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("停止"));
    QVERIFY2(captured(500), "the recorder captured too little");
    QVERIFY(stoprecording("pushButton_32"));
    QVERIFY2(soundcheck::seconds(material("w1.mp3")) > 0.2, "no MP3 through the encoder found");
    window.reset();
    QSettings settings(bookmakerfiles::settingspath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    QCOMPARE(settings.value("/pos/lame").toString(), path("sources/bin/lame"));
}

void tst_authoring::recordrefused_data()
{
    QTest::addColumn<QString>("encoder");
    QTest::addColumn<QString>("message");
    const QString unconverted = QStringLiteral("lame没能把录音转换成MP3文件");
    const QString target = QStringLiteral("for a; do t=$a; done; ");
    QTest::newRow("failing encoder") << "exit 3" << unconverted;
    QTest::newRow("no output") << "exit 0" << unconverted;
    QTest::newRow("empty output") << target + ": > \"$t\"" << unconverted;
    QTest::newRow("junk output") << target + "head -c 102400 /dev/zero | tr '\\0' x > \"$t\"" << unconverted;
    QTest::newRow("zeros") << target + "head -c 102400 /dev/zero > \"$t\"" << unconverted;
    QTest::newRow("oversized") << target + "printf '\\377\\373\\220\\144' > \"$t\"; truncate -s 65M \"$t\"" << unconverted;
    QTest::newRow("frame sync, noise") << target + "printf '\\377\\373\\220\\144' > \"$t\"; cat NOISE >> \"$t\"" << unconverted;
    QTest::newRow("ID3v2 header, frame sync, noise")
        << target + "printf 'ID3\\3\\0\\0\\0\\0\\0\\0\\377\\373\\220\\144' > \"$t\"; cat NOISE >> \"$t\"" << unconverted;
    QTest::newRow("MP3, noise") << "/usr/bin/lame \"$@\" && " + target + "cat NOISE >> \"$t\"" << unconverted;
    QTest::newRow("encoder gone before the stop") << "" << QStringLiteral("需要使用lame才能录音");
}

// The capture always stops at the stop press; a failed encoding leaves no
// MP3 and says so.
void tst_authoring::recordrefused()
{
    QFETCH(QString, encoder);
    QFETCH(QString, message);
    QVERIFY(writefile(path("sources/noise"), soundcheck::noise(102400)));
    const QString lame = encoderscript(QString(encoder).replace("NOISE", "'" + path("sources/noise") + "'"));
    QVERIFY(startproject(1, 0, lame));
    QVERIFY(click("pushButton_23"));
    QVERIFY(click("pushButton_32"));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("停止"));
    QVERIFY2(captured(300), "the recorder captured too little");
    if (encoder.isEmpty())
        QVERIFY(QFile::remove(lame));
    QString shown;
    DialogDriver driver;
    if (encoder.isEmpty())
        answerchooser(driver, QString());
    driver.readmessage(&shown);
    QVERIFY(stoprecording("pushButton_32", driver));
    QCOMPARE(shown, message);
    QVERIFY2(!QFile::exists(material("w1.mp3")), "a failed encoding left an MP3");
    QVERIFY2(find<QPushButton>("pushButton_32")->isEnabled() && find<QPushButton>("pushButton_46")->isEnabled(),
             "recording and import are not offered again");
}

// Whether the process is gone or a zombie no one reaps.
static bool ended(const QByteArray &pid)
{
    QFile stat("/proc/" + QString::fromLatin1(pid) + "/stat");
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
}

// A hung encoder is killed at its time-out, with the process it started,
// and the author is told; a close meanwhile waits for that.
void tst_authoring::encodingclosed()
{
    const QString childpid = path("child.pid");
    const QString lame = encoderscript("sleep 600 &\necho $! > '" + childpid + "'\nexec sleep 600");
    QVERIFY(startproject(1, 0, lame));
    QVERIFY(click("pushButton_23"));
    QVERIFY(click("pushButton_32"));
    QVERIFY2(captured(300), "the recorder captured too little");
    const int timeout = 1000;
    window->findChild<MyThread *>()->settimeout(timeout);
    QElapsedTimer encoding;
    encoding.start();
    QVERIFY(click("pushButton_32"));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("转换中"));
    QTRY_VERIFY2(QFileInfo(childpid).size() > 0, "the encoder did not start its child");
    QString shown;
    DialogDriver driver;
    driver.readmessage(&shown);
    QVERIFY2(closewindow(driver), "the close told the author nothing");
    QVERIFY2(encoding.elapsed() >= timeout, "the close did not wait for the encoder");
    QVERIFY2(!window->isVisible(), "the window did not close");
    QCOMPARE(shown, QStringLiteral("lame没能把录音转换成MP3文件"));
    QFile pidfile(childpid);
    QVERIFY(pidfile.open(QIODevice::ReadOnly));
    const QByteArray pid = pidfile.readAll().trimmed();
    QTRY_VERIFY2(ended(pid), "the encoder's child outlived the time-out");
    QVERIFY2(!QFile::exists(material("w1.mp3")), "a killed encoding left an MP3");
}

void tst_authoring::slowencoder_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("page change") << "page";
    QTest::newRow("close") << "close";
    QTest::newRow("generation") << "generate";
}

// An encoder slower than the author: the stopped recording becomes the
// row's sound whatever the author does meanwhile, and nothing else records,
// imports or generates with that sound while it is encoded.
void tst_authoring::slowencoder()
{
    QFETCH(QString, how);
    const QString started = path("started");
    const QString gate = path("gate");
    const QString lame = encoderscript(": > '" + started + "'\ni=0\nwhile [ ! -e '" + gate
                                       + "' ] && [ $i -lt 3000 ]; do sleep 0.01; i=$((i+1)); done\n"
                                       + "exec /usr/bin/lame \"$@\"");
    QVERIFY(startproject(2, 1, lame));
    QVERIFY(QFile::copy(makemp3("tone.mp3"), material("w2.mp3")));
    QVERIFY(QFile::copy(path("sources/tone.mp3"), material("s1.mp3")));
    QVERIFY(click("pushButton_23"));
    QVERIFY(click("pushButton_32"));
    QVERIFY2(captured(500), "the recorder captured too little");

    QString shown;
    QString later;
    DialogDriver driver;
    driver.readmessage(&shown);
    driver.readmessage(&later);
    const auto opengate = [&] { QVERIFY(writefile(gate, QByteArray())); };
    bool acted = false;
    // Acts once the encoder runs, however the stop press waits for it.
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!QFile::exists(started))
            return;
        watch.stop();
        acted = true;
        QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("转换中"));
        QVERIFY2(!find<QPushButton>("pushButton_32")->isEnabled() && !find<QPushButton>("pushButton_46")->isEnabled(),
                 "recording or import is offered for the sound being encoded");
        list("listWidget")->setCurrentRow(1);
        QVERIFY2(!find<QPushButton>("pushButton_32")->isEnabled() && find<QPushButton>("pushButton_34")->isEnabled(),
                 "while encoding, another row can be recorded or not listened to");
        list("listWidget")->setCurrentRow(0);
        QVERIFY2(!find<QPushButton>("pushButton_46")->isEnabled(), "import is offered again for the sound being encoded");
        if (how == "page") {
            QVERIFY(QFile::remove(material("s1.mp3")));
            find<QPushButton>("pushButton_22")->click();
            QCOMPARE(page(), 5);
            QVERIFY2(!find<QPushButton>("pushButton_155")->isEnabled(), "a recording can start while encoding");
            opengate();
        } else if (how == "close") {
            QTimer::singleShot(0, this, opengate);
            window->close();
            QVERIFY2(!window->isVisible(), "the window did not close");
            QVERIFY2(QFile::exists(material("w1.mp3")), "the close did not wait for the encoding");
        } else {
            QTimer::singleShot(0, this, opengate);
            find<QPushButton>("pushButton_wancheng_4")->click();
        }
    });
    watch.start(10);
    driver.start();
    find<QPushButton>("pushButton_32")->click();
    QTRY_VERIFY2_WITH_TIMEOUT(acted && find<QPushButton>("pushButton_32")->text() == QStringLiteral("录音"),
                              "the encoding did not end", 60000);
    if (how == "page")
        QVERIFY2(find<QPushButton>("pushButton_155")->isEnabled(), "recording is not offered after the encoding");
    if (how == "generate") {
        QCOMPARE(shown, QStringLiteral("教材已经在素材位置生成"));
        shown.clear();
        QCOMPARE(textbook("book.zemBook").wordcount(), 2);
    }
    QVERIFY2(shown.isEmpty() && later.isEmpty(), qPrintable("the author was told " + shown + later));
    QVERIFY2(soundcheck::seconds(material("w1.mp3")) > 0.3, "the stopped recording was not kept");
}

// An encoder that leaves a process outside its group, writing into the
// encoder's output after that was checked: the sound kept is a file no
// encoder process can write, and the output is gone.
void tst_authoring::escapedencoder()
{
    const QString gate = path("gate");
    const QString detached = path("detached");
    const QString written = path("written");
    const QString outputname = path("outputname");
    const QString mp3 = makemp3("tone.mp3", 1.3);
    QVERIFY(writefile(path("sources/noise"), soundcheck::noise(100000)));
    const QString wait = "i=0; while [ ! -e \"$%1\" ] && [ $i -lt 3000 ]; do sleep 0.01; i=$((i+1)); done; ";
    const QString lame = encoderscript(
        "for a; do t=$a; done\n"
        "cat '" + mp3 + "' > \"$t\"\n"
        "echo \"$t\" > '" + outputname + "'\n"
        "setsid sh -c ': > \"$1\"; " + wait.arg(0) + "cat \"$2\" >&3; : > \"$3\"' '" + gate + "' '" + detached + "' '"
        + path("sources/noise") + "' '" + written + "' 3>>\"$t\" &\n"
        "d='" + detached + "'; " + wait.arg("d"));
    QVERIFY(startproject(1, 0, lame));
    QVERIFY(click("pushButton_23"));
    QVERIFY(click("pushButton_32"));
    QVERIFY2(captured(300), "the recorder captured too little");
    QVERIFY(stoprecording("pushButton_32"));
    const QByteArray tone = readall(mp3);
    QVERIFY2(readall(material("w1.mp3")) == tone, "the encoder's MP3 was not kept");
    QVERIFY(writefile(gate, QByteArray()));
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(written), "the escaped process did not write", 30000);
    const QByteArray kept = readall(material("w1.mp3"));
    QVERIFY2(kept == tone, qPrintable(QString("the kept MP3 went from %1 to %2 bytes").arg(tone.size()).arg(kept.size())));
    const QString output = QString::fromLocal8Bit(readall(outputname)).trimmed();
    QVERIFY2(!QFile::exists(output), qPrintable("the encoder's output was left: " + output));
}

// A raw file that cannot be written refuses the recording.
void tst_authoring::rawunwritable()
{
    const QString raw = QCoreApplication::applicationDirPath() + "/temp.raw";
    QFile::remove(raw);
    QVERIFY2(QDir().mkpath(raw), "no folder in the raw file's place");
    QVERIFY(startproject(1, 0));
    QVERIFY(click("pushButton_23"));
    const QString shown = clickmessage("pushButton_32");
    QDir(raw).removeRecursively();
    QCOMPARE(shown, QStringLiteral("无法写入录音文件") + QDir::toNativeSeparators(raw));
    QCOMPARE(find<QPushButton>("pushButton_32")->text(), QStringLiteral("录音"));
    QVERIFY(find<QPushButton>("pushButton_46")->isEnabled());
}

// Leaving the page drops the capture: no MP3, the button idle again.
void tst_authoring::pagechangestopsrecording()
{
    QVERIFY(startproject(0, 1));
    QVERIFY(click("pushButton_155"));
    QCOMPARE(find<QPushButton>("pushButton_155")->text(), QStringLiteral("停止"));
    QVERIFY2(captured(300), "the recorder captured too little");
    QVERIFY(click("pushButton_23"));
    QCOMPARE(find<QPushButton>("pushButton_155")->text(), QStringLiteral("录音"));
    QVERIFY(click("pushButton_22"));
    QVERIFY2(!QFile::exists(material("s1.mp3")), "the dropped capture became an MP3");
    QVERIFY(find<QPushButton>("pushButton_155")->isEnabled());
}

void tst_authoring::missingsound()
{
    QVERIFY(startproject(2, 3));
    for (const char *name : {"w1.mp3", "w2.mp3", "s1.mp3", "s2.mp3"})
        QVERIFY(QFile::copy(makemp3("tone.mp3"), material(name)) || QFile::exists(material(name)));
    QFile::remove(material("w2.mp3"));
    QCOMPARE(clickmessage("pushButton_wancheng_5"), QStringLiteral("声音文件缺失： w2.mp3"));
    QVERIFY(QFile::copy(path("sources/tone.mp3"), material("w2.mp3")));
    QCOMPARE(clickmessage("pushButton_wancheng_5"), QStringLiteral("声音文件缺失： s3.mp3"));
    QVERIFY2(!QFile::exists(material("book.zemBook")) && !QFile::exists(material("rand.zemBook")),
             "a textbook was written without its sounds");
    QCOMPARE(page(), 5);
}

// A folder with a finished textbook is never generated into again.
void tst_authoring::generatedonce()
{
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton_22"));
    MBook other;
    QVERIFY(other.write(material("rand.zemBook"), true) && other.write(material("book.zemBook"), true));
    const QByteArray before = readall(material("rand.zemBook"));
    QCOMPARE(clickmessage("pushButton_wancheng_5"), QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
    QCOMPARE(readall(material("rand.zemBook")), before);
    QCOMPARE(readall(material("book.zemBook")), before);

    QVERIFY(QFile::remove(material("rand.zemBook")) && QFile::remove(material("book.zemBook")));
    QCOMPARE(clickmessage("pushButton_wancheng_5"), QStringLiteral("教材已经在素材位置生成"));
    QCOMPARE(page(), 0);
    QCOMPARE(textbook("book.zemBook").wordcount(), 0);
}

// A textbook that cannot be written is reported, and no half is left.
void tst_authoring::failedwrite()
{
    QVERIFY(startproject(0, 0));
    QVERIFY(click("pushButton_2"));
    QVERIFY(QDir(path("material")).removeRecursively());
    QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材文件写入失败，没有生成教材"));
    QCOMPARE(page(), 1);
    QVERIFY(!QFile::exists(material("rand.zemBook")));
}

void tst_authoring::importgenerates_data()
{
    QTest::addColumn<qint64>("room");
    QTest::addColumn<QString>("message");
    QTest::newRow("room for the stored pictures")
        << qint64(6 * Widget::StoredPictureBytes + (64 << 10)) << QString();
    QTest::newRow("room for the project alone")
        << qint64(16 << 10) << QStringLiteral("单词太多，项目文件装不下，无法导入");
}

// Words whose project leaves no room for the pictures generation stores are
// refused; those taken are generated, and the project saved after that.
void tst_authoring::importgenerates()
{
    QFETCH(qint64, room);
    QFETCH(QString, message);
    start();
    QVERIFY(click("pushButton_shengchengxiangmu"));
    MBook empty;
    QVERIFY(empty.readproject(material("book.pro")));
    const QList<QStringList> items = fillbelowceiling(empty, room);
    QByteArray file;
    for (const QStringList &item : items)
        file += (item.at(0) + "\n" + item.at(1) + "\n" + item.at(2) + "\n").toUtf8();
    QVERIFY(writefile(path("sources/words.txt"), file));
    QVERIFY(click("pushButton_23"));
    QString shown;
    {
        DialogDriver driver;
        answerchooser(driver, path("sources/words.txt"));
        driver.readmessage(&shown);
        textbookfixture::run(window.data(), "pushButton_37", driver);
    }
    QCOMPARE(shown, message);
    if (!message.isEmpty()) {
        QVERIFY2(list("listWidget")->count() == 0, "refused words are listed");
        return;
    }
    QCOMPARE(list("listWidget")->count(), items.size());
    QCOMPARE(clickmessage("pushButton_wancheng_4"), QStringLiteral("教材已经在素材位置生成"));
    QCOMPARE(textbook("rand.zemBook").wordcount(), items.size());
    QCOMPARE(textbook("book.zemBook").word(0), items.first());
    QVERIFY2(!textbook("book.zemBook").getshowpic5().isEmpty(), "the textbook holds no pictures");
    QString unsaved;
    {
        DialogDriver closing;
        closing.readmessage(&unsaved);
        closewindow(closing);
    }
    QVERIFY2(unsaved.isEmpty(), qPrintable("closing after generation said: " + unsaved));
    QVERIFY2(!window->isVisible(), "the window stayed open");
}

// A generation that fails leaves the record as it was: the project still
// saves on closing, without the pictures and date the generation put in.
void tst_authoring::failedgenerationsaves()
{
    MBook project;
    project.setdate(QDate(2025, 6, 7));
    project.setinfo(QStringList() << "full" << "" << "" << "" << "" << "");
    project.setshowtext1(QStringList() << "" << "" << "");
    project.setshowtext2(QStringList() << "" << "" << "");
    project.setshowtext3(QStringList() << "" << "" << "");
    project.setshowtext4(QStringList() << "" << "" << "");
    project.setshowtext5(QStringList() << "" << "" << "");
    // Too little room for the five stored display pictures.
    project.replacewords(fillbelowceiling(project, 1000));
    QVERIFY2(project.write(material("book.pro"), false), "the starting project was not written");
    start();
    QVERIFY(click("pushButton_2"));
    QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材文件写入失败，没有生成教材"));
    QVERIFY(!QFile::exists(material("rand.zemBook")) && !QFile::exists(material("book.zemBook")));
    QString unsaved;
    {
        DialogDriver closing;
        closing.readmessage(&unsaved);
        answerinput(closing, "no");
        closewindow(closing);
    }
    QVERIFY2(unsaved.isEmpty(), qPrintable("closing after the failed generation said: " + unsaved));
    MBook saved;
    QVERIFY2(saved.readproject(material("book.pro")), "the project no longer reads");
    QVERIFY2(saved == project, "the failed generation changed the record");
}

void tst_authoring::pendingedits_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("generation") << "generate";
    QTest::newRow("folder change") << "folder";
    QTest::newRow("window closed") << "close";
}

// Edits still in the fields reach the files.
void tst_authoring::pendingedits()
{
    QFETCH(QString, how);
    QVERIFY(startproject(1, 1));
    QVERIFY(QFile::copy(makemp3("tone.mp3"), material("w1.mp3")));
    QVERIFY(QFile::copy(path("sources/tone.mp3"), material("s1.mp3")));
    QVERIFY(click("pushButton_23"));
    find<QLineEdit>("lineEdit_2")->setText("pending meaning");
    QVERIFY(click("pushButton_22"));
    find<QLineEdit>("lineEdit_3")->setText("pending translation");
    QVERIFY(click("pushButton_2"));
    find<QLineEdit>("lineEdit_shuoming_2")->setText("pending display");
    QVERIFY(click("pushButton"));
    find<QLineEdit>("lineEdit_jiaocaimingcheng")->setText("pending title");

    MBook book;
    if (how == "generate") {
        QVERIFY(click("pushButton_2"));
        QCOMPARE(clickmessage("pushButton_wancheng_3"), QStringLiteral("教材已经在素材位置生成"));
        book = textbook("book.zemBook");
    } else if (how == "folder") {
        DialogDriver cancel;
        answerchooser(cancel, QString());
        QVERIFY(run("pushButton_genggaisucai", cancel));
        QVERIFY(book.readproject(material("book.pro")));
    } else {
        book = savedproject();
    }
    QCOMPARE(book.word(0).value(2), QString("pending meaning"));
    QCOMPARE(book.sentence(0).value(1), QString("pending translation"));
    QCOMPARE(book.showtext1().value(0), QString("pending display"));
    QCOMPARE(book.getinfo().value(0), QString("pending title"));
}

// The fixture's textbook folder is adopted by the learner's data core.
void tst_authoring::fixtureadopts()
{
    QVERIFY2(textbookfixture::generate(path("fixture"), 4, 3), "the fixture made no textbook");
    MUser user;
    QVERIFY2(user.adoptbook(path("fixture/rand.zemBook")), "rand.zemBook cannot be adopted");
    QCOMPARE(user.wordcount(), 4);
    QCOMPARE(user.bookinfo().value(0), QString("Fixture book"));
    QCOMPARE(user.lessonitems(0), QList<int>() << 0 << 1 << 2);
    for (int p = 0; p < 4; ++p) {
        const QStringList item = user.item(p);
        QVERIFY2(item.size() == 4 || item.size() == 7, qPrintable("wrong item " + item.join('|')));
        QVERIFY2(soundcheck::seconds(path("fixture/" + item.at(3))) > 0.2, qPrintable(item.at(3) + " does not decode"));
    }
    MUser natural;
    QVERIFY(natural.adoptbook(path("fixture/book.zemBook")));
    QCOMPARE(natural.item(3).mid(0, 4), QStringList() << "word4" << QStringLiteral("[wæd]") << QStringLiteral("词4") << "w4.mp3");
    QCOMPARE(natural.item(0).mid(4), QStringList() << "Sentence 1." << QStringLiteral("句子1") << "s1.mp3");
}

// The fixture as a program, as tests of other programs run it.
void tst_authoring::maketextbookprogram()
{
    QProcess maker;
    maker.start(MAKETEXTBOOK, QStringList() << path("made") << "2" << "1");
    QVERIFY2(maker.waitForFinished(120000), "maketextbook did not end");
    QVERIFY2(maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0,
             qPrintable("maketextbook failed: " + maker.readAllStandardOutput()));
    MUser user;
    QVERIFY2(user.adoptbook(path("made/book.zemBook")), "the made textbook cannot be adopted");
    QCOMPARE(user.item(0), QStringList() << "word1" << QStringLiteral("[wæd]") << QStringLiteral("词1") << "w1.mp3"
                                         << "Sentence 1." << QStringLiteral("句子1") << "s1.mp3");
    QVERIFY2(QFile::exists(path("made/w2.mp3")) && QFile::exists(path("made/s1.mp3")), "sounds are missing");
}

QTEST_MAIN(tst_authoring)
#include "tst_authoring.moc"
