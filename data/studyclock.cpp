#include "studyclock.h"

namespace {
QDateTime start;
}

studyclock::studyclock(QObject *parent)
    : QObject(parent)
    , fixed(start)
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

void studyclock::setstart(const QDateTime &t)
{
    start = t;
}
