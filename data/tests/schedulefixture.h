#ifndef SCHEDULEFIXTURE_H
#define SCHEDULEFIXTURE_H

#include "muser.h"
#include "testbook.h"

#include <QTemporaryDir>

// A user with a textbook of `words` words and one group per entry of
// `stages`, each of the given size, started at `start` with the default plan
// intervals (20 and 60 minutes, then 1, 2, 5, 15, 30 and 60 days).
class ScheduleFixture
{
public:
    explicit ScheduleFixture(int words = 100)
    {
        const QString path = dir.filePath("book.zemBook");
        testbook(words, 0, false).write(path, true);
        user.adoptbook(path);
    }

    int addgroup(int size, const QDateTime &start, int stage)
    {
        static const int planned[] = {20, 60, 1, 2, 5, 15, 30, 60};
        user.newgroup(size);
        const int g = user.groupcount() - 1;
        user.setgroupstart(g, start);
        for (int k = 1; k <= 8; ++k)
            user.setinterval(g, k, planned[k - 1]);
        user.setstage(g, stage);
        return g;
    }

    QTemporaryDir dir;
    MUser user;
};

#endif
