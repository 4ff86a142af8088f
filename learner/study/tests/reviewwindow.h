#ifndef REVIEWWINDOW_H
#define REVIEWWINDOW_H

#include "learnbook.h"
#include "widget.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QScopedPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class MUser;

// A learner window logged in as a reader of the learning textbook, with the
// review groups and word difficulties the test gives, and the schedule's
// clock set by the test.
class ReviewWindow
{
public:
    struct Group {
        int size;
        QDateTime start;
        int stage;
        QList<int> intervals = standardintervals();
        static QList<int> standardintervals();
    };
    struct Setup {
        learnbook::Book book;
        // Difficulties by learning position; positions not given keep 10.
        QList<int> diffs;
        QList<Group> groups;
        // Key knowledge entries linked to word 0: title and content.
        QList<QPair<QString, QString>> keys;
    };

    // Writes the files, opens the window with its clock at now and logs in;
    // the texts of the dialogs the log-in showed.
    QStringList start(const Setup &setup, const QDateTime &now);
    QStringList login();
    void setnow(const QDateTime &t);
    void close();

    Widget *window() const { return shown.data(); }
    template<typename T>
    T *find(const char *name) const { return shown->findChild<T *>(QLatin1String(name)); }
    int page() const;
    // Saves a picture of the window under the folder SHOTDIR names, when set;
    // false when it could not be saved.
    bool shot(const QString &name) const;

    // Runs action and answers every dialog it opens: message boxes with their
    // button, the input box with input (Cancel for a null input). The texts
    // shown: the message, or the input box's prompt.
    static QStringList run(const std::function<void()> &action, const QString &input = QStringLiteral("ok"));
    QStringList click(const char *button, const QString &input = QStringLiteral("ok"));
    // Types text into the review test's answer field and presses Return.
    QStringList type(const QString &text, const QString &input = QStringLiteral("ok"));
    // The textbook word a list row asks for, read from its meaning "词<i>".
    static int wordofrow(const QString &rowtext);
    int rowword(const char *list, int row) const;
    QStringList rows(const char *list) const;

    QString userpath() const { return path; }
    QString folder() const { return dir->path(); }
    // Reads the user file as the program left it into user.
    bool reload(MUser &user) const;

private:
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> shown;
    QString path;
};

#endif
