#ifndef IHTTPDOWNLOAD_H
#define IHTTPDOWNLOAD_H

#include "httpanswer.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

class QFile;
class QSslSocket;

// Fetches one http or https URL into a local file and emits finished() when
// a 2xx answer with a body has arrived whole and the file is closed. The
// answer is read as it arrives, from a socket of the downloader's own:
// redirects are not followed; a header or body over its byte cap, the
// deadline or any error end the download at once and silently, leaving what
// arrived in the file. A piece that cannot be written ends it too, and
// removes the file.
class iHttpDownload : public QObject
{
    Q_OBJECT

public:
    explicit iHttpDownload(QObject *parent = nullptr);
    ~iHttpDownload() override;

    // maxbytes: the largest body; deadlinems: the longest a whole download
    // may take from its start.
    void setlimits(qint64 maxbytes, int deadlinems);
    // Replaces the file at localpath; a download still running is dropped.
    // An address that is not http or https is refused and changes nothing.
    void download(const QString &url, const QString &localpath);
    // A download has started and has not ended yet.
    bool running() const;

signals:
    void finished();

private slots:
    void sendrequest();
    void httpReadyRead();
    void httpFinished();

private:
    void startRequest(const QUrl &url);
    // The answer as far as it has arrived can still be the whole file.
    bool acceptable() const;
    // Ends the download, a success when the whole body has arrived.
    void end();
    // Gives up the download running, if any, without a signal.
    void drop();
    void closefile();

    QUrl url;
    QSslSocket *socket = nullptr;
    std::unique_ptr<HttpAnswer> answer;
    QFile *file = nullptr;
    qint64 maxbytes = 4 * 1024 * 1024;
    int deadlinems = 30000;
    QTimer deadline;
};

#endif
