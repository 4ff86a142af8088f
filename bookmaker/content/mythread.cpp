#include "mythread.h"

#include "groupprocess.h"

#include <QDir>
#include <QEventLoop>
#include <QTemporaryFile>

MyThread::MyThread(QObject *parent)
    : QObject(parent)
{
    timer.setSingleShot(true);
    // A coarse timer may end the encoder up to 5% before its time.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] { finish(false); });
}

MyThread::~MyThread()
{
    if (process) {
        process->disconnect(this);
        process->killgroup();
    }
}

void MyThread::setcmd(const QString &program, const QStringList &arguments)
{
    this->program = program;
    args = arguments;
}

void MyThread::settimeout(int ms)
{
    timeout = ms;
}

QString MyThread::makeoutput()
{
    outputfile.reset(new QTemporaryFile(QDir::temp().filePath(QStringLiteral("bookmaker-XXXXXX.mp3"))));
    if (!outputfile->open()) {
        outputfile.reset();
        return QString();
    }
    outputfile->close();
    return outputfile->fileName();
}

QString MyThread::output() const
{
    return outputfile ? outputfile->fileName() : QString();
}

bool MyThread::running() const
{
    return process;
}

bool MyThread::succeeded() const
{
    return ok;
}

bool MyThread::start()
{
    if (running())
        return false;
    process = new GroupProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int code, QProcess::ExitStatus status) { finish(status == QProcess::NormalExit && code == 0); });
    connect(process, &QProcess::started, process, &QProcess::closeWriteChannel);
    timer.start(timeout);
    process->startgroup(program, args);
    return true;
}

// The group is killed also after its leader ended: what the encoder left
// running must not go on writing.
void MyThread::finish(bool succeeded)
{
    if (!process)
        return;
    timer.stop();
    process->disconnect(this);
    process->killgroup();
    process->deleteLater();
    process = nullptr;
    ok = succeeded;
    emit ended(ok);
    outputfile.reset();
}

bool MyThread::wait()
{
    if (running()) {
        QEventLoop loop;
        connect(this, &MyThread::ended, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return ok;
}
