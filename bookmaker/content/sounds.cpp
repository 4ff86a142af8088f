// Each row's sound: copied in from an MP3 file or recorded through the
// microphone and encoded by the outside encoder lame.

#include "widget.h"
#include "ui_widget.h"

#include "fd_dialog.h"
#include "lameencoder.h"
#include "mp3file.h"

#include <QFile>

namespace {
const QString Idle = QStringLiteral("录音");
const QString Recording = QStringLiteral("停止");
const QString Encoding = QStringLiteral("转换中");
} // namespace

// The record button's caption tells whether its page records.
const MRecord &Widget::recorder() const
{
    return record;
}

bool Widget::isrecording(bool words) const
{
    return itempage(words).record->text() == Recording;
}

void Widget::findlame()
{
    if (!lamepath.isEmpty() && !QFile::exists(lamepath))
        lamepath.clear();
    if (!lamepath.isEmpty())
        return;
    QString chosen;
    fd_Dialog chooser(this);
    chooser.path = lastfolder;
    chooser.showfile = false;
    chooser.setext(QStringLiteral("*"));
    chooser.settitle(QStringLiteral("Zivozedozar（素材）：请选择lame所在的文件夹"));
    chooser.result = &chosen;
    chooser.showdlg(scale, fontsize);
    if (chosen.isEmpty()) {
        showmessage(QStringLiteral("需要使用lame才能录音"));
        return;
    }
    lamepath = lameencoder::infolder(chosen);
    if (lamepath.isEmpty())
        showmessage(QStringLiteral("所选位置没有lame,将无法录音"));
}

// Starts a capture for the current row, or stops the running one and encodes
// it into the MP3 file of the row it was started on.
void Widget::recordsound(bool words)
{
    const ItemPage page = itempage(words);
    if (encoder.running())
        return;
    if (record.name().isEmpty()) {
        const int row = page.list->currentRow();
        if (row < 0)
            return;
        findlame();
        if (lamepath.isEmpty())
            return;
        if (!record.start(soundfile(words, row))) {
            showmessage(record.error());
            return;
        }
        page.record->setText(Recording);
        updatesoundbuttons(words);
        return;
    }

    const QString target = record.name();
    const bool captured = record.stop();
    page.record->setText(Idle);
    updatesoundbuttons(words);
    if (!captured) {
        showmessage(record.error());
        return;
    }
    findlame();
    if (!lamepath.isEmpty())
        encode(words, target);
}

// Runs the encoder on the capture while the window goes on; the record button
// says so meanwhile. Only a real MP3 is kept as the row's sound.
void Widget::encode(bool words, const QString &target)
{
    const ItemPage page = itempage(words);
    page.record->setText(Encoding);
    page.record->setEnabled(false);
    encoder.setcmd(lamepath, record.encoderargs(target));
    const bool encoded = encoder.execute() && mp3file::valid(target);
    page.record->setText(Idle);
    page.record->setEnabled(true);
    if (!encoded) {
        QFile::remove(target);
        if (!encoder.cancelled())
            showmessage(QStringLiteral("lame没能把录音转换成MP3文件"));
    }
    updatesoundbuttons(words);
}

// An existing sound file is never overwritten.
void Widget::importsound(bool words)
{
    QString chosen;
    fd_Dialog chooser(this);
    chooser.path = lastfolder;
    chooser.showfile = true;
    chooser.setext(QStringLiteral("mp3"));
    chooser.result = &chosen;
    chooser.showdlg(scale, fontsize);
    const int row = itempage(words).list->currentRow();
    if (chosen.isEmpty() || row < 0)
        return;
    QFile::copy(chosen, soundfile(words, row));
    updatesoundbuttons(words);
}

void Widget::on_pushButton_32_clicked()
{
    recordsound(true);
}

void Widget::on_pushButton_155_clicked()
{
    recordsound(false);
}

void Widget::on_pushButton_46_clicked()
{
    importsound(true);
}

void Widget::on_pushButton_156_clicked()
{
    importsound(false);
}
