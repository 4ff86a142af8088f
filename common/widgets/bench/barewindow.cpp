// The least a Qt Widgets window costs here: one window holding one label,
// run the way both programs run theirs. Start benchmarks time it beside them.

#include "runwindow.h"

#include <QLabel>

class BareWindow : public QLabel
{
public:
    BareWindow()
        : QLabel(QStringLiteral("Zembrix Rozo"))
    {
        setWindowTitle(QStringLiteral("barewindow"));
    }
};

int main(int argc, char *argv[])
{
    return runwindow<BareWindow>(argc, argv, &QWidget::show);
}
