#include "mbook.h"

#include "mreader.h"
#include "writefile.h"

namespace {
const qint32 magic = 0x20011013;
const qint32 version = 0x20131001;
const char *finishedmarker = "ok baocun zhihou,jiang wufa jixu bianji.";
const char *projectmarker = "notok haiweiwancheng, keyi jixvbianji";

QString marker(bool finished)
{
    return QString::fromLatin1(finished ? finishedmarker : projectmarker);
}
}

QString MBook::scramblekey()
{
    return QStringLiteral("quorvantemplisaduberkonvexo");
}

QString MBook::scramble(const QString &text, const QString &key)
{
    if (text.isEmpty())
        return QString();
    if (key.isEmpty())
        return text;
    QString result(text.size(), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i)
        result[i] = QChar(text.at(i).unicode() ^ key.at(i % key.size()).unicode());
    return result;
}

QStringList MBook::scrambled(const QStringList &list)
{
    QStringList result;
    for (const QString &text : list)
        result.append(scramble(text, scramblekey()));
    return result;
}

bool MBook::readbook(const QString &path)
{
    return read(path, marker(true));
}

bool MBook::readproject(const QString &path)
{
    return read(path, marker(false));
}

// The record is cleared as soon as the file opens; it takes the file's content
// only when every field was read whole.
bool MBook::read(const QString &path, const QString &expected)
{
    MReader in(path);
    if (!in.open())
        return false;
    clear();
    if (in.readint() != magic || in.readint() != version
        || scramble(in.readstring(), scramblekey()) != expected || !in.ok())
        return false;
    MBook book;
    book.info = scrambled(in.readstrings());
    book.infopic = in.readbytes();
    book.date = in.readdate();
    for (int k = 0; k < displayinfos; ++k) {
        book.showtexts[k] = scrambled(in.readstrings());
        book.showpics[k] = in.readbytes();
    }
    book.words = scrambled(in.readstrings());
    book.phonetics = scrambled(in.readstrings());
    book.meanings = scrambled(in.readstrings());
    book.wordsounds = scrambled(in.readstrings());
    book.order = in.readints();
    book.ordermode = in.readint();
    book.sentences = scrambled(in.readstrings());
    book.translations = scrambled(in.readstrings());
    book.sentsounds = scrambled(in.readstrings());
    book.wordsent = in.readints();
    book.lessons = in.readstrings();
    book.lessonitems = in.readstrings();
    if (!in.ok())
        return false;
    *this = book;
    return true;
}

bool MBook::write(const QString &path, bool finished) const
{
    return writefile(path, [&](QDataStream &out) {
        out << magic << version << scramble(marker(finished), scramblekey());
        out << scrambled(info) << infopic << date;
        for (int k = 0; k < displayinfos; ++k)
            out << scrambled(showtexts[k]) << showpics[k];
        out << scrambled(words) << scrambled(phonetics) << scrambled(meanings)
            << scrambled(wordsounds) << order << qint32(ordermode);
        out << scrambled(sentences) << scrambled(translations) << scrambled(sentsounds)
            << wordsent << lessons << lessonitems;
    });
}
