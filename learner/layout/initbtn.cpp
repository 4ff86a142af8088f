#include "widget.h"
#include "ui_widget.h"

#include "buttonskin.h"
#include "qpushbuttonex.h"

#include <QMap>
#include <QVector>

namespace {

// Loads the set ":/<prefix>1.png" ... ":/<prefix>m.bmp" into the window's members.
ButtonSkin loadset(const QString &prefix, QPixmap &normal, QPixmap &hover, QPixmap &pressed,
                   QBitmap &mask)
{
    ButtonSkin set;
    set.load(QStringLiteral(":/") + prefix);
    normal = set.normal;
    hover = set.hover;
    pressed = set.pressed;
    mask = set.mask;
    return set;
}

// The question field's set: one picture for all three states.
ButtonSkin loadquestion(QPixmap &picture, QBitmap &mask)
{
    const QString path = QStringLiteral(":/s.png");
    ButtonSkin set;
    set.load(path, path, path, QStringLiteral(":/sm.bmp"));
    picture = set.normal;
    mask = set.mask;
    return set;
}

QString buttonname(int number)
{
    return number == 1 ? QStringLiteral("pushButton") : QStringLiteral("pushButton_%1").arg(number);
}

struct SkinnedButtons {
    ButtonSkin skin;
    QVector<int> buttons;
    bool centered = false; // centred caption set explicitly
};

} // namespace

void Widget::initbtn()
{
    // Sets in loading order, each with the numbers of the buttons it skins.
    const QVector<SkinnedButtons> sets = {
        {loadset(QStringLiteral("f2"), f21, f22, f23, f2m), {1, 2, 3, 28, 128, 104, 109, 33}},
        {loadset(QStringLiteral("f4"), f41, f42, f43, f4m), {48, 49, 46, 47, 50, 51, 108, 113}},
        {loadset(QStringLiteral("y2"), y21, y22, y23, y2m),
         {5, 8, 11, 14, 87, 90, 6, 10, 12, 15, 88, 91, 7, 9, 13, 16, 86, 89,
          19, 20, 21, 61, 22, 23, 26, 24, 25, 129, 27, 30, 42, 38, 41, 130, 39, 40,
          110, 103, 105, 131, 107, 111, 85, 81, 83, 132, 84, 82}},
        {loadset(QStringLiteral("y3"), y31, y32, y33, y3m),
         {29, 55, 62, 31, 63, 66, 57, 133, 34, 53, 54, 64, 35, 60, 65}},
        {loadset(QStringLiteral("px"), px1, px2, px3, pxm), {36, 37, 58, 59}, true},
        {loadset(QStringLiteral("q"), q1, q2, q3, qm),
         {56, 67, 68, 126, 127, 92, 4, 76, 32, 95, 96, 94, 93, 97, 98, 116, 117,
          99, 100, 118, 119, 101, 102, 120, 121, 106, 112, 122, 123, 114, 115, 124, 125}},
        {loadquestion(s, sm), {75}},
        {loadset(QStringLiteral("ljgd"), ljgd1, ljgd2, ljgd3, ljgdm), {17, 18, 70, 71, 72, 73, 74}},
        {loadset(QStringLiteral("zy"), zy1, zy2, zy3, zym), {69, 80, 43, 77, 44, 78, 45, 52, 79}},
    };

    // Buttons are skinned in the order of their numbers.
    QMap<int, const SkinnedButtons *> setof;
    for (const SkinnedButtons &set : sets) {
        for (int number : set.buttons)
            setof.insert(number, &set);
    }
    for (auto it = setof.cbegin(); it != setof.cend(); ++it) {
        auto *button = ui->stackedWidget->findChild<QPushButtonEx *>(buttonname(it.key()));
        if (it.value()->centered)
            button->setcentered(true);
        it.value()->skin.apply(button);
    }
}
