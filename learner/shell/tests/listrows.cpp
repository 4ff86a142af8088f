#include "listrows.h"

#include <QListWidget>

void fillrows(QListWidget *list, int rows, int current)
{
    list->clear();
    for (int i = 0; i < rows; ++i)
        list->addItem(QString::number(i));
    list->setCurrentRow(current);
}
