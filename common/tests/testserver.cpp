#include "testserver.h"

#include <QTcpSocket>

TestServer::TestServer()
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString TestServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

void TestServer::setbody(const QString &path, const QByteArray &body)
{
    setraw(path, answer("200 OK", body));
}

void TestServer::setraw(const QString &path, const QByteArray &raw)
{
    replies.insert(path, raw);
}

void TestServer::setsilent(bool value)
{
    silent = value;
}

QStringList TestServer::requests() const
{
    return requested;
}

QByteArray TestServer::answer(const QByteArray &status, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n\r\n" + body;
}

void TestServer::serve(QTcpSocket *socket)
{
    if (socket->property("served").toBool() || !socket->canReadLine())
        return;
    const QList<QByteArray> line = socket->readLine().trimmed().split(' ');
    const QString path = line.size() >= 2 ? QString::fromLatin1(line.at(1)) : QString();
    socket->setProperty("served", true);
    requested.append(path);
    if (silent)
        return;
    socket->write(replies.value(path, answer("404 Not Found", "not here")));
    socket->disconnectFromHost();
}
