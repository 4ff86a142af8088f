#include "writefile.h"

#include "saveleftovers.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

SaveFile::SaveFile(const QString &path)
    : target(savetarget(path))
    , temp(savetemporary(target))
{
}

SaveFile::~SaveFile()
{
    drop();
}

void SaveFile::drop()
{
    if (made)
        QFile::remove(temp);
    made = false;
}

bool SaveFile::write(const std::function<void(QDataStream &)> &write)
{
    drop();
    removesaveleftovers(target);
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    made = true;
    // The new file keeps the permissions of the one it replaces.
    const QFileInfo old(target);
    if (old.exists())
        file.setPermissions(old.permissions());
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_8);
    write(out);
    const bool written = out.status() == QDataStream::Ok && file.flush() && fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        drop();
        return false;
    }
    return true;
}

QString SaveFile::temporary() const
{
    return temp;
}

bool SaveFile::commit()
{
    if (!made || std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    made = false;
    return true;
}

bool writefile(const QString &path, const std::function<void(QDataStream &)> &write)
{
    SaveFile file(path);
    return file.write(write) && file.commit();
}
