#include "mp3file.h"

#include <QFile>

namespace mp3file {

namespace {
const int TagHeader = 10;

// The bytes an ID3v2 tag at the start takes, 0 when there is none.
qint64 tagsize(const QByteArray &head)
{
    if (head.size() < TagHeader || !head.startsWith("ID3"))
        return 0;
    qint64 size = 0;
    for (int i = 6; i < TagHeader; ++i)
        size = (size << 7) | (uchar(head[i]) & 0x7F);
    const bool footer = uchar(head[5]) & 0x10;
    return TagHeader + size + (footer ? TagHeader : 0);
}

bool framesync(const QByteArray &bytes)
{
    return bytes.size() == 2 && uchar(bytes[0]) == 0xFF && (uchar(bytes[1]) & 0xE0) == 0xE0;
}
} // namespace

bool valid(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size <= 0 || size > maxbytes)
        return false;
    const qint64 skip = tagsize(file.peek(TagHeader));
    return file.seek(skip) && framesync(file.read(2));
}

}
