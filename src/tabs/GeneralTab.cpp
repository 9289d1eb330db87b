#include "tabs/GeneralTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/ColourModeGroup.h"
#include "tabs/TabOwner.h"
#include "widgets/ChoiceKey.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolButtonGroup.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const int comboWidth = 215;
const int colorGroupWidth = 200;

// Keywords that must name the same paper as PageSize.
const char *const pageSizeCompanions[] = {"PageRegion", "ImageableArea", "PaperDimension",
                                          "MediaSize"};

// Each button with the choice keywords it stands for in a PPD.
const ChoiceButton collateButtons[] = {
    {QT_TRANSLATE_NOOP("GeneralTab", "Off"), ":/icons/collate-off", "False"},
    {QT_TRANSLATE_NOOP("GeneralTab", "On"), ":/icons/collate-on", "True"},
};
const ChoiceButton duplexButtons[] = {
    {QT_TRANSLATE_NOOP("GeneralTab", "Off"), ":/icons/duplex-off", "None"},
    {QT_TRANSLATE_NOOP("GeneralTab", "Long edge"), ":/icons/duplex-long", "DuplexNoTumble"},
    {QT_TRANSLATE_NOOP("GeneralTab", "Short edge"), ":/icons/duplex-short", "DuplexTumble"},
};

const char *const groupStyle = "TolButtonGroup{ margin-top: 8px; margin-bottom: 8px } ";

} // namespace

GeneralTab::GeneralTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectOptionWidgets();
    buildLayout();

    QWidget::setTabOrder(pageSizeCombo, mediaTypeCombo);
    QWidget::setTabOrder(mediaTypeCombo, inputSlotCombo);
    QWidget::setTabOrder(inputSlotCombo, outputBinCombo);
    QWidget::setTabOrder(outputBinCombo, collateGroup->pushButton(0));
    QWidget::setTabOrder(collateGroup->pushButton(0), collateGroup->pushButton(1));

    if (dialog) {
        connect(colour->buttons(), qOverload<int>(&TolButtonGroup::buttonClicked), dialog,
                &TabOwner::toggleColorMode, Qt::UniqueConnection);
        connect(mediaTypeCombo, qOverload<int>(&QComboBox::currentIndexChanged), dialog,
                &TabOwner::togglePublishingFronAndBackLabel, Qt::UniqueConnection);
    }
}

void GeneralTab::initTabName()
{
    tabName = tr("Basic");
    getTabName();
}

void GeneralTab::fillComboBox(ComboBoxEx *combo, tOption *option)
{
    const QList<tChoice *> choices = option->choices();
    for (const tChoice *choice : choices) {
        if (choice->keyword() != QLatin1String("Custom"))
            combo->addItem(choice->text(), choice->keyword());
    }
}

void GeneralTab::buildUi()
{
    tabName = tr("Basic");
    const QString colon = QStringLiteral(":");
    const QString colonBlank = QStringLiteral(": ");

    pageSizeLabel = new QLabel(tr("Media size") + colon, this);
    pageSizeCombo = new ComboBoxEx(this);
    mediaTypeLabel = new QLabel(tr("Media type") + colon, this);
    mediaTypeCombo = new ComboBoxEx(this);
    inputSlotLabel = new QLabel(tr("Source") + colon, this);
    inputSlotCombo = new ComboBoxEx(this);
    outputBinLabel = new QLabel(tr("Destination") + colon, this);
    outputBinCombo = new ComboBoxEx(this);
    // Choices of real PPDs may differ only after 30 characters: a list is as
    // wide as its longest choice where the page has room, and elides below
    // that, down to its least width.
    for (ComboBoxEx *combo : {pageSizeCombo, mediaTypeCombo, inputSlotCombo, outputBinCombo}) {
        combo->setMinimumWidth(comboWidth);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumContentsLength(1);
    }

    collateGroup = new TolButtonGroup(this, tr("Collate") + colonBlank);
    for (const ChoiceButton &row : collateButtons)
        addChoiceButton(collateGroup, row);

    duplexGroup = new TolButtonGroup(this, tr("Duplex") + colonBlank);
    for (const ChoiceButton &row : duplexButtons)
        addChoiceButton(duplexGroup, row);

    colour = new ColourModeGroup(this);
    TolButtonGroup *colorGroup = colour->buttons();
    colorGroup->setFixedWidth(colorGroupWidth);
    colorGroup->setLabelColour(true);

    pageSizeCombo->setAccessibleName(QStringLiteral("cmbBxPageSize"));
    pageSizeLabel->setAccessibleName(QStringLiteral("lblPageSize"));
    mediaTypeCombo->setAccessibleName(QStringLiteral("cmbBxMediaType"));
    mediaTypeLabel->setAccessibleName(QStringLiteral("lblMediaType"));
    inputSlotCombo->setAccessibleName(QStringLiteral("cmbBxInputSlot"));
    inputSlotLabel->setAccessibleName(QStringLiteral("lblInputSlot"));
    outputBinCombo->setAccessibleName(QStringLiteral("cmbBxOutputBin"));
    outputBinLabel->setAccessibleName(QStringLiteral("lblOutputBin"));
    collateGroup->setAccessibleName(QStringLiteral("butGroupCol"));
    duplexGroup->setAccessibleName(QStringLiteral("butGroupDuplex"));
    colour->buttons()->setAccessibleName(QStringLiteral("butGroupColorModelGeneral"));

    addOptionWidget(QStringLiteral("PageSize"), pageSizeCombo);
    addOptionWidget(QStringLiteral("MediaType"), mediaTypeCombo);
    addOptionWidget(QStringLiteral("InputSlot"), inputSlotCombo);
    addOptionWidget(QStringLiteral("OutputBin"), outputBinCombo);
    addOptionWidget(QStringLiteral("Coll"), collateGroup);
    addOptionWidget(QStringLiteral("Duplex"), duplexGroup);
    addOptionWidget(QLatin1String(ColourModeGroup::keyword), colorGroup);

    addLabelWidget(QStringLiteral("PageSize"), pageSizeLabel);
    addLabelWidget(QStringLiteral("MediaType"), mediaTypeLabel);
    addLabelWidget(QStringLiteral("InputSlot"), inputSlotLabel);
    addLabelWidget(QStringLiteral("OutputBin"), outputBinLabel);
    addLabelWidget(QStringLiteral("Coll"), collateGroup);
    addLabelWidget(QStringLiteral("Duplex"), duplexGroup);
}

void GeneralTab::buildLayout()
{
    auto *layout = new QHBoxLayout(this);

    auto *left = new QGridLayout;
    const Qt::Alignment labelAlign = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment comboAlign = Qt::AlignLeft | Qt::AlignTop;
    left->addWidget(pageSizeLabel, 0, 1, labelAlign);
    left->addWidget(pageSizeCombo, 1, 1, comboAlign);
    left->addWidget(mediaTypeLabel, 2, 1, labelAlign);
    left->addWidget(mediaTypeCombo, 3, 1, comboAlign);
    left->addWidget(inputSlotLabel, 4, 1, labelAlign);
    left->addWidget(inputSlotCombo, 5, 1, comboAlign);
    left->addWidget(outputBinLabel, 7, 1, labelAlign);
    left->addWidget(outputBinCombo, 8, 1, comboAlign);
    left->setColumnStretch(2, 1);
    left->setRowStretch(12, 1);

    auto *right = new QGridLayout;
    right->addWidget(collateGroup, 0, 0, 1, 2, Qt::AlignLeft);
    right->addWidget(separatorLine(this, QFrame::HLine), 1, 0, 1, 4);
    right->addWidget(duplexGroup, 2, 0, 1, 3, Qt::AlignLeft);
    right->addWidget(separatorLine(this, QFrame::HLine), 3, 0, 1, 4);
    right->addWidget(colour->buttons(), 4, 0, 1, 2, Qt::AlignLeft);
    right->setColumnStretch(2, 1);
    right->setRowStretch(9, 1);

    // The buttons keep the group's own look, focus frame included.
    const QString style =
        QString::fromLatin1(groupStyle) + QLatin1String(TolButtonGroup::focusFrameStyle);
    duplexGroup->setStyleSheet(style);
    colour->buttons()->setStyleSheet(style);

    layout->addLayout(left);
    layout->addWidget(separatorLine(this, QFrame::VLine), 1);
    layout->addLayout(right);
}

TolButtonGroup *GeneralTab::colorModelGroup() const
{
    return colour->buttons();
}

QIcon GeneralTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-basic"));
}

QIcon GeneralTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-basic-constraint"));
}

bool GeneralTab::hasOptions()
{
    return AppState::optionModel != nullptr;
}

// As the base, but with the colour and duplex fallbacks, and without page
// constraints or a finishing hook.
void GeneralTab::reload()
{
    setOptionSignalsBlocked(true);
    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    setLabelTexts();
    loadOptionValues();
    applyAllWidgets();
    enableOptions();
    colour->checkColorModel();
    checkDuplex();
    colour->buttons()->repaint();
    setOptionSignalsBlocked(false);
}

void GeneralTab::setLabelTexts()
{
    refreshOptionLabels();
    const QString colon = QStringLiteral(":");
    outputBinLabel->setText(tr("Destination") + colon);
    inputSlotLabel->setText(tr("Source") + colon);
    pageSizeLabel->setText(tr("Print size") + colon);
}

void GeneralTab::checkDuplex()
{
    if (AppState::currentOption(QStringLiteral("Duplex")))
        return;
    duplexGroup->updateButtonIcons(tr("Off"));
    duplexGroup->setLabelColour(true);
}

bool GeneralTab::enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option)
{
    const bool moved = Tab::enableOptionsForButtonGroup(button_group, option);
    if (button_group == colour->buttons())
        colour->followModel(option);
    return moved;
}

void GeneralTab::clearErrorMarks()
{
    Tab::clearErrorMarks();
    colour->clearErrorMark();
}

QHash<QString, QString> GeneralTab::collectOptionValues()
{
    optionValues.clear();
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = offeredOption(it.key());
        QString value = widgetValue(it.value(), option);
        if (it.value() == colour->buttons())
            value = ColourModeGroup::savedValue(value, option);
        if (value.isEmpty())
            continue;
        optionValues.insert(it.key(), value);
        if (it.key() == QLatin1String("PageSize")) {
            for (const char *companion : pageSizeCompanions)
                optionValues.insert(QLatin1String(companion), value);
        }
    }
    return optionValues;
}
