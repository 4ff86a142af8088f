#include "runwindow.h"
#include "widget.h"

int main(int argc, char *argv[])
{
    // The window draws without OpenGL; loading it slows the start by a fifth.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    return runwindow<Widget>(argc, argv, &QWidget::show);
}
