#ifndef MESSAGESHOT_H
#define MESSAGESHOT_H

#include <QStringList>

class DialogDriver;
class QWidget;

// Saves a picture of a message box or prompt into the folder SHOTDIR names,
// when it names one, as <program>-<n>.png, n counting from 1 per process.
void messageshot(QWidget *dialog);

// A step that appends the text of the program's message box to *texts, saves
// its picture as above and closes the box with its button.
void readshot(DialogDriver &driver, QStringList *texts);

#endif
