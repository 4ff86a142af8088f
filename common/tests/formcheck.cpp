#include "formcheck.h"

#include "checkreturn.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTextStream>
#include <QtTest>

namespace formcheck {

namespace {

QRect rectfrom(const QString &text)
{
    const QStringList v = text.split(',');
    return QRect(v.at(0).toInt(), v.at(1).toInt(), v.at(2).toInt(), v.at(3).toInt());
}

} // namespace

QList<QWidget *> namedwidgets(QWidget *form)
{
    QList<QWidget *> named;
    const QList<QWidget *> all = form->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            named << w;
    }
    return named;
}

int distinctnames(const QList<QWidget *> &widgets)
{
    QSet<QString> names;
    for (QWidget *w : widgets)
        names.insert(w->objectName());
    return names.size();
}

QMap<QString, int> classcounts(const QList<QWidget *> &widgets)
{
    QMap<QString, int> classes;
    for (QWidget *w : widgets)
        ++classes[w->metaObject()->className()];
    return classes;
}

int addtablerows(const QString &path, bool looks)
{
    QTest::addColumn<QString>("classname");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    if (looks)
        QTest::addColumn<QStringList>("looks");

    QFile file(path);
    if (!QTest::qVerify(file.open(QIODevice::ReadOnly), "file.open", "the widget table is missing",
                        __FILE__, __LINE__))
        return 0;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    int rows = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#'))
            continue;
        const QStringList f = line.split('\t');
        if (!QTest::qVerify(f.size() == (looks ? 7 : 6), "f.size()",
                            qPrintable("bad table row: " + line), __FILE__, __LINE__))
            return rows;
        QTestData &row = QTest::newRow(qPrintable(f.at(0)))
                         << f.at(1) << f.at(2) << rectfrom(f.at(3)) << f.at(4) << f.at(5);
        if (looks)
            row << f.at(6).split(' ', Qt::SkipEmptyParts);
        ++rows;
    }
    return rows;
}

bool checkobject(QWidget *form)
{
    QFETCH(QString, classname);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    const QString name = QTest::currentDataTag();

    QWidget *w = form->findChild<QWidget *>(name);
    QVERIFY_RETURN(w, qPrintable(name + " does not exist"));
    QCOMPARE_RETURN(QString(w->metaObject()->className()), classname);
    QVERIFY_RETURN(w->parentWidget(), qPrintable(name + " has no parent"));
    QCOMPARE_RETURN(w->parentWidget()->objectName(), parent);
    QCOMPARE_RETURN(w->geometry(), geometry);
    if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w))
        QCOMPARE_RETURN(w->property("text").toString(), text);
    else
        QVERIFY_RETURN(text.isEmpty(), qPrintable(name + " has no caption"));
    QCOMPARE_RETURN(w->toolTip(), tooltip);
    return true;
}

bool checktabchain(QWidget *form, const QStringList &chain)
{
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QWidget *from = form->findChild<QWidget *>(chain.at(i));
        QVERIFY_RETURN(from, qPrintable("no widget " + chain.at(i)));
        QWidget *next = from->nextInFocusChain();
        // Tab skips a compound widget's inner parts and widgets that take no focus.
        while (next != from && (from->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        QVERIFY_RETURN(next->objectName() == chain.at(i + 1),
                       qPrintable(QString("%1 is followed by %2, not %3")
                                      .arg(chain.at(i), next->objectName(), chain.at(i + 1))));
    }
    return true;
}

}
