// Generating the finished textbook: every sound present, the pictures as
// 400x300 JPEG bytes, the date, then rand.zemBook (random order) and
// book.zemBook (natural order) in the material folder.

#include "widget.h"
#include "ui_widget.h"

#include "saveleftovers.h"
#include "scenepicture.h"
#include "writefile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QScopeGuard>

namespace {
const QString RandomFile = QStringLiteral("rand.zemBook");
const QString NaturalFile = QStringLiteral("book.zemBook");

QByteArray jpegbytes(const QPixmap &picture)
{
    QByteArray bytes;
    const QPixmap scaled = scalepixmap(picture, Widget::StoredPicture.width(), Widget::StoredPicture.height());
    if (scaled.isNull())
        return bytes;
    // Only the pixels are stored: the texts or colour profile a picture file
    // brings along could make them any size.
    const QImage image = scaled.toImage();
    QImage pixels(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    pixels.setColorTable(image.colorTable());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixels.save(&buffer, "jpg");
    buffer.close();
    return bytes;
}
} // namespace

bool Widget::storedpicture(const QString &path, QByteArray &bytes)
{
    bytes = jpegbytes(picturefile(path));
    if (!bytes.isEmpty())
        return true;
    refusepicture(path);
    return false;
}

bool Widget::checksounds()
{
    QStringList names;
    for (int i = 0; i < book.wordcount(); ++i)
        names.append(book.word(i).value(3));
    for (int j = 0; j < book.sentcount(); ++j)
        names.append(book.sentence(j).value(2));
    for (const QString &name : names) {
        if (!name.isEmpty() && !QFile::exists(materialfile(name))) {
            showmessage(QStringLiteral("声音文件缺失： ") + name);
            return false;
        }
    }
    return true;
}

// Learners' user files may name either textbook file, so a folder holding
// one of them is finished and nothing in it is touched.
bool Widget::finishedbook() const
{
    return QFile::exists(materialfile(RandomFile)) || QFile::exists(materialfile(NaturalFile));
}

// Either textbook alone would close the folder for editing: both are written
// under temporaries and put in place only when both are whole, book.zemBook
// last. What an interrupted generation leaves is finished or removed at the
// next opening, once nothing writes it (removegenerationleftovers).
bool Widget::writetextbooks()
{
    SaveFile random(materialfile(RandomFile));
    SaveFile natural(materialfile(NaturalFile));
    book.setorder(true);
    const bool randomwritten = book.write(random, true);
    book.setorder(false);
    if (!randomwritten || !book.write(natural, true) || !random.commit())
        return false;
    if (natural.commit())
        return true;
    QFile::remove(materialfile(RandomFile));
    return false;
}

// A kill between the two renames leaves rand.zemBook with the whole
// book.zemBook still under its temporary: that is put in place.
void Widget::removegenerationleftovers() const
{
    const QString natural = materialfile(NaturalFile);
    if (QFile::exists(materialfile(RandomFile)) && !QFile::exists(natural)) {
        for (const QString &temporary : endedsaves(natural)) {
            MBook whole;
            if (whole.readbook(temporary) && whole.getordermode() == 0 && QFile::rename(temporary, natural))
                break;
        }
    }
    removesaveleftovers(materialfile(RandomFile));
    removesaveleftovers(natural);
}

void Widget::generate()
{
    // A second generation would give the learners' progress a new order.
    if (finishedbook()) {
        showmessage(QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
        return;
    }
    finishencoding();
    storeedits();
    // A generation that fails leaves the record as the project holds it, so
    // that it can still be saved.
    const MBook edited = book;
    auto restore = qScopeGuard([this, &edited] { book = edited; });
    // Learning positions are word indexes for the sound check.
    if (book.getordermode() != 0)
        book.setorder(false);
    if (!checksounds())
        return;
    // Makes sure the title block holds six strings.
    book.getinfo();
    const QString cover = ui->label_tupianweizhi->text();
    const QStringList showpaths = {book.showtext1().at(2), book.showtext2().at(2), book.showtext3().at(2),
                                   book.showtext4().at(2), book.showtext5().at(2)};
    QByteArray coverbytes;
    QByteArray pictures[5];
    if (!cover.isEmpty() && !storedpicture(cover, coverbytes))
        return;
    for (int k = 0; k < 5; ++k) {
        if (!storedpicture(showpaths.at(k), pictures[k]))
            return;
    }
    if (!cover.isEmpty())
        book.setinfopic(coverbytes);
    book.setshowpic1(pictures[0]);
    book.setshowpic2(pictures[1]);
    book.setshowpic3(pictures[2]);
    book.setshowpic4(pictures[3]);
    book.setshowpic5(pictures[4]);
    book.setdate(ui->dateEdit->date());

    if (!writetextbooks()) {
        showmessage(QStringLiteral("教材文件写入失败，没有生成教材"));
        return;
    }
    restore.dismiss();
    showmessage(QStringLiteral("教材已经在素材位置生成"));
    saveproject();
    ui->stackedWidget->setCurrentIndex(0);
}

void Widget::on_pushButton_wancheng_clicked()
{
    generate();
}

void Widget::on_pushButton_wancheng_2_clicked()
{
    generate();
}

void Widget::on_pushButton_wancheng_3_clicked()
{
    generate();
}

void Widget::on_pushButton_wancheng_4_clicked()
{
    generate();
}

void Widget::on_pushButton_wancheng_5_clicked()
{
    generate();
}
