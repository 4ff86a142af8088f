#ifndef TEXTFITCHECK_H
#define TEXTFITCHECK_H

#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace textfitcheck {
// The seven window sizes as screen sizes, with a row name each.
QVector<QPair<QString, QSize>> sizes();
// Names, texts and point sizes of root's descendants whose text is cut off,
// judged by the pixels drawn; empty when every text shows whole or is empty.
QString clipped(QWidget *root);
// A window fitted to screen: logs its descendants with text drawn below the
// table's point size for that screen, and returns those drawn below three
// quarters of it although their text shows whole there, by the pixels drawn.
QString shrunkwithroom(QWidget *window, const QSize &screen);
// The column "screen" with a row for each of the seven sizes.
void addsizerows();
// The columns "screen", "widget" and "text": a row for each of the seven
// sizes and each pair of a widget's object name and a text the program sets there.
void addtextrows(const QVector<QPair<QString, QString>> &texts);
// Sets the text of root's label or button named widget (the one item of a
// combo box) and draws it,
// between two short texts: what went wrong, or "" when the text shows whole
// at no more than pointsize and the short text gets its size back.
QString refitproblem(QWidget *root, const QString &widget, const QString &text, int pointsize);
}

#endif
