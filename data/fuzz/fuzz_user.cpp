#include "fuzzinput.h"
#include "muser.h"

#include <QDateTime>

// Whatever a user file holds, reading it ends cleanly; what is accepted can
// be used by the schedule and selections and saved as it was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzinput(data, size);
    MUser user;
    user.readhead(path);
    if (!user.load(path))
        return 0;
    const QDateTime now(QDate(2026, 3, 2), QTime(9, 0));
    user.duegroups(now);
    user.pickweak();
    user.makeorder(1);
    for (int g = 0; g < user.groupcount(); ++g) {
        user.reviewtime(g, 3);
        user.groupof(user.wordsupto(g));
    }
    if (user.wordcount() > 0)
        user.choices(0);
    user.pickwords(-5, user.wordcount() + 5, 1);
    user.keyforword(0);
    user.phoneticdlinks(0, 100);
    if (user.groupcount() > 0)
        user.completereview(0, now);
    user.newgroup(3);
    if (!user.save(fuzzoutput()))
        qFatal("an accepted user cannot be saved");
    MUser again;
    if (!again.load(fuzzoutput()) || again.groupcount() != user.groupcount()
        || again.keycount() != user.keycount() || again.getname() != user.getname())
        qFatal("an accepted user does not read back the same");
    return 0;
}
