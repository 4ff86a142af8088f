#ifndef TEXTIMPORT_H
#define TEXTIMPORT_H

#include <QList>
#include <QString>
#include <QStringList>

class MBook;

// Reads a word file (three lines a word: word, transcription in square
// brackets, meaning) or a sentence file (two lines: sentence, translation),
// UTF-8, blank lines skipped anywhere. The whole file is read before anything
// is changed: read() gives the items or the message that refuses the file.
class TextImport
{
public:
    enum Kind { Words, Sentences };

    explicit TextImport(Kind kind);

    // False with message() set when the file cannot be opened, is larger
    // than a project file can be, is not UTF-8, holds more text or has a
    // line longer than a project can hold or holds a transcription without
    // its brackets.
    // An incomplete last record is dropped.
    bool read(const QString &path);
    // False with message() set when the book, with the items read in place
    // of its words (or sentences), could not be saved and read back as a
    // project, or as the textbook generated from it, whose pictures take up
    // to picturebytes each.
    bool fitsin(MBook book, int picturebytes);
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
    bool refusetoomany();
    bool decode(const QString &path, QString &content);
    // Adds a non-blank line to the record, and a complete record to the items.
    bool add(const QString &line, QStringList &record);
    // The text for this kind of file.
    QString named(const char *words, const char *sentences) const;

    Kind kind;
    QList<QStringList> records;
    QString text;
};

#endif
