#include "chinesedefaults.h"
#include "everypage.h"
#include "screenfit.h"
#include "bookmakerfiles.h"
#include "textfitcheck.h"
#include "widget.h"

#include <QDateEdit>
#include <QtTest>

class tst_bookmakertextfit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void window_data();
    void window();
    void readable_data();
    void readable();
    void settext_data();
    void settext();
    void datefield();

private:
    QTemporaryDir dir;
};

void tst_bookmakertextfit::initTestCase()
{
    usechinesedefaults();
    bookmakerfiles::setmaterial(dir.path());
}

void tst_bookmakertextfit::cleanupTestCase()
{
    ScreenFit::setscreen(QSize());
}

void tst_bookmakertextfit::window_data()
{
    textfitcheck::addsizerows();
}

void tst_bookmakertextfit::window()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    showeverypage(&window);
    const QString clipped = textfitcheck::clipped(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
}

void tst_bookmakertextfit::readable_data()
{
    textfitcheck::addsizerows();
}

// No text is drawn below three quarters of the table's size where its glyphs
// show whole at the table's size.
void tst_bookmakertextfit::readable()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    showeverypage(&window);
    const QString shrunk = textfitcheck::shrunkwithroom(&window, screen);
    QVERIFY2(shrunk.isEmpty(), qPrintable("shrunk though there is room: " + shrunk));
}

void tst_bookmakertextfit::settext_data()
{
    const QString folder = QStringLiteral("/home/zhangsan/文档/英语教材/远帆英语课第二册/素材");
    const QString sentence = QStringLiteral("Last week I went to the harbour. I had a very long walk. The wind was "
                                            "very refreshing. I did not feel cold.");
    textfitcheck::addtextrows({
        {"label_sucaiweizhi", folder},
        {"label_tupianweizhi", folder + QStringLiteral("/图片/封面.jpg")},
        {"label_tupianweizhi_2", folder + QStringLiteral("/图片/展示信息五.jpg")},
        {"label_15", QStringLiteral("当前显示第五个展示信息")},
        {"label_9", QStringLiteral("特别提示：") + sentence},
        {"label_8", QStringLiteral("当前句子（已经和当前单词关联）")},
        {"label_xuanzedanci", QStringLiteral("international organization")},
        {"label_xuanzeyinbiao", QStringLiteral("[ˌɪntəˈnæʃənl ˌɔːɡənaɪˈzeɪʃn]")},
        {"label_xuanzeciyi", QStringLiteral("n. 国际组织；国际机构")},
        {"label_guanlianjuzi", sentence},
        {"label_guanlianjuyi", QStringLiteral("上个月我去了港口。我走了很远，船都很好看，但我却不想回家。")},
    });
}

// A text set after the window was fitted shows whole, at no more than the
// table's size, and a short text gets its size back.
void tst_bookmakertextfit::settext()
{
    QFETCH(QSize, screen);
    QFETCH(QString, widget);
    QFETCH(QString, text);
    ScreenFit::setscreen(screen);
    Widget window;
    const QString problem = textfitcheck::refitproblem(&window, widget, text, ScreenFit::choose(screen, 0).fontsize);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// The date of making shows in the locale's short form, which keeps the
// window's point size where the field is narrowest for its text.
void tst_bookmakertextfit::datefield()
{
    const QSize screen(1152, 720);
    ScreenFit::setscreen(screen);
    Widget window;
    const auto *date = window.findChild<QDateEdit *>(QStringLiteral("dateEdit"));
    QCOMPARE(date->displayFormat(), QLocale().dateFormat(QLocale::ShortFormat));
    QVERIFY2(date->font().pointSize() == ScreenFit::choose(screen, 0).fontsize,
             qPrintable(QStringLiteral("the date shrinks to %1 pt").arg(date->font().pointSize())));
}

QTEST_MAIN(tst_bookmakertextfit)
#include "tst_bookmakertextfit.moc"
