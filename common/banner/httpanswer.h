#ifndef HTTPANSWER_H
#define HTTPANSWER_H

#include <QByteArray>
#include <QLatin1String>

// Reads an HTTP/1.0 or HTTP/1.1 answer as its bytes arrive: the status line
// and the header fields, a folded line joined to the field it continues, up
// to the blank line, all within headercap bytes; then the body as sent,
// ended by its length or by the close of the connection. Each byte is looked
// at once, and however the bytes are split the verdict is the same. An answer
// it cannot read (no status line, a head over the cap, a coded transfer, a
// bad length) fails for good.
class HttpAnswer
{
public:
    // Real heads take a few hundred bytes; more than this is no answer.
    static constexpr int headercap = 64 * 1024;

    // Takes the next bytes of the connection and returns those of the body.
    QByteArray take(const QByteArray &bytes);

    bool failed() const;
    // The status line and the whole header have arrived.
    bool headed() const;
    // A 2xx answer with a body, however short. 204 has none.
    bool success() const;
    // The body's length: the one the header announces, 0 for the answers
    // that carry no body (1xx, 204, 304); -1 when the body runs to the close.
    qint64 length() const;
    // The body bytes taken so far.
    qint64 received() const;
    // Nothing more belongs to the body.
    bool bodyended() const;

private:
    // Reads what bytes hold of the head from their start; returns how many
    // of them belong to it.
    int readhead(const QByteArray &bytes);
    // Reads the line that has just arrived whole at the end of held.
    void readline();
    bool readstatus(QLatin1String line);
    bool readfield(QLatin1String field);
    QByteArray bodyof(const QByteArray &bytes, int from);

    // The head's bytes not read yet: the last field, which a folded line may
    // still continue, then the line arriving.
    QByteArray held;
    // Where the line arriving starts in held.
    int linestart = 0;
    qint64 headbytes = 0;
    int status = 0;
    qint64 announced = -1;
    qint64 bodybytes = 0;
    bool gotheader = false;
    bool broken = false;
};

#endif
