#include "ihttpdownload.h"

#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>

iHttpDownload::iHttpDownload(QObject *parent)
    : QObject(parent)
{
    connect(&manager, &QNetworkAccessManager::finished, this, &iHttpDownload::httpFinished);
}

iHttpDownload::~iHttpDownload()
{
    drop();
}

void iHttpDownload::setlimits(qint64 bytes, int timeout)
{
    maxbytes = bytes;
    timeoutms = timeout;
}

void iHttpDownload::download(const QString &address, const QString &localpath)
{
    drop();
    url = QUrl(address);
    if (QFile::exists(localpath))
        QFile::remove(localpath);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
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
    request.setTransferTimeout(timeoutms);
    // The body as sent, so that its length can be checked against the header.
    request.setRawHeader("Accept-Encoding", "identity");
    received = 0;
    failed = false;
    reply = manager.get(request);
    connect(reply, &QIODevice::readyRead, this, &iHttpDownload::httpReadyRead);
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
    closefile();
    if (whole)
        emit finished();
}

void iHttpDownload::drop()
{
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
