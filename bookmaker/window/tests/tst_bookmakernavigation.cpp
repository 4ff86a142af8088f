#include "ad.h"
#include "bookmakerfiles.h"
#include "checkreturn.h"
#include "dialogdriver.h"
#include "mbook.h"
#include "mrecord.h"
#include "navigationbars.h"
#include "soundcheck.h"
#include "studyclock.h"
#include "testpictures.h"
#include "testserver.h"
#include "textbookfixture.h"
#include "urlcatcher.h"
#include "widget.h"

#include <QAudioFormat>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <phonon/mediaobject.h>

#include <array>
#include <memory>
#include <vector>

namespace {

const QString FinishedHere = QStringLiteral("为防止当前位置的教材被破坏，放弃任务");
const QString NoProject = QStringLiteral("请先打开或者新建项目");
const QString Host = QStringLiteral(MAKER_HOST);

// The banner place of each page.
const QStringList bannerframes = {"frame_13", "frame_11", "frame_12", "frame_10", "frame_14", "frame_16"};
const QStringList learnmore = {"pushButton_75", "pushButton_76", "pushButton_77",
                               "pushButton_74", "pushButton_78", "pushButton_80"};

// The link served with a banner picture of this colour.
QString colourlink(const QColor &colour)
{
    return QStringLiteral("http://%1.example/").arg(colour.name().mid(1));
}

// One row a page: the page's button of the list.
void addpagerows(const QStringList &buttons)
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    for (int page = 0; page < buttons.size(); ++page)
        QTest::newRow(qPrintable(buttons.at(page))) << buttons.at(page) << page;
}

// The colour in the middle of a banner place, below its learn-more button.
QColor bannercolour(QWidget *frame)
{
    return frame->grab().toImage().pixelColor(frame->width() / 2, frame->height() * 3 / 4);
}

} // namespace

class tst_BookmakerNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttons_data();
    void buttons();
    void ownPageButtonsDisabled();
    void finishedBookRefused_data();
    void finishedBookRefused();
    void noProjectRefused_data();
    void noProjectRefused();
    void bannerRotates();
    void playbackStops();
    void recordingDropped_data();
    void recordingDropped();
    void titleBlockStoredOnLeavingProjectPage();
    void titleBlockNotStoredFromOtherPages();
    void projectPageDatedToday();
    void associationListsFilledOnce();
    void associationWithoutSentences();
    void lessonListsFilled();
    void itemListsFilled_data();
    void itemListsFilled();
    void tutorial_data();
    void tutorial();
    void learnMoreOpensWebLinksOnly_data();
    void learnMoreOpensWebLinksOnly();
    void exit_data();
    void exit();
    void closingStopsPlayback();
    void closingDropsRecording_data();
    void closingDropsRecording();

private:
    template<typename T = QWidget>
    T *find(const QString &name = QString()) const { return window->findChild<T *>(name); }
    QStackedWidget *stack() const { return find<QStackedWidget>(QStringLiteral("stackedWidget")); }
    Phonon::MediaObject *media() const { return find<Phonon::MediaObject>(); }
    MRecord *recorder() const { return find<MRecord>(); }
    // A shown window on a project of the given size; its banner comes from
    // bannerhost and is kept in a folder of its own.
    bool start(int words, int sentences, int lessons, const QString &bannerhost = QStringLiteral(MAKER_HOST));
    // Clicks the button and returns the message it shows ("" for none).
    QString clickreading(const QString &button);
    // Starts a recording on the word (true) or sentence page and waits for sound.
    bool startrecording(bool words);
    // The title block of the project file, after an import of two words has
    // written the record as it stands (an import stores no edits).
    bool savedtitleblock(QStringList *info);
    // The banner hands out first as picture one and the colours served in
    // rotation; rotation gets them in the order of the next ones handed out.
    static bool bannerarrived(ad *banner, const QColor &first, const QList<QColor> &served,
                              QList<QColor> *rotation);

    UrlCatcher catcher;
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_BookmakerNavigation::initTestCase()
{
    catcher.listen();
}

void tst_BookmakerNavigation::init()
{
    dir.reset(new QTemporaryDir);
    catcher.opened.clear();
    bookmakerfiles::setmaterial(dir->path());
}

void tst_BookmakerNavigation::cleanup()
{
    window.reset();
    QFile::remove(bookmakerfiles::settingspath());
}

bool tst_BookmakerNavigation::start(int words, int sentences, int lessons, const QString &bannerhost)
{
    QVERIFY_RETURN(bookmakerfiles::writeproject(dir->path(), words, sentences, lessons),
                   "the project could not be written");
    QVERIFY_RETURN(QDir(dir->path()).mkdir(QStringLiteral("banner")), "no folder for the banner");
    window.reset(new Widget(nullptr, bannerhost, dir->filePath(QStringLiteral("banner"))));
    // Only an open project can be cleared.
    QVERIFY_RETURN(find<QPushButton>(QStringLiteral("pushButton_qingchuxiangmu"))->isEnabled(),
                   "the project was not opened");
    QCOMPARE_RETURN(stack()->currentIndex(), 0);
    return true;
}

QString tst_BookmakerNavigation::clickreading(const QString &button)
{
    QString text;
    DialogDriver driver;
    driver.readmessage(&text);
    driver.start();
    // A message runs modally inside the click; none came when the driver still waits.
    find<QPushButton>(button)->click();
    return text;
}

bool tst_BookmakerNavigation::savedtitleblock(QStringList *info)
{
    const QString words = dir->filePath(QStringLiteral("words.txt"));
    QVERIFY_RETURN(textbookfixture::writefile(words, textbookfixture::wordfile(2)), "the word file could not be written");
    DialogDriver driver;
    textbookfixture::answerinput(driver, QStringLiteral("ok"));
    textbookfixture::answerchooser(driver, words);
    QVERIFY_RETURN(textbookfixture::run(window.data(), "pushButton_37", driver), "the import asked no file");
    MBook saved;
    QVERIFY_RETURN(saved.readproject(dir->filePath(QStringLiteral("book.pro"))), "the project file was not readable");
    QCOMPARE_RETURN(saved.wordcount(), 2);
    *info = saved.getinfo();
    return true;
}

void tst_BookmakerNavigation::buttons_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");

    using navigationbars::bars;
    using navigationbars::shows;
    for (int page = 0; page < bars.size(); ++page) {
        for (int i = 0; i < shows.size(); ++i) {
            if (shows.at(i) != page)
                QTest::newRow(qPrintable(bars.at(page).at(i))) << page << bars.at(page).at(i) << shows.at(i);
        }
    }
}

// Each button of every bar reaches its page while a project is open.
void tst_BookmakerNavigation::buttons()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);
    QVERIFY(start(3, 2, 1));
    stack()->setCurrentIndex(from);
    QCOMPARE(clickreading(button), QString());
    QCOMPARE(stack()->currentIndex(), to);
}

void tst_BookmakerNavigation::ownPageButtonsDisabled()
{
    QVERIFY(start(3, 2, 1));
    const QStringList own = {"pushButton", "pushButton_7", "pushButton_12", "pushButton_13",
                             "pushButton_31", "pushButton_44"};
    for (int page = 0; page < own.size(); ++page) {
        stack()->setCurrentIndex(page);
        QTest::mouseClick(find<QPushButton>(own.at(page)), Qt::LeftButton);
        QVERIFY2(stack()->currentIndex() == page, qPrintable(own.at(page) + " moved away"));
    }
}

void tst_BookmakerNavigation::finishedBookRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("target");

    const QList<QPair<QString, int>> targets = {{"pushButton_2", 1}, {"pushButton_3", 2}, {"pushButton_4", 3},
                                                 {"pushButton_23", 4}, {"pushButton_22", 5}};
    for (const auto &target : targets)
        QTest::newRow(qPrintable(target.first)) << target.first << target.second;
}

// A finished textbook that appears in the folder while the project is open
// keeps pages 1 to 5 shut; page 0 stays reachable.
void tst_BookmakerNavigation::finishedBookRefused()
{
    QFETCH(QString, button);
    QFETCH(int, target);
    QVERIFY(start(3, 2, 1));
    QCOMPARE(clickreading(button), QString());
    QCOMPARE(stack()->currentIndex(), target);
    QCOMPARE(clickreading(QStringLiteral("pushButton_8")), QString());
    QCOMPARE(stack()->currentIndex(), 0);

    QVERIFY(bookmakerfiles::writefinished(dir->path()));
    QCOMPARE(clickreading(button), FinishedHere);
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(clickreading(button), FinishedHere);

    stack()->setCurrentIndex(3);
    QCOMPARE(clickreading(QStringLiteral("pushButton_15")), QString());
    QCOMPARE(stack()->currentIndex(), 0);
}

void tst_BookmakerNavigation::noProjectRefused_data()
{
    QTest::addColumn<QString>("button");
    for (const char *button : {"pushButton_2", "pushButton_3", "pushButton_4", "pushButton_23", "pushButton_22"})
        QTest::newRow(button) << button;
}

void tst_BookmakerNavigation::noProjectRefused()
{
    QFETCH(QString, button);
    window.reset(new Widget);
    QCOMPARE(clickreading(button), NoProject);
    QCOMPARE(stack()->currentIndex(), 0);

    // A finished textbook is named first.
    QVERIFY(bookmakerfiles::writefinished(dir->path()));
    QCOMPARE(clickreading(button), FinishedHere);
    QCOMPARE(stack()->currentIndex(), 0);
}

bool tst_BookmakerNavigation::bannerarrived(ad *banner, const QColor &first, const QList<QColor> &served,
                                            QList<QColor> *rotation)
{
    const auto colourof = [](const QPixmap *picture) { return picture->toImage().pixelColor(0, 0); };
    const auto byname = [](const QColor &a, const QColor &b) { return a.name() < b.name(); };
    QList<QColor> expected = served;
    std::sort(expected.begin(), expected.end(), byname);
    const auto arrived = [&] {
        rotation->clear();
        for (int i = 0; i < served.size(); ++i)
            *rotation << colourof(banner->getnext());
        QList<QColor> got = *rotation;
        std::sort(got.begin(), got.end(), byname);
        return colourof(banner->getone()) == first && got == expected;
    };
    QVERIFY_RETURN(QTest::qWaitFor(arrived, 15000), "the banner never took the pictures served");
    return true;
}

// Page 0 shows the fixed first picture, every other page the next one of the
// rotation, each with its own link behind "了解更多".
void tst_BookmakerNavigation::bannerRotates()
{
    TestServer server;
    QVERIFY2(server.isListening(), "no test server on 127.0.0.1");
    const QList<QColor> served = {Qt::red, Qt::green, Qt::blue};
    QByteArray list = "3\nhttp://one.example/\n";
    for (int k = 0; k < served.size(); ++k) {
        list += colourlink(served.at(k)).toUtf8() + '\n';
        server.setbody(QStringLiteral("/show/ad/c%1.htm").arg(k), testpictures::encoded(40, 10, served.at(k), "PNG"));
    }
    server.setbody(QStringLiteral("/show/ad/info.txt"), list);
    server.setbody(QStringLiteral("/show/ad/one.htm"), testpictures::encoded(40, 10, Qt::yellow, "PNG"));
    QVERIFY(start(3, 2, 1, server.url()));
    // The rotation as the banner hands it out from here on.
    QList<QColor> rotation;
    QVERIFY(bannerarrived(find<ad>(), Qt::yellow, served, &rotation));

    QList<QColor> shown;
    for (int round = 0; round < 2; ++round) {
        for (int page = 1; page <= 5; ++page) {
            stack()->setCurrentIndex(page);
            const QColor colour = bannercolour(find(bannerframes.at(page)));
            shown << colour;
            catcher.opened.clear();
            find<QPushButton>(learnmore.at(page))->click();
            QCOMPARE(catcher.opened, QList<QUrl>{QUrl(colourlink(colour))});
        }
    }
    // Ten page changes take the next ten pictures of the rotation, one each.
    QList<QColor> expected;
    for (int i = 0; i < 10; ++i)
        expected << rotation.at(i % 3);
    QCOMPARE(shown, expected);

    stack()->setCurrentIndex(0);
    QCOMPARE(bannercolour(find(bannerframes.at(0))), QColor(Qt::yellow));
    catcher.opened.clear();
    find<QPushButton>(learnmore.at(0))->click();
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl("http://one.example/")});
}

void tst_BookmakerNavigation::playbackStops()
{
    QVERIFY(start(3, 2, 1));
    QVERIFY(soundcheck::makemp3(dir->filePath(QStringLiteral("w1.mp3")), 5));
    find<QPushButton>(QStringLiteral("pushButton_23"))->click();
    QCOMPARE(stack()->currentIndex(), 4);
    QCOMPARE(find<QListWidget>(QStringLiteral("listWidget"))->currentRow(), 0);
    find<QPushButton>(QStringLiteral("pushButton_34"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), Phonon::PlayingState, 10000);
    QSignalSpy changes(media(), &Phonon::MediaObject::stateChanged);
    find<QPushButton>(QStringLiteral("pushButton_30"))->click();
    QCOMPARE(stack()->currentIndex(), 5);
    // The five-second sound ends long before it would have played out, and stays ended.
    const auto stopped = [&changes] { return !changes.isEmpty() && changes.last().at(0).toInt() == Phonon::StoppedState; };
    QTRY_VERIFY2_WITH_TIMEOUT(stopped(), "the sound plays on", 2000);
    changes.clear();
    QVERIFY2(!changes.wait(300), "the stopped sound started again");
}

bool tst_BookmakerNavigation::startrecording(bool words)
{
    const QString page = words ? QStringLiteral("pushButton_23") : QStringLiteral("pushButton_22");
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    find<QPushButton>(page)->click();
    QCOMPARE_RETURN(stack()->currentIndex(), words ? 4 : 5);
    find<QPushButton>(record)->click();
    QCOMPARE_RETURN(find<QPushButton>(record)->text(), QStringLiteral("停止"));
    QVERIFY_RETURN(!recorder()->name().isEmpty(), "no recording runs");
    QVERIFY_RETURN(QTest::qWaitFor([this] { return recorder()->capturedms() > 0; }, 10000),
                   "the recording captured no sound");
    return true;
}

void tst_BookmakerNavigation::recordingDropped_data()
{
    QTest::addColumn<bool>("words");
    QTest::newRow("word page") << true;
    QTest::newRow("sentence page") << false;
}

// A page change drops a running recording: no sound file, the button reads
// "录音" again and the page's sound buttons follow.
void tst_BookmakerNavigation::recordingDropped()
{
    QFETCH(bool, words);
    QVERIFY(start(3, 2, 1));
    QVERIFY(startrecording(words));
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    const QString import = words ? QStringLiteral("pushButton_46") : QStringLiteral("pushButton_156");
    find<QPushButton>(words ? QStringLiteral("pushButton_28") : QStringLiteral("pushButton_42"))->click();
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(find<QPushButton>(record)->text(), QStringLiteral("录音"));
    QVERIFY2(recorder()->name().isEmpty(), "the recording runs on");
    QVERIFY2(find<QPushButton>(import)->isEnabled(), "the sound buttons were not updated");
    // The button reads "录音", not "转换中": no encoding follows the drop.
    QVERIFY2(!QFile::exists(dir->filePath(words ? "w1.mp3" : "s1.mp3")), "the dropped capture was encoded");
}

// Leaving page 0 stores the title block, the first time after start-up too.
void tst_BookmakerNavigation::titleBlockStoredOnLeavingProjectPage()
{
    QVERIFY(start(3, 2, 1));
    QCOMPARE(find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->text(), QStringLiteral("Book"));
    find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("第一册"));
    find<QLineEdit>(QStringLiteral("lineEdit_lianjie"))->setText(QStringLiteral("http://book.example/"));
    find<QPushButton>(QStringLiteral("pushButton_4"))->click();
    QCOMPARE(stack()->currentIndex(), 3);
    QStringList info;
    QVERIFY(savedtitleblock(&info));
    QCOMPARE(info.at(0), QStringLiteral("第一册"));
    QCOMPARE(info.at(4), QStringLiteral("http://book.example/"));

    find<QPushButton>(QStringLiteral("pushButton_15"))->click();
    find<QLineEdit>(QStringLiteral("lineEdit_zhizuoren"))->setText(QStringLiteral("王老师"));
    find<QPushButton>(QStringLiteral("pushButton_22"))->click();
    QVERIFY(savedtitleblock(&info));
    QCOMPARE(info.at(1), QStringLiteral("王老师"));
}

void tst_BookmakerNavigation::titleBlockNotStoredFromOtherPages()
{
    QVERIFY(start(3, 2, 1));
    find<QPushButton>(QStringLiteral("pushButton_2"))->click();
    QStringList info;
    QVERIFY(savedtitleblock(&info));
    QCOMPARE(info.at(0), QStringLiteral("Book"));
    find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("changed"));
    find<QPushButton>(QStringLiteral("pushButton_6"))->click();
    QCOMPARE(stack()->currentIndex(), 2);
    QVERIFY(savedtitleblock(&info));
    QCOMPARE(info.at(0), QStringLiteral("Book"));
}

void tst_BookmakerNavigation::projectPageDatedToday()
{
    QVERIFY(start(3, 2, 1));
    const QDate today(2031, 7, 9);
    window->findChild<studyclock *>()->setnow(QDateTime(today, QTime(23, 59, 59)));
    auto *date = find<QDateEdit>(QStringLiteral("dateEdit"));
    date->setDate(QDate(2001, 2, 3));
    find<QPushButton>(QStringLiteral("pushButton_2"))->click();
    QCOMPARE(date->date(), QDate(2001, 2, 3));
    find<QPushButton>(QStringLiteral("pushButton_8"))->click();
    QCOMPARE(date->date(), today);
}

void tst_BookmakerNavigation::associationListsFilledOnce()
{
    QVERIFY(start(3, 2, 1));
    auto *words = find<QListWidget>(QStringLiteral("listWidget_danci_danci"));
    auto *sentences = find<QListWidget>(QStringLiteral("listWidget_danci_juzi"));
    QCOMPARE(words->count(), 0);
    find<QPushButton>(QStringLiteral("pushButton_3"))->click();
    QCOMPARE(stack()->currentIndex(), 2);
    QCOMPARE(words->count(), 3);
    QCOMPARE(words->item(2)->text(), QStringLiteral("word3"));
    QCOMPARE(sentences->count(), 2);
    QCOMPARE(sentences->item(1)->text(), QStringLiteral("Sentence 2."));
    QCOMPARE(words->currentRow(), 0);
    // Word 1 has no sentence yet: the click handling shows the word and no sentence.
    QCOMPARE(find<QLabel>(QStringLiteral("label_xuanzedanci"))->text(), QStringLiteral("word1"));
    QCOMPARE(sentences->currentRow(), -1);

    // The lists keep their rows and selection between visits.
    words->setCurrentRow(2);
    words->item(0)->setText(QStringLiteral("kept"));
    find<QPushButton>(QStringLiteral("pushButton_11"))->click();
    find<QPushButton>(QStringLiteral("pushButton_3"))->click();
    QCOMPARE(words->count(), 3);
    QCOMPARE(words->item(0)->text(), QStringLiteral("kept"));
    QCOMPARE(words->currentRow(), 2);
}

void tst_BookmakerNavigation::associationWithoutSentences()
{
    QVERIFY(start(2, 0, 0));
    find<QPushButton>(QStringLiteral("pushButton_3"))->click();
    auto *words = find<QListWidget>(QStringLiteral("listWidget_danci_danci"));
    QCOMPARE(words->count(), 2);
    QCOMPARE(words->currentRow(), 0);
    QCOMPARE(find<QListWidget>(QStringLiteral("listWidget_danci_juzi"))->count(), 0);
}

void tst_BookmakerNavigation::lessonListsFilled()
{
    QVERIFY(start(3, 4, 2));
    find<QPushButton>(QStringLiteral("pushButton_4"))->click();
    QCOMPARE(stack()->currentIndex(), 3);
    auto *all = find<QListWidget>(QStringLiteral("listWidget_wenzhang_wei"));
    auto *lessons = find<QListWidget>(QStringLiteral("listWidget_wenzhang"));
    QCOMPARE(all->count(), 4);
    QCOMPARE(all->item(3)->text(), QStringLiteral("Sentence 4."));
    QCOMPARE(all->currentRow(), 0);
    QCOMPARE(lessons->count(), 2);
    QCOMPARE(lessons->item(1)->text(), QStringLiteral("Lesson 2"));
    QCOMPARE(lessons->currentRow(), 0);
}

void tst_BookmakerNavigation::itemListsFilled_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("back");
    QTest::newRow("words") << "pushButton_23" << "listWidget" << 3 << "lineEdit" << "pushButton_28";
    QTest::newRow("sentences") << "pushButton_22" << "listWidget_6" << 2 << "lineEdit_3" << "pushButton_42";
}

// The page tracks the row shown, so an edit goes to that row, and the page
// itself, so leaving it stores no title block.
void tst_BookmakerNavigation::itemListsFilled()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    QFETCH(int, rows);
    QFETCH(QString, field);
    QFETCH(QString, back);
    QVERIFY(start(3, 2, 1));
    find<QPushButton>(button)->click();
    auto *items = find<QListWidget>(list);
    QCOMPARE(items->count(), rows);
    QCOMPARE(items->currentRow(), 0);
    auto *edit = find<QLineEdit>(field);
    edit->setText(QStringLiteral("edited"));
    items->setCurrentRow(1);
    QVERIFY2(edit->text() != QStringLiteral("edited"), "the next row shows the edit");
    items->setCurrentRow(0);
    QVERIFY2(edit->text() == QStringLiteral("edited"), "the edit of the row shown was lost");

    find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("changed"));
    find<QPushButton>(back)->click();
    QCOMPARE(stack()->currentIndex(), 0);
    QStringList info;
    QVERIFY(savedtitleblock(&info));
    QCOMPARE(info.at(0), QStringLiteral("Book"));
}

void tst_BookmakerNavigation::tutorial_data()
{
    addpagerows({"pushButton_bangzhu_4", "pushButton_bangzhu_3", "pushButton_bangzhu_2", "pushButton_bangzhu", "pushButton_bangzhu_5",
                 "pushButton_bangzhu_6"});
}

void tst_BookmakerNavigation::tutorial()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    QVERIFY(start(3, 2, 1));
    stack()->setCurrentIndex(page);
    find<QPushButton>(button)->click();
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(Host + QStringLiteral("/show/3_2.html"))});
}

void tst_BookmakerNavigation::learnMoreOpensWebLinksOnly_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opened");
    // Nothing listens on port 9.
    QTest::newRow("http") << "http://127.0.0.1:9/page" << true;
    QTest::newRow("https") << "https://127.0.0.1:9/" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("ftp") << "ftp://127.0.0.1:9/" << false;
    QTest::newRow("empty") << "" << false;
}

// Where no picture arrives, each page's banner links to the banner host.
void tst_BookmakerNavigation::learnMoreOpensWebLinksOnly()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    QVERIFY(start(3, 2, 1, link));
    // Page 0 last: its banner is set on entering it.
    for (int page : {1, 2, 3, 4, 5, 0}) {
        stack()->setCurrentIndex(page);
        catcher.opened.clear();
        find<QPushButton>(learnmore.at(page))->click();
        QVERIFY2(catcher.opened.size() == (opened ? 1 : 0),
                 qPrintable(learnmore.at(page) + (opened ? " opened nothing" : " opened a link that is no web address")));
    }
}

void tst_BookmakerNavigation::exit_data()
{
    addpagerows({"pushButton_tuichu_4", "pushButton_tuichu_3", "pushButton_tuichu_2", "pushButton_tuichu", "pushButton_tuichu_5",
                 "pushButton_tuichu_6"});
}

void tst_BookmakerNavigation::exit()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    QVERIFY(start(3, 2, 1));
    stack()->setCurrentIndex(page);
    QVERIFY(window->isVisible());
    find<QPushButton>(button)->click();
    QVERIFY2(!window->isVisible(), "the window stays open");
}

// Closing the window stops the sound.
void tst_BookmakerNavigation::closingStopsPlayback()
{
    QVERIFY(start(3, 2, 1));
    QVERIFY(soundcheck::makemp3(dir->filePath(QStringLiteral("s2.mp3")), 5));
    find<QPushButton>(QStringLiteral("pushButton_22"))->click();
    find<QListWidget>(QStringLiteral("listWidget_6"))->setCurrentRow(1);
    find<QPushButton>(QStringLiteral("pushButton_153"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), Phonon::PlayingState, 10000);
    window->close();
    QTRY_VERIFY2_WITH_TIMEOUT(media()->state() != Phonon::PlayingState, "the sound plays on", 2000);
}

// Closing the window drops a running recording.
void tst_BookmakerNavigation::closingDropsRecording_data()
{
    recordingDropped_data();
}

void tst_BookmakerNavigation::closingDropsRecording()
{
    QFETCH(bool, words);
    QVERIFY(start(3, 2, 1));
    QVERIFY(startrecording(words));
    window->close();
    QVERIFY2(recorder()->name().isEmpty(), "the recording runs on");
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    QCOMPARE(find<QPushButton>(record)->text(), QStringLiteral("录音"));
    // The button reads "录音", not "转换中": no encoding follows the drop.
    QVERIFY2(!QFile::exists(dir->filePath(words ? "w1.mp3" : "s1.mp3")), "the dropped capture was encoded");
}

QTEST_MAIN(tst_BookmakerNavigation)
#include "tst_bookmakernavigation.moc"
