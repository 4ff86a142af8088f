#include "httpanswer.h"

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// An answer taken in pieces cut at fuzzed places gives the verdict it gives
// taken whole; its head ends where HTTP/1.x ends it, within the cap or not
// at all; its body is the bytes after the head; and however the pieces come,
// the reader holds no more of the head than the cap.
//
// The input: two bytes, the length of a filler field put after the answer's
// first line (none under 12), so that a short input can reach the cap; one
// byte, the number of cuts (0 to 8); three bytes for each cut, its place
// modulo the answer's length plus one; then the answer.

namespace {
// Heap bytes in use, counted by the sanitizer's allocation hooks.
qint64 inuse = 0;
qint64 peak = 0;

void counted(const volatile void *, size_t bytes)
{
    inuse += qint64(bytes);
    peak = std::max(peak, inuse);
}

void released(const volatile void *pointer)
{
    inuse -= qint64(__sanitizer_get_allocated_size(pointer));
}

void fail(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "fuzz_httpanswer: %s: %s\n", what, detail.constData());
    std::abort();
}

// Just past the first line after the status line that is empty but for a
// CR; -1 when there is none.
int headend(const QByteArray &stream)
{
    int start = stream.indexOf('\n') + 1;
    while (start > 0) {
        const int lf = stream.indexOf('\n', start);
        if (lf < 0)
            return -1;
        if (lf == start || (lf == start + 1 && stream.at(start) == '\r'))
            return lf + 1;
        start = lf + 1;
    }
    return -1;
}

// What the reader made of the answer, and the body it gave.
QByteArray verdict(const HttpAnswer &answer, const QByteArray &body)
{
    return QByteArray("failed ") + (answer.failed() ? "yes" : "no") + ", headed " + (answer.headed() ? "yes" : "no")
        + ", success " + (answer.success() ? "yes" : "no") + ", length " + QByteArray::number(answer.length())
        + ", received " + QByteArray::number(answer.received()) + ", ended " + (answer.bodyended() ? "yes" : "no")
        + ", body of " + QByteArray::number(body.size()) + ": " + body.left(40).toHex();
}

// Takes the pieces in turn; checks the heap the reader grows on the way.
QByteArray read(const std::vector<QByteArray> &pieces, HttpAnswer &answer)
{
    int largest = 0;
    int total = 0;
    for (const QByteArray &piece : pieces) {
        largest = std::max(largest, int(piece.size()));
        total += piece.size();
    }
    QByteArray body;
    body.reserve(total);
    const qint64 before = inuse;
    peak = inuse;
    for (const QByteArray &piece : pieces)
        body += answer.take(piece);
    // The head held, and one piece's body bytes given back.
    if (peak - before > HttpAnswer::headercap + largest + 1024)
        fail("the reader held more than the cap", QByteArray::number(peak - before));
    return body;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    __sanitizer_install_malloc_and_free_hooks(counted, released);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3 || size < 3 + 3 * size_t(data[2] % 9))
        return 0;
    const int filler = data[0] << 8 | data[1];
    const int cutcount = data[2] % 9;
    const int skipped = 3 + 3 * cutcount;
    QByteArray stream(reinterpret_cast<const char *>(data) + skipped, int(size) - skipped);
    if (filler >= 12) {
        const int firstline = stream.indexOf('\n') + 1;
        stream.insert(firstline > 0 ? firstline : stream.size(),
                      "X-Filler: " + QByteArray(filler - 12, 'x') + "\r\n");
    }
    std::vector<int> cuts;
    for (int k = 0; k < cutcount; ++k) {
        const uint8_t *place = data + 3 + 3 * k;
        cuts.push_back(int((place[0] << 16 | place[1] << 8 | place[2]) % (stream.size() + 1)));
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(stream.size());
    std::vector<QByteArray> pieces;
    int from = 0;
    for (const int cut : cuts) {
        pieces.push_back(stream.mid(from, cut - from));
        from = cut;
    }

    HttpAnswer whole;
    const QByteArray wholebody = read({stream}, whole);
    HttpAnswer cut;
    const QByteArray cutbody = read(pieces, cut);
    const QByteArray once = verdict(whole, wholebody);
    if (verdict(cut, cutbody) != once)
        fail("a split changed the verdict", once + " taken whole, " + verdict(cut, cutbody) + " in pieces");

    const int end = headend(stream);
    if (whole.headed() && (end < 0 || end > HttpAnswer::headercap))
        fail("a head was taken that does not end within the cap", once);
    if (!whole.failed() && (end > HttpAnswer::headercap || (end < 0 && stream.size() >= HttpAnswer::headercap)))
        fail("a head over the cap was not refused", once);
    if (whole.headed() && (whole.received() != wholebody.size() || wholebody != stream.mid(end, wholebody.size())))
        fail("the body is not the bytes after the head", once);
    return 0;
}
