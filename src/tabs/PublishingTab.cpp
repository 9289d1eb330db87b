#include "tabs/PublishingTab.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/TabOwner.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/ErrorMark.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

const QString noDefault = QStringLiteral("no_default");
const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");

const int comboMinimumWidth = 185;

const char *const pageStyle =
    "ComboBoxEx{ margin-bottom: 0px }TolButtonGroup{ margin-bottom: 0px }"
    "QCheckBox{ margin-bottom: 0px }TolCheckBoxButton{ margin-bottom: 0px; }";
const char *const sideLabelStyle = "margin-left: 20px";
const char *const sideBoxStyle = "margin-bottom: 0px; margin-left: 40px";
const char *const coverComboStyle = "margin-bottom: 15px";
const char *const interleaveTitleStyle = "margin-top: 15px; margin-bottom: 0px";

const QString inserterTrays[] = {QStringLiteral("Inserter tray 1"),
                                 QStringLiteral("Inserter tray 2")};

bool isInserterTray(const QString &text)
{
    for (const QString &tray : inserterTrays) {
        if (text == tray)
            return true;
    }
    return false;
}

} // namespace

PublishingTab::PublishingTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectOptionWidgets();
    setStyleSheet(QString::fromLatin1(pageStyle));
    buildLayout();
    connectSignals();
}

// ---------------------------------------------------------------------------
// Page

void PublishingTab::buildUi()
{
    tabName = tr("Publishing");

    lblCvrMode = new QLabel(this);
    rdButCvrFront = new QRadioButton(this);
    rdButCvrFrontBack = new QRadioButton(this);
    lblCvrPrintOnto = new QLabel(this);
    lblCvrFront = new QLabel(this);
    chkBxCvrFrontOut = new QCheckBox(this);
    chkBxCvrFrontIn = new QCheckBox(this);
    lblCvrBack = new QLabel(this);
    chkBxCvrBackOut = new QCheckBox(this);
    chkBxCvrBackIn = new QCheckBox(this);
    lblCvrM = new QLabel(this);
    cmbBxCvrM = new ComboBoxEx(this);
    lblBackCvrM = new QLabel(this);
    cmbBxBackCvrM = new ComboBoxEx(this);
    chkButCvr = new TolCheckBoxButton(this, tr("Cover mode:"),
                                      IconCache::icon(QStringLiteral(":/icons/covermode")));

    lblPins = new QLabel(this);
    chkBxPinsPrintOntoFront = new QCheckBox(this);
    chkBxPinsPrintOntoBack = new QCheckBox(this);
    lblPinsPage = new QLabel(this);
    lnEditPinsPage = new QLineEdit(this);
    // Whole-text rules are the page-list check's; this only filters typing.
    lnEditPinsPage->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d[\\d ,-]*")), lnEditPinsPage));
    lblPMed = new QLabel(this);
    cmbBxPMed = new ComboBoxEx(this);
    chkButPins = new TolCheckBoxButton(this, tr("Page insert:"),
                                       IconCache::icon(QStringLiteral(":/icons/pageinsert")));

    lblTint = new QLabel(this);
    chkBxTintPrintOnto = new QCheckBox(this);
    lblTMed = new QLabel(this);
    cmbBxTMed = new ComboBoxEx(this);
    chkButTint = new TolCheckBoxButton(this, tr("Transparency interleaving:"),
                                       IconCache::icon(QStringLiteral(":/icons/transparency")));

    for (QWidget *widget :
         {static_cast<QWidget *>(cmbBxCvrM), static_cast<QWidget *>(cmbBxBackCvrM),
          static_cast<QWidget *>(lnEditPinsPage), static_cast<QWidget *>(cmbBxPMed),
          static_cast<QWidget *>(cmbBxTMed)})
        widget->setMinimumWidth(comboMinimumWidth);

    setTexts();

    const struct
    {
        TolCheckBoxButton *button;
        QList<QWidget *> dependents;
    } dependentRows[] = {
        {chkButCvr,
         {rdButCvrFront, rdButCvrFrontBack, lblCvrPrintOnto, lblCvrFront, chkBxCvrFrontOut,
          chkBxCvrFrontIn, lblCvrBack, chkBxCvrBackOut, chkBxCvrBackIn, lblCvrM, cmbBxCvrM,
          lblBackCvrM, cmbBxBackCvrM}},
        {chkButPins,
         {chkBxPinsPrintOntoFront, chkBxPinsPrintOntoBack, lblPinsPage, lnEditPinsPage, lblPMed,
          cmbBxPMed}},
        {chkButTint, {chkBxTintPrintOnto, lblTMed, cmbBxTMed}},
    };
    for (const auto &row : dependentRows) {
        for (QWidget *dependent : row.dependents)
            row.button->addDependent(dependent, noDefault);
    }

    const struct
    {
        const char *keyword;
        QWidget *editor;
        QLabel *label;
    } optionRows[] = {
        {"CvrM", cmbBxCvrM, lblCvrM},
        {"BackCvrM", cmbBxBackCvrM, lblBackCvrM},
        {"Pmed", cmbBxPMed, lblPMed},
        {"Tmed", cmbBxTMed, lblTMed},
        {"cCovBut", chkButCvr, nullptr},
        {"cCovTRad", rdButCvrFront, nullptr},
        {"cCovBRad", rdButCvrFrontBack, nullptr},
        {"cCovPOFO", chkBxCvrFrontOut, nullptr},
        {"cCovPOFI", chkBxCvrFrontIn, nullptr},
        {"cCovPOBO", chkBxCvrBackOut, nullptr},
        {"cCovPOBI", chkBxCvrBackIn, nullptr},
        {"cInsBut", chkButPins, nullptr},
        {"cInsPrnF", chkBxPinsPrintOntoFront, nullptr},
        {"cInsPrnB", chkBxPinsPrintOntoBack, nullptr},
        {"cIntBut", chkButTint, nullptr},
        {"cIntPrn", chkBxTintPrintOnto, nullptr},
    };
    for (const auto &row : optionRows) {
        addOptionWidget(QLatin1String(row.keyword), row.editor);
        if (row.label)
            addLabelWidget(QLatin1String(row.keyword), row.label);
    }

    addCheckButton(chkButCvr);
    addCheckButton(chkButPins);
    addCheckButton(chkButTint);

    pageListInvalid = false;

    const struct
    {
        QWidget *widget;
        const char *name;
    } accessibleNames[] = {
        {lblCvrMode, "lblCvrMode"},
        {rdButCvrFront, "rdButCvrFront"},
        {rdButCvrFrontBack, "rdButCvrFrontBack"},
        {lblCvrPrintOnto, "lblCvrPrintOnto"},
        {lblCvrFront, "lblCvrFront"},
        {chkBxCvrFrontOut, "chkBxCvrFrontOut"},
        {chkBxCvrFrontIn, "chkBxCvrFrontIn"},
        {lblCvrBack, "lblCvrBack"},
        {chkBxCvrBackOut, "chkBxCvrBackOut"},
        {chkBxCvrBackIn, "chkBxCvrBackIn"},
        {lblCvrM, "lblCvrM"},
        {cmbBxCvrM, "cmbBxCvrM"},
        {lblBackCvrM, "lblBackCvrM"},
        {cmbBxBackCvrM, "cmbBxBackCvrM"},
        {chkButCvr, "chkButCvr"},
        {lblPins, "lblPins"},
        {chkBxPinsPrintOntoFront, "chkBxPinsPrintOntoFront"},
        {chkBxPinsPrintOntoBack, "chkBxPinsPrintOntoBack"},
        {lblPinsPage, "lblPinsPage"},
        {lnEditPinsPage, "lnEditPinsPage"},
        {lblPMed, "lblPMed"},
        {cmbBxPMed, "cmbBxPMed"},
        {chkButPins, "chkButPins"},
        {lblTint, "lblTint"},
        {chkBxTintPrintOnto, "chkBxTintPrintOnto"},
        {lblTMed, "lblTMed"},
        {cmbBxTMed, "cmbBxTMed"},
        {chkButTint, "chkButTint"},
    };
    for (const auto &row : accessibleNames)
        row.widget->setAccessibleName(QLatin1String(row.name));
}

void PublishingTab::setTexts()
{
    const struct
    {
        QWidget *widget;
        QString text;
    } texts[] = {
        {lblCvrMode, tr("Cover mode:")},
        {rdButCvrFront, tr("Front")},
        {rdButCvrFrontBack, tr("Front and back")},
        {lblCvrPrintOnto, tr("Print onto:")},
        {lblCvrFront, tr("Front")},
        {chkBxCvrFrontOut, tr("Outside")},
        {chkBxCvrFrontIn, tr("Inside")},
        {lblCvrBack, tr("Back")},
        {chkBxCvrBackOut, tr("Outside")},
        {chkBxCvrBackIn, tr("Inside")},
        {lblCvrM, tr("Paper source for front cover:")},
        {lblBackCvrM, tr("Paper source for back cover:")},
        {lblPins, tr("Page insert:")},
        {chkBxPinsPrintOntoFront, tr("Print onto front")},
        {chkBxPinsPrintOntoBack, tr("Print onto back")},
        {lblPinsPage, tr("Insert before pages:")},
        {lblPMed, tr("Paper source for page:")},
        {lblTint, tr("Transparency interleaving:")},
        {chkBxTintPrintOnto, tr("Print onto backing")},
        {lblTMed, tr("Paper source for backing:")},
    };
    for (const auto &row : texts) {
        if (auto *label = qobject_cast<QLabel *>(row.widget))
            label->setText(row.text);
        else if (auto *button = qobject_cast<QAbstractButton *>(row.widget))
            button->setText(row.text);
        row.widget->update();
    }
}

void PublishingTab::buildLayout()
{
    const Qt::Alignment left = Qt::AlignLeft;

    lblCvrFront->setStyleSheet(QString::fromLatin1(sideLabelStyle));
    lblCvrBack->setStyleSheet(QString::fromLatin1(sideLabelStyle));
    for (QCheckBox *box : {chkBxCvrFrontOut, chkBxCvrFrontIn, chkBxCvrBackIn, chkBxCvrBackOut})
        box->setStyleSheet(QString::fromLatin1(sideBoxStyle));
    cmbBxCvrM->setStyleSheet(QString::fromLatin1(coverComboStyle));
    cmbBxBackCvrM->setStyleSheet(QString::fromLatin1(coverComboStyle));
    lblTint->setStyleSheet(QString::fromLatin1(interleaveTitleStyle));

    auto *leftGrid = new QGridLayout;
    leftGrid->addWidget(lblCvrMode, 0, 0, 1, 3, left);
    leftGrid->addWidget(chkButCvr, 1, 0, 2, 1, left);
    leftGrid->addWidget(rdButCvrFront, 1, 1, 1, 3, left);
    leftGrid->addWidget(rdButCvrFrontBack, 2, 1, 1, 3, left);
    leftGrid->addWidget(lblCvrPrintOnto, 3, 1, 1, 3, left);
    leftGrid->addWidget(lblCvrFront, 5, 1, 1, 2, left);
    leftGrid->addWidget(chkBxCvrFrontOut, 6, 1, 1, 1, left);
    leftGrid->addWidget(chkBxCvrFrontIn, 7, 1, 1, 1, left);
    leftGrid->addWidget(lblCvrBack, 8, 1, 1, 2, left);
    // On the back the inside comes first, as the sheet is turned.
    leftGrid->addWidget(chkBxCvrBackIn, 9, 1, 1, 1, left);
    leftGrid->addWidget(chkBxCvrBackOut, 10, 1, 1, 1, left);
    leftGrid->addWidget(lblCvrM, 11, 1, 1, 3, left);
    leftGrid->addWidget(cmbBxCvrM, 12, 1, 1, 3, left);
    leftGrid->addWidget(lblBackCvrM, 13, 1, 1, 3, left);
    leftGrid->addWidget(cmbBxBackCvrM, 14, 1, 1, 3, left);
    leftGrid->addWidget(separatorLine(this, QFrame::HLine, QFrame::Sunken), 15, 0, 1, 4);
    leftGrid->addWidget(lblTint, 16, 0, 1, 3, left);
    leftGrid->addWidget(chkButTint, 17, 0, 2, 1, left);
    leftGrid->addWidget(chkBxTintPrintOnto, 17, 1, 1, 1, left);
    leftGrid->addWidget(lblTMed, 18, 1, 1, 1, left);
    leftGrid->addWidget(cmbBxTMed, 19, 1, 1, 1, left);
    leftGrid->setColumnStretch(3, 1);
    leftGrid->setRowStretch(22, 1);

    auto *rightGrid = new QGridLayout;
    rightGrid->addWidget(lblPins, 0, 0, 1, 3, left);
    rightGrid->addWidget(chkButPins, 1, 0, 2, 1, left);
    rightGrid->addWidget(chkBxPinsPrintOntoFront, 1, 1, 1, 2, left);
    rightGrid->addWidget(chkBxPinsPrintOntoBack, 2, 1, 1, 2, left);
    rightGrid->addWidget(lblPinsPage, 3, 1, 1, 2, left);
    rightGrid->addWidget(lnEditPinsPage, 4, 1, 1, 2, left);
    rightGrid->addWidget(lblPMed, 5, 1, 1, 2, left);
    rightGrid->addWidget(cmbBxPMed, 6, 1, 1, 2, left);
    rightGrid->setColumnStretch(4, 1);
    rightGrid->setRowStretch(15, 1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(leftGrid);
    layout->addWidget(separatorLine(this, QFrame::VLine, QFrame::Sunken), 1);
    layout->addLayout(rightGrid);
}

void PublishingTab::connectSignals()
{
    const auto toggled = qOverload<bool>(&TolCheckBoxButton::toggled);
    const auto comboChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(chkButCvr, toggled, this, &PublishingTab::coverModeToggled);
    if (dialog)
        connect(chkButCvr, toggled, dialog, &TabOwner::setConstraints);
    connect(rdButCvrFront, &QRadioButton::toggled, this,
            &PublishingTab::coverRadioButtonSelectionChanged);
    if (dialog)
        connect(rdButCvrFront, &QRadioButton::toggled, dialog, &TabOwner::setConstraints,
                Qt::UniqueConnection);
    connect(rdButCvrFrontBack, &QRadioButton::toggled, this,
            &PublishingTab::coverRadioButtonSelectionChanged);
    if (dialog) {
        connect(rdButCvrFrontBack, &QRadioButton::toggled, dialog, &TabOwner::setConstraints,
                Qt::UniqueConnection);
        connect(cmbBxCvrM, comboChanged, dialog, &TabOwner::togglePublishingFronAndBackLabel);
        connect(cmbBxBackCvrM, comboChanged, dialog, &TabOwner::togglePublishingFronAndBackLabel);
        connect(chkButTint, toggled, dialog, &TabOwner::setConstraints);
    }
    connect(chkButTint, toggled, this, &PublishingTab::interleaveToggled);
    connect(chkButPins, toggled, this, &PublishingTab::pageInsertToggled);
    connect(lnEditPinsPage, &QLineEdit::textEdited, this, &PublishingTab::checkPageInsertInputText);
    if (dialog)
        connect(lnEditPinsPage, &QLineEdit::textEdited, dialog, &TabOwner::setConstraints);
    // The first page allowed depends on whether the front cover is printed
    // on both sides.
    connect(chkBxCvrFrontIn, &QCheckBox::stateChanged, this,
            &PublishingTab::checkPageInsertInputText);
    connect(chkBxCvrFrontOut, &QCheckBox::stateChanged, this,
            &PublishingTab::checkPageInsertInputText);
}

void PublishingTab::retranslateUi()
{
    tabName = tr("Publishing");
    setTexts();
}

void PublishingTab::initTabName()
{
    tabName = getTabName();
}

QIcon PublishingTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-publishing"));
}

QIcon PublishingTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-publishing-constraint"));
}

bool PublishingTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}

// ---------------------------------------------------------------------------
// Reload

void PublishingTab::reload()
{
    BlockAllSignals(true);
    updateBackCoverSourceWidgets();
    lnEditPinsPage->clear();
    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    refreshOptionLabels();
    loadOptionValues();
    applyAllWidgets();
    loadSavedStates();
    BlockAllSignals(false);
    updateCoverSideLabels();
}

void PublishingTab::BlockAllSignals(bool block)
{
    const QList<QWidget *> editors = {
        // cover mode
        rdButCvrFront,
        rdButCvrFrontBack,
        chkBxCvrFrontOut,
        chkBxCvrFrontIn,
        chkBxCvrBackOut,
        chkBxCvrBackIn,
        cmbBxCvrM,
        cmbBxBackCvrM,
        chkButCvr,
        // page insert
        chkBxPinsPrintOntoFront,
        chkBxPinsPrintOntoBack,
        lnEditPinsPage,
        cmbBxPMed,
        chkButPins,
        // transparency interleaving
        chkBxTintPrintOnto,
        cmbBxTMed,
        chkButTint,
    };
    for (QWidget *editor : editors)
        editor->blockSignals(block);
}

void PublishingTab::updateBackCoverSourceWidgets()
{
    chkButCvr->removeDependent(lblBackCvrM);
    chkButCvr->removeDependent(cmbBxBackCvrM);
    const bool present = AppState::currentOption(QStringLiteral("BackCvrM"));
    if (present) {
        chkButCvr->addDependent(lblBackCvrM, noDefault);
        chkButCvr->addDependent(cmbBxBackCvrM, noDefault);
    }
    lblBackCvrM->setVisible(present);
    cmbBxBackCvrM->setVisible(present);
}

// ---------------------------------------------------------------------------
// Feature switches and cover sides

void PublishingTab::coverModeToggled(bool toggleState)
{
    if (toggleState) {
        coverRadioButtonSelectionChanged();
        return;
    }
    rdButCvrFront->setChecked(true);
    cmbBxCvrM->setCurrentIndex(0);
    cmbBxBackCvrM->setCurrentIndex(0);
    for (QCheckBox *box : {chkBxCvrFrontOut, chkBxCvrFrontIn, chkBxCvrBackOut, chkBxCvrBackIn})
        box->setChecked(false);
}

void PublishingTab::pageInsertToggled(bool toggleState)
{
    if (toggleState)
        return;
    chkBxPinsPrintOntoFront->setChecked(false);
    chkBxPinsPrintOntoBack->setChecked(false);
    lnEditPinsPage->clear();
    cmbBxPMed->setCurrentIndex(0);
}

void PublishingTab::interleaveToggled(bool toggleState)
{
    if (toggleState)
        return;
    chkBxTintPrintOnto->setChecked(false);
    cmbBxTMed->setCurrentIndex(0);
}

void PublishingTab::coverRadioButtonSelectionChanged()
{
    if (!chkButCvr->isChecked())
        return;
    tOptionModel *model = AppState::optionModel;

    if (rdButCvrFront->isChecked()) {
        lblCvrBack->setEnabled(false);
        if (model) {
            model->setCurrentChoice(QStringLiteral("cCovTRad"), trueText);
            model->setCurrentChoice(QStringLiteral("cCovBRad"), falseText);
        }
        lblBackCvrM->setEnabled(false);
        cmbBxBackCvrM->setEnabled(false);
        cmbBxBackCvrM->setCurrentIndex(0);
    }
    if (rdButCvrFrontBack->isChecked()) {
        lblCvrBack->setEnabled(true);
        if (model) {
            model->setCurrentChoice(QStringLiteral("cCovTRad"), falseText);
            model->setCurrentChoice(QStringLiteral("cCovBRad"), trueText);
        }
        lblBackCvrM->setEnabled(true);
        cmbBxBackCvrM->setEnabled(true);
    }
}

void PublishingTab::updateCoverSideLabels()
{
    if (!chkButCvr->isChecked())
        return;
    if (cmbBxCvrM->isEnabled())
        lblCvrFront->setEnabled(!isInserterTray(cmbBxCvrM->currentText()));
    if (cmbBxBackCvrM->isEnabled())
        lblCvrBack->setEnabled(!isInserterTray(cmbBxBackCvrM->currentText()));
}

// ---------------------------------------------------------------------------
// Constraints and marks

void PublishingTab::updateCustomConstraints()
{
    const bool cover = chkButCvr->isChecked();
    const bool insert = chkButPins->isChecked();
    const bool interleave = chkButTint->isChecked();

    if (interleave && cover) {
        addExtraMarkedWidget(chkButTint, lblTint);
        addExtraMarkedWidget(chkButCvr, lblCvrMode);
    } else {
        removeExtraMarkedWidget(chkButCvr);
    }
    if (interleave && insert) {
        addExtraMarkedWidget(chkButTint, lblTint);
        addExtraMarkedWidget(chkButPins, lblPins);
    } else {
        removeExtraMarkedWidget(chkButPins);
        if (!(interleave && cover))
            removeExtraMarkedWidget(chkButTint);
    }
}

void PublishingTab::clearErrorMarks()
{
    Tab::clearErrorMarks();
    // The page list's message goes with its mark, so that a switched-off
    // page insert keeps no stale tool tip.
    for (QLabel *label : {lblCvrMode, lblPins, lblTint}) {
        ErrorMark::removeFrom(label);
        label->setToolTip(QString());
    }
}

void PublishingTab::markCustomConstraints()
{
    Tab::markCustomConstraints();
    checkPageInsertInputText();
}

bool PublishingTab::isConstraintMarked()
{
    if (!hasOptions())
        return false;
    const bool pageListMissing =
        chkButPins->isChecked() && (pageListInvalid || lnEditPinsPage->text().isEmpty());
    return constraintMarked || pageListMissing;
}
