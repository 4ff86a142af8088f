#include "textrefit.h"

#include "textfit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QVariant>

namespace {
const char *const FittedText = "fittedtext";
// On a model: how often its items changed. On a combo box: its model and
// that count when it was fitted.
const char *const ItemChanges = "itemchanges";
const char *const FittedModel = "fittedmodel";
const char *const FittedChanges = "fittedchanges";

QString shown(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

bool changed(const QWidget *widget)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        const QAbstractItemModel *model = combo->model();
        return combo->property(FittedModel).value<quintptr>() != quintptr(model)
               || combo->property(FittedChanges) != model->property(ItemChanges);
    }
    return widget->property(FittedText).toString() != shown(widget);
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
    if (const auto *combo = qobject_cast<QComboBox *>(widget)) {
        QAbstractItemModel *model = combo->model();
        if (!model->property(ItemChanges).isValid())
            model->setProperty(ItemChanges, 0);
        const auto unique = Qt::UniqueConnection;
        connect(model, &QAbstractItemModel::rowsInserted, filter, &TextRefit::itemschanged, unique);
        connect(model, &QAbstractItemModel::rowsRemoved, filter, &TextRefit::itemschanged, unique);
        connect(model, &QAbstractItemModel::rowsMoved, filter, &TextRefit::itemschanged, unique);
        connect(model, &QAbstractItemModel::dataChanged, filter, &TextRefit::itemschanged, unique);
        connect(model, &QAbstractItemModel::modelReset, filter, &TextRefit::itemschanged, unique);
        connect(model, &QAbstractItemModel::layoutChanged, filter, &TextRefit::itemschanged, unique);
        widget->setProperty(FittedModel, QVariant::fromValue(quintptr(model)));
        widget->setProperty(FittedChanges, model->property(ItemChanges));
    } else {
        widget->setProperty(FittedText, shown(widget));
    }
    widget->installEventFilter(filter);
}

bool TextRefit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        auto *widget = static_cast<QWidget *>(watched);
        if (changed(widget))
            TextFit::refit(widget);
    }
    return false;
}

void TextRefit::itemschanged()
{
    QObject *model = sender();
    model->setProperty(ItemChanges, model->property(ItemChanges).toInt() + 1);
}
