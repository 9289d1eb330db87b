#include "tabs/Tab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "tabs/TabOwner.h"
#include "widgets/ChoiceKey.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

namespace {

const QString trueKeyword = QStringLiteral("True");
const QString falseKeyword = QStringLiteral("False");
const QString noDefault = QStringLiteral("no_default");
const QString notInHash = QStringLiteral("NOT_IN_HASH");

const char *const pageStyle =
    "ComboBoxEx{ margin-bottom: 8px }TolButtonGroup{ margin-bottom: 8px }"
    "QCheckBox{ margin-bottom: 8px }TolCheckBoxButton{ margin-bottom: 8px }";

// A slider position as the choice text (or keyword) it stands for.
QString sliderText(const QString &keyword, int value)
{
    if (keyword == QLatin1String("CaHueMaster"))
        return QString::number(value * 10);
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value) + QStringLiteral(".0");
}

} // namespace

Tab::Tab(QWidget *parent)
    : QWidget(parent)
    , dialog(qobject_cast<TabOwner *>(parent))
{
    setStyleSheet(QString::fromLatin1(pageStyle));
    setContentsMargins(10, 10, 10, 10);
}

Tab::~Tab() = default;

// ---------------------------------------------------------------------------
// Names, icons and hooks

QString Tab::getTabName()
{
    if (tabName.isEmpty()) {
        MessageBoxes::show(QMessageBox::NoIcon, QString(),
                           QStringLiteral("ERROR: tabName not init'd!"));
        return QStringLiteral("ERROR");
    }
    return tabName;
}

QIcon Tab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-basic"));
}

QIcon Tab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-basic-constraint"));
}

void Tab::resetDisabledTab() {}
void Tab::retranslateUi() {}
void Tab::finishLoad() {}
void Tab::addTabConstraints() {}
void Tab::updateCustomConstraints() {}

OptionHash Tab::extraSettings()
{
    return OptionHash();
}

// ---------------------------------------------------------------------------
// Registration

void Tab::addOptionWidget(const QString &keyword, QWidget *editor)
{
    const QString previous = keywordOf(editor);
    if (!previous.isEmpty())
        optionWidgets.remove(previous);
    optionWidgets.insert(keyword, editor);
}

void Tab::addLabelWidget(const QString &keyword, QWidget *title)
{
    labelWidgets.insert(keyword, title);
}

void Tab::addCompanionWidget(const QString &keyword, QWidget *widget)
{
    companionWidgets.insert(keyword, widget);
}

void Tab::addCheckButton(TolCheckBoxButton *button)
{
    if (!checkButtons.contains(button))
        checkButtons.append(button);
}

void Tab::addChoiceButton(TolButtonGroup *group, const ChoiceButton &row, const char *context)
{
    const QString source = QString::fromUtf8(row.text);
    const ChoiceKey key {
        QString::fromLatin1(row.keywords).split(QLatin1Char(' '), Qt::SkipEmptyParts), source};
    group->addButton(QCoreApplication::translate(context, row.text),
                     QString::fromLatin1(row.iconPath), key);
}

void Tab::addChoiceButton(TolButtonGroup *group, const ChoiceButton &row)
{
    addChoiceButton(group, row, metaObject()->className());
}

QHash<QString, QWidget *> Tab::optionWidgetMap() const
{
    return optionWidgets;
}

bool Tab::modelHasAnyRegisteredOption() const
{
    if (!AppState::optionModel)
        return false;
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        if (offeredOption(it.key()))
            return true;
    }
    return false;
}

tOption *Tab::offeredOption(const QString &keyword) const
{
    tOption *option = AppState::currentOption(keyword);
    if (option && qobject_cast<QCheckBox *>(optionWidgets.value(keyword))
        && !(option->hasChoice(trueKeyword) && option->hasChoice(falseKeyword)))
        return nullptr;
    return option;
}

QString Tab::keywordOf(QWidget *widget) const
{
    return optionWidgets.key(widget);
}

// ---------------------------------------------------------------------------
// Reload

void Tab::reload()
{
    setOptionSignalsBlocked(true);
    initTabName();
    extraMarkedWidgets.clear();
    addTabConstraints();
    clearErrorMarks();
    refreshOptionLabels();
    loadOptionValues();
    applyAllWidgets();
    finishLoad();
    enableOptions();
    setOptionSignalsBlocked(false);
}

void Tab::setOptionSignalsBlocked(bool blocked)
{
    for (QWidget *widget : qAsConst(optionWidgets))
        widget->blockSignals(blocked);
}

void Tab::refreshOptionLabels()
{
    if (!AppState::optionModel)
        return;

    for (auto it = labelWidgets.cbegin(); it != labelWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        if (QWidget *companion = companionWidgets.value(it.key()))
            companion->setEnabled(option != nullptr);

        if (auto *label = qobject_cast<QLabel *>(it.value())) {
            if (option)
                label->setText(option->text() + QLatin1Char(':'));
            label->setEnabled(option != nullptr);
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(it.value())) {
            if (option)
                checkBox->setText(option->text());
            else
                checkBox->setChecked(false);
            checkBox->setEnabled(option != nullptr);
        }
    }
}

tChoice *Tab::savedOrDefaultChoice(const QString &keyword, tOption *option)
{
    const QString saved = readCfgValue(keyword);
    if (!saved.isEmpty()) {
        if (tChoice *choice = option->findChoice(saved))
            return choice;
    }
    return option->defaultChoice();
}

void Tab::loadOptionValues()
{
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        QWidget *widget = it.value();
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            setupComboBox(combo, option);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            loadCheckBox(checkBox, option);
        else if (auto *group = qobject_cast<TolButtonGroup *>(widget))
            loadButtonGroup(group, option);
        else if (auto *button = qobject_cast<TolCheckBoxButton *>(widget))
            loadCheckBoxButton(button, option);
    }
    for (TolCheckBoxButton *button : qAsConst(checkButtons)) {
        // The list drops its "unchecked" entry under the PPD's own wording.
        const QList<QWidget *> dependents = button->dependents();
        for (QWidget *dependent : dependents) {
            if (button->valueFor(dependent) == noDefault)
                continue;
            const tChoice *choice =
                dependentChoice(button, dependent, AppState::currentOption(keywordOf(dependent)));
            button->setValueText(dependent, choice ? choice->text() : button->valueFor(dependent));
        }
        button->applyToDependents();
    }
}

void Tab::setupComboBox(ComboBoxEx *combo, tOption *option)
{
    combo->clear();
    if (!option) {
        combo->setEnabled(false);
        return;
    }
    combo->setEnabled(true);
    fillComboBox(combo, option);
    selectComboValue(combo, option);
}

void Tab::fillComboBox(ComboBoxEx *combo, tOption *option)
{
    const QList<tChoice *> choices = option->choices();
    for (const tChoice *choice : choices)
        combo->addItem(choice->text(), choice->keyword());
}

void Tab::selectComboValue(ComboBoxEx *combo, tOption *option)
{
    // The item of the choice's keyword; a list filled without keywords by
    // the choice's text.
    const auto itemOf = [combo](const tChoice *choice) {
        const Qt::MatchFlags exact = Qt::MatchExactly | Qt::MatchCaseSensitive;
        const int index = combo->findData(choice->keyword(), Qt::UserRole, exact);
        return index >= 0 ? index : combo->findText(choice->text(), exact);
    };
    int index = -1;
    const QString saved = readCfgValue(option->keyword());
    if (!saved.isEmpty()) {
        if (const tChoice *choice = option->findChoice(saved))
            index = itemOf(choice);
    }
    // A saved choice the list does not offer falls back to the default.
    if (index < 0 && option->defaultChoice())
        index = itemOf(option->defaultChoice());
    combo->setCurrentIndex(index);
}

void Tab::loadCheckBox(QCheckBox *check_box, tOption *option)
{
    if (!option)
        return;
    const tChoice *shown = savedOrDefaultChoice(option->keyword(), option);
    check_box->setChecked(shown && shown->keyword() == trueKeyword);
}

void Tab::loadButtonGroup(TolButtonGroup *button_group, tOption *option)
{
    if (!option) {
        button_group->setEnabled(false);
        return;
    }
    tChoice *shown = savedOrDefaultChoice(option->keyword(), option);
    if (!shown) {
        button_group->setEnabled(false);
        return;
    }
    button_group->setEnabled(true);
    // The model stands on the choice shown, also on one that no button
    // stands for, so that the value written claims no other one.
    option->setCurrentChoice(shown);
    showChoice(button_group, option, shown);
}

void Tab::loadCheckBoxButton(TolCheckBoxButton *checkbox_button, tOption *option)
{
    if (!option)
        return;
    const tChoice *shown = savedOrDefaultChoice(option->keyword(), option);
    checkbox_button->setChecked(shown && shown->keyword() == trueKeyword);
}

// ---------------------------------------------------------------------------
// Handing widget values to the model

void Tab::applyWidgetToOption(int value, QWidget *widget)
{
    if (!widget)
        return;
    const QString keyword = keywordOf(widget);
    if (keyword.isEmpty())
        return;
    tOption *option = offeredOption(keyword);
    if (!option)
        return;

    const QLatin1String kind(widget->metaObject()->className());
    tChoice *choice = nullptr;
    if (kind == QLatin1String("TolCheckBoxButton")) {
        const bool checked = static_cast<TolCheckBoxButton *>(widget)->isChecked();
        choice = option->findChoice(checked ? trueKeyword : falseKeyword);
    } else if (kind == QLatin1String("QCheckBox") || kind == QLatin1String("QRadioButton")) {
        choice = option->findChoice(value ? trueKeyword : falseKeyword);
    } else if (kind == QLatin1String("ComboBoxEx")) {
        auto *combo = static_cast<ComboBoxEx *>(widget);
        choice = comboChoice(combo, combo->currentIndex(), option);
    } else if (kind == QLatin1String("QSlider")) {
        choice = option->findChoiceByText(sliderText(keyword, value));
    } else if (kind == QLatin1String("TolButtonGroup")) {
        auto *group = static_cast<TolButtonGroup *>(widget);
        // A group with no button checked stands for the choice it was loaded
        // with, which the model already holds.
        if (group->checkedIndex() < 0)
            return;
        choice = buttonChoice(group, group->checkedIndex(), option);
    } else {
        return;
    }
    option->setCurrentChoice(choice ? choice : option->defaultChoice());
}

void Tab::applyAllWidgets()
{
    for (QWidget *widget : qAsConst(optionWidgets)) {
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            applyWidgetToOption(combo->currentIndex(), widget);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            applyWidgetToOption(checkBox->isChecked(), widget);
        else if (auto *slider = qobject_cast<QSlider *>(widget))
            applyWidgetToOption(slider->value(), widget);
        else if (qobject_cast<TolButtonGroup *>(widget))
            applyWidgetToOption(0, widget);
        else if (auto *button = qobject_cast<TolCheckBoxButton *>(widget))
            applyWidgetToOption(button->isChecked(), widget);
        else if (auto *radio = qobject_cast<QRadioButton *>(widget))
            applyWidgetToOption(radio->isChecked(), widget);
    }
    for (TolCheckBoxButton *button : qAsConst(checkButtons))
        CheckBoxMarkConstraintsWithSender(button);
}

void Tab::markOption(bool value)
{
    applyWidgetToOption(value, qobject_cast<QWidget *>(sender()));
}

void Tab::markOption(int value)
{
    applyWidgetToOption(value, qobject_cast<QWidget *>(sender()));
}

void Tab::CheckBoxMarkConstraints()
{
    if (auto *button = qobject_cast<TolCheckBoxButton *>(sender()))
        CheckBoxMarkConstraintsWithSender(button);
}

void Tab::CheckBoxMarkConstraintsWithSender(TolCheckBoxButton *check_button)
{
    if (!check_button)
        return;
    const QList<QWidget *> dependents = check_button->dependents();
    for (QWidget *dependent : dependents) {
        auto *combo = qobject_cast<ComboBoxEx *>(dependent);
        if (!combo)
            continue;
        if (check_button->isChecked()) {
            applyWidgetToOption(combo->currentIndex(), combo);
        } else if (tOption *option = AppState::currentOption(keywordOf(combo))) {
            if (tChoice *choice = dependentChoice(check_button, combo, option))
                option->setCurrentChoice(choice);
        }
    }
}

// ---------------------------------------------------------------------------
// Collecting

QString Tab::choiceKeywordForText(tOption *option, const QString &text)
{
    if (!option)
        return QString();
    const tChoice *choice = option->findChoiceByText(text);
    return choice ? choice->keyword() : QString();
}

tChoice *Tab::comboChoice(const QComboBox *combo, int index, tOption *option)
{
    if (!option || index < 0 || index >= combo->count())
        return nullptr;
    // Two choices may share a text (or come to after transcoding); the
    // keyword an item carries tells them apart.
    const QVariant keyword = combo->itemData(index);
    if (keyword.isValid())
        return option->findChoice(keyword.toString());
    return option->findChoiceByText(combo->itemText(index));
}

QString Tab::widgetValue(QWidget *widget, tOption *option)
{
    if (!option)
        return QString();
    if (auto *combo = qobject_cast<ComboBoxEx *>(widget)) {
        const tChoice *choice = comboChoice(combo, combo->currentIndex(), option);
        return choice ? choice->keyword() : QString();
    }
    if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
        return checkBox->isChecked() ? trueKeyword : falseKeyword;
    if (auto *button = qobject_cast<TolCheckBoxButton *>(widget))
        return button->isChecked() ? trueKeyword : falseKeyword;
    if (auto *slider = qobject_cast<QSlider *>(widget))
        return sliderText(option->keyword(), slider->value());
    if (auto *group = qobject_cast<TolButtonGroup *>(widget)) {
        const tChoice *choice = buttonChoice(group, group->checkedIndex(), option);
        return choice ? choice->keyword() : QString();
    }
    return QString();
}

tChoice *Tab::matchChoice(tOption *option, const ChoiceKey &key, const QString &shownText)
{
    if (!option)
        return nullptr;
    for (const QString &keyword : key.keywords) {
        if (tChoice *choice = option->findChoice(keyword))
            return choice;
    }
    if (!key.sourceText.isEmpty()) {
        if (tChoice *choice = option->findChoiceByText(key.sourceText))
            return choice;
    }
    return option->findChoiceByText(shownText);
}

tChoice *Tab::buttonChoice(const TolButtonGroup *group, int index, tOption *option)
{
    if (index < 0 || index >= group->count())
        return nullptr;
    // Of the keywords a button may stand for ("CMYK" and "RGB"), the one the
    // printer is set to: a saved RGB stays RGB under "Full color".
    const ChoiceKey key = group->buttonKey(index);
    tChoice *current = option ? option->currentChoice() : nullptr;
    if (current && key.keywords.contains(current->keyword()))
        return current;
    return matchChoice(option, key, group->buttonNames().at(index));
}

int Tab::buttonIndexOf(const TolButtonGroup *group, tOption *option, const tChoice *choice)
{
    if (!choice)
        return -1;
    for (int i = 0; i < group->count(); ++i) {
        if (group->buttonKey(i).keywords.contains(choice->keyword())
            || buttonChoice(group, i, option) == choice)
            return i;
    }
    return -1;
}

void Tab::showChoice(TolButtonGroup *group, tOption *option, const tChoice *choice)
{
    const int index = buttonIndexOf(group, option, choice);
    if (index >= 0)
        group->setButton(index);
    else
        group->uncheckAll();
}

tChoice *Tab::dependentChoice(const TolCheckBoxButton *button, QWidget *dependent, tOption *option)
{
    return matchChoice(option, button->keyFor(dependent), button->valueFor(dependent));
}

QString Tab::choiceText(const QString &keyword, const ChoiceKey &key, const QString &shownText)
{
    const tChoice *choice = matchChoice(AppState::currentOption(keyword), key, shownText);
    return choice ? choice->text() : shownText;
}

QHash<QString, QString> Tab::collectOptionValues()
{
    optionValues.clear();
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        if (!option)
            continue;
        const QString value = widgetValue(it.value(), option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }

    // While a check-box button is off, its dependents stand for the choice
    // registered with them, as the model was told.
    for (const TolCheckBoxButton *button : qAsConst(checkButtons)) {
        if (button->isChecked())
            continue;
        const QList<QWidget *> dependents = button->dependents();
        for (QWidget *dependent : dependents) {
            const QString keyword = optionWidgets.key(dependent, notInHash);
            if (keyword == notInHash || button->valueFor(dependent) == noDefault)
                continue;
            if (const tChoice *choice =
                    dependentChoice(button, dependent, AppState::currentOption(keyword)))
                optionValues.insert(keyword, choice->keyword());
        }
    }
    return optionValues;
}

// ---------------------------------------------------------------------------
// Signal wiring

template<typename Sender, typename Signal, typename PageSlot>
void Tab::connectToPageAndDialog(const Sender *sender, Signal signal, PageSlot pageSlot)
{
    connect(sender, signal, this, pageSlot, Qt::UniqueConnection);
    if (dialog)
        connect(sender, signal, dialog, &TabOwner::setConstraints, Qt::UniqueConnection);
}

void Tab::connectOptionWidgets()
{
    for (QWidget *widget : qAsConst(optionWidgets)) {
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            connectComboBox(combo);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            connectCheckBox(checkBox);
        else if (auto *slider = qobject_cast<QSlider *>(widget))
            connectSlider(slider);
        else if (auto *group = qobject_cast<TolButtonGroup *>(widget))
            connectButtonGroup(group);
        else if (auto *checkButton = qobject_cast<TolCheckBoxButton *>(widget))
            connectToPageAndDialog(checkButton, qOverload<int>(&TolCheckBoxButton::toggled),
                                   qOverload<int>(&Tab::markOption));
        else if (auto *radio = qobject_cast<QRadioButton *>(widget))
            connectToPageAndDialog(radio, &QRadioButton::toggled,
                                   qOverload<bool>(&Tab::markOption));
    }
    for (TolCheckBoxButton *button : qAsConst(checkButtons))
        connectToPageAndDialog(button, qOverload<bool>(&TolCheckBoxButton::toggled),
                               &Tab::CheckBoxMarkConstraints);
}

void Tab::connectComboBox(ComboBoxEx *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connectToPageAndDialog(combo, qOverload<int>(&QComboBox::currentIndexChanged),
                           qOverload<int>(&Tab::markOption));
}

void Tab::connectCheckBox(QCheckBox *check_box)
{
    connectToPageAndDialog(check_box, &QCheckBox::stateChanged, qOverload<int>(&Tab::markOption));
}

void Tab::connectSlider(QSlider *slider)
{
    connectToPageAndDialog(slider, &QSlider::valueChanged, qOverload<int>(&Tab::markOption));
}

void Tab::connectButtonGroup(TolButtonGroup *button_group)
{
    connectToPageAndDialog(button_group, qOverload<int>(&TolButtonGroup::buttonClicked),
                           qOverload<int>(&Tab::markOption));
}
