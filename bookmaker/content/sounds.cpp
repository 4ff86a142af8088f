// Each row's sound: copied in from an MP3 file or recorded through the
// microphone and encoded by the outside encoder lame.

#include "widget.h"
#include "ui_widget.h"

#include "fd_dialog.h"
#include "lameencoder.h"
#include "mp3file.h"

#include <QFile>
#include <QGuiApplication>

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
// says so meanwhile. The encoder writes a file of its own, and only a checked
// copy of it becomes the row's sound, one that no encoder process can still
// write. Nothing else records, imports or generates while it runs.
void Widget::encode(bool words, const QString &target)
{
    const QString output = encoder.makeoutput();
    if (output.isEmpty()) {
        showmessage(QStringLiteral("lame没能把录音转换成MP3文件"));
        return;
    }
    encodingtarget = target;
    itempage(words).record->setText(Encoding);
    updatesoundbuttons(true);
    updatesoundbuttons(false);
    encoder.setcmd(lamepath, record.encoderargs(output));
    encoder.start();
}

void Widget::encodingended(bool succeeded)
{
    const bool words = itempage(true).record->text() == Encoding;
    const bool kept = succeeded && mp3file::keep(encoder.output(), encodingtarget);
    encodingtarget.clear();
    itempage(words).record->setText(Idle);
    updatesoundbuttons(true);
    updatesoundbuttons(false);
    if (!kept)
        showmessage(QStringLiteral("lame没能把录音转换成MP3文件"));
}

// Lets a running encoding end, or its time-out kill it, with the window
// showing that it converts and taking no input.
void Widget::finishencoding()
{
    if (!encoder.running())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    encoder.wait();
    QGuiApplication::restoreOverrideCursor();
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
