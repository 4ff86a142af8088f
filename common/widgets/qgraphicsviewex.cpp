#include "qgraphicsviewex.h"

QGraphicsViewEx::QGraphicsViewEx(QWidget *parent)
    : QGraphicsView(parent)
{
}

QGraphicsViewEx::~QGraphicsViewEx() = default;

void QGraphicsViewEx::mousePressEvent(QMouseEvent *)
{
    emit click();
}
