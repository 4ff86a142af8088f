#include "mbook.h"

#include "mreader.h"
#include "mwriter.h"

#include <new>

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

bool MBook::readbook(const QString &path)
{
    return read(path, marker(true));
}

bool MBook::readproject(const QString &path)
{
    return read(path, marker(false));
}

// The record is cleared as soon as the file opens; it takes the file's content
// only when every field was read whole. Memory running out while reading
// refuses the file like damage does.
bool MBook::read(const QString &path, const QString &expected)
{
    MReader in;
    try {
        if (!in.open(path))
            return false;
        clear();
        const QString key = scramblekey();
        if (in.readint() != magic || in.readint() != version
            || in.readstring(key) != expected || !in.ok())
            return false;
        MBook book;
        book.info = in.readstrings(key);
        book.infopic = in.readbytes();
        book.date = in.readdate();
        for (int k = 0; k < displayinfos; ++k) {
            book.showtexts[k] = in.readstrings(key);
            book.showpics[k] = in.readbytes();
        }
        book.words = in.readstrings(key);
        book.phonetics = in.readstrings(key);
        book.meanings = in.readstrings(key);
        book.wordsounds = in.readstrings(key);
        book.order = in.readints();
        book.ordermode = in.readint();
        book.sentences = in.readstrings(key);
        book.translations = in.readstrings(key);
        book.sentsounds = in.readstrings(key);
        book.wordsent = in.readints();
        book.lessons = in.readstrings();
        book.lessonitems = in.readstrings();
        if (!in.ok())
            return false;
        *this = std::move(book);
        return true;
    } catch (const std::bad_alloc &) {
        clear();
        return false;
    }
}

bool MBook::write(const QString &path, bool finished) const
{
    MWriter out;
    encode(out, finished);
    return out.save(path);
}

bool MBook::write(SaveFile &file, bool finished) const
{
    MWriter out;
    encode(out, finished);
    return out.save(file);
}

bool MBook::writable(bool finished) const
{
    MWriter out(MWriter::Measure);
    encode(out, finished);
    return out.readable();
}

void MBook::encode(MWriter &out, bool finished) const
{
    const QString key = scramblekey();
    out.writeint(magic);
    out.writeint(version);
    out.writestring(marker(finished), key);
    out.writestrings(info, key);
    out.writebytes(infopic);
    out.writedate(date);
    for (int k = 0; k < displayinfos; ++k) {
        out.writestrings(showtexts[k], key);
        out.writebytes(showpics[k]);
    }
    out.writestrings(words, key);
    out.writestrings(phonetics, key);
    out.writestrings(meanings, key);
    out.writestrings(wordsounds, key);
    out.writeints(order);
    out.writeint(ordermode);
    out.writestrings(sentences, key);
    out.writestrings(translations, key);
    out.writestrings(sentsounds, key);
    out.writeints(wordsent);
    out.writestrings(lessons);
    out.writestrings(lessonitems);
}
