#ifndef PAINTBLACK_H
#define PAINTBLACK_H

class QWidget;

// Fills the whole widget black: the programs' windows behind their pages.
// Called from the widget's paintEvent.
void paintblack(QWidget *widget);

#endif
