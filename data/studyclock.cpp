#include "studyclock.h"

studyclock::studyclock(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("studyclock"));
}

QDateTime studyclock::now() const
{
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void studyclock::setnow(const QDateTime &t)
{
    fixed = t;
}
