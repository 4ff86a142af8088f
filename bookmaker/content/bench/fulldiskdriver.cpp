// Runs one of the bookmaker's writing steps, for a campaign on a full disk:
//   fulldiskdriver setup <folder>           a project of 50 words and 50 sentences with
//                                           their sounds and listings, as the material folder
//   fulldiskdriver import <folder> <file>   imports the words of the file
//   fulldiskdriver save <folder>            changes the title and closes, which saves
//   fulldiskdriver generate <folder>        generates the textbook
//   fulldiskdriver record <folder>          records the first word's sound for half a second
// Each prints the messages it showed on one line: "messages: a | b", and
// saves a picture of each into the folder SHOTDIR names, when set.
// Prompts to discard the unsaved project at the close are answered "ok".

#include "bookmakerfiles.h"
#include "dialogdriver.h"
#include "driverargs.h"
#include "lameencoder.h"
#include "messageshot.h"
#include "soundcheck.h"
#include "textbookfixture.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

using namespace textbookfixture;

namespace {
const int Items = 50;
QTextStream out(stdout);
QStringList shown;

void answerall(DialogDriver &driver, int messages)
{
    for (int k = 0; k < messages; ++k)
        readshot(driver, &shown);
}

void click(Widget &window, const char *button, int messages)
{
    DialogDriver driver;
    answerall(driver, messages);
    run(&window, button, driver);
}

// Closes the window; a failed save's prompt to close anyway gets "ok".
void close(Widget &window)
{
    DialogDriver driver;
    answerall(driver, 1);
    answerinput(driver, QStringLiteral("ok"));
    driver.start();
    window.close();
}

bool setup(const QString &folder)
{
    const QString sources = folder + QStringLiteral("/.sources");
    if (!QDir().mkpath(sources) || !writefile(sources + "/words.txt", wordfile(Items))
        || !writefile(sources + "/sentences.txt", sentencefile(Items)))
        return false;
    writesettings(folder, sources, lameencoder::standard());
    Widget window;
    DialogDriver none;
    run(&window, "pushButton_shengchengxiangmu", none);
    run(&window, "pushButton_23", none);
    DialogDriver words;
    answerchooser(words, sources + "/words.txt");
    DialogDriver sentences;
    answerchooser(sentences, sources + "/sentences.txt");
    const bool done = run(&window, "pushButton_37", words) && run(&window, "pushButton_151", sentences);
    window.close();
    if (!done || !soundcheck::makemp3(sources + "/tone.mp3", 0.3))
        return false;
    for (int i = 1; i <= Items; ++i) {
        QFile::copy(sources + "/tone.mp3", folder + QStringLiteral("/w%1.mp3").arg(i));
        QFile::copy(sources + "/tone.mp3", folder + QStringLiteral("/s%1.mp3").arg(i));
    }
    return QDir(sources).removeRecursively();
}

void import(Widget &window, const QString &file)
{
    click(window, "pushButton_23", 0);
    DialogDriver driver;
    answerinput(driver, QStringLiteral("ok"));
    answerchooser(driver, file);
    answerall(driver, 1);
    run(&window, "pushButton_37", driver);
    out << "words in the list: " << window.findChild<QListWidget *>(QStringLiteral("listWidget"))->count()
        << Qt::endl;
}

void record(Widget &window)
{
    click(window, "pushButton_23", 0);
    window.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(0);
    click(window, "pushButton_32", 1);
    // A campaign outside the tests: the capture runs for real time.
    QTest::qWait(500);
    // The encoding goes on after the stop press; its message shows when it ends.
    DialogDriver driver;
    answerall(driver, 1);
    run(&window, "pushButton_32", driver);
    const auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton_32"));
    if (!QTest::qWaitFor([button] { return button->text() != QStringLiteral("转换中"); }, 180000))
        shown.append(QStringLiteral("(the encoding did not end)"));
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DriverArgs args;
    if (!args.read(app.arguments(), "fulldiskdriver setup|import|save|generate|record <folder> [file]"))
        return 2;
    const QString &step = args.step;
    const QString &folder = args.folder;
    if (step == QLatin1String("setup"))
        return setup(folder) ? 0 : 1;
    {
        Widget window;
        if (step == QLatin1String("import") && args.more.size() == 1)
            import(window, args.more.first());
        else if (step == QLatin1String("save"))
            window.findChild<QLineEdit *>(QStringLiteral("lineEdit_jiaocaimingcheng"))->setText(QStringLiteral("Changed"));
        else if (step == QLatin1String("generate"))
            click(window, "pushButton_wancheng", 1);
        else if (step == QLatin1String("record"))
            record(window);
        else
            return 2;
        close(window);
    }
    out << "messages: " << shown.join(QStringLiteral(" | ")) << Qt::endl;
    return 0;
}
