#ifndef TEXTBOOKFIXTURE_H
#define TEXTBOOKFIXTURE_H

#include <QByteArray>
#include <QString>

class DialogDriver;
class QWidget;

// Test material for the bookmaker window: its settings, import files, dialog
// answers, and a finished textbook folder made through the window itself.
namespace textbookfixture {

// Settings as an earlier run would have left them (in
// bookmakerfiles::settingspath()): the material folder, the chooser's start
// folder and the encoder.
void writesettings(const QString &material, const QString &lastfolder, const QString &lame);

// Import files of n numbered items: "word<i>", "[w1d]", "词<i>" and
// "Sentence <i>.", "句子<i>" for i = 1 .. n.
QByteArray wordfile(int n);
QByteArray sentencefile(int n);
bool writefile(const QString &path, const QByteArray &bytes);

// Dialog answers: the chooser returns path, the typed-"ok" prompt text.
void answerchooser(DialogDriver &driver, const QString &path);
void answerinput(DialogDriver &driver, const QString &text);
// Clicks the window's button and answers the dialogs it opens; false when
// some were left unanswered.
bool run(QWidget *window, const char *button, DialogDriver &driver);

// Makes a finished textbook in the empty folder through a bookmaker window:
// a project titled "Fixture book", the words and sentences imported from
// text files, an MP3 of a short tone copied in as every item's sound, word i
// linked to sentence i, one lesson "Lesson 1" of every sentence, then
// generated. True when book.zemBook and rand.zemBook are there. Runs inside
// a QtTest test function (the dialogs are answered by a timer); replaces the
// bookmaker's settings file. The program maketextbook runs it for tests
// of other programs.
bool generate(const QString &folder, int words, int sentences);

}

#endif
