// Runs one step of the bookmaker window for a campaign that kills it midway:
//   killdriver setup <folder>     a project of 20,000 words, 5,000 sentences and
//                                 200 lessons with (empty) sounds, as the material folder
//   killdriver generate <folder>  opens it, prints "ready", generates the textbook
//   killdriver save <folder>      opens it, prints "ready", closes, which saves the project
//   killdriver check <folder>     the next start: opens the folder, tries the word page,
//                                 closes, and prints what it found on one line: torn
//                                 textbooks, one textbook without the other, a folder
//                                 locked without a whole textbook, a lost project, the
//                                 files that no save finished, and whether the start
//                                 finished a generation killed between its renames
// The steps that can be killed print "done <ms>" when they were not.

#include "bookmakerfiles.h"
#include "dialogdriver.h"
#include "driverargs.h"
#include "mbook.h"
#include "textbookfixture.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

namespace {
const int Words = 20000;
const int Sentences = 5000;
const int Lessons = 200;
const QString Finished = QStringLiteral("为防止当前位置的教材被破坏，放弃任务");
QTextStream out(stdout);

bool setup(const QString &folder)
{
    if (!QDir().mkpath(folder) || !bookmakerfiles::writeproject(folder, Words, Sentences, Lessons))
        return false;
    for (int i = 1; i <= Words; ++i)
        textbookfixture::writefile(folder + QStringLiteral("/w%1.mp3").arg(i), QByteArray());
    for (int j = 1; j <= Sentences; ++j)
        textbookfixture::writefile(folder + QStringLiteral("/s%1.mp3").arg(j), QByteArray());
    textbookfixture::writesettings(folder, folder, QString());
    return true;
}

void ready()
{
    out << "ready" << Qt::endl;
}

void done(const QElapsedTimer &timer)
{
    out << "done " << timer.elapsed() << Qt::endl;
}

int generate()
{
    Widget window;
    QString message;
    DialogDriver driver;
    driver.readmessage(&message);
    ready();
    QElapsedTimer timer;
    timer.start();
    textbookfixture::run(&window, "pushButton_wancheng", driver);
    done(timer);
    window.close();
    return message == QStringLiteral("教材已经在素材位置生成") ? 0 : 1;
}

int save()
{
    Widget window;
    ready();
    QElapsedTimer timer;
    timer.start();
    window.close();
    done(timer);
    return 0;
}

// Whether the file at path is a textbook the reader takes.
bool readable(const QString &path)
{
    MBook book;
    return book.readbook(path);
}

// Files beside the project and the textbook that no save finished.
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("book.pro?*"), QStringLiteral("*.zemBook?*"),
                                   QStringLiteral(".book.pro.*"), QStringLiteral(".*.zemBook.*"),
                                   QStringLiteral(".qt_temp*")},
                                  QDir::Files | QDir::Hidden);
}

// Whether both textbooks are in the folder, whole.
bool wholetextbooks(const QString &folder)
{
    return readable(folder + "/rand.zemBook") && readable(folder + "/book.zemBook");
}

int check(const QString &folder)
{
    // One textbook without the other, as a kill between the two renames left it.
    const bool leftlone = QFile::exists(folder + "/rand.zemBook") != QFile::exists(folder + "/book.zemBook");
    QString message;
    {
        Widget window;
        DialogDriver driver;
        driver.readmessage(&message);
        textbookfixture::run(&window, "pushButton_23", driver);
        window.close();
    }
    MBook project;
    const bool projectwhole = project.readproject(folder + "/book.pro") && project.wordcount() == Words
        && project.sentcount() == Sentences && project.lessoncount() == Lessons;
    const bool random = QFile::exists(folder + "/rand.zemBook");
    const bool natural = QFile::exists(folder + "/book.zemBook");
    const bool whole = wholetextbooks(folder);
    const bool torn = random && natural && !whole;
    // After the next start, which finishes what such a kill left.
    const bool lone = random != natural;
    const bool locked = message == Finished && !whole;
    const QStringList left = leftovers(folder);
    out << "textbook=" << (whole ? "whole" : random || natural ? "part" : "none") << " torn=" << int(torn)
        << " lone=" << int(lone) << " locked=" << int(locked) << " lost=" << int(!projectwhole)
        << " leftovers=" << left.size() << (left.isEmpty() ? QString() : " " + left.join(',')) << " message="
        << (message.isEmpty() ? QStringLiteral("-") : message) << " completed=" << int(leftlone && whole) << Qt::endl;
    return torn || lone || locked || !projectwhole || !left.isEmpty() ? 1 : 0;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DriverArgs args;
    if (!args.read(app.arguments(), "killdriver setup|generate|save|check <folder>"))
        return 2;
    const QString &step = args.step;
    const QString &folder = args.folder;
    if (step == QLatin1String("setup"))
        return setup(folder) ? 0 : 1;
    if (step == QLatin1String("generate"))
        return generate();
    if (step == QLatin1String("save"))
        return save();
    if (step == QLatin1String("check"))
        return check(folder);
    qWarning("unknown step");
    return 2;
}
