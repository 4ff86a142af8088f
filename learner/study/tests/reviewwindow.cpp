#include "reviewwindow.h"

#include "dialogdriver.h"
#include "muser.h"
#include "studyclock.h"
#include "testfiles.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

QStringList ReviewWindow::start(const Setup &setup, const QDateTime &now)
{
    close();
    dir.reset(new QTemporaryDir);
    const QString bookpath = learnbook::write(dir->path(), setup.book);
    if (bookpath.isEmpty())
        return {QStringLiteral("textbook not written")};
    MUser user;
    user.reset();
    user.setname(QStringLiteral("复习者"));
    user.setpassword(QStringLiteral("pw"));
    if (!user.adoptbook(bookpath))
        return {QStringLiteral("textbook not adopted")};
    for (int p = 0; p < setup.diffs.size(); ++p)
        user.setworddiff(p, setup.diffs.at(p));
    for (const Group &group : setup.groups) {
        const int g = user.groupcount();
        user.newgroup(group.size);
        user.setgroupstart(g, group.start);
        for (int k = 1; k <= group.intervals.size(); ++k)
            user.setinterval(g, k, group.intervals.at(k - 1));
        user.setstage(g, group.stage);
    }
    for (const auto &key : setup.keys)
        user.addkey(key.first, key.second, 0, 1);
    path = dir->filePath(QStringLiteral("reader.zbu"));
    if (!user.save(path))
        return {QStringLiteral("user not written")};
    testfiles::setprogram({path}, 0, dir->path());
    shown.reset(new Widget);
    setnow(now);
    return login();
}

QStringList ReviewWindow::login()
{
    find<QLineEdit>("lineEdit")->setText(QStringLiteral("pw"));
    return click("pushButton_2");
}

void ReviewWindow::setnow(const QDateTime &t)
{
    shown->findChild<studyclock *>()->setnow(t);
}

void ReviewWindow::close()
{
    if (shown)
        find<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
    shown.reset();
    QFile::remove(testfiles::programsettings());
}

int ReviewWindow::page() const
{
    return find<QStackedWidget>("stackedWidget")->currentIndex();
}

bool ReviewWindow::shot(const QString &name) const
{
    const QString folder = qEnvironmentVariable("SHOTDIR");
    return folder.isEmpty() || shown->grab().save(QDir(folder).filePath(name));
}

QStringList ReviewWindow::run(const std::function<void()> &action, const QString &input)
{
    QStringList shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&shown, &input]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("label"));
        shown << (label ? label->text() : QString::fromLatin1(dialog->metaObject()->className()));
        if (QByteArray(dialog->metaObject()->className()) == "inputDlg") {
            if (input.isNull()) {
                DialogDriver::clickbutton(dialog, QStringLiteral("pushButton_2"));
                return;
            }
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(input);
        }
        if (dialog->findChild<QPushButton *>(QStringLiteral("pushButton")))
            DialogDriver::clickbutton(dialog, QStringLiteral("pushButton"));
        else
            dialog->close();
    });
    answer.start(5);
    action();
    return shown;
}

QStringList ReviewWindow::click(const char *button, const QString &input)
{
    auto *target = find<QPushButton>(button);
    if (!target)
        return {QStringLiteral("no button ") + QLatin1String(button)};
    return run([target]() { target->click(); }, input);
}

QStringList ReviewWindow::type(const QString &text, const QString &input)
{
    auto *edit = find<QLineEdit>("lineEdit_18");
    edit->setText(text);
    return run([edit]() { QTest::keyClick(edit, Qt::Key_Return); }, input);
}

int ReviewWindow::wordofrow(const QString &rowtext)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("词(\\d+)$")).match(rowtext);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

int ReviewWindow::rowword(const char *list, int row) const
{
    const QListWidgetItem *item = find<QListWidget>(list)->item(row);
    return item ? wordofrow(item->text()) : -1;
}

QStringList ReviewWindow::rows(const char *list) const
{
    QStringList result;
    const auto *widget = find<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i)
        result << widget->item(i)->text();
    return result;
}

bool ReviewWindow::reload(MUser &user) const
{
    return user.load(path);
}

QList<int> ReviewWindow::Group::standardintervals()
{
    return {20, 60, 1, 2, 5, 15, 30, 60};
}
