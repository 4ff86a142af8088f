#ifndef QFRAMEEX_H
#define QFRAMEEX_H

#include "picturepainted.h"

#include <QFrame>

// A frame that paints its picture stretched over itself, frame lines included.
class QFrameEx : public PicturePainted<QFrame>
{
    Q_OBJECT

public:
    explicit QFrameEx(QWidget *parent = nullptr);
    ~QFrameEx() override;
};

#endif
