#ifndef URLCATCHER_H
#define URLCATCHER_H

#include <QList>
#include <QObject>
#include <QUrl>

// Collects the addresses a program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    // Takes over opening http, https, file, javascript and ftp addresses.
    void listen();

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url);
};

#endif
