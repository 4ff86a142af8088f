#ifndef WEBURL_H
#define WEBURL_H

class QUrl;

// Only web pages are opened or linked: valid http and https addresses with a host.
bool isweburl(const QUrl &url);

#endif
