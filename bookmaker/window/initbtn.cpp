#include "widget.h"
#include "ui_widget.h"

#include "firstshow.h"
#include "qpushbuttonex.h"

// Dresses every picture button of the form with its skin set: those of the
// first page now, the others when first shown. Runs after the screen fit:
// masks and margins take each button's size then. A set is decoded when
// its first button is dressed.
void Widget::initbtn()
{
    struct SkinnedButtons {
        ButtonSkin *skin;
        QString prefix;
        QList<QPushButtonEx *> buttons;
    };
    const QList<SkinnedButtons> sets = {
        {&q, QStringLiteral(":/q"),
         {ui->pushButton, ui->pushButton_2, ui->pushButton_3, ui->pushButton_4, ui->pushButton_5,
          ui->pushButton_6, ui->pushButton_7, ui->pushButton_8, ui->pushButton_9, ui->pushButton_10,
          ui->pushButton_11, ui->pushButton_12, ui->pushButton_13, ui->pushButton_14, ui->pushButton_15,
          ui->pushButton_16, ui->pushButton_18, ui->pushButton_19, ui->pushButton_20, ui->pushButton_21,
          ui->pushButton_22, ui->pushButton_23, ui->pushButton_24, ui->pushButton_25, ui->pushButton_26,
          ui->pushButton_27, ui->pushButton_28, ui->pushButton_29, ui->pushButton_30, ui->pushButton_31,
          ui->pushButton_40, ui->pushButton_41, ui->pushButton_42, ui->pushButton_43, ui->pushButton_44,
          ui->pushButton_45, ui->pushButton_bangzhu, ui->pushButton_bangzhu_2, ui->pushButton_bangzhu_3,
          ui->pushButton_bangzhu_4, ui->pushButton_bangzhu_5, ui->pushButton_bangzhu_6,
          ui->pushButton_tuichu, ui->pushButton_tuichu_2, ui->pushButton_tuichu_3, ui->pushButton_tuichu_4,
          ui->pushButton_tuichu_5, ui->pushButton_tuichu_6}},
        {&f2, QStringLiteral(":/f2"),
         {ui->pushButton_genggaisucai, ui->pushButton_xuantu, ui->pushButton_shantu, ui->pushButton_baocun,
          ui->pushButton_xuantu_2, ui->pushButton_shantu_2, ui->pushButton_baocun_2, ui->pushButton_zhiding,
          ui->pushButton_zidongzhiding, ui->pushButton_quxiaozhiding, ui->pushButton_xiayigedanci,
          ui->pushButton_17, ui->pushButton_shanchukewen, ui->pushButton_xinjianorguanlian,
          ui->pushButton_32, ui->pushButton_34, ui->pushButton_35, ui->pushButton_46, ui->pushButton_153,
          ui->pushButton_154, ui->pushButton_155, ui->pushButton_156}},
        {&zy, QStringLiteral(":/zy"),
         {ui->pushButton_shengchengxiangmu, ui->pushButton_qingchuxiangmu, ui->pushButton_wancheng_3,
          ui->pushButton_wancheng_2, ui->pushButton_wancheng, ui->pushButton_jiaru, ui->pushButton_quchu,
          ui->pushButton_wancheng_4, ui->pushButton_33, ui->pushButton_37, ui->pushButton_149,
          ui->pushButton_baocun_4, ui->pushButton_baocun_7, ui->pushButton_wancheng_5, ui->pushButton_150,
          ui->pushButton_151, ui->pushButton_152, ui->pushButton_baocun_6, ui->pushButton_baocun_8}},
        {&ljgd, QStringLiteral(":/ljgd"),
         {ui->pushButton_75, ui->pushButton_76, ui->pushButton_77, ui->pushButton_74, ui->pushButton_78,
          ui->pushButton_80}},
    };
    for (const SkinnedButtons &set : sets) {
        ButtonSkin *skin = set.skin;
        const QString prefix = set.prefix;
        for (QPushButtonEx *button : set.buttons) {
            FirstShow::run(button, [skin, prefix, button] {
                if (skin->normal.isNull())
                    skin->load(prefix);
                skin->apply(button);
            });
        }
    }
}
