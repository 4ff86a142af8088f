// The bookmaker window's life cycle: construction, destruction, painting.

#include "widget.h"
#include "ui_widget.h"

#include "dialogframe.h"
#include "drawstretched.h"
#include "mb_dialog.h"
#include "paintblack.h"
#include "scenepicture.h"
#include "screenfit.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>

Widget::Widget(QWidget *parent, const QString &bannerhost, const QString &bannerfolder)
    : QWidget(parent)
    , ui(new Ui::Widget)
    , projectOpen(false)
    , finishedBookHere(false)
    , coverscene(nullptr)
    , thumbscenes()
    , showscene(nullptr)
    , scale(1.0f)
    , fontsize(8)
    , banner(this, bannerhost, bannerfolder)
    , pagescenes()
    , curpage(-1)
    , currow(-1)
{
    DialogFrame::setbookmaker(true);
    ui->setupUi(this);
    fitscreen();
    initbtn();
    setstarttexts();
    limititemfields();
    setpictures();
    makescenes();
    connectviews();
    connect(&encoder, &MyThread::ended, this, &Widget::encodingended);

    // The page change records page 0, so leaving it stores the title block
    // from the first departure on.
    ui->stackedWidget->setCurrentIndex(0);
    record.setpath(QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("temp.raw"));
    readsettings();
    loadproject();
    clearui();
    ui->dateEdit->setDate(clock.now().date());
    currow = -1;

    // Covers the screen also where no window manager takes the full-screen hint.
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    showFullScreen();
}

Widget::~Widget()
{
    writesettings();
    delete coverscene;
    for (QGraphicsScene *scene : thumbscenes)
        delete scene;
    delete showscene;
    for (QGraphicsScene *scene : pagescenes)
        delete scene;
    delete ui;
}

void Widget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    paintblack(this);
}

void Widget::fitscreen()
{
    const ScreenFit fit = ScreenFit::fit(ui->stackedWidget);
    scale = fit.scale;
    fontsize = fit.fontsize;
    // Every page's banner frame has the size of the first.
    banner.setshown(ui->frame_13->size());
}

// The texts the form leaves as placeholders, and the phonetic key map.
void Widget::setstarttexts()
{
    for (QLabel *label : {ui->label_xuanzedanci, ui->label_xuanzeciyi, ui->label_guanlianjuzi,
                          ui->label_guanlianjuyi})
        label->clear();
    ui->label_xuanzeyinbiao->setText(QStringLiteral("[]"));

    const QList<QPair<QLabel *, ushort>> keys = {
        {ui->label_126, 0x00E6}, {ui->label_108, 0x00F0}, {ui->label_134, 0x014B},
        {ui->label_130, 0x0254}, {ui->label_124, 0x0259}, {ui->label_122, 0x025B},
        {ui->label_120, 0x0283}, {ui->label_123, 0x028C}, {ui->label_131, 0x0292},
        {ui->label_128, 0x03B8}, {ui->label_129, 0x0251}, {ui->label_114, 0x02CC},
        {ui->label_127, 0x02C8},
    };
    for (const auto &key : keys)
        key.first->setText(QString(QChar(key.second)));
}

void Widget::setpictures()
{
    ui->stackedWidget->setpixmap(stretchedpicture(QStringLiteral(":/body.jpg"), ui->stackedWidget->size()));
    const QList<QPair<QString, QList<QFrameEx *>>> frames = {
        {QStringLiteral(":/b1.png"), {ui->frame}},
        {QStringLiteral(":/b2.png"), {ui->frame_2}},
        {QStringLiteral(":/b3.png"), {ui->frame_3}},
        {QStringLiteral(":/b4.png"), {ui->frame_8, ui->frame_18}},
        {QStringLiteral(":/b5.png"), {ui->frame_15}},
        {QStringLiteral(":/top.png"), {ui->frame_4, ui->frame_5, ui->frame_6, ui->frame_7, ui->frame_9, ui->frame_17}},
        {QStringLiteral(":/one.jpg"), {ui->frame_12, ui->frame_10, ui->frame_13, ui->frame_11, ui->frame_14, ui->frame_16}},
    };
    for (const auto &set : frames) {
        for (QFrameEx *frame : set.second)
            frame->setpicture(set.first);
    }
    defaultpicture.load(QStringLiteral(":/default.jpg"));
}

// The scenes of the title picture and the display infos are shown by the
// content pages; each page's own picture box shows the default picture.
void Widget::makescenes()
{
    coverscene = new QGraphicsScene;
    for (QGraphicsScene *&scene : thumbscenes)
        scene = new QGraphicsScene;
    showscene = new QGraphicsScene;

    const QList<QGraphicsView *> views = {ui->graphicsView_13, ui->graphicsView_11, ui->graphicsView_12,
                                          ui->graphicsView_10, ui->graphicsView_14, ui->graphicsView_15};
    for (int i = 0; i < views.size(); ++i) {
        pagescenes[i] = new QGraphicsScene(this);
        showinscene(pagescenes[i], views.at(i), defaultpicture, DialogFrame::scaled(scale, 200),
                    DialogFrame::scaled(scale, 150));
    }
}

// A click on a thumbnail shows its display info.
void Widget::connectviews()
{
    const QList<QPair<QGraphicsViewEx *, void (Widget::*)()>> clicks = {
        {ui->graphicsView_2, &Widget::graphicsviewclick1},
        {ui->graphicsView_3, &Widget::graphicsviewclick2},
        {ui->graphicsView_4, &Widget::graphicsviewclick3},
        {ui->graphicsView_5, &Widget::graphicsviewclick4},
        {ui->graphicsView_6, &Widget::graphicsviewclick5},
    };
    for (const auto &click : clicks)
        connect(click.first, &QGraphicsViewEx::click, this, click.second);
}

void Widget::showmessage(const QString &text)
{
    mb_Dialog::showtext(this, text, scale, fontsize);
}
