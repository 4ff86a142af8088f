#ifndef TESTBOOK_H
#define TESTBOOK_H

#include "mbook.h"

#include <QBuffer>
#include <QImage>

// Test material: JPEG bytes of a plain picture, and a textbook of numbered
// words and sentences in natural or random order.
inline QByteArray testjpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
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
