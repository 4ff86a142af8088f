// Plan page: the textbook picture and the lesson chosen by number or title.

#include "widget.h"
#include "ui_widget.h"

#include "weblinks.h"
#include "weburl.h"

#include <QUrl>

// The textbook's own link when it is a web page, else the home page.
void Widget::graphicsviewclick6()
{
    const QString link = user.getbookpath().isEmpty() ? QString() : user.bookinfo().value(4);
    openlink(isweburl(QUrl(link)) ? link : weblinks::home());
}

void Widget::on_comboBox_currentIndexChanged(int)
{
    ui->spinBox_9->setValue(ui->comboBox->currentIndex() + 1);
}

void Widget::on_spinBox_9_valueChanged(int)
{
    ui->comboBox->setCurrentIndex(ui->spinBox_9->value() - 1);
}
