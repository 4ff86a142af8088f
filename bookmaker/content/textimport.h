#ifndef TEXTIMPORT_H
#define TEXTIMPORT_H

#include <QList>
#include <QString>
#include <QStringList>

// Reads a word file (three lines a word: word, transcription in square
// brackets, meaning) or a sentence file (two lines: sentence, translation),
// UTF-8, blank lines skipped anywhere. The whole file is read before anything
// is changed: read() gives the items or the message that refuses the file.
class TextImport
{
public:
    enum Kind { Words, Sentences };

    explicit TextImport(Kind kind);

    // False with message() set when the file cannot be opened, is not UTF-8
    // or holds a transcription without its brackets. An incomplete last
    // record is dropped.
    bool read(const QString &path);
    QString message() const;
    // Word items [word, transcription, meaning, "w<N>.mp3"] or sentence items
    // [sentence, translation, "s<N>.mp3"], N counted from 1.
    QList<QStringList> items() const;

    // Writes the listing "w<N>_word" (or "s<N>_sentence") lines, CR LF ended,
    // as the file name() in folder; false with message() set when it cannot.
    bool writelisting(const QString &folder);
    QString listingname() const;

private:
    bool refuse(const QString &text);

    Kind kind;
    QList<QStringList> records;
    QString text;
};

#endif
