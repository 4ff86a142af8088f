#include "bookmakerfiles.h"

#include "mbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace bookmakerfiles {

QString settingspath()
{
    return QCoreApplication::applicationDirPath() + QDir::separator()
        + QFileInfo(QCoreApplication::applicationFilePath()).baseName() + QStringLiteral(".ini");
}

void writesettings(const QMap<QString, QString> &values)
{
    QSettings settings(settingspath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    settings.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

void setmaterial(const QString &folder)
{
    writesettings({{QStringLiteral("/位置/素材"), folder}});
}

static MBook numbered(int words, int sentences, int lessons, const QString &title)
{
    MBook book;
    book.setdate(QDate(2024, 3, 1));
    book.setinfo({title, QStringLiteral("maker"), QString(), QString(), QString(), QString()});
    for (int i = 1; i <= words; ++i)
        book.addword({QStringLiteral("word%1").arg(i), QStringLiteral("[w%1]").arg(i),
                      QStringLiteral("词%1").arg(i), QStringLiteral("w%1.mp3").arg(i)});
    book.setorder(false);
    for (int j = 1; j <= sentences; ++j)
        book.addsentence({QStringLiteral("Sentence %1.").arg(j), QStringLiteral("句子%1。").arg(j),
                          QStringLiteral("s%1.mp3").arg(j)});
    for (int k = 0; k < lessons; ++k)
        book.insertlesson(k, QStringLiteral("Lesson %1").arg(k + 1));
    return book;
}

bool writeproject(const QString &folder, int words, int sentences, int lessons, const QString &title)
{
    return numbered(words, sentences, lessons, title).write(QDir(folder).filePath(QStringLiteral("book.pro")), false);
}

bool writefinished(const QString &folder)
{
    const MBook book = numbered(2, 2, 0, QStringLiteral("Finished"));
    return book.write(QDir(folder).filePath(QStringLiteral("rand.zemBook")), true)
        && book.write(QDir(folder).filePath(QStringLiteral("book.zemBook")), true);
}

}
