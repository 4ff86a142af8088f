#ifndef MREADER_H
#define MREADER_H

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QStringList>

// Reads the fields of the program's data files at stream version 12 from the
// file's bytes, read into memory at once. Every length and count is tested
// against its ceiling and against the bytes left before anything is
// allocated, so no file makes a reader hold more than about 512 MiB (a file
// of one-letter strings at the file ceiling, the worst case, takes ten times
// its size). Once a read fails, every later read gives an empty value and
// ok() is false. A key unscrambles strings while they are decoded.
class MReader
{
public:
    // Ceilings far above any real file: a string's bytes, a picture's bytes,
    // the items of a list and a whole file.
    static constexpr qint64 stringlimit = 1 << 20;
    static constexpr qint64 byteslimit = 16 << 20;
    static constexpr qint64 countlimit = 1 << 22;
    static constexpr qint64 filelimit = 48 << 20;

    // Reads the whole file; a file above filelimit, or one that is not a
    // regular file (a pipe or a device could block or never end), is refused.
    bool open(const QString &path);
    // Reads only as much of the file as the reads claim, no more than a head
    // of the given strings and byte arrays can take at their ceilings.
    bool openhead(const QString &path, int strings, int arrays);
    bool ok() const;

    qint32 readint();
    QString readstring(const QString &key = QString());
    QByteArray readbytes();
    QDate readdate();
    QStringList readstrings(const QString &key = QString());
    QList<int> readints();
    QList<QDateTime> readdatetimes();

private:
    bool load(const QString &path, qint64 most, bool whole);
    bool fill(qint64 upto);
    bool claim(qint64 bytes);
    quint32 take32();
    QString readstring(const ushort *key, int keysize);
    template<typename T>
    T readstreamed(qint64 size);
    template<typename T, typename Read>
    QList<T> readlist(qint64 itemsize, Read read);

    QFile file;
    qint64 limit = 0;
    QByteArray bytes;
    const uchar *at = nullptr;
    const uchar *end = nullptr;
    bool good = false;
};

#endif
