#include <QBitmap>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every picture the programs load by name must be embedded, in the format and
// size that its users expect; masks must be one bit deep with white corners.
class tst_resources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void masks_data();
    void masks();
    void referencedNamesExist();
};

void tst_resources::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    const struct { const char* name; const char* format; QSize size; } rows[] = {
        {"body.jpg", "jpeg", {1837, 1147}},
        {"default.jpg", "jpeg", {400, 300}},
        {"one.jpg", "jpeg", {1424, 300}},
        {"two.jpg", "jpeg", {1424, 300}},
        {"f21.png", "png", {237, 78}}, {"f22.png", "png", {237, 78}}, {"f23.png", "png", {237, 77}},
        {"f2m.bmp", "bmp", {240, 82}},
        {"f41.png", "png", {269, 73}}, {"f42.png", "png", {268, 73}}, {"f43.png", "png", {269, 73}},
        {"f4m.bmp", "bmp", {271, 77}},
        {"y21.png", "png", {155, 67}}, {"y22.png", "png", {155, 67}}, {"y23.png", "png", {155, 67}},
        {"y2m.bmp", "bmp", {158, 71}},
        {"y31.png", "png", {237, 77}}, {"y32.png", "png", {237, 78}}, {"y33.png", "png", {237, 78}},
        {"y3m.bmp", "bmp", {240, 81}},
        {"px1.png", "png", {1051, 92}}, {"px2.png", "png", {1051, 92}}, {"px3.png", "png", {1051, 92}},
        {"pxm.bmp", "bmp", {1049, 95}},
        {"q1.png", "png", {237, 77}}, {"q2.png", "png", {237, 78}}, {"q3.png", "png", {237, 78}},
        {"qm.bmp", "bmp", {240, 81}},
        {"s.png", "png", {1647, 149}}, {"sm.bmp", "bmp", {2985, 243}},
        {"ljgd1.png", "png", {453, 123}}, {"ljgd2.png", "png", {453, 123}}, {"ljgd3.png", "png", {453, 123}},
        {"ljgdm.bmp", "bmp", {457, 124}},
        {"zy1.png", "png", {182, 182}}, {"zy2.png", "png", {182, 182}}, {"zy3.png", "png", {182, 182}},
        {"zym.bmp", "bmp", {185, 185}},
        {"key1.png", "png", {123, 123}}, {"key2.png", "png", {123, 123}}, {"key3.png", "png", {123, 123}},
        {"keym.bmp", "bmp", {108, 108}},
        {"mbdlg.png", "png", {727, 127}},
        {"fddlg.png", "png", {766, 623}},
        {"inputDlg.png", "png", {827, 161}},
        {"newdlg.png", "png", {862, 522}},
        {"addonedlg.png", "png", {1082, 282}},
        {"zhaohuidlg.png", "png", {1322, 1102}},
        {"yonghu.png", "png", {1223, 287}},
        {"yonghu0.png", "png", {602, 392}},
        {"zjc.png", "png", {1824, 62}},
        {"jihua.png", "png", {767, 332}},
        {"sucai.png", "png", {917, 452}},
        {"fuxi.png", "png", {917, 452}},
        {"b1.png", "png", {1037, 542}},
        {"b2.png", "png", {1217, 512}}, {"b3.png", "png", {1217, 512}},
        {"b4.png", "png", {1217, 512}}, {"b5.png", "png", {1217, 512}},
        {"top.png", "png", {1824, 82}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString(row.name) << QByteArray(row.format) << row.size;
}

void tst_resources::pictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(":/" + name);
    QVERIFY2(reader.canRead(), qPrintable(name + " is missing or unreadable: " + reader.errorString()));
    QVERIFY2(reader.format() == format, qPrintable(name + " is " + reader.format()));
    QVERIFY2(reader.size() == size, qPrintable(QString("%1 is %2x%3").arg(name)
                                                   .arg(reader.size().width()).arg(reader.size().height())));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(name + " does not decode: " + reader.errorString()));
}

void tst_resources::masks_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<QSize>("button");
    QTest::newRow("f2") << "f2m.bmp" << QStringList{"f21.png", "f22.png", "f23.png"} << QSize(75, 23);
    QTest::newRow("f4") << "f4m.bmp" << QStringList{"f41.png", "f42.png", "f43.png"} << QSize(120, 30);
    QTest::newRow("y2") << "y2m.bmp" << QStringList{"y21.png", "y22.png", "y23.png"} << QSize(36, 23);
    QTest::newRow("y3") << "y3m.bmp" << QStringList{"y31.png", "y32.png", "y33.png"} << QSize(75, 23);
    QTest::newRow("px") << "pxm.bmp" << QStringList{"px1.png", "px2.png", "px3.png"} << QSize(500, 40);
    QTest::newRow("q") << "qm.bmp" << QStringList{"q1.png", "q2.png", "q3.png"} << QSize(75, 23);
    QTest::newRow("s") << "sm.bmp" << QStringList{"s.png"} << QSize(600, 60);
    QTest::newRow("ljgd") << "ljgdm.bmp" << QStringList{"ljgd1.png", "ljgd2.png", "ljgd3.png"} << QSize(151, 41);
    QTest::newRow("zy") << "zym.bmp" << QStringList{"zy1.png", "zy2.png", "zy3.png"} << QSize(30, 30);
    QTest::newRow("key") << "keym.bmp" << QStringList{"key1.png", "key2.png", "key3.png"} << QSize(32, 32);
}

void tst_resources::masks()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, pictures);
    QFETCH(QSize, button);
    const QImage bits(":/" + mask);
    QVERIFY2(bits.depth() == 1, qPrintable(mask + " is not one bit deep"));
    QVERIFY2(bits.colorCount() == 2 && bits.color(0) == qRgb(255, 255, 255) && bits.color(1) == qRgb(0, 0, 0),
             qPrintable(mask + " has no white-then-black palette"));
    const int right = bits.width() - 1;
    const int bottom = bits.height() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        QVERIFY2(bits.pixelIndex(corner) == 0, qPrintable(mask + " is not white at every corner"));
    QVERIFY2(bits.pixelIndex(bits.width() / 2, bits.height() / 2) == 1, qPrintable(mask + " is not black inside"));

    // As a button fits it: scaled to the button, the heuristic mask cuts the corners only.
    QBitmap bitmap;
    QVERIFY2(bitmap.load(":/" + mask) && bitmap.depth() == 1, qPrintable(mask + " does not load as a bitmap"));
    const QBitmap fitted = QBitmap(bitmap.scaled(button, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    const QRegion region(fitted.createHeuristicMask(true));
    QVERIFY2(!region.contains(QPoint(0, 0)) && !region.contains(QPoint(button.width() - 1, button.height() - 1)),
             qPrintable(mask + " leaves a corner of the button clickable"));
    QVERIFY2(region.contains(QPoint(button.width() / 2, button.height() / 2)),
             qPrintable(mask + " cuts away the centre of the button"));

    // Each state picture covers the mask's shape once both are stretched alike.
    for (const QString& name : pictures) {
        const QImage picture = QImage(":/" + name).convertToFormat(QImage::Format_ARGB32);
        const QImage shape = bits.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += (qAlpha(picture.pixel(x, y)) >= 128) != (shape.pixelIndex(x, y) == 1);
        const double share = double(differing) / (picture.width() * picture.height());
        QVERIFY2(share < 0.015, qPrintable(QString("%1 differs from %2 in %3% of its pixels")
                                              .arg(name, mask).arg(share * 100, 0, 'f', 1)));
    }
}

void tst_resources::referencedNamesExist()
{
    // Whatever a form or source file of the programs names must be embedded.
    const QRegularExpression reference(QStringLiteral("(?<=[\"'>(]):/([A-Za-z0-9_]+\\.(?:png|jpg|bmp))"));
    QSet<QString> missing;
    QDirIterator files(SOURCE_ROOT, {"*.ui", "*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = path.mid(int(qstrlen(SOURCE_ROOT)));
        if (relative.startsWith("/resources/") || relative.startsWith("/build") || relative.startsWith("/."))
            continue;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("cannot read " + path));
        auto matches = reference.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            if (!QFile::exists(":/" + name))
                missing.insert(name + " (" + relative + ")");
        }
    }
    QStringList list = missing.values();
    list.sort();
    QVERIFY2(list.isEmpty(), qPrintable("not embedded: " + list.join(", ")));
}

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
