#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QDialog;

// Drives modal dialogs from a timer: each step waits until a dialog of the
// named class is the active modal window, then acts on it.
class DialogDriver : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QDialog *)>;

    void add(const QString &dialogclass, const Action &action);
    // Steps that click a button of the dialog by object name.
    void click(const QString &dialogclass, const QString &button);
    void titleclose(const QString &dialogclass);
    // A step that keeps the text of the program's message box in *text and
    // closes the box with its button.
    void readmessage(QString *text);
    // Hands act a driver that reads the program's message box; the box's text.
    static QString message(const std::function<void(DialogDriver &)> &act);
    void start();
    bool done() const;

    // False, with the failure recorded, when the dialog has no such button.
    static bool clickbutton(QDialog *dialog, const QString &button);

private:
    void poll();

    struct Step {
        QString dialogclass;
        Action action;
    };
    QList<Step> steps;
    int idlepolls = 0;
};

#endif
