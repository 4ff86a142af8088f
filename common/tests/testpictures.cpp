#include "testpictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

namespace testpictures {

QByteArray encoded(int width, int height, const QColor &color, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

namespace {
// The JPEG with its frame header (marker sof) stating width x height.
QByteArray restated(QByteArray bytes, char sof, int width, int height)
{
    const int at = bytes.indexOf(QByteArray("\xFF", 1) + sof) + 5;
    const uchar sides[4] = {uchar(height >> 8), uchar(height), uchar(width >> 8), uchar(width)};
    bytes.replace(at, 4, reinterpret_cast<const char *>(sides), 4);
    return bytes;
}

QByteArray gifbomb()
{
    return QByteArray::fromHex("474946383961ff3fff3f800000000000ffffff2c00000000010001000002024401003b");
}

QByteArray icobomb()
{
    QImage image(8000, 8000, QImage::Format_Mono);
    image.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray ico = QByteArray::fromHex("000001000100" "1010000000000100" "2000");
    uchar place[8];
    qToLittleEndian<quint32>(quint32(png.size()), place);
    qToLittleEndian<quint32>(22, place + 4);
    return ico + QByteArray(reinterpret_cast<const char *>(place), 8) + png;
}

QByteArray svgbomb()
{
    return "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
           "<image width='100' height='100' href='data:image/gif;base64,"
        + gifbomb().toBase64() + "'/></svg>";
}
} // namespace

QByteArray oversizedjpeg()
{
    return restated(encoded(16, 8, Qt::red, "JPG"), char(0xC0), 20000, 20000);
}

QList<QPair<const char *, QByteArray>> bombs()
{
    return {{"GIF logical screen", gifbomb()}, {"ICO embedded PNG", icobomb()}, {"SVG embedded picture", svgbomb()}};
}

QByteArray headeronlyjpeg(int width, int height)
{
    QByteArray bytes = QByteArray::fromHex("ffd8ffc0001108");
    for (int side : {height, width}) {
        bytes.append(char(side >> 8));
        bytes.append(char(side & 0xFF));
    }
    bytes += QByteArray::fromHex("03011100021101031101");
    bytes += QByteArray::fromHex("ffda000c03010002110311003f00ffd9");
    return bytes;
}

QByteArray progressivejpeg(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

QByteArray progressivebomb(int side)
{
    return restated(progressivejpeg(64, 64, Qt::darkCyan), char(0xC2), side, side);
}

QByteArray manyscansjpeg(int scans, int side)
{
    const QByteArray bytes = progressivebomb(side);
    // The first scan: its header, then its data up to the next marker.
    const int first = bytes.indexOf(QByteArray("\xFF\xDA", 2));
    int end = first + 2 + qFromBigEndian<quint16>(bytes.constData() + first + 2);
    while (end + 1 < bytes.size() && !(uchar(bytes[end]) == 0xFF && bytes[end + 1] != 0))
        ++end;
    const QByteArray scan = bytes.mid(first, end - first);
    return bytes.left(first) + scan.repeated(scans) + QByteArray("\xFF\xD9", 2);
}

}
