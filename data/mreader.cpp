#include "mreader.h"

#include <QFileInfo>
#include <QtEndian>

namespace {
const quint32 nulllength = 0xFFFFFFFF;
const qint64 intsize = 4;
const qint64 datetimesize = 9; // date, time and the time-spec byte
}

MReader::MReader(const QString &path)
    : file(path)
{
    in.setVersion(QDataStream::Qt_4_8);
}

// Only regular files: a pipe or a device named in a data file could block or never end.
bool MReader::open()
{
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    size = file.size();
    in.setDevice(&file);
    return true;
}

bool MReader::ok() const
{
    return in.status() == QDataStream::Ok;
}

bool MReader::claim(qint64 bytes)
{
    if (!ok())
        return false;
    if (bytes > size - file.pos()) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}

// Reads a string or byte array after testing that the payload its length
// prefix claims is in the file; a null value has the length 0xFFFFFFFF.
template<typename T>
T MReader::readcounted(bool evenonly)
{
    T value;
    if (!claim(4))
        return value;
    const quint32 length = qFromBigEndian<quint32>(file.peek(4).constData());
    if (length != nulllength && evenonly && length % 2 != 0)
        in.setStatus(QDataStream::ReadCorruptData);
    else if (length == nulllength || claim(4 + qint64(length)))
        in >> value;
    return value;
}

qint32 MReader::readint()
{
    qint32 value = 0;
    if (claim(intsize))
        in >> value;
    return value;
}

QString MReader::readstring()
{
    return readcounted<QString>(true);
}

QByteArray MReader::readbytes()
{
    return readcounted<QByteArray>(false);
}

QDate MReader::readdate()
{
    QDate value;
    if (claim(4))
        in >> value;
    return value;
}

// A list is its count, then the items; no room is reserved, and a count that
// the rest of the file cannot hold at the smallest item size is refused.
template<typename T, typename Read>
QList<T> MReader::readlist(qint64 itemsize, Read read)
{
    QList<T> list;
    const quint32 count = quint32(readint());
    if (!claim(qint64(count) * itemsize))
        return list;
    for (quint32 i = 0; i < count && ok(); ++i)
        list.append(read());
    if (!ok())
        list.clear();
    return list;
}

QStringList MReader::readstrings()
{
    return readlist<QString>(intsize, [this] { return readstring(); });
}

QList<int> MReader::readints()
{
    return readlist<int>(intsize, [this] { return readint(); });
}

QList<QDateTime> MReader::readdatetimes()
{
    return readlist<QDateTime>(datetimesize, [this] {
        QDateTime value;
        if (claim(datetimesize))
            in >> value;
        return value;
    });
}
