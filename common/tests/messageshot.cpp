#include "messageshot.h"

#include "dialogdriver.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

void messageshot(QWidget *dialog)
{
    static int shots = 0;
    const QString folder = qEnvironmentVariable("SHOTDIR");
    if (folder.isEmpty())
        return;
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    dialog->grab().save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(program).arg(++shots)));
}

void readshot(DialogDriver &driver, QStringList *texts)
{
    driver.add(QStringLiteral("mb_Dialog"), [texts](QDialog *dialog) {
        texts->append(dialog->findChild<QLabel *>(QStringLiteral("label"))->text());
        messageshot(dialog);
        DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
    });
}
