#ifndef PAINTEDTEXT_H
#define PAINTEDTEXT_H

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// What a widget paints of its text, told from two pictures of it: with its
// text and with the text taken away. Judges the text by those pixels only.
class PaintedText
{
public:
    // Draws the widget twice and restores its text; a widget without text
    // (or of a kind that shows none) gives no ink.
    explicit PaintedText(QWidget *widget);

    bool hastext() const;
    // Bounds of the pixels where the text is drawn.
    QRect inkbounds() const;
    // Why the text is cut, or "" when all of it shows: ink on the edge of
    // the text's room on a side the text is not aligned to, on a frame,
    // outside a button's outline or on or beside its drawn ring; or, for one
    // line, less ink than the text drawn with room all round.
    QString cut() const;

private:
    bool isink(int x, int y) const;
    QString cutinbutton() const;
    QString cutatedges(const QRect &room, Qt::Alignment alignment) const;

    const QWidget *widget;
    QFont font; // as drawn
    QImage withtext;
    QImage without;
};

#endif
