#include "textfitcheck.h"

#include "textfit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
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

QString clipped(const QWidget *root)
{
    QString report;
    const QList<QWidget *> descendants = root->findChildren<QWidget *>();
    for (const QWidget *widget : descendants) {
        if (!TextFit::fits(widget))
            report += QStringLiteral("%1 \"%2\" %3pt %4x%5 is cut off; ")
                          .arg(widget->objectName(), textof(widget)).arg(widget->font().pointSize())
                          .arg(widget->width()).arg(widget->height());
    }
    return report;
}

void addsizerows()
{
    QTest::addColumn<QSize>("screen");
    for (const auto &size : sizes())
        QTest::newRow(qPrintable(size.first)) << size.second;
}
} // namespace textfitcheck
