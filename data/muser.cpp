#include "muser.h"

#include "inrange.h"

#include <QCryptographicHash>

namespace {
const int startdiff = 10;
}

MUser::MUser()
    : QObject(nullptr)
{
}

MUser::~MUser() = default;

QString MUser::getname() const
{
    return name;
}

void MUser::setname(const QString &name)
{
    this->name = name;
}

QString MUser::getbookpath() const
{
    return bookpath;
}

QByteArray MUser::getavatar() const
{
    return avatar;
}

void MUser::setavatar(const QByteArray &avatar)
{
    this->avatar = avatar;
}

// Unsalted MD5 of the UTF-8 bytes, as lower-case hex: stored user files rely on it.
QString MUser::digest(const QString &password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex());
}

void MUser::setpassword(const QString &password)
{
    pwdhash = digest(password);
}

bool MUser::checkpassword(const QString &password) const
{
    return digest(password) == pwdhash;
}

void MUser::adddiff(QList<int> &diffs, int count)
{
    for (int i = 0; i < count; ++i)
        diffs.append(startdiff);
}

bool MUser::adoptbook(const QString &path)
{
    MBook adopted;
    if (!bookpath.isEmpty() || !adopted.readbook(path))
        return false;
    clearprogress();
    book = adopted;
    adddiff(worddiffs, book.wordcount());
    adddiff(sentdiffs, book.sentcount());
    bookpath = path;
    return true;
}

void MUser::dropbook()
{
    bookpath = QString("");
    book.clear();
    clearprogress();
}

void MUser::reset()
{
    bookpath = QString("");
    name = QString("");
    pwdhash = QString("");
    book.clear();
    avatar.clear();
}

void MUser::clearprogress()
{
    eachsaved([](auto &list) { list.clear(); }, *this);
}

int MUser::lessoncount() const
{
    return book.lessoncount();
}

QString MUser::lessontitle(int i) const
{
    return inrange(i, lessoncount()) ? book.lessontitle(i) : QString();
}

QList<int> MUser::lessonitems(int i) const
{
    return book.getlessonitems(i);
}

int MUser::lessonsize(int i) const
{
    return inrange(i, lessoncount()) ? book.getlessonitems(i).size() : -1;
}

QDate MUser::bookdate() const
{
    return book.getdate();
}

QStringList MUser::bookinfo()
{
    return book.getinfo();
}

QByteArray MUser::bookpic() const
{
    return book.getinfopic();
}

QStringList MUser::showtext(int k)
{
    switch (k) {
    case 0: return book.showtext1();
    case 1: return book.showtext2();
    case 2: return book.showtext3();
    case 3: return book.showtext4();
    default: return book.showtext5();
    }
}

QByteArray MUser::showpic(int k) const
{
    switch (k) {
    case 0: return book.getshowpic1();
    case 1: return book.getshowpic2();
    case 2: return book.getshowpic3();
    case 3: return book.getshowpic4();
    default: return book.getshowpic5();
    }
}

bool MUser::israndom() const
{
    return book.getordermode() != 0;
}

int MUser::wordcount() const
{
    return worddiffs.size();
}

int MUser::sentcount() const
{
    return sentdiffs.size();
}

int MUser::phoneticcount() const
{
    return ptitles.size();
}

int MUser::keycount() const
{
    return kdiffs.size();
}

int MUser::worddiff(int i) const
{
    return worddiffs.value(i, -1);
}

int MUser::sentdiff(int i) const
{
    return sentdiffs.value(i, -1);
}

int MUser::phoneticdiff(int i) const
{
    return pdiffs.value(i, -1);
}

int MUser::keydiff(int i) const
{
    return kdiffs.value(i, -1);
}

void MUser::setdiff(QList<int> &diffs, int i, int v)
{
    if (v >= 0 && inrange(i, diffs.size()))
        diffs[i] = v;
}

void MUser::setworddiff(int i, int v)
{
    setdiff(worddiffs, i, v);
}

void MUser::setsentdiff(int i, int v)
{
    setdiff(sentdiffs, i, v);
}

void MUser::setphoneticdiff(int i, int v)
{
    setdiff(pdiffs, i, v);
}

void MUser::setkeydiff(int i, int v)
{
    setdiff(kdiffs, i, v);
}

void MUser::easewords(int from, int to)
{
    for (int p = qMax(from, 0); p <= to && p < worddiffs.size(); ++p) {
        if (worddiffs.at(p) > 1)
            --worddiffs[p];
    }
}

void MUser::addentry(QStringList &titles, QStringList &texts, QList<int> &diffs,
                     QStringList &links, const QString &title, const QString &content, int n,
                     int type)
{
    titles.append("l" + title);
    texts.append(content);
    diffs.append(startdiff);
    if (type == 1)
        links.append("d" + QString::number(n));
    else if (type == 3)
        links.append("j" + QString::number(n));
    else
        links.append(" ");
}

void MUser::addphonetic(const QString &title, const QString &content, int n, int type)
{
    addentry(ptitles, ptexts, pdiffs, plinks, title, content, n, type);
}

void MUser::addkey(const QString &title, const QString &content, int n, int type)
{
    addentry(ktitles, ktexts, kdiffs, klinks, title, content, n, type);
}

QString MUser::phonetictitle(int i) const
{
    return inrange(i, ptitles.size()) ? ptitles.at(i).mid(1) : QString("");
}

QString MUser::keytitle(int i) const
{
    return inrange(i, ktitles.size()) ? ktitles.at(i).mid(1) : QString("");
}

QString MUser::phonetictext(int i) const
{
    return ptexts.value(i, "");
}

QString MUser::keytext(int i) const
{
    return ktexts.value(i, "");
}

QString MUser::phoneticlink(int i) const
{
    return plinks.value(i, "");
}

QString MUser::keylink(int i) const
{
    return klinks.value(i, "");
}

// Scans the first count link codes for those of one kind whose number lies in
// from..to, giving the entry indices or the numbers themselves.
QList<int> MUser::linked(const QStringList &links, int count, QChar kind, int from, int to,
                         bool numbers)
{
    QList<int> result;
    for (int i = 0; i < count && i < links.size(); ++i) {
        const QString &link = links.at(i);
        if (!link.startsWith(kind))
            continue;
        const int number = link.mid(1).toInt();
        if (number >= from && number <= to)
            result.append(numbers ? number : i);
    }
    return result;
}

QList<int> MUser::keyforword(int p) const
{
    return linked(klinks, klinks.size(), 'd', p, p, false);
}

QList<int> MUser::keyforsentence(int j) const
{
    return linked(klinks, klinks.size(), 'j', j, j, false);
}

QList<int> MUser::phoneticdlinks(int from, int to) const
{
    return linked(plinks, ptitles.size(), 'd', from, to, true);
}

QList<int> MUser::phoneticwlinks(int from, int to) const
{
    return linked(plinks, ptitles.size(), 'w', from, to, true);
}
