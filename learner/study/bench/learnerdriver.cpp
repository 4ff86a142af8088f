// Drives the learner window for campaigns outside the tests:
//   learnerdriver setup <folder>     a reader "U" (password "pw") with a textbook, in the folder
//   learnerdriver save <folder>      logs in, logs out and quits
//   learnerdriver tour <folder> <n>  a learner without a textbook logs in, adopts one,
//                                    learns n words, takes the test, hands it in, reviews
//                                    the group when due, visits every page and closes the
//                                    window, which ends the event loop and saves at exit
// and prints the messages shown on one line: "messages: a | b"; the save keeps
// pictures of its messages in the folder SHOTDIR names, when set.
// For a campaign that kills the learner midway (scripts/killcampaign.sh):
//   learnerdriver logins <folder>    prints "ready", then logs the reader in, changes a
//                                    review interval and logs out, 40 times; "done <ms>"
//   learnerdriver check <folder>     the next start: logs in and out and prints on one
//                                    line whether the user was locked out, whether the
//                                    user file or its settings were torn, and the files
//                                    that no save finished

#include "dialogdriver.h"
#include "driverargs.h"
#include "fd_dialog.h"
#include "learnbook.h"
#include "messageshot.h"
#include "muser.h"
#include "studyclock.h"
#include "studywindow.h"
#include "testfiles.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedPointer>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {
QTextStream out(stdout);
const int TestPage = 3;

QString userpath(const QString &folder)
{
    return folder + QStringLiteral("/u.zbu");
}

bool setup(const QString &folder)
{
    if (!QDir().mkpath(folder) || !testfiles::writereader(userpath(folder), QStringLiteral("U")))
        return false;
    testfiles::setprogram({userpath(folder)}, 0, folder);
    return true;
}

QStringList click(Widget &window, const char *button)
{
    return StudyWindow::messages([&]() { window.findChild<QPushButton *>(QLatin1String(button))->click(); });
}

// Runs the action and answers the one message it shows, keeping its picture.
QStringList shotmessage(const std::function<void()> &action)
{
    QStringList texts;
    DialogDriver driver;
    readshot(driver, &texts);
    driver.start();
    action();
    return texts;
}

QStringList save()
{
    QScopedPointer<Widget> window(new Widget);
    window->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("pw"));
    QStringList messages = click(*window, "pushButton_2");
    messages += shotmessage([&]() { window->findChild<QPushButton *>(QStringLiteral("pushButton_4"))->click(); });
    messages += shotmessage([&]() { window.reset(); });
    return messages;
}
QString bookpath(const QString &folder)
{
    return folder + QStringLiteral("/book.zemBook");
}

bool setuptour(const QString &folder)
{
    learnbook::Book book;
    book.words = 30;
    if (!QDir().mkpath(folder) || learnbook::write(folder, book) != bookpath(folder)
        || !testfiles::writeuser(userpath(folder), QStringLiteral("U"), QStringLiteral("pw")))
        return false;
    testfiles::setprogram({userpath(folder)}, 0, folder);
    return true;
}

template<typename T>
T *find(Widget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

QStringList adopt(Widget &window, const QString &path)
{
    QStringList messages;
    DialogDriver choose;
    choose.add(QStringLiteral("fd_Dialog"), [path](QDialog *dialog) {
        auto *chooser = qobject_cast<fd_Dialog *>(dialog);
        *chooser->result = path;
        chooser->close();
    });
    choose.start();
    messages += click(window, "pushButton_80");
    return messages;
}

// The textbook's words by meaning.
QMap<QString, QString> answers(const QString &folder)
{
    MUser reader;
    QMap<QString, QString> words;
    if (!reader.adoptbook(bookpath(folder)))
        return words;
    for (int p = 0; p < reader.wordcount(); ++p)
        words.insert(reader.item(p).value(2), reader.item(p).value(0));
    return words;
}

// Types every row's word and confirms the hand-in at the last row.
QStringList answerall(Widget &window, const QMap<QString, QString> &words)
{
    auto *rows = find<QListWidget>(window, "listWidget_2");
    auto *field = find<QLineEdit>(window, "lineEdit_18");
    QStringList messages;
    DialogDriver confirm;
    confirm.click(QStringLiteral("inputDlg"), QStringLiteral("pushButton"));
    for (int r = 0; r < rows->count(); ++r) {
        rows->setCurrentRow(r);
        field->setText(words.value(rows->item(r)->text().section(QLatin1Char('\n'), 1)));
        if (r == rows->count() - 1)
            confirm.start();
        messages += StudyWindow::messages([field]() { QTest::keyClick(field, Qt::Key_Return); });
    }
    return messages;
}

QStringList tour(Widget &window, const QString &folder, int count, QList<int> *trail)
{
    QObject::connect(find<QStackedWidget>(window, "stackedWidget"), &QStackedWidget::currentChanged,
                     [trail](int page) { trail->append(page); });
    const QMap<QString, QString> words = answers(folder);
    auto *clock = window.findChild<studyclock *>();
    const QDateTime learnt = QDateTime::currentDateTime();
    clock->setnow(learnt);
    find<QLineEdit>(window, "lineEdit")->setText(QStringLiteral("pw"));
    QStringList messages = click(window, "pushButton_2");
    messages += adopt(window, bookpath(folder));
    find<QRadioButton>(window, "radioButton")->setChecked(true);
    find<QSpinBox>(window, "spinBox")->setValue(count);
    messages += click(window, "pushButton_3");
    auto *list = find<QListWidget>(window, "listWidget");
    for (int r = 1; r < list->count(); ++r)
        messages += StudyWindow::messages([list, r]() { list->setCurrentRow(r); });
    messages += click(window, "pushButton_29");
    messages += answerall(window, words);
    auto *pages = find<QStackedWidget>(window, "stackedWidget");
    if (pages->currentIndex() == TestPage)
        messages += click(window, "pushButton_31");
    clock->setnow(learnt.addDays(1));
    messages += click(window, "pushButton_128");
    messages += click(window, "pushButton_33");
    messages += answerall(window, words);
    for (int page = pages->count() - 1; page >= 1; --page)
        messages += StudyWindow::messages([pages, page]() { pages->setCurrentIndex(page); });
    return messages;
}

// The tour, then the window's close ends the event loop as in the program;
// the window is destroyed after it, which saves.
int runtour(const QString &folder, int words)
{
    QScopedPointer<Widget> window(new Widget);
    QList<int> trail;
    QStringList messages = tour(*window, folder, words, &trail);
    QTimer::singleShot(0, window.data(), &QWidget::close);
    const int code = QApplication::exec();
    messages += StudyWindow::messages([&]() { window.reset(); });
    QStringList pages;
    for (int page : trail)
        pages << QString::number(page);
    out << "pages: " << pages.join(QLatin1Char(' ')) << Qt::endl;
    out << "messages: " << messages.join(QStringLiteral(" | ")) << Qt::endl;
    return code;
}
const int Logins = 40;

int logins()
{
    QScopedPointer<Widget> window(new Widget);
    out << "ready" << Qt::endl;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Logins; ++i) {
        find<QLineEdit>(*window, "lineEdit")->setText(QStringLiteral("pw"));
        if (!click(*window, "pushButton_2").isEmpty())
            return 1;
        find<QSpinBox>(*window, "spinBox_15")->setValue(20 + i);
        if (!click(*window, "pushButton_4").isEmpty())
            return 1;
    }
    out << "done " << timer.elapsed() << Qt::endl;
    return 0;
}

// Files beside the user that no save finished, and locks left.
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".u.*"), QStringLiteral("u.zbu?*"), QStringLiteral("u.ini?*")},
                                  QDir::Files | QDir::Hidden);
}

int check(const QString &folder)
{
    MUser user;
    bool bookread = false;
    const bool userwhole = user.load(userpath(folder), &bookread) && bookread && user.wordcount() == 30;
    const QSettings settings(folder + QStringLiteral("/u.ini"), QSettings::IniFormat);
    const bool settingswhole = settings.status() == QSettings::NoError;
    QStringList messages;
    {
        QScopedPointer<Widget> window(new Widget);
        find<QLineEdit>(*window, "lineEdit")->setText(QStringLiteral("pw"));
        messages += click(*window, "pushButton_2");
        if (find<QStackedWidget>(*window, "stackedWidget")->currentIndex() != 0)
            messages += click(*window, "pushButton_4");
    }
    const bool lockedout = messages.contains(QStringLiteral("该用户正在使用中"));
    const QStringList left = leftovers(folder);
    out << "lockedout=" << int(lockedout) << " torn=" << int(!userwhole || !settingswhole)
        << " leftovers=" << left.size() << (left.isEmpty() ? QString() : QLatin1Char(' ') + left.join(QLatin1Char(',')))
        << " messages=" << (messages.isEmpty() ? QStringLiteral("-") : messages.join(QStringLiteral(" | ")))
        << Qt::endl;
    return lockedout || !userwhole || !settingswhole || !left.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DriverArgs args;
    if (!args.read(app.arguments(), "learnerdriver setup|save|tour|logins|check <folder> [words]"))
        return 2;
    const QString &step = args.step;
    const QString &folder = args.folder;
    if (step == QLatin1String("setup"))
        return setup(folder) ? 0 : 1;
    if (step == QLatin1String("logins"))
        return logins();
    if (step == QLatin1String("check"))
        return check(folder);
    if (step == QLatin1String("tour"))
        return setuptour(folder) ? runtour(folder, args.more.value(0, QStringLiteral("3")).toInt()) : 1;
    if (step != QLatin1String("save"))
        return 2;
    out << "messages: " << save().join(QStringLiteral(" | ")) << Qt::endl;
    return 0;
}
