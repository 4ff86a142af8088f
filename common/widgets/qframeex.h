#ifndef QFRAMEEX_H
#define QFRAMEEX_H

#include <QFrame>
#include <QPixmap>

// A frame that paints its picture stretched over itself, frame lines included.
class QFrameEx : public QFrame
{
    Q_OBJECT

public:
    explicit QFrameEx(QWidget *parent = nullptr);
    ~QFrameEx() override;

    void setpixmap(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap pixmap;
};

#endif
