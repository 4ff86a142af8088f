#include "answertext.h"

#include <QRegularExpression>

QString answertext(const QString &text)
{
    static const QRegularExpression other(QStringLiteral("[^a-zA-Z0-9]"));
    return QString(text).remove(other);
}
