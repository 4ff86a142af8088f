#ifndef WIDGET_H
#define WIDGET_H

// The learner's main window. Its member functions live in files by subsystem:
// learner/layout (form and skins), learner/shell (life cycle, settings, users,
// login, navigation), learner/study (learning, tests and review).

#include <QBitmap>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QStringList>
#include <QWidget>

class QGraphicsScene;
class QTimer;

namespace Ui {
class Widget;
}

class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // learner/layout: button skins
    void initbtn();

    Ui::Widget *ui;

    // Skin sets, loaded once by initbtn: normal, hover, pressed, mask.
    QPixmap f21, f22, f23;
    QBitmap f2m;
    QPixmap f41, f42, f43;
    QBitmap f4m;
    QPixmap y21, y22, y23;
    QBitmap y2m;
    QPixmap y31, y32, y33;
    QBitmap y3m;
    QPixmap px1, px2, px3;
    QBitmap pxm;
    QPixmap q1, q2, q3;
    QBitmap qm;
    QPixmap s;
    QBitmap sm;
    QPixmap ljgd1, ljgd2, ljgd3;
    QBitmap ljgdm;
    QPixmap zy1, zy2, zy3;
    QBitmap zym;
};

#endif
