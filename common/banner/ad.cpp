#include "ad.h"

#include "randomorder.h"
#include "readpicture.h"
#include "weburl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {
const qint64 listbytes = 16 * 1024;
const qint64 picturebytes = 4 * 1024 * 1024;
// A whole download, however slowly its bytes come.
const int deadlinems = 30000;
// The banner holds up to twelve pictures: 8 MiB each at 32 bits a pixel.
const qint64 picturepixels = 2 * 1024 * 1024;

QString withoutslash(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

// The next line that is not empty after trimming; a null string at the end.
QString nextlink(QTextStream &stream)
{
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (!line.isEmpty())
            return line;
    }
    return QString();
}
} // namespace

ad::ad(QObject *parent, const QString &baseurl, const QString &folder)
    : QObject(parent)
    , appdir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
    , adurl(withoutslash(baseurl) + QStringLiteral("/show/ad/"))
    , adurl2(adurl)
    , defaultlink(withoutslash(baseurl) + QLatin1Char('/'))
    , defaultlink2(defaultlink)
{
    infodown.setlimits(listbytes, deadlinems);
    onedown.setlimits(picturebytes, deadlinems);
    twodown.setlimits(picturebytes, deadlinems);
    for (int k = 0; k < maxpictures; ++k) {
        down[k].setlimits(picturebytes, deadlinems);
    }
    // The downloads are the banner's children, so that they can be watched.
    for (iHttpDownload *downloader : {&infodown, &onedown, &twodown})
        downloader->setParent(this);
    for (iHttpDownload &downloader : down)
        downloader.setParent(this);
    decoding.setParent(this);
    decoding.setObjectName(QStringLiteral("decoding"));
    decoding.setSingleShot(true);
    connect(&decoding, &QTimer::timeout, this, &ad::decodeoldest);
    const std::array<void (ad::*)(), maxpictures> placeslots = {
        &ad::setok0, &ad::setok1, &ad::setok2, &ad::setok3, &ad::setok4,
        &ad::setok5, &ad::setok6, &ad::setok7, &ad::setok8, &ad::setok9};
    for (int k = 0; k < maxpictures; ++k)
        connect(&down[k], &iHttpDownload::finished, this, placeslots[k]);
    connect(&infodown, &iHttpDownload::finished, this, &ad::setok);
    connect(&onedown, &iHttpDownload::finished, this, &ad::setokone);
    connect(&twodown, &iHttpDownload::finished, this, &ad::setoktwo);
    // The network starts once the event loop runs, after the window is up.
    QTimer::singleShot(0, this, [this] {
        infodown.download(adurl + QStringLiteral("info.txt"), local(QStringLiteral("info.txt")));
    });
}

ad::~ad() = default;

QPixmap *ad::getone()
{
    settle(one);
    if (one)
        return handout(one.get(), onelink);
    return handoutdefault();
}

QPixmap *ad::gettwo()
{
    settle(two);
    if (two)
        return handout(two.get(), twolink);
    return handout(builtin(defaulttwo, QStringLiteral(":/two.jpg")), defaultlink2);
}

QPixmap *ad::getnext()
{
    const int n = int(pics.size());
    if (current < 0) {
        if (n > 0)
            current = 0;
        return handoutdefault();
    }
    if (current < n - 1)
        ++current;
    else if (n > 0)
        current = 0;
    const int k = current < order.size() ? order.at(current) : -1;
    if (k >= 0 && k < n)
        settle(pics[k]);
    if (k < 0 || k >= n || !pics[k])
        return handoutdefault();
    return handout(pics[k].get(), k < links.size() ? links.at(k) : defaultlink);
}

// A built-in picture, decoded when first handed out.
QPixmap *ad::handoutdefault()
{
    return handout(builtin(defaultone, QStringLiteral(":/one.jpg")), defaultlink);
}

QPixmap *ad::builtin(std::unique_ptr<QPixmap> &picture, const QString &path)
{
    if (!picture)
        picture = std::make_unique<QPixmap>(path);
    return picture.get();
}

QString ad::getlink() const
{
    return currentlink;
}

void ad::setshown(const QSize &size)
{
    shown = size;
}

void ad::makeorder(int n)
{
    order = randomorder(n);
}

void ad::setok()
{
    QFile file(local(QStringLiteral("info.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream stream(&file);
    const QString first = stream.atEnd() ? QStringLiteral("0") : stream.readLine().trimmed();
    const int n = qMin(first.toInt(nullptr, 10), maxpictures);
    if (n < 1)
        return;
    waiting.clear();
    decoding.stop();
    one.reset();
    two.reset();
    pics.clear();
    pics.resize(size_t(n));
    links.clear();
    onelink = checkedlink(stream.atEnd() ? QString() : stream.readLine().trimmed());
    twolink = defaultlink2;
    for (int k = 0; k < n && !stream.atEnd(); ++k) {
        const QString line = nextlink(stream);
        if (!line.isNull())
            links.append(checkedlink(line));
    }
    file.close();
    makeorder(n);
    onedown.download(adurl + QStringLiteral("one.htm"), local(QStringLiteral("one.jpg")));
    twodown.download(adurl2 + QStringLiteral("two.htm"), local(QStringLiteral("two.jpg")));
    for (int k = n - 1; k >= 0; --k)
        down[k].download(adurl + QStringLiteral("c%1.htm").arg(k), local(QStringLiteral("c%1.jpg").arg(k)));
}

void ad::setokone()
{
    if (!one)
        arrived(one, QStringLiteral("one.jpg"));
}

void ad::setoktwo()
{
    if (!two)
        arrived(two, QStringLiteral("two.jpg"));
}

void ad::setok0()
{
    setokpic(0);
}

void ad::setok1()
{
    setokpic(1);
}

void ad::setok2()
{
    setokpic(2);
}

void ad::setok3()
{
    setokpic(3);
}

void ad::setok4()
{
    setokpic(4);
}

void ad::setok5()
{
    setokpic(5);
}

void ad::setok6()
{
    setokpic(6);
}

void ad::setok7()
{
    setokpic(7);
}

void ad::setok8()
{
    setokpic(8);
}

void ad::setok9()
{
    setokpic(9);
}

void ad::setokpic(int k)
{
    if (k < int(pics.size()))
        arrived(pics[k], QStringLiteral("c%1.jpg").arg(k));
}

QString ad::local(const QString &name) const
{
    return appdir + QDir::separator() + name;
}

QString ad::checkedlink(const QString &line) const
{
    return isweburl(QUrl(line, QUrl::StrictMode)) ? line : defaultlink;
}

std::unique_ptr<QPixmap> ad::fetched(const QString &name) const
{
    QPixmap picture = readpicture(local(name), picturepixels, shown);
    if (picture.isNull())
        return nullptr;
    return std::make_unique<QPixmap>(std::move(picture));
}

void ad::arrived(std::unique_ptr<QPixmap> &target, const QString &name)
{
    const auto same = [&target](const QPair<std::unique_ptr<QPixmap> *, QString> &entry) {
        return entry.first == &target;
    };
    if (std::none_of(waiting.begin(), waiting.end(), same))
        waiting.append({&target, name});
    if (!decoding.isActive())
        decoding.start();
}

void ad::settle(std::unique_ptr<QPixmap> &target)
{
    for (int i = 0; i < waiting.size(); ++i) {
        if (waiting.at(i).first == &target) {
            target = fetched(waiting.takeAt(i).second);
            return;
        }
    }
}

// Restarted after the decode, so that whatever else waits runs first.
void ad::decodeoldest()
{
    if (waiting.isEmpty())
        return;
    const auto oldest = waiting.takeFirst();
    *oldest.first = fetched(oldest.second);
    if (!waiting.isEmpty())
        decoding.start();
}

QPixmap *ad::handout(QPixmap *picture, const QString &link)
{
    currentlink = link;
    return picture;
}
