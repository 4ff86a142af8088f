#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QString::fromUtf8("英语词汇学习"));
    window.show();
    return app.exec();
}
