#ifndef MBOOK_H
#define MBOOK_H

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QStringList>

class MWriter;
class SaveFile;

// The textbook record: title block, five display infos, words, sentences,
// word-to-sentence links, lessons and the learning order, kept as parallel
// lists indexed by item number. Words are reached by raw index for editing and
// by learning position (through the order) for learning.
class MBook
{
public:
    MBook();

    bool operator==(const MBook &other) const;
    bool operator!=(const MBook &other) const { return !(*this == other); }

    void setdate(const QDate &date);
    QDate getdate() const;
    int wordcount() const;
    int sentcount() const;
    int lessoncount() const;
    int getordermode() const;

    // The text getters repair a list of the wrong length to empty strings.
    QStringList getinfo();
    void setinfo(const QStringList &list);
    QByteArray getinfopic() const;
    void setinfopic(const QByteArray &bytes);
    QStringList showtext1();
    QStringList showtext2();
    QStringList showtext3();
    QStringList showtext4();
    QStringList showtext5();
    void setshowtext1(const QStringList &texts);
    void setshowtext2(const QStringList &texts);
    void setshowtext3(const QStringList &texts);
    void setshowtext4(const QStringList &texts);
    void setshowtext5(const QStringList &texts);
    QByteArray getshowpic1() const;
    QByteArray getshowpic2() const;
    QByteArray getshowpic3() const;
    QByteArray getshowpic4() const;
    QByteArray getshowpic5() const;
    void setshowpic1(const QByteArray &bytes);
    void setshowpic2(const QByteArray &bytes);
    void setshowpic3(const QByteArray &bytes);
    void setshowpic4(const QByteArray &bytes);
    void setshowpic5(const QByteArray &bytes);

    bool addword(const QStringList &item);
    void setword(int i, const QStringList &item);
    QStringList word(int position) const;
    int rawword(int position) const;
    void clearwords();
    // Clears, then adds the items; those of the wrong size are skipped.
    void replacewords(const QList<QStringList> &items);
    void setorder(bool random);

    bool addsentence(const QStringList &item);
    void setsentence(int i, const QStringList &item);
    QStringList sentence(int i) const;
    void clearsentences();
    void replacesentences(const QList<QStringList> &items);

    int haslink(int i) const;
    int wordsentence(int i) const;
    bool setlink(int i, int j);
    bool unlink(int i, int j);

    bool insertlesson(int i, const QString &title);
    bool removelesson(int i);
    QString lessontitle(int i) const;
    bool setlessonitems(int i, const QList<int> &items);
    QList<int> getlessonitems(int i) const;
    bool clearlessonitems(int i);

    void clear();

    static QString scramble(const QString &text, const QString &key);
    static QString scramblekey();

    bool readbook(const QString &path);
    bool readproject(const QString &path);
    bool write(const QString &path, bool finished) const;
    // Writes into a file that the caller puts in place.
    bool write(SaveFile &file, bool finished) const;
    // Whether the record, written as a project (or a finished textbook),
    // would be read back: every field and the whole file within the reader's
    // ceilings.
    bool writable(bool finished = false) const;

private:
    enum { displayinfos = 5, infosize = 6, showsize = 3 };

    static QStringList repaired(QStringList &list, int size);
    QStringList showtext(int k);
    void setshowtext(int k, const QStringList &texts);
    bool linkable(int i, int j) const;
    bool read(const QString &path, const QString &marker);
    void encode(MWriter &out, bool finished) const;

    QDate date;
    QStringList info;
    QByteArray infopic;
    QStringList showtexts[displayinfos];
    QByteArray showpics[displayinfos];
    QStringList words;
    QStringList phonetics;
    QStringList meanings;
    QStringList wordsounds;
    QList<int> order;
    int ordermode;
    QStringList sentences;
    QStringList translations;
    QStringList sentsounds;
    QList<int> wordsent;
    QStringList lessons;
    QStringList lessonitems;
};

#endif
