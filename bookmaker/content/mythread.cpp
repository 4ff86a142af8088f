#include "mythread.h"

#include "groupprocess.h"

#include <QEventLoop>
#include <QTimer>

MyThread::MyThread(QObject *parent)
    : QObject(parent)
{
}

MyThread::~MyThread()
{
    cancel();
}

void MyThread::setcmd(const QString &program, const QStringList &arguments)
{
    this->program = program;
    args = arguments;
}

bool MyThread::running() const
{
    return waiting;
}

void MyThread::cancel()
{
    if (!waiting)
        return;
    stopped = true;
    waiting->exit(1);
}

bool MyThread::cancelled() const
{
    return stopped;
}

bool MyThread::execute(int timeout)
{
    if (running())
        return false;
    stopped = false;
    GroupProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    waiting = &loop;
    QTimer::singleShot(timeout, &loop, [&loop] { loop.exit(1); });
    connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.exit(1);
    });
    connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
            [&loop](int code, QProcess::ExitStatus status) { loop.exit(status == QProcess::NormalExit && code == 0 ? 0 : 1); });
    connect(&process, &QProcess::started, &process, &QProcess::closeWriteChannel);
    process.startgroup(program, args);
    const bool ok = loop.exec() == 0;
    waiting.clear();
    process.killgroup();
    return ok;
}
