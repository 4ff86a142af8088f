#include "muser.h"

#include "mreader.h"
#include "writefile.h"

namespace {
const qint32 magic = 0x12345678;

void readlist(MReader &in, QList<int> &list) { list = in.readints(); }
void readlist(MReader &in, QStringList &list) { list = in.readstrings(); }
void readlist(MReader &in, QList<QDateTime> &list) { list = in.readdatetimes(); }
}

bool MUser::save(const QString &path) const
{
    return writefile(path, [this](QDataStream &out) {
        out << magic << bookpath << MBook::scramble(name, MBook::scramblekey())
            << MBook::scramble(pwdhash, MBook::scramblekey()) << avatar;
        eachsaved([&out](const auto &list) { out << list; }, *this);
    });
}

bool MUser::parsehead(MReader &in)
{
    if (in.readint() != magic)
        return false;
    bookpath = in.readstring();
    name = MBook::scramble(in.readstring(), MBook::scramblekey());
    pwdhash = MBook::scramble(in.readstring(), MBook::scramblekey());
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

bool MUser::readhead(const QString &path)
{
    MReader in(path);
    MUser head;
    if (!in.open() || !head.parsehead(in))
        return false;
    takehead(head);
    return true;
}

bool MUser::load(const QString &path, bool *bookok)
{
    MReader in(path);
    MUser loaded;
    if (!in.open() || !loaded.parsehead(in))
        return false;
    eachsaved([&in](auto &list) { readlist(in, list); }, loaded);
    if (!in.ok())
        return false;
    takehead(loaded);
    eachsaved([](auto &mine, auto &theirs) { mine = std::move(theirs); }, *this, loaded);
    book = MBook();
    const bool bookread = bookpath.isEmpty() || book.readbook(bookpath);
    if (bookok)
        *bookok = bookread;
    return true;
}
