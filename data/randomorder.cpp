#include "randomorder.h"

#include <QTime>
#include <QVector>

void seedrandom()
{
#ifdef FIXED_RANDOM_SEED
    qsrand(FIXED_RANDOM_SEED);
#else
    qsrand(uint(QTime(0, 0, 0, 0).secsTo(QTime::currentTime())));
#endif
}

QList<int> randomorder(int n)
{
    QList<int> result;
    if (n <= 0)
        return result;
    seedrandom();
    QVector<int> slots(n, -1);
    for (int k = 0; k < n; ++k) {
        int slot = qrand() % n;
        while (slot < n && slots.at(slot) != -1)
            ++slot;
        if (slot == n) {
            slot = 0;
            while (slots.at(slot) != -1)
                ++slot;
        }
        slots[slot] = k;
    }
    result.reserve(n);
    for (int k : slots)
        result.append(k);
    return result;
}
