#include "muser.h"

#include "mreader.h"
#include "mwriter.h"

#include <new>

namespace {
const qint32 magic = 0x12345678;

const int headstrings = 3;
const int headarrays = 1;

void readlist(MReader &in, QList<int> &list) { list = in.readints(); }
void readlist(MReader &in, QStringList &list) { list = in.readstrings(); }
void readlist(MReader &in, QList<QDateTime> &list) { list = in.readdatetimes(); }
void writelist(MWriter &out, const QList<int> &list) { out.writeints(list); }
void writelist(MWriter &out, const QStringList &list) { out.writestrings(list); }
void writelist(MWriter &out, const QList<QDateTime> &list) { out.writedatetimes(list); }
}

bool MUser::save(const QString &path) const
{
    const QString key = MBook::scramblekey();
    MWriter out;
    out.writeint(magic);
    out.writestring(bookpath);
    out.writestring(name, key);
    out.writestring(pwdhash, key);
    out.writebytes(avatar);
    eachsaved([&out](const auto &list) { writelist(out, list); }, *this);
    return out.save(path);
}

bool MUser::parsehead(MReader &in)
{
    if (in.readint() != magic)
        return false;
    const QString key = MBook::scramblekey();
    bookpath = in.readstring();
    name = in.readstring(key);
    pwdhash = in.readstring(key);
    avatar = in.readbytes();
    return in.ok();
}

void MUser::takehead(const MUser &other)
{
    bookpath = other.bookpath;
    name = other.name;
    pwdhash = other.pwdhash;
    avatar = other.avatar;
}

// Only the head's bytes are read, however large the file.
bool MUser::readhead(const QString &path)
{
    MReader in;
    MUser head;
    try {
        if (!in.openhead(path, headstrings, headarrays) || !head.parsehead(in))
            return false;
    } catch (const std::bad_alloc &) {
        return false;
    }
    takehead(head);
    return true;
}

// The user file is let go before the textbook is read.
bool MUser::load(const QString &path, bool *bookok)
{
    MUser loaded;
    try {
        MReader in;
        if (!in.open(path) || !loaded.parsehead(in))
            return false;
        eachsaved([&in](auto &list) { readlist(in, list); }, loaded);
        if (!in.ok())
            return false;
    } catch (const std::bad_alloc &) {
        return false;
    }
    takehead(loaded);
    eachsaved([](auto &mine, auto &theirs) { mine = std::move(theirs); }, *this, loaded);
    book = MBook();
    const bool bookread = bookpath.isEmpty() || book.readbook(bookpath);
    if (bookok)
        *bookok = bookread;
    return true;
}
