// Makes a finished textbook folder with sounds through the bookmaker window,
// for tests in other programs that cannot link the bookmaker's window:
//   maketextbook <empty folder> <words> <sentences>
// Exits 0 when book.zemBook and rand.zemBook are there.

#include "textbookfixture.h"

#include <QApplication>
#include <QTest>

namespace {
// The fixture answers its dialogs by a timer inside a running test function.
class MakeTextbook : public QObject
{
    Q_OBJECT
public:
    QString folder;
    int words = 0;
    int sentences = 0;

private slots:
    void make() { QVERIFY2(textbookfixture::generate(folder, words, sentences), "no textbook made"); }
};
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        qWarning("usage: maketextbook <empty folder> <words> <sentences>");
        return 2;
    }
    MakeTextbook maker;
    maker.folder = args.at(1);
    maker.words = args.at(2).toInt();
    maker.sentences = args.at(3).toInt();
    return QTest::qExec(&maker, QStringList() << args.at(0) << "-silent");
}

#include "maketextbook.moc"
