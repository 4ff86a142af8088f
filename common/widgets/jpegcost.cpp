#include "jpegcost.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {
const uchar SOF0 = 0xC0;
const uchar SOF1 = 0xC1;
const uchar SOF2 = 0xC2;
const uchar DHT = 0xC4;
const uchar SOF9 = 0xC9;
const uchar SOF10 = 0xCA;
const uchar DAC = 0xCC;
const uchar SOI = 0xD8;
const uchar EOI = 0xD9;
const uchar SOS = 0xDA;
const uchar DQT = 0xDB;
const uchar DNL = 0xDC;
const uchar DRI = 0xDD;
const uchar APP0 = 0xE0;
const uchar APP15 = 0xEF;
const uchar COM = 0xFE;

// The decoder's limits on a frame.
const int maxcomponents = 10;
const int maxsampling = 4;
// An 8x8 block of 16-bit coefficients.
const qint64 blockbytes = 64 * 2;
const qint64 chunkbytes = 64 * 1024;

// A device read forward a chunk at a time.
struct Reader
{
    QIODevice *device;
    QByteArray chunk;
    int at = 0;

    // Whether a byte is waiting, reading the next chunk when needed.
    bool fill()
    {
        if (at == chunk.size()) {
            chunk = device->read(chunkbytes);
            at = 0;
        }
        return at < chunk.size();
    }

    bool take(uchar &byte)
    {
        if (!fill())
            return false;
        byte = uchar(chunk.at(at++));
        return true;
    }

    // The next count bytes; fewer when the device ends first.
    QByteArray take(int count)
    {
        QByteArray bytes;
        while (bytes.size() < count && fill()) {
            const int part = qMin(count - bytes.size(), chunk.size() - at);
            bytes += chunk.mid(at, part);
            at += part;
        }
        return bytes;
    }

    // Reads on to just after the next FF byte; false when there is none.
    bool pastff()
    {
        while (fill()) {
            const char *from = chunk.constData() + at;
            const void *ff = std::memchr(from, 0xFF, size_t(chunk.size() - at));
            if (ff) {
                at += int(static_cast<const char *>(ff) - from) + 1;
                return true;
            }
            at = chunk.size();
        }
        return false;
    }
};

// A frame header as the decoder takes it: an invalid size when it refuses it.
struct Frame
{
    QSize size;
    int components = 0;
    qint64 coefficientbytes = 0;
};

// The segments the decoder reads whole by their length. It takes every
// other marker on its own, or fails on it, and looks on for the next.
bool hassegment(uchar marker)
{
    switch (marker) {
    case SOF0:
    case SOF1:
    case SOF2:
    case DHT:
    case SOF9:
    case SOF10:
    case DAC:
    case SOS:
    case DQT:
    case DNL:
    case DRI:
    case COM:
        return true;
    default:
        return marker >= APP0 && marker <= APP15;
    }
}

bool isframe(uchar marker)
{
    return marker == SOF0 || marker == SOF1 || marker == SOF2 || marker == SOF9 || marker == SOF10;
}

bool isprogressive(uchar marker)
{
    return marker == SOF2 || marker == SOF10;
}

qint64 roundup(qint64 value, qint64 step)
{
    return (value + step - 1) / step * step;
}

// Each component holds its blocks, in whole units of its sampling factors.
Frame readframe(const QByteArray &segment)
{
    Frame frame;
    const auto *bytes = reinterpret_cast<const uchar *>(segment.constData());
    if (segment.size() < 6)
        return frame;
    const int height = qFromBigEndian<quint16>(bytes + 1);
    const int width = qFromBigEndian<quint16>(bytes + 3);
    const int components = bytes[5];
    if (width == 0 || height == 0 || components == 0 || components > maxcomponents
        || segment.size() != 6 + 3 * components)
        return frame;
    int hmax = 1;
    int vmax = 1;
    for (int c = 0; c < components; ++c) {
        const int h = bytes[7 + 3 * c] >> 4;
        const int v = bytes[7 + 3 * c] & 0x0F;
        if (h < 1 || h > maxsampling || v < 1 || v > maxsampling)
            return frame;
        hmax = qMax(hmax, h);
        vmax = qMax(vmax, v);
    }
    for (int c = 0; c < components; ++c) {
        const int h = bytes[7 + 3 * c] >> 4;
        const int v = bytes[7 + 3 * c] & 0x0F;
        const qint64 across = roundup(qint64(width) * h, 8 * hmax) / (8 * hmax);
        const qint64 down = roundup(qint64(height) * v, 8 * vmax) / (8 * vmax);
        frame.coefficientbytes += roundup(across, h) * roundup(down, v) * blockbytes;
    }
    frame.size = QSize(width, height);
    frame.components = components;
    return frame;
}

// The next marker as the decoder finds it: an FF, any fill FFs, then a
// byte other than 0 (FF 00 is a data byte); 0 when the device ends first.
uchar nextmarker(Reader &reader)
{
    uchar byte = 0;
    while (reader.pastff()) {
        do {
            if (!reader.take(byte))
                return 0;
        } while (byte == 0xFF);
        if (byte != 0)
            return byte;
    }
    return 0;
}

JpegCost walk(Reader &reader, int maxscans)
{
    JpegCost cost;
    uchar first = 0;
    uchar second = 0;
    if (!reader.take(first) || !reader.take(second) || first != 0xFF || second != SOI)
        return cost;
    Frame frame;
    bool framed = false;
    bool progressive = false;
    bool buffered = false;
    for (uchar marker = nextmarker(reader); marker != 0 && marker != EOI; marker = nextmarker(reader)) {
        if (!hassegment(marker))
            continue;
        uchar high = 0;
        uchar low = 0;
        if (!reader.take(high) || !reader.take(low))
            break;
        // A length too short to hold itself is read as no segment at all.
        const int length = high << 8 | low;
        if (length < 2)
            continue;
        const QByteArray segment = reader.take(length - 2);
        if (segment.size() < length - 2)
            break;
        if (isframe(marker) && !framed) {
            framed = true;
            frame = readframe(segment);
            progressive = isprogressive(marker);
        } else if (marker == SOS) {
            if (!frame.size.isValid())
                return JpegCost();
            if (++cost.scans == 1)
                buffered = progressive || (!segment.isEmpty() && uchar(segment.at(0)) < frame.components);
            if (cost.scans > maxscans)
                break;
        }
    }
    cost.size = frame.size;
    cost.coefficientbytes = buffered ? frame.coefficientbytes : 0;
    return cost;
}
} // namespace

JpegCost jpegcost(QIODevice *device, int maxscans)
{
    const qint64 start = device->pos();
    Reader reader{device, QByteArray(), 0};
    const JpegCost cost = walk(reader, maxscans);
    device->seek(start);
    return cost;
}
