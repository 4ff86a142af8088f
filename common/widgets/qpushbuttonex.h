#ifndef QPUSHBUTTONEX_H
#define QPUSHBUTTONEX_H

#include <QBitmap>
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QRegion>

// A push button drawn from pictures: one per state, stretched over the
// button, an outline taken from a one-bit mask and the caption on top.
class QPushButtonEx : public QPushButton
{
    Q_OBJECT

public:
    explicit QPushButtonEx(QWidget *parent = nullptr);
    ~QPushButtonEx() override;

    void setnormalpixmap(const QPixmap &pixmap);
    void sethoverpixmap(const QPixmap &pixmap);
    void setpressedpixmap(const QPixmap &pixmap);
    // Fits the outline to the button's current size; later resizes keep it.
    void setmaskpixmap(const QBitmap &mask);
    // The outline of mask stretched over size; empty (no mask) for a null mask.
    static QRegion fittedoutline(const QBitmap &mask, const QSize &size);
    // The caption area: m pixels in from the left and right at the current size.
    void settextmargin(int m);
    // Where the caption is drawn.
    QRect textarea() const;
    void setcentered(bool centered);
    void settextcolor(const QColor &color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum State { Normal, Hover, Pressed };

    const QPixmap &statepixmap() const;

    QPixmap normalpixmap;
    QPixmap pressedpixmap;
    QPixmap hoverpixmap;
    QColor textcolor = Qt::black;
    QRect textrect;
    bool centered = true;
    int state = Normal;
};

#endif
