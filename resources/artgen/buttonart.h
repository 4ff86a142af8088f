#ifndef BUTTONART_H
#define BUTTONART_H

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <functional>

// One skin set of a picture button: its outline and its colours. The outline is
// given in the picture's own rectangle, so pictures and masks of different sizes
// match once both are stretched over the same button.
class ButtonArt
{
public:
    enum State { Normal, Hover, Pressed, Field };
    using Shape = std::function<QPainterPath(const QRectF&)>;

    ButtonArt(Shape shape, QColor face, QColor line);

    // Outline thickness as a share of the smaller side; the left and right
    // parts can be thinner for pictures that are mostly stretched sideways.
    ButtonArt& outline(qreal weight, qreal sides = 1.0);
    // The hover picture carries a small lamp: it also marks a locked key.
    ButtonArt& lamp();
    // A darker lower side, as on a key cap.
    ButtonArt& keyCap();

    QImage picture(State state, const QSize& size) const;
    QImage mask(const QSize& size) const;

    static QPainterPath rounded(const QRectF& r, qreal xradius, qreal yradius);
    static QPainterPath ellipse(const QRectF& r);
    static QPainterPath chamfered(const QRectF& r, qreal xcut, qreal ycut);
    static QPainterPath arrowTag(const QRectF& r);

private:
    void paintFace(QPainter& p, State state, const QRectF& r) const;
    void paintGloss(QPainter& p, const QRectF& inner) const;
    void paintInset(QPainter& p, const QPainterPath& path, qreal line) const;
    void paintLamp(QPainter& p, const QRectF& inner) const;
    void paintLip(QPainter& p, State state, const QRectF& inner) const;

    Shape shape;
    QColor face;
    QColor line;
    qreal weight = 0.065;
    qreal sides = 1.0;
    bool withLamp = false;
    bool withLip = false;
};

#endif
