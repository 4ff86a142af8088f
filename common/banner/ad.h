#ifndef AD_H
#define AD_H

#include "ihttpdownload.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPair>
#include <QSize>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>
#include <vector>

// The advertisement banner. At construction it fetches the list info.txt
// from the banner folder of the maker's server, then picture one, picture
// two and up to ten rotating pictures, stores them in the program folder and
// hands them out with their links. Where a picture has not arrived a
// built-in default stands in, with the server's home page as its link.
// The getters never return null; the banner keeps the pictures it hands out.
// Fetched pictures are decoded on the GUI thread, no larger than shown, one
// a turn of the event loop in the order they arrive; one asked for before
// its turn is decoded at once.
class ad : public QObject
{
    Q_OBJECT

public:
    // baseurl: the server root; folder: where the fetched files are stored
    // (the program folder when empty).
    explicit ad(QObject *parent = nullptr, const QString &baseurl = QStringLiteral(MAKER_HOST),
                const QString &folder = QString());
    ~ad() override;

    QPixmap *getone();
    QPixmap *gettwo();
    // The next rotating picture in the random order.
    QPixmap *getnext();
    // The link of the picture handed out last.
    QString getlink() const;
    // The size of the frames the pictures are shown on, stretched: pictures
    // that arrive later are decoded no larger.
    void setshown(const QSize &size);

private slots:
    void setok();
    void setokone();
    void setoktwo();
    void setok0();
    void setok1();
    void setok2();
    void setok3();
    void setok4();
    void setok5();
    void setok6();
    void setok7();
    void setok8();
    void setok9();

private:
    static constexpr int maxpictures = 10;

    void makeorder(int n);
    void setokpic(int k);
    QString local(const QString &name) const;
    QString checkedlink(const QString &line) const;
    // The picture of a fetched file; null (not arrived) when it cannot be
    // decoded or is too large.
    std::unique_ptr<QPixmap> fetched(const QString &name) const;
    // The fetched file name waits to be decoded into target.
    void arrived(std::unique_ptr<QPixmap> &target, const QString &name);
    // Decodes target's file now, if it is still waiting.
    void settle(std::unique_ptr<QPixmap> &target);
    void decodeoldest();
    QPixmap *handout(QPixmap *picture, const QString &link);
    QPixmap *builtin(std::unique_ptr<QPixmap> &picture, const QString &path);
    // The built-in picture one with the maker's link, where no picture came.
    QPixmap *handoutdefault();

    // The built-in pictures, made at their first hand-out.
    std::unique_ptr<QPixmap> defaultone;
    std::unique_ptr<QPixmap> defaulttwo;
    std::unique_ptr<QPixmap> one;
    std::unique_ptr<QPixmap> two;
    QString onelink;
    QString twolink;
    std::vector<std::unique_ptr<QPixmap>> pics;
    QList<QString> links;
    QList<int> order;
    int current = -1;
    QString currentlink;
    QString appdir;
    QString adurl;
    QString adurl2;
    QString defaultlink;
    QString defaultlink2;
    iHttpDownload infodown;
    iHttpDownload onedown;
    iHttpDownload twodown;
    std::array<iHttpDownload, maxpictures> down;
    QSize shown;
    // The fetched files not decoded yet, oldest first, with their targets.
    QList<QPair<std::unique_ptr<QPixmap> *, QString>> waiting;
    QTimer decoding;
};

#endif
