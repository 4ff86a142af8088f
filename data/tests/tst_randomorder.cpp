#include "randomorder.h"

#include <QtTest>

class tst_randomorder : public QObject
{
    Q_OBJECT
private slots:
    void permutation_data();
    void permutation();
};

void tst_randomorder::permutation_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("none") << 0;
    QTest::newRow("negative") << -3;
    QTest::newRow("one") << 1;
    QTest::newRow("five") << 5;
    QTest::newRow("many") << 2000;
}

void tst_randomorder::permutation()
{
    QFETCH(int, n);
    const QList<int> order = randomorder(n);
    QCOMPARE(order.size(), qMax(n, 0));
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < sorted.size(); ++i)
        QVERIFY2(sorted.at(i) == i, qPrintable(QString("missing element %1").arg(i)));
}

QTEST_GUILESS_MAIN(tst_randomorder)
#include "tst_randomorder.moc"
