#include "bookmakerfiles.h"
#include "bynameslot.h"
#include "qpushbuttonex.h"
#include "skincheck.h"
#include "widget.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList sets = {"f2", "q", "zy", "ljgd"};

QStringList numbered(const QString &stem, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << (i == 1 ? stem : stem + QStringLiteral("_%1").arg(i));
    return names;
}

} // namespace

class tst_BookmakerSkins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void skins_data();
    void skins();
    void everyButtonSkinned();
    void slotsFindTheirWidgets();

private:
    QTemporaryDir dir;
    Widget *window = nullptr;
};

void tst_BookmakerSkins::initTestCase()
{
    bookmakerfiles::setmaterial(dir.path());
    window = new Widget;
}

void tst_BookmakerSkins::cleanupTestCase()
{
    delete window;
    QFile::remove(bookmakerfiles::settingspath());
}

void tst_BookmakerSkins::skins_data()
{
    const QMap<QString, QStringList> buttons = {
        {"q", numbered("pushButton", 1, 16) + numbered("pushButton", 18, 31) + numbered("pushButton", 40, 45)
                  + numbered("pushButton_bangzhu", 1, 6) + numbered("pushButton_tuichu", 1, 6)},
        {"f2", {"pushButton_genggaisucai", "pushButton_xuantu", "pushButton_shantu", "pushButton_baocun",
                "pushButton_xuantu_2", "pushButton_shantu_2", "pushButton_baocun_2", "pushButton_zhiding",
                "pushButton_zidongzhiding", "pushButton_quxiaozhiding", "pushButton_xiayigedanci",
                "pushButton_17", "pushButton_shanchukewen", "pushButton_xinjianorguanlian", "pushButton_32",
                "pushButton_34", "pushButton_35", "pushButton_46", "pushButton_153", "pushButton_154",
                "pushButton_155", "pushButton_156"}},
        {"zy", {"pushButton_shengchengxiangmu", "pushButton_qingchuxiangmu", "pushButton_wancheng_3",
                "pushButton_wancheng_2", "pushButton_wancheng", "pushButton_jiaru", "pushButton_quchu",
                "pushButton_wancheng_4", "pushButton_33", "pushButton_37", "pushButton_149",
                "pushButton_baocun_4", "pushButton_baocun_7", "pushButton_wancheng_5", "pushButton_150",
                "pushButton_151", "pushButton_152", "pushButton_baocun_6", "pushButton_baocun_8"}},
        {"ljgd", {"pushButton_75", "pushButton_76", "pushButton_77", "pushButton_74", "pushButton_78",
                  "pushButton_80"}},
    };
    QVERIFY(skincheck::addrows(buttons, 95));
}

void tst_BookmakerSkins::skins()
{
    QVERIFY(skincheck::checkrow(window, sets));
}

// No picture button is left plain, and only picture buttons carry outlines.
void tst_BookmakerSkins::everyButtonSkinned()
{
    const QList<QPushButtonEx *> buttons = window->findChildren<QPushButtonEx *>();
    QCOMPARE(buttons.size(), 95);
    for (QPushButtonEx *button : buttons)
        QVERIFY2(!button->mask().isEmpty(), qPrintable(button->objectName() + " is plain"));
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QPushButtonEx *>(widget))
            QVERIFY2(widget->mask().isEmpty(), qPrintable(widget->objectName() + " has an outline"));
    }
}

// Every slot named after a widget finds that widget and its signal.
void tst_BookmakerSkins::slotsFindTheirWidgets()
{
    const QMetaObject *meta = window->metaObject();
    int count = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QString signature = QString::fromLatin1(slot.methodSignature());
        if (slot.methodType() != QMetaMethod::Slot || !signature.startsWith("on_"))
            continue;
        const ByNameSlot bound(window, slot);
        QVERIFY2(bound.signal.isValid(), qPrintable(bound.fault));
        ++count;
    }
    QVERIFY2(count > 0, "the window has no slots bound by name");
}

QTEST_MAIN(tst_BookmakerSkins)
#include "tst_bookmakerskins.moc"
