#include "bookmakerfiles.h"
#include "everypage.h"
#include "qframeex.h"
#include "spinarrows.h"
#include "studyclock.h"
#include "widget.h"

#include <QDateEdit>
#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The offscreen screen is 800x600: the 800x500 size, scale 800 / 912.
const double Scale = double(float(800 / 912.0));

int scaled(int v)
{
    return int(Scale * v);
}

QRect scaled(const QRect &r)
{
    return QRect(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
}

} // namespace

class tst_BookmakerWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void fitsTheScreen();
    void scalesEveryWidget_data();
    void scalesEveryWidget();
    void pointSize();
    void startTexts_data();
    void startTexts();
    void framePictures_data();
    void framePictures();
    void pagePictures();
    void blackAroundThePages();
    void startsOnProjectPage();
    void dateArrows();
    void thumbnailsAnswerClicks();

private:
    template<typename T = QWidget>
    T *find(const QString &name) const { return window->findChild<T *>(name); }

    QTemporaryDir dir;
    Widget *window = nullptr;
    // The day the window's clock reads when the window is made.
    const QDate made{2031, 7, 9};
};

void tst_BookmakerWindow::initTestCase()
{
    bookmakerfiles::setmaterial(dir.path());
    studyclock::setstart(QDateTime(made, QTime(23, 59, 59)));
    window = new Widget;
    studyclock::setstart(QDateTime());
}

void tst_BookmakerWindow::cleanupTestCase()
{
    delete window;
    QFile::remove(bookmakerfiles::settingspath());
}

void tst_BookmakerWindow::fitsTheScreen()
{
    QVERIFY2(window->isFullScreen(), "the window is not full screen");
    QCOMPARE(window->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(find(QStringLiteral("stackedWidget"))->geometry(), QRect(0, 50, 800, 500));
}

void tst_BookmakerWindow::scalesEveryWidget_data()
{
    QTest::addColumn<QRect>("design");
    QTest::newRow("frame") << QRect(90, 200, 691, 361);
    QTest::newRow("frame_5") << QRect(0, 150, 912, 41);
    QTest::newRow("frame_15") << QRect(10, 220, 811, 341);
    QTest::newRow("pushButton_75") << QRect(560, 0, 151, 41);
    QTest::newRow("pushButton_jiaru") << QRect(236, 30, 30, 30);
    QTest::newRow("label_112") << QRect(680, 240, 25, 31);
    QTest::newRow("lineEdit") << QRect(400, 70, 140, 20);
    QTest::newRow("graphicsView_15") << QRect(0, 0, 200, 150);
}

// Geometry inside the stack is the design's times the scale, truncated.
void tst_BookmakerWindow::scalesEveryWidget()
{
    QFETCH(QRect, design);
    QWidget *widget = find(QTest::currentDataTag());
    QVERIFY2(widget, qPrintable(QString("no widget ") + QTest::currentDataTag()));
    QCOMPARE(widget->geometry(), scaled(design));
    if (QByteArray(QTest::currentDataTag()) == "frame_5")
        QCOMPARE(widget->width(), 799);
}

void tst_BookmakerWindow::pointSize()
{
    const QList<QWidget *> all = find(QStringLiteral("stackedWidget"))->findChildren<QWidget *>();
    QVERIFY(all.size() > 220);
    for (QWidget *widget : all) {
        if (!widget->objectName().startsWith(QLatin1String("qt_")))
            QVERIFY2(widget->font().pointSize() <= 8, qPrintable(widget->objectName() + " is above 8 points"));
    }
    QCOMPARE(find(QStringLiteral("lineEdit"))->font().pointSize(), 8);
    QCOMPARE(find(QStringLiteral("lineEdit"))->font().family(), QStringLiteral("Lucida Sans Unicode"));
}

void tst_BookmakerWindow::startTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("label_xuanzedanci") << QString();
    QTest::newRow("label_xuanzeciyi") << QString();
    QTest::newRow("label_guanlianjuzi") << QString();
    QTest::newRow("label_guanlianjuyi") << QString();
    QTest::newRow("label_xuanzeyinbiao") << "[]";
    const QList<QPair<const char *, ushort>> keys = {
        {"label_126", 0x00E6}, {"label_108", 0x00F0}, {"label_134", 0x014B}, {"label_130", 0x0254},
        {"label_124", 0x0259}, {"label_122", 0x025B}, {"label_120", 0x0283}, {"label_123", 0x028C},
        {"label_131", 0x0292}, {"label_128", 0x03B8}, {"label_129", 0x0251}, {"label_114", 0x02CC},
        {"label_127", 0x02C8},
    };
    for (const auto &key : keys)
        QTest::newRow(key.first) << QString(QChar(key.second));
}

void tst_BookmakerWindow::startTexts()
{
    QFETCH(QString, text);
    auto *label = find<QLabel>(QTest::currentDataTag());
    QVERIFY2(label, qPrintable(QString("no label ") + QTest::currentDataTag()));
    QCOMPARE(label->text(), text);
}

void tst_BookmakerWindow::framePictures_data()
{
    QTest::addColumn<QString>("picture");
    const QList<QPair<QString, QStringList>> frames = {
        {":/b1.png", {"frame"}},
        {":/b2.png", {"frame_2"}},
        {":/b3.png", {"frame_3"}},
        {":/b4.png", {"frame_8", "frame_18"}},
        {":/b5.png", {"frame_15"}},
        {":/top.png", {"frame_4", "frame_5", "frame_6", "frame_7", "frame_9", "frame_17"}},
        {":/one.jpg", {"frame_12", "frame_10", "frame_13", "frame_11", "frame_14", "frame_16"}},
    };
    for (const auto &set : frames) {
        for (const QString &frame : set.second)
            QTest::newRow(qPrintable(frame)) << set.first;
    }
}

// Each frame shows its picture: giving it the picture again changes nothing on screen.
void tst_BookmakerWindow::framePictures()
{
    QFETCH(QString, picture);
    auto *frame = find<QFrameEx>(QTest::currentDataTag());
    QVERIFY2(frame, qPrintable(QString("no frame ") + QTest::currentDataTag()));
    // The buttons on the frames of later pages are skinned when first shown.
    showeverypage(window);
    const QImage shown = frame->grab().toImage();
    frame->setpixmap(QPixmap(picture));
    QVERIFY2(frame->grab().toImage() == shown, qPrintable(QString(QTest::currentDataTag()) + " shows another picture"));
}

// Every page's picture box shows the default picture at 200x150 times the scale.
void tst_BookmakerWindow::pagePictures()
{
    const QImage expected = QImage(QStringLiteral(":/default.jpg")).scaled(175, 131).convertToFormat(QImage::Format_RGB32);
    for (const char *name : {"graphicsView_13", "graphicsView_11", "graphicsView_12", "graphicsView_10",
                             "graphicsView_14", "graphicsView_15"}) {
        auto *view = find<QGraphicsView>(QLatin1String(name));
        QVERIFY2(view && view->scene(), qPrintable(QString(name) + " has no scene"));
        QCOMPARE(view->scene()->parent(), window);
        const QList<QGraphicsItem *> items = view->scene()->items();
        QCOMPARE(items.size(), 1);
        auto *item = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.first());
        QVERIFY2(item, qPrintable(QString(name) + " shows no picture item"));
        QCOMPARE(item->pixmap().size(), QSize(175, 131));
        QVERIFY2(item->pixmap().toImage().convertToFormat(QImage::Format_RGB32) == expected,
                 qPrintable(QString(name) + " does not show the default picture"));
    }
}

void tst_BookmakerWindow::blackAroundThePages()
{
    const QImage shown = window->grab().toImage();
    for (const QPoint &at : {QPoint(0, 0), QPoint(400, 25), QPoint(799, 599), QPoint(10, 560)})
        QVERIFY2(shown.pixelColor(at) == QColor(Qt::black),
                 qPrintable("the window is " + shown.pixelColor(at).name() + " around the pages, not black"));
    QVERIFY2(shown.pixelColor(400, 300) != QColor(Qt::black), "the pages are black");
    QCOMPARE(find(QStringLiteral("page"))->geometry(), QRect(0, 0, 800, 500));
}

void tst_BookmakerWindow::startsOnProjectPage()
{
    QCOMPARE(find<QStackedWidget>(QStringLiteral("stackedWidget"))->currentIndex(), 0);
    const QDate shown = find<QDateEdit>(QStringLiteral("dateEdit"))->date();
    QVERIFY2(shown == made,
             qPrintable("the project page is dated " + shown.toString(Qt::ISODate) + ", not the day it opened"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Zembrix Rozo（教材工具）"));
    QCOMPARE(find<QLabel>(QStringLiteral("label_sucaiweizhi"))->text(), dir.path());
}

// The date of making shows its up and down arrows over the input style.
void tst_BookmakerWindow::dateArrows()
{
    const QString missing = spinarrowsmissing(find<QDateEdit>(QStringLiteral("dateEdit")));
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

// Each thumbnail of the display-info page shows its display info when clicked.
void tst_BookmakerWindow::thumbnailsAnswerClicks()
{
    const QStringList names = {"第一个", "第二个", "第三个", "第四个", "第五个"};
    QTemporaryDir material;
    QVERIFY(bookmakerfiles::writeproject(material.path(), 2, 2, 1));
    bookmakerfiles::setmaterial(material.path());
    Widget opened;
    for (int k : {4, 2, 0, 3, 1}) {
        auto *view = opened.findChild<QGraphicsView *>(QStringLiteral("graphicsView_%1").arg(k + 2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QCOMPARE(opened.findChild<QLabel *>(QStringLiteral("label_15"))->text(),
                 QStringLiteral("当前显示%1展示信息").arg(names.at(k)));
    }
}

QTEST_MAIN(tst_BookmakerWindow)
#include "tst_bookmakerwindow.moc"
