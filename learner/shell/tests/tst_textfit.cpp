#include "chinesedefaults.h"
#include "everypage.h"
#include "screenfit.h"
#include "testfiles.h"
#include "textfitcheck.h"
#include "widget.h"

#include <QtTest>

class tst_textfit : public QObject
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
};

void tst_textfit::initTestCase()
{
    usechinesedefaults();
    QFile::remove(testfiles::programsettings());
}

void tst_textfit::cleanupTestCase()
{
    ScreenFit::setscreen(QSize());
}

void tst_textfit::window_data()
{
    textfitcheck::addsizerows();
}

void tst_textfit::window()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    showeverypage(&window);
    const QString clipped = textfitcheck::clipped(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable("clipped texts: " + clipped));
}

void tst_textfit::readable_data()
{
    textfitcheck::addsizerows();
}

// No text is drawn below three quarters of the table's size where its glyphs
// show whole at the table's size.
void tst_textfit::readable()
{
    QFETCH(QSize, screen);
    ScreenFit::setscreen(screen);
    Widget window;
    showeverypage(&window);
    const QString shrunk = textfitcheck::shrunkwithroom(&window, screen);
    QVERIFY2(shrunk.isEmpty(), qPrintable("shrunk though there is room: " + shrunk));
}

void tst_textfit::settext_data()
{
    const QString sentence = QStringLiteral("Last week I went to the harbour. I had a very long walk. The wind was "
                                            "very refreshing. I did not feel cold.");
    const QString translation = QStringLiteral("上个月我去了港口。我走了很远，船都很好看，但我却不想回家。");
    textfitcheck::addtextrows({
        {"label_10", QStringLiteral("远帆英语课第二册：听说与读写【单词随机序】,青禾外语教育出版公司制作于"
                                    "2013年 05月 01日。")},
        {"label_15", QStringLiteral("收录第二册全部课文的单词、例句与录音，适合初中以上程度的读者")},
        {"label_17", QStringLiteral("版权所有：青禾外语教育出版公司，未经许可不得复制或传播")},
        {"label_5", QStringLiteral("Theodora Winterbourne")},
        {"pushButton_69", QStringLiteral("关闭教材")},
        {"pushButton_80", QStringLiteral("找回忽略")},
        {"comboBox", QStringLiteral("Lesson 1 A slow rainy afternoon 雨天午后")},
        {"label_33", QStringLiteral("INTERNATIONAL ORGANIZATION")},
        {"label_35", QStringLiteral("[ˌɪntəˈnæʃənl ˌɔːɡənaɪˈzeɪʃn]")},
        {"label_36", QStringLiteral("n. 国际组织；国际机构")},
        {"label_37", sentence.toUpper()},
        {"label_41", translation},
        {"label_60", QStringLiteral("难度系数：10")},
        {"label_30", QStringLiteral("当前句子的难度系数：10")},
        {"pushButton_75", QStringLiteral("adj. 有趣的，引起兴趣的；令人关注的")},
        {"pushButton_36", QStringLiteral("adj. 有趣的，引起兴趣的；令人关注的")},
        {"label_48", QStringLiteral("2026-12-28 23:58")},
        {"label_31", QStringLiteral("20000")},
        {"label_42", QStringLiteral("international organization")},
        {"label_45", QStringLiteral("n. 国际组织；国际机构")},
        {"label_46", sentence},
        {"label_43", translation},
        {"label_95", QStringLiteral("字母组合 tion 在词尾")},
        {"label_96", QStringLiteral("读作 [ʃn]，如 station, nation, organization, information")},
        {"label_29", sentence},
        {"label_28", translation},
    });
}

// A text set after the window was fitted shows whole, at no more than the
// table's size, and a short text gets its size back.
void tst_textfit::settext()
{
    QFETCH(QSize, screen);
    QFETCH(QString, widget);
    QFETCH(QString, text);
    ScreenFit::setscreen(screen);
    Widget window;
    const QString problem = textfitcheck::refitproblem(&window, widget, text, ScreenFit::choose(screen, 0).fontsize);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(tst_textfit)
#include "tst_textfit.moc"
