#ifndef ENDLESSSERVER_H
#define ENDLESSSERVER_H

#include <QByteArray>
#include <QSemaphore>
#include <QString>
#include <QThread>

#include <atomic>

// An HTTP server on 127.0.0.1 that answers every request with a head and
// then the same unit of bytes for as long as the client reads. It runs in a
// thread of its own, so that it keeps sending while the test's thread is busy.
class EndlessServer : public QThread
{
    Q_OBJECT

public:
    EndlessServer(const QByteArray &head, const QByteArray &unit);
    ~EndlessServer() override;

    QString url() const;
    // Bytes written to all clients so far.
    qint64 sent() const;
    // Connections the client has closed so far.
    int closed() const;

protected:
    void run() override;

private:
    const QByteArray head;
    const QByteArray unit;
    QSemaphore listening;
    std::atomic<int> port{0};
    std::atomic<qint64> written{0};
    std::atomic<int> ended{0};
};

#endif
