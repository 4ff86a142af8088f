#include "skincheck.h"

#include "checkreturn.h"
#include "everypage.h"
#include "qpushbuttonex.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMap>
#include <QPainter>
#include <QtTest>

#include <algorithm>

namespace skincheck {

namespace {

const QStringList states = {"normal", "hover", "pressed"};

// The three state pictures of each set, as the resources hold them.
QStringList statepaths(const QString &set)
{
    if (set == "s")
        return {":/s.png", ":/s.png", ":/s.png"};
    return {":/" + set + "1.png", ":/" + set + "2.png", ":/" + set + "3.png"};
}

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
QMap<QString, double> distances(const QImage &image, const QRegion &inside, const QStringList &sets)
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

QString outlinefault(const QPushButtonEx *button)
{
    const QRect area = button->rect();
    const QRegion outline = button->mask();
    if (outline.isEmpty())
        return QStringLiteral("the button has no outline");
    if (!area.contains(outline.boundingRect()))
        return QStringLiteral("the outline reaches beyond the button");
    if (outline.boundingRect().width() * 10 < area.width() * 8
        || outline.boundingRect().height() * 10 < area.height() * 8)
        return QStringLiteral("the outline was not fitted to the button's size");
    if (!outline.contains(area.center()))
        return QStringLiteral("the button's centre is cut away");
    for (const QPoint &corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        if (outline.contains(corner))
            return QStringLiteral("a corner of the button takes clicks");
    }
    return QString();
}

} // namespace

QString fault(QPushButtonEx *button, const QString &set, const QStringList &sets)
{
    const QString outline = outlinefault(button);
    if (!outline.isEmpty())
        return outline;

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
        const QMap<QString, double> d = distances(shown.at(state), button->mask(), sets);
        const double own = d.value(want);
        const auto closest = std::min_element(d.cbegin(), d.cend());
        // Sets whose pictures coincide tie; only a strictly closer picture fails.
        if (!(own < 8 && own <= *closest)) {
            button->setText(caption);
            return QStringLiteral("%1 state looks like %2, not %3 (distance %4)")
                .arg(states.at(state), closest.key(), want)
                .arg(own);
        }
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
    if (darkest >= 64)
        return QStringLiteral("the caption is not black (darkest grey %1)").arg(darkest);
    return QString();
}

bool addrows(const QMap<QString, QStringList> &buttons, int count)
{
    QTest::addColumn<QString>("set");
    QMap<QString, QString> setof;
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        for (const QString &name : it.value()) {
            QVERIFY_RETURN(!setof.contains(name), qPrintable(name + " is in two sets"));
            setof.insert(name, it.key());
        }
    }
    QCOMPARE_RETURN(setof.size(), count);
    for (auto it = setof.cbegin(); it != setof.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.value();
    return true;
}

bool checkrow(QWidget *window, const QStringList &sets)
{
    QFETCH(QString, set);
    auto *button = window->findChild<QPushButtonEx *>(QTest::currentDataTag());
    QVERIFY_RETURN(button, qPrintable(QString("no button ") + QTest::currentDataTag()));
    // Buttons of later pages are skinned when their page is first shown.
    showeverypage(window);
    const QString problem = fault(button, set, sets);
    QVERIFY_RETURN(problem.isEmpty(), qPrintable(problem));
    return true;
}

}
