// Key knowledge linked to the item shown: two rows an entry, its title after
// "★" and its content after "☆".

#include "widget.h"

#include <QListWidget>

void Widget::showlinkedkeys(QListWidget *list, const QList<int> &keys)
{
    list->clear();
    for (int k : keys)
        addlinkedkey(list, user.keytitle(k), user.keytext(k));
}

void Widget::addlinkedkey(QListWidget *list, const QString &title, const QString &content)
{
    list->addItem(QStringLiteral("★") + title);
    list->addItem(QStringLiteral("☆") + content);
}
