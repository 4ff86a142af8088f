#include "widget.h"

#include "qpushbuttonex.h"

#include <QPainter>
#include <QtTest>

namespace {

const QStringList states = {"normal", "hover", "pressed"};

// The three state pictures of each set, as the resources hold them.
QStringList statepaths(const QString &set)
{
    if (set == "s")
        return {":/s.png", ":/s.png", ":/s.png"};
    return {":/" + set + "1.png", ":/" + set + "2.png", ":/" + set + "3.png"};
}

const QStringList sets = {"f2", "f4", "y2", "y3", "px", "q", "s", "ljgd", "zy"};

// A picture stretched over a button of the given size, aspect ratio ignored.
QImage stretched(const QString &path, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QPixmap pixmap(path);
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size)), pixmap, QRectF(pixmap.rect()));
    return image;
}

// Mean colour distance over the pixels inside the button's outline.
double distance(const QImage &a, const QImage &b, const QRegion &inside)
{
    double sum = 0;
    int count = 0;
    for (const QRect &r : inside) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                       + qAbs(qBlue(p) - qBlue(q));
                ++count;
            }
        }
    }
    return count ? sum / count : 0;
}

// Distances of a grab to every state picture of every set, keyed "<set> <state>".
QMap<QString, double> distances(const QImage &image, const QRegion &inside)
{
    QMap<QString, double> result;
    for (const QString &set : sets) {
        const QStringList paths = statepaths(set);
        for (int state = 0; state < paths.size(); ++state)
            result.insert(set + " " + states.at(state),
                          distance(image, stretched(paths.at(state), image.size()), inside));
    }
    return result;
}

QImage grabbed(QPushButtonEx *button)
{
    return button->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_WidgetSkins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void skins_data();
    void skins();
    void slotsFindTheirWidgets();

private:
    Widget *window = nullptr;
};

void tst_WidgetSkins::initTestCase()
{
    window = new Widget;
}

void tst_WidgetSkins::cleanupTestCase()
{
    delete window;
}

void tst_WidgetSkins::skins_data()
{
    QTest::addColumn<QString>("set");

    const QMap<QString, QList<int>> buttons = {
        {"f2", {1, 2, 3, 28, 128, 104, 109, 33}},
        {"f4", {48, 49, 46, 47, 50, 51, 108, 113}},
        {"y2", {5, 8, 11, 14, 87, 90, 6, 10, 12, 15, 88, 91, 7, 9, 13, 16, 86, 89,
                19, 20, 21, 61, 22, 23, 26, 24, 25, 129, 27, 30, 42, 38, 41, 130, 39, 40,
                110, 103, 105, 131, 107, 111, 85, 81, 83, 132, 84, 82}},
        {"y3", {29, 55, 62, 31, 63, 66, 57, 133, 34, 53, 54, 64, 35, 60, 65}},
        {"px", {36, 37, 58, 59}},
        {"q", {56, 67, 68, 126, 127, 92, 4, 76, 32, 95, 96, 94, 93, 97, 98, 116, 117,
               99, 100, 118, 119, 101, 102, 120, 121, 106, 112, 122, 123, 114, 115, 124, 125}},
        {"s", {75}},
        {"ljgd", {17, 18, 70, 71, 72, 73, 74}},
        {"zy", {69, 80, 43, 77, 44, 78, 45, 52, 79}},
    };
    QMap<int, QString> setof;
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        for (int number : it.value()) {
            QVERIFY2(!setof.contains(number), qPrintable(QString("button %1 twice").arg(number)));
            setof.insert(number, it.key());
        }
    }
    QCOMPARE(setof.size(), 133);
    for (auto it = setof.cbegin(); it != setof.cend(); ++it) {
        const QString name = it.key() == 1 ? QString("pushButton")
                                           : QString("pushButton_%1").arg(it.key());
        QTest::newRow(qPrintable(name)) << it.value();
    }
}

void tst_WidgetSkins::skins()
{
    QFETCH(QString, set);
    auto *button = window->findChild<QPushButtonEx *>(QTest::currentDataTag());
    QVERIFY2(button, QTest::currentDataTag());

    const QRect area = button->rect();
    const QRegion outline = button->mask();
    QVERIFY2(!outline.isEmpty(), "the button has no outline");
    QVERIFY2(area.contains(outline.boundingRect()), "the outline reaches beyond the button");
    QVERIFY2(outline.boundingRect().width() * 10 >= area.width() * 8
                 && outline.boundingRect().height() * 10 >= area.height() * 8,
             "the outline was not fitted to the button's size");
    QVERIFY2(outline.contains(area.center()), "the button's centre is cut away");
    for (const QPoint &corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        QVERIFY2(!outline.contains(corner), "a corner of the button takes clicks");

    // Pictures without the caption: a disabled button always shows its pressed picture.
    const QString caption = button->text();
    const bool enabled = button->isEnabled();
    button->setText(QString());
    const QImage normal = grabbed(button);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    const QImage hover = grabbed(button);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    button->setEnabled(false);
    const QImage pressed = grabbed(button);
    button->setEnabled(enabled);

    const QList<QImage> shown = {normal, hover, pressed};
    for (int state = 0; state < states.size(); ++state) {
        const QString want = set + " " + states.at(enabled ? state : 2);
        const QMap<QString, double> d = distances(shown.at(state), outline);
        const double own = d.value(want);
        const auto closest = std::min_element(d.cbegin(), d.cend());
        // Sets whose pictures coincide tie; only a strictly closer picture fails.
        QVERIFY2(own < 8 && own <= *closest,
                 qPrintable(QString("%1 state looks like %2, not %3 (distance %4)")
                                .arg(states.at(state), closest.key(), want).arg(own)));
    }

    // The caption is drawn in black.
    button->setText(QString::fromUtf8("田田"));
    const QImage withtext = grabbed(button);
    button->setText(caption);
    int darkest = 255;
    for (int y = 0; y < withtext.height(); ++y) {
        for (int x = 0; x < withtext.width(); ++x) {
            if (withtext.pixel(x, y) != normal.pixel(x, y))
                darkest = qMin(darkest, qGray(withtext.pixel(x, y)));
        }
    }
    QVERIFY2(darkest < 64, qPrintable(QString("the caption is not black (darkest grey %1)").arg(darkest)));
}

void tst_WidgetSkins::slotsFindTheirWidgets()
{
    const QMetaObject *meta = window->metaObject();
    int bound = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QString signature = QString::fromLatin1(slot.methodSignature());
        if (slot.methodType() != QMetaMethod::Slot || !signature.startsWith("on_"))
            continue;
        const QString name = QString::fromLatin1(slot.name());
        const int split = name.lastIndexOf('_');
        const QString object = name.mid(3, split - 3);
        const QString signal = name.mid(split + 1) + signature.mid(signature.indexOf('('));
        QObject *target = window->findChild<QObject *>(object);
        QVERIFY2(target, qPrintable(signature + ": no widget " + object));
        QVERIFY2(target->metaObject()->indexOfSignal(qPrintable(signal)) >= 0,
                 qPrintable(signature + ": " + object + " has no signal " + signal));
        ++bound;
    }
    QVERIFY2(bound > 0, "the window has no slots bound by name");
}

QTEST_MAIN(tst_WidgetSkins)
#include "tst_widgetskins.moc"
