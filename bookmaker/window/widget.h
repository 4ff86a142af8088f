#ifndef WIDGET_H
#define WIDGET_H

// The bookmaker's main window. Its member functions live in two folders:
// bookmaker/window (life cycle, screen fit, skins, settings, page changes and
// navigation) and bookmaker/content (the project and everything on the pages).

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "ad.h"
#include "buttonskin.h"
#include "mbook.h"
#include "mplay.h"

class QGraphicsScene;
class QGraphicsView;
class QListWidgetItem;

namespace Ui {
class Widget;
}

class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    // bookmaker/window/navigation.cpp: the page change and the guarded
    // navigation buttons; the page-0 button of each target does the work.
    void on_stackedWidget_currentChanged(int index);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_23_clicked();
    void on_pushButton_22_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_11_clicked();
    void on_pushButton_15_clicked();
    void on_pushButton_28_clicked();
    void on_pushButton_42_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_10_clicked();
    void on_pushButton_14_clicked();
    void on_pushButton_27_clicked();
    void on_pushButton_41_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_12_clicked();
    void on_pushButton_16_clicked();
    void on_pushButton_29_clicked();
    void on_pushButton_43_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_13_clicked();
    void on_pushButton_26_clicked();
    void on_pushButton_40_clicked();
    void on_pushButton_18_clicked();
    void on_pushButton_21_clicked();
    void on_pushButton_25_clicked();
    void on_pushButton_45_clicked();
    void on_pushButton_19_clicked();
    void on_pushButton_20_clicked();
    void on_pushButton_24_clicked();
    void on_pushButton_30_clicked();

    // bookmaker/window/links.cpp: exit, tutorial and learn-more buttons
    void on_pushButton_tuichu_clicked();
    void on_pushButton_tuichu_2_clicked();
    void on_pushButton_tuichu_3_clicked();
    void on_pushButton_tuichu_4_clicked();
    void on_pushButton_tuichu_5_clicked();
    void on_pushButton_tuichu_6_clicked();
    void on_pushButton_bangzhu_clicked();
    void on_pushButton_bangzhu_2_clicked();
    void on_pushButton_bangzhu_3_clicked();
    void on_pushButton_bangzhu_4_clicked();
    void on_pushButton_bangzhu_5_clicked();
    void on_pushButton_bangzhu_6_clicked();
    void on_pushButton_74_clicked();
    void on_pushButton_75_clicked();
    void on_pushButton_76_clicked();
    void on_pushButton_77_clicked();
    void on_pushButton_78_clicked();
    void on_pushButton_80_clicked();

    // ==== bookmaker/content: slots (content pages) ====
    // ==== end of bookmaker/content slots ====

private:
    // bookmaker/window/initbtn.cpp
    void initbtn();

    // bookmaker/window/widget.cpp
    void fitscreen();
    void setstarttexts();
    void setpictures();
    void makescenes();
    void showmessage(const QString &text);

    // bookmaker/window/settings.cpp
    void readsettings();
    void writesettings() const;

    // bookmaker/window/navigation.cpp
    void gotopage(int index);
    void fillassociation();
    void filllessons();

    // bookmaker/window/links.cpp
    void openlink(const QString &address);

    // ==== bookmaker/content: member functions and members ====
    // ==== end of bookmaker/content ====

    Ui::Widget *ui;
    bool projectOpen;
    bool finishedBookHere;
    QString lamepath;
    QString lastfolder;
    MPlay player;
    MBook book;
    QGraphicsScene *coverscene;
    QGraphicsScene *thumbscenes[5];
    QGraphicsScene *showscene;
    QPixmap defaultpicture;
    float scale;
    int fontsize;

    // Skin sets, loaded once by initbtn.
    ButtonSkin f2;
    ButtonSkin q;
    ButtonSkin zy;
    ButtonSkin ljgd;

    ad banner;
    QString adlink;
    QGraphicsScene *pagescenes[6];
    int curpage;
    int currow;
};

#endif
