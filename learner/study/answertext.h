#ifndef ANSWERTEXT_H
#define ANSWERTEXT_H

#include <QString>

// A typed or expected answer as it is compared: every character that is not
// an ASCII letter or digit removed, wherever it stands; case is kept.
QString answertext(const QString &text);

#endif
