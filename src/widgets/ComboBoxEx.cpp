#include "widgets/ComboBoxEx.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// Beyond this many items the popup scrolls and needs room for the bar.
const int maxItemsWithoutScrollBar = 10;
const int iconTextGap = 4;

} // namespace

ComboBoxEx::ComboBoxEx(QWidget *parent)
    : QComboBox(parent)
{}

ComboBoxEx::TextSignal ComboBoxEx::currentIndexTextChanged()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return qOverload<const QString &>(&QComboBox::currentIndexChanged);
    QT_WARNING_POP
}

void ComboBoxEx::showPopup()
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        int itemWidth = metrics.horizontalAdvance(itemText(i));
        if (!itemIcon(i).isNull())
            itemWidth += iconSize().width() + iconTextGap;
        widest = qMax(widest, itemWidth);
    }

    QStyleOptionComboBox option;
    initStyleOption(&option);
    int popupWidth =
        style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, 0), this).width();

    QAbstractItemView *list = view();
    if (count() > maxItemsWithoutScrollBar)
        popupWidth += list->verticalScrollBar()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    list->window()->setFixedWidth(qMax(popupWidth, width()));
    QComboBox::showPopup();
}
