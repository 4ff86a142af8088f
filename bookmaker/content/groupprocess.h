#ifndef GROUPPROCESS_H
#define GROUPPROCESS_H

#include <QProcess>

// A process that leads a process group of its own, so that it can be ended
// together with every process it started.
class GroupProcess : public QProcess
{
public:
    explicit GroupProcess(QObject *parent = nullptr);
    ~GroupProcess() override;

    // Starts program as the leader of a new group.
    void startgroup(const QString &program, const QStringList &arguments);

    // Kills the whole group, even after its leader has ended, and waits for
    // the leader; nothing when no process was started.
    void killgroup();

protected:
    void setupChildProcess() override;

private:
    qint64 group = 0;
};

#endif
