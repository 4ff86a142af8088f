#include "muser.h"

#include "inrange.h"
#include "localzone.h"

#include <limits>

namespace {
const qint64 minute = 60;
const qint64 halfday = 43200;

int clamped(qint64 value)
{
    return int(qBound<qint64>(std::numeric_limits<int>::min(), value,
                              std::numeric_limits<int>::max()));
}
}

QDateTime MUser::placeholder()
{
    return QDateTime(QDate(2013, 1, 1), QTime(0, 0, 1));
}

int MUser::groupcount() const
{
    return groupsizes.size();
}

// The first learning position of group g: the sizes of the groups before it.
qint64 MUser::firstposition(int g) const
{
    qint64 position = 0;
    for (int i = 0; i < g && i < groupsizes.size(); ++i)
        position += groupsizes.at(i);
    return position;
}

int MUser::groupof(int p) const
{
    if (p < 0)
        return -1;
    qint64 first = 0;
    for (int g = 0; g < groupsizes.size(); ++g) {
        const qint64 end = first + groupsizes.at(g);
        if (p >= first && p < end)
            return g;
        first = end;
    }
    return -1;
}

int MUser::wordsupto(int g) const
{
    return g < 0 ? 0 : clamped(firstposition(g + 1));
}

void MUser::newgroup(int n)
{
    if (n <= 0)
        return;
    const qint64 free = worddiffs.size() - firstposition(groupsizes.size());
    groupsizes.append(clamped(qBound<qint64>(0, n, free)));
    groupstarts.append(placeholder());
    for (QList<int> &list : intervals)
        list.append(-1);
    stages.append(-1);
}

QDateTime MUser::groupstart(int g) const
{
    return inrange(g, groupstarts.size()) ? groupstarts.at(g) : placeholder();
}

void MUser::setgroupstart(int g, const QDateTime &t)
{
    if (inrange(g, groupstarts.size()) && t >= placeholder())
        groupstarts[g] = t;
}

int MUser::stage(int g) const
{
    return inrange(g, groupstarts.size()) ? stages.value(g, -1) : -1;
}

void MUser::setstage(int g, int s)
{
    if (s >= 0 && inrange(g, groupstarts.size()) && inrange(g, stages.size()))
        stages[g] = s;
}

int MUser::interval(int g, int k) const
{
    if (k < 1 || k > reviews || !inrange(g, groupstarts.size()))
        return -1;
    return intervals[k - 1].value(g, -1);
}

void MUser::setinterval(int g, int k, int v)
{
    if (v > 0 && k >= 1 && k <= reviews && inrange(g, groupstarts.size())
        && inrange(g, intervals[k - 1].size()))
        intervals[k - 1][g] = v;
}

qint64 MUser::intervalsum(int g, int first, int last) const
{
    qint64 sum = 0;
    for (int k = first; k <= last; ++k)
        sum += interval(g, k);
    return sum;
}

// The time of the review before review s+1: the start for s = 0, then the
// start moved by the intervals of the reviews done.
QDateTime MUser::reviewpoint(int g, int s) const
{
    const QDateTime start = groupstart(g);
    if (s == 0)
        return start;
    if (s == 1)
        return start.addSecs(interval(g, 1) * minute);
    return start.addSecs(intervalsum(g, 1, 2) * minute).addDays(intervalsum(g, 3, s));
}

// When the next review of group g is due, in UTC milliseconds; false when it
// never is. The day reviews allow twelve hours early.
bool MUser::duetime(int g, const LocalZone &zone, qint64 *due) const
{
    const int s = stage(g);
    if (s < 0 || s >= reviews)
        return false;
    const QDateTime start = groupstart(g);
    if (s < 2) {
        if (!zone.utcafterdays(start, 0, due))
            return false;
        *due += intervalsum(g, 1, s + 1) * minute * 1000;
        return true;
    }
    if (!zone.utcafterdays(start, intervalsum(g, 3, s + 1), due))
        return false;
    *due += (intervalsum(g, 1, 2) * minute - halfday) * 1000;
    return true;
}

QList<int> MUser::duegroups(const QDateTime &t) const
{
    const LocalZone zone(t);
    const qint64 now = t.toMSecsSinceEpoch();
    QList<int> bystage[reviews];
    for (int g = 0; g < groupcount(); ++g) {
        qint64 due = 0;
        if (t.isValid() && duetime(g, zone, &due) && now >= due)
            bystage[stage(g)].append(g);
    }
    QList<int> result;
    for (const QList<int> &groups : bystage)
        result += groups;
    return result;
}

void MUser::completereview(int g, const QDateTime &t)
{
    const int s = stage(g);
    if (s < 0 || s >= reviews)
        return;
    const QDateTime point = reviewpoint(g, s);
    const qint64 planned = interval(g, s + 1);
    const QDateTime windowend = s < 2 ? point.addSecs(2 * planned * minute)
                                      : point.addDays(2 * planned);
    if (t < windowend) {
        const qint64 first = firstposition(g);
        const qint64 last = first + groupsizes.value(g) - 1;
        easewords(clamped(first), clamped(last));
    }
    setstage(g, s + 1);
    const qint64 elapsed = s < 2 ? point.secsTo(t) / minute : point.daysTo(t);
    setinterval(g, s + 1, clamped(elapsed));
}

QDateTime MUser::reviewtime(int g, int k) const
{
    if (!inrange(g, groupcount()) || k < 1 || k > reviews)
        return placeholder();
    const QDateTime start = groupstart(g);
    if (k <= 2)
        return start.addSecs(intervalsum(g, 1, k) * minute);
    const qint64 days = intervalsum(g, 3, k);
    return days > 0 ? start.addDays(days) : placeholder();
}
