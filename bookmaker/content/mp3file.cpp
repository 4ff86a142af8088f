#include "mp3file.h"

#include "writefile.h"

#include <QFile>

namespace mp3file {

namespace {
const int TagHeader = 10;
const int TrailingTag = 128;
const int FrameHeader = 4;

// The bytes an ID3v2 tag at the start takes, 0 when there is none.
qint64 tagsize(const QByteArray &bytes)
{
    if (bytes.size() < TagHeader || !bytes.startsWith("ID3"))
        return 0;
    qint64 size = 0;
    for (int i = 6; i < TagHeader; ++i)
        size = (size << 7) | (uchar(bytes[i]) & 0x7F);
    const bool footer = uchar(bytes[5]) & 0x10;
    return TagHeader + size + (footer ? TagHeader : 0);
}

// kbit/s by bitrate index: MPEG-1 layers I, II, III, then MPEG-2 and 2.5
// layer I, and layers II and III.
const int Bitrates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};

// Hz by sample rate index for MPEG-1; MPEG-2 halves it, MPEG-2.5 quarters it.
const int Rates[3] = {44100, 48000, 32000};

// A frame header's stream (version, layer, sample rate) and frame length.
struct Frame {
    int stream = 0;
    int length = 0;
};

// The frame whose header starts at p; length 0 when the header is not valid.
Frame frameat(const uchar *p)
{
    Frame frame;
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return frame;
    const int version = (p[1] >> 3) & 3; // 0 = 2.5, 1 reserved, 2 = 2, 3 = 1
    const int layer = 4 - ((p[1] >> 1) & 3); // 4 = reserved
    const int bitrateindex = p[2] >> 4;
    const int rateindex = (p[2] >> 2) & 3;
    const int padding = (p[2] >> 1) & 1;
    const int emphasis = p[3] & 3;
    // Free bitrate (index 0) gives no length to follow.
    if (version == 1 || layer == 4 || bitrateindex == 0 || bitrateindex == 15 || rateindex == 3 || emphasis == 2)
        return frame;
    const bool mpeg1 = version == 3;
    const int bitrate = 1000 * Bitrates[mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4)][bitrateindex];
    const int rate = Rates[rateindex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    if (layer == 1)
        frame.length = (12 * bitrate / rate + padding) * 4;
    else
        frame.length = (layer == 3 && !mpeg1 ? 72 : 144) * bitrate / rate + padding;
    frame.stream = (p[1] & 0x1E) << 8 | (p[2] & 0x0C);
    return frame;
}
} // namespace

bool valid(const QByteArray &bytes)
{
    if (bytes.size() > maxbytes)
        return false;
    qint64 at = tagsize(bytes);
    qint64 end = bytes.size();
    if (end - at >= TrailingTag && bytes.mid(int(end - TrailingTag), 3) == "TAG")
        end -= TrailingTag;
    const uchar *data = reinterpret_cast<const uchar *>(bytes.constData());
    int stream = -1;
    int frames = 0;
    while (at < end) {
        if (end - at < FrameHeader)
            return false;
        const Frame frame = frameat(data + at);
        if (frame.length < FrameHeader || (stream >= 0 && frame.stream != stream))
            return false;
        stream = frame.stream;
        at += frame.length;
        ++frames;
    }
    return frames > 0 && at == end;
}

bool keep(const QString &encoded, const QString &target)
{
    QFile file(encoded);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A size, not a read to the end: the file may not be a regular one.
    const qint64 size = file.size();
    if (size > maxbytes)
        return false;
    const QByteArray bytes = file.read(size);
    file.close();
    return valid(bytes) && writefile(target, [&bytes](QDataStream &out) {
               out.writeRawData(bytes.constData(), bytes.size());
           });
}

}
