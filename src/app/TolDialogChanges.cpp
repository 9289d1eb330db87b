// Constraint pass, printer and profile changes of the main window.
#include "app/TolDialog.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/CupsRequests.h"
#include "system/CupsWorker.h"
#include "system/PerUserFiles.h"
#include "tabs/GeneralTab.h"
#include "tabs/ImagingTab.h"
#include "tabs/PrinterTab.h"
#include "tabs/PublishingTab.h"
#include "tabs/Tab.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolTabWidget.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

namespace {

// A chain of passes stops after eleven (counter values 0 to 10), so that tabs
// which keep moving each other's widgets cannot loop forever.
const int lastChainedPass = 10;

void showNotAnswering(bool writeLost)
{
    MessageBoxes::show(
        QMessageBox::NoIcon, TolDialog::tr("Error"),
        writeLost ? TolDialog::tr("The settings were not applied: the printing system (CUPS) is "
                                  "not answering.\nThe printer list will be filled again as soon "
                                  "as it answers.")
                  : TolDialog::tr("The printing system (CUPS) is not answering.\nThe printer "
                                  "list will be filled again as soon as it answers."));
}

void showPrintersChanged()
{
    MessageBoxes::show(
        QMessageBox::NoIcon, TolDialog::tr("Error"),
        TolDialog::tr("It looks like your installed printers have changed.\nReloading list now."));
}

} // namespace

void TolDialog::enableTab(Tab *tab)
{
    const int index = tabList.indexOf(tab);
    if (index >= 0 && setTabEnabledState(index))
        layOutTabs(index);
}

void TolDialog::enableTabs()
{
    int changed = -1;
    for (int index = 0; index < tabList.size(); ++index) {
        if (setTabEnabledState(index))
            changed = index;
    }
    // One layout for them all: the styled bar is slow to lay out.
    if (changed >= 0)
        layOutTabs(changed);
}

bool TolDialog::setTabEnabledState(int index)
{
    const bool enabled = tabList.at(index)->hasOptions();
    if (tabWidget->isTabEnabled(index) == enabled)
        return false;
    tabWidget->setTabEnabled(index, enabled);
    return true;
}

void TolDialog::layOutTabs(int index)
{
    // A disabled tab is styled with no size, but the tab bar keeps the tab
    // sizes of its last layout when only the enabled state changes: without
    // a new layout an enabled tab would stay invisible. Setting a text again
    // makes the bar lay out all its tabs anew.
    tabWidget->setTabText(index, tabWidget->tabText(index));
}

void TolDialog::profileChanged()
{
    if (!AppState::optionModel)
        return;
    AppState::optionModel->resetConstraints();
    for (int i = 0; i < tabList.size(); ++i) {
        Tab *tab = tabList.at(i);
        if (tab == printerTab) {
            if (printerJustChanged)
                printerTab->reload();
            else
                printerTab->reapplyOptions();
        } else if (tabWidget->isTabEnabled(i)) {
            tab->reload();
        } else {
            tab->resetDisabledTab();
        }
    }
}

void TolDialog::setConstraints()
{
    if (!AppState::optionModel)
        return;

    ++constraintPassDepth;
    for (Tab *tab : qAsConst(tabList))
        tab->setConstraintMarked(false);

    bool changed = false;
    for (Tab *tab : qAsConst(tabList)) {
        if (tab->enableOptions())
            changed = true;
    }

    for (int i = 0; i < tabList.size(); ++i) {
        Tab *tab = tabList.at(i);
        if (!tab->hasOptions())
            continue;
        tab->updateCustomConstraints();
        tab->clearErrorMarks();
        tabWidget->setTabIcon(i, tab->tabIcon());
        tab->markCustomConstraints();
        if (tab->isConstraintMarked())
            tabWidget->setTabIcon(i, tab->tabConstraintIcon());
    }

    bool allClear = true;
    for (Tab *tab : qAsConst(tabList)) {
        if (tab->isConstraintMarked())
            allClear = false;
    }
    work.writeButtonsWanted = allClear;
    AppState::constraintsSatisfied = allClear;
    showWriteButtons();

    if (changed && constraintPasses <= lastChainedPass - 1) {
        ++constraintPasses;
        setConstraints();
    } else {
        constraintPasses = 0;
    }
    checkPrintersChanged();
    --constraintPassDepth;
}

void TolDialog::checkPrintersChanged(std::function<void(bool)> then)
{
    requests->checkForChangedQueues(
        [this](const CupsNamesAnswer &answer) { return printersChecked(answer); }, then);
}

bool TolDialog::printersChecked(const CupsNamesAnswer &answer)
{
    if (!answer.answered) {
        printingSystemNotAnswering();
        return true;
    }
    // A refill on its way brings the names with it.
    if (printerTab->isListing() || answer.names == AppState::knownPrinters)
        return false;

    // A selection under way finds a vanished queue by itself.
    bool gone = !printerTab->selectionPending();
    if (AppState::optionModel) {
        const QString name = AppState::optionModel->printerName();
        gone = AppState::knownPrinters.contains(name) && !answer.names.contains(name);
    }
    printerTab->fillPrinterTable();
    if (gone) {
        unselectPrinters();
        showPrintersChanged();
    }
    return true;
}

void TolDialog::selectedPrinterGone(bool listed)
{
    // Also over a refill on its way: it may have listed the queue before
    // it went.
    if (!listed)
        printerTab->fillPrinterTable();
    unselectPrinters();
    showPrintersChanged();
}

void TolDialog::printingSystemNotAnswering(bool writeLost)
{
    // Once per silence: every request pending then fails the same way. A
    // write the user asked for is told whatever was said before.
    const bool told = !printerTab->printingSystemAnswered() && !writeLost;
    // The queues are most likely still there, but nothing can be selected
    // or written until CUPS answers again. Unselected also without a model:
    // a selection that just failed left the tabs of the printer before.
    unselectPrinters();
    // OK keeps the window, so that the user can write once CUPS is back.
    work.applyOk = false;
    printerTab->showNotAnswering();
    tabWidget->setCurrentIndex(0);
    if (!told)
        showNotAnswering(writeLost);
    requests->scheduleRetry();
}

void TolDialog::refillIdleList()
{
    // Only with no printer selected: the refill then loses nothing, and it
    // selects nothing and writes nothing, as at start. A question still out
    // is replaced: it may have been asked of a CUPS that was silent then.
    if (AppState::optionModel || printerTab->selectionPending() || printerTab->isListing())
        return;
    requests->askNamesForIdleRefill([this](const CupsNamesAnswer &answer) {
        if (AppState::optionModel || printerTab->selectionPending() || printerTab->isListing())
            return;
        if (answer.answered
            && (!printerTab->printingSystemAnswered() || answer.names != AppState::knownPrinters))
            printerTab->fillPrinterTable();
        else if (!answer.answered)
            requests->scheduleRetry();
    });
}

void TolDialog::listShown()
{
    if (!printerTab->printingSystemAnswered()) {
        requests->scheduleRetry();
        return;
    }
    requests->cancelRetry();
    // Removed after the last check: the destinations listed lack the queue.
    if (AppState::optionModel && !printerTab->selectionPending()
        && !AppState::knownPrinters.contains(AppState::optionModel->printerName()))
        selectedPrinterGone(true);
}

void TolDialog::unselectPrinters()
{
    AppState::optionModel = nullptr;
    printerTab->clearOptionWidgets();
    enableOptionPages();
    enableTabs();
    // With no model nothing may be written or saved; the title names no printer.
    setWindowTitle(tr("Tolvane Vellumark"));
    setWriteButtonsEnabled(false);
}

void TolDialog::printerChanged(int row, int, int previousRow, int)
{
    // A row held by a write is changed to once the write has ended.
    if (row == previousRow || requests->holdsRowChange())
        return;
    setWriteButtonsEnabled(false);
    // No row: nothing to wait for. Otherwise, until the model comes, the
    // option pages show the printer before and take no input.
    if (!printerTab->selectionPending())
        selectionAnswered(true);
}

void TolDialog::enableOptionPages()
{
    const bool greyed = work.waitShown && requests->holdsOptions();
    for (int i = 0; i < tabList.size(); ++i) {
        if (tabList.at(i) != printerTab)
            tabList.at(i)->setEnabled(tabWidget->isTabEnabled(i) && !greyed);
    }
    printerTab->installedOptionsArea()->setEnabled(!greyed);
}

void TolDialog::selectionAnswered(bool answered)
{
    if (!answered) {
        printingSystemNotAnswering();
        return;
    }

    if (!AppState::optionModel) {
        printerTab->clearErrorMarks();
        setWindowTitle(tr("Tolvane Vellumark"));
        // A listed queue whose PPD cannot be read any more: the list is out
        // of date even though the destinations are the same.
        const bool hadRow = printerTab->table()->currentRow() >= 0;
        checkPrintersChanged([this, hadRow](bool changed) {
            if (!changed && hadRow && !AppState::optionModel && !printerTab->selectionPending()
                && printerTab->printingSystemAnswered()) {
                printerTab->fillPrinterTable();
                unselectPrinters();
                showPrintersChanged();
            }
        });
        setWriteButtonsEnabled(false);
        return;
    }

    // retranslateUi asks lpstat for every row's status again.
    for (Tab *tab : qAsConst(tabList))
        tab->retranslateUi();
    setWindowTitle(tr("Tolvane Vellumark") + QStringLiteral(" - ")
                   + AppState::optionModel->printerName());
    enableTabs();

    printerJustChanged = true;
    profileChanged();
    printerJustChanged = false;
    // Every tab now reads the new model: the one it replaced can go, unless
    // a constraint pass further up still walks it.
    if (constraintPassDepth == 0)
        printerTab->releaseReplacedModels();

    if (!cfgFileExists(AppState::optionModel->printerName())) {
        writeTolpoptions([this](bool) { finishPrinterChange(); }, false, true);
        return;
    }
    finishPrinterChange();
}

void TolDialog::selectHeldRow()
{
    // OK has closed the window: the row goes with it.
    if (requests->isPending(CupsRequests::Write) || requests->isClosed())
        return;
    const int row = printerTab->takeHeldRow();
    if (row < 0)
        return;
    printerTab->changePrinter(row, 0, -1, 0);
    printerChanged(row, 0, -1, 0);
}

void TolDialog::finishPrinterChange()
{
    setConstraints();
    if (AppState::optionModel)
        setWriteButtonsEnabled(true);
}

void TolDialog::toggleColorMode()
{
    // Both colour groups have colour at index 0 and black and white at 1.
    auto *clicked = qobject_cast<TolButtonGroup *>(sender());
    TolButtonGroup *basicGroup = generalTab->colorModelGroup();
    TolButtonGroup *imagingGroup = imagingTab->colorGroup();

    if (clicked && clicked == basicGroup) {
        imagingGroup->setButton(basicGroup->checkedIndex());
        imagingTab->clearDialogSettings();
    } else if (clicked && clicked == imagingGroup) {
        basicGroup->setButton(imagingGroup->checkedIndex());
    } else {
        // The print-management colour policy changed the colour option.
        imagingTab->clearDialogSettings(1);
    }
}

void TolDialog::togglePublishingFronAndBackLabel()
{
    if (!AppState::optionModel || !AppState::optionModel->option(QStringLiteral("BackCvrM")))
        return;
    // The tab greys "Front"/"Back" for the inserter trays while cover mode is on.
    publishingTab->updateCoverSideLabels();
}
