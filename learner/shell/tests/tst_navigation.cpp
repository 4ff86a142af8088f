#include "checkreturn.h"
#include "dialogdriver.h"
#include "listrows.h"
#include "testfiles.h"
#include "urlcatcher.h"
#include "widget.h"

#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

static const QString Host = QStringLiteral(MAKER_HOST);

class tst_navigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pagechange_data();
    void pagechange();
    void samepage();
    void pages_data();
    void pages();
    void fourchoice();
    void rows_data();
    void rows();
    void quit_data();
    void quit();
    void links_data();
    void links();
    void listlinks_data();
    void listlinks();
    void booklink_data();
    void booklink();
    void placeholders_data();
    void placeholders();

private:
    template<typename T>
    T *find(const QString &name) const { return window->findChild<T *>(name); }
    QStackedWidget *stack() const { return find<QStackedWidget>(QStringLiteral("stackedWidget")); }
    bool clickview(const QString &name);

    UrlCatcher catcher;
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_navigation::initTestCase()
{
    catcher.listen();
}

void tst_navigation::init()
{
    dir.reset(new QTemporaryDir);
    QFile::remove(testfiles::programsettings());
    catcher.opened.clear();
    window.reset(new Widget);
}

void tst_navigation::cleanup()
{
    // Pages were changed without a login: there is nobody to save.
    stack()->setCurrentIndex(0);
    window.reset();
    QFile::remove(testfiles::programsettings());
}

bool tst_navigation::clickview(const QString &name)
{
    auto *view = find<QGraphicsView>(name);
    QVERIFY_RETURN(view, qPrintable("no view " + name));
    QTest::mouseClick(view->viewport(), Qt::LeftButton);
    return true;
}

void tst_navigation::pagechange_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("picture");

    QTest::newRow("plan") << 1 << "frame" << ":/one.jpg";
    QTest::newRow("learning") << 2 << "frame_2" << ":/one.jpg";
    QTest::newRow("review test") << 3 << "frame_3" << ":/one.jpg";
    QTest::newRow("four choice") << 4 << "frame_4" << ":/one.jpg";
    QTest::newRow("self test") << 5 << "frame_5" << ":/one.jpg";
    QTest::newRow("sentences") << 6 << "frame_6" << ":/one.jpg";
    QTest::newRow("review groups") << 7 << "frame_7" << ":/two.jpg";
}

// Whatever runs stops, leisure mode goes off and the banner of the page shows.
void tst_navigation::pagechange()
{
    QFETCH(int, page);
    QFETCH(QString, frame);
    QFETCH(QString, picture);
    stack()->setCurrentIndex(page == 2 ? 3 : 2);
    find<QCheckBox>(QStringLiteral("checkBox_11"))->setChecked(true);
    const QList<QTimer *> timers = window->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timers.size(), 3);
    for (QTimer *timer : timers)
        timer->start(60000);
    stack()->setCurrentIndex(page);
    for (QTimer *timer : timers)
        QVERIFY2(!timer->isActive(), "a timer was not stopped");
    QVERIFY2(!find<QCheckBox>(QStringLiteral("checkBox_11"))->isChecked(), "leisure mode stayed on");

    auto *banner = find<QWidget>(frame);
    QVERIFY2(banner, qPrintable("no banner " + frame));
    const QImage shown = banner->grab().toImage();
    const QImage expected = QImage(picture).scaled(banner->size(), Qt::IgnoreAspectRatio);
    const QPoint middle(banner->width() / 2, banner->height() / 2);
    QCOMPARE(QColor(shown.pixel(middle)).name(), QColor(expected.pixel(middle)).name());

    const QList<QPushButton *> more = banner->findChildren<QPushButton *>();
    QCOMPARE(more.size(), 1);
    more.first()->click();
    QCOMPARE(catcher.opened.size(), 1);
    QVERIFY2(catcher.opened.first().toString().startsWith(Host),
             qPrintable("wrong address " + catcher.opened.first().toString()));
}

void tst_navigation::samepage()
{
    stack()->setCurrentIndex(2);
    find<QCheckBox>(QStringLiteral("checkBox_11"))->setChecked(true);
    stack()->setCurrentIndex(2);
    QVERIFY2(find<QCheckBox>(QStringLiteral("checkBox_11"))->isChecked(), "the same page again stopped leisure mode");
}

void tst_navigation::pages_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("to");

    QTest::newRow("learning back") << 2 << "pushButton_62" << 1;
    QTest::newRow("four choice back") << 4 << "pushButton_57" << 1;
    QTest::newRow("self test back") << 5 << "pushButton_64" << 1;
    QTest::newRow("sentences back") << 6 << "pushButton_65" << 1;
    QTest::newRow("four choice") << 2 << "pushButton_55" << 4;
}

void tst_navigation::pages()
{
    QFETCH(int, from);
    QFETCH(QString, button);
    QFETCH(int, to);
    stack()->setCurrentIndex(from);
    find<QPushButton>(button)->click();
    QCOMPARE(stack()->currentIndex(), to);
}

void tst_navigation::fourchoice()
{
    auto *list = find<QListWidget>(QStringLiteral("listWidget_3"));
    fillrows(list, 3, 2);
    stack()->setCurrentIndex(2);
    find<QPushButton>(QStringLiteral("pushButton_55"))->click();
    QCOMPARE(stack()->currentIndex(), 4);
    QCOMPARE(list->currentRow(), 0);
}

void tst_navigation::rows_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");

    QTest::newRow("sentences next") << "listWidget_5" << "pushButton_60" << 5 << 1 << 2;
    QTest::newRow("sentences next wraps") << "listWidget_5" << "pushButton_60" << 5 << 4 << 0;
    QTest::newRow("sentences previous") << "listWidget_5" << "pushButton_35" << 5 << 3 << 2;
    QTest::newRow("sentences previous wraps") << "listWidget_5" << "pushButton_35" << 5 << 0 << 4;
    QTest::newRow("sentences none current") << "listWidget_5" << "pushButton_60" << 5 << -1 << -1;
    QTest::newRow("sentences empty") << "listWidget_5" << "pushButton_35" << 0 << -1 << -1;
    QTest::newRow("cards next wraps") << "listWidget_4" << "pushButton_53" << 5 << 4 << 0;
    QTest::newRow("cards previous wraps") << "listWidget_4" << "pushButton_34" << 5 << 0 << 4;
    QTest::newRow("cards one row") << "listWidget_4" << "pushButton_53" << 1 << 0 << 0;
    QTest::newRow("cards empty") << "listWidget_4" << "pushButton_34" << 0 << -1 << -1;
}

void tst_navigation::rows()
{
    QFETCH(QString, list);
    QFETCH(QString, button);
    QFETCH(int, rows);
    QFETCH(int, current);
    QFETCH(int, expected);
    auto *widget = find<QListWidget>(list);
    fillrows(widget, rows, current);
    find<QPushButton>(button)->click();
    QCOMPARE(widget->currentRow(), expected);
}

void tst_navigation::quit_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");

    QTest::newRow("login") << 0 << "pushButton";
    QTest::newRow("plan") << 1 << "pushButton_92";
    QTest::newRow("learning") << 2 << "pushButton_95";
    QTest::newRow("review test") << 3 << "pushButton_97";
    QTest::newRow("four choice") << 4 << "pushButton_99";
    QTest::newRow("self test") << 5 << "pushButton_101";
    QTest::newRow("sentences") << 6 << "pushButton_106";
    QTest::newRow("review groups") << 7 << "pushButton_114";
}

void tst_navigation::quit()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    stack()->setCurrentIndex(page);
    QVERIFY2(window->isVisible(), "the window was not shown");
    find<QPushButton>(button)->click();
    QVERIFY2(!window->isVisible(), "the window did not close");
}

void tst_navigation::links_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    const QString tutorial = Host + "/show/3_1.html";
    for (const char *button : {"pushButton_32", "pushButton_93", "pushButton_117", "pushButton_119",
                               "pushButton_121", "pushButton_123", "pushButton_125", "pushButton_127"})
        QTest::newRow(button) << button << tutorial;
    const QString dictionary = Host + "/dict/";
    for (const char *button : {"pushButton_76", "pushButton_94", "pushButton_116", "pushButton_118",
                               "pushButton_120", "pushButton_122", "pushButton_124", "pushButton_126"})
        QTest::newRow(button) << button << dictionary;
    QTest::newRow("method") << "pushButton_56" << Host + "/show/zembrix.html";
    QTest::newRow("social") << "pushButton_67" << Host + "/show/weibo.html";
    QTest::newRow("programme") << "pushButton_68" << Host + "/show/tevrano.html";
    QTest::newRow("self-test picture") << "graphicsView_14" << Host + "/";
    QTest::newRow("review-groups picture") << "graphicsView_30" << Host + "/";
    QTest::newRow("textbook picture without textbook") << "graphicsView_6" << Host + "/";
}

void tst_navigation::links()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    if (auto *button = find<QPushButton>(control))
        button->click();
    else
        QVERIFY(clickview(control));
    QCOMPARE(catcher.opened, QList<QUrl>() << QUrl(address));
}

void tst_navigation::listlinks_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("list");

    QTest::newRow("review test") << "graphicsView_8" << "listWidget_2";
    QTest::newRow("four choice") << "graphicsView_9" << "listWidget_3";
    QTest::newRow("sentences") << "graphicsView_29" << "listWidget_5";
}

// The item pictures open the home page only while an item is shown.
void tst_navigation::listlinks()
{
    QFETCH(QString, view);
    QFETCH(QString, list);
    auto *items = find<QListWidget>(list);
    fillrows(items, 2, -1);
    QVERIFY(clickview(view));
    QVERIFY2(catcher.opened.isEmpty(), "a link opened without a row");
    // Without a textbook a row may name missing material; its message is answered.
    DialogDriver driver;
    QString message;
    driver.readmessage(&message);
    driver.start();
    items->setCurrentRow(1);
    QVERIFY(clickview(view));
    QCOMPARE(catcher.opened, QList<QUrl>() << QUrl(Host + "/"));
}

void tst_navigation::booklink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opened");

    QTest::newRow("http") << "http://127.0.0.1:8080/book.html" << true;
    QTest::newRow("https") << "https://127.0.0.1/book" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("ftp") << "ftp://127.0.0.1/book" << false;
    QTest::newRow("no scheme") << "127.0.0.1/book" << false;
    QTest::newRow("empty") << "" << false;
}

// A textbook's own link opens only when it is a web address; otherwise the
// picture opens the home page.
void tst_navigation::booklink()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    testfiles::Book book;
    book.link = link;
    QVERIFY(testfiles::writebook(dir->filePath("book.zemBook"), book));
    QVERIFY(testfiles::writeuser(dir->filePath("u.zbu"), "u", "pw", dir->filePath("book.zemBook")));
    testfiles::setprogram({dir->filePath("u.zbu")}, 0, dir->path());
    window.reset(new Widget);
    find<QLineEdit>(QStringLiteral("lineEdit"))->setText("pw");
    find<QPushButton>(QStringLiteral("pushButton_2"))->click();
    QCOMPARE(stack()->currentIndex(), 1);
    QVERIFY(clickview(QStringLiteral("graphicsView_6")));
    QCOMPARE(catcher.opened, QList<QUrl>() << QUrl(opened ? link : Host + "/"));
}

void tst_navigation::placeholders_data()
{
    QTest::addColumn<int>("page");
    for (int page = 0; page < 8; ++page)
        QTest::newRow(qPrintable(QStringLiteral("page %1").arg(page))) << page;
}

// No label that lies on a page shows the form's "TextLabel" before the page's
// logic writes it.
void tst_navigation::placeholders()
{
    QFETCH(int, page);
    QWidget *shown = stack()->widget(page);
    for (QLabel *label : shown->findChildren<QLabel *>()) {
        const QRect onpage(label->mapTo(shown, QPoint(0, 0)), label->size());
        if (onpage.intersects(shown->rect()))
            QVERIFY2(label->text() != QLatin1String("TextLabel"),
                     qPrintable(label->objectName() + " shows the form's placeholder"));
    }
}

QTEST_MAIN(tst_navigation)
#include "tst_navigation.moc"
