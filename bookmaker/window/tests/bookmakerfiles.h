#ifndef BOOKMAKERFILES_H
#define BOOKMAKERFILES_H

#include <QMap>
#include <QString>

// Files the bookmaker window tests start from: the program settings of the
// running test program and projects in a material folder.
namespace bookmakerfiles {

// The settings file of the running test program, beside it.
QString settingspath();
// Writes the settings as an earlier run would have left them: key to value.
void writesettings(const QMap<QString, QString> &values);
// Settings whose material folder is folder.
void setmaterial(const QString &folder);

// A project book.pro in folder with numbered words "word1"..., sentences
// "Sentence 1."... and lessons "Lesson 1"...; the title block names it title.
bool writeproject(const QString &folder, int words, int sentences, int lessons,
                  const QString &title = QStringLiteral("Book"));
// A finished textbook in folder: book.zemBook and rand.zemBook.
bool writefinished(const QString &folder);

}

#endif
