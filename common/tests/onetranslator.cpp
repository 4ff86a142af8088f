#include "onetranslator.h"

OneTranslator::OneTranslator(const QString &source, const QString &translation)
    : source(source)
    , translation(translation)
{
}

bool OneTranslator::isEmpty() const
{
    return false;
}

QString OneTranslator::translate(const char *context, const char *text, const char *, int) const
{
    if (QByteArray(context) == "Widget" && QString::fromUtf8(text) == source)
        return translation;
    return QString();
}
