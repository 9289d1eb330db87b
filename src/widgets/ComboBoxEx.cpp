#include "widgets/ComboBoxEx.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

// Beyond this many items the popup scrolls and needs room for the bar.
const int maxItemsWithoutScrollBar = 10;
const int iconTextGap = 4;
const int arrowGap = 2;

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

QSize ComboBoxEx::sizeHint() const
{
    return withArrowRoom(QComboBox::sizeHint());
}

QSize ComboBoxEx::minimumSizeHint() const
{
    return withArrowRoom(QComboBox::minimumSizeHint());
}

// A style sheet (the window's padding, a page's margins) makes its engine
// leave the text a field beside an arrow of its own, while the application
// style draws its own arrow, wider at larger fonts: the text keeps clear of
// the arrow drawn, and the box grows by what that takes.
QRect ComboBoxEx::labelRect(const QStyleOptionComboBox &option) const
{
    QRect label =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QRect arrow = QApplication::style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, this);
    const int right = arrow.left() - arrowGap - 1;
    if (arrow.left() > label.left() && right < label.right())
        label.setRight(right);
    return label;
}

QSize ComboBoxEx::withArrowRoom(QSize size) const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), size);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    size.rwidth() += field.width() - labelRect(option).width();
    return size;
}

QString ComboBoxEx::shownText() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (isEditable() || option.currentText.isEmpty())
        return option.currentText;
    int room = labelRect(option).width();
    if (!option.currentIcon.isNull())
        room -= option.iconSize.width() + iconTextGap;
    // The box is sized to the text's ink, which may lie inside its advance.
    const QFontMetrics metrics = fontMetrics();
    if (metrics.boundingRect(option.currentText).width() <= room)
        return option.currentText;
    return metrics.elidedText(option.currentText, Qt::ElideRight, room);
}

void ComboBoxEx::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    } else {
        option.currentText = shownText();
        syncToolTip(option.currentText);
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ComboBoxEx::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    syncToolTip(shownText());
}

void ComboBoxEx::syncToolTip(const QString &shown)
{
    if (toolTip() != ownToolTip)
        return;
    ownToolTip = shown == currentText() ? QString() : currentText();
    if (toolTip() != ownToolTip)
        setToolTip(ownToolTip);
}
