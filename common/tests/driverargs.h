#ifndef DRIVERARGS_H
#define DRIVERARGS_H

#include <QString>
#include <QStringList>

// The command line of a campaign driver: <step> <folder> [more...].
struct DriverArgs {
    QString step;
    // Made absolute.
    QString folder;
    QStringList more;

    // False, after printing the usage, when the step or the folder is missing.
    bool read(const QStringList &args, const char *usage);
};

#endif
