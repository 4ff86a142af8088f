#ifndef IHTTPDOWNLOAD_H
#define IHTTPDOWNLOAD_H

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

class QFile;
class QNetworkReply;

// Fetches one http or https URL into a local file and emits finished() when
// a 2xx answer has arrived whole and the file is closed. Redirects are not
// followed; a larger body than the byte cap, a time-out or any error end
// the download silently, leaving what arrived in the file.
class iHttpDownload : public QObject
{
    Q_OBJECT

public:
    explicit iHttpDownload(QObject *parent = nullptr);
    ~iHttpDownload() override;

    void setlimits(qint64 maxbytes, int timeoutms);
    // Replaces the file at localpath; a download still running is dropped.
    void download(const QString &url, const QString &localpath);

signals:
    void finished();

private slots:
    void httpReadyRead();
    void httpFinished(QNetworkReply *ended);

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
    int timeoutms = 30000;
    qint64 received = 0;
    bool failed = false;
};

#endif
