#include "endlessserver.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Bytes kept queued in each socket: enough to fill the connection, no more.
const qint64 queued = 256 * 1024;
}

EndlessServer::EndlessServer(const QByteArray &headbytes, const QByteArray &unitbytes)
    : head(headbytes)
    , unit(unitbytes)
{
    start();
    listening.acquire();
}

EndlessServer::~EndlessServer()
{
    quit();
    wait();
}

QString EndlessServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port.load());
}

qint64 EndlessServer::sent() const
{
    return written.load();
}

int EndlessServer::closed() const
{
    return ended.load();
}

void EndlessServer::run()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    port = server.serverPort();
    connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            const auto fill = [this, socket] {
                while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < queued)
                    written += socket->write(unit);
            };
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, fill] {
                socket->readAll();
                if (socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                written += socket->write(head);
                fill();
            });
            connect(socket, &QTcpSocket::bytesWritten, socket, fill);
            connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                ++ended;
                socket->deleteLater();
            });
        }
    });
    listening.release();
    exec();
}
