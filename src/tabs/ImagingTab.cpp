#include "tabs/ImagingTab.h"

#include "tabdialogs/adjustmentDialog.h"
#include "tabdialogs/monoDialog.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "tabs/ColourModeGroup.h"
#include "tabs/TabOwner.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const int comboWidth = 175;
const QString tonerliteKeyword = QStringLiteral("Tnlt");
const QString colorKeyword = QLatin1String(ColourModeGroup::keyword);

bool namesTonerSaving(const QString &keyword)
{
    return keyword == QLatin1String("On") || keyword.contains(QLatin1String("Level"));
}

} // namespace

ImagingTab::ImagingTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectOptionWidgets();
    buildLayout();
}

void ImagingTab::initTabName()
{
    tabName = tr("Imaging");
    getTabName();
}

TolButtonGroup *ImagingTab::colorGroup() const
{
    return colorButtons;
}

QIcon ImagingTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-imaging"));
}

QIcon ImagingTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-imaging-constraint"));
}

// ---------------------------------------------------------------------------
// Page

void ImagingTab::buildUi()
{
    tabName = tr("Imaging");
    const QString colon = QStringLiteral(":");

    colorAdjustment = new adjustmentDialog(this);
    monoAdjustment = new monoDialog(this);

    qualityIcon = new QLabel(this);
    qualityIcon->setPixmap(QPixmap(QStringLiteral(":/icons/print-quality")));
    qualityHeading = new QLabel(tr("Print quality") + colon, this);
    trapLabel = new QLabel(tr("Trapping") + colon, this);
    trapCombo = new ComboBoxEx(this);
    glossCheck = new QCheckBox(tr("Gloss mode"), this);
    cieLabel = new QLabel(tr("CIE optimization") + colon, this);
    cieCombo = new ComboBoxEx(this);
    screenLabel = new QLabel(tr("Halftone screen") + colon, this);
    screenCombo = new ComboBoxEx(this);
    resolutionLabel = new QLabel(tr("Resolution") + colon, this);
    resolutionCombo = new ComboBoxEx(this);

    tonerliteGroup = new TolButtonGroup(this, tr("Tonerlite") + colon);
    tonerliteGroup->addButton(tr("Off"), QStringLiteral(":/icons/tonerlite-off"));
    tonerliteGroup->addButton(tr("On"), QStringLiteral(":/icons/tonerlite-on"));
    tonerliteCombo = new ComboBoxEx(this);

    colour = new ColourModeGroup(this);
    colorButtons = colour->buttons();

    adjustmentLabel = new QLabel(tr("Adjustment") + colon, this);
    adjustmentIcon = new QLabel(this);
    adjustmentIcon->setPixmap(QPixmap(QStringLiteral(":/icons/adjustment")));
    // Enabled with the option like a companion, but not part of the page.
    adjustmentIcon->hide();
    adjustmentButton = new QPushButton(tr("Settings..."), this);
    crepLabel = new QLabel(tr("Color reproduction") + colon, this);
    crepCombo = new ComboBoxEx(this);
    rcmLabel = new QLabel(tr("Color conversion") + colon, this);
    rcmCombo = new ComboBoxEx(this);
    smoothingCheck = new QCheckBox(tr("TIR"), this);
    greyCheck = new QCheckBox(tr("Print grays with black toner"), this);
    moireCheck = new QCheckBox(tr("Moire Prevention"), this);

    for (ComboBoxEx *combo :
         {trapCombo, cieCombo, screenCombo, resolutionCombo, crepCombo, rcmCombo})
        combo->setFixedWidth(comboWidth);

    const struct
    {
        QWidget *widget;
        const char *name;
    } accessibleNames[] = {
        {qualityIcon, "iconTrapping"},
        {qualityHeading, "lblPrintQuality"},
        {trapLabel, "lblTrap"},
        {trapCombo, "cmbBxTrap"},
        {glossCheck, "chkBxTCGlossMode"},
        {cieLabel, "lblCIE"},
        {cieCombo, "cmbBxCIE"},
        {screenLabel, "lblTCSCREENMODE"},
        {screenCombo, "cmbBxTCSCREENMODE"},
        {resolutionLabel, "lblResolution"},
        {resolutionCombo, "cmbBxResolution"},
        {tonerliteGroup, "butGroupTnlt"},
        {tonerliteCombo, "cmbBxTnlt"},
        {adjustmentLabel, "lblAdjustment"},
        {adjustmentButton, "butAdjustment"},
        {crepLabel, "lblCrep"},
        {crepCombo, "cmbBxCrep"},
        {rcmLabel, "lblRCM"},
        {rcmCombo, "cmbBxRCM"},
        {smoothingCheck, "chkBxSmoothing"},
        {greyCheck, "chkBxGBTn"},
        {moireCheck, "chkBxTMoirePrevention"},
    };
    for (const auto &entry : accessibleNames)
        entry.widget->setAccessibleName(QLatin1String(entry.name));

    const struct
    {
        const char *keyword;
        QWidget *editor;
        QWidget *label;
    } options[] = {
        {"Trap", trapCombo, trapLabel},
        {"TCGlossmode", glossCheck, glossCheck},
        {"CIE", cieCombo, cieLabel},
        {"TSCREENMODE", screenCombo, screenLabel},
        {"Resolution", resolutionCombo, nullptr},
        // The level list only; "Tnlt" itself is handled by the tab.
        {"cTnlt", tonerliteCombo, nullptr},
        {"Tnlt", nullptr, tonerliteGroup},
        {ColourModeGroup::keyword, colorButtons, colorButtons},
        {"Cadj", nullptr, adjustmentLabel},
        {"Crep", crepCombo, crepLabel},
        {"RCM", rcmCombo, rcmLabel},
        {"Smoothing", smoothingCheck, smoothingCheck},
        {"GBTn", greyCheck, greyCheck},
        {"TMoirePrevention", moireCheck, moireCheck},
    };
    for (const auto &entry : options) {
        const QString keyword = QLatin1String(entry.keyword);
        if (entry.editor)
            addOptionWidget(keyword, entry.editor);
        if (entry.label)
            addLabelWidget(keyword, entry.label);
    }
    addCompanionWidget(QStringLiteral("Cadj"), adjustmentIcon);

    const auto groupClicked = qOverload<int>(&TolButtonGroup::buttonClicked);
    const auto comboChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(tonerliteGroup, groupClicked, this, &ImagingTab::tonerliteButtonToggled);
    connect(tonerliteCombo, comboChanged, this, &ImagingTab::tonerliteComboBoxChanged);
    if (dialog) {
        connect(tonerliteGroup, groupClicked, dialog, &TabOwner::setConstraints);
        connect(tonerliteCombo, comboChanged, dialog, &TabOwner::setConstraints);
    }
    connect(adjustmentButton, &QPushButton::clicked, this, &ImagingTab::showAdjustmentDialog);
    if (dialog)
        connect(colorButtons, groupClicked, dialog, &TabOwner::toggleColorMode);
    connect(colorButtons, groupClicked, this, qOverload<>(&ImagingTab::clearDialogSettings));
}

void ImagingTab::buildLayout()
{
    auto *left = new QGridLayout;
    left->addWidget(qualityIcon, 0, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(qualityHeading, 0, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapLabel, 1, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapCombo, 2, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    left->addWidget(glossCheck, 3, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(cieLabel, 4, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(cieCombo, 5, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(screenLabel, 6, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(screenCombo, 7, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(resolutionLabel, 8, 1, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    left->addWidget(resolutionCombo, 9, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(separatorLine(this, QFrame::HLine, QFrame::Sunken), 10, 0, 1, 6);
    auto *tonerlite = new QGridLayout;
    tonerlite->addWidget(tonerliteGroup, 0, 0, 1, 2, Qt::AlignLeft);
    tonerlite->addWidget(tonerliteCombo, 0, 2, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    left->addLayout(tonerlite, 11, 0, 1, 4, Qt::AlignLeft);
    left->setColumnStretch(5, 1);
    left->setRowStretch(17, 1);

    auto *right = new QGridLayout;
    right->addWidget(colorButtons, 0, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(separatorLine(this, QFrame::HLine, QFrame::Sunken), 1, 0, 1, 4);
    right->addWidget(adjustmentLabel, 2, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(adjustmentButton, 3, 1, Qt::AlignLeft);
    right->addWidget(crepLabel, 4, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(crepCombo, 5, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(rcmLabel, 6, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(rcmCombo, 7, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(separatorLine(this, QFrame::HLine, QFrame::Sunken), 8, 0, 1, 4);
    right->addWidget(smoothingCheck, 10, 1, Qt::AlignLeft);
    right->addWidget(greyCheck, 11, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(moireCheck, 12, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    right->setColumnStretch(2, 1);
    right->setRowStretch(14, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(separatorLine(this, QFrame::VLine, QFrame::Sunken), 1);
    layout->addLayout(right);
}

void ImagingTab::retranslateUi()
{
    adjustmentLabel->setText(tr("Adjustment") + QLatin1Char(':'));
    adjustmentButton->setText(tr("Settings..."));
    resolutionLabel->setText(tr("Resolution") + QLatin1Char(':'));
}

bool ImagingTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}

// ---------------------------------------------------------------------------
// Loading

// As the base, but with the tonerlite, resolution and colour rules, and
// without page constraints or a constraint check: the main window's pass
// follows.
void ImagingTab::reload()
{
    setOptionSignalsBlocked(true);
    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    refreshOptionLabels();
    updateAdjustmentButton();
    colorAdjustment->reload();
    monoAdjustment->reload();
    qualityIcon->setEnabled(true);
    qualityHeading->setEnabled(true);
    resolutionLabel->setEnabled(true);
    loadOptionValues();
    initTonerlite();
    updateResolutionCombo();
    colour->checkColorModel();
    applyAllWidgets();
    setOptionSignalsBlocked(false);
}

void ImagingTab::updateAdjustmentButton()
{
    const bool adjustable = AppState::currentOption(QStringLiteral("Cadj"))
                            || AppState::currentOption(QStringLiteral("Madj"));
    adjustmentLabel->setEnabled(adjustable);
    adjustmentButton->setEnabled(adjustable);
}

tOption *ImagingTab::tonerliteOption() const
{
    return AppState::currentOption(tonerliteKeyword);
}

void ImagingTab::initTonerlite()
{
    tOption *option = tonerliteOption();
    if (!option) {
        tonerliteGroup->setEnabled(false);
        tonerliteCombo->hide();
        tonerliteGroup->updateButtonIcons(tr("Off"));
        return;
    }

    const QString saved = readCfgValue(tonerliteKeyword);
    const tChoice *defaultChoice = option->defaultChoice();
    const QString defaultKeyword = defaultChoice ? defaultChoice->keyword() : QString();
    tonerliteGroup->setEnabled(true);

    QString wanted;
    if (namesTonerSaving(saved)) {
        tonerliteGroup->updateButtonIcons(tr("On"));
        tonerliteButtonToggled();
        wanted = saved;
    } else if (saved.isEmpty() && namesTonerSaving(defaultKeyword)) {
        tonerliteGroup->updateButtonIcons(tr("On"));
        tonerliteButtonToggled();
        wanted = defaultKeyword;
    } else {
        tonerliteGroup->updateButtonIcons(tr("Off"));
        tonerliteCombo->setEnabled(false);
        tonerliteButtonToggled();
    }

    if (option->choiceCount() < 3) {
        tonerliteCombo->hide();
        return;
    }

    tonerliteCombo->show();
    tonerliteCombo->clear();
    const QList<tChoice *> choices = option->choices();
    int index = 2;
    for (int i = 1; i < choices.size(); ++i) {
        tonerliteCombo->addItem(choices[i]->text());
        if (choices[i]->keyword() == wanted)
            index = i - 1;
    }
    tonerliteCombo->setCurrentIndex(index);
    // The model takes the level the list shows, so that constraints and the
    // saved value agree.
    tonerliteComboBoxChanged();
}

void ImagingTab::updateResolutionCombo()
{
    if (AppState::currentOption(QStringLiteral("Resolution")))
        return;
    resolutionCombo->clear();
    resolutionCombo->addItem(tr("600 dpi"));
}

// ---------------------------------------------------------------------------
// Toner saving

void ImagingTab::tonerliteButtonToggled()
{
    tOption *option = tonerliteOption();
    if (!option)
        return;

    if (tonerliteGroup->checkedIndex() == 0) {
        tonerliteCombo->setEnabled(false);
        if (option->choiceCount() == 6) {
            // Switching off is not a level change of its own.
            const QSignalBlocker blocker(tonerliteCombo);
            tonerliteCombo->setCurrentIndex(2);
        }
        AppState::optionModel->setCurrentChoice(tonerliteKeyword, QStringLiteral("Off"));
        return;
    }

    if (option->hasChoice(QStringLiteral("On"))) {
        AppState::optionModel->setCurrentChoice(tonerliteKeyword, QStringLiteral("On"));
        return;
    }
    AppState::optionModel->setCurrentChoice(tonerliteKeyword, QStringLiteral("Level3"));
    tonerliteCombo->setEnabled(true);
    // A list that kept another level stands for that level.
    tonerliteComboBoxChanged();
}

void ImagingTab::tonerliteComboBoxChanged()
{
    if (!tonerliteCombo->isEnabled())
        return;
    tOption *option = tonerliteOption();
    const QString level = QStringLiteral("Level%1").arg(tonerliteCombo->currentIndex() + 1);
    if (option && option->hasChoice(level))
        AppState::optionModel->setCurrentChoice(tonerliteKeyword, level);
}

// ---------------------------------------------------------------------------
// Constraints

bool ImagingTab::enableOptions()
{
    const bool moved = Tab::enableOptions();
    tOption *option = tonerliteOption();
    if (!option || option->choiceCount() == 0)
        return moved;

    if (!option->choices().first()->isBlocked()) {
        tonerliteGroup->setEnabled(true);
        return moved;
    }

    // Toner saving cannot be switched off under the current selection.
    tonerliteGroup->setEnabled(false);
    tonerliteGroup->setLabelColour(true);
    if (tonerliteGroup->checkedIndex() != 0)
        return moved;
    tonerliteGroup->setButton(1);
    AppState::optionModel->setCurrentChoice(tonerliteKeyword, option->choiceCount() == 2
                                                                  ? QStringLiteral("On")
                                                                  : QStringLiteral("Level3"));
    tonerliteButtonToggled();
    return true;
}

bool ImagingTab::enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option)
{
    const bool moved = Tab::enableOptionsForButtonGroup(button_group, option);
    if (button_group == colorButtons)
        colour->followModel(option);
    return moved;
}

void ImagingTab::clearErrorMarks()
{
    Tab::clearErrorMarks();
    colour->clearErrorMark();
}

// ---------------------------------------------------------------------------
// Adjustment dialogs

void ImagingTab::showAdjustmentDialog()
{
    if (colorButtons->checkedIndex() == 0)
        colorAdjustment->exec();
    else
        monoAdjustment->exec();
}

void ImagingTab::clearDialogSettings(int selection)
{
    if (selection == 0)
        monoAdjustment->resetStates();
    else
        colorAdjustment->resetStates();
}

void ImagingTab::clearDialogSettings()
{
    clearDialogSettings(colorButtons->checkedIndex());
}

// ---------------------------------------------------------------------------
// Values

QHash<QString, QString> ImagingTab::collectOptionValues()
{
    optionValues.clear();
    tOptionModel *model = AppState::optionModel;
    if (!model)
        return optionValues;

    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        if (!option)
            continue;
        QString value = widgetValue(it.value(), option);
        if (it.value() == colorButtons)
            value = ColourModeGroup::savedValue(value, option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }

    const bool hasColor = model->option(colorKeyword) != nullptr;
    if (!hasColor)
        optionValues.insert(colorKeyword, QStringLiteral("Gray"));

    if (const tOption *tonerlite = model->option(tonerliteKeyword)) {
        QString value;
        if (tonerliteGroup->checkedIndex() == 0)
            value = QStringLiteral("Off");
        else if (tonerlite->choiceCount() < 3)
            value = QStringLiteral("On");
        else
            value = QStringLiteral("Level%1").arg(tonerliteCombo->currentIndex() + 1);
        optionValues.insert(tonerliteKeyword, value);
    }

    // Raster and PDF filters take no adjustment; without a colour option
    // neither does colour.
    if (!model->hasRasterOrPdfFilter()) {
        if (hasColor) {
            const QList<QPair<QString, QString>> colourPairs = colorAdjustment->options();
            for (const auto &pair : colourPairs)
                optionValues.insert(pair.first, pair.second);
        }
        const QList<QPair<QString, QString>> mono = monoAdjustment->options();
        for (const auto &pair : mono)
            optionValues.insert(pair.first, pair.second);
    }
    return optionValues;
}

OptionHash ImagingTab::extraSettings()
{
    return OptionHash();
}
