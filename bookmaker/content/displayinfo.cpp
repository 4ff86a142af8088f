// The display info page: five infos of description, link and picture,
// edited one at a time; the thumbnail clicked chooses which.

#include "widget.h"
#include "ui_widget.h"

namespace {
// label_15 names the display info being edited.
const QStringList ShowTitles = {
    QStringLiteral("当前显示第一个展示信息"), QStringLiteral("当前显示第二个展示信息"),
    QStringLiteral("当前显示第三个展示信息"), QStringLiteral("当前显示第四个展示信息"),
    QStringLiteral("当前显示第五个展示信息"),
};
} // namespace

QList<QGraphicsView *> Widget::showviews() const
{
    return {ui->graphicsView_2, ui->graphicsView_3, ui->graphicsView_4, ui->graphicsView_5, ui->graphicsView_6};
}

QStringList Widget::showtext(int k)
{
    switch (k) {
    case 1: return book.showtext1();
    case 2: return book.showtext2();
    case 3: return book.showtext3();
    case 4: return book.showtext4();
    default: return book.showtext5();
    }
}

void Widget::setshowtext(int k, const QStringList &texts)
{
    switch (k) {
    case 1: book.setshowtext1(texts); break;
    case 2: book.setshowtext2(texts); break;
    case 3: book.setshowtext3(texts); break;
    case 4: book.setshowtext4(texts); break;
    default: book.setshowtext5(texts); break;
    }
}

// 1 to 5 by the text of label_15; 0 for none.
int Widget::showindex() const
{
    return ShowTitles.indexOf(ui->label_15->text()) + 1;
}

// Display info k into the fields, its thumbnail and the big view.
void Widget::loadshowinfo(int k)
{
    ui->label_15->setText(ShowTitles.at(k - 1));
    const QStringList texts = showtext(k);
    ui->lineEdit_shuoming_2->setText(texts.at(0));
    ui->lineEdit_lianjie_2->setText(texts.at(1));
    ui->label_tupianweizhi_2->setText(texts.at(2));
    const QPixmap picture = picturefile(texts.at(2));
    showpicture(thumbscenes[k - 1], showviews().at(k - 1), picture, false);
    showpicture(showscene, ui->graphicsView_7, picture, true);
}

void Widget::showchosenpicture(const QPixmap &picture)
{
    showpicture(showscene, ui->graphicsView_7, picture, true);
    const int k = showindex();
    if (k > 0)
        showpicture(thumbscenes[k - 1], showviews().at(k - 1), picture, false);
}

void Widget::on_pushButton_baocun_2_clicked()
{
    const int k = showindex();
    if (k > 0)
        setshowtext(k, QStringList() << ui->lineEdit_shuoming_2->text() << ui->lineEdit_lianjie_2->text()
                                     << ui->label_tupianweizhi_2->text());
}

void Widget::graphicsviewclick1()
{
    on_pushButton_baocun_2_clicked();
    loadshowinfo(1);
}

void Widget::graphicsviewclick2()
{
    on_pushButton_baocun_2_clicked();
    loadshowinfo(2);
}

void Widget::graphicsviewclick3()
{
    on_pushButton_baocun_2_clicked();
    loadshowinfo(3);
}

void Widget::graphicsviewclick4()
{
    on_pushButton_baocun_2_clicked();
    loadshowinfo(4);
}

void Widget::graphicsviewclick5()
{
    on_pushButton_baocun_2_clicked();
    loadshowinfo(5);
}

void Widget::on_pushButton_xuantu_2_clicked()
{
    QPixmap picture;
    const QString chosen = choosepicture(picture);
    if (chosen.isEmpty())
        return;
    ui->label_tupianweizhi_2->setText(chosen);
    showchosenpicture(picture);
}

void Widget::on_pushButton_shantu_2_clicked()
{
    ui->label_tupianweizhi_2->clear();
    showchosenpicture(defaultpicture);
}
