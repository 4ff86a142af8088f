#ifndef TESTFILES_H
#define TESTFILES_H

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Files the window tests start from and read back: textbooks, user files and
// the two kinds of settings files.
namespace testfiles {

// The program settings file of the running test program, beside it.
QString programsettings();
// Writes the program settings as an earlier run would have left them.
void setprogram(const QStringList &paths, int current, const QString &defaultpath = QString());

struct Book {
    int words = 30;
    int lessons = 3;
    bool random = false;
    QString link = QStringLiteral("http://127.0.0.1:8080/book.html");
};
bool writebook(const QString &path, const Book &book);

struct Group {
    int size;
    bool due;
};
// A user who has adopted the textbook at bookpath (none when empty), with
// review groups opened in order, and the avatar picture bytes.
bool writeuser(const QString &path, const QString &name, const QString &password,
               const QString &bookpath = QString(), const QList<Group> &groups = {},
               const QByteArray &avatar = QByteArray());
// A user file name that leaves no room for the name of the temporary file a
// save writes through: such a file reads and opens for writing, but is never
// replaced. It is written under a short name and renamed.
extern const QString Unreplaceable;

// A reader with the password "pw" who has adopted the textbook book.zemBook,
// written beside the user file.
bool writereader(const QString &path, const QString &name, const QList<Group> &groups = {},
                 const Book &book = {});

// Settings as an earlier run would have left them: key to value.
void writesettings(const QString &path, const QVariantMap &values);

// An INI file as another program reads it: "group/key" to the raw text.
QMap<QString, QString> readini(const QString &path);

QByteArray readall(const QString &path);
bool writeall(const QString &path, const QByteArray &bytes);

}

#endif
