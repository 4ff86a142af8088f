#include "textrefit.h"

#include "textfit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QVariant>

namespace {
const char *const FittedText = "fittedtext";

QString shown(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    QStringList items;
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    }
    return items.join(QLatin1Char('\n'));
}
} // namespace

void TextRefit::watch(QWidget *widget)
{
    if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QAbstractButton *>(widget)
        && !qobject_cast<QComboBox *>(widget))
        return;
    static QPointer<TextRefit> filter;
    if (!filter)
        filter = new TextRefit(QCoreApplication::instance());
    widget->setProperty(FittedText, shown(widget));
    widget->installEventFilter(filter);
}

bool TextRefit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->property(FittedText).toString() != shown(widget))
            TextFit::refit(widget);
    }
    return false;
}
