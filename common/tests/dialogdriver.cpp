#include "dialogdriver.h"

#include "checkreturn.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Gives up on a dialog that never shows, so a broken test ends instead of hanging.
const int maxidlepolls = 2000;
}

void DialogDriver::add(const QString &dialogclass, const Action &action)
{
    steps.append({dialogclass, action});
}

void DialogDriver::click(const QString &dialogclass, const QString &button)
{
    add(dialogclass, [button](QDialog *dialog) { clickbutton(dialog, button); });
}

void DialogDriver::titleclose(const QString &dialogclass)
{
    add(dialogclass, [](QDialog *dialog) { dialog->close(); });
}

void DialogDriver::readmessage(QString *text)
{
    add(QStringLiteral("mb_Dialog"), [text](QDialog *dialog) {
        *text = dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
        clickbutton(dialog, QStringLiteral("pushButton"));
    });
}

QString DialogDriver::message(const std::function<void(DialogDriver &)> &act)
{
    QString text;
    DialogDriver driver;
    driver.readmessage(&text);
    act(driver);
    return text;
}

void DialogDriver::start()
{
    QTimer::singleShot(0, this, &DialogDriver::poll);
}

bool DialogDriver::done() const
{
    return steps.isEmpty();
}

bool DialogDriver::clickbutton(QDialog *dialog, const QString &button)
{
    auto *target = dialog->findChild<QPushButton *>(button);
    QVERIFY_RETURN(target, qPrintable("no button " + button));
    QTest::mouseClick(target, Qt::LeftButton);
    return true;
}

void DialogDriver::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (QTest::currentTestFailed()) {
        steps.clear();
        if (dialog)
            dialog->close();
    }
    if (steps.isEmpty() && !dialog)
        return;
    QTimer::singleShot(5, this, &DialogDriver::poll);
    if (steps.isEmpty())
        return;
    if (!dialog || !dialog->isVisible()
        || dialog->metaObject()->className() != steps.first().dialogclass) {
        if (++idlepolls > maxidlepolls && dialog) {
            QTest::qFail("the expected dialog did not show", __FILE__, __LINE__);
            dialog->close();
        }
        return;
    }
    idlepolls = 0;
    const Step step = steps.takeFirst();
    step.action(dialog);
}
