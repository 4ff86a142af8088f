#ifndef RANDOMORDER_H
#define RANDOMORDER_H

#include <QList>

// Seeds qsrand with the seconds from midnight to the current local time, the
// seed of every random draw of the programs. Two seeds within the same second
// give the same sequence.
void seedrandom();

// A random arrangement of 0..n-1: after seedrandom, element k takes slot
// qrand() % n, or the next free slot forward when that one is taken, else the
// first free slot from the start. result[slot] == k.
QList<int> randomorder(int n);

#endif
