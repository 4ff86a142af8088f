#include "checkreturn.h"
#include "formcheck.h"
#include "navigationbars.h"
#include "onetranslator.h"
#include "ui_widget.h"

#include <QtTest>

namespace {

const QStringList pages = {"page", "page_2", "page_3", "page_4", "page_5", "page_6"};

// The style sheets by look.
const QMap<QString, QString> sheets = {
    {"input", "border: 1px solid #0000ff;\nbackground-color: rgba(255, 255, 0, 66);"},
    {"caption", "border-image: url();\nbackground-color: transparent;"},
    {"red", "color: rgb(255, 0, 0);"},
    {"tip", "background-color: rgb(170, 85, 127);\ncolor: rgb(255, 255, 0);"},
};

const QMap<QString, Qt::Alignment> alignments = {
    {"centred", Qt::AlignCenter},
    {"left", Qt::AlignLeft | Qt::AlignVCenter},
    {"right", Qt::AlignRight | Qt::AlignVCenter},
};

const QString lucida = QStringLiteral("Lucida Sans Unicode");

using navigationbars::bars;
using navigationbars::shows;

const QStringList tabchain = {
    "pushButton_genggaisucai", "pushButton_shengchengxiangmu", "pushButton_qingchuxiangmu",
    "graphicsView_13", "pushButton_75", "pushButton", "pushButton_2", "pushButton_3", "pushButton_4",
    "pushButton_bangzhu_4", "pushButton_tuichu_4", "pushButton_wancheng_3", "graphicsView_11",
    "pushButton_76", "pushButton_8", "pushButton_7", "pushButton_6", "pushButton_5",
    "pushButton_bangzhu_3", "pushButton_tuichu_3", "listWidget_danci_danci", "listWidget_danci_juzi",
    "pushButton_zhiding", "pushButton_zidongzhiding", "pushButton_quxiaozhiding",
    "pushButton_xiayigedanci", "pushButton_wancheng_2", "graphicsView_12", "pushButton_77",
    "pushButton_11", "pushButton_10", "pushButton_12", "pushButton_9", "pushButton_bangzhu_2",
    "pushButton_tuichu_2", "radioButton_qian", "radioButton_hou", "listWidget_wenzhang_wei",
    "pushButton_jiaru", "pushButton_quchu", "listWidget_wenzhang_han", "pushButton_xinjianorguanlian",
    "lineEdit_kewenmingcheng", "listWidget_wenzhang", "pushButton_17", "pushButton_shanchukewen",
    "listWidget_wenzhang_han_2", "pushButton_wancheng", "graphicsView_10", "pushButton_74",
    "pushButton_15", "pushButton_14", "pushButton_16", "pushButton_13", "pushButton_bangzhu",
    "pushButton_tuichu"};

} // namespace

class tst_BookmakerForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objects_data();
    void objects();
    void looks_data();
    void looks();
    void formRecordIsComplete();
    void window();
    void pageStack();
    void navigationBars();
    void startsEmpty();
    void insertPlacesExcludeEachOther();
    void tabChain();
    void textsGoThroughTranslation();

private:
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return form->findChild<T *>(name);
    }

    QWidget *form = nullptr;
    Ui::Widget *ui = nullptr;
};

void tst_BookmakerForm::init()
{
    form = new QWidget;
    ui = new Ui::Widget;
    ui->setupUi(form);
}

void tst_BookmakerForm::cleanup()
{
    delete ui;
    delete form;
}

// One row per widget of the table: name, class, parent, geometry, text,
// tooltip and the looks it wears.
static bool readtable()
{
    QCOMPARE_RETURN(formcheck::addtablerows(QFINDTESTDATA("formwidgets.tsv"), true), 214);
    return true;
}

void tst_BookmakerForm::objects_data()
{
    QVERIFY(readtable());
}

void tst_BookmakerForm::objects()
{
    QVERIFY(formcheck::checkobject(form));
}

void tst_BookmakerForm::looks_data()
{
    QVERIFY(readtable());
}

void tst_BookmakerForm::looks()
{
    QFETCH(QStringList, looks);
    QWidget *w = widget(QTest::currentDataTag());
    QVERIFY2(w, qPrintable(QString("no widget ") + QTest::currentDataTag()));

    QString sheet;
    for (const QString &look : looks)
        sheet = sheets.value(look, sheet);
    QCOMPARE(w->styleSheet(), sheet);

    // Fonts: 12 pt of the default family, Lucida with or without a size, or the parent's.
    const QFont font = w->font();
    if (looks.contains("12")) {
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.family(), QApplication::font().family());
    } else if (looks.contains("lucida12")) {
        QCOMPARE(font.family(), lucida);
        QCOMPARE(font.pointSize(), 12);
    } else if (looks.contains("lucida")) {
        QCOMPARE(font.family(), lucida);
        QCOMPARE(font.pointSize(), QApplication::font().pointSize());
    } else {
        QVERIFY2(font == w->parentWidget()->font(), "the font is not the parent's");
    }

    if (auto *frame = qobject_cast<QFrame *>(w); frame && !qobject_cast<QAbstractScrollArea *>(w)) {
        const QFrame::Shape shape = looks.contains("panel") ? QFrame::StyledPanel
                                    : looks.contains("box") ? QFrame::Box
                                                            : QFrame::NoFrame;
        QCOMPARE(frame->frameShape(), shape);
        if (shape != QFrame::NoFrame)
            QCOMPARE(frame->frameShadow(), QFrame::Raised);
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        for (const QString &look : looks)
            alignment = alignments.value(look, alignment);
        QCOMPARE(label->alignment(), alignment);
        QCOMPARE(label->wordWrap(), looks.contains("wrap"));
    }
    if (auto *view = qobject_cast<QGraphicsView *>(w)) {
        const Qt::ScrollBarPolicy policy = looks.contains("noscroll") ? Qt::ScrollBarAlwaysOff
                                                                      : Qt::ScrollBarAsNeeded;
        QCOMPARE(view->horizontalScrollBarPolicy(), policy);
        QCOMPARE(view->verticalScrollBarPolicy(), policy);
    }
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        QCOMPARE(list->selectionMode(), looks.contains("extended") ? QAbstractItemView::ExtendedSelection
                                                                   : QAbstractItemView::SingleSelection);
        QVERIFY2(!list->isSortingEnabled(), "the list sorts its rows");
    }
    if (auto *radio = qobject_cast<QRadioButton *>(w))
        QCOMPARE(radio->isChecked(), looks.contains("checked"));
    QCOMPARE(w->isEnabled(), !looks.contains("disabled"));
}

void tst_BookmakerForm::formRecordIsComplete()
{
    const QList<QWidget *> named = formcheck::namedwidgets(form);
    QCOMPARE(named.size(), 221);
    QCOMPARE(formcheck::distinctnames(named), 221);

    const QMap<QString, int> classes = formcheck::classcounts(named);
    const QMap<QString, int> expected = {
        {"QStackedWidgetEx", 1}, {"QWidget", 6},      {"QPushButtonEx", 95}, {"QLabel", 65},
        {"QFrameEx", 18},        {"QLineEdit", 11},   {"QGraphicsView", 8},  {"QListWidget", 8},
        {"QGraphicsViewEx", 5},  {"QRadioButton", 2}, {"QDateEdit", 1},      {"QCheckBox", 1},
    };
    QCOMPARE(classes, expected);
}

void tst_BookmakerForm::window()
{
    QCOMPARE(form->objectName(), QString("Widget"));
    QCOMPARE(form->size(), QSize(937, 599));
    QCOMPARE(form->windowTitle(), QString::fromUtf8("Zembrix Rozo（教材工具）"));
    QCOMPARE(ui->stackedWidget->parentWidget(), form);
    QCOMPARE(ui->stackedWidget->geometry(), QRect(10, 10, 912, 570));
    QVERIFY2(ui->stackedWidget->styleSheet().isEmpty(), "the page stack has a style sheet");

    QWidget named;
    named.setObjectName("bookmakerwindow");
    Ui::Widget record;
    record.setupUi(&named);
    QCOMPARE(named.objectName(), QString("bookmakerwindow"));
}

void tst_BookmakerForm::pageStack()
{
    QCOMPARE(ui->stackedWidget->count(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(ui->stackedWidget->widget(i)->objectName(), pages.at(i));
        QCOMPARE(QString(ui->stackedWidget->widget(i)->metaObject()->className()), QString("QWidget"));
    }
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_6);
}

// Every page's bar has the six buttons in the same places; only the page's own is disabled.
void tst_BookmakerForm::navigationBars()
{
    for (int page = 0; page < bars.size(); ++page) {
        const QStringList bar = bars.at(page);
        for (int i = 0; i < bar.size(); ++i) {
            auto *button = widget<QPushButton>(bar.at(i));
            QVERIFY2(button, qPrintable("no button " + bar.at(i)));
            QCOMPARE(button->window(), form);
            QVERIFY2(ui->stackedWidget->widget(page)->isAncestorOf(button),
                     qPrintable(bar.at(i) + " is not on page " + QString::number(page)));
            QCOMPARE(button->text(), widget<QPushButton>(bars.at(0).at(i))->text());
            QCOMPARE(button->toolTip(), widget<QPushButton>(bars.at(0).at(i))->toolTip());
            QCOMPARE(button->geometry(), QRect(170 + 100 * i, 10, 75, 23));
            QVERIFY2(button->isEnabled() == (shows.at(i) != page),
                     qPrintable(bar.at(i) + (button->isEnabled() ? " is enabled" : " is disabled")));
        }
    }
}

void tst_BookmakerForm::startsEmpty()
{
    for (QListWidget *list : form->findChildren<QListWidget *>())
        QVERIFY2(list->count() == 0, qPrintable(list->objectName() + " has rows"));
    for (QLineEdit *edit : form->findChildren<QLineEdit *>(QRegularExpression("^lineEdit")))
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName() + " has a text"));
    QVERIFY2(!ui->checkBox->isChecked(), "the tip check box starts checked");
}

void tst_BookmakerForm::insertPlacesExcludeEachOther()
{
    ui->radioButton_qian->click();
    QVERIFY2(ui->radioButton_qian->isChecked() && !ui->radioButton_hou->isChecked(),
             "before and after do not exclude each other");
    ui->radioButton_hou->click();
    QVERIFY2(ui->radioButton_hou->isChecked() && !ui->radioButton_qian->isChecked(),
             "after and before do not exclude each other");
}

void tst_BookmakerForm::tabChain()
{
    QVERIFY(formcheck::checktabchain(form, tabchain));
}

void tst_BookmakerForm::textsGoThroughTranslation()
{
    {
        const OneTranslator translator(QString::fromUtf8("生成教材"), "Make the textbook");
        ui->retranslateUi(form);
    }
    QCOMPARE(ui->pushButton_wancheng->text(), QString("Make the textbook"));
    QCOMPARE(ui->pushButton_wancheng_5->text(), QString("Make the textbook"));
    QCOMPARE(ui->pushButton_tuichu->text(), QString::fromUtf8("退出"));
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_6);
}

QTEST_MAIN(tst_BookmakerForm)
#include "tst_bookmakerform.moc"
