#ifndef RUNWINDOW_H
#define RUNWINDOW_H

#include "chinesedefaults.h"

#include <QApplication>
#include <QTextCodec>

// A program's life: the application, its one window shown with show, and the
// event loop. The pages are laid out for point sizes at 96 dots per inch,
// unless QT_FONT_DPI says otherwise; texts of the locale are UTF-8; dates and
// numbers are Chinese. The window draws without OpenGL, unless
// QT_XCB_GL_INTEGRATION names one: loading it slows the start by a fifth and
// adds tens of megabytes.
template<typename Window>
int runwindow(int &argc, char **argv, void (QWidget::*show)())
{
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf-8"));
    usechinesedefaults();
    Window window;
    (window.*show)();
    return app.exec();
}

#endif
