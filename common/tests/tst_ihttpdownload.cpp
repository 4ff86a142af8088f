#include "checkreturn.h"
#include "endlessserver.h"
#include "httpanswer.h"
#include "ihttpdownload.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <ctime>
#include <sys/resource.h>

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

// The most a loopback connection's kernel buffers can hold, sender's and
// receiver's, by the system's limits, plus what the endless server and the
// downloader queue: what a server can send beyond what the client has read.
qint64 connectionbuffers()
{
    qint64 most = 2 << 20;
    for (const char *name : {"/proc/sys/net/ipv4/tcp_rmem", "/proc/sys/net/ipv4/tcp_wmem"}) {
        QFile limits(name);
        const QList<QByteArray> values
            = limits.open(QIODevice::ReadOnly) ? limits.readAll().simplified().split(' ') : QList<QByteArray>();
        most += values.value(2, "33554432").toLongLong();
    }
    return most;
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

// An answer whose head, blank line included, takes exactly headbytes, with
// the line end given; its body is "abc".
QByteArray answerwithhead(int headbytes, const QByteArray &lineend)
{
    const QByteArray start = "HTTP/1.1 200 OK" + lineend + "Content-Length: 3" + lineend + "X-Filler: ";
    const int filler = headbytes - start.size() - 2 * lineend.size();
    return start + QByteArray(filler, 'x') + lineend + lineend + "abc";
}

// What the reader makes of raw, taken in pieces that begin at cuts.
QString reading(const QByteArray &raw, const QList<int> &cuts)
{
    HttpAnswer answer;
    QByteArray body;
    int from = 0;
    for (const int cut : cuts + QList<int>{raw.size()}) {
        body += answer.take(raw.mid(from, cut - from));
        from = cut;
    }
    if (answer.failed())
        return "refused";
    if (!answer.headed())
        return "no head";
    return QString("%1 length %2 body '%3'%4")
        .arg(answer.success() ? "success" : "no success")
        .arg(answer.length())
        .arg(QString::fromLatin1(body))
        .arg(answer.bodyended() ? " ended" : "");
}

QString cutsnamed(const QList<int> &cuts)
{
    QStringList names;
    for (const int cut : cuts)
        names.append(QString::number(cut));
    return names.isEmpty() ? "whole" : "cut at " + names.join(' ');
}

// CPU time the calling thread has used, in ms.
double threadcpums()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
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
    void answer_data();
    void answer();
    void headcost();
    void writefailure();

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
    QTest::newRow("length folded into another field")
        << QByteArray("HTTP/1.1 200 OK\r\nX-Note: a\r\n Content-Length: 2\r\n\r\nabc") << QByteArray("abc");
    QTest::newRow("folded length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length:\r\n\t3\r\n\r\nabcd")
                                   << QByteArray("abc");
    QTest::newRow("no reason phrase") << QByteArray("HTTP/1.1 200\r\nContent-Length: 3\r\n\r\nabc")
                                      << QByteArray("abc");
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
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << QByteArray();
    QTest::newRow("204 and bytes after it") << QByteArray("HTTP/1.1 204 No Content\r\n\r\nabc") << QByteArray();
    QTest::newRow("304") << QByteArray("HTTP/1.1 304 Not Modified\r\nContent-Length: 3\r\n\r\nabc") << QByteArray();
    QTest::newRow("HTTP/1.9") << QByteArray("HTTP/1.9 200 OK\r\n\r\nabc") << QByteArray();
    QTest::newRow("HTTP/1.10") << QByteArray("HTTP/1.10 200 OK\r\n\r\nabc") << QByteArray();
    QTest::newRow("fold before any field")
        << QByteArray("HTTP/1.1 200 OK\r\n Content-Length: 3\r\n\r\nabc") << QByteArray();
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
    QVERIFY2(!left.startsWith("previous"), "the old file was not removed");
    QVERIFY2(left == kept, qPrintable("the file holds other bytes than the body that arrived before the refusal: "
                                      + left.left(40)));
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

// However fast the bytes come, the download is given up while they arrive:
// no more than the cap is written, the connection is closed before the
// server could send much more than the cap, and memory does not grow.
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
    const qint64 soon = picturecap + connectionbuffers();
    QTRY_VERIFY2_WITH_TIMEOUT(endless.closed() == 1 || endless.sent() > soon,
                              "the endless answer neither ended nor went on", picturedeadline + 10000);
    QVERIFY2(endless.closed() == 1, qPrintable(QString("the connection was still open after %1 MiB; ")
                                                   .arg(endless.sent() >> 20) + memorygrowth(before)));
    QVERIFY2(endless.sent() <= soon,
             qPrintable(QString("the connection was closed only after %1 MiB").arg(endless.sent() >> 20)));
    QVERIFY2(QFileInfo(target()).size() <= picturecap,
             qPrintable(QString("%1 bytes were written, over the cap").arg(QFileInfo(target()).size())));
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

void tst_iHttpDownload::answer_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("with length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcd")
                                 << "success length 3 body 'abc' ended";
    QTest::newRow("to the close") << QByteArray("HTTP/1.0 200 OK\r\n\r\nabc") << "success length -1 body 'abc'";
    QTest::newRow("mixed line ends") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\n\r\nabc")
                                     << "success length 3 body 'abc' ended";
    QTest::newRow("length folded into another field")
        << QByteArray("HTTP/1.1 200 OK\r\nX-Note: a\r\n Content-Length: 2\r\n\r\nabc")
        << "success length -1 body 'abc'";
    QTest::newRow("folded length") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length:\r\n\t 3\r\n\r\nabcd")
                                   << "success length 3 body 'abc' ended";
    QTest::newRow("fold before any field") << QByteArray("HTTP/1.1 200 OK\r\n\tX: y\r\n\r\nabc") << "refused";
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content\r\n\r\nabc") << "no success length 0 body '' ended";
    QTest::newRow("304") << QByteArray("HTTP/1.1 304 Not Modified\r\nContent-Length: 5\r\n\r\nabc")
                         << "no success length 0 body '' ended";
    QTest::newRow("HTTP/1.9") << QByteArray("HTTP/1.9 200 OK\r\n\r\nabc") << "refused";
    QTest::newRow("HTTP/1.10") << QByteArray("HTTP/1.10 200 OK\r\n\r\nabc") << "refused";
    QTest::newRow("four-digit status") << QByteArray("HTTP/1.1 2000 OK\r\n\r\nabc") << "refused";
    QTest::newRow("no reason phrase") << QByteArray("HTTP/1.1 200\r\n\r\nabc") << "success length -1 body 'abc'";
    const int cap = HttpAnswer::headercap;
    for (const int headbytes : {cap - 1, cap, cap + 1, cap + 2, cap + 3}) {
        const QString verdict = headbytes <= cap ? "success length 3 body 'abc' ended" : "refused";
        QTest::addRow("head of cap%+d, CR LF", headbytes - cap) << answerwithhead(headbytes, "\r\n") << verdict;
        QTest::addRow("head of cap%+d, LF", headbytes - cap) << answerwithhead(headbytes, "\n") << verdict;
    }
}

// The verdict does not depend on how the bytes are split: each answer is
// read whole, cut in two at every place (long ones near their end), and
// short ones also byte by byte.
void tst_iHttpDownload::answer()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, verdict);
    QList<QList<int>> ways{{}};
    for (int cut = qMax(1, raw.size() < 200 ? 1 : raw.size() - 16); cut < raw.size(); ++cut)
        ways.append({cut});
    if (raw.size() < 200) {
        QList<int> bytes;
        for (int cut = 1; cut < raw.size(); ++cut)
            bytes.append(cut);
        ways.append(bytes);
    }
    for (const QList<int> &cuts : ways) {
        const QString read = reading(raw, cuts);
        QVERIFY2(read == verdict, qPrintable(cutsnamed(cuts.mid(0, 3)) + ": " + read + ", not " + verdict));
    }
}

// Each byte of a head is looked at once: a head as long as the cap taken
// byte by byte costs about what the same bytes cost as a body.
void tst_iHttpDownload::headcost()
{
    const QByteArray line = "X-Filler: " + QByteArray(HttpAnswer::headercap, 'x');
    const auto cost = [&line](const QByteArray &start, bool *refused) {
        HttpAnswer answer;
        answer.take(start);
        const double begun = threadcpums();
        for (int k = 0; k < line.size() && !answer.failed(); ++k)
            answer.take(line.mid(k, 1));
        *refused = answer.failed();
        return threadcpums() - begun;
    };
    bool bodyrefused = true;
    bool headrefused = false;
    const double bodyms = cost("HTTP/1.1 200 OK\r\n\r\n", &bodyrefused);
    const double headms = cost("HTTP/1.1 200 OK\r\n", &headrefused);
    QVERIFY2(!bodyrefused && headrefused, "the body was refused or the head over the cap was not");
    QVERIFY2(headms < 4 * bodyms + 50,
             qPrintable(QString("a head cost %1 ms of CPU, its bytes as a body %2 ms").arg(headms).arg(bodyms)));
}

// A piece that cannot be written ends the download, and no partial file is left.
void tst_iHttpDownload::writefailure()
{
    server->setbody("/x", QByteArray(3000, 'x'));
    rlimit old{};
    QVERIFY2(getrlimit(RLIMIT_FSIZE, &old) == 0, "the file size limit could not be read");
    const auto signalbefore = std::signal(SIGXFSZ, SIG_IGN);
    const auto restore = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, signalbefore);
    });
    const rlimit small{1000, old.rlim_max};
    QVERIFY2(setrlimit(RLIMIT_FSIZE, &small) == 0, "the file size limit could not be set");
    iHttpDownload downloader;
    downloader.setlimits(picturecap, picturedeadline);
    QSignalSpy finished(&downloader, &iHttpDownload::finished);
    downloader.download(server->url() + "/x", target());
    QVERIFY2(ended(downloader), "a file that could not be written did not end the download");
    QVERIFY2(finished.isEmpty(), "a file that could not be written whole was reported as finished");
    QVERIFY2(!QFile::exists(target()),
             qPrintable(QString("a partial file of %1 bytes was left").arg(QFileInfo(target()).size())));
}

QTEST_MAIN(tst_iHttpDownload)
#include "tst_ihttpdownload.moc"
