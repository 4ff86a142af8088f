#ifndef BANNER_H
#define BANNER_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

// A default banner: letter tiles on the left, a heading and a line of text,
// and the top-right corner kept plain for the button that lies there.
class Banner
{
public:
    Banner(const QString& heading, const QString& line, const QStringList& tiles, QColor tint);

    QImage draw(const QSize& size) const;

private:
    void paintGround(QPainter& p, const QSizeF& size) const;
    void paintTiles(QPainter& p, const QSizeF& size) const;
    void paintText(QPainter& p, const QSizeF& size) const;

    QString heading;
    QString line;
    QStringList tiles;
    QColor tint;
};

#endif
