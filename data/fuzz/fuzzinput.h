#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include "fixedhashseed.h"

#include <QFile>
#include <QTemporaryDir>

// The readers take paths: each input is written to one file in a private folder.
inline QString fuzzinput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath("input");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the fuzz input");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

inline QString fuzzoutput()
{
    static QTemporaryDir dir;
    return dir.filePath("output");
}

#endif
