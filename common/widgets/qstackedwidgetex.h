#ifndef QSTACKEDWIDGETEX_H
#define QSTACKEDWIDGETEX_H

#include <QPixmap>
#include <QStackedWidget>

// A page stack that paints its picture stretched behind its pages.
class QStackedWidgetEx : public QStackedWidget
{
    Q_OBJECT

public:
    explicit QStackedWidgetEx(QWidget *parent = nullptr);
    ~QStackedWidgetEx() override;

    void setpixmap(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap pixmap;
};

#endif
