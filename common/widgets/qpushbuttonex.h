#ifndef QPUSHBUTTONEX_H
#define QPUSHBUTTONEX_H

#include <QBitmap>
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QRegion>

class FittedMask;

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
    // The caption keeps inside the outline and off the ring the normal
    // picture draws along it, so set that picture first.
    void setmaskpixmap(const QBitmap &mask);
    // The same with a mask already fitted to the button's current size.
    void setmaskpixmap(const FittedMask &fitted);
    // The mask as last fitted to the button; null before a mask was set.
    QBitmap maskpixmap() const;
    // The caption area: m pixels in from the left and right at the current size.
    void settextmargin(int m);
    // Where the caption is drawn.
    QRect textarea() const;
    // Where the caption's glyphs may lie: inside the outline and off the
    // ring along it; empty for a button without a mask.
    QRegion textroom() const;
    void setcentered(bool centered);
    // How the caption is aligned in the caption area.
    Qt::Alignment textalignment() const;
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
    QBitmap maskbitmap;
    QColor textcolor = Qt::black;
    QRect textrect;
    QRegion maskroom;
    bool centered = true;
    int state = Normal;
};

#endif
