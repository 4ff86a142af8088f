#ifndef LOCALZONE_H
#define LOCALZONE_H

#include <QDateTime>
#include <QVector>

// Moves local times by calendar days and gives them as UTC milliseconds, the
// way QDateTime does for Qt::LocalTime, without asking the C library for each
// time: the system zone's offset changes between 1970 and 2037 (the years in
// which QDateTime asks it) are read once. Times within two days of a change,
// outside those years or of another time spec go through QDateTime, and so
// does everything when the zone disagrees with QDateTime at the sample times.
class LocalZone
{
public:
    explicit LocalZone(const QDateTime &sample);

    // start.addDays(days).toMSecsSinceEpoch(); false when that is invalid.
    bool utcafterdays(const QDateTime &start, qint64 days, qint64 *utc) const;

private:
    static qint64 localmsecs(const QDateTime &local);
    bool offsetat(qint64 local, qint64 *offset) const;

    // Local milliseconds just before each change, and the offsets in force
    // before the first change and after each (one more than the changes).
    QVector<qint64> changes;
    QVector<qint64> offsets;
    bool usable = false;
};

#endif
