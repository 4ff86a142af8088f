#include "urlcatcher.h"

#include <QDesktopServices>

void UrlCatcher::listen()
{
    for (const char *scheme : {"http", "https", "file", "javascript", "ftp"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

void UrlCatcher::open(const QUrl &url)
{
    opened.append(url);
}
