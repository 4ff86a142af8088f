#include "ihttpdownload.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>

iHttpDownload::iHttpDownload(QObject *parent)
    : QObject(parent)
{
    connect(&manager, &QNetworkAccessManager::finished, this, &iHttpDownload::httpFinished);
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &iHttpDownload::expired);
}

iHttpDownload::~iHttpDownload()
{
    drop();
}

void iHttpDownload::setlimits(qint64 bytes, int deadlinemilliseconds)
{
    maxbytes = bytes;
    deadlinems = deadlinemilliseconds;
}

void iHttpDownload::download(const QString &address, const QString &localpath)
{
    drop();
    url = QUrl(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    if (QFile::exists(localpath))
        QFile::remove(localpath);
    file = new QFile(localpath);
    if (!file->open(QIODevice::WriteOnly)) {
        closefile();
        return;
    }
    startRequest(url);
}

void iHttpDownload::startRequest(const QUrl &target)
{
    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // The body as sent, so that its length can be checked against the header.
    request.setRawHeader("Accept-Encoding", "identity");
    received = 0;
    failed = false;
    reply = manager.get(request);
    connect(reply, &QIODevice::readyRead, this, &iHttpDownload::httpReadyRead);
    // From the start, however slowly the bytes keep coming.
    deadline.start(deadlinems);
}

bool iHttpDownload::answered() const
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status <= 299;
}

bool iHttpDownload::complete() const
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return !length.isValid() || length.toLongLong() == received;
}

void iHttpDownload::httpReadyRead()
{
    if (!file || failed)
        return;
    const QByteArray bytes = reply->readAll();
    received += bytes.size();
    if (received > maxbytes) {
        failed = true;
        reply->abort();
    } else if (answered()) {
        file->write(bytes);
    }
}

void iHttpDownload::httpFinished(QNetworkReply *ended)
{
    ended->deleteLater();
    if (ended != reply)
        return;
    if (reply->isOpen())
        httpReadyRead();
    const bool whole = !failed && file && reply->error() == QNetworkReply::NoError && answered() && complete();
    reply = nullptr;
    deadline.stop();
    closefile();
    if (whole)
        emit finished();
}

void iHttpDownload::expired()
{
    if (!reply)
        return;
    failed = true;
    reply->abort();
}

void iHttpDownload::drop()
{
    deadline.stop();
    if (reply) {
        QNetworkReply *old = reply;
        reply = nullptr;
        old->abort();
        delete old;
    }
    closefile();
}

void iHttpDownload::closefile()
{
    if (!file)
        return;
    file->flush();
    file->close();
    delete file;
    file = nullptr;
}
