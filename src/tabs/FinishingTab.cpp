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
    const QString colon = QStringLiteral(":");
    const QString colonBlank = QStringLiteral(": ");
    const QString off = tr("Off");

    auto label = [this](const QString &text, const char *name) {
        auto *widget = new QLabel(text, this);
        widget->setAccessibleName(QLatin1String(name));
        return widget;
    };
    auto list = [this](const char *name, bool fixedWidth) {
        auto *combo = new ComboBoxEx(this);
        combo->setAccessibleName(QLatin1String(name));
        if (fixedWidth)
            combo->setFixedWidth(listWidth);
        return combo;
    };
    auto checkButton = [this](const QString &name, const char *icon, const char *accessibleName) {
        auto *button = new TolCheckBoxButton(this, name, IconCache::icon(QLatin1String(icon)));
        button->setAccessibleName(QLatin1String(accessibleName));
        return button;
    };

    sepGroup = new TolButtonGroup(this, tr("Separation") + colonBlank);
    for (const ChoiceButton &row : separationButtons)
        addChoiceButton(sepGroup, row);
    sepGroup->setAccessibleName(QStringLiteral("butGroupSep"));

    triFoldLabel = label(tr("Tri-Fold") + colon, "lblTriFld");
    triFoldButton = checkButton(QStringLiteral("TriFold"), ":/icons/trifold", "chkButTriFld");
    triPrintSideLabel = label(tr("Print side") + colon, "lblFldB");
    triPrintSideCombo = list("cmbBxFldB", true);
    triDirectionLabel = label(tr("Direction of fold") + colon, "lblFldC");
    triDirectionCombo = list("cmbBxFldC", true);
    triSheetsLabel = label(tr("Number of sheets") + colon, "lblFldD");
    triSheetsCombo = list("cmbBxFldD", true);

    engrFoldLabel = label(tr("Engineering Fold") + colon, "lblHalfZFld");
    engrFoldButton = checkButton(QStringLiteral("EngrFold"), ":/icons/efold", "chkButHalfZFld");

    zFoldLabel = label(tr("Z-Fold") + colon, "lblTriFldZ");
    zFoldButton = checkButton(QStringLiteral("Zfold"), ":/icons/zfold", "chkButTriFldZ");
    zDirectionLabel = label(tr("Direction of fold") + colon, "lblZFldC");
    zDirectionCombo = list("cmbBxZFldC", true);
    zSheetsLabel = label(tr("Number of sheets") + colon, "lblZFldD");
    zSheetsCombo = list("cmbBxZFldD", true);

    biFoldLabel = label(tr("Bi-Fold") + colon, "lblBiFld");
    biFoldButton = checkButton(QStringLiteral("BiFold"), ":/icons/bifold", "chkButBiFld");
    biPrintSideLabel = label(tr("Print side") + colon, "cmbBxLblBiFld");
    biPrintSideCombo = list("cmbBxBiFld", true);
    biSheetsLabel = label(tr("Number of sheets") + colon, "lblFldB");
    biSheetsCombo = list("cmbBxFldA", true);

    punchHeading = label(tr("Punch") + colonBlank, "lblHolePunch");
    punchButton = checkButton(QStringLiteral("Hole punch"), ":/icons/punch", "chkButPnch");
    punchLabel = label(tr("Punch Method:"), "lblPnch");
    punchCombo = list("cmbBxPnch", false);

    stapleLabel = label(tr("Staple:"), "lblStaple");
    stapleButton = checkButton(QStringLiteral("Staple"), ":/icons/staple", "chkButStpl");
    stapleCountLabel = label(tr("Staple method"), "lblScnt");
    stapleCountCombo = list("cmbBxScnt", false);
    stapleLocationLabel = label(tr("Staple location:"), "lblStpl");
    stapleLocationCombo = list("cmbBxStpl", false);

    rotateGroup = new TolButtonGroup(this, rotate180Label() + colonBlank);
    for (const ChoiceButton &row : rotateButtons)
        addChoiceButton(rotateGroup, row);
    rotateGroup->setAccessibleName(QStringLiteral("butGroupRot"));

    // While a button is off, its lists stand for the choice shown as "Off";
    // labels have no value of their own.
    triFoldButton->addDependent(triPrintSideLabel, noDefault);
    triFoldButton->addDependent(triPrintSideCombo, off, offChoice);
    triFoldButton->addDependent(triDirectionLabel, noDefault);
    triFoldButton->addDependent(triDirectionCombo, off, offChoice);
    triFoldButton->addDependent(triSheetsLabel, noDefault);
    triFoldButton->addDependent(triSheetsCombo, off, offChoice);
    zFoldButton->addDependent(zDirectionLabel, noDefault);
    zFoldButton->addDependent(zDirectionCombo, off, offChoice);
    zFoldButton->addDependent(zSheetsLabel, noDefault);
    zFoldButton->addDependent(zSheetsCombo, off, offChoice);
    biFoldButton->addDependent(biPrintSideLabel, noDefault);
    biFoldButton->addDependent(biPrintSideCombo, off, offChoice);
    biFoldButton->addDependent(biSheetsLabel, noDefault);
    biFoldButton->addDependent(biSheetsCombo, off, offChoice);
    punchButton->addDependent(punchLabel, noDefault);
    punchButton->addDependent(punchCombo, off, offChoice);
    linkStapleCount(true);

    addOptionWidget(QStringLiteral("Sep"), sepGroup);
    addOptionWidget(QStringLiteral("FldB"), triPrintSideCombo);
    addOptionWidget(QStringLiteral("FldC"), triDirectionCombo);
    addOptionWidget(QStringLiteral("FldD"), triSheetsCombo);
    addOptionWidget(QStringLiteral("ZFldC"), zDirectionCombo);
    addOptionWidget(QStringLiteral("ZFldD"), zSheetsCombo);
    addOptionWidget(QStringLiteral("BiFldB"), biPrintSideCombo);
    addOptionWidget(QStringLiteral("BFpS"), biSheetsCombo);
    addOptionWidget(QStringLiteral("Rotate"), rotateGroup);
    addOptionWidget(QStringLiteral("Pnch"), punchCombo);
    addOptionWidget(QStringLiteral("Stpl"), stapleLocationCombo);
    addOptionWidget(QStringLiteral("Scnt"), stapleCountCombo);
    addOptionWidget(QStringLiteral("cTriFld"), triFoldButton);
    addOptionWidget(QStringLiteral("cBiFld"), biFoldButton);
    addOptionWidget(QStringLiteral("cHole"), punchButton);
    addOptionWidget(QStringLiteral("cStpl"), stapleButton);
    addOptionWidget(QStringLiteral("cEngrFld"), engrFoldButton);
    addOptionWidget(QStringLiteral("cTriFldZ"), zFoldButton);

    addLabelWidget(QStringLiteral("Sep"), sepGroup);
    addLabelWidget(QStringLiteral("Pnch"), punchLabel);
    addLabelWidget(QStringLiteral("Stpl"), stapleLabel);
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
    right->addWidget(stapleLabel, 0, 0, 1, 2, labelAlign);
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
