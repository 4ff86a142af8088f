#include "testpictures.h"

#include <QBuffer>
#include <QImage>
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

QByteArray oversizedjpeg()
{
    QByteArray bytes = encoded(16, 8, Qt::red, "JPG");
    const int sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    for (int at : {sof + 5, sof + 7}) {
        bytes[at] = char(0x4E);
        bytes[at + 1] = char(0x20);
    }
    return bytes;
}

namespace {
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

}
