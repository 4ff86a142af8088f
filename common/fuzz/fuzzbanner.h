#ifndef FUZZBANNER_H
#define FUZZBANNER_H

#include <QByteArray>

#include <memory>

class ad;

// A banner whose server delivered list as info.txt and picture as each
// picture the banner then asked for: the files are put where the downloads
// put them and the banner's slots run as the finished downloads run them.
std::unique_ptr<ad> fuzzbanner(const QByteArray &list, const QByteArray &picture);

// Asks for every picture the banner has, each followed by its link; stops
// the program when a picture is null or holds more than maxbytes, or when
// a link is not an http or https address.
void checkhandouts(ad &banner, qint64 maxbytes);

#endif
