#ifndef FIRSTSHOW_H
#define FIRSTSHOW_H

#include <QObject>

#include <functional>

class QWidget;

// Runs a step for a widget when the widget is first shown or painted, so
// that what only a hidden page shows is made when that page first appears.
class FirstShow : public QObject
{
    Q_OBJECT

public:
    // Runs step now when widget is visible in its window (or will be when
    // the window is shown), else at the widget's first show or paint event,
    // before the widget itself sees that event.
    static void run(QWidget *widget, std::function<void()> step);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstShow(QWidget *widget, std::function<void()> step);

    std::function<void()> step;
};

#endif
