#ifndef MYTHREAD_H
#define MYTHREAD_H

#include <QObject>
#include <QScopedPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class GroupProcess;
class QTemporaryFile;

// The outside encoder's command: a program and its arguments, never run
// through a shell. It runs in a process group of its own while the caller's
// event loop goes on, so a window stays responsive; ended() tells how it
// ended. One that runs longer than its time-out is killed with all it
// started, and so is one still running when this object goes.
class MyThread : public QObject
{
    Q_OBJECT

public:
    // How long an encoder may run by default.
    enum { timeoutms = 120000 };

    explicit MyThread(QObject *parent = nullptr);
    ~MyThread() override;

    void setcmd(const QString &program, const QStringList &arguments);
    void settimeout(int ms);
    // A new empty file of the program's own in the temporary folder, for the
    // next run to write into; removed once that run's ended() was handled,
    // or with this object. Empty when it could not be made.
    QString makeoutput();
    QString output() const;
    // Starts the program with its input closed and its output dropped;
    // ended() follows, also when it cannot start. False while running.
    bool start();
    bool running() const;
    // Handles events other than user input until the run has ended; whether
    // it succeeded.
    bool wait();
    // Whether the last run ended by itself, with exit code 0, in time.
    bool succeeded() const;

signals:
    void ended(bool succeeded);

private:
    void finish(bool ok);

    QString program;
    QStringList args;
    int timeout = timeoutms;
    GroupProcess *process = nullptr;
    QScopedPointer<QTemporaryFile> outputfile;
    QTimer timer;
    bool ok = false;
};

#endif
