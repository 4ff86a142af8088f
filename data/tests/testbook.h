#ifndef TESTBOOK_H
#define TESTBOOK_H

#include "mbook.h"
#include "testpictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Test material: a fresh folder per test function, files written from hex
// fields, JPEG bytes of a plain picture, and a textbook of numbered words and
// sentences.

// The bytes of the hex fields, with field `replaced` given as `replacement`.
template<int N>
QByteArray hexfields(const char *const (&fields)[N], int replaced = -1,
                     const char *replacement = nullptr)
{
    QByteArray bytes;
    for (int i = 0; i < N; ++i)
        bytes += QByteArray::fromHex(i == replaced ? replacement : fields[i]);
    return bytes;
}

// The bytes of the hex fields before field `field`.
template<int N>
QByteArray hexfieldsbefore(const char *const (&fields)[N], int field)
{
    QByteArray bytes;
    for (int i = 0; i < field; ++i)
        bytes += QByteArray::fromHex(fields[i]);
    return bytes;
}

inline QByteArray bigendian(quint32 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

inline QByteArray readall(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file that begins with head, holds tail at its end and is size bytes long;
// what lies between takes no room on disk (a sparse file).
inline QString writesparse(const QString &path, const QByteArray &head, qint64 size,
                           const QByteArray &tail = QByteArray())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size()
        || !file.resize(size - tail.size()) || !file.seek(size - tail.size())
        || file.write(tail) != tail.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A line of /proc/self/status in bytes: "VmHWM" the peak resident memory so
// far, "VmSize" the address space in use.
inline qint64 memorystatus(const QByteArray &key)
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

inline QString writeall(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A user file that names bookpath as its textbook and holds nothing else.
inline QString writebookuser(const QString &path, const QString &bookpath)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_4_8);
    out << qint32(0x12345678) << bookpath << QString() << QString() << QByteArray();
    for (int i = 0; i < 21; ++i)
        out << quint32(0);
    return path;
}

// A temporary folder that a test renews in init(), so that every test
// function starts from an empty one.
class TestFolder
{
public:
    bool renew()
    {
        dir.reset(new QTemporaryDir);
        return dir->isValid();
    }
    QString root() const { return dir->path(); }
    QString path(const QString &name) const { return dir->filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        return writeall(path(name), bytes);
    }
    QString sparse(const QString &name, const QByteArray &head, qint64 size,
                   const QByteArray &tail = QByteArray()) const
    {
        return writesparse(path(name), head, size, tail);
    }

private:
    QScopedPointer<QTemporaryDir> dir;
};

// Rows of a damaged-file table: whole cut at each length below `upto`.
inline void addcuts(const QByteArray &whole, int upto)
{
    for (int cut = 0; cut < upto; ++cut)
        QTest::newRow(qPrintable(QString("cut at %1").arg(cut))) << whole.left(cut);
}

inline QByteArray testjpeg(int width, int height)
{
    return testpictures::encoded(width, height, Qt::darkCyan, "JPG");
}

inline QStringList testword(int i)
{
    return QStringList() << QString("word%1").arg(i) << "[w]" << QString::fromUtf8("词%1").arg(i)
                         << QString("w%1.mp3").arg(i + 1);
}

inline QStringList testsentence(int i)
{
    return QStringList() << QString("Sentence %1.").arg(i) << QString::fromUtf8("句子%1").arg(i)
                         << QString("s%1.mp3").arg(i + 1);
}

// Without an order the words have none (every position -1).
inline MBook testbook(int words, int sentences)
{
    MBook book;
    for (int i = 0; i < words; ++i)
        book.addword(testword(i));
    for (int i = 0; i < sentences; ++i)
        book.addsentence(testsentence(i));
    return book;
}

inline MBook testbook(int words, int sentences, bool random)
{
    MBook book = testbook(words, sentences);
    book.setorder(random);
    return book;
}

#endif
