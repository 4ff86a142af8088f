#include "studyreader.h"

#include "mbook.h"
#include "muser.h"
#include "testfiles.h"
#include "testpictures.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

namespace studyreader {

QByteArray tone(const QString &seconds)
{
    static QHash<QString, QByteArray> made;
    QByteArray &bytes = made[seconds];
    if (!bytes.isEmpty())
        return bytes;
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    const QString mp3 = dir.filePath(QStringLiteral("tone.mp3"));
    if (QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "22050", "-c", "1", "-b", "16", wav,
                                                  "synth", seconds, "sine", "440"}) != 0
        || QProcess::execute(QStringLiteral("lame"), {"--quiet", wav, mp3}) != 0)
        return QByteArray();
    bytes = testfiles::readall(mp3);
    return bytes;
}

QList<QStringList> sentences()
{
    return {{QStringLiteral("This is a pen."), QStringLiteral("这是一支笔。"), QStringLiteral("s1.mp3")},
            {QStringLiteral("I'm fine, thanks!"), QStringLiteral("我很好，谢谢！"), QStringLiteral("s2.mp3")},
            {QStringLiteral("Where is Tom's book?"), QStringLiteral("汤姆的书在哪里？"), QStringLiteral("s3.mp3")}};
}

QList<QList<int>> lessons()
{
    return {{0, 1, 2}, {1}};
}

QString write(const QTemporaryDir &dir, const Reader &reader)
{
    MBook book;
    book.setdate(QDate(2013, 5, 1));
    book.setinfo({QStringLiteral("远帆英语课"), QStringLiteral("青禾社"), QString(), QString(), QString(), QString()});
    for (int i = 0; i < 6; ++i)
        book.addword({QStringLiteral("word%1").arg(i), QStringLiteral("[w]"), QStringLiteral("词%1").arg(i),
                      QStringLiteral("w%1.mp3").arg(i + 1)});
    for (const QStringList &sentence : sentences())
        book.addsentence(sentence);
    const QList<QList<int>> items = lessons();
    for (int i = 0; i < items.size(); ++i) {
        book.insertlesson(i, QStringLiteral("第%1课").arg(i + 1));
        book.setlessonitems(i, items.at(i));
    }
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
    book.setshowpic1(testpictures::encoded(40, 30, colours[0], "JPG"));
    book.setshowpic2(testpictures::encoded(40, 30, colours[1], "JPG"));
    book.setshowpic3(testpictures::encoded(40, 30, colours[2], "JPG"));
    book.setshowpic4(testpictures::encoded(40, 30, colours[3], "JPG"));
    book.setshowpic5(testpictures::encoded(40, 30, colours[4], "JPG"));
    book.setshowtext1({QStringLiteral("图一"), QStringLiteral("http://127.0.0.1:8080/1.html"), QString()});
    book.setshowtext2({QStringLiteral("图二"), QStringLiteral("http://127.0.0.1:8080/2.html"), QString()});
    book.setshowtext3({QStringLiteral("图三"), QStringLiteral("http://127.0.0.1:8080/3.html"), QString()});
    book.setshowtext4({QStringLiteral("图四"), QStringLiteral("http://127.0.0.1:8080/4.html"), QString()});
    book.setshowtext5({QStringLiteral("图五"), QStringLiteral("http://127.0.0.1:8080/5.html"), QString()});
    book.setorder(false);
    const QString bookpath = dir.filePath(QStringLiteral("book.zemBook"));
    if (!book.write(bookpath, true))
        return QString();

    const QByteArray mp3 = tone(QStringLiteral("0.3"));
    if (mp3.isEmpty())
        return QString();
    QStringList names;
    for (int i = 1; i <= 6; ++i)
        names << QStringLiteral("w%1.mp3").arg(i);
    for (const QStringList &sentence : sentences())
        names << sentence.at(2);
    for (const QString &name : names) {
        if (!reader.missingsounds.contains(name) && !testfiles::writeall(dir.filePath(name), mp3))
            return QString();
    }

    MUser user;
    user.reset();
    user.setname(QStringLiteral("读者"));
    user.setpassword(QStringLiteral("pw"));
    if (!user.adoptbook(bookpath))
        return QString();
    for (int j = 0; j < reader.sentencediffs.size(); ++j)
        user.setsentdiff(j, reader.sentencediffs.at(j));
    // A link "d3" is type 1 with number 3, "j1" type 3 with number 1, " " none.
    auto add = [&user](const Entry &entry, bool key) {
        const int type = entry.link.startsWith('d') ? 1 : entry.link.startsWith('j') ? 3 : 0;
        const int n = entry.link.mid(1).toInt();
        if (key) {
            user.addkey(entry.title, entry.content, n, type);
            user.setkeydiff(user.keycount() - 1, entry.difficulty);
        } else {
            user.addphonetic(entry.title, entry.content, n, type);
            user.setphoneticdiff(user.phoneticcount() - 1, entry.difficulty);
        }
    };
    for (const Entry &entry : reader.phonetic)
        add(entry, false);
    for (const Entry &entry : reader.key)
        add(entry, true);
    const QString userpath = dir.filePath(QStringLiteral("reader.zbu"));
    if (!user.save(userpath))
        return QString();
    testfiles::setprogram({userpath}, 0, dir.path());
    return userpath;
}

}
