#include "paintedtext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QWidget>

namespace {

// Shows text in place of the widget's own, without signals, and hands back
// the text it replaced; false for a widget that shows no text of its own.
bool swaptext(QWidget *widget, QString &text)
{
    const QSignalBlocker blocker(widget);
    QString old;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        old = label->text();
        label->setText(text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        old = button->text();
        button->setText(text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (edit->text().isEmpty() && text.isEmpty()) {
            old = edit->placeholderText();
            edit->setPlaceholderText(text);
        } else {
            old = edit->text();
            edit->setText(text);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable() || combo->currentIndex() < 0)
            return false;
        old = combo->currentText();
        combo->setItemText(combo->currentIndex(), text);
    } else {
        return false;
    }
    text = old;
    return true;
}

// The text a widget of a kind that draws one line as it is shows; empty for
// other widgets and for texts of several lines.
QString oneline(const QWidget *widget)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (!label->wordWrap() && (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text())))
            text = label->text();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        text = button->text();
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
    } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        text = combo->currentText();
    }
    return text.contains(QLatin1Char('\n')) ? QString() : text;
}

// The size of the ink of text drawn in font with room all round.
QSize freeink(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    QImage canvas(metrics.horizontalAdvance(text) + 40, metrics.height() * 2 + 40, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 20 + metrics.ascent()), text);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (255 - qGray(canvas.pixel(x, y)) > 64)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.size();
}

int distance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

QString sidenames(bool left, bool right, bool top, bool bottom)
{
    QStringList sides;
    if (left)
        sides << QStringLiteral("left");
    if (right)
        sides << QStringLiteral("right");
    if (top)
        sides << QStringLiteral("top");
    if (bottom)
        sides << QStringLiteral("bottom");
    return sides.join(QLatin1Char(','));
}

} // namespace

PaintedText::PaintedText(QWidget *shown)
    : widget(shown)
    , font(shown->font())
{
    const QImage first = shown->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QString text;
    if (!swaptext(shown, text))
        return;
    if (text.isEmpty()) {
        swaptext(shown, text);
        return;
    }
    withtext = first;
    without = shown->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    swaptext(shown, text);
    // Drawn once more with its own text, as a text set anew is drawn.
    shown->grab();
}

bool PaintedText::hastext() const
{
    return !withtext.isNull();
}

bool PaintedText::isink(int x, int y) const
{
    const QRgb a = withtext.pixel(x, y);
    const QRgb b = without.pixel(x, y);
    const int most = qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                          qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
    return most > 64;
}

QRect PaintedText::inkbounds() const
{
    QRect bounds;
    for (int y = 0; y < withtext.height(); ++y) {
        for (int x = 0; x < withtext.width(); ++x) {
            if (isink(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QString PaintedText::cut() const
{
    if (!hastext() || withtext.size() != without.size())
        return QString();
    const QString text = oneline(widget);
    if (!text.isEmpty()) {
        // Glyphs cut off whole leave no ink at an edge: the ink is narrower or lower than the text's.
        const QSize shown = inkbounds().size();
        const QSize whole = freeink(text, font);
        if (shown.width() < whole.width() - 2 || shown.height() < whole.height() - 1)
            return QStringLiteral("%1x%2 pixels of the text's %3x%4 show")
                .arg(shown.width()).arg(shown.height()).arg(whole.width()).arg(whole.height());
    }
    if (!widget->mask().isEmpty())
        return cutinbutton();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        // Wrapped lines are broken to the label's width and may reach both sides.
        const Qt::Alignment sides = label->wordWrap() ? Qt::AlignLeft | Qt::AlignRight : Qt::Alignment();
        return cutatedges(label->contentsRect(), label->alignment() | sides);
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        return cutatedges(edit->rect().adjusted(frame, frame, -frame, -frame), Qt::Alignment());
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.rect = combo->rect();
        option.frame = combo->hasFrame();
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        return cutatedges(field, Qt::AlignLeft);
    }
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
        return cutatedges(widget->rect(), Qt::AlignLeft);
    return cutatedges(widget->rect(), Qt::Alignment());
}

QString PaintedText::cutatedges(const QRect &room, Qt::Alignment alignment) const
{
    const bool oneline = !::oneline(widget).isEmpty();
    bool outside = false;
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
    for (int y = 0; y < withtext.height(); ++y) {
        for (int x = 0; x < withtext.width(); ++x) {
            if (!isink(x, y))
                continue;
            outside |= !room.contains(x, y);
            left |= x == room.left() && !(alignment & Qt::AlignLeft);
            right |= x == room.right() && !(alignment & Qt::AlignRight);
            // One line's glyphs may fill its height: their height is judged by the ink's extent.
            top |= y == room.top() && !(alignment & Qt::AlignTop) && !oneline;
            bottom |= y == room.bottom() && !(alignment & Qt::AlignBottom) && !oneline;
        }
    }
    if (outside)
        return QStringLiteral("text drawn outside its room");
    if (left || right || top || bottom)
        return QStringLiteral("text runs into the %1 edge").arg(sidenames(left, right, top, bottom));
    return QString();
}

// The ring is what the picture draws along the outline: on the middle row,
// the darkest of the first pixels inside the outline; a pixel belongs to it
// when its colour is much nearer that than the colour of the button's middle.
QString PaintedText::cutinbutton() const
{
    const QRegion outline = widget->mask();
    const int middle = without.height() / 2;
    int first = 0;
    while (first < without.width() && !outline.contains(QPoint(first, middle)))
        ++first;
    if (first >= without.width())
        return QStringLiteral("the outline leaves out the button's middle row");
    QRgb ring = without.pixel(first, middle);
    for (int x = first; x < qMin(first + 4, without.width()); ++x) {
        if (qGray(without.pixel(x, middle)) < qGray(ring))
            ring = without.pixel(x, middle);
    }
    const QRgb face = without.pixel(without.width() / 2, middle);
    const auto onring = [&](int x, int y) {
        if (!QRect(QPoint(0, 0), without.size()).contains(x, y) || !outline.contains(QPoint(x, y)))
            return true;
        const QRgb colour = without.pixel(x, y);
        return 2 * distance(colour, ring) < distance(colour, face);
    };
    for (int y = 0; y < withtext.height(); ++y) {
        for (int x = 0; x < withtext.width(); ++x) {
            if (!isink(x, y))
                continue;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (onring(x + dx, y + dy))
                        return QStringLiteral("text touches the ring or the outline at (%1,%2)").arg(x).arg(y);
                }
            }
        }
    }
    return QString();
}
