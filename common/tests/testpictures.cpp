#include "testpictures.h"

#include <QBuffer>
#include <QImage>

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
