#include "tabs/FinishingTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/SharedRoutines.h"
#include "widgets/ChoiceKey.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace {

const int listWidth = 200;
const QString noDefault = QStringLiteral("no_default");

// Each button with the choice keyword it stands for in a PPD.
const ChoiceButton separationButtons[] = {
    {QT_TRANSLATE_NOOP("FinishingTab", "Off"), ":/icons/separation-off", "None"},
    {QT_TRANSLATE_NOOP("FinishingTab", "Offset jobs"), ":/icons/separation-offset", "Jog"},
    {QT_TRANSLATE_NOOP("FinishingTab", "Rotate copies"), ":/icons/separation-rotate", "Rot"},
};
const ChoiceButton rotateButtons[] = {
    {QT_TRANSLATE_NOOP("FinishingTab", "Off"), ":/icons/Rotate-180-off", "False"},
    {QT_TRANSLATE_NOOP("FinishingTab", "On"), ":/icons/Rotate-180-on", "True"},
};

// What a finisher's lists stand for while its button is off.
const ChoiceKey offChoice {{QStringLiteral("None")}, QStringLiteral("Off")};

// Saved staple locations that mean the stapler is in use.
const char *const stapleLocations[] = {"Center", "Rear", "Front", "BookletStitch", "Internal"};

} // namespace

using F = FinishingTab;

// clang-format off
const F::FinisherRow F::finisherRows[] = {
    // heading              button               heading text, its ending, accessible name                                      button        icon               accessible name   option      lists follow
    {&F::triFoldLabel,      &F::triFoldButton,   {QT_TRANSLATE_NOOP("FinishingTab", "Tri-Fold"), ":", "lblTriFld"},             "TriFold",    ":/icons/trifold", "chkButTriFld",   "cTriFld",  true},
    {&F::engrFoldLabel,     &F::engrFoldButton,  {QT_TRANSLATE_NOOP("FinishingTab", "Engineering Fold"), ":", "lblHalfZFld"},   "EngrFold",   ":/icons/efold",   "chkButHalfZFld", "cEngrFld", true},
    {&F::zFoldLabel,        &F::zFoldButton,     {QT_TRANSLATE_NOOP("FinishingTab", "Z-Fold"), ":", "lblTriFldZ"},              "Zfold",      ":/icons/zfold",   "chkButTriFldZ",  "cTriFldZ", true},
    {&F::biFoldLabel,       &F::biFoldButton,    {QT_TRANSLATE_NOOP("FinishingTab", "Bi-Fold"), ":", "lblBiFld"},               "BiFold",     ":/icons/bifold",  "chkButBiFld",    "cBiFld",   true},
    {&F::punchHeading,      &F::punchButton,     {QT_TRANSLATE_NOOP("FinishingTab", "Punch"), ": ", "lblHolePunch"},            "Hole punch", ":/icons/punch",   "chkButPnch",     "cHole",    true},
    {&F::stapleHeading,     &F::stapleButton,    {QT_TRANSLATE_NOOP("FinishingTab", "Staple:"), "", "lblStaple"},               "Staple",     ":/icons/staple",  "chkButStpl",     "cStpl",    false},
};

// No ":" is added where the translated text carries its own.
const F::ListRow F::listRows[] = {
    // under                label                     list                      label text, its ending, accessible name                                       list name      option   fixed width
    {&F::triFoldButton,     &F::triPrintSideLabel,    &F::triPrintSideCombo,    {QT_TRANSLATE_NOOP("FinishingTab", "Print side"), ":", "lblFldB"},            "cmbBxFldB",   "FldB",   true},
    {&F::triFoldButton,     &F::triDirectionLabel,    &F::triDirectionCombo,    {QT_TRANSLATE_NOOP("FinishingTab", "Direction of fold"), ":", "lblFldC"},     "cmbBxFldC",   "FldC",   true},
    {&F::triFoldButton,     &F::triSheetsLabel,       &F::triSheetsCombo,       {QT_TRANSLATE_NOOP("FinishingTab", "Number of sheets"), ":", "lblFldD"},      "cmbBxFldD",   "FldD",   true},
    {&F::zFoldButton,       &F::zDirectionLabel,      &F::zDirectionCombo,      {QT_TRANSLATE_NOOP("FinishingTab", "Direction of fold"), ":", "lblZFldC"},    "cmbBxZFldC",  "ZFldC",  true},
    {&F::zFoldButton,       &F::zSheetsLabel,         &F::zSheetsCombo,         {QT_TRANSLATE_NOOP("FinishingTab", "Number of sheets"), ":", "lblZFldD"},     "cmbBxZFldD",  "ZFldD",  true},
    {&F::biFoldButton,      &F::biPrintSideLabel,     &F::biPrintSideCombo,     {QT_TRANSLATE_NOOP("FinishingTab", "Print side"), ":", "lblBiFldB"},          "cmbBxBiFldB", "BiFldB", true},
    {&F::biFoldButton,      &F::biSheetsLabel,        &F::biSheetsCombo,        {QT_TRANSLATE_NOOP("FinishingTab", "Number of sheets"), ":", "lblBFpS"},      "cmbBxBFpS",   "BFpS",   true},
    {&F::punchButton,       &F::punchLabel,           &F::punchCombo,           {QT_TRANSLATE_NOOP("FinishingTab", "Punch Method:"), "", "lblPnch"},          "cmbBxPnch",   "Pnch",   false},
    {&F::stapleButton,      &F::stapleCountLabel,     &F::stapleCountCombo,     {QT_TRANSLATE_NOOP("FinishingTab", "Staple method"), "", "lblScnt"},          "cmbBxScnt",   "Scnt",   false},
    {&F::stapleButton,      &F::stapleLocationLabel,  &F::stapleLocationCombo,  {QT_TRANSLATE_NOOP("FinishingTab", "Staple location:"), "", "lblStpl"},       "cmbBxStpl",   "Stpl",   false},
};
// clang-format on

FinishingTab::FinishingTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectSignals();
    buildLayout();
}

void FinishingTab::initTabName()
{
    tabName = tr("Finishing");
    getTabName();
}

void FinishingTab::buildUi()
{
    tabName = tr("Finishing");
    const QString colonBlank = QStringLiteral(": ");
    const QString off = tr("Off");

    sepGroup = new TolButtonGroup(this, tr("Separation") + colonBlank);
    for (const ChoiceButton &row : separationButtons)
        addChoiceButton(sepGroup, row);
    sepGroup->setAccessibleName(QStringLiteral("butGroupSep"));
    addOptionWidget(QStringLiteral("Sep"), sepGroup);

    auto label = [this](const LabelRow &row) {
        auto *widget = new QLabel(tr(row.text) + QLatin1String(row.suffix), this);
        widget->setAccessibleName(QLatin1String(row.name));
        return widget;
    };
    for (const FinisherRow &finisher : finisherRows) {
        this->*finisher.heading = label(finisher.headingText);
        TolCheckBoxButton *button =
            new TolCheckBoxButton(this, QLatin1String(finisher.buttonText),
                                  IconCache::icon(QLatin1String(finisher.icon)));
        button->setAccessibleName(QLatin1String(finisher.buttonName));
        this->*finisher.button = button;
        addOptionWidget(QLatin1String(finisher.toggle), button);

        for (const ListRow &row : listRows) {
            if (row.button != finisher.button)
                continue;
            QLabel *title = label(row.labelText);
            auto *list = new ComboBoxEx(this);
            list->setAccessibleName(QLatin1String(row.listName));
            if (row.fixedWidth)
                list->setFixedWidth(listWidth);
            this->*row.label = title;
            this->*row.list = list;
            addOptionWidget(QLatin1String(row.keyword), list);
            // While a button is off, its lists stand for the choice shown as
            // "Off"; labels have no value of their own.
            if (finisher.listsFollow) {
                button->addDependent(title, noDefault);
                button->addDependent(list, off, offChoice);
            }
        }
    }
    linkStapleCount(true);

    rotateGroup = new TolButtonGroup(this, rotate180Label() + colonBlank);
    for (const ChoiceButton &row : rotateButtons)
        addChoiceButton(rotateGroup, row);
    rotateGroup->setAccessibleName(QStringLiteral("butGroupRot"));
    addOptionWidget(QStringLiteral("Rotate"), rotateGroup);

    addLabelWidget(QStringLiteral("Sep"), sepGroup);
    addLabelWidget(QStringLiteral("Pnch"), punchLabel);
    addLabelWidget(QStringLiteral("Stpl"), stapleHeading);
    addLabelWidget(QStringLiteral("Scnt"), stapleCountLabel);
    addLabelWidget(QStringLiteral("Rotate"), rotateGroup);

    for (TolCheckBoxButton *button :
         {punchButton, stapleButton, triFoldButton, biFoldButton, engrFoldButton, zFoldButton})
        addCheckButton(button);

    foldMarked = false;
}

void FinishingTab::connectSignals()
{
    const auto toggled = qOverload<bool>(&TolCheckBoxButton::toggled);
    connect(punchButton, toggled, this, &FinishingTab::togglePunch, Qt::UniqueConnection);
    connect(stapleButton, toggled, this, &FinishingTab::toggleStaple, Qt::UniqueConnection);

    // The fold slots must run before the base's handling of the same signal;
    // every fold is marked and checked before it is switched.
    using ToggleSlot = void (FinishingTab::*)(bool);
    struct FoldWiring
    {
        TolCheckBoxButton *button;
        QList<ToggleSlot> toggleSlots;
    };
    const FoldWiring wiring[] = {
        {triFoldButton, {&FinishingTab::toggleTriFold}},
        {biFoldButton, {&FinishingTab::toggleBiFold}},
        {engrFoldButton, {&FinishingTab::toggleBiFold}},
        {zFoldButton, {&FinishingTab::toggleBiFold, &FinishingTab::toggleZFold}},
    };
    for (const FoldWiring &row : wiring) {
        connect(row.button, toggled, this, &FinishingTab::markFold, Qt::UniqueConnection);
        connect(row.button, toggled, this, &FinishingTab::checkFoldConstraints,
                Qt::UniqueConnection);
        for (ToggleSlot slot : row.toggleSlots)
            connect(row.button, toggled, this, slot, Qt::UniqueConnection);
    }

    connectOptionWidgets();
}

void FinishingTab::buildLayout()
{
    auto *layout = new QHBoxLayout(this);

    leftGrid = new QGridLayout;
    QGridLayout *left = leftGrid;
    left->addWidget(sepGroup, 0, 0, 1, 3, Qt::AlignLeft);
    left->addWidget(separatorLine(this, QFrame::HLine), 1, 0, 1, 4);
    left->addWidget(triFoldLabel, 2, 0, 1, 2, Qt::AlignLeft);
    left->addWidget(triFoldButton, 3, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(triPrintSideLabel, 3, 1, Qt::AlignLeft);
    left->addWidget(triPrintSideCombo, 4, 1, Qt::AlignLeft);
    left->addWidget(triDirectionLabel, 5, 1, Qt::AlignLeft);
    left->addWidget(triDirectionCombo, 6, 1, Qt::AlignLeft);
    left->addWidget(triSheetsLabel, 7, 1, Qt::AlignLeft);
    left->addWidget(triSheetsCombo, 8, 1, Qt::AlignLeft);
    // The Z-fold rows share the tri-fold rows' cells; one pair is hidden.
    left->addWidget(zDirectionLabel, 5, 1, Qt::AlignLeft);
    left->addWidget(zDirectionCombo, 6, 1, Qt::AlignLeft);
    left->addWidget(zSheetsLabel, 7, 1, Qt::AlignLeft);
    left->addWidget(zSheetsCombo, 8, 1, Qt::AlignLeft);
    left->addWidget(zFoldLabel, 5, 0, Qt::AlignLeft);
    left->addWidget(zFoldButton, 6, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(separatorLine(this, QFrame::HLine), 10, 0, 1, 4);
    left->addWidget(biFoldLabel, 11, 0, 1, 2, Qt::AlignLeft);
    left->addWidget(biFoldButton, 12, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(biPrintSideLabel, 12, 1, Qt::AlignLeft);
    left->addWidget(biPrintSideCombo, 13, 1, Qt::AlignLeft);
    left->addWidget(biSheetsLabel, 14, 1, Qt::AlignLeft);
    left->addWidget(biSheetsCombo, 15, 1, Qt::AlignLeft);
    engrFoldLine = separatorLine(this, QFrame::HLine);
    left->addWidget(engrFoldLine, 17, 0, 1, 4);
    left->addWidget(engrFoldLabel, 18, 0, 1, 2, Qt::AlignLeft);
    left->addWidget(engrFoldButton, 19, 0, 2, 1, Qt::AlignLeft);
    left->setColumnStretch(3, 1);
    left->setRowStretch(21, 1);

    auto *right = new QGridLayout;
    const Qt::Alignment labelAlign = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment listAlign = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignLeft | Qt::AlignVCenter;
    right->addWidget(stapleHeading, 0, 0, 1, 2, labelAlign);
    right->addWidget(stapleButton, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(stapleLocationLabel, 1, 1, centred);
    right->addWidget(stapleLocationCombo, 2, 1, centred);
    right->addWidget(stapleCountLabel, 3, 1, labelAlign);
    right->addWidget(stapleCountCombo, 4, 1, listAlign);
    right->addWidget(separatorLine(this, QFrame::HLine), 5, 0, 1, 4);
    right->addWidget(punchHeading, 6, 0, 1, 2, Qt::AlignLeft);
    right->addWidget(punchLabel, 7, 1, 1, 2, labelAlign);
    right->addWidget(punchButton, 7, 0, 2, 1, Qt::AlignLeft);
    right->addWidget(punchCombo, 8, 1, centred);
    right->addWidget(separatorLine(this, QFrame::HLine), 9, 0, 1, 4);
    right->addWidget(rotateGroup, 10, 0, 1, 2);
    right->setColumnStretch(3, 1);
    right->setRowStretch(16, 1);

    layout->addLayout(left);
    layout->addWidget(separatorLine(this, QFrame::VLine), 1);
    layout->addLayout(right);
}

QIcon FinishingTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-finishing"));
}

QIcon FinishingTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-finishing-constraint"));
}

bool FinishingTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}

// ---------------------------------------------------------------------------
// Reload

void FinishingTab::reload()
{
    linkStapleCount(AppState::currentOption("Scnt") != nullptr);
    setOptionSignalsBlocked(true);
    initFolds();
    initStaple();
    initPunch();
    initRotate();
    initSeparation();
    setOptionSignalsBlocked(false);

    Tab::reload();

    // With signals flowing: a fold button these change tells the model and
    // the main window like a click would.
    hideZFold();
    hideBiFoldPrintSide();
    hideZFoldOptions();

    setOptionSignalsBlocked(true);
    CheckBoxMarkConstraintsWithSender(punchButton);
    CheckBoxMarkConstraintsWithSender(stapleButton);
    toggleStaple(stapleButton->isChecked());
    setOptionSignalsBlocked(false);
}

void FinishingTab::initStaple()
{
    bool on = false;
    if (AppState::currentOption("Stpl")) {
        const QString saved = readCfgValue(QStringLiteral("Stpl"));
        for (const char *location : stapleLocations)
            on = on || saved.contains(QLatin1String(location));
    }
    stapleButton->setChecked(on);
}

void FinishingTab::initPunch()
{
    const bool hasPunch = AppState::currentOption("Pnch") != nullptr;
    punchHeading->setEnabled(hasPunch);
    punchButton->setChecked(
        hasPunch && readCfgValue(QStringLiteral("Pnch")).contains(QLatin1String("Hole")));
}

void FinishingTab::initRotate()
{
    if (!AppState::currentOption("Rotate"))
        rotateGroup->setButton(0);
}

void FinishingTab::initSeparation()
{
    const tOption *sep = AppState::currentOption("Sep");
    if (!sep) {
        sepGroup->updateButtonIcons(tr("Off"));
        return;
    }
    sepGroup->setEnabled(true);
    sepGroup->enableButton(2, sep->hasChoice(QStringLiteral("Rot")));
    sepGroup->enableButton(1, sep->hasChoice(QStringLiteral("Jog")));
}

// The kit switches a check button off when one of its lists is empty, so a
// printer that staples without a staple count would lose its saved staple
// setting at every load: the count list depends on the button only while
// the printer has the option.
void FinishingTab::linkStapleCount(bool linked)
{
    const QList<QWidget *> all = {stapleCountLabel, stapleCountCombo, stapleLocationLabel,
                                  stapleLocationCombo};
    for (QWidget *widget : all)
        stapleButton->removeDependent(widget);
    const QString off = tr("Off");
    if (linked) {
        stapleButton->addDependent(stapleCountLabel, noDefault);
        stapleButton->addDependent(stapleCountCombo, off, offChoice);
    }
    stapleButton->addDependent(stapleLocationLabel, noDefault);
    stapleButton->addDependent(stapleLocationCombo, off, offChoice);
}

void FinishingTab::toggleStaple(bool toggled)
{
    if (!toggled) {
        stapleLocationCombo->setCurrentIndex(0);
        stapleCountCombo->setCurrentIndex(0);
        return;
    }
    // Without the option the list has nothing to offer and stays disabled.
    const tOption *count = AppState::currentOption("Scnt");
    const bool choosable = count && count->choiceCount() > 2;
    stapleCountCombo->setEnabled(choosable);
    stapleCountLabel->setEnabled(choosable);
}

void FinishingTab::togglePunch(bool toggled)
{
    if (!toggled)
        punchCombo->setCurrentIndex(0);
}

// ---------------------------------------------------------------------------
// Collecting

QHash<QString, QString> FinishingTab::collectOptionValues()
{
    optionValues.clear();
    if (!AppState::optionModel)
        return optionValues;

    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = AppState::optionModel->option(it.key());
        if (!option)
            continue;
        const QString value = widgetValue(it.value(), option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }

    if (AppState::currentOption("FldA"))
        optionValues.insert(QStringLiteral("FldA"), collectedFold());

    // An unused finisher is saved as "None", whatever its lists show.
    const QString none = QStringLiteral("None");
    for (const TolCheckBoxButton *button : qAsConst(checkButtons)) {
        if (button->isChecked())
            continue;
        const QList<QWidget *> dependents = button->dependents();
        for (QWidget *dependent : dependents) {
            const QString keyword = keywordOf(dependent);
            if (!keyword.isEmpty() && AppState::optionModel->option(keyword))
                optionValues.insert(keyword, none);
        }
    }
    return optionValues;
}
