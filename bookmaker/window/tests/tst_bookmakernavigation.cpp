#include "bookmakerfiles.h"
#include "dialogdriver.h"
#include "navigationbars.h"
#include "soundcheck.h"
#include "urlcatcher.h"

#include <QAudioFormat>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <phonon/mediaobject.h>

#include <array>
#include <memory>
#include <vector>

// The record being edited, the player and the recorder are read directly.
#define private public
#include "widget.h"
#undef private

namespace {

const QString FinishedHere = QStringLiteral("为防止当前位置的教材被破坏，放弃任务");
const QString NoProject = QStringLiteral("请先打开或者新建项目");
const QString Host = QStringLiteral(MAKER_HOST);

// The banner place of each page.
const QStringList bannerframes = {"frame_13", "frame_11", "frame_12", "frame_10", "frame_14", "frame_16"};
const QStringList learnmore = {"pushButton_75", "pushButton_76", "pushButton_77",
                               "pushButton_74", "pushButton_78", "pushButton_80"};

// A banner picture of one colour.
QPixmap *plain(const QColor &colour)
{
    auto *picture = new QPixmap(40, 10);
    picture->fill(colour);
    return picture;
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
    T *find(const QString &name) const { return window->findChild<T *>(name); }
    QStackedWidget *stack() const { return find<QStackedWidget>(QStringLiteral("stackedWidget")); }
    void start(int words, int sentences, int lessons);
    // Clicks the button and returns the message it shows ("" for none).
    QString clickreading(const QString &button);
    // Starts a recording on the word (true) or sentence page.
    void startrecording(bool words);

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

// A window on a project of the given size in a fresh material folder, shown.
void tst_BookmakerNavigation::start(int words, int sentences, int lessons)
{
    QVERIFY(bookmakerfiles::writeproject(dir->path(), words, sentences, lessons));
    window.reset(new Widget);
    QVERIFY2(window->projectOpen, "the project is open");
    QCOMPARE(stack()->currentIndex(), 0);
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
    start(3, 2, 1);
    stack()->setCurrentIndex(from);
    QCOMPARE(clickreading(button), QString());
    QCOMPARE(stack()->currentIndex(), to);
}

void tst_BookmakerNavigation::ownPageButtonsDisabled()
{
    start(3, 2, 1);
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
    start(3, 2, 1);
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

// Page 0 shows the fixed first picture, every other page the next one of the
// rotation, each with its own link behind "了解更多".
void tst_BookmakerNavigation::bannerRotates()
{
    start(3, 2, 1);
    // The banner's pictures and links as if they had arrived from the maker's host.
    const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};
    ad &banner = window->banner;
    banner.one.reset(plain(Qt::yellow));
    banner.onelink = QStringLiteral("http://one.example/");
    banner.pics.clear();
    banner.links.clear();
    for (const QColor &colour : colours) {
        banner.pics.emplace_back(plain(colour));
        banner.links.append(QStringLiteral("http://%1.example/").arg(colour.name().mid(1)));
    }
    banner.order = {2, 0, 1};
    banner.current = 0;

    QList<QColor> shown;
    for (int round = 0; round < 2; ++round) {
        for (int page = 1; page <= 5; ++page) {
            stack()->setCurrentIndex(page);
            const QColor colour = bannercolour(find(bannerframes.at(page)));
            shown << colour;
            catcher.opened.clear();
            find<QPushButton>(learnmore.at(page))->click();
            QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://%1.example/").arg(colour.name().mid(1)))});
        }
    }
    // Ten page changes run through the order 2, 0, 1 from its second entry on.
    QList<QColor> expected;
    for (int i = 1; i <= 10; ++i)
        expected << colours.at(banner.order.at(i % 3));
    QCOMPARE(shown, expected);

    stack()->setCurrentIndex(0);
    QCOMPARE(bannercolour(find(bannerframes.at(0))), QColor(Qt::yellow));
    catcher.opened.clear();
    find<QPushButton>(learnmore.at(0))->click();
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl("http://one.example/")});
}

void tst_BookmakerNavigation::playbackStops()
{
    start(3, 2, 1);
    QVERIFY(soundcheck::makemp3(dir->filePath(QStringLiteral("w1.mp3")), 5));
    find<QPushButton>(QStringLiteral("pushButton_23"))->click();
    QCOMPARE(stack()->currentIndex(), 4);
    QCOMPARE(find<QListWidget>(QStringLiteral("listWidget"))->currentRow(), 0);
    find<QPushButton>(QStringLiteral("pushButton_34"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->player.media->state(), Phonon::PlayingState, 10000);
    find<QPushButton>(QStringLiteral("pushButton_30"))->click();
    QCOMPARE(stack()->currentIndex(), 5);
    // The five-second sound ends long before it would have played out.
    QTRY_VERIFY2_WITH_TIMEOUT(window->player.media->state() != Phonon::PlayingState, "the sound plays on", 2000);
    QTest::qWait(300);
    QVERIFY2(window->player.media->state() != Phonon::PlayingState, "the sound plays on");
}

void tst_BookmakerNavigation::startrecording(bool words)
{
    const QString page = words ? QStringLiteral("pushButton_23") : QStringLiteral("pushButton_22");
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    find<QPushButton>(page)->click();
    QCOMPARE(stack()->currentIndex(), words ? 4 : 5);
    find<QPushButton>(record)->click();
    QCOMPARE(find<QPushButton>(record)->text(), QStringLiteral("停止"));
    QVERIFY2(!window->record.name().isEmpty(), "no recording runs");
    QTest::qWait(300);
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
    start(3, 2, 1);
    startrecording(words);
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    const QString import = words ? QStringLiteral("pushButton_46") : QStringLiteral("pushButton_156");
    find<QPushButton>(words ? QStringLiteral("pushButton_28") : QStringLiteral("pushButton_42"))->click();
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(find<QPushButton>(record)->text(), QStringLiteral("录音"));
    QVERIFY2(window->record.name().isEmpty(), "the recording runs on");
    QVERIFY2(find<QPushButton>(import)->isEnabled(), "the sound buttons were not updated");
    QTest::qWait(300);
    QVERIFY2(!QFile::exists(dir->filePath(words ? "w1.mp3" : "s1.mp3")), "the dropped capture was encoded");
}

// Leaving page 0 stores the title block, the first time after start-up too.
void tst_BookmakerNavigation::titleBlockStoredOnLeavingProjectPage()
{
    start(3, 2, 1);
    QCOMPARE(window->book.getinfo().at(0), QStringLiteral("Book"));
    find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("第一册"));
    find<QLineEdit>(QStringLiteral("lineEdit_lianjie"))->setText(QStringLiteral("http://book.example/"));
    find<QPushButton>(QStringLiteral("pushButton_4"))->click();
    QCOMPARE(stack()->currentIndex(), 3);
    QCOMPARE(window->book.getinfo().at(0), QStringLiteral("第一册"));
    QCOMPARE(window->book.getinfo().at(4), QStringLiteral("http://book.example/"));

    find<QPushButton>(QStringLiteral("pushButton_15"))->click();
    find<QLineEdit>(QStringLiteral("lineEdit_zhizuoren"))->setText(QStringLiteral("王老师"));
    find<QPushButton>(QStringLiteral("pushButton_22"))->click();
    QCOMPARE(window->book.getinfo().at(1), QStringLiteral("王老师"));
}

void tst_BookmakerNavigation::titleBlockNotStoredFromOtherPages()
{
    start(3, 2, 1);
    find<QPushButton>(QStringLiteral("pushButton_2"))->click();
    QCOMPARE(window->book.getinfo().at(0), QStringLiteral("Book"));
    find<QLineEdit>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("changed"));
    find<QPushButton>(QStringLiteral("pushButton_6"))->click();
    QCOMPARE(stack()->currentIndex(), 2);
    QCOMPARE(window->book.getinfo().at(0), QStringLiteral("Book"));
}

void tst_BookmakerNavigation::projectPageDatedToday()
{
    start(3, 2, 1);
    auto *date = find<QDateEdit>(QStringLiteral("dateEdit"));
    QCOMPARE(date->date(), QDate::currentDate());
    date->setDate(QDate(2001, 2, 3));
    find<QPushButton>(QStringLiteral("pushButton_2"))->click();
    QCOMPARE(date->date(), QDate(2001, 2, 3));
    find<QPushButton>(QStringLiteral("pushButton_8"))->click();
    QCOMPARE(date->date(), QDate::currentDate());
}

void tst_BookmakerNavigation::associationListsFilledOnce()
{
    start(3, 2, 1);
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
    start(2, 0, 0);
    find<QPushButton>(QStringLiteral("pushButton_3"))->click();
    auto *words = find<QListWidget>(QStringLiteral("listWidget_danci_danci"));
    QCOMPARE(words->count(), 2);
    QCOMPARE(words->currentRow(), 0);
    QCOMPARE(find<QListWidget>(QStringLiteral("listWidget_danci_juzi"))->count(), 0);
}

void tst_BookmakerNavigation::lessonListsFilled()
{
    start(3, 4, 2);
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
    QTest::newRow("words") << "pushButton_23" << "listWidget" << 3;
    QTest::newRow("sentences") << "pushButton_22" << "listWidget_6" << 2;
}

void tst_BookmakerNavigation::itemListsFilled()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    QFETCH(int, rows);
    start(3, 2, 1);
    find<QPushButton>(button)->click();
    auto *items = find<QListWidget>(list);
    QCOMPARE(items->count(), rows);
    QCOMPARE(window->currow, items->currentRow());
    QCOMPARE(window->curpage, stack()->currentIndex());
}

void tst_BookmakerNavigation::tutorial_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    const QStringList buttons = {"pushButton_bangzhu_4", "pushButton_bangzhu_3", "pushButton_bangzhu_2",
                                 "pushButton_bangzhu", "pushButton_bangzhu_5", "pushButton_bangzhu_6"};
    for (int page = 0; page < buttons.size(); ++page)
        QTest::newRow(qPrintable(buttons.at(page))) << buttons.at(page) << page;
}

void tst_BookmakerNavigation::tutorial()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    start(3, 2, 1);
    stack()->setCurrentIndex(page);
    find<QPushButton>(button)->click();
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(Host + QStringLiteral("/show/3_2.html"))});
}

void tst_BookmakerNavigation::learnMoreOpensWebLinksOnly_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opened");
    QTest::newRow("http") << "http://ad.example/page" << true;
    QTest::newRow("https") << "https://ad.example/" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("ftp") << "ftp://ad.example/" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_BookmakerNavigation::learnMoreOpensWebLinksOnly()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    start(3, 2, 1);
    for (int page = 0; page < learnmore.size(); ++page) {
        stack()->setCurrentIndex(page);
        catcher.opened.clear();
        window->adlink = link;
        find<QPushButton>(learnmore.at(page))->click();
        QVERIFY2(catcher.opened.size() == (opened ? 1 : 0), qPrintable(learnmore.at(page)));
    }
}

void tst_BookmakerNavigation::exit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    const QStringList buttons = {"pushButton_tuichu_4", "pushButton_tuichu_3", "pushButton_tuichu_2",
                                 "pushButton_tuichu", "pushButton_tuichu_5", "pushButton_tuichu_6"};
    for (int page = 0; page < buttons.size(); ++page)
        QTest::newRow(qPrintable(buttons.at(page))) << buttons.at(page) << page;
}

void tst_BookmakerNavigation::exit()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    start(3, 2, 1);
    stack()->setCurrentIndex(page);
    QVERIFY(window->isVisible());
    find<QPushButton>(button)->click();
    QVERIFY2(!window->isVisible(), "the window stays open");
}

// Closing the window stops the sound.
void tst_BookmakerNavigation::closingStopsPlayback()
{
    start(3, 2, 1);
    QVERIFY(soundcheck::makemp3(dir->filePath(QStringLiteral("s2.mp3")), 5));
    find<QPushButton>(QStringLiteral("pushButton_22"))->click();
    find<QListWidget>(QStringLiteral("listWidget_6"))->setCurrentRow(1);
    find<QPushButton>(QStringLiteral("pushButton_153"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->player.media->state(), Phonon::PlayingState, 10000);
    window->close();
    QTRY_VERIFY2_WITH_TIMEOUT(window->player.media->state() != Phonon::PlayingState, "the sound plays on", 2000);
}

// Closing the window drops a running recording.
void tst_BookmakerNavigation::closingDropsRecording_data()
{
    recordingDropped_data();
}

void tst_BookmakerNavigation::closingDropsRecording()
{
    QFETCH(bool, words);
    start(3, 2, 1);
    startrecording(words);
    window->close();
    QVERIFY2(window->record.name().isEmpty(), "the recording runs on");
    const QString record = words ? QStringLiteral("pushButton_32") : QStringLiteral("pushButton_155");
    QCOMPARE(find<QPushButton>(record)->text(), QStringLiteral("录音"));
    QTest::qWait(300);
    QVERIFY2(!QFile::exists(dir->filePath(words ? "w1.mp3" : "s1.mp3")), "the dropped capture was encoded");
}

QTEST_MAIN(tst_BookmakerNavigation)
#include "tst_bookmakernavigation.moc"
