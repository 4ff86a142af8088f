#ifndef FORMCHECK_H
#define FORMCHECK_H

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

// Checks of a Designer form against its widget table and tab chain.
namespace formcheck {

// The form's widgets that carry a name of their own.
QList<QWidget *> namedwidgets(QWidget *form);
// How many different names the widgets carry.
int distinctnames(const QList<QWidget *> &widgets);
// How many of the widgets there are of each class.
QMap<QString, int> classcounts(const QList<QWidget *> &widgets);

// Adds one test row per line of a tab-separated widget table: name (the row's
// tag), class, parent, geometry "x,y,w,h", text and tooltip, and with looks a
// space-separated list of looks. Lines starting with '#' are comments.
// Returns how many rows it added.
int addtablerows(const QString &path, bool looks);

// The widget named by the current row's tag has the row's class, parent,
// geometry, caption and tooltip.
bool checkobject(QWidget *form);

// Tab leads from each widget of chain to the next.
bool checktabchain(QWidget *form, const QStringList &chain);

}

#endif
