#include "runwindow.h"
#include "widget.h"

int main(int argc, char *argv[])
{
    return runwindow<Widget>(argc, argv, &QWidget::show);
}
