#include "studywindow.h"

#include "checkreturn.h"
#include "dialogdriver.h"
#include "testfiles.h"
#include "widget.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

bool StudyWindow::start(const studyreader::Reader &reader)
{
    close();
    dir.reset(new QTemporaryDir);
    path = studyreader::write(*dir, reader);
    if (path.isEmpty())
        return false;
    shown.reset(new Widget);
    return login();
}

bool StudyWindow::login()
{
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    find<QPushButton>("pushButton_2")->click();
    return page() == 1;
}

bool StudyWindow::relogin()
{
    find<QPushButton>("pushButton_4")->click();
    return page() == 0 && login();
}

void StudyWindow::close()
{
    if (shown)
        find<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
    shown.reset();
    QFile::remove(testfiles::programsettings());
}

int StudyWindow::page() const
{
    return find<QStackedWidget>("stackedWidget")->currentIndex();
}

bool StudyWindow::click(const char *button)
{
    auto *target = find<QPushButton>(button);
    QVERIFY_RETURN(target, qPrintable(QStringLiteral("no button ") + QLatin1String(button)));
    target->click();
    return true;
}

void StudyWindow::shot(const QString &name) const
{
    const QString folder = qEnvironmentVariable("SHOTDIR");
    if (!folder.isEmpty() && shown)
        shown->grab().save(folder + QLatin1Char('/') + name);
}

namespace {

// Answers the program's message box if one is open, and looks again after it.
void answermessage(const QSharedPointer<QStringList> &texts)
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || QByteArray(dialog->metaObject()->className()) != "mb_Dialog")
        return;
    texts->append(dialog->findChild<QLabel *>(QStringLiteral("label"))->text());
    QTimer::singleShot(0, [texts]() { answermessage(texts); });
    DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
}

}

QStringList StudyWindow::messages(const std::function<void()> &action)
{
    const QSharedPointer<QStringList> texts(new QStringList);
    QTimer::singleShot(0, [texts]() { answermessage(texts); });
    action();
    QCoreApplication::processEvents();
    return *texts;
}

QStringList StudyWindow::clickmessages(const char *button)
{
    return messages([this, button]() { click(button); });
}

QStringList StudyWindow::answer(const char *field, const QString &text)
{
    auto *edit = find<QLineEdit>(field);
    edit->setText(text);
    return messages([edit]() { QTest::keyClick(edit, Qt::Key_Return); });
}

bool StudyWindow::clickdialog(const char *button, const char *dialogclass,
                              const std::function<void(QDialog *)> &act)
{
    DialogDriver driver;
    driver.add(dialogclass, act);
    driver.start();
    return click(button) && driver.done();
}

bool StudyWindow::opensdialog(const char *button)
{
    const QSharedPointer<bool> opened(new bool(false));
    QTimer::singleShot(0, [opened]() {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            *opened = true;
            dialog->close();
        }
    });
    click(button);
    QCoreApplication::processEvents();
    return *opened;
}

QStringList StudyWindow::startrun(const char *radio, const QList<QPair<const char *, int>> &spins,
                                  int threshold)
{
    find<QRadioButton>(radio)->setChecked(true);
    for (const auto &spin : spins)
        find<QSpinBox>(spin.first)->setValue(spin.second);
    find<QSpinBox>("spinBox_10")->setValue(threshold);
    return clickmessages("pushButton_3");
}

QStringList StudyWindow::rows(const char *list) const
{
    QStringList result;
    const auto *widget = find<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i)
        result << widget->item(i)->text();
    return result;
}

QStringList StudyWindow::tags(const char *list) const
{
    QStringList result;
    const auto *widget = find<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i)
        result << widget->item(i)->data(Qt::WhatsThisRole).toString();
    return result;
}
