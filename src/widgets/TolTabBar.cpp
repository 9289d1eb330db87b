#include "widgets/TolTabBar.h"

#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolButton>

namespace {

const int iconLeftMargin = 7;
const int textGapAfterIcon = 17;
const int verticalInset = 3;
// The page overlaps the bar by 7 pixels.
const int textRightMargin = 14;
const int focusInset = 3;
const int focusPenWidth = 2;

QFont labelFont()
{
    return QFont(QStringLiteral("Arial"), 12);
}

} // namespace

TolTabBar::TolTabBar(QWidget *parent)
    : QTabBar(parent)
{
    // The scroll arrows draw no focus, and the arrow keys already move
    // between the tabs: the Tab key passes them by.
    for (QToolButton *arrow : findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
        arrow->setFocusPolicy(Qt::NoFocus);
}

QSize TolTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    // A disabled tab keeps the empty size the style sheet gives it. Larger
    // fonts and longer translations widen the tabs rather than cut labels.
    if (size.isEmpty() || !isTabEnabled(index))
        return size;
    const QFontMetrics metrics(labelFont(), this);
    const int label = iconSize().width() + textGapAfterIcon
                      + metrics.horizontalAdvance(tabText(index)) + textRightMargin;
    return size.expandedTo(QSize(label, 0));
}

void TolTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);

    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        const QString text = option.text;
        const QIcon icon = option.icon;
        option.text.clear();
        option.icon = QIcon();

        painter.save();
        // A tab drawn with no size (disabled, by the window's style sheet)
        // must leave no trace, not even its icon.
        painter.setClipRect(option.rect);
        painter.drawControl(QStyle::CE_TabBarTab, option);

        QColor pen = Qt::black;
        if (!isTabEnabled(i))
            pen = Qt::transparent;
        else if (i == currentIndex())
            pen = Qt::white;
        painter.setPen(pen);
        painter.setFont(labelFont());

        const QRect area = option.rect.adjusted(0, verticalInset, 0, -verticalInset);
        const QRect textRect = area.adjusted(option.iconSize.width() + textGapAfterIcon, 0, 0, 0);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);

        const QRect iconArea = area.adjusted(iconLeftMargin, 0, 0, 0);
        const QRect iconRect = QStyle::alignedRect(
            layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, option.iconSize, iconArea);
        icon.paint(&painter, iconRect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);

        // The style marks the focus by a shade a user cannot tell apart.
        if (hasFocus() && i == currentIndex() && !option.rect.isEmpty()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(pen, focusPenWidth));
            painter.setBrush(Qt::NoBrush);
            const qreal inset = focusInset + focusPenWidth / 2.0;
            // The page covers the bar's right edge, and the tab may reach under it.
            const QRectF shown = option.rect & rect();
            painter.drawRoundedRect(shown.adjusted(inset, inset, -inset, -inset), 3, 3);
        }
        painter.restore();
    }
}
