#ifndef LISTROWS_H
#define LISTROWS_H

class QListWidget;

// Replaces the rows of list with "0", "1", ... and makes row current the
// current one (-1 for none).
void fillrows(QListWidget *list, int rows, int current);

#endif
