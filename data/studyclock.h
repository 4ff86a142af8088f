#ifndef STUDYCLOCK_H
#define STUDYCLOCK_H

#include <QDateTime>
#include <QObject>

// The time the programs read as now (the learner's review schedule, the
// bookmaker's date of making): the current local time, or a fixed time once
// one has been set.
class studyclock : public QObject
{
    Q_OBJECT

public:
    explicit studyclock(QObject *parent = nullptr);

    QDateTime now() const;
    // An invalid time returns to the current time.
    void setnow(const QDateTime &t);
    // Clocks made from now on start set to t, as if setnow(t) had been
    // called; an invalid time lets them start at the current time again.
    static void setstart(const QDateTime &t);

private:
    QDateTime fixed;
};

#endif
