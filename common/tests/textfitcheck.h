#ifndef TEXTFITCHECK_H
#define TEXTFITCHECK_H

#include <QPair>
#include <QSize>
#include <QString>
#include <QVector>

class QWidget;

namespace textfitcheck {
// The seven window sizes as screen sizes, with a row name each.
QVector<QPair<QString, QSize>> sizes();
// Names, texts and point sizes of root's descendants whose text is cut off;
// empty when every text fits or is empty.
QString clipped(const QWidget *root);
// The column "screen" with a row for each of the seven sizes.
void addsizerows();
}

#endif
