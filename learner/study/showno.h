#ifndef SHOWNO_H
#define SHOWNO_H

#include <QList>
#include <QObject>

// The shuffled cyclic order in which the five display pictures of a textbook
// are shown; one order is drawn when the object is made.
class showno : public QObject
{
    Q_OBJECT

public:
    explicit showno(QObject *parent = nullptr);
    ~showno() override;

    void makeorder();
    // The display-info index (0..4) to show now; advances cyclically.
    int getnext();

private:
    QList<int> order;
    int pos = 0;
};

#endif
