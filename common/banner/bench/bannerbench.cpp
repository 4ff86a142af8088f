// How long the GUI thread stalls while the banner takes twelve of the
// largest pictures it accepts from a local server (a process of its own),
// shown on the banner frame of the largest window.
// A 1 ms timer on the GUI thread measures the longest gap between its ticks
// from the banner's start until it has taken all twelve pictures. The GUI
// thread's CPU time, over the same span and within the longest gap in it,
// does not depend on the machine's load.

#include "ad.h"
#include "dialogframe.h"
#include "screenfit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {
const int side = 1448;
const qint64 mostbytes = 4000000;

// Noise of a fixed seed at the best quality that stays under mostbytes.
QByteArray largestpicture()
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator noise(18);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = noise.generate() | 0xFF000000u;
    }
    for (int quality = 100; quality > 0; quality -= 2) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        if (bytes.size() < mostbytes)
            return bytes;
    }
    return QByteArray();
}

double threadcpums()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

bool writefile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeserved(const QString &root, const QByteArray &picture)
{
    const QString folder = root + QStringLiteral("/show/ad/");
    QByteArray list = "10\nhttp://127.0.0.1/one.html\n";
    for (int k = 0; k < 10; ++k)
        list += "http://127.0.0.1/" + QByteArray::number(k) + ".html\n";
    bool written = QDir().mkpath(folder) && writefile(folder + "info.txt", list);
    for (const QString &name : {QStringLiteral("one"), QStringLiteral("two")})
        written = written && writefile(folder + name + ".htm", picture);
    for (int k = 0; k < 10; ++k)
        written = written && writefile(folder + QStringLiteral("c%1.htm").arg(k), picture);
    return written;
}

// The server's root URL, read from its first line; empty when it did not start.
QString startserver(QProcess &server, const QString &root)
{
    server.start(QStringLiteral("python3"), {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                                             QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                                             QStringLiteral("--directory"), root});
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(5000))
        return QString();
    const QRegularExpressionMatch port = QRegularExpression(QStringLiteral("port (\\d+)")).match(server.readLine());
    return port.hasMatch() ? QStringLiteral("http://127.0.0.1:") + port.captured(1) : QString();
}

// Whether every picture is handed out: picture one and two and all ten
// rotating places differ from the defaults handed out before any arrived.
bool allarrived(ad &banner, const QPixmap *defaultone, const QPixmap *defaulttwo)
{
    if (banner.getone() == defaultone || banner.gettwo() == defaulttwo)
        return false;
    QSet<const QPixmap *> places;
    for (int i = 0; i < 11; ++i)
        places.insert(banner.getnext());
    places.remove(defaultone);
    return places.size() == 10;
}
} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    QTemporaryDir local;
    const QByteArray picture = largestpicture();
    QProcess server;
    const QString url = root.isValid() && local.isValid() && writeserved(root.path(), picture)
        ? startserver(server, root.path()) : QString();
    if (url.isEmpty()) {
        std::fprintf(stderr, "bannerbench: the local server did not start\n");
        return 1;
    }

    QElapsedTimer clock;
    qint64 lasttick = 0;
    qint64 longest = 0;
    double lastcpu = 0;
    double longestcpu = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = qMax(longest, now - lasttick);
        lasttick = now;
        const double cpunow = threadcpums();
        longestcpu = qMax(longestcpu, cpunow - lastcpu);
        lastcpu = cpunow;
    });

    ad banner(nullptr, url, local.path());
    const float scale = ScreenFit::choose(QSize(1920, 1080), 570).scale;
    banner.setshown(QSize(DialogFrame::scaled(scale, 712), DialogFrame::scaled(scale, 150)));
    const QPixmap *defaultone = banner.getone();
    const QPixmap *defaulttwo = banner.gettwo();
    banner.getnext();
    const double cpustart = threadcpums();
    lastcpu = cpustart;
    clock.start();
    ticks.start(1);
    // Until the list and twelve pictures have arrived and none waits to be decoded.
    int ended = 0;
    for (iHttpDownload *download : banner.findChildren<iHttpDownload *>())
        QObject::connect(download, &iHttpDownload::finished, [&] { ++ended; });
    const auto *decoding = banner.findChild<QTimer *>(QStringLiteral("decoding"), Qt::FindDirectChildrenOnly);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        if (ended == 13 && !decoding->isActive())
            app.quit();
    });
    QTimer::singleShot(60000, &app, &QApplication::quit);
    app.exec();
    const double cpu = threadcpums() - cpustart;
    const bool arrived = allarrived(banner, defaultone, defaulttwo);
    server.kill();
    server.waitForFinished(5000);

    std::printf("twelve pictures of %dx%d, %lld bytes each\n", side, side, qint64(picture.size()));
    std::printf("all twelve handed out: %s after %lld ms\n", arrived ? "yes" : "NO", clock.elapsed());
    std::printf("longest GUI thread stall: %.1f ms\n", double(longest) / 1e6);
    std::printf("longest GUI thread CPU time between two ticks: %.1f ms\n", longestcpu);
    std::printf("GUI thread CPU time: %.1f ms\n", cpu);
    return arrived ? 0 : 1;
}
