// Drives the learner window for campaigns outside the tests:
//   learnerdriver setup <folder>   a reader "U" (password "pw") with a textbook, in the folder
//   learnerdriver save <folder>    logs in, logs out and quits
// and prints the messages shown on one line: "messages: a | b".

#include "studywindow.h"
#include "testfiles.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedPointer>
#include <QTextStream>

namespace {
QTextStream out(stdout);

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

QStringList save()
{
    QScopedPointer<Widget> window(new Widget);
    window->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("pw"));
    QStringList messages = click(*window, "pushButton_2");
    messages += click(*window, "pushButton_4");
    messages += StudyWindow::messages([&]() { window.reset(); });
    return messages;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        qWarning("usage: learnerdriver setup|save <folder>");
        return 2;
    }
    const QString step = args.at(1);
    const QString folder = QDir(args.at(2)).absolutePath();
    if (step == QLatin1String("setup"))
        return setup(folder) ? 0 : 1;
    if (step != QLatin1String("save"))
        return 2;
    out << "messages: " << save().join(QStringLiteral(" | ")) << Qt::endl;
    return 0;
}
