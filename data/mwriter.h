#ifndef MWRITER_H
#define MWRITER_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

class SaveFile;

// Builds a data file at stream version 12 in memory, field by field, and
// writes it at once with writefile. A key scrambles strings while they are
// encoded; a scrambled empty string is stored as a null one.
class MWriter
{
public:
    // A measuring writer keeps no bytes: it only tells whether the file
    // would be readable.
    enum Mode { Keep, Measure };
    explicit MWriter(Mode mode = Keep);

    void writeint(qint32 value);
    void writestring(const QString &text, const QString &key = QString());
    void writebytes(const QByteArray &value);
    void writedate(const QDate &value);
    void writestrings(const QStringList &list, const QString &key = QString());
    void writeints(const QList<int> &list);
    void writedatetimes(const QList<QDateTime> &list);

    // Whether the reader would take the file built so far.
    bool readable() const;
    // False, with nothing written, when the reader would refuse the file or
    // the writer only measures.
    bool save(const QString &path) const;
    // The same into a file that its caller puts in place.
    bool save(SaveFile &file) const;

private:
    bool room(qint64 more);
    void put32(quint32 value);
    void writecount(int count);
    template<typename T>
    void writestreamed(const T &value);

    QByteArray bytes;
    qint64 length = 0;
    bool keeping;
    // False once a field or the file passes a ceiling of MReader.
    bool fits = true;
};

#endif
