#ifndef IHTTPDOWNLOAD_H
#define IHTTPDOWNLOAD_H

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QFile;
class QNetworkReply;

// Fetches one http or https URL into a local file and emits finished() when
// a 2xx answer has arrived whole and the file is closed. Redirects are not
// followed; a larger body than the byte cap, the deadline or any error end
// the download silently, leaving what arrived in the file.
class iHttpDownload : public QObject
{
    Q_OBJECT

public:
    explicit iHttpDownload(QObject *parent = nullptr);
    ~iHttpDownload() override;

    // deadlinems: the longest a whole download may take from its start.
    void setlimits(qint64 maxbytes, int deadlinems);
    // Replaces the file at localpath; a download still running is dropped.
    // An address that is not http or https is refused and changes nothing.
    void download(const QString &url, const QString &localpath);

signals:
    void finished();

private slots:
    void httpReadyRead();
    void httpFinished(QNetworkReply *ended);
    void expired();

private:
    void startRequest(const QUrl &url);
    bool answered() const;
    // The whole body announced by the server has arrived.
    bool complete() const;
    void drop();
    void closefile();

    QUrl url;
    QNetworkAccessManager manager;
    QNetworkReply *reply = nullptr;
    QFile *file = nullptr;
    qint64 maxbytes = 4 * 1024 * 1024;
    int deadlinems = 30000;
    QTimer deadline;
    qint64 received = 0;
    bool failed = false;
};

#endif
