#ifndef WRITEFILE_H
#define WRITEFILE_H

#include <QDataStream>
#include <QString>
#include <functional>

// Writes a data file at stream version 12 through a QSaveFile: the file at
// path is replaced only when every byte was written, and is left as it was
// when anything fails. Returns whether the new file is in place.
bool writefile(const QString &path, const std::function<void(QDataStream &)> &write);

#endif
