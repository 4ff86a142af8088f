#ifndef QGRAPHICSVIEWEX_H
#define QGRAPHICSVIEWEX_H

#include <QGraphicsView>

// A graphics view that reports every mouse press as click() and keeps it
// from the scene.
class QGraphicsViewEx : public QGraphicsView
{
    Q_OBJECT

public:
    explicit QGraphicsViewEx(QWidget *parent = nullptr);
    ~QGraphicsViewEx() override;

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

#endif
