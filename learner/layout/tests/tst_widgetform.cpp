#include "formcheck.h"
#include "onetranslator.h"
#include "ui_widget.h"

#include <QtTest>

namespace {

const char *const inputstyle = "border: 1px solid #0000ff;\nbackground-color: rgba(255, 255, 0, 66);";
const char *const stripstyle = "background-color: rgb(170, 85, 127);\ncolor: rgb(255, 255, 0);";
const char *const hintstyle = "color: rgb(255, 0, 0);";

const QStringList striplabels = {"label_8", "label_47", "label_9", "label", "label_34",
                                 "label_86", "label_2", "label_7", "label_87", "label_6",
                                 "label_89", "label_4", "label_88", "label_3", "label_90"};
const QStringList hintlabels = {"label_100", "label_13", "label_84", "label_85", "label_98",
                                "label_103"};

const QStringList pages = {"page", "page_2", "page_3", "page_4",
                           "page_5", "page_6", "page_7", "page_8"};

// The form's tab chain, page by page.
const QStringList tabchain = {
    // login
    "graphicsView_5", "lineEdit", "pushButton_2", "pushButton", "graphicsView", "pushButton_5",
    "pushButton_6", "pushButton_7", "graphicsView_2", "pushButton_8", "pushButton_10",
    "pushButton_9", "graphicsView_3", "pushButton_11", "pushButton_12", "pushButton_13",
    "graphicsView_4", "pushButton_14", "pushButton_15", "pushButton_16", "graphicsView_10",
    "pushButton_87", "pushButton_88", "pushButton_86", "graphicsView_11", "pushButton_90",
    "pushButton_91", "pushButton_89", "pushButton_126", "pushButton_68", "pushButton_56",
    "pushButton_67", "pushButton_127",
    // plan
    "pushButton_3", "radioButton", "spinBox", "pushButton_28", "radioButton_2", "spinBox_2",
    "spinBox_3", "radioButton_6", "spinBox_4", "spinBox_5", "radioButton_9", "spinBox_6",
    "spinBox_7", "radioButton_10", "spinBox_9", "comboBox", "spinBox_10", "pushButton_69",
    "pushButton_80", "graphicsView_6", "pushButton_17", "pushButton_76", "pushButton_32",
    "pushButton_4", "pushButton_92", "spinBox_14", "spinBox_15", "spinBox_16", "spinBox_17",
    "spinBox_18", "spinBox_19", "spinBox_20", "spinBox_21",
    // learning
    "listWidget", "lineEdit_19", "pushButton_48", "pushButton_77", "pushButton_49",
    "listWidget_7", "pushButton_19", "pushButton_20", "pushButton_21", "pushButton_22",
    "pushButton_23", "pushButton_43", "pushButton_29", "pushButton_55", "pushButton_62",
    "checkBox_5", "spinBox_11", "spinBox_12", "checkBox_2", "checkBox_3", "checkBox_4",
    "checkBox_11", "checkBox_12", "graphicsView_7", "pushButton_18", "pushButton_94",
    "pushButton_93", "pushButton_96", "pushButton_95",
    // review test
    "listWidget_2", "lineEdit_18", "pushButton_46", "pushButton_78", "pushButton_47",
    "listWidget_8", "pushButton_26", "pushButton_24", "pushButton_25", "pushButton_27",
    "pushButton_30", "pushButton_44", "pushButton_31", "pushButton_63", "pushButton_66",
    "checkBox_15", "spinBox_13", "checkBox_13", "checkBox_6", "checkBox", "graphicsView_8",
    "pushButton_70", "pushButton_116", "pushButton_117", "pushButton_98", "pushButton_97",
    // four-choice
    "listWidget_3", "pushButton_75", "pushButton_36", "pushButton_37", "pushButton_58",
    "pushButton_59", "pushButton_50", "pushButton_51", "pushButton_42", "pushButton_38",
    "pushButton_41", "pushButton_39", "pushButton_40", "pushButton_45", "pushButton_57",
    "checkBox_10", "radioButton_3", "radioButton_4", "graphicsView_9", "pushButton_71",
    "pushButton_118", "pushButton_119", "pushButton_100", "pushButton_99",
    // self-test
    "listWidget_4", "pushButton_104", "pushButton_109", "pushButton_110", "pushButton_103",
    "pushButton_105", "pushButton_107", "pushButton_111", "pushButton_34", "pushButton_53",
    "pushButton_54", "pushButton_64", "checkBox_8", "graphicsView_14", "pushButton_72",
    "pushButton_120", "pushButton_121", "pushButton_102", "pushButton_101",
    // lesson sentences
    "listWidget_5", "lineEdit_2", "pushButton_108", "pushButton_79", "pushButton_113",
    "listWidget_9", "pushButton_85", "pushButton_81", "pushButton_83", "pushButton_84",
    "pushButton_82", "pushButton_35", "pushButton_60", "pushButton_52", "pushButton_65",
    "checkBox_9", "checkBox_7", "graphicsView_29", "pushButton_73", "pushButton_122",
    "pushButton_123", "pushButton_112", "pushButton_106",
    // review groups
    "listWidget_6", "pushButton_33", "graphicsView_30", "pushButton_74", "pushButton_124",
    "pushButton_125", "pushButton_115", "pushButton_114"};

} // namespace

class tst_WidgetForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objects_data();
    void objects();
    void formRecordIsComplete();
    void window();
    void windowKeepsItsName();
    void pageStack();
    void styleSheets_data();
    void styleSheets();
    void stripLabelsAreBoxedAndCentred();
    void properties_data();
    void properties();
    void onlyTheNamedDeviations();
    void spinBoxes_data();
    void spinBoxes();
    void startsEmpty();
    void pictureViewsHaveNoScrollBars();
    void frames();
    void planOptionsExcludeEachOther();
    void directionsExcludeEachOther();
    void passwordIsNotShown();
    void messageStripShowsMarkupLiterally();
    void hiddenLabelStaysAbovePage();
    void tabChain();
    void leftOutOfTabChain();
    void textsGoThroughTranslation();

private:
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return form->findChild<T *>(name);
    }
    QList<QWidget *> orderedChain() const;

    QWidget *form = nullptr;
    Ui::Widget *ui = nullptr;
};

void tst_WidgetForm::init()
{
    form = new QWidget;
    ui = new Ui::Widget;
    ui->setupUi(form);
}

void tst_WidgetForm::cleanup()
{
    delete ui;
    delete form;
}

void tst_WidgetForm::objects_data()
{
    formcheck::addtablerows(QFINDTESTDATA("formwidgets.tsv"), false);
}

void tst_WidgetForm::objects()
{
    QVERIFY(formcheck::checkobject(form));
}

void tst_WidgetForm::formRecordIsComplete()
{
    const QList<QWidget *> named = formcheck::namedwidgets(form);
    QCOMPARE(named.size(), 322);
    QCOMPARE(formcheck::distinctnames(named), 322);

    const QMap<QString, int> classes = formcheck::classcounts(named);
    QCOMPARE(classes.value("QPushButtonEx"), 133);
    QCOMPARE(classes.value("QLabel"), 93);
    QCOMPARE(classes.value("QSpinBox"), 20);
    QCOMPARE(classes.value("QFrameEx"), 17);
    QCOMPARE(classes.value("QCheckBox"), 14);
    QCOMPARE(classes.value("QGraphicsViewEx"), 13);
    QCOMPARE(classes.value("QListWidget"), 9);
    QCOMPARE(classes.value("QWidget"), 8);
    QCOMPARE(classes.value("QRadioButton"), 7);
    QCOMPARE(classes.value("QLineEdit"), 4);
}

void tst_WidgetForm::window()
{
    QCOMPARE(form->objectName(), QString("Widget"));
    QCOMPARE(form->size(), QSize(1033, 606));
    QCOMPARE(form->windowTitle(), QString("Zembrix Rozo"));
    QCOMPARE(ui->stackedWidget->parentWidget(), form);
    QCOMPARE(ui->stackedWidget->geometry(), QRect(20, 10, 912, 570));
    QCOMPARE(ui->stackedWidget->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui->stackedWidget->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QVERIFY2(ui->stackedWidget->toolTip().isEmpty(), "the page stack has a tooltip");
}

void tst_WidgetForm::windowKeepsItsName()
{
    QWidget named;
    named.setObjectName("learnerwindow");
    Ui::Widget record;
    record.setupUi(&named);
    QCOMPARE(named.objectName(), QString("learnerwindow"));
}

void tst_WidgetForm::pageStack()
{
    QCOMPARE(ui->stackedWidget->count(), 8);
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(ui->stackedWidget->widget(i)->objectName(), pages.at(i));
        QCOMPARE(QString(ui->stackedWidget->widget(i)->metaObject()->className()),
                 QString("QWidget"));
    }
    QCOMPARE(ui->stackedWidget->currentIndex(), 0);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page);
}

void tst_WidgetForm::styleSheets_data()
{
    QTest::addColumn<QString>("sheet");

    QWidget scratch;
    Ui::Widget record;
    record.setupUi(&scratch);
    for (QWidget *w : formcheck::namedwidgets(&scratch)) {
        const QString name = w->objectName();
        QString sheet;
        if (qobject_cast<QGraphicsView *>(w) || qobject_cast<QSpinBox *>(w)
            || qobject_cast<QLineEdit *>(w) || qobject_cast<QListWidget *>(w))
            sheet = inputstyle;
        else if (striplabels.contains(name))
            sheet = stripstyle;
        else if (hintlabels.contains(name))
            sheet = hintstyle;
        QTest::newRow(qPrintable(name)) << sheet;
    }
}

void tst_WidgetForm::styleSheets()
{
    QFETCH(QString, sheet);
    QCOMPARE(widget(QTest::currentDataTag())->styleSheet(), sheet);
}

void tst_WidgetForm::stripLabelsAreBoxedAndCentred()
{
    for (const QString &name : striplabels) {
        auto *label = widget<QLabel>(name);
        QVERIFY2(label, qPrintable("no label " + name));
        QVERIFY2(label->frameShape() == QFrame::Box, qPrintable(name + " has no box"));
        QVERIFY2(label->alignment() == Qt::AlignCenter, qPrintable(name + " is not centred"));
    }
    for (const QString &name : hintlabels)
        QVERIFY2(widget<QLabel>(name)->alignment() == Qt::AlignCenter, qPrintable(name + " is not centred"));
}

void tst_WidgetForm::properties_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    const int leftv = int(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    const int lefttop = int(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    const int rightv = int(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
    const int centre = int(Qt::AlignCenter);

    QTest::newRow("password echo") << "lineEdit" << QByteArray("echoMode")
                                   << QVariant(int(QLineEdit::Password));
    QTest::newRow("password centred") << "lineEdit" << QByteArray("alignment") << QVariant(centre);
    QTest::newRow("ignore disabled") << "pushButton_85" << QByteArray("enabled") << QVariant(false);
    QTest::newRow("first answer no repeat") << "pushButton_36" << QByteArray("autoRepeat")
                                            << QVariant(false);
    QTest::newRow("plan option") << "radioButton" << QByteArray("checked") << QVariant(true);
    QTest::newRow("chinese to english") << "radioButton_4" << QByteArray("checked") << QVariant(true);
    QTest::newRow("english to chinese") << "radioButton_3" << QByteArray("checked") << QVariant(false);
    QTest::newRow("message plain text") << "label_87" << QByteArray("textFormat")
                                        << QVariant(int(Qt::PlainText));
    QTest::newRow("sentence wraps") << "label_37" << QByteArray("wordWrap") << QVariant(true);
    QTest::newRow("meaning wraps") << "label_41" << QByteArray("wordWrap") << QVariant(true);
    QTest::newRow("review sentence cut") << "label_46" << QByteArray("wordWrap") << QVariant(false);
    QTest::newRow("review meaning cut") << "label_43" << QByteArray("wordWrap") << QVariant(false);
    QTest::newRow("word left") << "label_33" << QByteArray("alignment") << QVariant(leftv);
    QTest::newRow("sentence top") << "label_37" << QByteArray("alignment") << QVariant(lefttop);
    QTest::newRow("review sentence top") << "label_46" << QByteArray("alignment") << QVariant(lefttop);
    QTest::newRow("no sentence note") << "label_82" << QByteArray("alignment") << QVariant(rightv);
    QTest::newRow("greeting") << "label_11" << QByteArray("alignment") << QVariant(rightv);
    QTest::newRow("difficulty label") << "label_60" << QByteArray("alignment") << QVariant(centre);
    QTest::newRow("last interval unit") << "label_26" << QByteArray("alignment") << QVariant(lefttop);
    QTest::newRow("group caption") << "label_81" << QByteArray("alignment") << QVariant(rightv);
    QTest::newRow("group value") << "label_80" << QByteArray("alignment") << QVariant(leftv);
    QTest::newRow("answer line shown") << "label_96" << QByteArray("visible") << QVariant(true);
    QTest::newRow("show answer unchecked") << "checkBox_8" << QByteArray("checked") << QVariant(false);
}

void tst_WidgetForm::properties()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    form->show();
    if (name == "label_96")
        ui->stackedWidget->setCurrentWidget(ui->page_6);
    QWidget *w = widget(name);
    QVERIFY2(w, qPrintable("no widget " + name));
    const QVariant actual = w->property(property);
    QVERIFY2(actual.isValid(), qPrintable(name + " has no " + property));
    const bool same = value.type() == QVariant::Bool ? actual.toBool() == value.toBool()
                                                     : actual.toInt() == value.toInt();
    QVERIFY2(same, qPrintable(QString("wrong %1.%2: %3").arg(name, property, actual.toString())));
}

void tst_WidgetForm::onlyTheNamedDeviations()
{
    const QStringList fonted = {"label_35", "label_44"};
    const QStringList wrapped = {"label_37", "label_41"};
    for (QWidget *w : formcheck::namedwidgets(form)) {
        const QString name = w->objectName();
        QVERIFY2(w->isEnabled() || name == "pushButton_85", qPrintable(name + " is disabled"));
        QVERIFY2(w->testAttribute(Qt::WA_SetFont) == fonted.contains(name),
                 qPrintable(name + " has a wrong font setting"));
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QVERIFY2(label->wordWrap() == wrapped.contains(name), qPrintable(name + " has a wrong word wrap"));
            QVERIFY2(label->textFormat() == (name == "label_87" ? Qt::PlainText : Qt::AutoText),
                     qPrintable(name + " has a wrong text format"));
        }
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QVERIFY2((edit->echoMode() == QLineEdit::Password) == (name == "lineEdit"),
                     qPrintable(name + " has a wrong echo mode"));
        }
        if (auto *box = qobject_cast<QCheckBox *>(w))
            QVERIFY2(!box->isChecked(), qPrintable(name + " starts checked"));
    }
    for (const QString &name : fonted)
        QCOMPARE(widget(name)->font().family(), QString("Lucida Sans Unicode"));
}

void tst_WidgetForm::spinBoxes_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");

    for (const char *name : {"spinBox", "spinBox_2", "spinBox_3", "spinBox_4", "spinBox_5",
                             "spinBox_6", "spinBox_7", "spinBox_9"})
        QTest::newRow(name) << 0 << 0 << 0;
    QTest::newRow("spinBox_10") << 1 << 20 << 1;
    QTest::newRow("spinBox_11") << 1 << 10 << 1;
    QTest::newRow("spinBox_12") << 1 << 10 << 2;
    QTest::newRow("spinBox_13") << 1 << 10 << 1;
    const QList<int> intervals = {20, 60, 1, 2, 5, 15, 30, 60};
    for (int i = 0; i < intervals.size(); ++i)
        QTest::newRow(qPrintable(QString("spinBox_%1").arg(14 + i))) << 1 << 999 << intervals.at(i);
}

void tst_WidgetForm::spinBoxes()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    auto *box = widget<QSpinBox>(QTest::currentDataTag());
    QVERIFY2(box, qPrintable(QLatin1String("no spin box ") + QTest::currentDataTag()));
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->value(), value);
    box->setValue(maximum + 1);
    QCOMPARE(box->value(), maximum);
    box->setValue(minimum - 1);
    QCOMPARE(box->value(), minimum);
}

void tst_WidgetForm::startsEmpty()
{
    for (QListWidget *list : form->findChildren<QListWidget *>())
        QVERIFY2(list->count() == 0, qPrintable(list->objectName() + " has rows"));
    QCOMPARE(ui->comboBox->count(), 0);
    QVERIFY2(ui->label_5->text().isEmpty(), "the user name label has a starting text");
}

void tst_WidgetForm::pictureViewsHaveNoScrollBars()
{
    const QList<QGraphicsView *> views = form->findChildren<QGraphicsView *>();
    QCOMPARE(views.size(), 14);
    for (QGraphicsView *view : views) {
        QVERIFY2(view->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                     && view->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff,
                 qPrintable(view->objectName() + " has scroll bars"));
    }
}

void tst_WidgetForm::frames()
{
    const QList<QFrame *> frames = form->findChildren<QFrame *>(QRegularExpression("^(frame|line)"));
    QCOMPARE(frames.size(), 18);
    for (QFrame *frame : frames) {
        const bool line = frame == ui->line_3;
        QVERIFY2(frame->frameShape() == (line ? QFrame::HLine : QFrame::NoFrame),
                 qPrintable(frame->objectName() + " has a wrong frame shape"));
        QVERIFY2(frame->frameShadow() == (line ? QFrame::Sunken : QFrame::Raised),
                 qPrintable(frame->objectName() + " has a wrong frame shadow"));
    }
}

void tst_WidgetForm::planOptionsExcludeEachOther()
{
    const QList<QRadioButton *> options = {ui->radioButton, ui->radioButton_2, ui->radioButton_6,
                                           ui->radioButton_9, ui->radioButton_10};
    for (QRadioButton *chosen : options) {
        chosen->click();
        for (QRadioButton *other : options)
            QVERIFY2(other->isChecked() == (other == chosen),
                     qPrintable(other->objectName() + " has a wrong check state"));
    }
}

void tst_WidgetForm::directionsExcludeEachOther()
{
    ui->radioButton_4->click();
    QVERIFY2(ui->radioButton_4->isChecked(), "clicking the chosen direction unchose it");
    ui->radioButton_3->click();
    QVERIFY2(ui->radioButton_3->isChecked() && !ui->radioButton_4->isChecked(),
             "the directions do not exclude each other");
}

void tst_WidgetForm::passwordIsNotShown()
{
    ui->lineEdit->setText("secret");
    QVERIFY2(!ui->lineEdit->displayText().contains("secret"), "the password is shown");
    QCOMPARE(ui->lineEdit->text(), QString("secret"));
}

void tst_WidgetForm::messageStripShowsMarkupLiterally()
{
    ui->label_87->setText("<b>apple</b>");
    QLabel rich("<b>apple</b>");
    QVERIFY2(ui->label_87->sizeHint().width() > rich.sizeHint().width(),
             "the markup was interpreted");
}

void tst_WidgetForm::hiddenLabelStaysAbovePage()
{
    QVERIFY2(ui->label_63->geometry().bottom() < 0, "label_63 reaches into the page");
    for (float scale : {0.877193f, 1.0f, 1.8947368f}) {
        const QRect g = ui->label_63->geometry();
        QVERIFY2(int(scale * g.y()) + int(scale * g.height()) <= 0,
                 qPrintable(QString("label_63 shows at scale %1").arg(scale)));
    }
}

void tst_WidgetForm::tabChain()
{
    QCOMPARE(tabchain.size(), 195);
    QVERIFY(formcheck::checktabchain(form, tabchain));
}

// Every widget under parent in the order the form creates them: children
// after their parent, the stack's pages in page order (adding a page moves it
// to the front of the stack's children).
static void increationorder(QWidget *parent, QList<QWidget *> &order)
{
    QList<QWidget *> children = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    if (auto *stack = qobject_cast<QStackedWidget *>(parent)) {
        for (int page = stack->count() - 1; page >= 0; --page) {
            children.removeOne(stack->widget(page));
            children.prepend(stack->widget(page));
        }
    }
    for (QWidget *child : children) {
        order << child;
        increationorder(child, order);
    }
}

// The chain as creation order makes it, each widget of the tab chain then
// moved behind the one before it as setTabOrder moves it: a widget with the
// inner widgets that follow it in the chain goes behind the other's inner
// widgets, unless only widgets without focus lie between the two.
QList<QWidget *> tst_WidgetForm::orderedChain() const
{
    QList<QWidget *> chain;
    increationorder(form, chain);
    const auto blockend = [&chain](int at) {
        int end = at;
        while (end + 1 < chain.size() && chain.at(at)->isAncestorOf(chain.at(end + 1)))
            ++end;
        return end;
    };
    for (int i = 0; i + 1 < tabchain.size(); ++i) {
        QWidget *first = widget(tabchain.at(i));
        const int from = chain.indexOf(widget(tabchain.at(i + 1)));
        int before = from - 1;
        while (before >= 0 && chain.at(before)->focusPolicy() == Qt::NoFocus)
            --before;
        if (before >= 0 && chain.at(before) == first)
            continue;
        const QList<QWidget *> block = chain.mid(from, blockend(from) - from + 1);
        chain.erase(chain.begin() + from, chain.begin() + from + block.size());
        int at = blockend(chain.indexOf(first)) + 1;
        for (QWidget *moved : block)
            chain.insert(at++, moved);
    }
    return chain;
}

// The seven buttons left out of the tab chain keep the place in the focus
// chain that their creation order gives them.
void tst_WidgetForm::leftOutOfTabChain()
{
    const QList<QWidget *> ordered = orderedChain();
    const auto takestab = [](QWidget *w) { return bool(w->focusPolicy() & Qt::TabFocus); };
    for (const char *left : {"pushButton_128", "pushButton_61", "pushButton_129", "pushButton_130",
                             "pushButton_131", "pushButton_132", "pushButton_133"}) {
        QWidget *button = widget(left);
        QVERIFY2(button && takestab(button), qPrintable(QLatin1String(left) + " is missing or takes no Tab"));
        QWidget *next = button->nextInFocusChain();
        while (!takestab(next))
            next = next->nextInFocusChain();
        QWidget *previous = button->previousInFocusChain();
        while (!takestab(previous))
            previous = previous->previousInFocusChain();
        // The chain is a ring through the form.
        const int size = ordered.size();
        const int at = ordered.indexOf(button);
        QVERIFY2(at >= 0, qPrintable(QLatin1String(left) + " is not in the tab chain"));
        int after = (at + 1) % size;
        while (!takestab(ordered.at(after)))
            after = (after + 1) % size;
        int before = (at + size - 1) % size;
        while (!takestab(ordered.at(before)))
            before = (before + size - 1) % size;
        QVERIFY2(next == ordered.at(after) && previous == ordered.at(before),
                 qPrintable(QString("%1 lies between %2 and %3, not %4 and %5")
                                .arg(left, previous->objectName(), next->objectName(),
                                     ordered.at(before)->objectName(), ordered.at(after)->objectName())));
    }
}

void tst_WidgetForm::textsGoThroughTranslation()
{
    {
        const OneTranslator translator(QString::fromUtf8("登录"), "Log in");
        ui->retranslateUi(form);
    }
    QCOMPARE(ui->pushButton_2->text(), QString("Log in"));
    QCOMPARE(ui->pushButton->text(), QString::fromUtf8("退出"));
}

QTEST_MAIN(tst_WidgetForm)
#include "tst_widgetform.moc"
