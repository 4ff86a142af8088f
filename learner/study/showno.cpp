#include "showno.h"

#include "randomorder.h"

static const int PictureCount = 5;

showno::showno(QObject *parent)
    : QObject(parent)
{
    makeorder();
}

showno::~showno() = default;

void showno::makeorder()
{
    pos = 0;
    order = randomorder(PictureCount);
}

int showno::getnext()
{
    const int index = order.at(pos);
    pos = pos < order.size() - 1 ? pos + 1 : 0;
    return index;
}
