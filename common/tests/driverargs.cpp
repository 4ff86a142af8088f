#include "driverargs.h"

#include <QDir>

bool DriverArgs::read(const QStringList &args, const char *usage)
{
    if (args.size() < 3) {
        qWarning("usage: %s", usage);
        return false;
    }
    step = args.at(1);
    folder = QDir(args.at(2)).absolutePath();
    more = args.mid(3);
    return true;
}
