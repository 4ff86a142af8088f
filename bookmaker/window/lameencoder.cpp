#include "lameencoder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lameencoder {

static const char Name[] = "lame";

static bool isprogram(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString standard()
{
    const QString onpath = QStandardPaths::findExecutable(QLatin1String(Name));
    if (!onpath.isEmpty())
        return onpath;
    return infolder(QStringLiteral("/usr/bin"));
}

QString infolder(const QString &folder)
{
    const QString path = QDir(folder).filePath(QLatin1String(Name));
    return isprogram(path) ? path : QString();
}

}
