// Times the learning page's step to the next word with a 20,000-word textbook:
// median and slowest milliseconds over 200 steps, with reading aloud off.
// Prints figures; asserts nothing.

#include "learnbook.h"
#include "muser.h"
#include "studywindow.h"
#include "testfiles.h"
#include "widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {
const int Words = 20000;
const int Steps = 200;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    learnbook::Book book;
    book.words = Words;
    book.linked = 5000;
    book.soundwords = Steps + 1;
    QElapsedTimer clock;
    clock.start();
    const QString bookpath = learnbook::write(dir.path(), book);
    MUser user;
    user.reset();
    user.setname(QStringLiteral("bench"));
    user.setpassword(QStringLiteral("pw"));
    const QString userpath = dir.filePath(QStringLiteral("bench.zbu"));
    if (bookpath.isEmpty() || !user.adoptbook(bookpath) || !user.save(userpath)) {
        out << "cannot write the textbook or the user\n";
        return 1;
    }
    out << "textbook of " << Words << " words written in " << clock.elapsed() << " ms\n";
    testfiles::setprogram({userpath}, 0, dir.path());

    Widget window;
    auto find = [&window](const char *name) { return window.findChild<QWidget *>(QLatin1String(name)); };
    static_cast<QLineEdit *>(find("lineEdit"))->setText(QStringLiteral("pw"));
    clock.restart();
    QStringList messages = StudyWindow::messages([&]() { static_cast<QPushButton *>(find("pushButton_2"))->click(); });
    out << "login with the textbook: " << clock.elapsed() << " ms\n";
    static_cast<QRadioButton *>(find("radioButton_6"))->setChecked(true);
    static_cast<QSpinBox *>(find("spinBox_4"))->setValue(1);
    static_cast<QSpinBox *>(find("spinBox_5"))->setValue(Steps + 1);
    clock.restart();
    messages += StudyWindow::messages([&]() { static_cast<QPushButton *>(find("pushButton_3"))->click(); });
    out << "start of a run of " << Steps + 1 << " words: " << clock.elapsed() << " ms\n";
    auto *list = static_cast<QListWidget *>(find("listWidget"));
    if (!messages.isEmpty() || list->count() != Steps + 1) {
        out << "the run did not start: " << messages.join(QStringLiteral(" / ")) << "\n";
        return 1;
    }

    QList<qint64> times;
    for (int step = 1; step <= Steps; ++step) {
        clock.restart();
        list->setCurrentRow(step);
        times << clock.nsecsElapsed();
        app.processEvents();
    }
    std::sort(times.begin(), times.end());
    const double median = (times.at(Steps / 2 - 1) + times.at(Steps / 2)) / 2e6;
    out << "step to the next word over " << Steps << " steps: median " << QString::number(median, 'f', 2)
        << " ms, slowest " << QString::number(times.last() / 1e6, 'f', 2) << " ms (goal: median under 50 ms)\n";
    static_cast<QStackedWidget *>(find("stackedWidget"))->setCurrentIndex(0);
    return 0;
}
