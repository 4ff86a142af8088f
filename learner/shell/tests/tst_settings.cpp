#include "endedsave.h"
#include "testfiles.h"
#include "widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

using testfiles::readini;

class tst_settings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firststart();
    void current_data();
    void current();
    void newuser();
    void nobook();
    void roundtrip();
    void leftoversremoved();
    void clamped();
    void sharedbasename();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    // Starts the window with one user in slot 1 and logs that user in.
    Widget *login(const QString &userfile);
    template<typename T>
    T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }

    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<Widget> window;
};

void tst_settings::init()
{
    dir.reset(new QTemporaryDir);
    QFile::remove(testfiles::programsettings());
}

void tst_settings::cleanup()
{
    window.reset();
    QFile::remove(testfiles::programsettings());
}

Widget *tst_settings::login(const QString &userfile)
{
    testfiles::setprogram({userfile}, 0, dir->path());
    window.reset(new Widget);
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    find<QPushButton>("pushButton_2")->click();
    return window.data();
}

void tst_settings::firststart()
{
    window.reset(new Widget);
    QCOMPARE(find<QStackedWidget>("stackedWidget")->currentIndex(), 0);
    QVERIFY2(find<QLabel>("label_5")->text().isEmpty(), "someone was preselected");
    window.reset();
    const QMap<QString, QString> ini = readini(testfiles::programsettings());
    for (int k = 0; k < 6; ++k)
        QVERIFY2(ini.value(QStringLiteral("usr/usr%1").arg(k), QStringLiteral("missing")).isEmpty(),
                 qPrintable(QStringLiteral("slot %1 was not written empty").arg(k)));
    QCOMPARE(ini.value(QStringLiteral("usr/default")), QStringLiteral("-1"));
    QCOMPARE(ini.value(QStringLiteral("sys/defaultpath")), QDir::homePath());
}

void tst_settings::current_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("shown");

    QTest::newRow("filled slot") << 1 << "1" << QStringLiteral("李雷");
    QTest::newRow("empty slot") << 2 << "-1" << QString();
    QTest::newRow("out of range") << 7 << "7" << QString();
    QTest::newRow("negative") << -5 << "-5" << QString();
}

void tst_settings::current()
{
    QFETCH(int, stored);
    QFETCH(QString, written);
    QFETCH(QString, shown);
    QVERIFY(testfiles::writeuser(path("a.zbu"), QStringLiteral("韩梅梅"), QStringLiteral("pw")));
    QVERIFY(testfiles::writeuser(path("b.zbu"), QStringLiteral("李雷"), QStringLiteral("pw")));
    testfiles::setprogram({path("a.zbu"), path("b.zbu"), QString()}, stored, dir->path());
    window.reset(new Widget);
    QCOMPARE(find<QLabel>("label_5")->text(), shown);
    window.reset();
    const QMap<QString, QString> ini = readini(testfiles::programsettings());
    QCOMPARE(ini.value(QStringLiteral("usr/default")), written);
    QCOMPARE(ini.value(QStringLiteral("sys/defaultpath")), dir->path());
    QCOMPARE(ini.value(QStringLiteral("usr/usr0")), path("a.zbu"));
    QCOMPARE(ini.value(QStringLiteral("usr/usr1")), path("b.zbu"));
}

// First login with a textbook of 30 words, no knowledge entries and 3 lessons.
void tst_settings::newuser()
{
    QVERIFY(testfiles::writereader(path("tom.zbu"), QStringLiteral("Tom")));
    login(path("tom.zbu"));
    QCOMPARE(find<QStackedWidget>("stackedWidget")->currentIndex(), 1);

    for (const char *name : {"spinBox", "spinBox_4", "spinBox_5"}) {
        auto *box = find<QSpinBox>(name);
        QVERIFY2(box->minimum() == 1 && box->maximum() == 30 && box->value() == 1,
                 qPrintable(QLatin1String("wrong range or value of ") + name));
    }
    for (const char *name : {"spinBox_2", "spinBox_3", "spinBox_6", "spinBox_7"}) {
        auto *box = find<QSpinBox>(name);
        QVERIFY2(box->minimum() == 0 && box->maximum() == 0 && box->value() == 0,
                 qPrintable(QLatin1String("wrong range or value of ") + name));
    }
    auto *lesson = find<QSpinBox>("spinBox_9");
    QVERIFY2(lesson->minimum() == 1 && lesson->maximum() == 3, "wrong lesson range");
    auto *titles = find<QComboBox>("comboBox");
    QCOMPARE(titles->count(), 3);
    QCOMPARE(titles->itemText(2), QStringLiteral("第3课"));
    const int intervals[] = {20, 60, 1, 2, 5, 15, 30, 60};
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "spinBox_" + QByteArray::number(14 + i);
        QVERIFY2(find<QSpinBox>(name.constData())->value() == intervals[i], ("wrong interval in " + name).constData());
    }
}

void tst_settings::nobook()
{
    QVERIFY(testfiles::writeuser(path("amy.zbu"), QStringLiteral("Amy"), QStringLiteral("pw")));
    testfiles::writesettings(path("amy.ini"), {{"/spin/sval", 12}, {"/spin/s14val", 45}, {"/spin/s21val", 90}});
    login(path("amy.zbu"));
    QCOMPARE(find<QStackedWidget>("stackedWidget")->currentIndex(), 1);
    for (const char *name : {"spinBox", "spinBox_2", "spinBox_3", "spinBox_4", "spinBox_5",
                             "spinBox_6", "spinBox_7", "spinBox_9"}) {
        auto *box = find<QSpinBox>(name);
        QVERIFY2(box->maximum() == 0 && box->value() == 0,
                 qPrintable(QLatin1String("wrong range or value of ") + name));
    }
    QCOMPARE(find<QComboBox>("comboBox")->count(), 0);
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 45);
    QCOMPARE(find<QSpinBox>("spinBox_15")->value(), 60);
    QCOMPARE(find<QSpinBox>("spinBox_21")->value(), 90);
}

// What the plan and option widgets held at logout is what the next login shows,
// and the file holds every key another program would look for.
void tst_settings::roundtrip()
{
    QVERIFY(testfiles::writereader(path("tom.zbu"), QStringLiteral("Tom")));
    login(path("tom.zbu"));
    find<QSpinBox>("spinBox")->setValue(7);
    find<QSpinBox>("spinBox_5")->setValue(25);
    find<QSpinBox>("spinBox_9")->setValue(2);
    for (int i = 0; i < 8; ++i)
        find<QSpinBox>(("spinBox_" + QByteArray::number(14 + i)).constData())->setValue(100 + i);
    find<QCheckBox>("checkBox_2")->setChecked(true);
    find<QCheckBox>("checkBox_12")->setChecked(true);
    find<QCheckBox>("checkBox_13")->setChecked(true);
    find<QSpinBox>("spinBox_13")->setValue(4);
    find<QSpinBox>("spinBox_11")->setValue(3);
    find<QSpinBox>("spinBox_12")->setValue(5);
    find<QPushButton>("pushButton_4")->click();
    QCOMPARE(find<QStackedWidget>("stackedWidget")->currentIndex(), 0);

    const QMap<QString, QString> ini = readini(path("tom.ini"));
    const QMap<QString, QString> expected = {
        {"spin/sval", "7"},      {"spin/s2val", "0"},     {"spin/s3val", "0"},     {"spin/s4val", "1"},
        {"spin/s5val", "25"},    {"spin/s6val", "0"},     {"spin/s7val", "0"},     {"spin/s9val", "2"},
        {"spin/s14val", "100"},  {"spin/s15val", "101"},  {"spin/s16val", "102"},  {"spin/s17val", "103"},
        {"spin/s18val", "104"},  {"spin/s19val", "105"},  {"spin/s20val", "106"},  {"spin/s21val", "107"},
        {"sheet2/c2", "true"},   {"sheet2/c3", "false"},  {"sheet2/c4", "false"},  {"sheet2/c11", "false"},
        {"sheet2/c12", "true"},  {"sheet2/s11", "3"},     {"sheet2/s12", "5"},     {"sheet3/c13", "true"},
        {"sheet3/s13", "4"},
    };
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(ini.value(it.key()) == it.value(),
                 qPrintable(it.key() + " = " + ini.value(it.key()) + ", expected " + it.value()));
    QCOMPARE(ini.size(), expected.size());

    find<QSpinBox>("spinBox")->setValue(1);
    find<QSpinBox>("spinBox_14")->setValue(20);
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    find<QPushButton>("pushButton_2")->click();
    QCOMPARE(find<QSpinBox>("spinBox")->value(), 7);
    QCOMPARE(find<QSpinBox>("spinBox_9")->value(), 2);
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 100);
    QCOMPARE(find<QSpinBox>("spinBox_21")->value(), 107);
}

// Temporaries that interrupted saves of the user file or its settings left
// go at the next save once their writer has ended; the user's copies stay.
void tst_settings::leftoversremoved()
{
    QVERIFY(testfiles::writereader(path("tom.zbu"), QStringLiteral("Tom")));
    const QStringList planted = {endedsave("tom.zbu"), endedsave("tom.ini"),
                                 endedsave("tom.ini", ".lock")};
    const QStringList copies = {"tom.zbu.Ab12Cd", "tom.ini.Ef34Gh", "tom.ini.backup", "tom.zbu.old001"};
    for (const QString &name : planted + copies)
        QVERIFY2(testfiles::writeall(path(name), "x"), "could not plant a file");
    login(path("tom.zbu"));
    for (const QString &name : planted)
        QVERIFY2(testfiles::writeall(path(name), "x"), "could not plant again after the login");
    find<QPushButton>("pushButton_4")->click();
    QVERIFY2(QFile::exists(path("tom.ini")), "the settings were not saved");
    for (const QString &name : planted)
        QVERIFY2(!QFile::exists(path(name)), qPrintable(name + " stayed after the save"));
    for (const QString &name : copies)
        QVERIFY2(testfiles::readall(path(name)) == "x", qPrintable(name + ", a user's copy, was not kept"));
    const QStringList left = QDir(dir->path()).entryList({".tom*"}, QDir::Files | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable("the save left " + left.join(' ')));
}

void tst_settings::clamped()
{
    QVERIFY(testfiles::writereader(path("tom.zbu"), QStringLiteral("Tom")));
    testfiles::writesettings(path("tom.ini"),
                             {{"/spin/sval", 500}, {"/spin/s9val", -3}, {"/spin/s14val", QStringLiteral("garbage")}});
    login(path("tom.zbu"));
    QCOMPARE(find<QSpinBox>("spinBox")->value(), 30);
    QCOMPARE(find<QSpinBox>("spinBox_9")->value(), 1);
    QCOMPARE(find<QSpinBox>("spinBox_14")->value(), 1);
}

// tom.zbu and tom.old.zbu share tom.ini.
void tst_settings::sharedbasename()
{
    QVERIFY(testfiles::writeuser(path("tom.old.zbu"), QStringLiteral("Tom"), QStringLiteral("pw")));
    testfiles::writesettings(path("tom.ini"), {{"/spin/s15val", 77}});
    login(path("tom.old.zbu"));
    QCOMPARE(find<QSpinBox>("spinBox_15")->value(), 77);
    window.reset();
    QCOMPARE(readini(path("tom.ini")).value(QStringLiteral("spin/s15val")), QStringLiteral("77"));
    QVERIFY2(!QFile::exists(path("tom.old.ini")), "a settings file of its own was written");
}

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
