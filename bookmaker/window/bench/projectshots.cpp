// Pictures of the bookmaker's project page as fitted to three screen sizes,
// with a project open in the material folder, saved as PNG files into the
// folder given as the argument. For looking at; asserts nothing.

#include "bookmakerfiles.h"
#include "chinesedefaults.h"
#include "screenfit.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    usechinesedefaults();
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: projectshots FOLDER\n";
        return 2;
    }
    QTemporaryDir material;
    if (!material.isValid() || !bookmakerfiles::writeproject(material.path(), 30, 10, 3)) {
        out << "cannot write the project\n";
        return 1;
    }
    bookmakerfiles::setmaterial(material.path());
    int failed = 0;
    for (const QSize &screen : {QSize(1728, 1080), QSize(1440, 900), QSize(1024, 640)}) {
        ScreenFit::setscreen(screen);
        Widget window;
        const QString name = QStringLiteral("bookmaker-project-%1x%2.png").arg(screen.width()).arg(screen.height());
        const bool saved = window.findChild<QStackedWidget *>()->grab().save(
            QDir(QString::fromLocal8Bit(argv[1])).filePath(name));
        out << (saved ? "saved " : "not saved ") << name << "\n";
        failed += saved ? 0 : 1;
    }
    QFile::remove(bookmakerfiles::settingspath());
    return failed == 0 ? 0 : 1;
}
