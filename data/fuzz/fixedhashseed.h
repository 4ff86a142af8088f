#ifndef FIXEDHASHSEED_H
#define FIXEDHASHSEED_H

#include <QHash>

// A fixed hash seed: the order of a hash's items, and so the coverage of one
// fuzzer seed, is then the same in every run. Included once in each fuzzer.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qSetGlobalQHashSeed(0);
    return 0;
}

#endif
