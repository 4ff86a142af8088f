#ifndef SKINCHECK_H
#define SKINCHECK_H

#include <QString>
#include <QStringList>

class QPushButtonEx;

// Whether a picture button wears its skin set: an outline fitted to its size
// with the corners cut away, the set's normal, hover and pressed pictures
// (the pressed one while disabled) closer than those of any other of sets,
// and a black caption. "s" names the question field's one-picture set.
namespace skincheck {

// An empty string when button wears set, else what is wrong.
QString fault(QPushButtonEx *button, const QString &set, const QStringList &sets);

}

#endif
