#include "widgets/TolButtonGroup.h"

#include "widgets/ErrorMark.h"
#include "widgets/IconCache.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

const QSize buttonIconSize(50, 50);
const char *const disabledTitleColour = "#9f9e9e";
const QString selectedSuffix = QStringLiteral("-selected");

} // namespace

// The icon buttons draw no frame of their own; a border in the highlight
// colour shows which one has the keyboard focus. It is always there, only
// transparent, so that focus moves nothing.
const char *const TolButtonGroup::focusFrameStyle =
    "QPushButton { border: 2px solid transparent; border-radius: 3px; outline: none; "
    "background: transparent; } "
    "QPushButton:focus { border-color: palette(highlight); }";

TolButtonGroup::TolButtonGroup(QWidget *parent, const QString &title)
    : QFrame(parent)
    , layout(new QGridLayout(this))
    , group(new QButtonGroup(this))
    , label(new QLabel(title, this))
    , titleText(title)
{
    const QPalette &palette = parent ? parent->palette() : this->palette();
    labelColour = palette.color(QPalette::Current, QPalette::WindowText);

    group->setExclusive(true);
    setStyleSheet(QLatin1String(focusFrameStyle));
    setFocusPolicy(Qt::StrongFocus);
    layout->setSpacing(3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0, 1, 4, Qt::AlignLeft);

    const auto clicked = qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked);
    connect(group, clicked, this, qOverload<QAbstractButton *>(&TolButtonGroup::setButton),
            Qt::UniqueConnection);
    connect(group, clicked, this, &TolButtonGroup::emit_buttonClicked);
}

TolButtonGroup::~TolButtonGroup() = default;

void TolButtonGroup::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // The group itself takes the focus too.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    // The style shows it once the keyboard has moved the focus, not when a
    // page is merely opened.
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void TolButtonGroup::setEnabled(bool enabled)
{
    QFrame::setEnabled(enabled);
    setLabelColour(enabled);
}

void TolButtonGroup::addButton(const QString &name, const QString &iconPath, const ChoiceKey &key)
{
    auto *button = new QPushButton(this);
    button->setAccessibleName(name);
    button->setIcon(IconCache::icon(iconPath));
    button->setIconSize(buttonIconSize);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::StrongFocus);

    buttons.append(button);
    iconPaths.append(iconPath);
    keys.append(key);
    group->addButton(button);
    layout->addWidget(button, 1, nextColumn++, Qt::AlignLeft);
}

void TolButtonGroup::removeAllButtons()
{
    for (QAbstractButton *button : qAsConst(buttons)) {
        layout->removeWidget(button);
        group->removeButton(button);
        button->hide();
        // Later, because this may run inside the button's own click.
        button->deleteLater();
    }
    buttons.clear();
    iconPaths.clear();
    keys.clear();
    nextColumn = 0;
}

ChoiceKey TolButtonGroup::buttonKey(int index) const
{
    return keys.value(index);
}

void TolButtonGroup::updateButtonIcons(const QString &name)
{
    int selected = buttonNames().indexOf(name);
    if (selected < 0 && !buttons.isEmpty())
        selected = 0;

    for (int i = 0; i < buttons.size(); ++i) {
        const bool isSelected = i == selected;
        buttons[i]->setIcon(
            IconCache::icon(isSelected ? iconPaths[i] + selectedSuffix : iconPaths[i]));
        if (isSelected)
            buttons[i]->setChecked(true);
    }

    if (checkedIndex() >= 0)
        constructLabel();
    else
        label->setText(titleText);
}

void TolButtonGroup::uncheckAll()
{
    // An exclusive group keeps one button checked; it lets go only while
    // it is not exclusive.
    group->setExclusive(false);
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(false);
        buttons[i]->setIcon(IconCache::icon(iconPaths[i]));
    }
    group->setExclusive(true);
    label->setText(titleText);
}

void TolButtonGroup::setButton(int button_index)
{
    if (button_index >= 0 && button_index < buttons.size())
        updateButtonIcons(buttons[button_index]->accessibleName());
}

void TolButtonGroup::setButton(QAbstractButton *button)
{
    if (button)
        updateButtonIcons(button->accessibleName());
}

void TolButtonGroup::enableButton(QAbstractButton *button, bool enabled)
{
    if (button && isEnabled())
        button->setEnabled(enabled);
}

void TolButtonGroup::enableButton(int index, bool enabled)
{
    if (index >= 0 && index < buttons.size())
        enableButton(buttons[index], enabled);
}

void TolButtonGroup::constructLabel()
{
    // A title that already ends in a colon ("Duplex: ") takes the name as is,
    // so that it does not read "Duplex: :Off".
    const QString separator =
        titleText.trimmed().endsWith(QLatin1Char(':')) ? QString() : QStringLiteral(":");
    label->setText(titleText + separator + checkedButtonName());
}

void TolButtonGroup::emit_buttonClicked(QAbstractButton *button)
{
    emit buttonClicked(button);
    emit buttonClicked(buttons.indexOf(button));
}

void TolButtonGroup::setLabelColour(bool enabled)
{
    QPalette palette = label->palette();
    const QBrush brush(enabled ? labelColour : QColor(disabledTitleColour));
    palette.setBrush(QPalette::All, label->foregroundRole(), brush);
    label->setPalette(palette);
}

QString TolButtonGroup::checkedButtonName() const
{
    const int index = checkedIndex();
    return index >= 0 ? buttons[index]->accessibleName() : QString();
}

QStringList TolButtonGroup::buttonNames() const
{
    QStringList names;
    names.reserve(buttons.size());
    for (const QAbstractButton *button : buttons)
        names.append(button->accessibleName());
    return names;
}

int TolButtonGroup::checkedIndex() const
{
    return buttons.indexOf(group->checkedButton());
}

int TolButtonGroup::checkedPushButtonIndex() const
{
    return checkedIndex();
}

QPushButton *TolButtonGroup::pushButton(int index) const
{
    if (index < 0 || index >= buttons.size())
        return nullptr;
    return qobject_cast<QPushButton *>(buttons[index]);
}

int TolButtonGroup::count() const
{
    return buttons.size();
}

void TolButtonGroup::setError(const QString &toolTip)
{
    ErrorMark::addTo(label);
    label->setToolTip(toolTip);
    label->setStyleSheet(ErrorMark::toolTipStyle);
}

void TolButtonGroup::clearError()
{
    ErrorMark::removeFrom(label);
    label->setToolTip(QString());
}

void TolButtonGroup::showError(bool show)
{
    if (show)
        ErrorMark::addTo(label);
    else
        ErrorMark::removeFrom(label);
}

void TolButtonGroup::setTitle(const QString &title)
{
    titleText = title;
}

QString TolButtonGroup::title() const
{
    return titleText;
}

QLabel *TolButtonGroup::titleLabel() const
{
    return label;
}
