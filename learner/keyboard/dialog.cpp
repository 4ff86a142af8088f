#include "dialog.h"
#include "ui_dialog.h"

#include "dialogframe.h"
#include "qpushbuttonex.h"
#include "textfit.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {

// A character key with its unshifted and shifted caption.
struct CharKey {
    QPushButtonEx *Ui::Dialog::*key;
    char lower;
    char shifted;
};

const CharKey charkeys[] = {
    {&Ui::Dialog::pushButton_50, '`', '~'}, {&Ui::Dialog::pushButton_48, '1', '!'},
    {&Ui::Dialog::pushButton_43, '2', '@'}, {&Ui::Dialog::pushButton_46, '3', '#'},
    {&Ui::Dialog::pushButton_41, '4', '$'}, {&Ui::Dialog::pushButton_45, '5', '%'},
    {&Ui::Dialog::pushButton_47, '6', '^'}, {&Ui::Dialog::pushButton_44, '7', '&'},
    {&Ui::Dialog::pushButton_40, '8', '*'}, {&Ui::Dialog::pushButton_49, '9', '('},
    {&Ui::Dialog::pushButton_42, '0', ')'}, {&Ui::Dialog::pushButton_38, '-', '_'},
    {&Ui::Dialog::pushButton_39, '=', '+'},
    {&Ui::Dialog::pushButton, 'q', 'Q'},    {&Ui::Dialog::pushButton_2, 'w', 'W'},
    {&Ui::Dialog::pushButton_3, 'e', 'E'},  {&Ui::Dialog::pushButton_4, 'r', 'R'},
    {&Ui::Dialog::pushButton_5, 't', 'T'},  {&Ui::Dialog::pushButton_6, 'y', 'Y'},
    {&Ui::Dialog::pushButton_8, 'u', 'U'},  {&Ui::Dialog::pushButton_10, 'i', 'I'},
    {&Ui::Dialog::pushButton_9, 'o', 'O'},  {&Ui::Dialog::pushButton_7, 'p', 'P'},
    {&Ui::Dialog::pushButton_51, '[', '{'}, {&Ui::Dialog::pushButton_52, ']', '}'},
    {&Ui::Dialog::pushButton_53, '\\', '|'},
    {&Ui::Dialog::pushButton_13, 'a', 'A'}, {&Ui::Dialog::pushButton_17, 's', 'S'},
    {&Ui::Dialog::pushButton_19, 'd', 'D'}, {&Ui::Dialog::pushButton_18, 'f', 'F'},
    {&Ui::Dialog::pushButton_15, 'g', 'G'}, {&Ui::Dialog::pushButton_12, 'h', 'H'},
    {&Ui::Dialog::pushButton_11, 'j', 'J'}, {&Ui::Dialog::pushButton_16, 'k', 'K'},
    {&Ui::Dialog::pushButton_20, 'l', 'L'}, {&Ui::Dialog::pushButton_31, ';', ':'},
    {&Ui::Dialog::pushButton_30, '\'', '"'},
    {&Ui::Dialog::pushButton_14, 'z', 'Z'}, {&Ui::Dialog::pushButton_22, 'x', 'X'},
    {&Ui::Dialog::pushButton_26, 'c', 'C'}, {&Ui::Dialog::pushButton_21, 'v', 'V'},
    {&Ui::Dialog::pushButton_25, 'b', 'B'}, {&Ui::Dialog::pushButton_24, 'n', 'N'},
    {&Ui::Dialog::pushButton_23, 'm', 'M'}, {&Ui::Dialog::pushButton_27, ',', '<'},
    {&Ui::Dialog::pushButton_28, '.', '>'}, {&Ui::Dialog::pushButton_29, '/', '?'},
};

// The keyboard alone is drawn 1.3 times larger than the other dialogs.
int keyscaled(float scale, int value)
{
    return int(double(scale) * value * 1.3);
}

QRect keyscaled(float scale, const QRect &rect)
{
    return QRect(keyscaled(scale, rect.x()), keyscaled(scale, rect.y()),
                 keyscaled(scale, rect.width()), keyscaled(scale, rect.height()));
}

} // namespace

Dialog::Dialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Dialog)
{
    ui->setupUi(this);
    setcaption();
    DialogFrame::prepare(this);
}

Dialog::~Dialog()
{
    delete ui;
}

void Dialog::showdlg(QLineEdit *field, float scale, int fontsize)
{
    target = field;
    connect(target, &QLineEdit::textChanged, this, &Dialog::tongbu);

    // Fitted like the other dialogs, but with the keyboard's own larger factor.
    setGeometry(keyscaled(scale, geometry()));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    const int pointsize = int(1.3 * fontsize);
    const QList<QWidget *> descendants = findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        widget->setGeometry(keyscaled(scale, widget->geometry()));
        TextFit::fit(widget, pointsize);
    }
    DialogFrame::fixsize(this);
    initbtn();
    exec();
}

void Dialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    DialogFrame::paintbackground(this);
}

void Dialog::setcaption()
{
    const QString a = ui->pushButton_13->text();
    const QString backquote = ui->pushButton_50->text();
    if (caps) {
        if (a == QLatin1String("A") && backquote == QLatin1String("`"))
            return;
    } else if (shift) {
        if (a == QLatin1String("A") && backquote == QLatin1String("~"))
            return;
    } else if (a == QLatin1String("a")) {
        return;
    }
    for (const CharKey &k : charkeys) {
        const bool upper = shift || (caps && QChar::fromLatin1(k.lower).isLetter());
        (ui->*k.key)->setText(QString(QChar::fromLatin1(upper ? k.shifted : k.lower)));
    }
}

void Dialog::initbtn()
{
    keyskin.load(QStringLiteral(":/key"));
    const QList<QPushButtonEx *> keys = findChildren<QPushButtonEx *>();
    for (QPushButtonEx *key : keys)
        keyskin.apply(key);
}

void Dialog::typecaption(const QPushButtonEx *key)
{
    type(key->text());
}

void Dialog::type(const QString &text)
{
    deleteselection();
    QLineEdit *line = ui->lineEdit;
    const int p = line->cursorPosition();
    const QString t = line->text();
    line->setText(t.left(p) + text + t.mid(p));
    line->setCursorPosition(p + text.length());
    focusline();
    releaseshift();
}

bool Dialog::deleteselection()
{
    if (selstart < 0)
        return false;
    const int start = selstart;
    const QString t = ui->lineEdit->text();
    ui->lineEdit->setText(t.left(start) + t.mid(start + sellen));
    ui->lineEdit->setCursorPosition(start);
    return true;
}

void Dialog::pressenter()
{
    releaseshift();
    emit enter();
}

void Dialog::pressshift()
{
    if (caps) {
        caps = false;
        light(ui->pushButton_33, false);
    }
    shift = !shift;
    lightshift(shift);
    setcaption();
    focusline();
}

void Dialog::releaseshift()
{
    if (!shift)
        return;
    shift = false;
    setcaption();
    lightshift(false);
}

void Dialog::lightshift(bool lit)
{
    light(ui->pushButton_34, lit);
    light(ui->pushButton_36, lit);
}

void Dialog::light(QPushButtonEx *key, bool lit)
{
    key->setnormalpixmap(lit ? keyskin.hover : keyskin.normal);
}

void Dialog::focusline()
{
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
}

void Dialog::on_lineEdit_returnPressed()
{
    pressenter();
}

void Dialog::on_lineEdit_selectionChanged()
{
    if (ui->lineEdit->selectionStart() >= 0) {
        selstart = ui->lineEdit->selectionStart();
        sellen = ui->lineEdit->selectedText().length();
    } else if (ui->lineEdit->hasFocus()) {
        selstart = -1;
        sellen = -1;
    }
}

void Dialog::on_lineEdit_textChanged(const QString &text)
{
    if (target)
        target->setText(text);
    selstart = -1;
}

void Dialog::tongbu()
{
    ui->lineEdit->setText(target->text());
}

void Dialog::on_pushButton_50_clicked() { typecaption(ui->pushButton_50); }
void Dialog::on_pushButton_48_clicked() { typecaption(ui->pushButton_48); }
void Dialog::on_pushButton_43_clicked() { typecaption(ui->pushButton_43); }
void Dialog::on_pushButton_46_clicked() { typecaption(ui->pushButton_46); }
void Dialog::on_pushButton_41_clicked() { typecaption(ui->pushButton_41); }
void Dialog::on_pushButton_45_clicked() { typecaption(ui->pushButton_45); }
void Dialog::on_pushButton_47_clicked() { typecaption(ui->pushButton_47); }
void Dialog::on_pushButton_44_clicked() { typecaption(ui->pushButton_44); }
void Dialog::on_pushButton_40_clicked() { typecaption(ui->pushButton_40); }
void Dialog::on_pushButton_49_clicked() { typecaption(ui->pushButton_49); }
void Dialog::on_pushButton_42_clicked() { typecaption(ui->pushButton_42); }
void Dialog::on_pushButton_38_clicked() { typecaption(ui->pushButton_38); }
void Dialog::on_pushButton_39_clicked() { typecaption(ui->pushButton_39); }
void Dialog::on_pushButton_clicked() { typecaption(ui->pushButton); }
void Dialog::on_pushButton_2_clicked() { typecaption(ui->pushButton_2); }
void Dialog::on_pushButton_3_clicked() { typecaption(ui->pushButton_3); }
void Dialog::on_pushButton_4_clicked() { typecaption(ui->pushButton_4); }
void Dialog::on_pushButton_5_clicked() { typecaption(ui->pushButton_5); }
void Dialog::on_pushButton_6_clicked() { typecaption(ui->pushButton_6); }
void Dialog::on_pushButton_8_clicked() { typecaption(ui->pushButton_8); }
void Dialog::on_pushButton_10_clicked() { typecaption(ui->pushButton_10); }
void Dialog::on_pushButton_9_clicked() { typecaption(ui->pushButton_9); }
void Dialog::on_pushButton_7_clicked() { typecaption(ui->pushButton_7); }
void Dialog::on_pushButton_51_clicked() { typecaption(ui->pushButton_51); }
void Dialog::on_pushButton_52_clicked() { typecaption(ui->pushButton_52); }
void Dialog::on_pushButton_53_clicked() { typecaption(ui->pushButton_53); }
void Dialog::on_pushButton_13_clicked() { typecaption(ui->pushButton_13); }
void Dialog::on_pushButton_17_clicked() { typecaption(ui->pushButton_17); }
void Dialog::on_pushButton_19_clicked() { typecaption(ui->pushButton_19); }
void Dialog::on_pushButton_18_clicked() { typecaption(ui->pushButton_18); }
void Dialog::on_pushButton_15_clicked() { typecaption(ui->pushButton_15); }
void Dialog::on_pushButton_12_clicked() { typecaption(ui->pushButton_12); }
void Dialog::on_pushButton_11_clicked() { typecaption(ui->pushButton_11); }
void Dialog::on_pushButton_16_clicked() { typecaption(ui->pushButton_16); }
void Dialog::on_pushButton_20_clicked() { typecaption(ui->pushButton_20); }
void Dialog::on_pushButton_31_clicked() { typecaption(ui->pushButton_31); }
void Dialog::on_pushButton_30_clicked() { typecaption(ui->pushButton_30); }
void Dialog::on_pushButton_14_clicked() { typecaption(ui->pushButton_14); }
void Dialog::on_pushButton_22_clicked() { typecaption(ui->pushButton_22); }
void Dialog::on_pushButton_26_clicked() { typecaption(ui->pushButton_26); }
void Dialog::on_pushButton_21_clicked() { typecaption(ui->pushButton_21); }
void Dialog::on_pushButton_25_clicked() { typecaption(ui->pushButton_25); }
void Dialog::on_pushButton_24_clicked() { typecaption(ui->pushButton_24); }
void Dialog::on_pushButton_23_clicked() { typecaption(ui->pushButton_23); }
void Dialog::on_pushButton_27_clicked() { typecaption(ui->pushButton_27); }
void Dialog::on_pushButton_28_clicked() { typecaption(ui->pushButton_28); }
void Dialog::on_pushButton_29_clicked() { typecaption(ui->pushButton_29); }

// Space
void Dialog::on_pushButton_32_clicked()
{
    type(QStringLiteral(" "));
}

// Back
void Dialog::on_pushButton_35_clicked()
{
    if (!deleteselection()) {
        QLineEdit *line = ui->lineEdit;
        const int p = line->cursorPosition();
        if (p > 0) {
            const QString t = line->text();
            line->setText(t.left(p - 1) + t.mid(p));
            line->setCursorPosition(p - 1);
        }
    }
    focusline();
    releaseshift();
}

// Tab
void Dialog::on_pushButton_54_clicked()
{
    focusline();
}

// Lock
void Dialog::on_pushButton_33_clicked()
{
    releaseshift();
    caps = !caps;
    light(ui->pushButton_33, caps);
    setcaption();
    focusline();
}

// Shift, left and right
void Dialog::on_pushButton_34_clicked()
{
    pressshift();
}

void Dialog::on_pushButton_36_clicked()
{
    pressshift();
}

// Enter
void Dialog::on_pushButton_37_clicked()
{
    pressenter();
}
