// Pictures of the plan, learning, lesson and review pages as fitted to three
// screen sizes, with a textbook adopted, a review group due and a run in progress,
// saved as PNG files into the folder given as the argument. For looking at;
// asserts nothing.

#include "reviewwindow.h"
#include "chinesedefaults.h"
#include "screenfit.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextStream>

#include <functional>

namespace {

const QDateTime Now(QDate(2026, 3, 2), QTime(8, 0));

struct Page {
    QString name;
    // Whether the review group is due at log-in, which opens the group list.
    bool due;
    std::function<void(ReviewWindow &)> act;
};

// A fresh window logged in, brought to the page, saved as name.
bool shoot(const QString &folder, const QString &name, const Page &page)
{
    ReviewWindow::Setup setup;
    setup.groups = {{4, page.due ? Now.addDays(-1) : Now, 0}};
    ReviewWindow window;
    if (!window.start(setup, Now).isEmpty())
        return false;
    page.act(window);
    return window.find<QStackedWidget>("stackedWidget")->grab().save(QDir(folder).filePath(name));
}

void startrun(ReviewWindow &window, const char *radio, const QList<QPair<const char *, int>> &spins)
{
    window.find<QRadioButton>(radio)->setChecked(true);
    for (const auto &spin : spins)
        window.find<QSpinBox>(spin.first)->setValue(spin.second);
    window.click("pushButton_3");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    usechinesedefaults();
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: pageshots FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QList<Page> pages = {
        {"plan", false, [](ReviewWindow &) {}},
        {"learning", false, [](ReviewWindow &w) {
             startrun(w, "radioButton_6", {{"spinBox_4", 1}, {"spinBox_5", 8}});
             w.find<QListWidget>("listWidget")->setCurrentRow(1);
         }},
        {"lesson", false, [](ReviewWindow &w) { startrun(w, "radioButton_10", {{"spinBox_9", 1}}); }},
        {"reviewgroups", true, [](ReviewWindow &) {}},
        {"reviewtest", true, [](ReviewWindow &w) { w.click("pushButton_33"); }},
    };
    int failed = 0;
    for (const QSize &screen : {QSize(1728, 1080), QSize(1440, 900), QSize(1024, 640)}) {
        ScreenFit::setscreen(screen);
        for (const auto &page : pages) {
            const QString name = QStringLiteral("learner-%1-%2x%3.png").arg(page.name).arg(screen.width())
                                     .arg(screen.height());
            const bool saved = shoot(folder, name, page);
            out << (saved ? "saved " : "not saved ") << name << "\n";
            failed += saved ? 0 : 1;
        }
    }
    return failed == 0 ? 0 : 1;
}
