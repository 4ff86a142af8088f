#include "ad.h"
#include "checkreturn.h"
#include "testpictures.h"
#include "testserver.h"

#include <QDir>
#include <QImage>
#include <QMetaMethod>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

// Served pictures are told apart by their width.
const int onewidth = 30;
const int twowidth = 31;
const int placewidth = 40;

QByteArray picture(int width)
{
    return testpictures::encoded(width, 10, Qt::darkGreen, "PNG");
}

template<typename T>
QSet<T> asset(const QList<T> &list)
{
    return QSet<T>(list.begin(), list.end());
}

QStringList fetchable()
{
    QStringList names{"info.txt", "one.jpg", "two.jpg"};
    for (int k = 0; k < 10; ++k)
        names << QString("c%1.jpg").arg(k);
    return names;
}

} // namespace

class tst_Ad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rotation();
    void singleplace();
    void countclamped();
    void listignored_data();
    void listignored();
    void picturefailures_data();
    void picturefailures();
    void links_data();
    void links();
    void undecodable_data();
    void undecodable();
    void boundedpictures_data();
    void boundedpictures();
    void placeslots();
    void noserver();
    void decodedaway();
    void onedecodeaturn();
    void askedbeforeturn();
    void closedwithpictureswaiting();
    void shownsize_data();
    void shownsize();
    void startsfromeventloop();

private:
    void serveall(const QByteArray &list);
    // Waits until the server has had these requests, each once, and the
    // banner's downloads have all ended.
    bool waitfor(const ad &banner, const QStringList &paths);
    static bool downloading(const ad &banner);
    QString home() const;
    bool isdefault(QPixmap *shown, const char *resource) const;
    // A banner without a server whose list and twelve pictures have all
    // just arrived, none of them decoded yet.
    ad *arrivedtogether();

    QTemporaryDir *dir = nullptr;
    TestServer *server = nullptr;
};

void tst_Ad::init()
{
    dir = new QTemporaryDir;
    server = new TestServer;
    QVERIFY2(server->isListening(), "the test server is not listening on 127.0.0.1");
    QVERIFY2(!QPixmap(":/one.jpg").isNull() && !QPixmap(":/two.jpg").isNull(),
             "the default pictures are not built in");
}

void tst_Ad::cleanup()
{
    const QStringList left = QDir(dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    const QStringList allowed = fetchable();
    for (const QString &name : left)
        QVERIFY2(allowed.contains(name), qPrintable("a stray file was left in the folder: " + name));
    delete server;
    delete dir;
}

void tst_Ad::serveall(const QByteArray &list)
{
    server->setbody("/show/ad/info.txt", list);
    server->setbody("/show/ad/one.htm", picture(onewidth));
    server->setbody("/show/ad/two.htm", picture(twowidth));
    for (int k = 0; k < 10; ++k)
        server->setbody(QString("/show/ad/c%1.htm").arg(k), picture(placewidth + k));
}

bool tst_Ad::waitfor(const ad &banner, const QStringList &paths)
{
    QStringList expected;
    for (const QString &path : paths)
        expected << "/show/ad/" + path;
    const bool settled = QTest::qWaitFor(
        [&] { return asset(server->requests()) == asset(expected) && !downloading(banner); }, 30000);
    QVERIFY_RETURN(settled, qPrintable("the downloads did not end after the requests "
                                       + expected.join(' ') + "; the server had " + server->requests().join(' ')));
    QVERIFY_RETURN(server->requests().size() == expected.size(),
                   qPrintable("a file was fetched more than once: " + server->requests().join(' ')));
    return true;
}

bool tst_Ad::downloading(const ad &banner)
{
    const QList<iHttpDownload *> downloads = banner.findChildren<iHttpDownload *>();
    return std::any_of(downloads.begin(), downloads.end(), [](iHttpDownload *d) { return d->running(); });
}

QString tst_Ad::home() const
{
    return server->url() + "/";
}

bool tst_Ad::isdefault(QPixmap *shown, const char *resource) const
{
    return shown && shown->toImage() == QPixmap(QLatin1String(resource)).toImage();
}

void tst_Ad::rotation()
{
    serveall("3\nhttp://one.example/\n\nhttp://a.example/\n  https://b.example/x  \n");
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm", "c1.htm", "c2.htm"}));

    QPixmap *one = banner.getone();
    QVERIFY2(one && one->width() == onewidth, "picture one did not arrive");
    QVERIFY2(banner.getlink() == "http://one.example/", "picture one does not link the list's second line");
    QPixmap *two = banner.gettwo();
    QVERIFY2(two && two->width() == twowidth, "picture two did not arrive");
    QVERIFY2(banner.getlink() == home(), "picture two does not link the home page");

    QVERIFY2(isdefault(banner.getnext(), ":/one.jpg") && banner.getlink() == home(),
             "the first rotating request did not give the default picture");
    const QHash<int, QString> linkof{{placewidth, "http://a.example/"},
                                     {placewidth + 1, "https://b.example/x"},
                                     {placewidth + 2, home()}};
    QList<int> cycle;
    for (int i = 0; i < 3; ++i) {
        QPixmap *shown = banner.getnext();
        QVERIFY2(shown, "a null picture was handed out");
        cycle << shown->width();
        QVERIFY2(banner.getlink() == linkof.value(shown->width(), "?"),
                 qPrintable(QString("the place of width %1 has the wrong link %2")
                                .arg(shown->width())
                                .arg(banner.getlink())));
    }
    QVERIFY2(asset(cycle) == QSet<int>({placewidth, placewidth + 1, placewidth + 2}),
             "a round did not show each place once");
    QVERIFY2(banner.getnext()->width() == cycle.first(), "the rotation did not start over");
    QVERIFY2(QFile::exists(dir->filePath("c2.jpg")) && QFile::exists(dir->filePath("info.txt")),
             "the files were not stored in the folder");
}

void tst_Ad::singleplace()
{
    serveall("1\nhttp://one.example/\nhttp://a.example/\n");
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
    QVERIFY2(isdefault(banner.getnext(), ":/one.jpg"), "the first rotating request did not give the default");
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(banner.getnext()->width() == placewidth, "a later request did not give place 0");
        QVERIFY2(banner.getlink() == "http://a.example/", "place 0 lost its link");
    }
}

void tst_Ad::countclamped()
{
    serveall("15\nhttp://one.example/\n");
    ad banner(nullptr, server->url(), dir->path());
    QStringList all{"info.txt", "one.htm", "two.htm"};
    for (int k = 0; k < 10; ++k)
        all << QString("c%1.htm").arg(k);
    QVERIFY(waitfor(banner, all));
    banner.getnext();
    QSet<int> seen;
    for (int i = 0; i < 10; ++i) {
        seen << banner.getnext()->width();
        QVERIFY2(banner.getlink() == home(), "a place without a link line does not link the home page");
    }
    QVERIFY2(seen.size() == 10, "the rotation does not hold ten places");
}

void tst_Ad::listignored_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("zero") << QByteArray("0\nhttp://one.example/\n");
    QTest::newRow("negative") << QByteArray("-3\nhttp://one.example/\n");
    QTest::newRow("no number") << QByteArray("abc\nhttp://one.example/\n");
    QTest::newRow("empty first line") << QByteArray("\n2\nhttp://one.example/\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE\x01\n\x80", 6);
    QTest::newRow("over the size cap") << QByteArray("1\nhttp://one.example/\n") + QByteArray(100000, '\n');
}

void tst_Ad::listignored()
{
    QFETCH(QByteArray, list);
    serveall(list);
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt"}));
    QVERIFY2(isdefault(banner.getone(), ":/one.jpg") && banner.getlink() == home(),
             "an ignored list did not leave default picture one linking the home page");
    QVERIFY2(isdefault(banner.gettwo(), ":/two.jpg") && banner.getlink() == home(),
             "an ignored list did not leave default picture two linking the home page");
    for (int i = 0; i < 3; ++i)
        QVERIFY2(isdefault(banner.getnext(), ":/one.jpg") && banner.getlink() == home(),
                 "the rotation did not give the default picture");
}

void tst_Ad::picturefailures_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::newRow("404") << TestServer::answer("404 Not Found", picture(onewidth));
    QTest::newRow("301") << QByteArray("HTTP/1.1 301 Moved Permanently\r\nLocation: /show/ad/two.htm\r\n"
                                       "Content-Length: 0\r\nConnection: close\r\n\r\n");
    QTest::newRow("huge file") << TestServer::answer("200 OK", picture(onewidth) + QByteArray(5 << 20, '\0'));
    QTest::newRow("oversized picture") << TestServer::answer("200 OK", testpictures::oversizedjpeg());
    for (const auto &bomb : testpictures::bombs())
        QTest::newRow(bomb.first) << TestServer::answer("200 OK", bomb.second);
    QTest::newRow("truncated answer") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n")
                                             + picture(onewidth).left(20);
}

void tst_Ad::picturefailures()
{
    QFETCH(QByteArray, raw);
    serveall("1\nhttp://one.example/\nhttp://a.example/\n");
    server->setraw("/show/ad/one.htm", raw);
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
    QVERIFY2(isdefault(banner.getone(), ":/one.jpg"), "picture one did not fall back to the default");
    QVERIFY2(banner.getlink() == home(), "the default does not link the home page");
    QVERIFY2(banner.gettwo()->width() == twowidth, "picture two did not arrive beside a failed picture one");
}

void tst_Ad::links_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("http") << QByteArray("http://one.example/page") << "http://one.example/page";
    QTest::newRow("https, trimmed") << QByteArray("  https://one.example/  ") << "https://one.example/";
    QTest::newRow("file link") << QByteArray("file:///etc/passwd") << "<home>";
    QTest::newRow("script") << QByteArray("javascript:alert(1)") << "<home>";
    QTest::newRow("no host") << QByteArray("http://") << "<home>";
    QTest::newRow("plain word") << QByteArray("hello") << "<home>";
    QTest::newRow("empty") << QByteArray("") << "<home>";
}

void tst_Ad::links()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    expected.replace("<home>", home());
    serveall("1\n" + line + "\n" + line + "\n");
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
    QVERIFY2(banner.getone()->width() == onewidth, "picture one did not arrive");
    QVERIFY2(banner.getlink() == expected, qPrintable("picture one has the wrong link: " + banner.getlink()));
    if (!line.isEmpty()) {
        banner.getnext();
        QVERIFY2(banner.getnext()->width() == placewidth, "place 0 did not arrive");
        QVERIFY2(banner.getlink() == expected, qPrintable("place 0 has the wrong link: " + banner.getlink()));
    }
}

void tst_Ad::undecodable_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("ten bytes of text") << QByteArray("not a pic\n");
    QTest::newRow("markup") << QByteArray("<html>not a picture</html>");
    QTest::newRow("JPEG header of 30000x30000") << testpictures::headeronlyjpeg(30000, 30000);
    QTest::newRow("JPEG header of 100x100") << testpictures::headeronlyjpeg(100, 100);
    QTest::newRow("cut PNG") << picture(onewidth).left(60);
    QTest::newRow("progressive JPEG stating 11585x11585") << testpictures::progressivebomb();
    QTest::newRow("JPEG of 20000 scans") << testpictures::manyscansjpeg();
    QTest::newRow("JPEG of 20000 scans within the coefficient budget") << testpictures::manyscansjpeg(20000, 1024);
}

// What cannot be decoded counts as not arrived: the defaults show.
void tst_Ad::undecodable()
{
    QFETCH(QByteArray, body);
    serveall("1\nhttp://one.example/\nhttp://a.example/\n");
    for (const char *name : {"one", "two", "c0"})
        server->setbody(QStringLiteral("/show/ad/") + name + ".htm", body);
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
    QVERIFY2(isdefault(banner.getone(), ":/one.jpg"), "getone did not give default picture one");
    QVERIFY2(banner.getlink() == home(), "the default does not link the home page");
    QVERIFY2(isdefault(banner.gettwo(), ":/two.jpg"), "gettwo did not give default picture two");
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(isdefault(banner.getnext(), ":/one.jpg"), "getnext did not give default picture one");
        QVERIFY2(banner.getlink() == home(), "the default does not link the home page");
    }
}

void tst_Ad::boundedpictures_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("taken");
    QTest::newRow("twelve of 4096x4096") << 4096 << false;
    QTest::newRow("twelve of 2000x2000") << 2000 << false;
    QTest::newRow("twelve of 1448x1448") << 1448 << true;
}

// Twelve large pictures that compress to little: the banner never holds
// more than about 100 MiB of decoded pictures.
void tst_Ad::boundedpictures()
{
    QFETCH(int, side);
    QFETCH(bool, taken);
    const QByteArray large = testpictures::encoded(side, side, Qt::darkGreen, "PNG");
    QVERIFY2(large.size() < 200 * 1024, "the served pictures are not small");
    serveall("10\nhttp://one.example/\n");
    for (const char *name : {"one", "two", "c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9"})
        server->setbody(QStringLiteral("/show/ad/") + name + ".htm", large);
    ad banner(nullptr, server->url(), dir->path());
    QStringList all{"info.txt", "one.htm", "two.htm"};
    for (int k = 0; k < 10; ++k)
        all << QString("c%1.htm").arg(k);
    QVERIFY(waitfor(banner, all));

    QSet<qint64> held;
    qint64 bytes = 0;
    int largeshown = 0;
    QList<QPixmap *> shown{banner.getone(), banner.gettwo()};
    for (int i = 0; i < 11; ++i)
        shown << banner.getnext();
    for (QPixmap *picture : shown) {
        QVERIFY2(picture && !picture->isNull(), "a null picture was handed out");
        if (picture->width() == side)
            ++largeshown;
        if (!held.contains(picture->cacheKey())) {
            held << picture->cacheKey();
            bytes += qint64(picture->width()) * picture->height() * picture->depth() / 8;
        }
    }
    QVERIFY2(bytes <= 100 * 1024 * 1024,
             qPrintable(QString("the banner holds too many pictures: %1 MiB").arg(bytes >> 20)));
    QVERIFY2(largeshown == (taken ? 12 : 0),
             qPrintable(QString("the wrong number of large pictures was handed out: %1 of 12").arg(largeshown)));
}

// Rotating picture k arrives through the private slot setok<k>().
void tst_Ad::placeslots()
{
    const QMetaObject &meta = ad::staticMetaObject;
    for (int k = 0; k < 10; ++k) {
        const QByteArray signature = QString("setok%1()").arg(k).toLatin1();
        const int index = meta.indexOfSlot(signature);
        QVERIFY2(index >= 0, qPrintable("there is no slot " + QString(signature)));
        QVERIFY2(meta.method(index).access() == QMetaMethod::Private,
                 qPrintable("this slot is not private: " + QString(signature)));
    }
    serveall("10\nhttp://one.example/\n");
    server->setraw("/show/ad/c7.htm", TestServer::answer("404 Not Found", "gone"));
    ad banner(nullptr, server->url(), dir->path());
    QStringList all{"info.txt", "one.htm", "two.htm"};
    for (int k = 0; k < 10; ++k)
        all << QString("c%1.htm").arg(k);
    QVERIFY(waitfor(banner, all));
    QFile stored(dir->filePath("c7.jpg"));
    QVERIFY2(stored.open(QIODevice::WriteOnly) && stored.write(picture(placewidth + 7)) > 0,
             "place 7's file could not be written");
    stored.close();
    QVERIFY2(QMetaObject::invokeMethod(&banner, "setok7"), "setok7() could not be invoked");
    banner.getnext();
    QSet<int> seen;
    for (int i = 0; i < 10; ++i)
        seen << banner.getnext()->width();
    QVERIFY2(seen.contains(placewidth + 7), "setok7() did not load place 7");
}

void tst_Ad::noserver()
{
    QString url;
    {
        TestServer closed;
        url = closed.url();
    }
    ad banner(nullptr, url, dir->path());
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(isdefault(banner.getnext(), ":/one.jpg"), "a request before the list did not give the default");
        QVERIFY2(banner.getlink() == url + "/", "the default does not link the home page");
    }
    QTRY_VERIFY2_WITH_TIMEOUT(!downloading(banner), "the list's download did not end without a server", 30000);
    QVERIFY2(isdefault(banner.getone(), ":/one.jpg") && isdefault(banner.gettwo(), ":/two.jpg"),
             "without a server the defaults did not stay");
}

// Every picture that arrives is decoded while the event loop runs, before
// any is asked for: once none waits, the files are no longer needed.
void tst_Ad::decodedaway()
{
    serveall("10\nhttp://one.example/\n");
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm", "c1.htm", "c2.htm", "c3.htm", "c4.htm",
                             "c5.htm", "c6.htm", "c7.htm", "c8.htm", "c9.htm"}));
    const auto *decoding = banner.findChild<QTimer *>("decoding", Qt::FindDirectChildrenOnly);
    QVERIFY2(decoding, "the banner has no timer that decodes the pictures");
    QTRY_VERIFY2_WITH_TIMEOUT(!decoding->isActive(), "pictures still wait to be decoded", 15000);
    for (const QString &name : fetchable())
        QVERIFY2(name == "info.txt" || QFile::remove(dir->filePath(name)), qPrintable(name + " could not be removed"));
    QVERIFY2(banner.getone()->width() == onewidth && banner.gettwo()->width() == twowidth,
             "picture one or two was not decoded before it was asked for");
    banner.getnext();
    QSet<int> seen;
    for (int i = 0; i < 10; ++i)
        seen << banner.getnext()->width();
    QVERIFY2(seen.size() == 10 && !seen.contains(QPixmap(":/one.jpg").width()),
             "a place was not decoded before it was asked for");
}

ad *tst_Ad::arrivedtogether()
{
    // Addresses that are not http are never fetched: the files stay as written.
    auto *banner = new ad(nullptr, "none://", dir->path());
    QHash<QString, int> widths{{"one.jpg", onewidth}, {"two.jpg", twowidth}};
    for (int k = 0; k < 10; ++k)
        widths.insert(QString("c%1.jpg").arg(k), placewidth + k);
    for (const QString &name : fetchable()) {
        QFile file(dir->filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(name == "info.txt" ? QByteArray("10\nhttp://one.example/\n") : picture(widths.value(name)));
    }
    for (const char *slot : {"setok", "setokone", "setoktwo", "setok0", "setok1", "setok2", "setok3", "setok4",
                             "setok5", "setok6", "setok7", "setok8", "setok9"})
        QMetaObject::invokeMethod(banner, slot);
    return banner;
}

// Pictures that arrive together are decoded one a turn of the event loop,
// so that whatever else waits runs between them.
void tst_Ad::onedecodeaturn()
{
    std::unique_ptr<ad> banner(arrivedtogether());
    const auto *decoding = banner->findChild<QTimer *>("decoding", Qt::FindDirectChildrenOnly);
    QVERIFY2(decoding && decoding->isActive(), "the pictures that arrived do not wait to be decoded");
    int turns = 0;
    QTimer other;
    connect(&other, &QTimer::timeout, [&turns] { ++turns; });
    other.start(0);
    QVERIFY2(QTest::qWaitFor([&] { return !decoding->isActive(); }, 15000), "the pictures were not all decoded");
    QVERIFY2(turns >= 11, qPrintable(QString("twelve pictures were decoded in %1 turns of the event loop").arg(turns)));
    QVERIFY2(banner->getone()->width() == onewidth && banner->gettwo()->width() == twowidth,
             "picture one or two was not decoded");
}

// A picture asked for before its turn is decoded at once.
void tst_Ad::askedbeforeturn()
{
    std::unique_ptr<ad> banner(arrivedtogether());
    QVERIFY2(banner->getone()->width() == onewidth, "picture one was not decoded when it was asked for");
    QVERIFY2(banner->gettwo()->width() == twowidth, "picture two was not decoded when it was asked for");
    banner->getnext();
    const int width = banner->getnext()->width();
    QVERIFY2(width >= placewidth && width < placewidth + 10, "a place was not decoded when it was asked for");
}

// A banner closed before the pictures that arrived are decoded ends with
// them, and leaves its folder free.
void tst_Ad::closedwithpictureswaiting()
{
    std::unique_ptr<ad> banner(arrivedtogether());
    banner.reset();
    QTest::qWait(0);
    QVERIFY2(QDir(dir->path()).removeRecursively(), "the banner's folder could not be removed after it closed");
}

void tst_Ad::shownsize_data()
{
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<QSize>("handed");
    QTest::newRow("larger both ways") << testpictures::encoded(1000, 300, Qt::darkGreen, "JPG") << QSize(712, 150);
    QTest::newRow("wider only") << testpictures::encoded(1000, 100, Qt::darkGreen, "JPG") << QSize(712, 100);
    QTest::newRow("smaller") << testpictures::encoded(100, 50, Qt::darkGreen, "JPG") << QSize(100, 50);
    QTest::newRow("progressive camera photo") << testpictures::progressivejpeg(4000, 3000, Qt::darkGreen)
                                              << QSize(712, 150);
}

// Pictures are decoded no larger than the frame they are shown on, stretched.
void tst_Ad::shownsize()
{
    QFETCH(QByteArray, served);
    QFETCH(QSize, handed);
    serveall("1\nhttp://one.example/\n");
    server->setbody("/show/ad/one.htm", served);
    ad banner(nullptr, server->url(), dir->path());
    banner.setshown(QSize(712, 150));
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
    const QSize size = banner.getone()->size();
    QVERIFY2(size == handed, qPrintable(QString("picture one was handed out at %1x%2").arg(size.width()).arg(size.height())));
}

// A window that owns a banner shows before the network starts.
void tst_Ad::startsfromeventloop()
{
    serveall("1\nhttp://one.example/\nhttp://a.example/\n");
    ad banner(nullptr, server->url(), dir->path());
    QVERIFY2(!downloading(banner), "the banner started a download before the event loop ran");
    QVERIFY(waitfor(banner, {"info.txt", "one.htm", "two.htm", "c0.htm"}));
}

QTEST_MAIN(tst_Ad)
#include "tst_ad.moc"
