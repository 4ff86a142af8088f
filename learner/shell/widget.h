#ifndef WIDGET_H
#define WIDGET_H

// The learner's main window. Its member functions live in files by subsystem:
// learner/layout (form and skins), learner/shell (life cycle, settings, users,
// login, navigation), learner/study (learning, tests and review).

#include <QBitmap>
#include <QList>
#include <QLockFile>
#include <QPixmap>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "ad.h"
#include "mplay.h"
#include "muser.h"
#include "showno.h"
#include "studyclock.h"

class QFrameEx;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTimer;

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
    void closeEvent(QCloseEvent *event) override;

private slots:
    // learner/shell/navigation.cpp
    void on_stackedWidget_currentChanged(int index);
    void on_pushButton_clicked();
    void on_pushButton_92_clicked();
    void on_pushButton_95_clicked();
    void on_pushButton_97_clicked();
    void on_pushButton_99_clicked();
    void on_pushButton_101_clicked();
    void on_pushButton_106_clicked();
    void on_pushButton_114_clicked();
    void on_pushButton_57_clicked();
    void on_pushButton_62_clicked();
    void on_pushButton_64_clicked();
    void on_pushButton_65_clicked();
    void on_pushButton_55_clicked();
    void on_pushButton_60_clicked();
    void on_pushButton_35_clicked();
    void on_pushButton_53_clicked();
    void on_pushButton_34_clicked();

    // learner/shell/links.cpp
    void on_pushButton_17_clicked();
    void on_pushButton_18_clicked();
    void on_pushButton_70_clicked();
    void on_pushButton_71_clicked();
    void on_pushButton_72_clicked();
    void on_pushButton_73_clicked();
    void on_pushButton_74_clicked();
    void graphicsviewclick7();
    void graphicsviewclick8();
    void graphicsviewclick9();
    void graphicsviewclick14();
    void graphicsviewclick29();
    void graphicsviewclick30();
    void on_pushButton_32_clicked();
    void on_pushButton_93_clicked();
    void on_pushButton_117_clicked();
    void on_pushButton_119_clicked();
    void on_pushButton_121_clicked();
    void on_pushButton_123_clicked();
    void on_pushButton_125_clicked();
    void on_pushButton_127_clicked();
    void on_pushButton_76_clicked();
    void on_pushButton_94_clicked();
    void on_pushButton_116_clicked();
    void on_pushButton_118_clicked();
    void on_pushButton_120_clicked();
    void on_pushButton_122_clicked();
    void on_pushButton_124_clicked();
    void on_pushButton_126_clicked();
    void on_pushButton_56_clicked();
    void on_pushButton_67_clicked();
    void on_pushButton_68_clicked();

    // learner/shell/userslots.cpp: select, import and remove, slots 1 to 6
    void graphicsviewclick();
    void graphicsviewclick2();
    void graphicsviewclick3();
    void graphicsviewclick4();
    void graphicsviewclick10();
    void graphicsviewclick11();
    void on_pushButton_6_clicked();
    void on_pushButton_10_clicked();
    void on_pushButton_12_clicked();
    void on_pushButton_15_clicked();
    void on_pushButton_88_clicked();
    void on_pushButton_91_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_13_clicked();
    void on_pushButton_16_clicked();
    void on_pushButton_86_clicked();
    void on_pushButton_89_clicked();

    // learner/shell/newuser.cpp: new user, slots 1 to 6
    void on_pushButton_5_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_11_clicked();
    void on_pushButton_14_clicked();
    void on_pushButton_87_clicked();
    void on_pushButton_90_clicked();

    // learner/shell/login.cpp
    void on_pushButton_2_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_96_clicked();
    void on_pushButton_98_clicked();
    void on_pushButton_100_clicked();
    void on_pushButton_102_clicked();
    void on_pushButton_112_clicked();
    void on_pushButton_115_clicked();

    // learner/study
    void hcupdate();
    void jgupdate();
    void ddupdate();
    void playsound();
    void graphicsviewclick6();

    // learner/keyboard/keyboardbuttons.cpp: the on-screen keyboard over the
    // answer fields of the learning, review test and lesson sentence pages
    void on_pushButton_77_clicked();
    void on_pushButton_78_clicked();
    void on_pushButton_79_clicked();

    // learner/study: due review groups, the review test, hand-in, four-choice
    // (reviewgroups.cpp, reviewtest.cpp, handin.cpp, fourchoice.cpp)
    void on_pushButton_128_clicked();
    void on_pushButton_66_clicked();
    void on_pushButton_63_clicked();
    void on_listWidget_6_currentRowChanged(int row);
    void on_pushButton_33_clicked();
    void on_pushButton_28_clicked();
    void on_pushButton_29_clicked();
    void on_pushButton_133_clicked();
    void on_listWidget_2_currentRowChanged(int row);
    void on_lineEdit_18_returnPressed();
    void on_checkBox_6_clicked();
    void on_checkBox_15_clicked();
    void on_pushButton_44_clicked();
    void on_checkBox_clicked();
    void on_checkBox_13_clicked();
    void on_pushButton_31_clicked();
    void on_listWidget_3_currentRowChanged(int row);
    void on_pushButton_36_clicked();
    void on_pushButton_37_clicked();
    void on_pushButton_58_clicked();
    void on_pushButton_59_clicked();
    void on_radioButton_3_clicked();
    void on_radioButton_4_clicked();
    void on_checkBox_10_clicked();
    void on_pushButton_45_clicked();

    // learner/study (plan page, learning page, typing check, difficulty buttons)
    // planpage.cpp
    void on_comboBox_currentIndexChanged(int index);
    void on_spinBox_9_valueChanged(int value);
    // textbook.cpp
    void on_pushButton_80_clicked();
    void on_pushButton_69_clicked();
    // learnstart.cpp
    void on_pushButton_3_clicked();
    // learnpage.cpp
    void on_listWidget_currentRowChanged(int row);
    void on_checkBox_5_clicked();
    void on_pushButton_43_clicked();
    void on_checkBox_12_clicked();
    void on_checkBox_11_clicked();
    void on_checkBox_3_clicked();
    void on_checkBox_2_clicked();
    // typingcheck.cpp
    void on_lineEdit_19_returnPressed();
    // difficultybuttons.cpp: "特难" 20, "较难" 15, "一般" 10, "较易" 5, "特易" 1, "忽略" 0 by page
    void on_pushButton_23_clicked();
    void on_pushButton_22_clicked();
    void on_pushButton_61_clicked();
    void on_pushButton_21_clicked();
    void on_pushButton_20_clicked();
    void on_pushButton_19_clicked();
    void on_pushButton_30_clicked();
    void on_pushButton_27_clicked();
    void on_pushButton_129_clicked();
    void on_pushButton_25_clicked();
    void on_pushButton_24_clicked();
    void on_pushButton_26_clicked();
    void on_pushButton_40_clicked();
    void on_pushButton_39_clicked();
    void on_pushButton_130_clicked();
    void on_pushButton_41_clicked();
    void on_pushButton_38_clicked();
    void on_pushButton_42_clicked();
    void on_pushButton_111_clicked();
    void on_pushButton_107_clicked();
    void on_pushButton_131_clicked();
    void on_pushButton_105_clicked();
    void on_pushButton_103_clicked();
    void on_pushButton_110_clicked();
    void on_pushButton_82_clicked();
    void on_pushButton_84_clicked();
    void on_pushButton_132_clicked();
    void on_pushButton_83_clicked();
    void on_pushButton_81_clicked();
    void on_pushButton_85_clicked();

    // learner/study: lesson sentences (sentencepage.cpp), knowledge cards and
    // self-test (selftest.cpp), knowledge adders (knowledgeadders.cpp)
    void on_listWidget_5_currentRowChanged(int currentRow);
    void on_lineEdit_2_returnPressed();
    void on_pushButton_52_clicked();
    void on_checkBox_9_clicked();
    void on_checkBox_7_clicked();
    void on_listWidget_4_currentRowChanged(int currentRow);
    void on_pushButton_104_clicked();
    void on_pushButton_109_clicked();
    void on_pushButton_54_clicked();
    void on_checkBox_8_clicked();
    void on_pushButton_49_clicked();
    void on_pushButton_48_clicked();
    void on_pushButton_47_clicked();
    void on_pushButton_46_clicked();
    void on_pushButton_51_clicked();
    void on_pushButton_50_clicked();
    void on_pushButton_113_clicked();
    void on_pushButton_108_clicked();

private:
    // Pages of the stacked widget, in form order.
    enum Page {
        LoginPage = 0,
        PlanPage = 1,
        LearnPage = 2,
        ReviewPage = 3,
        ChoicePage = 4,
        SelfTestPage = 5,
        SentencePage = 6,
        GroupsPage = 7
    };

    // Scenes by picture view; the first six are the login slots in slot order.
    enum Scene {
        SlotScene = 0,
        LoginScene = 6,
        BookScene = 7,
        LearnScene = 8,
        ReviewScene = 9,
        ChoiceScene = 10,
        SelfTestScene = 11,
        SentenceScene = 12,
        GroupsScene = 13,
        SceneCount = 14
    };
    static const int SlotCount = 6;

    // learner/layout: button skins
    void initbtn();

    // learner/shell/widget.cpp
    void connectviews();
    void setbackgrounds();
    void clearstrips();
    void showpicture(int scene, QGraphicsView *view, const QPixmap &picture, int width, int height);
    void showmessage(const QString &text);

    // learner/shell/screenfit.cpp
    void fitscreen();

    // learner/shell/settings.cpp
    void readprogramsettings();
    void writeprogramsettings() const;
    QString usersettingspath() const;
    void loadspin();
    void loadsheet2();
    void loadsheet3();
    bool saveuser();
    void saveusersettings();
    void placelabels(const QList<QLabel *> &labels, bool sentencelayout);

    // learner/shell/navigation.cpp
    void nextrow(QListWidget *list);
    void previousrow(QListWidget *list);

    // learner/shell/links.cpp
    void openlink(const QString &address);
    void openwhencurrent(const QListWidget *list, const QString &address);

    // learner/shell/userslots.cpp
    QList<QGraphicsView *> slotviews() const;
    bool isslot(int k) const;
    QString slotpath(int k) const;
    void showslots();
    void preselect();
    void showslotuser(int k, const QPixmap &picture, const QString &name);
    void showloginuser(const QPixmap &picture, const QString &name);
    void selectslot(int k);
    void importslot(int k);
    void removeslot(int k);

    // learner/shell/newuser.cpp
    void createuser(int k);

    // learner/keyboard/keyboardbuttons.cpp
    void openkeyboard(QWidget *button, QLineEdit *field, void (Widget::*check)());

    // learner/study (plan page, learning page, typing check, difficulty buttons)
    // itempanel.cpp: shared by the item pages
    // The next display picture of the shared rotation into a page's scene and
    // view, its description into caption (may be null), its link into piclink.
    void shownextpicture(int scene, QGraphicsView *view, QLabel *caption);
    // The next banner picture into a page's banner frame, its link into adlink.
    void shownextbanner(QFrameEx *frame);
    // Sound 0 read times times, advanced by playsound; endrepeat stops any
    // reading, resetrepeat also unloads the sounds.
    void startrepeat(int times);
    void endrepeat();
    void resetrepeat();
    void showfirstrow(QListWidget *list);
    void learnrepeat();
    void reviewrepeat();
    static QString difficultytext(int value);
    // Whether an item of MUser::item holds a linked sentence (fields 4 to 6).
    static bool hassentence(const QStringList &item);
    // Field k of an item as a sound file name in the textbook's folder: its
    // last path component; "" when the field is missing or names no file.
    static QString soundname(const QStringList &item, int k);
    // loadmaterial for field k of an item: "素材不存在：" + the stored name.
    bool loaditemsound(const QStringList &item, int k);
    // learnstart.cpp
    int planstart() const;
    bool pickrun(int mode, int start, int count, QSpinBox *countbox, const QString &tail);
    void fillwordrun();
    void fillknowledgerun(int mode);
    void startlesson(int threshold);
    // learnpage.cpp
    void showlearn();
    void showcurrentrow();
    // difficultybuttons.cpp
    void setdifficulty(const QListWidget *list, QLabel *label, int value);
    void setcarddifficulty(int value);
    void setsentencedifficulty(int value);

    // learner/shell/login.cpp
    // False when another running learner has the user logged in.
    bool lockuser(const QString &path);
    void loginwithbook();
    void loginwithoutbook();
    void showbook();
    void listdue();

    // learner/study/material.cpp
    QString materialpath(const QString &name) const;
    bool loadmaterial(const QString &path, const QString &message);
    bool loaditempath(const QStringList &item, int k, const QString &prefix);

    // learner/study/reviewgroups.cpp, reviewtest.cpp, handin.cpp, fourchoice.cpp
    void listgroups();
    void showdue();
    void filltest();
    void showreview();
    bool checkreview();
    static bool isanswer(const QStringList &item, const QString &answer);
    void handin();
    void setchoice();
    void checkchoice(int option);
    void nextchoice(const QString &message);

    // learner/study/linkedkeys.cpp: key knowledge linked to the item shown
    void showlinkedkeys(QListWidget *list, const QList<int> &keys);
    static void addlinkedkey(QListWidget *list, const QString &title, const QString &content);

    // learner/study/sentencepage.cpp
    int currentsentence() const;
    void showsentencediff(int j);
    void shownextsentencematerial();

    // learner/study/selftest.cpp: the entries of a knowledge run, by contentmode
    bool knowledgemode() const;
    QString knowledgetitle(int k) const;
    QString knowledgetext(int k) const;
    int knowledgediff(int k) const;
    void setknowledgediff(int k, int value);
    void showknowledgediff(int k);

    // learner/study/knowledgeadders.cpp
    enum Knowledge { PhoneticKnowledge, KeyKnowledge };
    void addknowledge(Knowledge kind, QListWidget *list, bool sentences, QWidget *parent,
                      QListWidget *linked);

    Ui::Widget *ui;

    QString defaultpath;
    QGraphicsScene *scenes[SceneCount];
    QStringList usrpaths;
    int usrdefault;
    // Held while the user is logged in (lockuser).
    std::unique_ptr<QLockFile> userlock;
    QList<int> duelist;
    QStringList curitem;
    QList<int> linklist;
    MUser user;
    QList<int> answerlist;
    bool planmode;
    QSet<int> wrongset;
    // What the current learning run holds; the numbers are MUser::makeorder's.
    enum ContentMode {
        NoContent = -1,
        PhoneticContent = 0,
        WordContent = 1,
        KeyContent = 2,
        LessonContent = 3
    };
    int contentmode;
    QTimer *hctimer;
    QTimer *jgtimer;
    QTimer *ddtimer;
    MPlay player;
    QList<int> repeatlist;
    bool repeatdone;
    int repeatpos;
    // The kind of the current word test: at hand-in, grouped words of a
    // LearningTest are eased, those of the others are recorded as a review.
    enum TestMode { LearningTest = 1, WordTest = 2, DueReview = 7 };
    int testmode;
    float scale;
    int fontsize;

    // Skin sets, normal, hover, pressed, mask: each decoded once, when
    // initbtn first skins a button with it.
    QPixmap f21, f22, f23;
    QBitmap f2m;
    QPixmap f41, f42, f43;
    QBitmap f4m;
    QPixmap y21, y22, y23;
    QBitmap y2m;
    QPixmap y31, y32, y33;
    QBitmap y3m;
    QPixmap px1, px2, px3;
    QBitmap pxm;
    QPixmap q1, q2, q3;
    QBitmap qm;
    QPixmap s;
    QBitmap sm;
    QPixmap ljgd1, ljgd2, ljgd3;
    QBitmap ljgdm;
    QPixmap zy1, zy2, zy3;
    QBitmap zym;

    ad banner;
    showno picorder;
    QString adlink;
    QString piclink;

    // The time the review schedule is read at (data/studyclock.cpp).
    studyclock clock{this};
};

#endif
