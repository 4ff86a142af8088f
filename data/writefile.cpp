#include "writefile.h"

#include "saveleftovers.h"

#include <QSaveFile>

bool writefile(const QString &path, const std::function<void(QDataStream &)> &write)
{
    removesaveleftovers(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_8);
    write(out);
    // commit() renames the file even when its own final flush fails, so the
    // buffered bytes are flushed and checked here first.
    if (out.status() != QDataStream::Ok || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
