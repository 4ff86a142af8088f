// Importing the words or the sentences from a text file. The file is read
// whole first; only a file read without error, whose items the project file
// can hold, replaces the record's items.

#include "widget.h"
#include "ui_widget.h"

#include "fd_dialog.h"
#include "textimport.h"

#include <QFileInfo>

void Widget::importitems(bool words)
{
    if ((words ? book.wordcount() : book.sentcount()) > 0
        && !askok(words ? QStringLiteral("非常危险！ 输入“ok”清空所有单词后才能导入")
                        : QStringLiteral("非常危险！ 输入“ok”清空所有句子后才能导入")))
        return;
    // The sentence rows end before the choice, so their edit is not stored.
    if (!words)
        itempage(false).list->clear();
    QString chosen;
    fd_Dialog chooser(this);
    chooser.path = lastfolder;
    chooser.showfile = true;
    chooser.setext(QStringLiteral("txt"));
    if (words)
        chooser.settitle(QStringLiteral("请选择文本格式1(*.txt)"));
    chooser.result = &chosen;
    chooser.showdlg(scale, fontsize);
    if (chosen.isEmpty())
        return;
    itempage(words).list->clear();
    lastfolder = QFileInfo(chosen).absolutePath();

    TextImport import(words ? TextImport::Words : TextImport::Sentences);
    if (!import.read(chosen) || !import.fitsin(book, StoredPictureBytes) || !import.writelisting(ui->label_sucaiweizhi->text())) {
        reloaditems(words);
        showmessage(import.message());
        return;
    }
    replaceitems(words, import.items());
    // A reported import survives a crash.
    saveproject();
}

void Widget::on_pushButton_37_clicked()
{
    importitems(true);
}

void Widget::on_pushButton_151_clicked()
{
    importitems(false);
}
