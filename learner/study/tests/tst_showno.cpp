#include "showno.h"

#include <QtTest>

class tst_showno : public QObject
{
    Q_OBJECT
private slots:
    void cycle();
    void sameorder();
};

// Five calls give each picture once; the sixth starts the same cycle again.
void tst_showno::cycle()
{
    showno order;
    QList<int> first;
    for (int i = 0; i < 5; ++i)
        first.append(order.getnext());
    QList<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, QList<int>({0, 1, 2, 3, 4}));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(order.getnext(), first.at(i % 5));
}

// Drawn within one second, two orders are the same; a new order is again a
// permutation.
void tst_showno::sameorder()
{
    QList<int> a;
    QList<int> b;
    // Two draws straddle a second's change at most once in a row.
    for (int attempt = 0; attempt < 10 && a.isEmpty(); ++attempt) {
        const QTime before = QTime::currentTime();
        showno one;
        showno two;
        if (before.second() != QTime::currentTime().second())
            continue;
        for (int i = 0; i < 5; ++i) {
            a.append(one.getnext());
            b.append(two.getnext());
        }
    }
    QVERIFY2(!a.isEmpty(), "no two orders were drawn within one second");
    QCOMPARE(a, b);
    showno order;
    order.getnext();
    order.getnext();
    order.makeorder();
    QList<int> again;
    for (int i = 0; i < 5; ++i)
        again.append(order.getnext());
    std::sort(again.begin(), again.end());
    QCOMPARE(again, QList<int>({0, 1, 2, 3, 4}));
}

QTEST_GUILESS_MAIN(tst_showno)
#include "tst_showno.moc"
