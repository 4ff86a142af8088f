#include "httpanswer.h"

#include <QList>

namespace {
// The blank line that ends a header, with either line ending.
int headend(const QByteArray &head, int *endlength)
{
    const int crlf = head.indexOf("\r\n\r\n");
    const int lf = head.indexOf("\n\n");
    if (crlf >= 0 && (lf < 0 || crlf < lf)) {
        *endlength = 4;
        return crlf;
    }
    *endlength = 2;
    return lf;
}

bool alldigits(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}
} // namespace

HttpAnswer::HttpAnswer(qint64 bytes)
    : headerbytes(bytes)
{
}

QByteArray HttpAnswer::take(const QByteArray &bytes)
{
    if (broken)
        return QByteArray();
    if (gotheader)
        return bodyof(bytes);
    head += bytes;
    int endlength = 0;
    const int end = headend(head, &endlength);
    if (end < 0) {
        broken = head.size() > headerbytes;
        return QByteArray();
    }
    const QByteArray rest = head.mid(end + endlength);
    head.truncate(end);
    readhead();
    head.clear();
    return gotheader ? bodyof(rest) : QByteArray();
}

void HttpAnswer::readhead()
{
    broken = head.size() > headerbytes;
    const QList<QByteArray> lines = head.split('\n');
    if (broken || !readstatus(lines.first().trimmed()))
        return;
    for (int k = 1; k < lines.size() && !broken; ++k)
        broken = !readfield(lines.at(k).trimmed());
    gotheader = !broken;
}

bool HttpAnswer::readstatus(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split(' ');
    broken = parts.size() < 2 || !parts.first().startsWith("HTTP/1.") || parts.at(1).size() != 3
        || !alldigits(parts.at(1));
    if (!broken)
        status = parts.at(1).toInt();
    return !broken;
}

bool HttpAnswer::readfield(const QByteArray &line)
{
    const int colon = line.indexOf(':');
    if (colon <= 0)
        return false;
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "transfer-encoding")
        return value.toLower() == "identity";
    if (name != "content-length")
        return true;
    if (!alldigits(value) || (announced >= 0 && announced != value.toLongLong()))
        return false;
    announced = value.toLongLong();
    return true;
}

QByteArray HttpAnswer::bodyof(const QByteArray &bytes)
{
    const qint64 room = announced < 0 ? bytes.size() : qMin<qint64>(bytes.size(), announced - bodybytes);
    const QByteArray body = bytes.left(int(room));
    bodybytes += body.size();
    return body;
}

bool HttpAnswer::failed() const
{
    return broken;
}

bool HttpAnswer::headed() const
{
    return gotheader;
}

bool HttpAnswer::success() const
{
    return status >= 200 && status <= 299;
}

qint64 HttpAnswer::length() const
{
    return announced;
}

qint64 HttpAnswer::received() const
{
    return bodybytes;
}

bool HttpAnswer::bodyended() const
{
    return announced >= 0 && bodybytes == announced;
}
