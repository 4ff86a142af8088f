#include "testserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

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

void TestServer::settrickle(int intervalms)
{
    tricklems = intervalms;
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
    const QByteArray raw = replies.value(path, answer("404 Not Found", "not here"));
    if (tricklems > 0) {
        const int body = raw.indexOf("\r\n\r\n") + 4;
        socket->write(raw.left(body));
        trickle(socket, raw.mid(body));
        return;
    }
    socket->write(raw);
    socket->disconnectFromHost();
}

void TestServer::trickle(QTcpSocket *socket, const QByteArray &rest)
{
    if (rest.isEmpty() || socket->state() != QAbstractSocket::ConnectedState) {
        socket->disconnectFromHost();
        return;
    }
    socket->write(rest.left(1));
    QPointer<QTcpSocket> alive(socket);
    QTimer::singleShot(tricklems, this, [this, alive, rest] {
        if (alive)
            trickle(alive, rest.mid(1));
    });
}
