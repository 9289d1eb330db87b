// The part of Tab that shows the model's blocks in the widgets: greying
// blocked choices, moving a widget off a blocked choice (and reporting that
// it did, so the main window runs another pass), and the error marks.

#include "tabs/Tab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/ErrorMark.h"
#include "widgets/IconCache.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

bool isBlocked(const tChoice *choice)
{
    return choice && choice->isBlocked();
}

// The choices a check box stands for, unchecked first, tied by keyword
// whatever their order. A box is offered only for an option with both.
bool checkBoxChoices(tOption *option, tChoice **unchecked, tChoice **checked)
{
    *unchecked = option->findChoice(QStringLiteral("False"));
    *checked = option->findChoice(QStringLiteral("True"));
    return *unchecked && *checked;
}

} // namespace

// ---------------------------------------------------------------------------
// Greying and moving

bool Tab::enableOptions()
{
    if (!AppState::optionModel)
        return false;

    bool moved = false;
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        if (!option)
            continue;
        QWidget *widget = it.value();
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            moved |= enableOptionsForComboBox(combo, option);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            moved |= enableOptionsForCheckBox(checkBox, option);
        else if (auto *button = qobject_cast<TolCheckBoxButton *>(widget))
            moved |= enableOptionsForCheckBoxButton(button, option);
        else if (auto *group = qobject_cast<TolButtonGroup *>(widget))
            moved |= enableOptionsForButtonGroup(group, option);
    }
    return moved;
}

bool Tab::enableOptionsForComboBox(ComboBoxEx *combo_box, tOption *option)
{
    if (!combo_box->isEnabled())
        return false;

    int firstFree = -1;
    bool currentBlocked = false;
    for (int index = 0; index < combo_box->count(); ++index) {
        const tChoice *choice = comboChoice(combo_box, index, option);
        if (!choice)
            continue;
        const bool blocked = choice->isBlocked();
        if (blocked && index == combo_box->currentIndex())
            currentBlocked = true;
        else if (!blocked && firstFree < 0)
            firstFree = index;
        setComboItemBlocked(index, combo_box, blocked);
    }

    if (!currentBlocked)
        return false;

    const QSignalBlocker blocker(combo_box);
    if (firstFree < 0) {
        // Nowhere to go: leave the model alone and report no move.
        combo_box->setCurrentIndex(0);
        return false;
    }
    combo_box->setCurrentIndex(firstFree);
    applyWidgetToOption(firstFree, combo_box);
    return true;
}

void Tab::setComboItemBlocked(int index, QComboBox *combo, bool blocked)
{
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    QStandardItem *item = model ? model->item(index) : nullptr;
    if (!item)
        return;

    if (blocked) {
        item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        item->setData(combo->palette().color(QPalette::Disabled, QPalette::Text),
                      Qt::ForegroundRole);
    } else {
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setData(QVariant(), Qt::ForegroundRole);
    }
}

// The box's own signals stay live here: a state change reaches markOption
// and the main window like a user's click.
bool Tab::enableOptionsForCheckBox(QCheckBox *check_box, tOption *option)
{
    tChoice *unchecked = nullptr;
    tChoice *checked = nullptr;
    if (!checkBoxChoices(option, &unchecked, &checked))
        return false;

    if (checked->isBlocked()) {
        const bool moved = check_box->isChecked();
        if (moved)
            applyWidgetToOption(0, check_box);
        check_box->setEnabled(false);
        check_box->setChecked(false);
        return moved;
    }
    if (!unchecked->isBlocked()) {
        check_box->setEnabled(true);
        return false;
    }
    const bool moved = !check_box->isChecked();
    if (moved)
        applyWidgetToOption(1, check_box);
    check_box->setChecked(true);
    check_box->setEnabled(false);
    return moved;
}

bool Tab::enableOptionsForCheckBoxButton(TolCheckBoxButton *checkbox_button, tOption *option)
{
    tChoice *falseChoice = option->findChoice(QStringLiteral("False"));
    tChoice *trueChoice = option->findChoice(QStringLiteral("True"));

    if (isBlocked(trueChoice)) {
        const bool moved = checkbox_button->isChecked();
        checkbox_button->setChecked(false);
        checkbox_button->setEnabled(false);
        if (moved)
            option->setCurrentChoice(falseChoice);
        return moved;
    }
    if (!isBlocked(falseChoice)) {
        checkbox_button->setEnabled(true);
        return false;
    }
    const bool moved = !checkbox_button->isChecked();
    checkbox_button->setChecked(true);
    checkbox_button->setEnabled(false);
    if (moved)
        option->setCurrentChoice(trueChoice);
    return moved;
}

bool Tab::enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option)
{
    // Buttons can only be switched while the group is enabled.
    button_group->setEnabled(true);

    int blockedCount = 0;
    int firstFree = -1;
    tChoice *firstFreeChoice = nullptr;
    bool currentBlocked = false;
    for (int i = 0; i < button_group->count(); ++i) {
        tChoice *choice = buttonChoice(button_group, i, option);
        if (!choice) {
            // A button for no choice of the PPD can write nothing: greyed
            // like a blocked one, and never shown checked.
            if (button_group->checkedIndex() == i)
                button_group->uncheckAll();
            button_group->enableButton(i, false);
            continue;
        }
        const bool blocked = choice->isBlocked();
        button_group->enableButton(i, !blocked);
        if (blocked) {
            ++blockedCount;
            if (choice == option->currentChoice())
                currentBlocked = true;
        } else if (firstFree < 0) {
            firstFree = i;
            firstFreeChoice = choice;
        }
    }

    if (currentBlocked) {
        if (firstFree < 0) {
            option->setCurrentChoice(nullptr);
        } else {
            option->setCurrentChoice(firstFreeChoice);
            button_group->setButton(firstFree);
        }
    }

    // With at most one free choice there is nothing to pick; the title keeps
    // its normal colour, since the option itself is not unavailable.
    const int choiceCount = option->choiceCount();
    if (blockedCount == choiceCount) {
        button_group->setEnabled(false);
        button_group->setLabelColour(true);
        option->setCurrentChoice(option->choices().value(0));
        showChoice(button_group, option, option->currentChoice());
    } else if (blockedCount == choiceCount - 1) {
        button_group->setEnabled(false);
        button_group->setLabelColour(true);
    }
    return currentBlocked;
}

// ---------------------------------------------------------------------------
// Error marks

void Tab::markWidget(QWidget *widget, const QString &toolTip, bool mark)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (mark) {
            ErrorMark::addTo(label);
            label->setToolTip(toolTip);
            label->setStyleSheet(ErrorMark::toolTipStyle);
        } else {
            label->setToolTip(QString());
        }
    } else if (auto *group = qobject_cast<TolButtonGroup *>(widget)) {
        if (mark)
            group->setError(toolTip);
        else
            group->clearError();
    }
}

void Tab::flagOptionError(const QString &keyword, const QString &choice)
{
    Q_UNUSED(choice);
    QWidget *title = labelWidgets.value(keyword);
    QWidget *editor = optionWidgets.value(keyword);
    // A box that is not offered has no conflict to show.
    if (qobject_cast<QCheckBox *>(editor) && !offeredOption(keyword))
        return;

    if (auto *label = qobject_cast<QLabel *>(title)) {
        constraintMarked = true;
        ErrorMark::addTo(label);
    } else if (auto *checkBox = qobject_cast<QCheckBox *>(editor);
               checkBox && keyword != QLatin1String("Cadj")) {
        constraintMarked = true;
        checkBox->setIcon(IconCache::icon(ErrorMark::iconPath));
    } else if (auto *group = qobject_cast<TolButtonGroup *>(title)) {
        constraintMarked = true;
        group->showError(true);
    } else if (qobject_cast<TolCheckBoxButton *>(editor)) {
        constraintMarked = true;
    }
}

void Tab::clearErrorMarks()
{
    for (QWidget *title : qAsConst(labelWidgets)) {
        if (auto *label = qobject_cast<QLabel *>(title)) {
            ErrorMark::removeFrom(label);
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(title)) {
            checkBox->setIcon(QIcon());
            checkBox->setText(ErrorMark::stripped(checkBox->text()));
        } else if (auto *group = qobject_cast<TolButtonGroup *>(title)) {
            group->showError(false);
        }
    }
}

void Tab::markTitle(QWidget *title)
{
    if (auto *label = qobject_cast<QLabel *>(title))
        ErrorMark::addTo(label);
    else if (auto *checkBox = qobject_cast<QCheckBox *>(title))
        checkBox->setIcon(IconCache::icon(ErrorMark::iconPath));
    else if (auto *group = qobject_cast<TolButtonGroup *>(title))
        group->showError(true);
}

void Tab::markCustomConstraints()
{
    for (QWidget *marked : qAsConst(extraMarkedWidgets)) {
        constraintMarked = true;
        markTitle(marked);
    }
}

void Tab::addExtraMarkedWidget(QWidget *key, QWidget *marked)
{
    extraMarkedWidgets.insert(key, marked);
}

void Tab::removeExtraMarkedWidget(QWidget *key)
{
    extraMarkedWidgets.remove(key);
}

bool Tab::isConstraintMarked()
{
    return constraintMarked;
}

void Tab::setConstraintMarked(bool marked)
{
    constraintMarked = marked;
}
