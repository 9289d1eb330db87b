#include "widgets/FocusInSight.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Room left around the control, where the view has it, so that the user
// sees what lies next to it.
const int contextMargin = 20;

// Where the shown part of one direction starts so that the span
// [start, start + length) is in it, moved as little as possible; a span
// longer than the view shows its start.
int shownStartFor(int start, int length, int shownStart, int shownLength)
{
    if (length >= shownLength)
        return start;
    const int margin = qMin(contextMargin, (shownLength - length) / 2);
    if (start - margin < shownStart)
        return start - margin;
    if (start + length + margin > shownStart + shownLength)
        return start + length + margin - shownLength;
    return shownStart;
}

void bringIntoSight(QScrollArea *area, const QWidget *control)
{
    const QWidget *content = area->widget();
    if (!content || !content->isAncestorOf(control))
        return;
    const QRect rect(control->mapTo(content, QPoint(0, 0)), control->size());
    const QSize shown = area->viewport()->size();
    // The content sits at minus the scroll bars' values.
    QScrollBar *across = area->horizontalScrollBar();
    QScrollBar *down = area->verticalScrollBar();
    across->setValue(shownStartFor(rect.x(), rect.width(), across->value(), shown.width()));
    down->setValue(shownStartFor(rect.y(), rect.height(), down->value(), shown.height()));
}

} // namespace

FocusInSight::FocusInSight(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool FocusInSight::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::ShortcutFocusReason) {
            auto *control = static_cast<QWidget *>(watched);
            for (QWidget *p = control->parentWidget(); p; p = p->parentWidget()) {
                if (auto *area = qobject_cast<QScrollArea *>(p))
                    bringIntoSight(area, control);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
