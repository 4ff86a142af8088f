#include "testfiles.h"

#include "mbook.h"
#include "muser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

namespace testfiles {

QString programsettings()
{
    return QCoreApplication::applicationDirPath() + QDir::separator()
        + QFileInfo(QCoreApplication::applicationFilePath()).baseName() + QStringLiteral(".ini");
}

void setprogram(const QStringList &paths, int current, const QString &defaultpath)
{
    QFile::remove(programsettings());
    QSettings settings(programsettings(), QSettings::IniFormat);
    for (int k = 0; k < paths.size(); ++k)
        settings.setValue(QStringLiteral("/usr/usr%1").arg(k), paths.at(k));
    settings.setValue(QStringLiteral("/usr/default"), current);
    if (!defaultpath.isEmpty())
        settings.setValue(QStringLiteral("/sys/defaultpath"), defaultpath);
}

bool writebook(const QString &path, const Book &book)
{
    MBook record;
    record.setdate(QDate(2013, 5, 1));
    record.setinfo({QStringLiteral("远帆英语课"), QStringLiteral("青禾社"), QStringLiteral("第一册"),
                    QStringLiteral("版权所有"), book.link, QString()});
    for (int i = 0; i < book.words; ++i) {
        record.addword({QStringLiteral("word%1").arg(i), QStringLiteral("[w]"), QStringLiteral("词%1").arg(i),
                        QStringLiteral("w%1.mp3").arg(i + 1)});
    }
    record.addsentence({QStringLiteral("This is a pen."), QStringLiteral("这是一支笔。"), QStringLiteral("s1.mp3")});
    for (int i = 0; i < book.lessons; ++i)
        record.insertlesson(i, QStringLiteral("第%1课").arg(i + 1));
    record.setorder(book.random);
    return record.write(path, true);
}

const QString Unreplaceable = QString(246, QLatin1Char('u')) + QStringLiteral(".zbu");

bool writeuser(const QString &path, const QString &name, const QString &password,
               const QString &bookpath, const QList<Group> &groups, const QByteArray &avatar)
{
    MUser user;
    user.reset();
    user.setname(name);
    user.setpassword(password);
    user.setavatar(avatar);
    if (!bookpath.isEmpty() && !user.adoptbook(bookpath))
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    for (const Group &group : groups) {
        const int g = user.groupcount();
        user.newgroup(group.size);
        user.setgroupstart(g, group.due ? now.addDays(-1) : now);
        const int intervals[] = {20, 60, 1, 2, 5, 15, 30, 60};
        for (int k = 1; k <= 8; ++k)
            user.setinterval(g, k, intervals[k - 1]);
        user.setstage(g, 0);
    }
    return user.save(path);
}

bool writereader(const QString &path, const QString &name, const QList<Group> &groups, const Book &book)
{
    const QString bookpath = QFileInfo(path).absolutePath() + QStringLiteral("/book.zemBook");
    return writebook(bookpath, book) && writeuser(path, name, QStringLiteral("pw"), bookpath, groups);
}

void writesettings(const QString &path, const QVariantMap &values)
{
    QSettings settings(path, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QMap<QString, QString> readini(const QString &path)
{
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QTextStream in(&file);
    QString group;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            values.insert(group + QLatin1Char('/') + line.left(equals), line.mid(equals + 1));
    }
    return values;
}

QByteArray readall(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeall(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}


}
