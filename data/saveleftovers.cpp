#include "saveleftovers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <atomic>
#include <unistd.h>

namespace {
// When the process started, in clock ticks since boot (field 22 of its stat
// file); empty when no process has that id.
QByteArray processstart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return QByteArray();
    // The name in parentheses may hold blanks: fields are counted from its end.
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ').value(19);
}

QString hosttag()
{
    return QString::fromLatin1(
        QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Md5).toHex().left(8));
}

struct Writer {
    QString host = hosttag();
    qint64 pid = getpid();
    QByteArray start = processstart(pid);
};

// This process; a fork is a writer of its own.
const Writer &self()
{
    static Writer writer;
    if (writer.pid != getpid())
        writer = Writer();
    return writer;
}

// Whether the writer a temporary names has ended. A writer on another host
// cannot be asked, nor any without a process table to ask.
bool ended(const QRegularExpressionMatch &writer)
{
    if (writer.captured(1) != self().host || self().start.isEmpty())
        return false;
    return processstart(writer.captured(2).toLongLong()) != writer.captured(3).toLatin1();
}

QString head(const QFileInfo &target)
{
    return QLatin1Char('.') + target.fileName() + QStringLiteral(".saving-");
}

// The temporaries beside the file at path of its ended writers, by path, and
// the files named after them when withsuffix is set.
QStringList endedpaths(const QString &path, bool withsuffix)
{
    const QFileInfo target(savetarget(path));
    const QString prefix = head(target);
    static const QRegularExpression writer(QStringLiteral("^([0-9a-f]{8})-([0-9]+)-([0-9]+)-[0-9]+(\\..+)?$"));
    QStringList found;
    QDirIterator names(target.absolutePath(), {QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    while (names.hasNext()) {
        const QString file = names.next();
        const QString name = names.fileName();
        if (!name.startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = writer.match(name.mid(prefix.size()));
        if (match.hasMatch() && (withsuffix || match.captured(4).isEmpty()) && ended(match))
            found.append(file);
    }
    return found;
}
} // namespace

QString savetarget(const QString &path)
{
    QFileInfo info(path);
    // A bound against links that lead in a circle.
    for (int hop = 0; hop < 40 && info.isSymLink(); ++hop)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

QString savetemporary(const QString &path)
{
    static std::atomic<int> count{0};
    const QFileInfo target(savetarget(path));
    return target.absolutePath() + QLatin1Char('/') + head(target)
        + QStringLiteral("%1-%2-%3-%4")
              .arg(self().host)
              .arg(self().pid)
              .arg(QString::fromLatin1(self().start))
              .arg(count++);
}

QStringList endedsaves(const QString &path)
{
    return endedpaths(path, false);
}

void removesaveleftovers(const QString &path)
{
    for (const QString &leftover : endedpaths(path, true))
        QFile::remove(leftover);
}
