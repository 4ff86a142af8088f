// Material files of the current item, beside the adopted textbook file.

#include "widget.h"
#include "ui_widget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// A material file lies in the folder of the adopted textbook file.
QString Widget::materialpath(const QString &name) const
{
    return QFileInfo(user.getbookpath()).absolutePath() + QDir::separator() + name;
}

// Far above any recording; a larger file counts as missing.
static const qint64 MaxSoundBytes = qint64(64) << 20;

// Makes the file at path the player's only sound. A missing file, or one that
// is no regular file of a recording's size (a FIFO or device would block or
// never end), is reported with message and logs the learner out; false then.
// A file that cannot be read gives an empty sound.
bool Widget::loadmaterial(const QString &path, const QString &message)
{
    player.clearsounds();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxSoundBytes) {
        showmessage(message);
        on_pushButton_4_clicked();
        return false;
    }
    QFile file(path);
    player.addsound(file.open(QIODevice::ReadOnly) ? file.read(MaxSoundBytes) : QByteArray());
    return true;
}

// loadmaterial for field k of an item, reported with prefix and the full path.
bool Widget::loaditempath(const QStringList &item, int k, const QString &prefix)
{
    const QString name = soundname(item, k);
    return loadmaterial(name.isEmpty() ? QString() : materialpath(name), prefix + materialpath(item.value(k)));
}
