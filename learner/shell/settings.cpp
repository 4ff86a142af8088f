// The program settings beside the executable and the per-user settings
// beside each user file.

#include "widget.h"
#include "ui_widget.h"

#include "dialogframe.h"
#include "writefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

static QString programsettingspath()
{
    return QCoreApplication::applicationDirPath() + QDir::separator()
        + QFileInfo(QCoreApplication::applicationFilePath()).baseName() + QStringLiteral(".ini");
}

static QString slotkey(int k)
{
    return QStringLiteral("/usr/usr%1").arg(k);
}

void Widget::readprogramsettings()
{
    QSettings settings(programsettingspath(), QSettings::IniFormat);
    for (int k = 0; k < SlotCount; ++k)
        usrpaths[k] = settings.value(slotkey(k), QString()).toString();
    usrdefault = settings.value(QStringLiteral("/usr/default"), -1).toInt();
    defaultpath = settings.value(QStringLiteral("/sys/defaultpath"), QDir::homePath()).toString();
}

void Widget::writeprogramsettings() const
{
    QSettings settings(programsettingspath(), QSettings::IniFormat);
    for (int k = 0; k < SlotCount; ++k)
        settings.setValue(slotkey(k), usrpaths.at(k));
    settings.setValue(QStringLiteral("/usr/default"), usrdefault);
    settings.setValue(QStringLiteral("/sys/defaultpath"), defaultpath);
}

// Named after the user file's base name, so tom.zbu and tom.old.zbu share tom.ini.
QString Widget::usersettingspath() const
{
    const QFileInfo info(slotpath(usrdefault));
    return info.absolutePath() + QDir::separator() + info.baseName() + QStringLiteral(".ini");
}

// Range 1..count, or 0..0 when there is nothing to count.
static void setcountrange(QSpinBox *box, int count)
{
    if (count < 1)
        box->setRange(0, 0);
    else
        box->setRange(1, count);
}

template<typename Box>
struct Keyed {
    Box *box;
    const char *key;
};
using SpinKey = Keyed<QSpinBox>;
using CheckKey = Keyed<QCheckBox>;

// The plan-page spin boxes bound to the open textbook's counts.
static QList<SpinKey> bookspins(const Ui::Widget *ui)
{
    return {
        {ui->spinBox, "/spin/sval"},    {ui->spinBox_2, "/spin/s2val"},
        {ui->spinBox_3, "/spin/s3val"}, {ui->spinBox_4, "/spin/s4val"},
        {ui->spinBox_5, "/spin/s5val"}, {ui->spinBox_6, "/spin/s6val"},
        {ui->spinBox_7, "/spin/s7val"}, {ui->spinBox_9, "/spin/s9val"},
    };
}

// The eight planned review intervals, stages 1 and 2 in minutes, then days.
static QList<SpinKey> intervalspins(const Ui::Widget *ui)
{
    return {
        {ui->spinBox_14, "/spin/s14val"}, {ui->spinBox_15, "/spin/s15val"},
        {ui->spinBox_16, "/spin/s16val"}, {ui->spinBox_17, "/spin/s17val"},
        {ui->spinBox_18, "/spin/s18val"}, {ui->spinBox_19, "/spin/s19val"},
        {ui->spinBox_20, "/spin/s20val"}, {ui->spinBox_21, "/spin/s21val"},
    };
}
static const int IntervalDefaults[] = {20, 60, 1, 2, 5, 15, 30, 60};

static QList<CheckKey> sheet2checks(const Ui::Widget *ui)
{
    return {
        {ui->checkBox_2, "/sheet2/c2"},   {ui->checkBox_3, "/sheet2/c3"},
        {ui->checkBox_4, "/sheet2/c4"},   {ui->checkBox_11, "/sheet2/c11"},
        {ui->checkBox_12, "/sheet2/c12"},
    };
}

static void readspin(const QSettings &settings, const SpinKey &spin, int fallback)
{
    spin.box->setValue(settings.value(QLatin1String(spin.key), fallback).toInt());
}

static void readcheck(const QSettings &settings, const CheckKey &check)
{
    check.box->setChecked(settings.value(QLatin1String(check.key), false).toBool());
}

void Widget::loadspin()
{
    const bool hasbook = !user.getbookpath().isEmpty();
    ui->comboBox->clear();
    if (hasbook) {
        for (QSpinBox *box : {ui->spinBox, ui->spinBox_4, ui->spinBox_5})
            setcountrange(box, user.wordcount());
        for (QSpinBox *box : {ui->spinBox_2, ui->spinBox_3})
            setcountrange(box, user.phoneticcount());
        for (QSpinBox *box : {ui->spinBox_6, ui->spinBox_7})
            setcountrange(box, user.keycount());
        const int lessons = user.lessoncount();
        for (int i = 0; i < lessons; ++i)
            ui->comboBox->addItem(user.lessontitle(i));
        setcountrange(ui->spinBox_9, lessons);
    } else {
        for (const SpinKey &spin : bookspins(ui)) {
            spin.box->setRange(0, 0);
            spin.box->setValue(0);
        }
    }
    const QSettings settings(usersettingspath(), QSettings::IniFormat);
    if (hasbook) {
        for (const SpinKey &spin : bookspins(ui))
            readspin(settings, spin, 0);
    }
    const QList<SpinKey> intervals = intervalspins(ui);
    for (int i = 0; i < intervals.size(); ++i)
        readspin(settings, intervals.at(i), IntervalDefaults[i]);
}

void Widget::loadsheet2()
{
    {
        const QSettings settings(usersettingspath(), QSettings::IniFormat);
        for (const CheckKey &check : sheet2checks(ui))
            readcheck(settings, check);
        readspin(settings, {ui->spinBox_11, "/sheet2/s11"}, 2);
        readspin(settings, {ui->spinBox_12, "/sheet2/s12"}, 1);
    }
    placelabels({ui->label_33, ui->label_35, ui->label_36, ui->label_37, ui->label_41},
                ui->checkBox_12->isChecked());
}

void Widget::loadsheet3()
{
    {
        const QSettings settings(usersettingspath(), QSettings::IniFormat);
        readcheck(settings, {ui->checkBox_13, "/sheet3/c13"});
        readspin(settings, {ui->spinBox_13, "/sheet3/s13"}, 2);
    }
    placelabels({ui->label_45, ui->label_44, ui->label_42, ui->label_46, ui->label_43},
                ui->checkBox_13->isChecked());
}

// The five labels of a material panel: the three of the word, then the two of
// the sentence. The sentence layout puts the word on the right.
void Widget::placelabels(const QList<QLabel *> &labels, bool sentencelayout)
{
    struct Place {
        int x;
        int y;
        Qt::Alignment alignment;
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    const Place word[] = {{10, 60, left}, {10, 80, left}, {10, 100, left}, {190, 60, right}, {190, 90, right}};
    const Place sentence[] = {{430, 60, right}, {430, 80, right}, {430, 100, right}, {10, 60, left}, {10, 90, left}};
    const Place *places = sentencelayout ? sentence : word;
    for (int i = 0; i < labels.size(); ++i) {
        labels.at(i)->move(DialogFrame::scaled(scale, places[i].x), DialogFrame::scaled(scale, places[i].y));
        labels.at(i)->setAlignment(places[i].alignment);
    }
}

// Writes the per-user settings, then the user file; false when the user file
// could not be written.
bool Widget::saveuser()
{
    const QString path = slotpath(usrdefault);
    if (path.isEmpty())
        return false;
    saveusersettings();
    return user.save(path);
}

// QSettings rewrites a copy of the settings, the file's other keys with them,
// and the copy replaces the file whole; a failure leaves the file as it was
// and is not reported.
void Widget::saveusersettings()
{
    const QString path = usersettingspath();
    QByteArray kept;
    QFile old(path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return;
        kept = old.readAll();
    }
    SaveFile file(path);
    if (!file.write([&kept](QDataStream &out) { out.writeRawData(kept.constData(), kept.size()); }))
        return;
    {
        QSettings settings(file.temporary(), QSettings::IniFormat);
        for (const SpinKey &spin : bookspins(ui) + intervalspins(ui))
            settings.setValue(QLatin1String(spin.key), spin.box->value());
        for (const CheckKey &check : sheet2checks(ui))
            settings.setValue(QLatin1String(check.key), check.box->isChecked());
        settings.setValue(QStringLiteral("/sheet2/s11"), ui->spinBox_11->value());
        settings.setValue(QStringLiteral("/sheet2/s12"), ui->spinBox_12->value());
        settings.setValue(QStringLiteral("/sheet3/c13"), ui->checkBox_13->isChecked());
        settings.setValue(QStringLiteral("/sheet3/s13"), ui->spinBox_13->value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return;
    }
    file.commit();
}
