#ifndef BUTTONSKIN_H
#define BUTTONSKIN_H

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <functional>

// One skin set of a picture button: its outline and its colours. The outline is
// given in the picture's own rectangle, so pictures and masks of different sizes
// match once both are stretched over the same button.
class ButtonSkin
{
public:
    enum State { Normal, Hover, Pressed, Field };
    using Shape = std::function<QPainterPath(const QRectF&)>;

    ButtonSkin(Shape shape, QColor face, QColor line);

    QImage picture(State state, const QSize& size) const;
    QImage mask(const QSize& size) const;

    static QPainterPath rounded(const QRectF& r, qreal xradius, qreal yradius);
    static QPainterPath ellipse(const QRectF& r);
    static QPainterPath chamfered(const QRectF& r, qreal xcut, qreal ycut);
    static QPainterPath arrowTag(const QRectF& r);

private:
    void paintFace(QPainter& p, State state, const QRectF& r) const;
    void paintGloss(QPainter& p, const QRectF& r, qreal line) const;
    void paintInset(QPainter& p, const QPainterPath& path, qreal line) const;

    Shape shape;
    QColor face;
    QColor line;
};

#endif
