#include "endedsave.h"

#include <QCryptographicHash>
#include <QSysInfo>

QString endedsave(const QString &name, const QString &suffix)
{
    const QByteArray host = QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Md5);
    // pid_max is at most 2^22.
    return QStringLiteral(".%1.saving-%2-%3-1234-0%4")
        .arg(name, QString::fromLatin1(host.toHex().left(8)))
        .arg((1 << 22) + 1)
        .arg(suffix);
}
