#ifndef MWRITER_H
#define MWRITER_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

// Builds a data file at stream version 12 in memory, field by field, and
// writes it at once with writefile. A key scrambles strings while they are
// encoded; a scrambled empty string is stored as a null one.
class MWriter
{
public:
    void writeint(qint32 value);
    void writestring(const QString &text, const QString &key = QString());
    void writebytes(const QByteArray &value);
    void writedate(const QDate &value);
    void writestrings(const QStringList &list, const QString &key = QString());
    void writeints(const QList<int> &list);
    void writedatetimes(const QList<QDateTime> &list);

    // False, with nothing written, when the reader would refuse the file.
    bool save(const QString &path) const;

private:
    void put32(quint32 value);
    template<typename T>
    void writestreamed(const T &value);

    QByteArray bytes;
    // False once a field passes a ceiling of MReader.
    bool readable = true;
};

#endif
