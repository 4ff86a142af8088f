#include "fuzzbanner.h"

#include "ad.h"
#include "fixedhashseed.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>

namespace {

void startapplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end: Qt's screens are not for tearing down after main.
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    Q_UNUSED(application)
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

void run(ad &banner, const char *slot)
{
    if (!QMetaObject::invokeMethod(&banner, slot))
        qFatal("the banner has no slot %s", slot);
}

} // namespace

std::unique_ptr<ad> fuzzbanner(const QByteArray &list, const QByteArray &picture)
{
    startapplication();
    static QTemporaryDir dir;
    auto banner = std::make_unique<ad>(nullptr, QStringLiteral(MAKER_HOST), dir.path());
    put(dir.filePath(QStringLiteral("info.txt")), list);
    const QList<QPair<QString, const char *>> pictures{
        {"one.jpg", "setokone"}, {"two.jpg", "setoktwo"}, {"c0.jpg", "setok0"}, {"c1.jpg", "setok1"},
        {"c2.jpg", "setok2"}, {"c3.jpg", "setok3"}, {"c4.jpg", "setok4"}, {"c5.jpg", "setok5"},
        {"c6.jpg", "setok6"}, {"c7.jpg", "setok7"}, {"c8.jpg", "setok8"}, {"c9.jpg", "setok9"}};
    for (const auto &file : pictures)
        put(dir.filePath(file.first), "from an earlier start");
    run(*banner, "setok");
    // A download that was started has emptied its file; only those finish.
    for (const auto &file : pictures) {
        if (QFileInfo(dir.filePath(file.first)).size() > 0)
            continue;
        put(dir.filePath(file.first), picture);
        run(*banner, file.second);
    }
    return banner;
}

void checkhandouts(ad &banner, qint64 maxbytes)
{
    const auto check = [&](QPixmap *picture, const char *getter) {
        if (!picture || picture->isNull())
            qFatal("%s handed out no picture", getter);
        const qint64 bytes = qint64(picture->width()) * picture->height() * picture->depth() / 8;
        if (bytes > maxbytes)
            qFatal("%s handed out a picture of %lld bytes", getter, bytes);
        // As the window opens it.
        const QUrl link(banner.getlink());
        if ((link.scheme() != QLatin1String("http") && link.scheme() != QLatin1String("https"))
            || link.host().isEmpty())
            qFatal("%s handed out the link %s", getter, qPrintable(banner.getlink()));
    };
    check(banner.getone(), "getone");
    check(banner.gettwo(), "gettwo");
    for (int i = 0; i <= 10; ++i)
        check(banner.getnext(), "getnext");
}
