#ifndef STUDYREADER_H
#define STUDYREADER_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// A reader for the study page tests: a textbook of six words and three
// sentences in two lessons, with sound files and display pictures beside it,
// and a user with the password "pw" who has adopted it.
namespace studyreader {

struct Entry {
    QString title;
    QString content;
    int difficulty;
    QString link;
};

struct Reader {
    QList<Entry> phonetic;
    QList<Entry> key;
    QList<int> sentencediffs = {10, 10, 10};
    QStringList missingsounds;
};

// A real MP3 of a 440 Hz tone lasting seconds (sox, then lame), made once
// per length and program; empty when the tools fail.
QByteArray tone(const QString &seconds);

// The sentences of the textbook: [sentence, translation, sound file].
QList<QStringList> sentences();
// Lesson 1 holds sentences 0, 1 and 2, lesson 2 sentence 1.
QList<QList<int>> lessons();

// Writes the textbook, its material and the user file "reader.zbu" into dir
// and makes the user the program's only, preselected user; the path of the
// user file, or "" when something could not be written.
QString write(const QTemporaryDir &dir, const Reader &reader);

}

#endif
