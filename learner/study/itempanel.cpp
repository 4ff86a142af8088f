// What the item pages share: the display picture, the banner, the reading
// of a sound n times, the difficulty label and an item's sound file.

#include "widget.h"
#include "ui_widget.h"

#include "pictures.h"

#include <QTimer>

void Widget::shownextpicture(int scene, QGraphicsView *view, QLabel *caption)
{
    const int k = picorder.getnext();
    QPixmap picture;
    bytespixmap(picture, user.showpic(k));
    showpicture(scene, view, picture, 200, 150);
    const QStringList texts = user.showtext(k);
    if (caption)
        caption->setText(texts.value(0));
    piclink = texts.value(1);
}

void Widget::shownextbanner(QFrameEx *frame)
{
    frame->setpixmap(*banner.getnext());
    adlink = banner.getlink();
}

void Widget::startrepeat(int times)
{
    repeatlist.clear();
    for (int i = 0; i < times; ++i)
        repeatlist.append(0);
    repeatpos = 0;
    repeatdone = false;
    player.playindex(repeatlist.value(0));
}

// The read-aloud in progress ends; the sounds stay loaded.
void Widget::endrepeat()
{
    player.stop();
    repeatpos = -1;
    repeatlist.clear();
    repeatdone = true;
}

void Widget::resetrepeat()
{
    endrepeat();
    jgtimer->stop();
    player.clearsounds();
}

void Widget::learnrepeat()
{
    startrepeat(ui->spinBox_11->value());
}

void Widget::reviewrepeat()
{
    startrepeat(ui->spinBox_13->value());
}

QString Widget::difficultytext(int value)
{
    return QStringLiteral("难度系数：") + QString::number(value);
}

bool Widget::hassentence(const QStringList &item)
{
    return item.size() >= 7;
}

QString Widget::soundname(const QStringList &item, int k)
{
    const QString stored = item.value(k);
    const int folder = qMax(stored.lastIndexOf(QLatin1Char('/')), stored.lastIndexOf(QLatin1Char('\\')));
    const QString name = stored.mid(folder + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

bool Widget::loaditemsound(const QStringList &item, int k)
{
    const QString name = soundname(item, k);
    return loadmaterial(name.isEmpty() ? QString() : materialpath(name),
                        QStringLiteral("素材不存在：") + item.value(k));
}
