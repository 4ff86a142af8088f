#include "mythread.h"

#include <QProcess>

MyThread::MyThread(QObject *parent)
    : QObject(parent)
{
}

void MyThread::setcmd(const QString &program, const QStringList &arguments)
{
    this->program = program;
    args = arguments;
}

bool MyThread::execute(int timeout)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForStarted(timeout))
        return false;
    process.closeWriteChannel();
    if (!process.waitForFinished(timeout)) {
        process.kill();
        process.waitForFinished(-1);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
