#include "phonetickeys.h"

namespace {
const char16_t keys[] = u"1234567890-=`";
const char16_t characters[] = u"\u00E6\u00F0\u014B\u0254\u0259\u025B\u0283\u028C\u0292\u03B8\u0251\u02CC\u02C8";
}

QString PhoneticKeys::map(const QString &text, int from)
{
    QString result = text;
    for (int i = qMax(from, 0); i < result.size(); ++i) {
        for (int k = 0; keys[k]; ++k) {
            if (result.at(i).unicode() == keys[k]) {
                result[i] = QChar(characters[k]);
                break;
            }
        }
    }
    return result;
}
