#ifndef BYNAMESLOT_H
#define BYNAMESLOT_H

#include <QMetaMethod>
#include <QString>

class QObject;

// The signal that a slot bound by name, "on_<object>_<signal>(<arguments>)",
// stands for: the signal of window's child <object>. When there is no such
// child or signal the method is invalid and fault says what is missing.
struct ByNameSlot
{
    ByNameSlot(QObject *window, const QMetaMethod &slot);

    QObject *target = nullptr;
    QMetaMethod signal;
    QString fault;
};

#endif
