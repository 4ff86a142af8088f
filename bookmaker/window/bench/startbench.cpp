// Start-up time of the bookmaker window to its first page: from the start of
// main (the application object included) for the first window, then for
// windows built one after the other in the same process. The window opens a
// project of 1,000 words, 500 sentences and 20 lessons in a temporary
// material folder. Prints milliseconds; asserts nothing.

#include "bookmakerfiles.h"
#include "widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

const int Words = 1000;
const int Sentences = 500;
const int Lessons = 20;

// Ends the loop at the first paint of the watched page.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QEventLoop *loop)
        : loop(loop)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            loop->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop *loop;
};

// Builds a window and waits until its project page has painted; the milliseconds of clock.
qint64 startwindow(const QElapsedTimer &clock)
{
    QEventLoop loop;
    FirstPaint painted(&loop);
    Widget window;
    window.findChild<QWidget *>(QStringLiteral("page"))->installEventFilter(&painted);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return clock.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    const qint64 application = clock.elapsed();
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    QTemporaryDir material;
    if (!material.isValid() || !bookmakerfiles::writeproject(material.path(), Words, Sentences, Lessons))
        return 1;
    bookmakerfiles::setmaterial(material.path());

    // Writing the project is not counted.
    QElapsedTimer run;
    run.start();
    const qint64 first = application + startwindow(run);
    QList<qint64> later;
    for (int i = 0; i < runs; ++i) {
        run.start();
        later << startwindow(run);
    }
    std::sort(later.begin(), later.end());
    QFile::remove(bookmakerfiles::settingspath());

    QTextStream out(stdout);
    out << "bookmaker start-up to its first page, project of " << Words << " words, " << Sentences
        << " sentences, " << Lessons << " lessons\n";
    out << "first window, from the start of main: " << first << " ms\n";
    out << "later windows: median " << later.at(later.size() / 2) << " ms, fastest " << later.first()
        << " ms, slowest " << later.last() << " ms (" << runs << " runs)\n";
    return 0;
}
