#include "textimport.h"

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
static bool hasbarecr(const QByteArray &bytes)
{
    for (int at = bytes.indexOf('\r'); at >= 0; at = bytes.indexOf('\r', at + 1)) {
        if (at + 1 == bytes.size() || bytes.at(at + 1) != '\n')
            return true;
    }
    return false;
}

bool TextImport::read(const QString &path)
{
    records.clear();
    text.clear();
    const bool words = kind == Words;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(words ? QStringLiteral("单词文件打不开") : QStringLiteral("句子文件打不开！"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(words ? QStringLiteral("单词文件打不开") : QStringLiteral("句子文件打不开！"));
    QTextCodec::ConverterState state;
    const QString content = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return refuse(words ? QStringLiteral("单词文件不是UTF-8格式，请将文件另存为UTF-8格式")
                            : QStringLiteral("句子文件不是UTF-8格式，请将文件另存为UTF-8格式"));
    if (hasbarecr(bytes))
        return refuse(words ? QStringLiteral("单词文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式")
                            : QStringLiteral("句子文件的行尾是回车符(CR)，请将文件另存为Windows或Unix行尾格式"));

    const int size = words ? 3 : 2;
    QStringList record;
    for (const QStringRef &raw : content.splitRef(QLatin1Char('\n'))) {
        const QString line = raw.trimmed().toString();
        if (line.isEmpty())
            continue;
        record.append(line);
        const int number = records.size() + 1;
        if (words && record.size() == 2) {
            if (!line.startsWith(QLatin1Char('[')) || !line.endsWith(QLatin1Char(']')))
                return refuse(QStringLiteral("第 %1 个单词的音标格式错误，单词：").arg(number) + record.first());
            record[1] = PhoneticKeys::map(line, 1);
        }
        if (record.size() == size) {
            record.append((words ? QStringLiteral("w%1.mp3") : QStringLiteral("s%1.mp3")).arg(number));
            records.append(record);
            record.clear();
        }
    }
    return true;
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
        text = kind == Words ? QStringLiteral("无法生成单词列表") : QStringLiteral("无法生成句子列表！");
        return false;
    }
    return true;
}
