#include "localzone.h"

#include <QTimeZone>

#include <algorithm>

namespace {
const qint64 daymsecs = 86400000;
const qint64 margin = 2 * daymsecs;
const qint64 epochday = 2440588; // Julian day of 1970-01-01
const QDate first(1970, 1, 3);
const QDate last(2037, 12, 29);
const int samplemonths[] = {0, 3, 6, 9};
}

LocalZone::LocalZone(const QDateTime &sample)
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return;
    const QDateTime from(first, QTime(0, 0), Qt::UTC);
    offsets.append(qint64(zone.offsetFromUtc(from)) * 1000);
    for (const QTimeZone::OffsetData &change :
         zone.transitions(from, QDateTime(last, QTime(0, 0), Qt::UTC))) {
        changes.append(change.atUtc.toMSecsSinceEpoch() + offsets.last());
        offsets.append(qint64(change.offsetFromUtc) * 1000);
    }
    usable = true;
    for (int months : samplemonths) {
        const QDateTime local = sample.toLocalTime().addMonths(months);
        qint64 utc = 0;
        if (local.isValid() && utcafterdays(local, 0, &utc) && utc != local.toMSecsSinceEpoch())
            usable = false;
    }
}

// The wall-clock milliseconds since 1970-01-01 00:00 of a local time.
qint64 LocalZone::localmsecs(const QDateTime &local)
{
    return (local.date().toJulianDay() - epochday) * daymsecs + local.time().msecsSinceStartOfDay();
}

bool LocalZone::offsetat(qint64 local, qint64 *offset) const
{
    if (!usable || local < (first.toJulianDay() - epochday) * daymsecs
        || local > (last.toJulianDay() - epochday) * daymsecs)
        return false;
    const int next = int(std::upper_bound(changes.begin(), changes.end(), local) - changes.begin());
    if ((next < changes.size() && changes.at(next) - local < margin)
        || (next > 0 && local - changes.at(next - 1) < margin))
        return false;
    *offset = offsets.at(next);
    return true;
}

bool LocalZone::utcafterdays(const QDateTime &start, qint64 days, qint64 *utc) const
{
    if (!start.isValid())
        return false;
    qint64 offset = 0;
    const bool inspan = qAbs(days) <= last.toJulianDay() - first.toJulianDay();
    if (start.timeSpec() == Qt::LocalTime && inspan) {
        const qint64 local = localmsecs(start) + days * daymsecs;
        if (offsetat(local, &offset)) {
            *utc = local - offset;
            return true;
        }
    }
    const QDateTime moved = start.addDays(days);
    if (!moved.isValid())
        return false;
    *utc = moved.toMSecsSinceEpoch();
    return true;
}
