#include "mbook.h"

#include "inrange.h"
#include "randomorder.h"

namespace {
const int wordfields = 4;
const int sentencefields = 3;
}

MBook::MBook()
    : ordermode(-1)
{
}

bool MBook::operator==(const MBook &other) const
{
    for (int k = 0; k < displayinfos; ++k) {
        if (showtexts[k] != other.showtexts[k] || showpics[k] != other.showpics[k])
            return false;
    }
    return date == other.date && info == other.info && infopic == other.infopic
        && words == other.words && phonetics == other.phonetics && meanings == other.meanings
        && wordsounds == other.wordsounds && order == other.order && ordermode == other.ordermode
        && sentences == other.sentences && translations == other.translations
        && sentsounds == other.sentsounds && wordsent == other.wordsent
        && lessons == other.lessons && lessonitems == other.lessonitems;
}

void MBook::setdate(const QDate &date)
{
    this->date = date;
}

QDate MBook::getdate() const
{
    return date;
}

int MBook::wordcount() const
{
    return words.size();
}

int MBook::sentcount() const
{
    return sentences.size();
}

int MBook::lessoncount() const
{
    return lessons.size();
}

int MBook::getordermode() const
{
    return ordermode >= -1 && ordermode <= 1 ? ordermode : -1;
}

QStringList MBook::repaired(QStringList &list, int size)
{
    if (list.size() != size) {
        list.clear();
        for (int i = 0; i < size; ++i)
            list.append(QString());
    }
    return list;
}

QStringList MBook::getinfo()
{
    return repaired(info, infosize);
}

void MBook::setinfo(const QStringList &list)
{
    if (list.size() == infosize)
        info = list;
}

QByteArray MBook::getinfopic() const
{
    return infopic;
}

void MBook::setinfopic(const QByteArray &bytes)
{
    infopic = bytes;
}

QStringList MBook::showtext(int k)
{
    return repaired(showtexts[k], showsize);
}

void MBook::setshowtext(int k, const QStringList &texts)
{
    if (texts.size() == showsize)
        showtexts[k] = texts;
}

QStringList MBook::showtext1() { return showtext(0); }
QStringList MBook::showtext2() { return showtext(1); }
QStringList MBook::showtext3() { return showtext(2); }
QStringList MBook::showtext4() { return showtext(3); }
QStringList MBook::showtext5() { return showtext(4); }
void MBook::setshowtext1(const QStringList &texts) { setshowtext(0, texts); }
void MBook::setshowtext2(const QStringList &texts) { setshowtext(1, texts); }
void MBook::setshowtext3(const QStringList &texts) { setshowtext(2, texts); }
void MBook::setshowtext4(const QStringList &texts) { setshowtext(3, texts); }
void MBook::setshowtext5(const QStringList &texts) { setshowtext(4, texts); }
QByteArray MBook::getshowpic1() const { return showpics[0]; }
QByteArray MBook::getshowpic2() const { return showpics[1]; }
QByteArray MBook::getshowpic3() const { return showpics[2]; }
QByteArray MBook::getshowpic4() const { return showpics[3]; }
QByteArray MBook::getshowpic5() const { return showpics[4]; }
void MBook::setshowpic1(const QByteArray &bytes) { showpics[0] = bytes; }
void MBook::setshowpic2(const QByteArray &bytes) { showpics[1] = bytes; }
void MBook::setshowpic3(const QByteArray &bytes) { showpics[2] = bytes; }
void MBook::setshowpic4(const QByteArray &bytes) { showpics[3] = bytes; }
void MBook::setshowpic5(const QByteArray &bytes) { showpics[4] = bytes; }

bool MBook::addword(const QStringList &item)
{
    if (item.size() != wordfields)
        return false;
    words.append(item.at(0));
    phonetics.append(item.at(1));
    meanings.append(item.at(2));
    wordsounds.append(item.at(3));
    order.append(-1);
    wordsent.append(-1);
    return true;
}

void MBook::setword(int i, const QStringList &item)
{
    if (item.size() != wordfields || !inrange(i, wordcount()) || !inrange(i, phonetics.size())
        || !inrange(i, meanings.size()) || !inrange(i, wordsounds.size()))
        return;
    words[i] = item.at(0);
    phonetics[i] = item.at(1);
    meanings[i] = item.at(2);
    wordsounds[i] = item.at(3);
}

int MBook::rawword(int position) const
{
    const int w = position < wordcount() ? order.value(position, -1) : -1;
    return inrange(w, wordcount()) ? w : -1;
}

QStringList MBook::word(int position) const
{
    const int w = rawword(position);
    if (w < 0)
        return QStringList();
    return QStringList() << words.at(w) << phonetics.value(w) << meanings.value(w)
                         << wordsounds.value(w);
}

void MBook::clearwords()
{
    words.clear();
    phonetics.clear();
    meanings.clear();
    wordsounds.clear();
    order.clear();
    wordsent.clear();
    ordermode = -1;
}

void MBook::replacewords(const QList<QStringList> &items)
{
    clearwords();
    for (const QStringList &item : items)
        addword(item);
}

void MBook::setorder(bool random)
{
    const int n = order.size();
    if (random) {
        order = randomorder(n);
        ordermode = 1;
    } else {
        for (int p = 0; p < n; ++p)
            order[p] = p;
        ordermode = 0;
    }
}

bool MBook::addsentence(const QStringList &item)
{
    if (item.size() != sentencefields)
        return false;
    sentences.append(item.at(0));
    translations.append(item.at(1));
    sentsounds.append(item.at(2));
    return true;
}

void MBook::setsentence(int i, const QStringList &item)
{
    if (item.size() != sentencefields || !inrange(i, sentcount())
        || !inrange(i, translations.size()) || !inrange(i, sentsounds.size()))
        return;
    sentences[i] = item.at(0);
    translations[i] = item.at(1);
    sentsounds[i] = item.at(2);
}

QStringList MBook::sentence(int i) const
{
    if (!inrange(i, sentcount()))
        return QStringList();
    return QStringList() << sentences.at(i) << translations.value(i) << sentsounds.value(i);
}

void MBook::clearsentences()
{
    sentences.clear();
    translations.clear();
    sentsounds.clear();
    for (int &link : wordsent) {
        if (link >= 0)
            link = -1;
    }
    for (QString &items : lessonitems) {
        if (!items.isEmpty())
            items = QString("");
    }
}

void MBook::replacesentences(const QList<QStringList> &items)
{
    clearsentences();
    for (const QStringList &item : items)
        addsentence(item);
}

int MBook::haslink(int i) const
{
    if (!inrange(i, wordcount()))
        return -1;
    return wordsent.value(i, -1) != -1 ? 1 : 0;
}

int MBook::wordsentence(int i) const
{
    return inrange(i, wordcount()) ? wordsent.value(i, -1) : -1;
}

bool MBook::linkable(int i, int j) const
{
    return inrange(j, sentcount()) && inrange(i, wordcount()) && inrange(i, wordsent.size());
}

bool MBook::setlink(int i, int j)
{
    if (!linkable(i, j))
        return false;
    wordsent[i] = j;
    return true;
}

bool MBook::unlink(int i, int j)
{
    if (!linkable(i, j) || wordsent.at(i) != j)
        return false;
    wordsent[i] = -1;
    return true;
}

bool MBook::insertlesson(int i, const QString &title)
{
    if (sentcount() == 0 || i < 0 || i > lessoncount() || i > lessonitems.size())
        return false;
    lessons.insert(i, title);
    lessonitems.insert(i, QString(""));
    return true;
}

bool MBook::removelesson(int i)
{
    if (!inrange(i, lessoncount()))
        return false;
    lessons.removeAt(i);
    if (i < lessonitems.size())
        lessonitems.removeAt(i);
    return true;
}

QString MBook::lessontitle(int i) const
{
    return inrange(i, lessoncount()) ? lessons.at(i) : QString("");
}

bool MBook::setlessonitems(int i, const QList<int> &items)
{
    if (!inrange(i, lessoncount()) || !inrange(i, lessonitems.size()))
        return false;
    QStringList numbers;
    for (int item : items) {
        if (!inrange(item, sentcount()))
            return false;
        numbers.append(QString::number(item));
    }
    lessonitems[i] = items.isEmpty() ? QString("") : numbers.join(' ');
    return true;
}

QList<int> MBook::getlessonitems(int i) const
{
    QList<int> items;
    if (!inrange(i, lessoncount()))
        return items;
    const QString text = lessonitems.value(i);
    if (text.count(' ') == text.size())
        return items;
    for (const QString &part : text.split(' '))
        items.append(part.toInt());
    return items;
}

bool MBook::clearlessonitems(int i)
{
    if (!inrange(i, lessoncount()) || !inrange(i, lessonitems.size()))
        return false;
    lessonitems[i] = QString("");
    return true;
}

void MBook::clear()
{
    MBook empty;
    empty.date = date;
    empty.ordermode = ordermode;
    *this = empty;
}
