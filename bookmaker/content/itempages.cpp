// The word and sentence pages: lists, editing of the current row, the
// phonetic keys, clearing, and each row's sound file. The two pages are twins:
// every operation takes words (true) or sentences (false).

#include "widget.h"
#include "ui_widget.h"

#include "mreader.h"
#include "phonetickeys.h"

#include <QFile>
#include <QFileInfo>

Widget::ItemPage Widget::itempage(bool words) const
{
    if (words)
        return {ui->listWidget, ui->label_77, ui->lineEdit, ui->lineEdit_2,
                ui->pushButton_34, ui->pushButton_46, ui->pushButton_32, ui->pushButton_35};
    return {ui->listWidget_6, ui->label_140, ui->lineEdit_3, nullptr,
            ui->pushButton_153, ui->pushButton_156, ui->pushButton_155, ui->pushButton_154};
}

QString Widget::soundfile(bool words, int row) const
{
    return materialfile((words ? QStringLiteral("w") : QStringLiteral("s")) + QString::number(row + 1)
                        + QStringLiteral(".mp3"));
}

// The fields take as much as the project file reads back (the transcription
// is stored in brackets), so an imported text is shown and stored whole.
void Widget::limititemfields()
{
    const int longest = int(MReader::stringlimit / 2);
    ui->lineEdit->setMaxLength(longest - 2);
    ui->lineEdit_2->setMaxLength(longest);
    ui->lineEdit_3->setMaxLength(longest);
}

// The list shows the record's items; row 0 becomes current. Words follow the
// natural order, so that row i is word i.
void Widget::reloaditems(bool words)
{
    const ItemPage page = itempage(words);
    page.list->clear();
    // The fields are blank now; the row they held may have been another page's.
    currow = -1;
    if (words && book.getordermode() != 0)
        book.setorder(false);
    const int count = words ? book.wordcount() : book.sentcount();
    const QString prefix = words ? QStringLiteral("w") : QStringLiteral("s");
    QStringList rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.append(prefix + QString::number(i + 1) + QLatin1Char('_')
                    + (words ? book.word(i) : book.sentence(i)).value(0));
    page.list->addItems(rows);
    if (count > 0)
        page.list->setCurrentRow(0);
}

void Widget::rowchanged(bool words, int row)
{
    const ItemPage page = itempage(words);
    QStringList item;
    if (row >= 0) {
        storeitem(words, currow);
        item = words ? book.word(row) : book.sentence(row);
        currow = page.list->currentRow();
    } else {
        currow = -1;
    }
    const bool shown = item.size() == (words ? 4 : 3);
    page.text->setText(shown ? item.at(0) : QString());
    if (words)
        page.first->setText(shown ? item.at(1).mid(1, item.at(1).size() - 2) : QString());
    else
        page.first->setText(shown ? item.at(1) : QString());
    if (page.second)
        page.second->setText(shown ? item.at(2) : QString());
    updatesoundbuttons(words);
}

void Widget::storeitem(bool words, int row)
{
    const ItemPage page = itempage(words);
    if (row < 0 || row >= (words ? book.wordcount() : book.sentcount()))
        return;
    const QString sound = QFileInfo(soundfile(words, row)).fileName();
    if (words)
        book.setword(row, QStringList() << page.text->text()
                                        << QLatin1Char('[') + page.first->text().trimmed() + QLatin1Char(']')
                                        << page.second->text().trimmed() << sound);
    else
        book.setsentence(row, QStringList() << page.text->text() << page.first->text().trimmed() << sound);
}

void Widget::clearitems(bool words)
{
    if ((words ? book.wordcount() : book.sentcount()) == 0)
        return;
    if (!askok(words ? QStringLiteral("非常危险！ 输入“ok”清空所有单词")
                     : QStringLiteral("非常危险！ 输入“ok”清空所有句子")))
        return;
    replaceitems(words, {});
}

void Widget::replaceitems(bool words, const QList<QStringList> &items)
{
    emptycontentlists();
    if (words)
        book.replacewords(items);
    else
        book.replacesentences(items);
    reloaditems(words);
}

void Widget::nextwithoutsound(bool words)
{
    QListWidget *list = itempage(words).list;
    const int cur = list->currentRow();
    if (cur < 0)
        return;
    const int count = list->count();
    for (int k = 1; k <= count; ++k) {
        const int r = (cur + k) % count;
        if (!QFile::exists(soundfile(words, r))) {
            list->setCurrentRow(r);
            return;
        }
    }
    showmessage(words ? QStringLiteral("所有单词都已经完整") : QStringLiteral("所有句子都已经完整"));
}

void Widget::listen(bool words)
{
    const int row = itempage(words).list->currentRow();
    if (row < 0)
        return;
    QFile file(soundfile(words, row));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    player.clearsounds();
    player.addsound(bytes);
    player.playindex(0);
}

void Widget::deletesound(bool words)
{
    player.stop();
    const int row = itempage(words).list->currentRow();
    if (row >= 0 && QFile::remove(soundfile(words, row)))
        updatesoundbuttons(words);
}

// A sound must be deleted before another can be recorded or imported; while
// recording only the record button works, so that the capture can be stopped.
// While an encoding runs nothing records, and its row's sound is not touched.
void Widget::updatesoundbuttons(bool words)
{
    const ItemPage page = itempage(words);
    const int row = page.list->currentRow();
    const bool recording = isrecording(words);
    const bool encoding = row >= 0 && soundfile(words, row) == encodingtarget;
    const bool exists = row >= 0 && !recording && !encoding && QFile::exists(soundfile(words, row));
    const bool missing = row >= 0 && !recording && !encoding && !exists;
    page.listen->setEnabled(exists);
    page.remove->setEnabled(exists);
    page.import->setEnabled(missing);
    page.record->setEnabled(recording || (missing && !encoder.running()));
}

void Widget::updatewordbuttons()
{
    updatesoundbuttons(true);
}

void Widget::updatesentencebuttons()
{
    updatesoundbuttons(false);
}

void Widget::on_listWidget_currentRowChanged(int row)
{
    rowchanged(true, row);
}

void Widget::on_listWidget_6_currentRowChanged(int row)
{
    rowchanged(false, row);
}

void Widget::on_pushButton_baocun_7_clicked()
{
    storeitem(true, currow);
}

void Widget::on_pushButton_baocun_8_clicked()
{
    storeitem(false, currow);
}

void Widget::on_pushButton_149_clicked()
{
    reloaditems(true);
}

void Widget::on_pushButton_152_clicked()
{
    reloaditems(false);
}

void Widget::on_pushButton_33_clicked()
{
    clearitems(true);
}

void Widget::on_pushButton_150_clicked()
{
    clearitems(false);
}

void Widget::on_pushButton_baocun_4_clicked()
{
    nextwithoutsound(true);
}

void Widget::on_pushButton_baocun_6_clicked()
{
    nextwithoutsound(false);
}

void Widget::on_pushButton_34_clicked()
{
    listen(true);
}

void Widget::on_pushButton_153_clicked()
{
    listen(false);
}

void Widget::on_pushButton_35_clicked()
{
    deletesound(true);
}

void Widget::on_pushButton_154_clicked()
{
    deletesound(false);
}

void Widget::on_lineEdit_textEdited(const QString &text)
{
    const int cursor = ui->lineEdit->cursorPosition();
    ui->lineEdit->setText(PhoneticKeys::map(text));
    ui->lineEdit->setCursorPosition(cursor);
}
