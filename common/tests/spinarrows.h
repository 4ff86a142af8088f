#ifndef SPINARROWS_H
#define SPINARROWS_H

#include <QString>

class QAbstractSpinBox;

// What is wrong with a spin box as its page stack paints it: its up and down
// halves must show dark arrows, over the input style's blue border and pale
// yellow background. Empty when all is there. The box's page is shown for it.
QString spinarrowsmissing(QAbstractSpinBox *spin);

#endif
