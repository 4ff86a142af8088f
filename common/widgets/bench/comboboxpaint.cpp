// What a paint of a combo box of 2,000 items (or as many as the argument
// says) costs when the box is fitted (and so watched for new items) against
// the same box unfitted. The two are drawn in turn for several rounds;
// prints the figures, asserts nothing.

#include "textfit.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace {

int Items = 2000;
const int Paints = 300;
const int Rounds = 7;

void fill(QComboBox &box)
{
    for (int i = 1; i <= Items; ++i)
        box.addItem(QStringLiteral("Lesson %1 A slow rainy afternoon 雨天午后").arg(i));
}

// Microseconds a paint takes.
double paintcost(QComboBox &box)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Paints; ++i)
        box.repaint();
    return timer.nsecsElapsed() / 1000.0 / Paints;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 1)
        Items = qMax(1, QString::fromLocal8Bit(argv[1]).toInt());
    QWidget window;
    window.resize(700, 100);
    QComboBox plain(&window);
    QComboBox fitted(&window);
    plain.setGeometry(10, 10, 600, 30);
    fitted.setGeometry(10, 50, 600, 30);
    fill(plain);
    fill(fitted);
    TextFit::fit(&fitted, 11);
    window.show();
    app.processEvents();
    QTextStream out(stdout);
    QVector<double> ratios;
    for (int round = 1; round <= Rounds; ++round) {
        const double unfitted = paintcost(plain);
        const double watched = paintcost(fitted);
        ratios << watched / unfitted;
        out << QStringLiteral("round %1: unfitted %2 us, fitted %3 us a paint, ratio %4\n")
                   .arg(round).arg(unfitted, 0, 'f', 1).arg(watched, 0, 'f', 1).arg(ratios.last(), 0, 'f', 2);
    }
    std::sort(ratios.begin(), ratios.end());
    out << QStringLiteral("%1 items: median ratio %2 (%3 to %4)\n").arg(Items)
               .arg(ratios[Rounds / 2], 0, 'f', 2).arg(ratios.first(), 0, 'f', 2).arg(ratios.last(), 0, 'f', 2);
    return 0;
}
