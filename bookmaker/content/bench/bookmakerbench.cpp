// Times the bookmaker window on a large textbook: importing 20,000 words from
// a text file and generating the textbook from them (the sound files are
// made beforehand, empty, and not timed), then importing files a project
// cannot hold. Prints milliseconds; asserts nothing.

#include "bookmakerfiles.h"
#include "dialogdriver.h"
#include "textbookfixture.h"
#include "textimport.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextStream>

using namespace textbookfixture;

namespace {
const int Words = 20000;
QTextStream out(stdout);

// Clicks the button, answers its dialogs, and gives the milliseconds it took.
qint64 timed(Widget &window, const char *button, DialogDriver &driver)
{
    QElapsedTimer timer;
    timer.start();
    if (!run(&window, button, driver))
        out << "dialogs left unanswered after " << button << Qt::endl;
    return timer.elapsed();
}

// Imports the file over the words there, and tells how long it took and what was shown.
void importover(Widget &window, const QString &file, const char *what)
{
    DialogDriver driver;
    answerinput(driver, QStringLiteral("ok"));
    answerchooser(driver, file);
    QString message;
    driver.readmessage(&message);
    const qint64 ms = timed(window, "pushButton_37", driver);
    out << "importing " << what << ": " << ms << " ms (" << message << ")" << Qt::endl;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString material = dir.filePath("material");
    const QString sources = dir.filePath("sources");
    QDir().mkpath(material);
    QDir().mkpath(sources);
    writefile(sources + "/words.txt", wordfile(Words));
    for (int i = 1; i <= Words; ++i)
        writefile(material + QStringLiteral("/w%1.mp3").arg(i), QByteArray());
    writesettings(material, sources, QString());

    QElapsedTimer timer;
    timer.start();
    TextImport import(TextImport::Words);
    import.read(sources + "/words.txt");
    out << "reading the word file alone: " << timer.elapsed() << " ms" << Qt::endl;

    Widget window;
    DialogDriver none;
    run(&window, "pushButton_shengchengxiangmu", none);
    run(&window, "pushButton_23", none);

    DialogDriver chooser;
    answerchooser(chooser, sources + "/words.txt");
    const qint64 importms = timed(window, "pushButton_37", chooser);
    out << "importing " << window.findChild<QListWidget *>("listWidget")->count() << " words: " << importms
        << " ms (including the file chooser)" << Qt::endl;

    QString message;
    DialogDriver generation;
    generation.readmessage(&message);
    const qint64 generatems = timed(window, "pushButton_wancheng_4", generation);
    out << "generating the textbook: " << generatems << " ms (" << message << ")" << Qt::endl;
    out << "both files: " << QFileInfo(material + "/book.zemBook").size() + QFileInfo(material + "/rand.zemBook").size()
        << " bytes" << Qt::endl;
    out << "import and generation: " << importms + generatems << " ms" << Qt::endl;

    writefile(sources + "/line.txt", QByteArray(10 << 20, 'a'));
    importover(window, sources + "/line.txt", "one line of 10 MB");
    writefile(sources + "/longword.txt", QByteArray(10 << 20, 'a') + "\n[a]\n一\n");
    importover(window, sources + "/longword.txt", "a word of 10 MB");
    writefile(sources + "/many.txt", wordfile(1200000));
    importover(window, sources + "/many.txt", "1.2 M words");
    window.close();
    QFile::remove(bookmakerfiles::settingspath());
    return 0;
}
