#ifndef WEBLINKS_H
#define WEBLINKS_H

#include <QString>

// Addresses of the maker's web pages, all on the build's maker host.
namespace weblinks {

QString home();
QString tutorial();
QString method();
QString programme();
QString social();
QString dictionary();
QString textbooks();

}

#endif
