#include "readpicture.h"
#include "testpictures.h"

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
};

void tst_ReadPicture::bomb_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const auto &bomb : testpictures::bombs())
        QTest::newRow(bomb.first) << bomb.second;
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
    const QImage image = readimage(path, MaxPicturePixels, QSize(400, 300));
    QVERIFY2(image.size() == decoded, qPrintable(QString("decoded at %1x%2").arg(image.width()).arg(image.height())));
    QVERIFY2(image.pixelColor(image.width() / 2, image.height() / 2).blue() > 100, "the decoded picture lost its colour");
    QVERIFY2(readpicture(path, MaxPicturePixels, QSize(400, 300)).size() == decoded,
             "the picture differs in size from the image");
}

QTEST_MAIN(tst_ReadPicture)
#include "tst_readpicture.moc"
