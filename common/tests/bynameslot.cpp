#include "bynameslot.h"

#include <QObject>

ByNameSlot::ByNameSlot(QObject *window, const QMetaMethod &slot)
{
    const QString signature = QString::fromLatin1(slot.methodSignature());
    const QString name = QString::fromLatin1(slot.name());
    const int split = name.lastIndexOf('_');
    const QString object = name.mid(3, split - 3);
    const QString signalname = name.mid(split + 1) + signature.mid(signature.indexOf('('));
    target = window->findChild<QObject *>(object);
    if (!target) {
        fault = signature + ": no widget " + object;
        return;
    }
    const int index = target->metaObject()->indexOfSignal(qPrintable(signalname));
    if (index < 0) {
        fault = signature + ": " + object + " has no signal " + signalname;
        return;
    }
    signal = target->metaObject()->method(index);
}
