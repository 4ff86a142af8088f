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

bool fitsline(const QWidget *widget, const QString &text, const QRect &area)
{
    const QSize needed = widget->fontMetrics().size(0, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QString plaintext(const QLabel *label)
{
    if (!Qt::mightBeRichText(label->text()) || label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

bool labelfits(const QLabel *label)
{
    const QString text = plaintext(label);
    const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    if (text.isEmpty())
        return true;
    if (!label->wordWrap())
        return fitsline(label, text, area);
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, area.width(), 100000),
                                                           Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
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
        return fitsline(skinned, skinned->text(), skinned->textarea());
    if (qobject_cast<const QRadioButton *>(button))
        return indicatorfits(button, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing);
    if (qobject_cast<const QCheckBox *>(button))
        return indicatorfits(button, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
    return fitsline(button, button->text(), button->rect().adjusted(frame, frame, -frame, -frame));
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
    return fitsline(spinbox, widesttext(spinbox), field.adjusted(2, 0, -2, 0));
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
        return text.isEmpty() || fitsline(edit, text, editarea(edit, edit->hasFrame()));
    }
    if (const auto *spinbox = qobject_cast<const QAbstractSpinBox *>(widget))
        return spinboxfits(spinbox);
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return comboboxfits(combo);
    return true;
}
