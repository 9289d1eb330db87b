#include "widgets/SeparatorLine.h"

QFrame *separatorLine(QWidget *parent, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    return frame;
}
