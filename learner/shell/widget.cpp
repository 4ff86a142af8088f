// The learner window's life cycle: construction, destruction, painting.

#include "widget.h"
#include "ui_widget.h"

#include "mb_dialog.h"
#include "dialogframe.h"
#include "drawstretched.h"
#include "firstshow.h"
#include "paintblack.h"
#include "scenepicture.h"

#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

Widget::Widget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Widget)
    , usrdefault(-1)
    , planmode(false)
    , contentmode(NoContent)
    , hctimer(nullptr)
    , jgtimer(nullptr)
    , ddtimer(nullptr)
    , repeatdone(true)
    , repeatpos(-1)
    , testmode(LearningTest)
    , scale(1.0f)
    , fontsize(8)
{
    ui->setupUi(this);
    fitscreen();
    initbtn();

    hctimer = new QTimer(this);
    jgtimer = new QTimer(this);
    ddtimer = new QTimer(this);
    connect(hctimer, &QTimer::timeout, this, &Widget::hcupdate);
    connect(jgtimer, &QTimer::timeout, this, &Widget::jgupdate);
    connect(ddtimer, &QTimer::timeout, this, &Widget::ddupdate);
    connect(&player, &MPlay::playstopped, this, &Widget::playsound);

    for (QGraphicsScene *&scene : scenes)
        scene = new QGraphicsScene;

    for (int k = 0; k < SlotCount; ++k)
        usrpaths.append(QString());
    readprogramsettings();
    showslots();
    preselect();
    connectviews();
    setbackgrounds();
    clearstrips();

    // Covers the screen also where no window manager takes the full-screen hint.
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    showFullScreen();
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
}

Widget::~Widget()
{
    for (QGraphicsScene *scene : scenes)
        delete scene;
    writeprogramsettings();
    if (ui->stackedWidget->currentIndex() != LoginPage && !saveuser())
        showmessage(QStringLiteral("用户信息无法保存"));
    delete ui;
}

void Widget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    paintblack(this);
}

void Widget::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
}

void Widget::connectviews()
{
    const QList<QPair<QGraphicsViewEx *, void (Widget::*)()>> clicks = {
        {ui->graphicsView, &Widget::graphicsviewclick},
        {ui->graphicsView_2, &Widget::graphicsviewclick2},
        {ui->graphicsView_3, &Widget::graphicsviewclick3},
        {ui->graphicsView_4, &Widget::graphicsviewclick4},
        {ui->graphicsView_10, &Widget::graphicsviewclick10},
        {ui->graphicsView_11, &Widget::graphicsviewclick11},
        {ui->graphicsView_6, &Widget::graphicsviewclick6},
        {ui->graphicsView_7, &Widget::graphicsviewclick7},
        {ui->graphicsView_8, &Widget::graphicsviewclick8},
        {ui->graphicsView_9, &Widget::graphicsviewclick9},
        {ui->graphicsView_14, &Widget::graphicsviewclick14},
        {ui->graphicsView_29, &Widget::graphicsviewclick29},
        {ui->graphicsView_30, &Widget::graphicsviewclick30},
    };
    for (const auto &click : clicks)
        connect(click.first, &QGraphicsViewEx::click, this, click.second);
}

// Message strips that only their page's logic writes, some never, start
// empty rather than with the form's placeholder.
void Widget::clearstrips()
{
    for (QLabel *strip : {ui->label_86, ui->label_87, ui->label_88, ui->label_89})
        strip->clear();
}

void Widget::setbackgrounds()
{
    ui->stackedWidget->setpixmap(stretchedpicture(QStringLiteral(":/body.jpg"), ui->stackedWidget->size()));
    ui->stackedWidget->setCurrentIndex(LoginPage);
    ui->frame_15->setpicture(QStringLiteral(":/yonghu.png"));
    ui->frame_16->setpicture(QStringLiteral(":/yonghu0.png"));
    ui->frame_10->setpicture(QStringLiteral(":/jihua.png"));
    for (QFrameEx *frame : {ui->frame_8, ui->frame_9, ui->frame_12, ui->frame_13, ui->frame_11})
        frame->setpicture(QStringLiteral(":/sucai.png"));
    ui->frame_14->setpicture(QStringLiteral(":/fuxi.png"));
    ui->frame_17->setpicture(QStringLiteral(":/zjc.png"));

    // The two scenes lie on later pages: decoded when first shown.
    FirstShow::run(ui->graphicsView_14, [this] {
        showpicture(SelfTestScene, ui->graphicsView_14, QPixmap(QStringLiteral(":/default.jpg")), 200, 150);
    });
    FirstShow::run(ui->graphicsView_30, [this] {
        showpicture(GroupsScene, ui->graphicsView_30, QPixmap(QStringLiteral(":/default.jpg")), 200, 150);
    });
}

// Replaces the picture of one scene, scaled from design size, and shows the
// scene in its view.
void Widget::showpicture(int scene, QGraphicsView *view, const QPixmap &picture, int width, int height)
{
    showinscene(scenes[scene], view, picture, DialogFrame::scaled(scale, width), DialogFrame::scaled(scale, height));
}

void Widget::showmessage(const QString &text)
{
    mb_Dialog::showtext(this, text, scale, fontsize);
}
