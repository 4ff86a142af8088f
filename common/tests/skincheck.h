#ifndef SKINCHECK_H
#define SKINCHECK_H

#include <QMap>
#include <QString>
#include <QStringList>

class QPushButtonEx;
class QWidget;

// Whether a picture button wears its skin set: an outline fitted to its size
// with the corners cut away, the set's normal, hover and pressed pictures
// (the pressed one while disabled) closer than those of any other of sets,
// and a black caption. "s" names the question field's one-picture set.
namespace skincheck {

// An empty string when button wears set, else what is wrong.
QString fault(QPushButtonEx *button, const QString &set, const QStringList &sets);

// Adds a test row "set" per button, tagged with the button's name, from the
// buttons of each set; a button in two sets fails, and so does a count other
// than count.
bool addrows(const QMap<QString, QStringList> &buttons, int count);

// The button of window named by the current row's tag wears the row's set
// once every page of the window has been shown.
bool checkrow(QWidget *window, const QStringList &sets);

}

#endif
