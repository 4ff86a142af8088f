#ifndef DIALOGFRAME_H
#define DIALOGFRAME_H

#include <QPixmap>
#include <QString>

class QDialog;
class QWidget;

// What every dialog of both programs shares: the program's window title,
// fitting to the window's scale and point size, centring, the fixed size
// and the background picture.
class DialogFrame
{
public:
    // The forms carry the learner's titles; the bookmaker calls this once
    // before its first dialog.
    static void setbookmaker(bool bookmaker);
    static bool bookmaker();

    // After the form is set up: no help button, the bookmaker's title.
    static void prepare(QDialog *dialog);
    // Scales the dialog and every descendant (geometry and point size) and
    // centres the dialog on the screen.
    static void fit(QDialog *dialog, float scale, int pointsize);
    // Centres the dialog on the screen.
    static void centre(QDialog *dialog);
    // Scales the geometry of every descendant of root and gives each the
    // point size; root itself keeps its geometry and font.
    static void scaledescendants(QWidget *root, float scale, int pointsize);
    static void fixsize(QDialog *dialog);
    // The dialogs' background, decoded at its first use and kept while the
    // application lives: the pixmap cache may drop a file's picture at any time.
    static QPixmap background();
    static void paintbackground(QWidget *dialog);

    static int scaled(float scale, int value);
};

#endif
