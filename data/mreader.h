#ifndef MREADER_H
#define MREADER_H

#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QStringList>

// Reads the fields of the program's data files at stream version 12.
// Every read checks the bytes it claims against what is left in the file, so
// a damaged file fails the stream status instead of allocating or misreading.
// Once a read fails, every later read gives an empty value and ok() is false.
class MReader
{
public:
    explicit MReader(const QString &path);

    bool open();
    bool ok() const;

    qint32 readint();
    QString readstring();
    QByteArray readbytes();
    QDate readdate();
    QStringList readstrings();
    QList<int> readints();
    QList<QDateTime> readdatetimes();

private:
    bool claim(qint64 bytes);
    template<typename T>
    T readcounted(bool evenonly);
    template<typename T, typename Read>
    QList<T> readlist(qint64 itemsize, Read read);

    QFile file;
    qint64 size = 0;
    QDataStream in;
};

#endif
