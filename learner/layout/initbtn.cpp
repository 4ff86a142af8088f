#include "widget.h"
#include "ui_widget.h"

#include "buttonskin.h"
#include "firstshow.h"
#include "qpushbuttonex.h"

#include <QMap>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

namespace {

QString buttonname(int number)
{
    return number == 1 ? QStringLiteral("pushButton") : QStringLiteral("pushButton_%1").arg(number);
}

// A skin set with the window's members it is decoded into, the first time
// one of its buttons is skinned.
struct SkinSet {
    SkinSet(const QStringList &paths, const QVector<QPixmap *> &pictures, QBitmap *mask,
            const QVector<int> &buttons, bool centered = false)
        : paths(paths), pictures(pictures), mask(mask), buttons(buttons), centered(centered)
    {
    }

    QStringList paths; // normal, hover, pressed, mask
    QVector<QPixmap *> pictures; // members for the normal, hover and pressed pictures
    QBitmap *mask;
    QVector<int> buttons;
    bool centered; // centred caption set explicitly
    ButtonSkin skin;
    bool decoded = false;

    const ButtonSkin &decode()
    {
        if (!decoded) {
            skin.load(paths.at(0), paths.at(1), paths.at(2), paths.at(3));
            *pictures.at(0) = skin.normal;
            *pictures.at(1) = skin.hover;
            *pictures.at(2) = skin.pressed;
            *mask = skin.mask;
            decoded = true;
        }
        return skin;
    }
};

} // namespace

void Widget::initbtn()
{
    // Sets in loading order, each with the numbers of the buttons it skins.
    const QString question = QStringLiteral(":/s.png");
    const auto sets = std::make_shared<std::vector<SkinSet>>(std::vector<SkinSet>{
        {ButtonSkin::setpaths(":/f2"), {&f21, &f22, &f23}, &f2m, {1, 2, 3, 28, 128, 104, 109, 33}},
        {ButtonSkin::setpaths(":/f4"), {&f41, &f42, &f43}, &f4m, {48, 49, 46, 47, 50, 51, 108, 113}},
        {ButtonSkin::setpaths(":/y2"), {&y21, &y22, &y23}, &y2m,
         {5, 8, 11, 14, 87, 90, 6, 10, 12, 15, 88, 91, 7, 9, 13, 16, 86, 89,
          19, 20, 21, 61, 22, 23, 26, 24, 25, 129, 27, 30, 42, 38, 41, 130, 39, 40,
          110, 103, 105, 131, 107, 111, 85, 81, 83, 132, 84, 82}},
        {ButtonSkin::setpaths(":/y3"), {&y31, &y32, &y33}, &y3m,
         {29, 55, 62, 31, 63, 66, 57, 133, 34, 53, 54, 64, 35, 60, 65}},
        {ButtonSkin::setpaths(":/px"), {&px1, &px2, &px3}, &pxm, {36, 37, 58, 59}, true},
        {ButtonSkin::setpaths(":/q"), {&q1, &q2, &q3}, &qm,
         {56, 67, 68, 126, 127, 92, 4, 76, 32, 95, 96, 94, 93, 97, 98, 116, 117,
          99, 100, 118, 119, 101, 102, 120, 121, 106, 112, 122, 123, 114, 115, 124, 125}},
        // The question field's set: one picture for all three states.
        {{question, question, question, QStringLiteral(":/sm.bmp")}, {&s, &s, &s}, &sm, {75}},
        {ButtonSkin::setpaths(":/ljgd"), {&ljgd1, &ljgd2, &ljgd3}, &ljgdm, {17, 18, 70, 71, 72, 73, 74}},
        {ButtonSkin::setpaths(":/zy"), {&zy1, &zy2, &zy3}, &zym, {69, 80, 43, 77, 44, 78, 45, 52, 79}},
    });

    // Buttons are skinned in the order of their numbers: those of the first
    // page now, the others, and the sets only they use, when first shown.
    QMap<int, int> setof;
    for (int set = 0; set < int(sets->size()); ++set) {
        for (int number : sets->at(set).buttons)
            setof.insert(number, set);
    }
    for (auto it = setof.cbegin(); it != setof.cend(); ++it) {
        auto *button = ui->stackedWidget->findChild<QPushButtonEx *>(buttonname(it.key()));
        if (sets->at(it.value()).centered)
            button->setcentered(true);
        const int set = it.value();
        FirstShow::run(button, [sets, set, button] { (*sets)[set].decode().apply(button); });
    }
}
