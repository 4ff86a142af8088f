#include "mreader.h"

#include <QDataStream>
#include <QFileInfo>

namespace {
const quint32 nulllength = 0xFFFFFFFF;
const qint64 intsize = 4;
const qint64 datesize = 4;
const qint64 datetimesize = 9; // date, time and the time-spec byte
const qint64 headstep = 64 * 1024;
}

bool MReader::open(const QString &path)
{
    return load(path, filelimit, true);
}

bool MReader::openhead(const QString &path, int strings, int arrays)
{
    return load(path, intsize + strings * (intsize + stringlimit) + arrays * (intsize + byteslimit),
                false);
}

// Reads the whole file when `whole` (refusing one longer than `most`), else
// its first bytes, and more as reads claim them, up to `most`. Only regular
// files are read.
bool MReader::load(const QString &path, qint64 most, bool whole)
{
    good = false;
    file.setFileName(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (whole && size > most)
        return false;
    limit = qMin(size, most);
    good = true;
    return fill(whole ? limit : qMin(limit, headstep));
}

// Reads on until the first `upto` bytes of the file are in memory.
bool MReader::fill(qint64 upto)
{
    const int have = bytes.size();
    const qint64 offset = have > 0 ? at - reinterpret_cast<const uchar *>(bytes.constData()) : 0;
    bytes.resize(int(upto));
    if (file.read(bytes.data() + have, upto - have) != upto - have) {
        good = false;
        return false;
    }
    const uchar *data = reinterpret_cast<const uchar *>(bytes.constData());
    at = data + offset;
    end = data + upto;
    return true;
}

bool MReader::ok() const
{
    return good;
}

inline bool MReader::claim(qint64 size)
{
    if (good && size > end - at) {
        const qint64 upto = bytes.size() - (end - at) + size;
        if (upto > limit)
            good = false;
        else
            fill(qMin(limit, qMax<qint64>(upto, bytes.size() + headstep)));
    }
    return good;
}

// Big-endian; the caller has claimed the four bytes.
inline quint32 MReader::take32()
{
    const quint32 value = quint32(at[0]) << 24 | quint32(at[1]) << 16 | quint32(at[2]) << 8 | at[3];
    at += 4;
    return value;
}

// The few dates and times go through QDataStream, which knows their encoding.
template<typename T>
T MReader::readstreamed(qint64 size)
{
    T value;
    if (!claim(size))
        return value;
    QDataStream in(QByteArray::fromRawData(reinterpret_cast<const char *>(at), int(size)));
    in.setVersion(QDataStream::Qt_4_8);
    in >> value;
    at += size;
    return value;
}

qint32 MReader::readint()
{
    return claim(intsize) ? qint32(take32()) : 0;
}

// A null string is the length 0xFFFFFFFF. A scrambled empty string is null.
QString MReader::readstring(const QString &key)
{
    return readstring(key.utf16(), key.size());
}

QString MReader::readstring(const ushort *key, int keysize)
{
    if (!claim(intsize))
        return QString();
    const quint32 length = take32();
    if (length == nulllength)
        return QString();
    if (length % 2 != 0 || length > stringlimit)
        good = false;
    if (!claim(length))
        return QString();
    const int units = int(length / 2);
    if (units == 0)
        return keysize == 0 ? QStringLiteral("") : QString();
    QString text(units, Qt::Uninitialized);
    ushort *out = reinterpret_cast<ushort *>(text.data());
    const uchar *in = at;
    at += length;
    const auto unit = [in](int i) { return ushort(in[2 * i] << 8 | in[2 * i + 1]); };
    if (keysize == 0) {
        for (int i = 0; i < units; ++i)
            out[i] = unit(i);
    }
    for (int i = 0; keysize > 0 && i < units; i += keysize) {
        const int n = qMin(keysize, units - i);
        for (int j = 0; j < n; ++j)
            out[i + j] = unit(i + j) ^ key[j];
    }
    return text;
}

QByteArray MReader::readbytes()
{
    if (!claim(intsize))
        return QByteArray();
    const quint32 length = take32();
    if (length == nulllength)
        return QByteArray();
    if (length > byteslimit)
        good = false;
    if (!claim(length))
        return QByteArray();
    const QByteArray value(reinterpret_cast<const char *>(at), int(length));
    at += length;
    return value;
}

QDate MReader::readdate()
{
    return readstreamed<QDate>(datesize);
}

// A list is its count, then the items. A count above the ceiling, or one
// that the rest of the file cannot hold at the smallest item size, is
// refused before room is reserved.
template<typename T, typename Read>
QList<T> MReader::readlist(qint64 itemsize, Read read)
{
    QList<T> list;
    const quint32 count = quint32(readint());
    if (count > countlimit)
        good = false;
    if (!claim(qint64(count) * itemsize))
        return list;
    list.reserve(int(count));
    for (quint32 i = 0; i < count && good; ++i) {
        list.append(T());
        list.last() = read();
    }
    if (!good)
        list.clear();
    return list;
}

QStringList MReader::readstrings(const QString &key)
{
    const ushort *k = key.utf16();
    const int keysize = key.size();
    return readlist<QString>(intsize, [this, k, keysize] { return readstring(k, keysize); });
}

QList<int> MReader::readints()
{
    return readlist<int>(intsize, [this] { return qint32(take32()); });
}

QList<QDateTime> MReader::readdatetimes()
{
    return readlist<QDateTime>(datetimesize,
                               [this] { return readstreamed<QDateTime>(datetimesize); });
}
