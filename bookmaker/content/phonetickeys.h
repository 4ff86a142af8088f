#ifndef PHONETICKEYS_H
#define PHONETICKEYS_H

#include <QString>

// The thirteen keys of the keyboard's top row that stand for IPA characters
// in phonetic transcriptions: "1" is æ, "2" ð, ... "`" ˈ.
class PhoneticKeys
{
public:
    // text with every key from position from on replaced by its character;
    // the length does not change.
    static QString map(const QString &text, int from = 0);
};

#endif
