#ifndef INRANGE_H
#define INRANGE_H

// Whether i indexes a list of count entries.
inline bool inrange(int i, int count)
{
    return i >= 0 && i < count;
}

#endif
