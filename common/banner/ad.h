#ifndef AD_H
#define AD_H

#include "ihttpdownload.h"

#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QThreadPool>

#include <array>
#include <memory>
#include <vector>

// The advertisement banner. At construction it fetches the list info.txt
// from the banner folder of the maker's server, then picture one, picture
// two and up to ten rotating pictures, stores them in the program folder and
// hands them out with their links. Where a picture has not arrived a
// built-in default stands in, with the server's home page as its link.
// The getters never return null; the banner keeps the pictures it hands out.
// Fetched pictures are decoded off the GUI thread and taken when decoded; one
// still being decoded when it is asked for is waited for.
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

signals:
    // A fetched picture was decoded and taken, or found unreadable.
    void pictureready();

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
    // Decodes a fetched file on a pool thread; the watcher's finished hands
    // the image back on the GUI thread.
    void decode(QFutureWatcher<QImage> &watcher, const QString &name);
    // The decoded picture into target, once; null (not arrived) when the
    // file could not be decoded or is too large.
    void take(QFutureWatcher<QImage> &watcher, std::unique_ptr<QPixmap> &target);
    // The same after the decode has ended; one not started yet runs here.
    void awaitdecode(QFutureWatcher<QImage> &watcher, std::unique_ptr<QPixmap> &target);
    // Rotating place k, when the list still has it.
    void takeplace(int k);
    QPixmap *handout(QPixmap *picture, const QString &link);
    QPixmap *builtin(std::unique_ptr<QPixmap> &picture, const QString &path);

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
    // Its end waits for the decodes still reading the folder.
    QThreadPool decoder;
    QFutureWatcher<QImage> onedecode;
    QFutureWatcher<QImage> twodecode;
    std::array<QFutureWatcher<QImage>, maxpictures> decodes;
};

#endif
