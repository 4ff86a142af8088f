// The program settings beside the executable: the material folder, the
// chooser's start folder and the encoder. Read once at start, written at exit.

#include "widget.h"
#include "ui_widget.h"

#include "lameencoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString MaterialKey = QStringLiteral("/位置/素材");
const QString LastFolderKey = QStringLiteral("/位置/缺省");
const QString LameKey = QStringLiteral("/pos/lame");

QString settingspath()
{
    return QCoreApplication::applicationDirPath() + QDir::separator()
        + QFileInfo(QCoreApplication::applicationFilePath()).baseName() + QStringLiteral(".ini");
}

} // namespace

void Widget::readsettings()
{
    QSettings settings(settingspath(), QSettings::IniFormat);
    // UTF-8 both ways, so that folders with Chinese names come back intact in the next run.
    settings.setIniCodec("UTF-8");
    ui->label_sucaiweizhi->setText(settings.value(MaterialKey, QDir::homePath()).toString());
    lamepath = settings.value(LameKey, lameencoder::standard()).toString();
    lastfolder = settings.value(LastFolderKey, QDir::homePath()).toString();
}

void Widget::writesettings() const
{
    QSettings settings(settingspath(), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    settings.setValue(MaterialKey, ui->label_sucaiweizhi->text());
    settings.setValue(LastFolderKey, lastfolder);
    settings.setValue(LameKey, lamepath);
}
