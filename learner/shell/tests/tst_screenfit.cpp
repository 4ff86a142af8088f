#include "dialogframe.h"
#include "pictures.h"
#include "scenepicture.h"
#include "screenfit.h"
#include "spinarrows.h"
#include "testfiles.h"
#include "testpictures.h"
#include "widget.h"

#include <QGraphicsView>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

class tst_screenfit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void choose_data();
    void choose();
    void descendants_data();
    void descendants();
    void window();
    void spinarrows_data();
    void spinarrows();
    void bytes_data();
    void bytes();
};

void tst_screenfit::init()
{
    QFile::remove(testfiles::programsettings());
}

void tst_screenfit::choose_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("stack");
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("fontsize");

    QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(96, 0, 1728, 1080) << 1.8947368f << 19;
    QTest::newRow("1680x1050") << QSize(1680, 1050) << QRect(0, 0, 1680, 1050) << float(1680 / 912.0) << 18;
    QTest::newRow("1440x900") << QSize(1440, 900) << QRect(0, 0, 1440, 900) << float(1440 / 912.0) << 17;
    QTest::newRow("1366x768") << QSize(1366, 768) << QRect(69, 0, 1228, 767) << float(1228 / 912.0) << 13;
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QRect(26, 128, 1228, 767) << float(1228 / 912.0) << 13;
    QTest::newRow("1152x720") << QSize(1152, 720) << QRect(0, 0, 1152, 720) << float(1152 / 912.0) << 12;
    QTest::newRow("1024x768") << QSize(1024, 768) << QRect(0, 64, 1024, 640) << float(1024 / 912.0) << 11;
    QTest::newRow("800x600") << QSize(800, 600) << QRect(0, 50, 800, 500) << float(800 / 912.0) << 8;
    QTest::newRow("640x480 too small") << QSize(640, 480) << QRect(-80, -10, 800, 500) << 0.877193f << 8;
    QTest::newRow("1727x1080 just too narrow") << QSize(1727, 1080) << QRect(23, 15, 1680, 1050)
                                               << float(1680 / 912.0) << 18;
}

void tst_screenfit::choose()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, stack);
    QFETCH(float, scale);
    QFETCH(int, fontsize);
    const ScreenFit fit = ScreenFit::choose(screen, 570);
    QVERIFY2(fit.stack == stack, qPrintable(QStringLiteral("wrong page stack %1,%2 %3x%4")
                                                .arg(fit.stack.x()).arg(fit.stack.y())
                                                .arg(fit.stack.width()).arg(fit.stack.height())));
    QVERIFY2(qFuzzyCompare(fit.scale, scale), qPrintable("wrong scale " + QString::number(double(fit.scale), 'g', 9)));
    QCOMPARE(fit.fontsize, fontsize);
}

void tst_screenfit::descendants_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("design");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("1728") << 1728 << QRect(10, 10, 100, 20) << QRect(18, 18, 189, 37);
    QTest::newRow("full size at 1152 is one short") << 1152 << QRect(0, 0, 912, 570) << QRect(0, 0, 1151, 719);
    QTest::newRow("800") << 800 << QRect(120, 220, 101, 21) << QRect(105, 192, 88, 18);
    QTest::newRow("1440 keeps whole pixels") << 1440 << QRect(0, 539, 912, 31) << QRect(0, 851, 1440, 48);
}

void tst_screenfit::descendants()
{
    QFETCH(int, width);
    QFETCH(QRect, design);
    QFETCH(QRect, expected);
    const ScreenFit fit = ScreenFit::choose(QSize(width, 1080), 570);
    QWidget root;
    root.setGeometry(5, 5, 912, 570);
    QWidget page(&root);
    page.setGeometry(0, 0, 912, 570);
    QLabel child(&page);
    child.setGeometry(design);
    DialogFrame::scaledescendants(&root, fit.scale, fit.fontsize);
    QVERIFY2(child.geometry() == expected,
             qPrintable(QStringLiteral("wrong geometry %1,%2 %3x%4").arg(child.x()).arg(child.y())
                            .arg(child.width()).arg(child.height())));
    QCOMPARE(child.font().pointSize(), fit.fontsize);
    QVERIFY2(root.geometry() == QRect(5, 5, 912, 570), "the root's geometry changed");
}

// The offscreen screen is 800 x 600: the smallest size, 50 pixels from the top.
void tst_screenfit::window()
{
    Widget window;
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QVERIFY2(stack, "no page stack");
    QCOMPARE(stack->geometry(), QRect(0, 50, 800, 500));
    const QFont windowfont = window.font();
    QCOMPARE(stack->font().pointSize(), windowfont.pointSize());

    auto *name = window.findChild<QLabel *>(QStringLiteral("label_5"));
    QCOMPARE(name->geometry(), QRect(105, 192, 88, 18));
    QCOMPARE(name->font().pointSize(), 8);
    auto *strip = window.findChild<QWidget *>(QStringLiteral("frame_15"));
    QCOMPARE(strip->geometry(), QRect(43, 261, 714, 167));
    auto *slot = window.findChild<QGraphicsView *>(QStringLiteral("graphicsView_3"));
    QCOMPARE(slot->geometry(), QRect(248, 57, 105, 78));
}

void tst_screenfit::spinarrows_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("box");

    QTest::newRow("800x600 learning page") << QSize(800, 600) << "spinBox_11";
    QTest::newRow("1152x720 plan page") << QSize(1152, 720) << "spinBox_14";
    QTest::newRow("1920x1080 review page") << QSize(1920, 1080) << "spinBox_13";
}

// The up and down halves of a spin box show arrows, and the box keeps the
// input style's blue border and yellow background.
void tst_screenfit::spinarrows()
{
    QFETCH(QSize, screen);
    QFETCH(QString, box);
    ScreenFit::setscreen(screen);
    Widget window;
    ScreenFit::setscreen(QSize());
    auto *spin = window.findChild<QSpinBox *>(box);
    QVERIFY2(spin, qPrintable("no spin box " + box));
    spin->setValue((spin->minimum() + spin->maximum()) / 2);
    const QString missing = spinarrowsmissing(spin);
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

void tst_screenfit::bytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loaded");

    const QByteArray jpeg = testpictures::encoded(20, 10, Qt::red, "JPG");

    QTest::newRow("jpeg") << jpeg << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no picture") << QByteArray("hello, world") << false;
    QTest::newRow("truncated jpeg") << jpeg.left(20) << false;
    QTest::newRow("huge jpeg") << testpictures::oversizedjpeg() << false;
    // A valid header announcing 20000 x 20000 pixels, which would take 1.6 GB.
    QTest::newRow("huge png") << QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008060000"
                                                     "00e37046390000000c49444154789c6360a03d00000064000186643c35")
                              << false;
    for (const auto &bomb : testpictures::bombs())
        QTest::newRow(bomb.first) << bomb.second << false;
    QTest::newRow("progressive JPEG stating 11585x11585") << testpictures::progressivebomb() << false;
    QTest::newRow("JPEG of 20000 scans") << testpictures::manyscansjpeg() << false;
    QTest::newRow("JPEG of 20000 scans within the coefficient budget") << testpictures::manyscansjpeg(20000, 1024) << false;
    QTest::newRow("progressive camera JPEG") << testpictures::progressivejpeg(4000, 3000, Qt::red) << true;
}

void tst_screenfit::bytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loaded);
    QPixmap picture;
    QCOMPARE(bytespixmap(picture, bytes), loaded);
    QCOMPARE(picture.isNull(), !loaded);
    const QPixmap scaled = scalepixmap(picture, 120, 90);
    QCOMPARE(scaled.isNull(), !loaded);
    if (loaded)
        QCOMPARE(scaled.size(), QSize(120, 90));
}

QTEST_MAIN(tst_screenfit)
#include "tst_screenfit.moc"
