#include "textfitcheck.h"

#include "paintedtext.h"
#include "screenfit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSize>
#include <QTest>
#include <QWidget>

namespace textfitcheck {

QVector<QPair<QString, QSize>> sizes()
{
    const QSize all[] = {{1728, 1080}, {1680, 1050}, {1440, 900}, {1228, 768},
                         {1152, 720},  {1024, 640},  {800, 500}};
    QVector<QPair<QString, QSize>> rows;
    for (const QSize &size : all)
        rows.append({QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), size});
    return rows;
}

static QString textof(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *spinbox = qobject_cast<const QAbstractSpinBox *>(widget))
        return spinbox->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return QString();
}

static QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 \"%2\" %3pt %4x%5")
        .arg(widget->objectName(), textof(widget)).arg(widget->font().pointSize())
        .arg(widget->width()).arg(widget->height());
}

QString clipped(QWidget *root)
{
    QString report;
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        const QString cut = PaintedText(widget).cut();
        if (!cut.isEmpty())
            report += describe(widget) + QStringLiteral(": ") + cut + QStringLiteral("; ");
    }
    return report;
}

static QStringList belowtable(QWidget *root, int pointsize)
{
    QStringList below;
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        if (!textof(widget).isEmpty() && widget->font().pointSize() < pointsize)
            below << describe(widget);
    }
    return below;
}

QString shrunkwithroom(QWidget *root, const QSize &screen)
{
    const int pointsize = ScreenFit::choose(screen, 0).fontsize;
    const QStringList below = belowtable(root, pointsize);
    qInfo("%d widgets with text below the table's %dpt: %s", int(below.size()), pointsize,
          qPrintable(below.join(QStringLiteral("; "))));
    QString report;
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        const QFont fitted = widget->font();
        // A date field is fitted to its widest date, not to the date it shows.
        if (textof(widget).isEmpty() || fitted.pointSize() * 4 >= pointsize * 3
            || qobject_cast<const QDateTimeEdit *>(widget->parentWidget()))
            continue;
        QFont table = fitted;
        table.setPointSize(pointsize);
        widget->setFont(table);
        const PaintedText shown(widget);
        widget->setFont(fitted);
        if (shown.hastext() && shown.cut().isEmpty())
            report += describe(widget) + QStringLiteral(" shows whole at %1pt; ").arg(pointsize);
    }
    return report;
}

void addsizerows()
{
    QTest::addColumn<QSize>("screen");
    for (const auto &size : sizes())
        QTest::newRow(qPrintable(size.first)) << size.second;
}

void addtextrows(const QVector<QPair<QString, QString>> &texts)
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("text");
    for (const auto &size : sizes()) {
        for (const auto &text : texts)
            QTest::newRow(qPrintable(size.first + ' ' + text.first)) << size.second << text.first << text.second;
    }
}

// Sets the text as the program does and draws the widget as the screen would.
static bool settext(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->clear();
        combo->addItem(text);
    } else {
        return false;
    }
    widget->grab();
    return true;
}

QString refitproblem(QWidget *root, const QString &widget, const QString &text, int pointsize)
{
    QWidget *shown = root->findChild<QWidget *>(widget);
    const QString shorttext = QStringLiteral("1");
    if (!shown || !settext(shown, shorttext))
        return widget + QStringLiteral(" is no label, button or combo box");
    const int shortsize = shown->font().pointSize();
    settext(shown, text);
    const QString cut = PaintedText(shown).cut();
    if (!cut.isEmpty())
        return describe(shown) + QStringLiteral(": ") + cut;
    if (shown->font().pointSize() > pointsize)
        return describe(shown) + QStringLiteral(" is above the table's %1pt").arg(pointsize);
    settext(shown, shorttext);
    if (shown->font().pointSize() != shortsize)
        return QStringLiteral("%1 stayed at %2pt after a short text, not %3pt")
            .arg(widget).arg(shown->font().pointSize()).arg(shortsize);
    return QString();
}
} // namespace textfitcheck
