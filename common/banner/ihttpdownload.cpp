#include "ihttpdownload.h"

#include <QFile>
#include <QSslSocket>

namespace {
// Bytes the socket takes in ahead of the downloader.
const qint64 socketbuffer = 64 * 1024;
} // namespace

iHttpDownload::iHttpDownload(QObject *parent)
    : QObject(parent)
{
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, this, &iHttpDownload::drop);
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
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    if (QFile::exists(localpath))
        QFile::remove(localpath);
    file = new QFile(localpath);
    // Unbuffered: a piece that cannot be written is known at once.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        closefile();
        return;
    }
    startRequest(url);
}

bool iHttpDownload::running() const
{
    return socket != nullptr;
}

void iHttpDownload::startRequest(const QUrl &target)
{
    answer = std::make_unique<HttpAnswer>();
    const bool secure = target.scheme().toLower() == QLatin1String("https");
    socket = new QSslSocket(this);
    socket->setReadBufferSize(socketbuffer);
    if (secure)
        connect(socket, &QSslSocket::encrypted, this, &iHttpDownload::sendrequest);
    else
        connect(socket, &QAbstractSocket::connected, this, &iHttpDownload::sendrequest);
    connect(socket, &QIODevice::readyRead, this, &iHttpDownload::httpReadyRead);
    connect(socket, &QAbstractSocket::disconnected, this, &iHttpDownload::httpFinished);
    connect(socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            drop();
    });
    // From the start, however slowly the bytes keep coming.
    deadline.start(deadlinems);
    if (secure)
        socket->connectToHostEncrypted(target.host(), quint16(target.port(443)));
    else
        socket->connectToHost(target.host(), quint16(target.port(80)));
}

// HTTP/1.0 keeps the body as sent: no chunks, the connection closed after it.
void iHttpDownload::sendrequest()
{
    const QUrl host
        = url.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    QByteArray path = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!path.startsWith('/'))
        path.prepend('/');
    socket->write("GET " + path + " HTTP/1.0\r\nHost: " + host.authority(QUrl::FullyEncoded).toLatin1()
                  + "\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n");
}

bool iHttpDownload::acceptable() const
{
    if (answer->failed())
        return false;
    if (!answer->headed())
        return true;
    return answer->success() && answer->length() <= maxbytes && answer->received() <= maxbytes;
}

void iHttpDownload::httpReadyRead()
{
    while (socket && socket->bytesAvailable() > 0) {
        const QByteArray body = answer->take(socket->read(socketbuffer));
        if (!acceptable()) {
            drop();
            return;
        }
        if (file->write(body) != body.size()) {
            // A file that could not be written whole is no file at all.
            file->remove();
            drop();
            return;
        }
        if (answer->bodyended())
            end();
    }
}

// The server has closed the connection: what it sent before still counts.
void iHttpDownload::httpFinished()
{
    httpReadyRead();
    if (socket)
        end();
}

void iHttpDownload::end()
{
    const bool whole = answer->headed() && (answer->length() < 0 || answer->bodyended());
    drop();
    if (whole)
        emit finished();
}

void iHttpDownload::drop()
{
    deadline.stop();
    if (socket) {
        QSslSocket *old = socket;
        socket = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
    closefile();
}

void iHttpDownload::closefile()
{
    if (!file)
        return;
    file->close();
    delete file;
    file = nullptr;
}
