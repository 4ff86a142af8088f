#include "widget.h"

#include "qpushbuttonex.h"
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
    void slotsFindTheirWidgets();

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
    QTest::addColumn<QString>("set");

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
    QMap<int, QString> setof;
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it) {
        for (int number : it.value()) {
            QVERIFY2(!setof.contains(number), qPrintable(QString("button %1 twice").arg(number)));
            setof.insert(number, it.key());
        }
    }
    QCOMPARE(setof.size(), 133);
    for (auto it = setof.cbegin(); it != setof.cend(); ++it) {
        const QString name = it.key() == 1 ? QString("pushButton")
                                           : QString("pushButton_%1").arg(it.key());
        QTest::newRow(qPrintable(name)) << it.value();
    }
}

void tst_WidgetSkins::skins()
{
    QFETCH(QString, set);
    auto *button = window->findChild<QPushButtonEx *>(QTest::currentDataTag());
    QVERIFY2(button, QTest::currentDataTag());
    const QString fault = skincheck::fault(button, set, sets);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void tst_WidgetSkins::slotsFindTheirWidgets()
{
    const QMetaObject *meta = window->metaObject();
    int bound = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QString signature = QString::fromLatin1(slot.methodSignature());
        if (slot.methodType() != QMetaMethod::Slot || !signature.startsWith("on_"))
            continue;
        const QString name = QString::fromLatin1(slot.name());
        const int split = name.lastIndexOf('_');
        const QString object = name.mid(3, split - 3);
        const QString signal = name.mid(split + 1) + signature.mid(signature.indexOf('('));
        QObject *target = window->findChild<QObject *>(object);
        QVERIFY2(target, qPrintable(signature + ": no widget " + object));
        QVERIFY2(target->metaObject()->indexOfSignal(qPrintable(signal)) >= 0,
                 qPrintable(signature + ": " + object + " has no signal " + signal));
        ++bound;
    }
    QVERIFY2(bound > 0, "the window has no slots bound by name");
}

QTEST_MAIN(tst_WidgetSkins)
#include "tst_widgetskins.moc"
