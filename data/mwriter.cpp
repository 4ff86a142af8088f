#include "mwriter.h"

#include "mreader.h"
#include "writefile.h"

#include <QDataStream>

namespace {
const quint32 nulllength = 0xFFFFFFFF;
}

void MWriter::put32(quint32 value)
{
    const char big[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    bytes.append(big, 4);
}

// The few dates and times go through QDataStream, which knows their encoding.
template<typename T>
void MWriter::writestreamed(const T &value)
{
    QByteArray part;
    QDataStream out(&part, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_8);
    out << value;
    bytes += part;
}

void MWriter::writeint(qint32 value)
{
    put32(quint32(value));
}

void MWriter::writestring(const QString &text, const QString &key)
{
    if (text.isNull() || (text.isEmpty() && !key.isEmpty())) {
        put32(nulllength);
        return;
    }
    const int units = text.size();
    readable = readable && units * qint64(2) <= MReader::stringlimit;
    put32(quint32(units) * 2);
    const int start = bytes.size();
    bytes.resize(start + units * 2);
    uchar *out = reinterpret_cast<uchar *>(bytes.data()) + start;
    const ushort *in = text.utf16();
    const ushort *k = key.utf16();
    const int keysize = key.size();
    for (int i = 0, j = 0; i < units; ++i, out += 2) {
        ushort unit = in[i];
        if (keysize > 0) {
            unit ^= k[j];
            if (++j == keysize)
                j = 0;
        }
        out[0] = uchar(unit >> 8);
        out[1] = uchar(unit);
    }
}

void MWriter::writebytes(const QByteArray &value)
{
    if (value.isNull()) {
        put32(nulllength);
        return;
    }
    readable = readable && value.size() <= MReader::byteslimit;
    put32(quint32(value.size()));
    bytes += value;
}

void MWriter::writedate(const QDate &value)
{
    writestreamed(value);
}

void MWriter::writestrings(const QStringList &list, const QString &key)
{
    readable = readable && list.size() <= MReader::countlimit;
    put32(quint32(list.size()));
    for (const QString &text : list)
        writestring(text, key);
}

void MWriter::writeints(const QList<int> &list)
{
    readable = readable && list.size() <= MReader::countlimit;
    put32(quint32(list.size()));
    for (int value : list)
        put32(quint32(value));
}

void MWriter::writedatetimes(const QList<QDateTime> &list)
{
    readable = readable && list.size() <= MReader::countlimit;
    put32(quint32(list.size()));
    for (const QDateTime &value : list)
        writestreamed(value);
}

bool MWriter::save(const QString &path) const
{
    // A file the reader would refuse is never committed.
    if (!readable || bytes.size() > MReader::filelimit)
        return false;
    return writefile(path, [this](QDataStream &out) {
        out.writeRawData(bytes.constData(), bytes.size());
    });
}
