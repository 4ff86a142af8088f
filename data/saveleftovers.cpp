#include "saveleftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

void removesaveleftovers(const QString &path)
{
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(info.fileName())
                                       + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    for (const QString &name : folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        if (temporary.match(name).hasMatch())
            folder.remove(name);
    }
    // Only an existing lock is tried: trying makes one, which a kill would leave.
    const QString lockpath = info.absoluteFilePath() + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockpath))
        return;
    QLockFile lock(lockpath);
    if (lock.tryLock(0))
        lock.unlock();
}
