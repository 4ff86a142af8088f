#include "mwriter.h"

#include "mreader.h"
#include "writefile.h"

#include <QDataStream>

namespace {
const quint32 nulllength = 0xFFFFFFFF;
}

MWriter::MWriter(Mode mode)
    : keeping(mode == Keep)
{
}

// Counts the next field's bytes; true when they are to be kept. Once the file
// passes its ceiling nothing more is kept, so a record too large to be read
// back never takes more than a file's worth of memory.
bool MWriter::room(qint64 more)
{
    length += more;
    fits = fits && length <= MReader::filelimit;
    return fits && keeping;
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
    if (room(part.size()))
        bytes += part;
}

void MWriter::writeint(qint32 value)
{
    if (room(4))
        put32(quint32(value));
}

void MWriter::writestring(const QString &text, const QString &key)
{
    if (text.isNull() || (text.isEmpty() && !key.isEmpty())) {
        writeint(qint32(nulllength));
        return;
    }
    const int units = text.size();
    fits = fits && units * qint64(2) <= MReader::stringlimit;
    if (!room(4 + units * qint64(2)))
        return;
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
        writeint(qint32(nulllength));
        return;
    }
    fits = fits && value.size() <= MReader::byteslimit;
    if (!room(4 + qint64(value.size())))
        return;
    put32(quint32(value.size()));
    bytes += value;
}

void MWriter::writedate(const QDate &value)
{
    writestreamed(value);
}

void MWriter::writecount(int count)
{
    fits = fits && count <= MReader::countlimit;
    writeint(count);
}

void MWriter::writestrings(const QStringList &list, const QString &key)
{
    writecount(list.size());
    for (const QString &text : list)
        writestring(text, key);
}

void MWriter::writeints(const QList<int> &list)
{
    writecount(list.size());
    for (int value : list)
        writeint(value);
}

void MWriter::writedatetimes(const QList<QDateTime> &list)
{
    writecount(list.size());
    for (const QDateTime &value : list)
        writestreamed(value);
}

bool MWriter::readable() const
{
    return fits;
}

bool MWriter::save(const QString &path) const
{
    SaveFile file(path);
    return save(file) && file.commit();
}

bool MWriter::save(SaveFile &file) const
{
    // A file the reader would refuse is never written.
    if (!fits || !keeping)
        return false;
    return file.write([this](QDataStream &out) { out.writeRawData(bytes.constData(), bytes.size()); });
}
