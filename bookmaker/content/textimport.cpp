#include "textimport.h"

#include "mbook.h"
#include "mreader.h"
#include "phonetickeys.h"
#include "writefile.h"

#include <QDir>
#include <QFile>
#include <QTextCodec>

TextImport::TextImport(Kind kind)
    : kind(kind)
{
}

QString TextImport::message() const
{
    return text;
}

QList<QStringList> TextImport::items() const
{
    return records;
}

QString TextImport::listingname() const
{
    return kind == Words ? QStringLiteral("_words_.txt") : QStringLiteral("_sentences_.txt");
}

bool TextImport::refuse(const QString &message)
{
    text = message;
    records.clear();
    return false;
}

// Old Mac text ends its lines with a lone CR, which would read as one line.
// Where lines end in LF, a stray CR at a line's end is trimmed with the blanks.
static bool crlines(const QByteArray &bytes)
{
    return bytes.contains('\r') && !bytes.contains('\n');
}

// The project keeps every character but the blanks (those of an incomplete
// last record aside), in two bytes.
static qint64 storedbytes(const QString &content)
{
    qint64 characters = 0;
    for (const QChar c : content) {
        if (!c.isSpace())
            ++characters;
    }
    return characters * 2;
}

QString TextImport::named(const char *words, const char *sentences) const
{
    return QString::fromUtf8(kind == Words ? words : sentences);
}

bool TextImport::decode(const QString &path, QString &content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(named("单词文件打不开", "句子文件打不开！"));
    // No project could hold more text than its file ceiling.
    if (file.size() > MReader::filelimit)
        return refuse(named("单词文件太大，无法导入", "句子文件太大，无法导入"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(named("单词文件打不开", "句子文件打不开！"));
    QTextCodec::ConverterState state;
    content = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return refuse(named("单词文件不是UTF-8格式，请将文件另存为UTF-8格式",
                            "句子文件不是UTF-8格式，请将文件另存为UTF-8格式"));
    if (crlines(bytes))
        return refuse(named("单词文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式",
                            "句子文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式"));
    return true;
}

bool TextImport::read(const QString &path)
{
    records.clear();
    text.clear();
    QString content;
    if (!decode(path, content))
        return false;
    if (storedbytes(content) > MReader::filelimit)
        return refusetoomany();
    QStringList record;
    int number = 0;
    for (int start = 0; start <= content.size();) {
        int end = content.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = content.size();
        const QStringRef line = content.midRef(start, end - start).trimmed();
        start = end + 1;
        ++number;
        // A field the project file could not read back.
        if (line.size() > MReader::stringlimit / 2)
            return refuse(named("单词文件第 %1 行太长，无法导入", "句子文件第 %1 行太长，无法导入").arg(number));
        if (!line.isEmpty() && !add(line.toString(), record))
            return false;
    }
    return true;
}

bool TextImport::add(const QString &line, QStringList &record)
{
    const bool words = kind == Words;
    record.append(line);
    const int number = records.size() + 1;
    if (words && record.size() == 2) {
        if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')))
            return refuse(QStringLiteral("第 %1 个单词的音标格式错误，单词：").arg(number) + record.first());
        record[1] = PhoneticKeys::map(line, 1);
    }
    if (record.size() == (words ? 3 : 2)) {
        record.append((words ? QStringLiteral("w%1.mp3") : QStringLiteral("s%1.mp3")).arg(number));
        records.append(record);
        record.clear();
    }
    return true;
}

// Measured as a finished textbook (its marker is the longer one) whose
// pictures take the larger of what they take now, as the project saves them,
// and what generation can store in their place.
bool TextImport::fitsin(MBook book, int picturebytes)
{
    if (kind == Words)
        book.replacewords(records);
    else
        book.replacesentences(records);
    const QByteArray stored(picturebytes, '\0');
    const auto larger = [&stored](const QByteArray &bytes) { return bytes.size() < stored.size() ? stored : bytes; };
    book.setinfopic(larger(book.getinfopic()));
    book.setshowpic1(larger(book.getshowpic1()));
    book.setshowpic2(larger(book.getshowpic2()));
    book.setshowpic3(larger(book.getshowpic3()));
    book.setshowpic4(larger(book.getshowpic4()));
    book.setshowpic5(larger(book.getshowpic5()));
    return book.writable(true) || refusetoomany();
}

bool TextImport::refusetoomany()
{
    return refuse(named("单词太多，项目文件装不下，无法导入", "句子太多，项目文件装不下，无法导入"));
}

bool TextImport::writelisting(const QString &folder)
{
    const QString prefix = kind == Words ? QStringLiteral("w") : QStringLiteral("s");
    QString listing;
    for (int n = 0; n < records.size(); ++n)
        listing += prefix + QString::number(n + 1) + QLatin1Char('_') + records.at(n).first() + QStringLiteral("\r\n");
    const QByteArray bytes = listing.toUtf8();
    const auto raw = [&bytes](QDataStream &out) { out.writeRawData(bytes.constData(), bytes.size()); };
    if (!writefile(folder + QDir::separator() + listingname(), raw)) {
        text = named("无法生成单词列表", "无法生成句子列表！");
        return false;
    }
    return true;
}
