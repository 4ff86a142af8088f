#include "jpegcost.h"
#include "readpicture.h"
#include "testpictures.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
QByteArray peakmemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return QByteArray::number(qint64(usage.ru_maxrss) / 1024) + " MB peak";
}

// JPEG pieces for the marker walk: a 16x16 frame of three components
// sampled 4:2:0 holds 4 + 1 + 1 blocks of 128 bytes.
const QByteArray soi = QByteArray::fromHex("ffd8");
const QByteArray eoi = QByteArray::fromHex("ffd9");
const QByteArray baseline = QByteArray::fromHex("ffc00011080010001003012200021101031101");
const QByteArray progressive = QByteArray::fromHex("ffc20011080010001003012200021101031101");
const QByteArray allcomponents = QByteArray::fromHex("ffda000c03010002110311003f00");
const QByteArray onecomponent = QByteArray::fromHex("ffda000801010000 3f00");
const QByteArray data = QByteArray::fromHex("1234567890");
const qint64 frameblocks = 6 * 128;
} // namespace

class tst_ReadPicture : public QObject
{
    Q_OBJECT
private slots:
    void bomb_data();
    void bomb();
    void specialfile();
    void largephoto();
    void shownsize_data();
    void shownsize();
    void markerwalk_data();
    void markerwalk();
    void jpeglimits_data();
    void jpeglimits();
};

void tst_ReadPicture::bomb_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const auto &bomb : testpictures::bombs())
        QTest::newRow(bomb.first) << bomb.second;
    QTest::newRow("progressive JPEG stating 11585x11585") << testpictures::progressivebomb();
    QTest::newRow("JPEG of 20000 scans") << testpictures::manyscansjpeg();
    QTest::newRow("JPEG of 20000 scans within the coefficient budget") << testpictures::manyscansjpeg(20000, 1024);
}

void tst_ReadPicture::bomb()
{
    QFETCH(QByteArray, bytes);
    QVERIFY2(readpicturebytes(bytes).isNull(), "a picture larger than the cap was decoded");
    QTemporaryDir dir;
    const QString path = dir.filePath("x.jpg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QVERIFY2(readpicture(path).isNull(), "a picture file larger than the cap was decoded");
    QVERIFY2(peakmemory().toLongLong() < 400, "decoding allocated far beyond the cap: " + peakmemory());
}

void tst_ReadPicture::specialfile()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("x.jpg");
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY2(readpicture(fifo).isNull(), "a FIFO was read as a picture");
    QVERIFY2(readpicture("/dev/zero").isNull(), "a device was read as a picture");
}

void tst_ReadPicture::largephoto()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    QFile file(path);
    const QByteArray photo = testpictures::encoded(6000, 4000, Qt::darkCyan, "JPG");
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(photo) == photo.size());
    file.close();
    const QPixmap picture = readpicture(path);
    QVERIFY2(!picture.isNull(), "a valid large photo was dropped");
    QVERIFY2(picture.width() <= 4096 && qAbs(picture.width() * 2 - picture.height() * 3) <= 3,
             "the photo was not scaled down keeping its shape");
}

void tst_ReadPicture::shownsize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("camera JPEG") << testpictures::encoded(6000, 4000, Qt::darkCyan, "JPG") << QSize(400, 300);
    QTest::newRow("PNG") << testpictures::encoded(640, 480, Qt::darkCyan, "PNG") << QSize(400, 300);
    QTest::newRow("small JPEG") << testpictures::encoded(100, 50, Qt::darkCyan, "JPG") << QSize(100, 50);
    QTest::newRow("wide JPEG") << testpictures::encoded(1000, 100, Qt::darkCyan, "JPG") << QSize(400, 100);
    QTest::newRow("progressive camera JPEG") << testpictures::progressivejpeg(4000, 3000, Qt::darkCyan)
                                             << QSize(400, 300);
}

// Each side is decoded no larger than it is shown.
void tst_ReadPicture::shownsize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, decoded);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.jpg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QImage image = readpicture(path, MaxPicturePixels, QSize(400, 300)).toImage();
    QVERIFY2(image.size() == decoded, qPrintable(QString("decoded at %1x%2").arg(image.width()).arg(image.height())));
    QVERIFY2(image.pixelColor(image.width() / 2, image.height() / 2).blue() > 100, "the decoded picture lost its colour");
}

void tst_ReadPicture::markerwalk_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scans");
    QTest::addColumn<qint64>("coefficients");
    const QSize sixteen(16, 16);
    const QByteArray scan = allcomponents + data;
    QTest::newRow("baseline") << soi + baseline + scan + eoi << sixteen << 1 << qint64(0);
    QTest::newRow("progressive") << soi + progressive + scan + onecomponent + data + eoi << sixteen << 2
                                 << frameblocks;
    QTest::newRow("first scan without every component")
        << soi + baseline + onecomponent + data + onecomponent + data + eoi << sixteen << 2 << frameblocks;
    QTest::newRow("sides not whole blocks")
        << soi + QByteArray::fromHex("ffc20011080009001103012200021101031101") + scan + eoi << QSize(17, 9) << 1
        << qint64(12 * 128);
    QTest::newRow("stuffed bytes and restart markers in the data")
        << soi + progressive + allcomponents + QByteArray::fromHex("12ff0034ffd056ffd7ffff0078") + scan + eoi
        << sixteen << 2 << frameblocks;
    QTest::newRow("fill bytes before a marker")
        << soi + progressive + scan + QByteArray::fromHex("ffffff") + scan + eoi << sixteen << 2 << frameblocks;
    QTest::newRow("bytes between segments")
        << soi + QByteArray::fromHex("00ff0012") + progressive + QByteArray::fromHex("3456") + scan + eoi << sixteen
        << 1 << frameblocks;
    QTest::newRow("scan inside an application segment")
        << soi + progressive + QByteArray::fromHex("ffe10010") + allcomponents + scan + eoi << sixteen << 1
        << frameblocks;
    QTest::newRow("length too short is no segment")
        << soi + progressive + QByteArray::fromHex("ffe00000") + scan + eoi << sixteen << 1 << frameblocks;
    QTest::newRow("unknown marker has no length")
        << soi + progressive + scan + QByteArray::fromHex("ff020006") + scan + eoi << sixteen << 2 << frameblocks;
    QTest::newRow("scans after the end of picture") << soi + progressive + scan + eoi + scan + scan << sixteen << 1
                                                    << frameblocks;
    QTest::newRow("no end of picture") << soi + progressive + scan + scan << sixteen << 2 << frameblocks;
    QTest::newRow("segment past the end") << soi + progressive + scan + QByteArray::fromHex("ffe1ffff") + scan
                                          << sixteen << 1 << frameblocks;
    QTest::newRow("second frame header") << soi + progressive + QByteArray::fromHex("ffc00011080020002003012200021101031101")
                                                + scan + eoi
                                         << sixteen << 1 << frameblocks;
    QTest::newRow("scan before the frame") << soi + scan + progressive + scan + eoi << QSize() << 0 << qint64(0);
    QTest::newRow("sampling factor 0")
        << soi + QByteArray::fromHex("ffc20011080010001003010000021101031101") + scan + eoi << QSize() << 0
        << qint64(0);
    QTest::newRow("frame header cut") << soi + progressive.left(9) << QSize() << 0 << qint64(0);
    QTest::newRow("length cut") << soi + progressive.left(3) << QSize() << 0 << qint64(0);
    QTest::newRow("not a JPEG") << QByteArray("GIF89a") + scan << QSize() << 0 << qint64(0);
    QTest::newRow("empty") << QByteArray() << QSize() << 0 << qint64(0);
    QTest::newRow("counted to one past the limit") << soi + progressive + scan.repeated(150) + eoi << sixteen << 101
                                                   << frameblocks;
}

// The walk finds the frame and the scans the decoder finds, whatever bytes
// surround them, and leaves the device where it was.
void tst_ReadPicture::markerwalk()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(int, scans);
    QFETCH(qint64, coefficients);
    QBuffer buffer;
    buffer.setData(QByteArray("xy") + bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly) && buffer.seek(2));
    const JpegCost cost = jpegcost(&buffer, 100);
    QVERIFY2(cost.size == size, qPrintable(QString("frame of %1x%2").arg(cost.size.width()).arg(cost.size.height())));
    QVERIFY2(cost.scans == scans, qPrintable(QString("%1 scans counted").arg(cost.scans)));
    QVERIFY2(cost.coefficientbytes == coefficients,
             qPrintable(QString("%1 bytes of coefficients").arg(cost.coefficientbytes)));
    QVERIFY2(buffer.pos() == 2, "the walk moved the device");
}

void tst_ReadPicture::jpeglimits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("decoded");
    // A progressive JPEG may hold 64 MiB of coefficients, whatever size it
    // is decoded at: 768 bytes for each 16x16 pixels at 4:2:0.
    QTest::newRow("progressive at the budget") << testpictures::progressivebomb(295 * 16) << true;
    QTest::newRow("progressive a row of blocks over") << testpictures::progressivebomb(296 * 16) << false;
    QTest::newRow("100 scans") << testpictures::manyscansjpeg(100, 64) << true;
    QTest::newRow("101 scans") << testpictures::manyscansjpeg(101, 64) << false;
    QTest::newRow("baseline far over the budget") << testpictures::encoded(3000, 2000, Qt::darkCyan, "JPG") << true;
}

void tst_ReadPicture::jpeglimits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, decoded);
    const QPixmap picture = readpicturebytes(bytes, Qt::AutoColor, 1 << 20);
    QVERIFY2(picture.isNull() != decoded, decoded ? "a JPEG within the limits was refused" : "a JPEG beyond them was decoded");
}

QTEST_MAIN(tst_ReadPicture)
#include "tst_readpicture.moc"
