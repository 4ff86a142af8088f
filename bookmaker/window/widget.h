#ifndef WIDGET_H
#define WIDGET_H

// The bookmaker's main window. Its member functions live in two folders:
// bookmaker/window (life cycle, screen fit, skins, settings, page changes and
// navigation) and bookmaker/content (the project and everything on the pages).

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include "ad.h"
#include "buttonskin.h"
#include "mbook.h"
#include "mplay.h"
#include "mrecord.h"
#include "mythread.h"
#include "studyclock.h"

class QCloseEvent;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace Ui {
class Widget;
}

class Widget : public QWidget
{
    Q_OBJECT

public:
    // The banner is fetched from bannerhost and kept in bannerfolder (see ad).
    explicit Widget(QWidget *parent = nullptr, const QString &bannerhost = QStringLiteral(MAKER_HOST),
                    const QString &bannerfolder = QString());
    ~Widget() override;

    // The textbook stores its pictures at this size.
    static constexpr QSize StoredPicture{400, 300};
    // The most bytes a stored picture can take, whatever it shows: a baseline
    // JPEG of three full-size components, each coefficient of each 8x8 block
    // at the longest Huffman code (16 bits) and value (11 bits), every byte
    // stuffed, and room for the markers and tables.
    static constexpr int StoredPictureBytes =
        3 * ((StoredPicture.width() + 7) / 8) * ((StoredPicture.height() + 7) / 8) * 64 * (16 + 11) / 8 * 2 + 4096;

    // The recorder of the words' and sentences' sounds.
    const MRecord &recorder() const;

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
    // bookmaker/content/project.cpp
    void on_pushButton_shengchengxiangmu_clicked();
    void on_pushButton_qingchuxiangmu_clicked();
    void on_pushButton_genggaisucai_clicked();
    void on_pushButton_baocun_clicked();
    void on_pushButton_xuantu_clicked();
    void on_pushButton_shantu_clicked();

    // bookmaker/content/itempages.cpp: the word page, then its sentence twin
    void on_listWidget_currentRowChanged(int row);
    void on_pushButton_baocun_7_clicked();
    void on_pushButton_149_clicked();
    void on_pushButton_33_clicked();
    void on_pushButton_baocun_4_clicked();
    void on_pushButton_34_clicked();
    void on_pushButton_35_clicked();
    void on_lineEdit_textEdited(const QString &text);
    void on_listWidget_6_currentRowChanged(int row);
    void on_pushButton_baocun_8_clicked();
    void on_pushButton_152_clicked();
    void on_pushButton_150_clicked();
    void on_pushButton_baocun_6_clicked();
    void on_pushButton_153_clicked();
    void on_pushButton_154_clicked();

    // bookmaker/content/itemimport.cpp
    void on_pushButton_37_clicked();
    void on_pushButton_151_clicked();

    // bookmaker/content/sounds.cpp
    void on_pushButton_32_clicked();
    void on_pushButton_46_clicked();
    void on_pushButton_155_clicked();
    void on_pushButton_156_clicked();

    // bookmaker/content/displayinfo.cpp
    void on_pushButton_baocun_2_clicked();
    void graphicsviewclick1();
    void graphicsviewclick2();
    void graphicsviewclick3();
    void graphicsviewclick4();
    void graphicsviewclick5();
    void on_pushButton_xuantu_2_clicked();
    void on_pushButton_shantu_2_clicked();

    // bookmaker/content/association.cpp
    void on_pushButton_zhiding_clicked();
    void on_pushButton_quxiaozhiding_clicked();
    void on_pushButton_zidongzhiding_clicked();
    void on_pushButton_xiayigedanci_clicked();
    void on_listWidget_danci_danci_itemClicked(QListWidgetItem *item);
    void on_listWidget_danci_juzi_itemClicked(QListWidgetItem *item);
    void on_listWidget_danci_danci_currentRowChanged(int row);
    void on_listWidget_danci_juzi_currentRowChanged(int row);

    // bookmaker/content/lessons.cpp
    void on_pushButton_17_clicked();
    void on_pushButton_shanchukewen_clicked();
    void on_pushButton_xinjianorguanlian_clicked();
    void on_pushButton_jiaru_clicked();
    void on_pushButton_quchu_clicked();
    void on_listWidget_wenzhang_itemClicked(QListWidgetItem *item);
    void on_listWidget_wenzhang_currentRowChanged(int row);
    void on_listWidget_wenzhang_han_2_itemClicked(QListWidgetItem *item);
    void on_listWidget_wenzhang_han_itemClicked(QListWidgetItem *item);
    void on_listWidget_wenzhang_wei_itemClicked(QListWidgetItem *item);
    void on_checkBox_clicked();

    // bookmaker/content/generation.cpp
    void on_pushButton_wancheng_clicked();
    void on_pushButton_wancheng_2_clicked();
    void on_pushButton_wancheng_3_clicked();
    void on_pushButton_wancheng_4_clicked();
    void on_pushButton_wancheng_5_clicked();
    // ==== end of bookmaker/content slots ====

private:
    // bookmaker/window/initbtn.cpp
    void initbtn();

    // bookmaker/window/widget.cpp
    void fitscreen();
    void setstarttexts();
    void setpictures();
    void makescenes();
    void connectviews();
    void showmessage(const QString &text);

    // bookmaker/window/settings.cpp
    void readsettings();
    void writesettings() const;

    // bookmaker/window/navigation.cpp
    void gotopage(int index);
    // Stops playback and drops a running capture: on every page change and when
    // the window closes. A running encoding goes on.
    void stopsound();
    void fillassociation();
    void filllessons();

    // bookmaker/window/links.cpp
    void openlink(const QString &address);

    // ==== bookmaker/content: member functions and members ====
    // bookmaker/content/project.cpp
    void closeEvent(QCloseEvent *event) override;
    void loadproject();
    // Whether the material folder holds a finished textbook: either textbook file.
    bool finishedbook() const;
    // Writes book.pro; false after telling the author it could not.
    bool saveproject();
    // Lets a running encoding end, then stores the edits and saves the open
    // project before it is closed or another folder is chosen; false when it
    // could not be saved and the author did not type "ok" to give the edits up
    // and then go on.
    bool leaveproject(const QString &then);
    void clearui();
    void emptycontentlists();
    void emptyitemlists();
    // Stores the title block, the display info and the word and sentence rows being edited.
    void storeedits();
    // folder of the project + separator + name
    QString materialfile(const QString &name) const;
    // The picture of a file at the size it is shown and stored; the default
    // picture for an empty path.
    QPixmap picturefile(const QString &path) const;
    // Runs the picture chooser; the chosen path, its picture into picture.
    // An empty path when cancelled or, after telling the author, when the
    // file holds no readable picture.
    QString choosepicture(QPixmap &picture);
    // Tells the author that the file holds no readable picture.
    void refusepicture(const QString &path);
    // A picture at 200x150 (big) or 120x90, times the scale.
    void showpicture(QGraphicsScene *scene, QGraphicsView *view, const QPixmap &picture, bool big);
    // Whether the author typed "ok" to the prompt.
    bool askok(const QString &prompt);

    // bookmaker/content/itempages.cpp: words (true) or sentences (false)
    struct ItemPage {
        QListWidget *list;
        QLabel *text;
        QLineEdit *first;
        QLineEdit *second;
        QPushButton *listen;
        QPushButton *import;
        QPushButton *record;
        QPushButton *remove;
    };
    ItemPage itempage(bool words) const;
    QString soundfile(bool words, int row) const;
    void reloaditems(bool words);
    void limititemfields();
    void rowchanged(bool words, int row);
    void storeitem(bool words, int row);
    void clearitems(bool words);
    // The record's words or sentences become items; the pages that list them follow.
    void replaceitems(bool words, const QList<QStringList> &items);
    void nextwithoutsound(bool words);
    void listen(bool words);
    void deletesound(bool words);
    void updatesoundbuttons(bool words);
    void updatewordbuttons();
    void updatesentencebuttons();

    // bookmaker/content/itemimport.cpp
    void importitems(bool words);

    // bookmaker/content/sounds.cpp
    bool isrecording(bool words) const;
    void findlame();
    void recordsound(bool words);
    void encode(bool words, const QString &target);
    void encodingended(bool succeeded);
    void finishencoding();
    void importsound(bool words);

    // bookmaker/content/displayinfo.cpp: display infos k = 1 to 5
    QList<QGraphicsView *> showviews() const;
    QStringList showtext(int k);
    void setshowtext(int k, const QStringList &texts);
    int showindex() const;
    void loadshowinfo(int k);
    void showchosenpicture(const QPixmap &picture);

    // bookmaker/content/association.cpp
    void showassocword(int row);
    void updatelinkcaption();

    // bookmaker/content/lessons.cpp
    void showtip(QListWidgetItem *item);
    void resetlessontip();

    // bookmaker/content/generation.cpp
    bool checksounds();
    // The picture of path as the textbook stores it; false, after telling
    // the author, when the file holds no readable picture.
    bool storedpicture(const QString &path, QByteArray &bytes);
    // Writes rand.zemBook and book.zemBook; false, with neither in place, when one could not be written.
    bool writetextbooks();
    // Removes what interrupted generations left, once nothing writes it.
    void removegenerationleftovers() const;
    void generate();

    MRecord record{this};
    MyThread encoder{this};
    // The sound file the running encoding is for.
    QString encodingtarget;
    // ==== end of bookmaker/content ====

    Ui::Widget *ui;
    bool projectOpen;
    bool finishedBookHere;
    QString lamepath;
    QString lastfolder;
    MPlay player{this};
    MBook book;
    QGraphicsScene *coverscene;
    QGraphicsScene *thumbscenes[5];
    QGraphicsScene *showscene;
    QPixmap defaultpicture;
    float scale;
    int fontsize;

    // Skin sets, each decoded once, when initbtn first dresses a button with it.
    ButtonSkin f2;
    ButtonSkin q;
    ButtonSkin zy;
    ButtonSkin ljgd;

    ad banner;
    QString adlink;
    QGraphicsScene *pagescenes[6];
    int curpage;
    int currow;

    // Today's date on the project page.
    studyclock clock{this};
};

#endif
