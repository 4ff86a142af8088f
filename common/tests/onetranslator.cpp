#include "onetranslator.h"

#include <QCoreApplication>

OneTranslator::OneTranslator(const QString &source, const QString &translation)
    : source(source)
    , translation(translation)
{
    QCoreApplication::installTranslator(this);
}

OneTranslator::~OneTranslator()
{
    QCoreApplication::removeTranslator(this);
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
