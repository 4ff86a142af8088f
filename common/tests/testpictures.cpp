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

}
