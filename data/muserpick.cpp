#include "muser.h"

#include "randomorder.h"

#include <QSet>

namespace {
const int candidates = 4;
const int unplaced = -10;
}

// Selects into `into` every index from..to whose coefficient is at least min.
// Only existing items are selected, whatever the range and threshold.
int MUser::pick(QList<int> &into, const QList<int> &diffs, int from, int to, int min)
{
    into.clear();
    const int first = qMax(from, 0);
    const int last = qMin(to, diffs.size() - 1);
    for (int i = first; i <= last; ++i) {
        if (diffs.at(i) >= min)
            into.append(i);
    }
    return into.size();
}

int MUser::pickwords(int from, int to, int min)
{
    return pick(pickw, worddiffs, from, to, min);
}

int MUser::pickphonetic(int from, int to, int min)
{
    return pick(pickp, pdiffs, from, to, min);
}

int MUser::pickkey(int from, int to, int min)
{
    return pick(pickk, kdiffs, from, to, min);
}

// The weak words of every group: coefficients above a threshold that falls
// from 9 at stage 0 to 1 at stage 8. A position counts for the first group
// that holds it, as in groupof(): negative sizes in a damaged file cannot make
// later groups go over the same positions again.
int MUser::pickweak()
{
    if (groupcount() == 0)
        return 0;
    pickw.clear();
    int threshold = 10;
    qint64 first = 0;
    qint64 reached = 0;
    for (int g = 0; g < groupcount(); ++g) {
        const int s = stage(g);
        if (s >= 0 && s <= reviews)
            threshold = 9 - s;
        const qint64 end = first + groupsizes.at(g);
        for (qint64 p = qMax(first, reached); p < end && p < worddiffs.size(); ++p) {
            if (worddiffs.at(int(p)) > threshold)
                pickw.append(int(p));
        }
        reached = qMax(reached, end);
        first = end;
    }
    return pickw.size();
}

// Returns the size of the new work list.
int MUser::makeorder(int mode)
{
    worklist.clear();
    const QList<int> *source = mode == 0 ? &pickp : mode == 1 ? &pickw : mode == 2 ? &pickk
                                                                                  : nullptr;
    if (source) {
        for (int k : randomorder(source->size()))
            worklist.append(source->at(k));
    }
    return worklist.size();
}

int MUser::worksize() const
{
    return worklist.size();
}

int MUser::workitem(int i) const
{
    return worklist.value(i, -1);
}

QStringList MUser::item(int p) const
{
    QStringList texts = book.word(p);
    if (!texts.isEmpty())
        texts += book.sentence(book.wordsentence(book.rawword(p)));
    return texts;
}

QStringList MUser::sentence(int j) const
{
    return book.sentence(j);
}

// Entry 0 is the right answer w; entries 1 to 4 hold w and three other
// positions in random places, or -1, -2, -3 where the textbook has too few words.
QList<int> MUser::choices(int w) const
{
    const int m = wordcount();
    QSet<int> options;
    if (m <= candidates) {
        for (int q = 0; q < m; ++q)
            options.insert(q);
        if (options.isEmpty())
            options.insert(w);
        for (int q = -1; options.size() < candidates; --q)
            options.insert(q);
    } else {
        options.insert(w);
        seedrandom();
        for (int i = 1; i < candidates; ++i) {
            int q = qrand() % m;
            while (q < m && options.contains(q))
                ++q;
            if (q == m) {
                q = 0;
                while (options.contains(q))
                    ++q;
            }
            options.insert(q);
        }
    }
    QList<int> result;
    result << w;
    for (int i = 0; i < candidates; ++i)
        result << unplaced;
    seedrandom();
    for (int q : options) {
        const int k = qMax(1, qrand() % (candidates + 1));
        int slot = k;
        while (slot <= candidates && result.at(slot) != unplaced)
            ++slot;
        if (slot > candidates) {
            slot = 1;
            while (result.at(slot) != unplaced)
                ++slot;
        }
        result[slot] = q;
    }
    return result;
}
