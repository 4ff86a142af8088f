#ifndef MYTHREAD_H
#define MYTHREAD_H

#include <QObject>
#include <QString>
#include <QStringList>

// The outside encoder's command: a program and its arguments, run to its end
// from the caller's thread, never through a shell.
class MyThread : public QObject
{
public:
    // How long an encoder may run before it is killed.
    enum { timeoutms = 120000 };

    explicit MyThread(QObject *parent = nullptr);

    void setcmd(const QString &program, const QStringList &arguments);
    // Runs the program with its input closed and waits at most timeout ms.
    // True when it ended by itself with exit code 0; a program that runs
    // longer is killed.
    bool execute(int timeout = timeoutms);

private:
    QString program;
    QStringList args;
};

#endif
