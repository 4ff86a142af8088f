#include "httpanswer.h"

#include <cstring>

namespace {
// A decimal number of 1 to 18 digits; -1 for anything else.
qint64 number(QLatin1String text)
{
    if (text.isEmpty() || text.size() > 18)
        return -1;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool blank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

QByteArray HttpAnswer::take(const QByteArray &bytes)
{
    if (broken)
        return QByteArray();
    const int from = gotheader ? 0 : readhead(bytes);
    return gotheader ? bodyof(bytes, from) : QByteArray();
}

int HttpAnswer::readhead(const QByteArray &bytes)
{
    // The head's bytes are held in a buffer of the cap, never more.
    held.reserve(headercap);
    // Only the bytes that can still end the head within the cap are read.
    const int room = int(qMin<qint64>(bytes.size(), headercap - headbytes));
    int from = 0;
    while (from < room && !broken && !gotheader) {
        const char *start = bytes.constData() + from;
        const void *lf = std::memchr(start, '\n', size_t(room - from));
        const int count = lf ? int(static_cast<const char *>(lf) - start) + 1 : room - from;
        held.append(start, count);
        from += count;
        if (lf)
            readline();
    }
    headbytes += from;
    if (!gotheader && headbytes >= headercap)
        broken = true;
    if (broken || gotheader)
        held.clear();
    return from;
}

void HttpAnswer::readline()
{
    held.chop(1);
    if (held.size() > linestart && held.endsWith('\r'))
        held.chop(1);
    const QLatin1String line(held.constData() + linestart, held.size() - linestart);
    if (status == 0) {
        broken = !readstatus(line);
        held.truncate(0);
        return;
    }
    if (!line.isEmpty() && blank(line.data()[0])) {
        // A folded line continues the field before it, joined by one space.
        broken = linestart == 0;
        if (broken)
            return;
        int spaces = 0;
        while (spaces < line.size() && blank(line.data()[spaces]))
            ++spaces;
        held[linestart] = ' ';
        held.remove(linestart + 1, spaces - 1);
        linestart = held.size();
        return;
    }
    // A new line ends the field before it; the blank line ends the head.
    const bool blankline = line.isEmpty();
    broken = linestart > 0 && !readfield(QLatin1String(held.constData(), linestart));
    held.remove(0, linestart);
    linestart = held.size();
    gotheader = blankline && !broken;
    if (gotheader && (status / 100 == 1 || status == 204 || status == 304))
        announced = 0;
}

bool HttpAnswer::readstatus(QLatin1String line)
{
    // "HTTP/1.1 200 OK": the version, three digits, then the reason, if any,
    // after a space.
    const QLatin1String version = line.left(9);
    if ((version != QLatin1String("HTTP/1.0 ") && version != QLatin1String("HTTP/1.1 ")) || line.size() < 12
        || (line.size() > 12 && line.data()[12] != ' '))
        return false;
    const qint64 code = number(line.mid(9, 3));
    status = code >= 100 ? int(code) : 0;
    return status != 0;
}

bool HttpAnswer::readfield(QLatin1String field)
{
    const void *found = std::memchr(field.data(), ':', size_t(field.size()));
    const int colon = found ? int(static_cast<const char *>(found) - field.data()) : -1;
    if (colon <= 0)
        return false;
    const QLatin1String name = field.left(colon).trimmed();
    const QLatin1String value = field.mid(colon + 1).trimmed();
    if (name.compare(QLatin1String("transfer-encoding"), Qt::CaseInsensitive) == 0)
        return value.compare(QLatin1String("identity"), Qt::CaseInsensitive) == 0;
    if (name.compare(QLatin1String("content-length"), Qt::CaseInsensitive) != 0)
        return true;
    const qint64 length = number(value);
    if (length < 0 || (announced >= 0 && announced != length))
        return false;
    announced = length;
    return true;
}

QByteArray HttpAnswer::bodyof(const QByteArray &bytes, int from)
{
    const qint64 rest = bytes.size() - from;
    const int room = int(announced < 0 ? rest : qMin<qint64>(rest, announced - bodybytes));
    bodybytes += room;
    return bytes.mid(from, room);
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
    return status / 100 == 2 && status != 204;
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
    return gotheader && announced >= 0 && bodybytes == announced;
}
