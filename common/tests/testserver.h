#ifndef TESTSERVER_H
#define TESTSERVER_H

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the tests: answers each GET with the
// raw bytes set for its path (404 for others) and closes the connection.
class TestServer : public QTcpServer
{
    Q_OBJECT

public:
    TestServer();

    QString url() const;
    // A 200 answer with this body.
    void setbody(const QString &path, const QByteArray &body);
    // The exact bytes sent for this path.
    void setraw(const QString &path, const QByteArray &raw);
    // Accept connections but never answer.
    void setsilent(bool silent);
    // Send the body of each answer one byte every intervalms (0: all at once).
    void settrickle(int intervalms);
    QStringList requests() const;

    static QByteArray answer(const QByteArray &status, const QByteArray &body);

private:
    void serve(QTcpSocket *socket);
    void trickle(QTcpSocket *socket, const QByteArray &rest);

    QHash<QString, QByteArray> replies;
    QStringList requested;
    bool silent = false;
    int tricklems = 0;
};

#endif
