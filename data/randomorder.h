#ifndef RANDOMORDER_H
#define RANDOMORDER_H

#include <QList>

// A random arrangement of 0..n-1, drawn the way every random order of the
// programs is drawn: qsrand is seeded with the seconds since midnight, then
// element k takes slot qrand() % n, or the next free slot forward when that one
// is taken, else the first free slot from the start. result[slot] == k.
// Two draws within the same second give the same arrangement.
QList<int> randomorder(int n);

#endif
