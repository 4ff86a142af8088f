#include "textrefit.h"

#include "textfit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QVariant>

namespace {
const char *const FittedText = "fittedtext";

QString shown(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}
} // namespace

void TextRefit::watch(QWidget *widget)
{
    if (!qobject_cast<QLabel *>(widget) && !qobject_cast<QAbstractButton *>(widget))
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
