#ifndef STUDYWINDOW_H
#define STUDYWINDOW_H

#include "studyreader.h"
#include "widget.h"

#include <QApplication>
#include <QScopedPointer>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class QDialog;
class QListWidget;

// A learner window with the study reader logged in, and the steps the study
// page tests take on it.
class StudyWindow
{
public:
    // Writes the reader's files into a fresh folder, opens the window and logs
    // in; false when the plan page did not show.
    bool start(const studyreader::Reader &reader = {});
    // Logs out with the plan page's button and in again.
    bool relogin();
    void close();
    Widget *window() const { return shown.data(); }
    QString userpath() const { return path; }

    template<typename T>
    T *find(const char *name) const { return shown->findChild<T *>(QLatin1String(name)); }
    int page() const;
    // False, with the failure recorded, when the window has no such button.
    bool click(const char *button);
    // Runs action and answers the messages it shows; their texts in order.
    static QStringList messages(const std::function<void()> &action);
    // Clicks and gives the messages the click shows.
    QStringList clickmessages(const char *button);
    // Types into the answer field and presses Enter, giving the messages shown.
    QStringList answer(const char *field, const QString &text);
    // Clicks a button that opens a dialog of the class and lets act answer it.
    bool clickdialog(const char *button, const char *dialogclass,
                     const std::function<void(QDialog *)> &act);
    // Whether a click opens any dialog; one that opens is closed at once.
    bool opensdialog(const char *button);

    // Starts a run from the plan page: radio button, the spin boxes to set
    // (name, value) and the threshold; the messages shown.
    QStringList startrun(const char *radio, const QList<QPair<const char *, int>> &spins, int threshold = 1);
    // Texts and role-5 tags of a list's rows.
    QStringList rows(const char *list) const;
    QStringList tags(const char *list) const;

    // Saves a picture of the window under the folder named by SHOTDIR, when set.
    void shot(const QString &name) const;

private:
    bool login();

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> shown;
    QString path;
};

#endif
