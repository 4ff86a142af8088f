#include "checkreturn.h"
#include "endlessserver.h"
#include "ihttpdownload.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {
QSet<QString> asset(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}

// The banner's limits for a picture.
const qint64 picturecap = 4 * 1024 * 1024;
const int picturedeadline = 30000;

// A figure of this process's memory from /proc/self/status, in KiB (-1 when unknown).
qint64 memorykib(const QByteArray &field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak (VmHWM) afresh at the memory now resident.
bool resetpeak()
{
    QFile refs("/proc/self/clear_refs");
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

QString memorygrowth(qint64 beforekib)
{
    const qint64 peak = memorykib("VmHWM");
    return QString("peak memory %1 MiB, grown by %2 MiB").arg(peak >> 10).arg((peak - beforekib) >> 10);
}

QByteArray endlessheader()
{
    return "HTTP/1.1 200 OK\r\n";
}

QByteArray headerlines()
{
    return QByteArray("X-Filler: " + QByteArray(1000, 'x') + "\r\n").repeated(64);
}

// Waits for the download to end, successful or not.
bool ended(const iHttpDownload &downloader)
{
    return QTest::qWaitFor([&] { return !downloader.running(); }, 10000);
}

QByteArray content(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class tst_iHttpDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void success_data();
    void success();
    void rawsuccess_data();
    void rawsuccess();
    void refused_data();
    void refused();
    void nothingsent_data();
    void nothingsent();
    void secondrequest();
    void replacedrequest();
    void timeout();
    void deadline();
    void refusedserver();
    void plainserverforhttps();
    void endless_data();
    void endless();
    void closedduringheader();

private:
    QString target() const;
    bool dropswithin(int ms, const char *message);

    QTemporaryDir *dir = nullptr;
    TestServer *server = nullptr;
};

void tst_iHttpDownload::init()
{
    dir = new QTemporaryDir;
    server = new TestServer;
    QVERIFY2(server->isListening(), "the test server is not listening on 127.0.0.1");
    QFile old(target());
    QVERIFY2(old.open(QIODevice::WriteOnly), "the old file could not be written");
    old.write("previous start");
}

void tst_iHttpDownload::cleanup()
{
    delete server;
    delete dir;
}

QString tst_iHttpDownload::target() const
{
    return dir->filePath("info.txt");
}

// The one request arrives, then the downloader drops the connection within ms.
bool tst_iHttpDownload::dropswithin(int ms, const char *message)
{
    QVERIFY_RETURN(QTest::qWaitFor([this] { return server->requests().size() == 1; }, 10000),
                   "the request did not arrive");
    QTcpSocket *accepted = server->findChild<QTcpSocket *>();
    QVERIFY_RETURN(accepted, "the connection is not open");
    QSignalSpy closed(accepted, &QTcpSocket::disconnected);
    QVERIFY_RETURN(closed.wait(ms), message);
    return true;
}

void tst_iHttpDownload::success_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("text") << QByteArray("3\nhttp://a.example/\n");
    QTest::newRow("empty body") << QByteArray();
    QTest::newRow("binary at the cap") << QByteArray(1000, char(0xFF));
}

void tst_iHttpDownload::rawsuccess_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("body to the close") << QByteArray("HTTP/1.0 200 OK\r\n\r\nabc") << QByteArray("abc");
    QTest::newRow("bare line feeds") << QByteArray("HTTP/1.1 200 OK\nContent-Length: 3\n\nabc") << QByteArray("abc");
    QTest::newRow("bytes past the length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabc")
                                           << QByteArray("ab");
}

void tst_iHttpDownload::rawsuccess()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, body);
    server->setraw("/x", raw);
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY2(finished.wait(10000), "a whole 200 answer did not end with finished()");
    QVERIFY2(content(target()) == body, qPrintable("the file holds other bytes than the body: " + content(target())));
}

void tst_iHttpDownload::success()
{
    QFETCH(QByteArray, body);
    server->setbody("/x", body);
    iHttpDownload downloader;
    downloader.setlimits(1000, 30000);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY2(finished.wait(10000), "a 200 answer did not end with finished()");
    QVERIFY2(content(target()) == body, "the file does not hold the body byte for byte");
    QVERIFY2(ended(downloader), "the download still runs after finished()");
    QVERIFY2(finished.count() == 1, qPrintable(QString("finished() came %1 times").arg(finished.count())));
}

void tst_iHttpDownload::refused_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("404") << TestServer::answer("404 Not Found", "gone") << QByteArray();
    QTest::newRow("500") << TestServer::answer("500 Internal Server Error", "oops") << QByteArray();
    QTest::newRow("301") << QByteArray("HTTP/1.1 301 Moved Permanently\r\nLocation: /y\r\n"
                                       "Content-Length: 0\r\nConnection: close\r\n\r\n") << QByteArray();
    QTest::newRow("over the cap") << TestServer::answer("200 OK", QByteArray(5000, 'x')) << QByteArray();
    QTest::newRow("truncated body") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nabc")
                                    << QByteArray("abc");
    QTest::newRow("huge content length")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999\r\n\r\nabc") << QByteArray();
    QTest::newRow("chunked body")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n") << QByteArray();
    QTest::newRow("two lengths")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\nabcd") << QByteArray();
    QTest::newRow("negative length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: -3\r\n\r\nabc") << QByteArray();
    QTest::newRow("garbage status line") << QByteArray("NONSENSE\r\n\r\n") << QByteArray();
    QTest::newRow("no answer at all") << QByteArray() << QByteArray();
}

void tst_iHttpDownload::refused()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, kept);
    server->setraw("/x", raw);
    server->setbody("/y", "redirected");
    iHttpDownload downloader;
    downloader.setlimits(1000, 30000);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY2(ended(downloader), "a refused answer did not end the download");
    QVERIFY2(finished.isEmpty(), "a refused answer was reported as finished");
    QVERIFY2(!server->requests().isEmpty() && asset(server->requests()) == QSet<QString>{"/x"},
             qPrintable("other paths than the one asked for were fetched: " + server->requests().join(' ')));
    const QByteArray left = content(target());
    QVERIFY2(left.startsWith(kept) && left.size() <= 1000,
             qPrintable("the file holds more than what arrived: " + left.left(40)));
    QVERIFY2(!left.startsWith("previous"), "the old file was not removed");
}

void tst_iHttpDownload::nothingsent_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("file link") << "file:///etc/hostname" << "info.txt" << QByteArray("previous start");
    QTest::newRow("ftp link") << "ftp://127.0.0.1/x" << "info.txt" << QByteArray("previous start");
    QTest::newRow("no scheme") << "127.0.0.1/x" << "info.txt" << QByteArray("previous start");
    QTest::newRow("unwritable path") << "<server>/x" << "missing/info.txt" << QByteArray("<missing>");
}

// A refused address leaves what was at the path.
void tst_iHttpDownload::nothingsent()
{
    QFETCH(QString, url);
    QFETCH(QString, path);
    QFETCH(QByteArray, left);
    server->setbody("/x", "body");
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(url.replace("<server>", server->url()), dir->filePath(path));
    QVERIFY2(!downloader.running(), "a download was started for a refused address");
    QVERIFY2(finished.isEmpty(), "a refused address was reported as finished");
    QVERIFY2(server->requests().isEmpty(), "a request was sent for a refused address");
    QVERIFY2(content(dir->filePath(path)) == left,
             qPrintable("the path holds something else than before: " + content(dir->filePath(path))));
}

void tst_iHttpDownload::secondrequest()
{
    server->setbody("/a", "first");
    server->setbody("/b", "second");
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/a", dir->filePath("a.txt"));
    QVERIFY2(finished.wait(10000), "the first download did not end");
    downloader.download(server->url() + "/b", dir->filePath("b.txt"));
    QVERIFY2(finished.wait(10000), "the second download did not end");
    QVERIFY2(ended(downloader), "the second download still runs after finished()");
    QVERIFY2(finished.count() == 2, qPrintable(QString("two downloads gave %1 finished()").arg(finished.count())));
    QVERIFY2(content(dir->filePath("a.txt")) == "first" && content(dir->filePath("b.txt")) == "second",
             "a file does not hold its body");
}

void tst_iHttpDownload::replacedrequest()
{
    server->setsilent(true);
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/a", dir->filePath("a.txt"));
    QTRY_VERIFY2_WITH_TIMEOUT(server->requests().size() == 1, "the first request did not arrive", 10000);
    server->setsilent(false);
    server->setbody("/b", "second");
    downloader.download(server->url() + "/b", dir->filePath("b.txt"));
    QVERIFY2(finished.wait(10000), "the replacing download did not end");
    QVERIFY2(ended(downloader), "the replacing download still runs after finished()");
    QVERIFY2(finished.count() == 1, "the dropped download reported a finish");
    QVERIFY2(content(dir->filePath("b.txt")) == "second", "the second file does not hold its body");
}

void tst_iHttpDownload::timeout()
{
    server->setsilent(true);
    iHttpDownload downloader;
    downloader.setlimits(1000, 300);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY(dropswithin(20000, "the downloader did not give up on a silent server"));
    QVERIFY2(finished.isEmpty(), "a timed-out download was reported as finished");
}

// A server that keeps sending one byte at a time is cut off at the deadline
// counted from the start, though no pause is longer than the deadline.
void tst_iHttpDownload::deadline()
{
    server->settrickle(100);
    server->setbody("/x", QByteArray(100, 'x'));
    iHttpDownload downloader;
    downloader.setlimits(1000, 500);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY(dropswithin(8000, "the downloader did not give up long before the 10 s the answer takes"));
    QVERIFY2(finished.isEmpty(), "a download past its deadline was reported as finished");
    QVERIFY2(content(target()).size() < 100, "the whole body arrived though the deadline had passed");
}

void tst_iHttpDownload::refusedserver()
{
    QString url;
    {
        TestServer closed;
        url = closed.url() + "/x";
    }
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(url, target());
    QVERIFY2(ended(downloader), "a refused connection did not end the download");
    QVERIFY2(finished.isEmpty(), "a refused connection was reported as finished");
    QVERIFY2(content(target()).isEmpty(), "no empty file was left");
}

// An https address whose server does not speak TLS ends in failure.
void tst_iHttpDownload::plainserverforhttps()
{
    server->setbody("/x", "body");
    iHttpDownload downloader;
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(QString(server->url()).replace("http:", "https:") + "/x", target());
    QVERIFY2(ended(downloader), "a failed TLS handshake did not end the download");
    QVERIFY2(finished.isEmpty(), "a failed TLS handshake was reported as finished");
    QVERIFY2(content(target()).isEmpty(), "the plain answer was written to the file");
}

void tst_iHttpDownload::endless_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("unit");
    QTest::newRow("endless body") << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n")
                                  << QByteArray(64 * 1024, 'x');
    QTest::newRow("endless header") << endlessheader() << headerlines();
}

// However fast the bytes come, the download is given up while they arrive,
// and memory does not grow with them.
void tst_iHttpDownload::endless()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, unit);
    EndlessServer endless(head, unit);
    QVERIFY2(resetpeak(), "the peak memory figure could not be reset");
    const qint64 before = memorykib("VmRSS");
    iHttpDownload downloader;
    downloader.setlimits(picturecap, picturedeadline);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(endless.url() + "/x", target());
    QTRY_VERIFY2_WITH_TIMEOUT(endless.closed() == 1,
                              qPrintable("the downloader did not close the endless connection; "
                                         + memorygrowth(before)),
                              picturedeadline + 10000);
    QVERIFY2(memorykib("VmHWM") - before < 8 * 1024,
             qPrintable("memory grew with the bytes; " + memorygrowth(before)));
    QVERIFY2(finished.isEmpty(), "an endless answer was reported as a finished download");
    QVERIFY2(!downloader.running(), "the given-up download still runs");
}

// A program closed while a header keeps coming lets go of the connection at once.
void tst_iHttpDownload::closedduringheader()
{
    EndlessServer endless(endlessheader(), headerlines());
    QElapsedTimer clock;
    {
        iHttpDownload downloader;
        downloader.setlimits(picturecap, picturedeadline);
        downloader.download(endless.url() + "/x", target());
        QTRY_VERIFY2_WITH_TIMEOUT(endless.sent() > 0, "the endless header never started", 10000);
        clock.start();
    }
    const qint64 closing = clock.elapsed();
    const QString outlived = "the connection outlived the downloader (closing took %1 ms, %2 MiB sent)";
    QTRY_VERIFY2_WITH_TIMEOUT(endless.closed() == 1, qPrintable(outlived.arg(closing).arg(endless.sent() >> 20)),
                              5000);
}

QTEST_MAIN(tst_iHttpDownload)
#include "tst_ihttpdownload.moc"
