#include "textfit.h"

#include "qpushbuttonex.h"
#include "textrefit.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTextDocument>

namespace {
const char *const TableSize = "tablepointsize";
const int SmallestSize = 4;

// The height the text's lines take when only their ink must show whole: the
// line boxes less the empty rows above and below the glyphs.
int inkheight(const QFontMetrics &metrics, const QString &text, int lineboxes, Qt::Alignment alignment)
{
    const QRect ink = metrics.tightBoundingRect(text);
    if (ink.isEmpty())
        return 0;
    const int above = metrics.ascent() + ink.top();
    const int below = metrics.descent() - 1 - ink.bottom();
    if (alignment & Qt::AlignTop)
        return lineboxes - below;
    if (alignment & Qt::AlignBottom)
        return lineboxes - above;
    return lineboxes - 2 * qMin(above, below);
}

// Where the glyphs of one line land when it is drawn into area.
QRect placedink(const QFontMetrics &metrics, const QString &text, const QRect &area, Qt::Alignment alignment)
{
    const QSize box = metrics.size(0, text);
    int x = area.left();
    if (alignment & Qt::AlignHCenter)
        x += (area.width() - box.width()) / 2;
    else if (alignment & Qt::AlignRight)
        x = area.right() + 1 - box.width();
    int y = area.top();
    if (alignment & Qt::AlignVCenter)
        y += (area.height() - box.height()) / 2;
    else if (alignment & Qt::AlignBottom)
        y = area.bottom() + 1 - box.height();
    return metrics.tightBoundingRect(text).translated(x, y + metrics.ascent());
}

// Whether one line fits area: its advance, its glyphs' height, and its
// glyphs a pixel off the sides the alignment does not hold them to.
bool fitsline(const QWidget *widget, const QString &text, const QRect &area,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const QSize needed = metrics.size(0, text);
    if (needed.width() > area.width() || inkheight(metrics, text, needed.height(), alignment) > area.height())
        return false;
    const QRect ink = placedink(metrics, text, area, alignment);
    const int left = alignment & Qt::AlignLeft ? area.left() : area.left() + 1;
    const int right = alignment & Qt::AlignRight ? area.right() : area.right() - 1;
    return ink.isEmpty() || (ink.left() >= left && ink.right() <= right);
}

// A picture button's caption: in its caption area, its glyphs inside the
// outline and off the ring.
bool skinnedfits(const QPushButtonEx *button)
{
    const QRect area = button->textarea();
    if (!fitsline(button, button->text(), area, button->textalignment()))
        return false;
    if (button->mask().isEmpty())
        return true;
    const QRect ink = placedink(button->fontMetrics(), button->text(), area, button->textalignment());
    return QRegion(ink).subtracted(button->textroom()).isEmpty();
}

QString plaintext(const QLabel *label)
{
    if (!Qt::mightBeRichText(label->text()) || label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The label's text area: its contents less its margin and, as QLabel lays
// out a framed label without an indent of its own, half an x on the aligned sides.
QRect labelarea(const QLabel *label)
{
    const int margin = label->margin();
    QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment alignment = label->alignment();
        area.adjust(alignment & Qt::AlignLeft ? indent : 0, alignment & Qt::AlignTop ? indent : 0,
                    alignment & Qt::AlignRight ? -indent : 0, alignment & Qt::AlignBottom ? -indent : 0);
    }
    return area;
}

bool labelfits(const QLabel *label)
{
    const QString text = plaintext(label);
    const QRect area = labelarea(label);
    if (text.isEmpty())
        return true;
    if (!label->wordWrap())
        return fitsline(label, text, area, label->alignment());
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 100000), Qt::TextWordWrap, text);
    return needed.width() <= area.width()
           && inkheight(metrics, text, needed.height(), label->alignment()) <= area.height();
}

// An indicator, its spacing and the text, as the style lays out a check or radio button.
bool indicatorfits(const QAbstractButton *button, QStyle::PixelMetric indicator, QStyle::PixelMetric spacing)
{
    const int taken = button->style()->pixelMetric(indicator, nullptr, button)
                      + button->style()->pixelMetric(spacing, nullptr, button) + 2;
    return fitsline(button, button->text(), button->rect().adjusted(taken, 0, 0, 0));
}

bool buttonfits(const QAbstractButton *button)
{
    if (button->text().isEmpty())
        return true;
    if (const auto *skinned = qobject_cast<const QPushButtonEx *>(button))
        return skinnedfits(skinned);
    if (qobject_cast<const QRadioButton *>(button))
        return indicatorfits(button, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing);
    if (qobject_cast<const QCheckBox *>(button))
        return indicatorfits(button, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
    return fitsline(button, button->text(), button->rect().adjusted(frame, frame, -frame, -frame), Qt::AlignCenter);
}

QRect editarea(const QWidget *edit, bool frame)
{
    const int inset = frame ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) + 2 : 2;
    return edit->rect().adjusted(inset, 1, -inset, -1);
}

// A date field fits its widest date, so that no date set later is cut off.
QString widesttext(const QAbstractSpinBox *spinbox)
{
    const auto *dates = qobject_cast<const QDateTimeEdit *>(spinbox);
    if (!dates)
        return spinbox->text();
    const QDateTime widest(QDate(2088, 12, 28), QTime(23, 58, 58));
    return spinbox->locale().toString(widest, dates->displayFormat());
}

bool spinboxfits(const QAbstractSpinBox *spinbox)
{
    QStyleOptionSpinBox option;
    option.initFrom(spinbox);
    option.rect = spinbox->rect();
    option.frame = spinbox->hasFrame();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp
                         | QStyle::SC_SpinBoxDown;
    option.buttonSymbols = spinbox->buttonSymbols();
    const QRect field = spinbox->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                         QStyle::SC_SpinBoxEditField, spinbox);
    return fitsline(spinbox, widesttext(spinbox), field.adjusted(2, 0, -2, 0), spinbox->alignment());
}

bool comboboxfits(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    option.frame = combo->hasFrame();
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i) {
        if (!fitsline(combo, combo->itemText(i), field.adjusted(2, 0, -2, 0)))
            return false;
    }
    return true;
}
// The spin box or combo box a line edit is the editor of, which fits for it.
QWidget *editowner(const QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (!qobject_cast<const QLineEdit *>(widget) || !parent)
        return nullptr;
    if (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
        return parent;
    return nullptr;
}
void setpointsize(QWidget *widget, int pointsize)
{
    QFont font = widget->font();
    font.setPointSize(pointsize);
    widget->setFont(font);
}
} // namespace

void TextFit::fit(QWidget *widget, int pointsize)
{
    if (QWidget *owner = editowner(widget)) {
        setpointsize(widget, owner->font().pointSize());
        return;
    }
    widget->setProperty(TableSize, pointsize);
    for (int size = pointsize; size >= SmallestSize; --size) {
        setpointsize(widget, size);
        if (fits(widget))
            break;
    }
    if (QLineEdit *inner = widget->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly))
        setpointsize(inner, widget->font().pointSize());
    TextRefit::watch(widget);
}

void TextFit::refit(QWidget *widget)
{
    const QVariant size = widget->property(TableSize);
    if (size.isValid())
        fit(widget, size.toInt());
}

bool TextFit::fits(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return labelfits(label);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return buttonfits(button);
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        if (editowner(edit))
            return true;
        const QString text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        return text.isEmpty() || fitsline(edit, text, editarea(edit, edit->hasFrame()), edit->alignment());
    }
    if (const auto *spinbox = qobject_cast<const QAbstractSpinBox *>(widget))
        return spinboxfits(spinbox);
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return comboboxfits(combo);
    return true;
}
