// The fold rules of the Finishing tab: one fold type at a time reaches the
// printer through "FldA"; the buttons edit the model's fold toggles, whose
// fixed constraints keep them mutually exclusive. The Z-fold shares the
// tri-fold's direction and sheets cells, and the bi-fold sheets row moves up
// when the printer has no bi-fold print side.

#include "tabs/FinishingTab.h"

#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/ErrorMark.h"
#include "widgets/TolCheckBoxButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace {

const QString foldKeyword = QStringLiteral("FldA");

// Written as "None" when no fold is on.
const char *const foldListKeywords[] = {"FldA",  "FldB",  "FldC",   "FldD",
                                        "ZFldC", "ZFldD", "BiFldB", "BFpS"};
// Written as "False" when no fold is on, in this order.
const char *const foldToggleKeywords[] = {"cBiFld", "cTriFld", "cTriFldZ", "cEngrFld"};

bool modelHas(const char *keyword)
{
    return AppState::currentOption(QLatin1String(keyword)) != nullptr;
}

} // namespace

QList<FinishingTab::Fold> FinishingTab::folds() const
{
    return {
        {triFoldButton, triFoldLabel, "cTriFld", "Trifold"},
        {biFoldButton, biFoldLabel, "cBiFld", "Bifold"},
        {zFoldButton, zFoldLabel, "cTriFldZ", "Zfold"},
        {engrFoldButton, engrFoldLabel, "cEngrFld", "EngrFold"},
    };
}

void FinishingTab::markFold()
{
    const QList<Fold> all = folds();
    const Fold *checked = nullptr;
    int checkedCount = 0;
    for (const Fold &fold : all) {
        if (fold.button->isChecked()) {
            checked = &fold;
            ++checkedCount;
        }
    }

    if (checkedCount == 1) {
        AppState::setCurrentChoice(foldKeyword, QLatin1String(checked->foldChoice));
        AppState::setCurrentChoice(QLatin1String(checked->toggle), QStringLiteral("True"));
    } else if (checkedCount == 0) {
        for (const char *keyword : foldListKeywords)
            AppState::setCurrentChoice(QLatin1String(keyword), QStringLiteral("None"));
        for (const char *keyword : foldToggleKeywords)
            AppState::setCurrentChoice(QLatin1String(keyword), QStringLiteral("False"));
    }
    // Two or more on is a conflict the constraint pass shows; the model keeps
    // the last single fold.
}

void FinishingTab::checkFoldConstraints()
{
    const QList<Fold> all = folds();
    bool allOn = true;
    for (const Fold &fold : all)
        allOn = allOn && fold.button->isChecked();
    for (const Fold &fold : all) {
        if (allOn)
            addExtraMarkedWidget(fold.label, fold.label);
        else
            removeExtraMarkedWidget(fold.label);
    }
}

void FinishingTab::initFolds()
{
    const QList<Fold> all = folds();
    if (!modelHas("FldA")) {
        const QList<QWidget *> foldWidgets = {biFoldButton,   biFoldLabel,  triFoldButton,
                                              triFoldLabel,   zFoldButton,  zFoldLabel,
                                              engrFoldButton, engrFoldLabel};
        for (QWidget *widget : foldWidgets)
            widget->setEnabled(false);
        for (TolCheckBoxButton *button : {biFoldButton, triFoldButton, zFoldButton, engrFoldButton})
            button->setChecked(false);
        checkFoldConstraints();
        return;
    }

    const bool withOption24 = modelHas("Option24");
    for (const Fold &fold : all) {
        const bool enabled =
            (fold.button != zFoldButton && fold.button != engrFoldButton) || withOption24;
        fold.button->setEnabled(enabled);
        fold.label->setEnabled(enabled);
    }

    // The saved fold wins over the saved toggles: a saved Z-fold or
    // engineering fold is shown even without the fold unit. A fold this
    // printer does not offer (a file from another model) checks nothing.
    const QString saved = readCfgValue(foldKeyword);
    const tOption *foldOption = AppState::currentOption(foldKeyword);
    TolCheckBoxButton *savedButton = nullptr;
    for (const Fold &fold : all) {
        if (saved == QLatin1String(fold.foldChoice) && foldOption->findChoice(saved))
            savedButton = fold.button;
    }
    for (const Fold &fold : all) {
        if (fold.button != savedButton)
            fold.button->setChecked(false);
    }
    if (savedButton)
        savedButton->setChecked(true);

    checkFoldConstraints();
}

void FinishingTab::toggleTriFold(bool toggled)
{
    if (toggled) {
        const QList<QWidget *> zRows = {zDirectionLabel, zDirectionCombo, zSheetsLabel,
                                        zSheetsCombo};
        for (QWidget *widget : zRows)
            widget->hide();
        return;
    }
    triDirectionCombo->setCurrentIndex(0);
    triSheetsCombo->setCurrentIndex(0);
    triPrintSideCombo->setCurrentIndex(0);
}

void FinishingTab::toggleBiFold(bool toggled)
{
    if (toggled)
        return;
    biSheetsCombo->setCurrentIndex(0);
    biPrintSideCombo->setCurrentIndex(0);
}

void FinishingTab::toggleZFold(bool toggled)
{
    if (!toggled) {
        zDirectionCombo->setCurrentIndex(0);
        zSheetsCombo->setCurrentIndex(0);
    }
    const QList<QWidget *> triRows = {triDirectionLabel, triDirectionCombo, triSheetsLabel,
                                      triSheetsCombo};
    const QList<QWidget *> zRows = {zDirectionLabel, zDirectionCombo, zSheetsLabel, zSheetsCombo};
    for (QWidget *widget : triRows)
        widget->setVisible(!toggled);
    for (QWidget *widget : zRows)
        widget->setVisible(toggled);
}

void FinishingTab::hideZFoldOptions()
{
    toggleZFold(zFoldButton->isChecked());
}

void FinishingTab::hideZFold()
{
    const bool withOption24 = modelHas("Option24");
    const QList<QWidget *> option24Widgets = {zFoldLabel, zFoldButton, engrFoldLabel,
                                              engrFoldButton, engrFoldLine};
    for (QWidget *widget : option24Widgets)
        widget->setVisible(withOption24);
    initFolds();
}

void FinishingTab::hideBiFoldPrintSide()
{
    const bool withPrintSide = modelHas("BiFldB");
    biPrintSideLabel->setVisible(withPrintSide);
    biPrintSideCombo->setVisible(withPrintSide);

    const int sheetsRow = withPrintSide ? 14 : 12;
    leftGrid->removeWidget(biSheetsLabel);
    leftGrid->removeWidget(biSheetsCombo);
    leftGrid->addWidget(biSheetsLabel, sheetsRow, 1, Qt::AlignLeft);
    leftGrid->addWidget(biSheetsCombo, sheetsRow + 1, 1, Qt::AlignLeft);
    initFolds();
}

// ---------------------------------------------------------------------------
// Marks and the disabled tab

void FinishingTab::flagOptionError(const QString &keyword, const QString &choice)
{
    Tab::flagOptionError(keyword, choice);
    if (keyword != foldKeyword)
        return;
    foldMarked = true;
    const QList<Fold> all = folds();
    for (const Fold &fold : all) {
        if (choice == QLatin1String(fold.foldChoice))
            ErrorMark::addTo(fold.label);
    }
}

void FinishingTab::clearErrorMarks()
{
    Tab::clearErrorMarks();
    const QList<Fold> all = folds();
    for (const Fold &fold : all)
        ErrorMark::removeFrom(fold.label);
    foldMarked = false;
}

bool FinishingTab::isConstraintMarked()
{
    if (!hasOptions())
        return false;
    return constraintMarked || foldMarked;
}

void FinishingTab::resetDisabledTab()
{
    const QList<Fold> all = folds();
    for (const Fold &fold : all)
        fold.button->setChecked(false);
}

QString FinishingTab::collectedFold() const
{
    // With several folds on, the first of this order is saved.
    const QPair<TolCheckBoxButton *, const char *> order[] = {
        {biFoldButton, "Bifold"},
        {triFoldButton, "Trifold"},
        {engrFoldButton, "EngrFold"},
        {zFoldButton, "Zfold"},
    };
    for (const auto &row : order) {
        if (row.first->isChecked())
            return QLatin1String(row.second);
    }
    return QStringLiteral("None");
}
