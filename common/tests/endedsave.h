#ifndef ENDEDSAVE_H
#define ENDEDSAVE_H

#include <QString>

// The name of a temporary that a save of the file name left beside it when
// its writer ended (a process id that cannot exist, on this host); suffix
// names a file made after it (".lock").
QString endedsave(const QString &name, const QString &suffix = QString());

#endif
