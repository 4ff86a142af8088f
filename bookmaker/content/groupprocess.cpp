#include "groupprocess.h"

#include <signal.h>
#include <unistd.h>

GroupProcess::GroupProcess(QObject *parent)
    : QProcess(parent)
{
    connect(this, &QProcess::started, this, [this] { group = processId(); });
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
