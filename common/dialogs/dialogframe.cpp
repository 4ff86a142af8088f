#include "dialogframe.h"

#include "drawstretched.h"
#include "textfit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {
// One per process: a process runs one program, and its many dialog call sites
// (static helpers among them) have no window to ask.
bool isbookmaker = false;

QPixmap *keptbackground = nullptr;

void dropbackground()
{
    delete keptbackground;
    keptbackground = nullptr;
}

QRect scaledrect(float scale, const QRect &rect)
{
    return QRect(DialogFrame::scaled(scale, rect.x()), DialogFrame::scaled(scale, rect.y()),
                 DialogFrame::scaled(scale, rect.width()), DialogFrame::scaled(scale, rect.height()));
}
} // namespace

void DialogFrame::setbookmaker(bool bookmaker)
{
    isbookmaker = bookmaker;
}

bool DialogFrame::bookmaker()
{
    return isbookmaker;
}

void DialogFrame::prepare(QDialog *dialog)
{
    if (isbookmaker)
        dialog->setWindowTitle(QStringLiteral("Zembrix Rozo（教材工具）"));
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

void DialogFrame::fit(QDialog *dialog, float scale, int pointsize)
{
    dialog->setGeometry(scaledrect(scale, dialog->geometry()));
    centre(dialog);
    scaledescendants(dialog, scale, pointsize);
}

void DialogFrame::centre(QDialog *dialog)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    dialog->move((screen.width() - dialog->width()) / 2, (screen.height() - dialog->height()) / 2);
}

void DialogFrame::scaledescendants(QWidget *root, float scale, int pointsize)
{
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        widget->setGeometry(scaledrect(scale, widget->geometry()));
        TextFit::fit(widget, pointsize);
    }
}

void DialogFrame::fixsize(QDialog *dialog)
{
    dialog->setFixedSize(dialog->size());
}

QPixmap DialogFrame::background()
{
    if (!keptbackground) {
        keptbackground = new QPixmap(QStringLiteral(":/body.jpg"));
        qAddPostRoutine(dropbackground);
    }
    return *keptbackground;
}

void DialogFrame::paintbackground(QWidget *dialog)
{
    QPainter painter(dialog);
    drawstretched(painter, background(), dialog->size());
}

int DialogFrame::scaled(float scale, int value)
{
    return int(double(scale) * value);
}
