#include "weblinks.h"

namespace weblinks {

static QString onhost(const char *path)
{
    return QStringLiteral(MAKER_HOST) + QLatin1String(path);
}

QString home()
{
    return onhost("/");
}

QString tutorial()
{
    return onhost("/show/3_1.html");
}

QString method()
{
    return onhost("/show/zembrix.html");
}

QString programme()
{
    return onhost("/show/tevrano.html");
}

QString social()
{
    return onhost("/show/weibo.html");
}

QString dictionary()
{
    return onhost("/dict/");
}

QString textbooks()
{
    return onhost("/show/2.html");
}

}
