#include "checkreturn.h"
#include "studywindow.h"
#include "widget.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QtTest>

// The learning-page and review-page options a learner sets stay set for the
// next run and for the next login.
class tst_runoptions : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void kept_data();
    void kept();

private:
    // Starts a word run from the plan page; with review, goes on to its test.
    bool run(bool review);
    // The options' values as shown, in the order of the names.
    QList<int> shown(const QStringList &names) const;

    StudyWindow w;
};

using Options = QList<QPair<QString, int>>;

void tst_runoptions::cleanup()
{
    w.close();
}

bool tst_runoptions::run(bool review)
{
    QCOMPARE_RETURN(w.startrun("radioButton", {{"spinBox", 3}}), QStringList());
    QCOMPARE_RETURN(w.page(), 2);
    if (review) {
        QCOMPARE_RETURN(w.clickmessages("pushButton_29"), QStringList());
        QCOMPARE_RETURN(w.page(), 3);
    }
    return true;
}

QList<int> tst_runoptions::shown(const QStringList &names) const
{
    QList<int> values;
    for (const QString &name : names) {
        const QByteArray object = name.toLatin1();
        if (auto *box = w.find<QSpinBox>(object.constData()))
            values << box->value();
        else
            values << int(w.find<QCheckBox>(object.constData())->isChecked());
    }
    return values;
}

void tst_runoptions::kept_data()
{
    QTest::addColumn<bool>("review");
    QTest::addColumn<QString>("back");
    QTest::addColumn<Options>("options");

    // 朗读次数, 单词转换间隔, 大写, 音标, 中文缓出, 通过例句学习.
    QTest::newRow("learning page") << false << "pushButton_62"
                                   << Options{{"spinBox_11", 3}, {"spinBox_12", 4}, {"checkBox_2", 1},
                                              {"checkBox_3", 1}, {"checkBox_4", 1}, {"checkBox_12", 1}};
    // 朗读次数, 通过例句复习.
    QTest::newRow("review page") << true << "pushButton_63"
                                 << Options{{"spinBox_13", 4}, {"checkBox_13", 1}};
}

void tst_runoptions::kept()
{
    QFETCH(bool, review);
    QFETCH(QString, back);
    QFETCH(Options, options);
    QStringList names;
    QList<int> set;
    for (const auto &option : options) {
        names << option.first;
        set << option.second;
    }

    QVERIFY2(w.start(), "could not log in");
    QVERIFY(run(review));
    QVERIFY2(shown(names) != set, "the options already held the values the test sets");
    for (const auto &option : options) {
        const QByteArray object = option.first.toLatin1();
        if (auto *box = w.find<QSpinBox>(object.constData()))
            box->setValue(option.second);
        else
            w.find<QCheckBox>(object.constData())->click();
    }
    QVERIFY(w.click(back.toLatin1().constData()));
    QCOMPARE(w.page(), 1);

    QVERIFY(run(review));
    QVERIFY2(shown(names) == set, "the next run went back to the options of the last login");

    QVERIFY2(w.relogin(), "could not log in again");
    QVERIFY(run(review));
    QVERIFY2(shown(names) == set, "the next login lost the options set during the session");
}

QTEST_MAIN(tst_runoptions)
#include "tst_runoptions.moc"
