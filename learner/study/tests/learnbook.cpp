#include "learnbook.h"

#include "mbook.h"
#include "studyreader.h"
#include "testfiles.h"
#include "testpictures.h"

#include <QDir>
#include <QRegularExpression>

namespace learnbook {

QString word(int i)
{
    return i == 0 ? QStringLiteral("ice cream") : QStringLiteral("word%1").arg(i);
}

QString sentence(int i)
{
    return QStringLiteral("Sentence %1.").arg(i);
}

QStringList words(int n)
{
    QStringList result;
    for (int i = 0; i < n; ++i)
        result << word(i);
    return result;
}

QByteArray mp3()
{
    return studyreader::tone(QStringLiteral("0.25"));
}

QString write(const QString &folder, const Book &book)
{
    MBook record;
    record.setdate(QDate(2013, 5, 1));
    record.setinfo({QStringLiteral("远帆英语课"), QStringLiteral("青禾社"), QStringLiteral("第一册"),
                    QStringLiteral("版权所有"), book.link, QString()});
    record.setinfopic(testpictures::encoded(400, 300, Qt::darkCyan, "JPG"));
    QStringList sounds;
    for (int i = 0; i < book.words; ++i) {
        const QString sound = book.wordsounds.value(i, QStringLiteral("w%1.mp3").arg(i + 1));
        record.addword({word(i), QStringLiteral("[w%1]").arg(i), QStringLiteral("词%1").arg(i), sound});
        if (book.soundwords < 0 || i < book.soundwords)
            sounds << sound;
    }
    for (int i = 0; i < book.linked; ++i) {
        const QString sound = QStringLiteral("s%1.mp3").arg(i + 1);
        record.addsentence({sentence(i), QStringLiteral("句子%1").arg(i), sound});
        record.setlink(i, i);
        sounds << sound;
    }
    for (int i = 0; i < book.lessons && record.sentcount() > 0; ++i)
        record.insertlesson(i, QStringLiteral("第%1课").arg(i + 1));
    if (book.linked >= 3)
        record.setlessonitems(0, {2, 0, 1});
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
    void (MBook::*pictures[])(const QByteArray &) = {&MBook::setshowpic1, &MBook::setshowpic2, &MBook::setshowpic3,
                                                      &MBook::setshowpic4, &MBook::setshowpic5};
    void (MBook::*texts[])(const QStringList &) = {&MBook::setshowtext1, &MBook::setshowtext2, &MBook::setshowtext3,
                                                    &MBook::setshowtext4, &MBook::setshowtext5};
    for (int k = 0; k < 5; ++k) {
        (record.*pictures[k])(testpictures::encoded(400, 300, colours[k], "JPG"));
        (record.*texts[k])({QStringLiteral("图%1").arg(k + 1), QStringLiteral("http://127.0.0.1:8080/%1.html").arg(k + 1),
                            QString()});
    }
    record.setorder(book.random);
    const QString path = QDir(folder).filePath(QStringLiteral("book.zemBook"));
    if (!record.write(path, true))
        return QString();
    const QByteArray sound = mp3();
    if (sound.isEmpty())
        return QString();
    for (const QString &name : qAsConst(sounds)) {
        if (!book.missing.contains(name)
            && !testfiles::writeall(QDir(folder).filePath(name.section(QRegularExpression("[/\\\\]"), -1)), sound))
            return QString();
    }
    return path;
}

}
