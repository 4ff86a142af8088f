#include "qframeex.h"

QFrameEx::QFrameEx(QWidget *parent)
    : PicturePainted<QFrame>(parent)
{
}

QFrameEx::~QFrameEx() = default;
