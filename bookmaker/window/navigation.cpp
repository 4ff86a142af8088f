// Page changes and the guarded navigation buttons of every page.

#include "widget.h"
#include "ui_widget.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

enum Page { ProjectPage, ShowPage, AssociationPage, LessonPage, WordPage, SentencePage, PageCount };

} // namespace

// Whatever sounded on the page left behind stops, the title block is stored
// when page 0 is left, the page entered gets a banner picture and its lists
// are filled when they are still empty.
void Widget::on_stackedWidget_currentChanged(int index)
{
    const QList<QFrameEx *> banners = {ui->frame_13, ui->frame_11, ui->frame_12,
                                       ui->frame_10, ui->frame_14, ui->frame_16};
    if (index >= 0 && index < PageCount) {
        const QPixmap *picture = index == ProjectPage ? banner.getone() : banner.getnext();
        adlink = banner.getlink();
        banners.at(index)->setpixmap(*picture);
    }
    stopsound();
    if (curpage == ProjectPage)
        on_pushButton_baocun_clicked();

    switch (index) {
    case ProjectPage:
        ui->dateEdit->setDate(clock.now().date());
        break;
    case AssociationPage:
        fillassociation();
        break;
    case LessonPage:
        filllessons();
        break;
    case WordPage:
        if (ui->listWidget->count() == 0 && book.wordcount() > 0)
            on_pushButton_149_clicked();
        currow = ui->listWidget->currentRow();
        updatewordbuttons();
        break;
    case SentencePage:
        if (ui->listWidget_6->count() == 0 && book.sentcount() > 0)
            on_pushButton_152_clicked();
        currow = ui->listWidget_6->currentRow();
        updatesentencebuttons();
        break;
    default:
        break;
    }
    curpage = index >= 0 && index < PageCount ? index : -1;
}

void Widget::stopsound()
{
    player.stop();
    record.abort();
    const QList<QPair<QPushButton *, void (Widget::*)()>> recorders = {
        {ui->pushButton_155, &Widget::updatesentencebuttons},
        {ui->pushButton_32, &Widget::updatewordbuttons},
    };
    for (const auto &recorder : recorders) {
        if (recorder.first->text() == QStringLiteral("停止")) {
            recorder.first->setText(QStringLiteral("录音"));
            (this->*recorder.second)();
        }
    }
}

// The word and sentence lists of the association page, filled only when both are empty.
void Widget::fillassociation()
{
    QListWidget *words = ui->listWidget_danci_danci;
    QListWidget *sentences = ui->listWidget_danci_juzi;
    if (words->count() > 0 || sentences->count() > 0)
        return;
    for (int i = 0; i < book.wordcount(); ++i)
        words->addItem(book.word(i).value(0));
    for (int j = 0; j < book.sentcount(); ++j)
        sentences->addItem(book.sentence(j).value(0));
    if (sentences->count() > 0) {
        sentences->setCurrentRow(0);
        if (QListWidgetItem *first = words->item(0))
            on_listWidget_danci_danci_itemClicked(first);
    }
    if (words->count() > 0) {
        words->setCurrentRow(0);
        if (QListWidgetItem *first = sentences->item(0))
            on_listWidget_danci_juzi_itemClicked(first);
    }
}

// All sentences and the lessons of the lesson page, each filled only when empty.
void Widget::filllessons()
{
    QListWidget *all = ui->listWidget_wenzhang_wei;
    if (all->count() == 0) {
        for (int j = 0; j < book.sentcount(); ++j)
            all->addItem(book.sentence(j).value(0));
        if (all->count() > 0)
            all->setCurrentRow(0);
    }
    QListWidget *lessons = ui->listWidget_wenzhang;
    if (lessons->count() == 0) {
        for (int i = 0; i < book.lessoncount(); ++i)
            lessons->addItem(book.lessontitle(i));
        if (lessons->count() > 0) {
            lessons->setCurrentRow(0);
            on_listWidget_wenzhang_itemClicked(lessons->currentItem());
        }
    }
}

// Pages 1 to 5 are refused while the material folder holds a finished
// textbook, which editing would spoil, and while no project is open.
void Widget::gotopage(int index)
{
    if (index != ProjectPage) {
        if (finishedbook()) {
            showmessage(QStringLiteral("为防止当前位置的教材被破坏，放弃任务"));
            return;
        }
        if (!projectOpen) {
            showmessage(QStringLiteral("请先打开或者新建项目"));
            return;
        }
    }
    ui->stackedWidget->setCurrentIndex(index);
}

void Widget::on_pushButton_clicked()
{
    gotopage(ProjectPage);
}

void Widget::on_pushButton_2_clicked()
{
    gotopage(ShowPage);
}

void Widget::on_pushButton_3_clicked()
{
    gotopage(AssociationPage);
}

void Widget::on_pushButton_4_clicked()
{
    gotopage(LessonPage);
}

void Widget::on_pushButton_23_clicked()
{
    gotopage(WordPage);
}

void Widget::on_pushButton_22_clicked()
{
    gotopage(SentencePage);
}

void Widget::on_pushButton_8_clicked()
{
    on_pushButton_clicked();
}

void Widget::on_pushButton_11_clicked()
{
    on_pushButton_clicked();
}

void Widget::on_pushButton_15_clicked()
{
    on_pushButton_clicked();
}

void Widget::on_pushButton_28_clicked()
{
    on_pushButton_clicked();
}

void Widget::on_pushButton_42_clicked()
{
    on_pushButton_clicked();
}

void Widget::on_pushButton_7_clicked()
{
    on_pushButton_2_clicked();
}

void Widget::on_pushButton_10_clicked()
{
    on_pushButton_2_clicked();
}

void Widget::on_pushButton_14_clicked()
{
    on_pushButton_2_clicked();
}

void Widget::on_pushButton_27_clicked()
{
    on_pushButton_2_clicked();
}

void Widget::on_pushButton_41_clicked()
{
    on_pushButton_2_clicked();
}

void Widget::on_pushButton_6_clicked()
{
    on_pushButton_3_clicked();
}

void Widget::on_pushButton_12_clicked()
{
    on_pushButton_3_clicked();
}

void Widget::on_pushButton_16_clicked()
{
    on_pushButton_3_clicked();
}

void Widget::on_pushButton_29_clicked()
{
    on_pushButton_3_clicked();
}

void Widget::on_pushButton_43_clicked()
{
    on_pushButton_3_clicked();
}

void Widget::on_pushButton_5_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_9_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_13_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_26_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_40_clicked()
{
    on_pushButton_4_clicked();
}

void Widget::on_pushButton_18_clicked()
{
    on_pushButton_23_clicked();
}

void Widget::on_pushButton_21_clicked()
{
    on_pushButton_23_clicked();
}

void Widget::on_pushButton_25_clicked()
{
    on_pushButton_23_clicked();
}

void Widget::on_pushButton_45_clicked()
{
    on_pushButton_23_clicked();
}

void Widget::on_pushButton_19_clicked()
{
    on_pushButton_22_clicked();
}

void Widget::on_pushButton_20_clicked()
{
    on_pushButton_22_clicked();
}

void Widget::on_pushButton_24_clicked()
{
    on_pushButton_22_clicked();
}

void Widget::on_pushButton_30_clicked()
{
    on_pushButton_22_clicked();
}
