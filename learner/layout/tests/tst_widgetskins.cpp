#include "widget.h"

#include "bynameslot.h"
#include "skincheck.h"

#include <QtTest>

namespace {

const QStringList sets = {"f2", "f4", "y2", "y3", "px", "q", "s", "ljgd", "zy"};

} // namespace

class tst_WidgetSkins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void skins_data();
    void skins();
    void slotsBound_data();
    void slotsBound();
    void noOtherByNameSlots();

private:
    Widget *window = nullptr;
};

void tst_WidgetSkins::initTestCase()
{
    window = new Widget;
}

void tst_WidgetSkins::cleanupTestCase()
{
    delete window;
}

void tst_WidgetSkins::skins_data()
{
    const QMap<QString, QList<int>> buttons = {
        {"f2", {1, 2, 3, 28, 128, 104, 109, 33}},
        {"f4", {48, 49, 46, 47, 50, 51, 108, 113}},
        {"y2", {5, 8, 11, 14, 87, 90, 6, 10, 12, 15, 88, 91, 7, 9, 13, 16, 86, 89,
                19, 20, 21, 61, 22, 23, 26, 24, 25, 129, 27, 30, 42, 38, 41, 130, 39, 40,
                110, 103, 105, 131, 107, 111, 85, 81, 83, 132, 84, 82}},
        {"y3", {29, 55, 62, 31, 63, 66, 57, 133, 34, 53, 54, 64, 35, 60, 65}},
        {"px", {36, 37, 58, 59}},
        {"q", {56, 67, 68, 126, 127, 92, 4, 76, 32, 95, 96, 94, 93, 97, 98, 116, 117,
               99, 100, 118, 119, 101, 102, 120, 121, 106, 112, 122, 123, 114, 115, 124, 125}},
        {"s", {75}},
        {"ljgd", {17, 18, 70, 71, 72, 73, 74}},
        {"zy", {69, 80, 43, 77, 44, 78, 45, 52, 79}},
    };
    QMap<QString, QStringList> names;
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        for (int number : it.value())
            names[it.key()] << (number == 1 ? QString("pushButton") : QString("pushButton_%1").arg(number));
    }
    QVERIFY(skincheck::addrows(names, 133));
}

void tst_WidgetSkins::skins()
{
    QVERIFY(skincheck::checkrow(window, sets));
}

// Every slot of the window that the form binds by name, with its signature.
const char *const byname[] = {
    "on_checkBox_clicked()", "on_checkBox_2_clicked()", "on_checkBox_3_clicked()",
    "on_checkBox_5_clicked()", "on_checkBox_6_clicked()", "on_checkBox_7_clicked()",
    "on_checkBox_8_clicked()", "on_checkBox_9_clicked()", "on_checkBox_10_clicked()",
    "on_checkBox_11_clicked()", "on_checkBox_12_clicked()", "on_checkBox_13_clicked()",
    "on_checkBox_15_clicked()", "on_comboBox_currentIndexChanged(int)",
    "on_lineEdit_2_returnPressed()", "on_lineEdit_18_returnPressed()",
    "on_lineEdit_19_returnPressed()", "on_listWidget_currentRowChanged(int)",
    "on_listWidget_2_currentRowChanged(int)", "on_listWidget_3_currentRowChanged(int)",
    "on_listWidget_4_currentRowChanged(int)", "on_listWidget_5_currentRowChanged(int)",
    "on_listWidget_6_currentRowChanged(int)", "on_pushButton_clicked()",
    "on_pushButton_2_clicked()", "on_pushButton_3_clicked()", "on_pushButton_4_clicked()",
    "on_pushButton_5_clicked()", "on_pushButton_6_clicked()", "on_pushButton_7_clicked()",
    "on_pushButton_8_clicked()", "on_pushButton_9_clicked()", "on_pushButton_10_clicked()",
    "on_pushButton_11_clicked()", "on_pushButton_12_clicked()", "on_pushButton_13_clicked()",
    "on_pushButton_14_clicked()", "on_pushButton_15_clicked()", "on_pushButton_16_clicked()",
    "on_pushButton_17_clicked()", "on_pushButton_18_clicked()", "on_pushButton_19_clicked()",
    "on_pushButton_20_clicked()", "on_pushButton_21_clicked()", "on_pushButton_22_clicked()",
    "on_pushButton_23_clicked()", "on_pushButton_24_clicked()", "on_pushButton_25_clicked()",
    "on_pushButton_26_clicked()", "on_pushButton_27_clicked()", "on_pushButton_28_clicked()",
    "on_pushButton_29_clicked()", "on_pushButton_30_clicked()", "on_pushButton_31_clicked()",
    "on_pushButton_32_clicked()", "on_pushButton_33_clicked()", "on_pushButton_34_clicked()",
    "on_pushButton_35_clicked()", "on_pushButton_36_clicked()", "on_pushButton_37_clicked()",
    "on_pushButton_38_clicked()", "on_pushButton_39_clicked()", "on_pushButton_40_clicked()",
    "on_pushButton_41_clicked()", "on_pushButton_42_clicked()", "on_pushButton_43_clicked()",
    "on_pushButton_44_clicked()", "on_pushButton_45_clicked()", "on_pushButton_46_clicked()",
    "on_pushButton_47_clicked()", "on_pushButton_48_clicked()", "on_pushButton_49_clicked()",
    "on_pushButton_50_clicked()", "on_pushButton_51_clicked()", "on_pushButton_52_clicked()",
    "on_pushButton_53_clicked()", "on_pushButton_54_clicked()", "on_pushButton_55_clicked()",
    "on_pushButton_56_clicked()", "on_pushButton_57_clicked()", "on_pushButton_58_clicked()",
    "on_pushButton_59_clicked()", "on_pushButton_60_clicked()", "on_pushButton_61_clicked()",
    "on_pushButton_62_clicked()", "on_pushButton_63_clicked()", "on_pushButton_64_clicked()",
    "on_pushButton_65_clicked()", "on_pushButton_66_clicked()", "on_pushButton_67_clicked()",
    "on_pushButton_68_clicked()", "on_pushButton_69_clicked()", "on_pushButton_70_clicked()",
    "on_pushButton_71_clicked()", "on_pushButton_72_clicked()", "on_pushButton_73_clicked()",
    "on_pushButton_74_clicked()", "on_pushButton_76_clicked()", "on_pushButton_77_clicked()",
    "on_pushButton_78_clicked()", "on_pushButton_79_clicked()", "on_pushButton_80_clicked()",
    "on_pushButton_81_clicked()", "on_pushButton_82_clicked()", "on_pushButton_83_clicked()",
    "on_pushButton_84_clicked()", "on_pushButton_85_clicked()", "on_pushButton_86_clicked()",
    "on_pushButton_87_clicked()", "on_pushButton_88_clicked()", "on_pushButton_89_clicked()",
    "on_pushButton_90_clicked()", "on_pushButton_91_clicked()", "on_pushButton_92_clicked()",
    "on_pushButton_93_clicked()", "on_pushButton_94_clicked()", "on_pushButton_95_clicked()",
    "on_pushButton_96_clicked()", "on_pushButton_97_clicked()", "on_pushButton_98_clicked()",
    "on_pushButton_99_clicked()", "on_pushButton_100_clicked()", "on_pushButton_101_clicked()",
    "on_pushButton_102_clicked()", "on_pushButton_103_clicked()", "on_pushButton_104_clicked()",
    "on_pushButton_105_clicked()", "on_pushButton_106_clicked()", "on_pushButton_107_clicked()",
    "on_pushButton_108_clicked()", "on_pushButton_109_clicked()", "on_pushButton_110_clicked()",
    "on_pushButton_111_clicked()", "on_pushButton_112_clicked()", "on_pushButton_113_clicked()",
    "on_pushButton_114_clicked()", "on_pushButton_115_clicked()", "on_pushButton_116_clicked()",
    "on_pushButton_117_clicked()", "on_pushButton_118_clicked()", "on_pushButton_119_clicked()",
    "on_pushButton_120_clicked()", "on_pushButton_121_clicked()", "on_pushButton_122_clicked()",
    "on_pushButton_123_clicked()", "on_pushButton_124_clicked()", "on_pushButton_125_clicked()",
    "on_pushButton_126_clicked()", "on_pushButton_127_clicked()", "on_pushButton_128_clicked()",
    "on_pushButton_129_clicked()", "on_pushButton_130_clicked()", "on_pushButton_131_clicked()",
    "on_pushButton_132_clicked()", "on_pushButton_133_clicked()", "on_radioButton_3_clicked()",
    "on_radioButton_4_clicked()", "on_spinBox_9_valueChanged(int)",
    "on_stackedWidget_currentChanged(int)",
};

void tst_WidgetSkins::slotsBound_data()
{
    QTest::addColumn<QString>("signature");
    for (const char *signature : byname)
        QTest::newRow(signature) << QString::fromLatin1(signature);
    QCOMPARE(int(sizeof(byname) / sizeof(byname[0])), 159);
}

// The slot exists and the form connected it to the signal of the widget it names.
void tst_WidgetSkins::slotsBound()
{
    QFETCH(QString, signature);
    const QMetaObject *meta = window->metaObject();
    const int index = meta->indexOfSlot(qPrintable(signature));
    QVERIFY2(index >= 0, qPrintable("the window has no slot " + signature));
    const QMetaMethod slot = meta->method(index);
    const ByNameSlot bound(window, slot);
    QVERIFY2(bound.signal.isValid(), qPrintable(bound.fault));
    // A connection can only be taken apart when it exists; put it back afterwards.
    QVERIFY2(QObject::disconnect(bound.target, bound.signal, window, slot),
             qPrintable(signature + " is not connected to " + bound.target->objectName()));
    QVERIFY2(QObject::connect(bound.target, bound.signal, window, slot), "the slot could not be connected again");
}

// No slot named like a by-name slot is left outside the table.
void tst_WidgetSkins::noOtherByNameSlots()
{
    QSet<QString> listed;
    for (const char *signature : byname)
        listed.insert(QString::fromLatin1(signature));
    const QMetaObject *meta = window->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QString signature = QString::fromLatin1(method.methodSignature());
        if (method.methodType() == QMetaMethod::Slot && signature.startsWith("on_"))
            QVERIFY2(listed.contains(signature), qPrintable(signature + " is not a slot of the form"));
    }
}

QTEST_MAIN(tst_WidgetSkins)
#include "tst_widgetskins.moc"
