#ifndef MUSER_H
#define MUSER_H

#include "mbook.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

class LocalZone;
class MReader;

// One learner: identity, the adopted textbook, difficulty coefficients, the
// review groups with their schedule, the learner's knowledge entries, and the
// unsaved selection and work lists of the current learning run. Word
// positions are learning positions of the textbook's order.
class MUser : public QObject
{
    Q_OBJECT

public:
    MUser();
    ~MUser() override;

    QString getname() const;
    void setname(const QString &name);
    QString getbookpath() const;
    QByteArray getavatar() const;
    void setavatar(const QByteArray &avatar);
    void setpassword(const QString &password);
    bool checkpassword(const QString &password) const;

    bool adoptbook(const QString &path);
    void dropbook();
    void reset();
    void clearprogress();

    int lessoncount() const;
    QString lessontitle(int i) const;
    QList<int> lessonitems(int i) const;
    int lessonsize(int i) const;
    QDate bookdate() const;
    QStringList bookinfo();
    QByteArray bookpic() const;
    QStringList showtext(int k);
    QByteArray showpic(int k) const;
    bool israndom() const;

    int wordcount() const;
    int sentcount() const;
    int phoneticcount() const;
    int keycount() const;
    int worddiff(int i) const;
    int sentdiff(int i) const;
    int phoneticdiff(int i) const;
    int keydiff(int i) const;
    void setworddiff(int i, int v);
    void setsentdiff(int i, int v);
    void setphoneticdiff(int i, int v);
    void setkeydiff(int i, int v);
    void easewords(int from, int to);

    void addphonetic(const QString &title, const QString &content, int n, int type);
    void addkey(const QString &title, const QString &content, int n, int type);
    QString phonetictitle(int i) const;
    QString keytitle(int i) const;
    QString phonetictext(int i) const;
    QString keytext(int i) const;
    QString phoneticlink(int i) const;
    QString keylink(int i) const;
    QList<int> keyforword(int p) const;
    QList<int> keyforsentence(int j) const;
    QList<int> phoneticdlinks(int from, int to) const;
    QList<int> phoneticwlinks(int from, int to) const;

    // User file. load reads the whole file and then the textbook it names;
    // the record changes only when the user file was read whole. *bookok is
    // false when the file names a textbook that could not be read (the
    // textbook record is then left empty).
    bool save(const QString &path) const;
    bool readhead(const QString &path);
    bool load(const QString &path, bool *bookok = nullptr);

    // Review schedule; times are local, the caller passes the current one.
    static QDateTime placeholder();
    int groupcount() const;
    int groupof(int p) const;
    int wordsupto(int g) const;
    void newgroup(int n);
    QDateTime groupstart(int g) const;
    void setgroupstart(int g, const QDateTime &t);
    int stage(int g) const;
    void setstage(int g, int s);
    int interval(int g, int k) const;
    void setinterval(int g, int k, int v);
    QList<int> duegroups(const QDateTime &t) const;
    void completereview(int g, const QDateTime &t);
    QDateTime reviewtime(int g, int k) const;

    // Selections and the work list of a learning run.
    int pickwords(int from, int to, int min);
    int pickphonetic(int from, int to, int min);
    int pickkey(int from, int to, int min);
    int pickweak();
    int makeorder(int mode);
    int worksize() const;
    int workitem(int i) const;
    QStringList item(int p) const;
    QStringList sentence(int j) const;
    QList<int> choices(int w) const;

private:
    enum { reviews = 8 };

    // Calls f with the saved lists of each user given, in file order.
    template<typename F, typename... Users>
    static void eachsaved(F f, Users &...users);

    static QString digest(const QString &password);
    static void adddiff(QList<int> &diffs, int count);
    static void setdiff(QList<int> &diffs, int i, int v);
    static void addentry(QStringList &titles, QStringList &texts, QList<int> &diffs,
                         QStringList &links, const QString &title, const QString &content,
                         int n, int type);
    static QList<int> linked(const QStringList &links, int count, QChar kind, int from, int to,
                             bool numbers);
    static int pick(QList<int> &into, const QList<int> &diffs, int from, int to, int min);

    bool parsehead(MReader &in);
    void takehead(const MUser &other);
    qint64 firstposition(int g) const;
    qint64 intervalsum(int g, int first, int last) const;
    QDateTime reviewpoint(int g, int s) const;
    bool duetime(int g, const LocalZone &zone, qint64 *due) const;

    MBook book;
    QString bookpath;
    QString name;
    QString pwdhash;
    QByteArray avatar;
    QList<int> worddiffs;
    QList<int> groupsizes;
    QList<QDateTime> groupstarts;
    QList<int> intervals[reviews];
    QList<int> stages;
    QList<int> sentdiffs;
    QStringList ptitles;
    QStringList ptexts;
    QList<int> pdiffs;
    QStringList plinks;
    QStringList ktitles;
    QStringList ktexts;
    QList<int> kdiffs;
    QStringList klinks;
    QList<int> pickp;
    QList<int> pickw;
    QList<int> pickk;
    QList<int> worklist;
};

template<typename F, typename... Users>
void MUser::eachsaved(F f, Users &...users)
{
    f(users.worddiffs...);
    f(users.groupsizes...);
    f(users.groupstarts...);
    for (int k = 0; k < reviews; ++k)
        f(users.intervals[k]...);
    f(users.stages...);
    f(users.sentdiffs...);
    f(users.ptitles...);
    f(users.ptexts...);
    f(users.pdiffs...);
    f(users.plinks...);
    f(users.ktitles...);
    f(users.ktexts...);
    f(users.klinks...);
    f(users.kdiffs...);
}

#endif
