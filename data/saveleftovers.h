#ifndef SAVELEFTOVERS_H
#define SAVELEFTOVERS_H

#include <QString>

// Removes what an interrupted save of the file at path left beside it: the
// temporary files path.XXXXXX and a lock file path.lock no process holds.
void removesaveleftovers(const QString &path);

#endif
