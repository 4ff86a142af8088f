#ifndef EVERYPAGE_H
#define EVERYPAGE_H

class QWidget;

// Shows each hidden page of the window's page stack once and hides it
// again, so that what a page makes when it is first shown (its buttons'
// skins, its pictures) is there as a user would see it. The window must be
// shown; the current page stays.
void showeverypage(QWidget *window);

#endif
