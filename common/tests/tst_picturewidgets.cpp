#include "buttonskin.h"
#include "drawstretched.h"
#include "firstshow.h"
#include "qframeex.h"
#include "qgraphicsviewex.h"
#include "qpushbuttonex.h"
#include "qstackedwidgetex.h"
#include "scenepicture.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPixmap solid(const QColor &color, const QSize &size = QSize(40, 20))
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

// A one-bit mask: white background, a black ellipse filling the picture.
QBitmap ellipsemask(const QSize &size)
{
    QImage image(size, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawEllipse(QRect(QPoint(0, 0), size));
    painter.end();
    return QBitmap::fromImage(image);
}

QColor centre(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

// Bounds of the pixels that are darker than mid-grey.
QRect inkbounds(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

enum Step { Enter, Leave, Press, RightPress, Release, Disable, Enable };

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_PictureWidgets : public QObject
{
    Q_OBJECT

private slots:
    void statepicture_data();
    void statepicture();
    void unskinned();
    void maskfitsatsettime();
    void skinoutlinefollowsmask();
    void skinmaskpicture();
    void textrect();
    void textcolor();
    void framepicture();
    void framepicturefile();
    void stackpicture();
    void scenepicture_data();
    void scenepicture();
    void viewclick();
    void firstshow_data();
    void firstshow();
    void stretchedpicturesize_data();
    void stretchedpicturesize();
};

void tst_PictureWidgets::statepicture_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("normal") << QList<int>() << QColor(Qt::red);
    QTest::newRow("hover") << QList<int>{Enter} << QColor(Qt::green);
    QTest::newRow("pressed") << QList<int>{Enter, Press} << QColor(Qt::blue);
    QTest::newRow("released") << QList<int>{Enter, Press, Release} << QColor(Qt::green);
    QTest::newRow("left") << QList<int>{Enter, Leave} << QColor(Qt::red);
    QTest::newRow("right button press") << QList<int>{Enter, RightPress} << QColor(Qt::blue);
    QTest::newRow("disabled") << QList<int>{Disable} << QColor(Qt::blue);
    QTest::newRow("disabled hover") << QList<int>{Enter, Disable} << QColor(Qt::blue);
    QTest::newRow("enabled again") << QList<int>{Enter, Disable, Enable} << QColor(Qt::green);
}

void tst_PictureWidgets::statepicture()
{
    QFETCH(QList<int>, steps);
    QFETCH(QColor, expected);
    QWidget window;
    QPushButtonEx button(&window);
    button.setGeometry(10, 10, 100, 30);
    ButtonSkin skin;
    skin.normal = solid(Qt::red);
    skin.hover = solid(Qt::green);
    skin.pressed = solid(Qt::blue);
    skin.apply(&button);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    for (int step : steps) {
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        switch (step) {
        case Enter: QCoreApplication::sendEvent(&button, &enter); break;
        case Leave: QCoreApplication::sendEvent(&button, &leave); break;
        case Press: QTest::mousePress(&button, Qt::LeftButton); break;
        case RightPress: QTest::mousePress(&button, Qt::RightButton); break;
        case Release: QTest::mouseRelease(&button, Qt::LeftButton); break;
        case Disable: button.setEnabled(false); break;
        case Enable: button.setEnabled(true); break;
        }
    }
    const QColor shown = centre(&button);
    QVERIFY2(shown == expected, qPrintable(QString("shows %1, expected %2")
                                                .arg(shown.name(), expected.name())));
    const bool clicked = steps.contains(Release);
    QVERIFY2(clicks.count() == (clicked ? 1 : 0), "wrong number of clicks for these steps");
}

void tst_PictureWidgets::unskinned()
{
    QPushButtonEx button;
    button.resize(100, 30);
    QVERIFY2(button.mask().isEmpty(), "a button that was never skinned has a mask");
    button.setmaskpixmap(QBitmap());
    QVERIFY2(button.mask().isEmpty(), "a null mask masked the button");
    QVERIFY2(!inkbounds(&button).isValid(), "a button without caption and pictures drew something dark");
}

void tst_PictureWidgets::maskfitsatsettime()
{
    QPushButtonEx button;
    button.resize(200, 100);
    button.setmaskpixmap(ellipsemask(QSize(37, 23)));
    const QRegion shape = button.mask();
    QVERIFY2(shape.contains(QPoint(100, 50)), "the centre of an elliptic mask is not part of the button");
    QVERIFY2(!shape.contains(QPoint(1, 1)) && !shape.contains(QPoint(198, 98)),
             "the corners are not cut away");
    QVERIFY2(shape.contains(QPoint(3, 50)) && shape.contains(QPoint(196, 50)),
             "the mask is not stretched over the button's whole width");
    button.resize(400, 200);
    QVERIFY2(button.mask() == shape, "a resize did not keep the outline of the old size");
    button.setmaskpixmap(ellipsemask(QSize(37, 23)));
    QVERIFY2(button.mask().contains(QPoint(200, 100)) && button.mask().contains(QPoint(392, 100)),
             "setting the mask again did not fit it to the new size");
}

void tst_PictureWidgets::skinoutlinefollowsmask()
{
    ButtonSkin skin;
    skin.mask = ellipsemask(QSize(37, 23));
    QPushButtonEx first;
    first.resize(200, 100);
    skin.apply(&first);
    QVERIFY2(!first.mask().contains(QPoint(1, 1)), "the skin's mask did not cut the corners");
    skin.mask = QBitmap();
    QPushButtonEx second;
    second.resize(200, 100);
    skin.apply(&second);
    QVERIFY2(second.mask().isEmpty(), "a skin whose mask was removed still gave the old outline");
}

// Each skinned button keeps its mask picture stretched to its size, taken
// from what the skin built once for that size.
void tst_PictureWidgets::skinmaskpicture()
{
    ButtonSkin skin;
    skin.mask = ellipsemask(QSize(37, 23));
    QPushButtonEx first;
    QPushButtonEx second;
    first.resize(200, 100);
    second.resize(200, 100);
    QVERIFY2(first.maskpixmap().isNull(), "a button that was never skinned has a mask picture");
    skin.apply(&first);
    skin.apply(&second);
    const QImage fitted = first.maskpixmap().toImage();
    QVERIFY2(fitted.size() == QSize(200, 100), "the mask picture is not stretched to the button");
    QVERIFY2(fitted.pixelColor(100, 50) == QColor(Qt::black) && fitted.pixelColor(1, 1) == QColor(Qt::white),
             "the mask picture does not hold the ellipse");
    QVERIFY2(second.maskpixmap().cacheKey() == first.maskpixmap().cacheKey(),
             "two buttons of one size got mask pictures built apart");
}

void tst_PictureWidgets::textrect()
{
    QWidget window;
    QPushButtonEx button(&window);
    const QSize initial = button.size();
    button.resize(300, 40);
    button.setnormalpixmap(solid(Qt::white));
    button.setText("IIII");
    const QRect fromconstruction = inkbounds(&button);
    QVERIFY2(qAbs(fromconstruction.center().x() - initial.width() / 2) <= 2,
             "without a margin the caption is not centred in the size the button had when made");

    button.settextmargin(40);
    button.setcentered(false);
    const QRect left = inkbounds(&button);
    QVERIFY2(left.left() >= 40 && left.left() <= 46,
             qPrintable(QString("the left-aligned caption starts at %1").arg(left.left())));
    QVERIFY2(qAbs(left.center().y() - 20) <= 2, "the caption is not vertically centred");

    button.setcentered(true);
    button.resize(600, 40);
    const QRect centred = inkbounds(&button);
    QVERIFY2(qAbs(centred.center().x() - 150) <= 2,
             "the caption rectangle followed a later resize");
}

void tst_PictureWidgets::textcolor()
{
    QPushButtonEx button;
    button.resize(100, 30);
    button.settextmargin(5);
    button.setnormalpixmap(solid(Qt::white));
    button.setText("MMMM");
    const QImage black = button.grab().toImage();
    button.settextcolor(Qt::red);
    const QImage red = button.grab().toImage();
    bool sawblack = false;
    bool sawred = false;
    for (int y = 0; y < red.height(); ++y) {
        for (int x = 0; x < red.width(); ++x) {
            const QColor b = black.pixelColor(x, y);
            const QColor r = red.pixelColor(x, y);
            sawblack |= b.red() < 60 && b.green() < 60 && b.blue() < 60;
            sawred |= r.red() > 200 && r.green() < 60 && r.blue() < 60;
        }
    }
    QVERIFY2(sawblack, "the caption is not black by default");
    QVERIFY2(sawred, "the caption did not take the chosen colour");
}

void tst_PictureWidgets::framepicture()
{
    QFrameEx frame;
    frame.resize(80, 40);
    frame.setFrameShape(QFrame::Box);
    frame.setLineWidth(3);
    const QColor plain = frame.grab().toImage().pixelColor(1, 1);
    QVERIFY2(plain != QColor(Qt::magenta), "a frame without a picture does not show its frame");
    frame.setpixmap(solid(Qt::magenta, QSize(4, 4)));
    const QImage shown = frame.grab().toImage();
    QVERIFY2(shown.pixelColor(1, 1) == QColor(Qt::magenta), "the picture does not cover the frame lines");
    QVERIFY2(shown.pixelColor(79, 39) == QColor(Qt::magenta), "the picture is not stretched over the frame");
}

void tst_PictureWidgets::framepicturefile()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), "no temporary folder");
    const QString green = dir.filePath("green.png");
    const QString blue = dir.filePath("blue.png");
    QVERIFY2(solid(Qt::green).save(green) && solid(Qt::blue).save(blue), "test pictures were not written");
    QFrameEx frame;
    frame.resize(80, 40);
    frame.setpicture(green);
    QVERIFY2(centre(&frame) == QColor(Qt::green), "the picture file is not shown when the frame paints");
    frame.setpicture(blue);
    QVERIFY2(centre(&frame) == QColor(Qt::blue), "a second picture file does not replace the first");
    frame.setpixmap(solid(Qt::red));
    QVERIFY2(centre(&frame) == QColor(Qt::red), "a picture set later is covered by the file's picture");
    frame.setpicture(dir.filePath("missing.png"));
    QVERIFY2(centre(&frame) != QColor(Qt::red), "a missing picture file leaves the old picture shown");
}

void tst_PictureWidgets::stackpicture()
{
    QStackedWidgetEx stack;
    stack.resize(120, 60);
    stack.addWidget(new QWidget);
    stack.setpixmap(solid(Qt::cyan, QSize(3, 3)));
    const QImage shown = stack.grab().toImage();
    QVERIFY2(shown.pixelColor(0, 0) == QColor(Qt::cyan) && shown.pixelColor(119, 59) == QColor(Qt::cyan),
             "the stack's picture does not show behind a page that paints nothing");
}

void tst_PictureWidgets::scenepicture_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("picture") << solid(Qt::red, QSize(4, 4)) << QSize(30, 20);
    QTest::newRow("null picture") << QPixmap() << QSize(0, 0);
}

// The scene holds only the picture, stretched to the asked size, and the view shows it.
void tst_PictureWidgets::scenepicture()
{
    QFETCH(QPixmap, picture);
    QFETCH(QSize, shown);
    QGraphicsScene scene;
    scene.addRect(0, 0, 5, 5);
    QGraphicsView view;
    showinscene(&scene, &view, picture, 30, 20);
    QVERIFY2(view.scene() == &scene, "the view does not show the scene");
    const QList<QGraphicsItem *> items = scene.items();
    QVERIFY2(items.size() == 1, "the old content is still there");
    const auto *item = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.first());
    QVERIFY2(item && item->pixmap().size() == shown, "the picture is not at the asked size");
    QVERIFY2(scalepixmap(picture, 30, 20).isNull() == picture.isNull(), "scaling changed whether the picture is null");
}

void tst_PictureWidgets::viewclick()
{
    QGraphicsScene scene(0, 0, 100, 100);
    auto *item = scene.addRect(0, 0, 100, 100, QPen(), QBrush(Qt::gray));
    item->setFlags(QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsMovable);
    QGraphicsViewEx view;
    view.setScene(&scene);
    view.resize(120, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&view, &QGraphicsViewEx::click);
    const QPoint middle = view.viewport()->rect().center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    QVERIFY2(clicks.count() == 1, "one press did not give one click()");
    QTest::mouseClick(view.viewport(), Qt::RightButton, Qt::NoModifier, middle);
    QVERIFY2(clicks.count() == 2, "the right mouse button did not give click()");
    QVERIFY2(!item->isSelected(), "the scene received the press");
}

QTEST_MAIN(tst_PictureWidgets)
void tst_PictureWidgets::firstshow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("now");
    QTest::newRow("current page: at once") << 0 << true;
    QTest::newRow("hidden page: when first shown") << 1 << false;
}

// The step runs once: at once for what the window shows, else before the
// widget's first show or paint.
void tst_PictureWidgets::firstshow()
{
    QFETCH(int, page);
    QFETCH(bool, now);
    QStackedWidget stack;
    stack.resize(100, 50);
    for (int i = 0; i < 2; ++i)
        stack.addWidget(new QWidget);
    auto *button = new QPushButtonEx(stack.widget(page));
    button->resize(40, 20);
    int runs = 0;
    bool visiblewhenrun = false;
    FirstShow::run(button, [&] {
        ++runs;
        visiblewhenrun = button->isVisible();
    });
    QCOMPARE(runs, now ? 1 : 0);
    stack.show();
    QVERIFY2(QTest::qWaitForWindowExposed(&stack), "the stack did not show");
    QCOMPARE(runs, now ? 1 : 0);
    stack.setCurrentIndex(page == 0 ? 1 : 0);
    stack.setCurrentIndex(page);
    QCOMPARE(runs, 1);
    if (!now)
        QVERIFY2(visiblewhenrun, "the step ran before the widget was shown");
    stack.setCurrentIndex(page == 0 ? 1 : 0);
    stack.setCurrentIndex(page);
    QCOMPARE(runs, 1);
}

void tst_PictureWidgets::stretchedpicturesize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("smaller widget") << QSize(20, 10) << QSize(20, 10);
    QTest::newRow("narrower widget") << QSize(30, 40) << QSize(30, 20);
    QTest::newRow("larger widget") << QSize(80, 40) << QSize(40, 20);
}

// A picture is decoded no larger than the widget it fills.
void tst_PictureWidgets::stretchedpicturesize()
{
    QFETCH(QSize, size);
    QFETCH(QSize, decoded);
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.jpg");
    QVERIFY2(solid(Qt::red, QSize(40, 20)).save(path), "the picture could not be written");
    const QPixmap picture = stretchedpicture(path, size);
    QCOMPARE(picture.size(), decoded);
    QVERIFY2(qAbs(picture.toImage().pixelColor(decoded.width() / 2, decoded.height() / 2).red() - 255) < 8,
             "the picture's colour was lost");
}

#include "tst_picturewidgets.moc"
