#include "groupprocess.h"

#include <signal.h>
#include <unistd.h>

GroupProcess::GroupProcess(QObject *parent)
    : QProcess(parent)
{
}

// The group is set on both sides of the fork, so that it exists before a
// kill can follow, however late the child runs; started() may come later still.
void GroupProcess::startgroup(const QString &program, const QStringList &arguments)
{
    start(program, arguments);
    group = processId();
    if (group > 0)
        ::setpgid(pid_t(group), pid_t(group));
}

GroupProcess::~GroupProcess()
{
    killgroup();
}

void GroupProcess::killgroup()
{
    if (group <= 0)
        return;
    ::kill(-pid_t(group), SIGKILL);
    group = 0;
    if (state() != QProcess::NotRunning)
        waitForFinished(-1);
}

void GroupProcess::setupChildProcess()
{
    ::setpgid(0, 0);
}
