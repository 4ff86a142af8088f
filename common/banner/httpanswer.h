#ifndef HTTPANSWER_H
#define HTTPANSWER_H

#include <QByteArray>

// Reads an HTTP/1.x answer as its bytes arrive: the status line and header,
// within a byte ceiling, then the body as sent, ended by its length or by the
// close of the connection. An answer it cannot read (no status line, a
// header over the ceiling, a coded transfer, a bad length) fails for good.
class HttpAnswer
{
public:
    explicit HttpAnswer(qint64 headerbytes);

    // Takes the next bytes of the connection and returns those of the body.
    QByteArray take(const QByteArray &bytes);

    bool failed() const;
    // The status line and the whole header have arrived.
    bool headed() const;
    bool success() const;
    // The length the header announces; -1 when the body runs to the close.
    qint64 length() const;
    // The body bytes taken so far.
    qint64 received() const;
    // Nothing more belongs to the body.
    bool bodyended() const;

private:
    // Reads the lines of the head collected so far.
    void readhead();
    bool readstatus(const QByteArray &line);
    bool readfield(const QByteArray &line);
    QByteArray bodyof(const QByteArray &bytes);

    qint64 headerbytes;
    QByteArray head;
    int status = 0;
    qint64 announced = -1;
    qint64 bodybytes = 0;
    bool gotheader = false;
    bool broken = false;
};

#endif
