// Another program on the bookmaker's settings file: writes the "key=value"
// arguments after the file name, then prints every key with its value, one
// "key=value" line each, in UTF-8.

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    QSettings settings(args.at(1), QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    for (const QString &pair : args.mid(2)) {
        const int split = pair.indexOf('=');
        if (split < 1)
            return 2;
        settings.setValue(pair.left(split), pair.mid(split + 1));
    }
    settings.sync();
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    for (const QString &key : settings.allKeys())
        out << key << '=' << settings.value(key).toString() << '\n';
    return 0;
}
