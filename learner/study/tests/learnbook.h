#ifndef LEARNBOOK_H
#define LEARNBOOK_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// A textbook for the learning tests, written through the data core with its
// sound files beside it: word 0 is "ice cream", word i otherwise "word<i>";
// the first `linked` words each have an example sentence "Sentence <i>.";
// five display pictures captioned "图1" to "图5"; lesson 1 holds sentences
// 2, 0 and 1 in that order.
namespace learnbook {

struct Book {
    int words = 8;
    int linked = 3;
    int lessons = 2;
    bool random = false;
    QString link = QStringLiteral("http://127.0.0.1:8080/book.html");
    // Sound file names stored for words, by word: "w<i+1>.mp3" when none given.
    QStringList wordsounds;
    // Words whose sound files are written, from word 0; -1 for all.
    int soundwords = -1;
    // Sound files not written beside the textbook (by stored name); the others
    // are written under their last path component (after the last '/' or backslash).
    QStringList missing;
};

QString word(int i);
QString sentence(int i);
// Words of a textbook with n words.
QStringList words(int n);

// A short real MP3 (sox, then lame), made once per program; empty when the
// tools fail.
QByteArray mp3();

// Writes book.zemBook and its sounds into folder; the textbook's path, or ""
// when something could not be written.
QString write(const QString &folder, const Book &book);

}

#endif
