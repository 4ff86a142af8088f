#ifndef MYTHREAD_H
#define MYTHREAD_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QEventLoop;

// The outside encoder's command: a program and its arguments, never run
// through a shell. It runs in a process group of its own while the caller's
// event loop goes on, so a window stays responsive.
class MyThread : public QObject
{
public:
    // How long an encoder may run before it is killed.
    enum { timeoutms = 120000 };

    explicit MyThread(QObject *parent = nullptr);
    ~MyThread() override;

    void setcmd(const QString &program, const QStringList &arguments);
    // Runs the program with its input closed, handling events until it ends,
    // at most timeout ms. True when it ended by itself with exit code 0; one
    // that runs longer is killed with all it started. False at once while
    // already running.
    bool execute(int timeout = timeoutms);
    bool running() const;
    // Ends a running program with all it started; its execute() gives false.
    void cancel();
    // Whether the last run was ended by cancel().
    bool cancelled() const;

private:
    QString program;
    QStringList args;
    QPointer<QEventLoop> waiting;
    bool stopped = false;
};

#endif
