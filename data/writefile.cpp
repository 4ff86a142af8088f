#include "writefile.h"

#include <QSaveFile>

bool writefile(const QString &path, const std::function<void(QDataStream &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_8);
    write(out);
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
