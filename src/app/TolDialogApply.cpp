// Apply, OK, Cancel and the lpoptions write of the main window.
#include "app/TolDialog.h"

#include "dialogs/PasswordPrompt.h"
#include "model/tOptionModel.h"
#include "system/AppPrintSettingsUpdater.h"
#include "system/AppState.h"
#include "system/CommandRunner.h"
#include "system/CupsPrinters.h"
#include "system/PerUserFiles.h"
#include "tabs/PrinterTab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolTabWidget.h"

#include <QCoreApplication>

namespace {

bool cupsAnswers()
{
    bool answered = true;
    cupsPrinterSet(&answered);
    return answered;
}

void showWriteError()
{
    MessageBoxes::show(QMessageBox::NoIcon, TolDialog::tr("Error"),
                       TolDialog::tr("Error: Printer does not exist or lpoptions failed."));
}

} // namespace

void showAppliedMessage()
{
    MessageBoxes::showAtLeast(QMessageBox::NoIcon, TolDialog::tr("Success"),
                              TolDialog::tr("Settings applied."), QSize(100, 100));
}

void TolDialog::slotButtonApply()
{
    applyOk = true;
    // The refill asks CUPS about every queue; the write needs only the names
    // it asks for first, and the rest waits for lpoptions. Nothing the table
    // shows feeds the write (the refill keeps the selection): a successful
    // write is reported before the table is refilled.
    printerTab->startRefill();
    if (!AppState::optionModel) {
        printerTab->finishRefill();
        MessageBoxes::show(QMessageBox::NoIcon, QString(), tr("Select a printer."));
        return;
    }
    if (printerTab->optionsChanged()) {
        printerTab->finishRefill();
        writeInstallableOptionsAsRoot();
        return;
    }
    if (writeTolpoptions())
        showAppliedMessage();
    printerTab->finishRefill();
}

void TolDialog::accept()
{
    slotButtonApply();
    if (applyOk)
        QDialog::accept();
}

void TolDialog::reject()
{
    if (!AppState::settingsFile.isEmpty() && AppState::optionModel
        && !refreshProfileDefaults(AppState::settingsFile)) {
        MessageBoxes::show(QMessageBox::NoIcon, tr("Error"),
                           tr("The settings could not be saved."));
    }
    QDialog::reject();
}

bool TolDialog::writeTolpoptions()
{
    const QString printer = AppState::optionModel->printerName();
    // An Apply's refill has just asked CUPS for the names.
    bool answered = true;
    const QSet<QString> *refillNames = printerTab->refillPrinterNames(&answered);
    if (!(refillNames ? refillNames->contains(printer)
                      : cupsPrinterSet(&answered).contains(printer))) {
        printerTab->finishRefill();
        if (!answered) {
            checkPrintersChanged();
            return false;
        }
        showWriteError();
        tabWidget->setCurrentIndex(0);
        // Apply refills the table before it writes, so the printer check may
        // find nothing new: unselect the vanished printer here.
        if (!checkPrintersChanged() && AppState::optionModel)
            unselectPrinters();
        return false;
    }

    const OptionHash values = optionCollector->collectTabOptions();
    if (!writeCfgFile(AppState::perUserDirectory + printer + QStringLiteral(".cfg"), values,
                      true)) {
        printerTab->finishRefill();
        MessageBoxes::show(QMessageBox::NoIcon, tr("Error"),
                           tr("The settings could not be saved."));
        return false;
    }

    // The selection read the PPD already; only a model from elsewhere needs
    // a fetch.
    bool known = false;
    QStringList keywords = printerTab->lpoptionsKeywords(&known);
    if (!known) {
        bool ppdRead = false;
        keywords = topLevelOptionKeywords(printer, &ppdRead);
        if (!ppdRead) {
            printerTab->finishRefill();
            if (!cupsAnswers()) {
                checkPrintersChanged();
                return false;
            }
            showWriteError();
            tabWidget->setCurrentIndex(0);
            checkPrintersChanged();
            return false;
        }
    }

    QList<QPair<QString, QString>> options;
    for (const QString &keyword : keywords) {
        const QString value = values.value(keyword);
        if (!value.isEmpty())
            options.append(qMakePair(keyword, value));
    }
    const bool written = runLpoptions(printer, options).succeeded();
    // The destination list holds the instances lpoptions writes: read after
    // it, never half-written.
    printerTab->resumeRefill();
    if (!written) {
        printerTab->finishRefill();
        // A CUPS that stopped answering is told as such, not as a lost printer.
        if (!cupsAnswers()) {
            checkPrintersChanged();
            return false;
        }
        showWriteError();
        tabWidget->setCurrentIndex(0);
        checkPrintersChanged();
        return false;
    }

    updateOtherAppsPrintSettings(values.value(QStringLiteral("PageSize")));
    return true;
}

void TolDialog::writeInstallableOptionsAsRoot()
{
    const QHash<QString, QString> values = printerTab->collectOptionValues();
    QString text;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text += it.key() + QLatin1Char('=') + it.value() + QLatin1Char(' ');
    openPasswordPrompt(text);
}

void TolDialog::openPasswordPrompt(const QString &optionText)
{
    PasswordPrompt prompt(this, optionText);
    prompt.setWindowTitle(tr("Password Prompt"));
    prompt.exec();
}

void TolDialog::commitInstallableOptions()
{
    printerTab->takeOptionValues();
}

void TolDialog::installableOptionsWritten()
{
    commitInstallableOptions();
    if (writeTolpoptions())
        showAppliedMessage();
}

void TolDialog::updateOtherAppsPrintSettings(const QString &pageSize)
{
    // The search lists the whole home folder: the window goes on meanwhile.
    AppPrintSettingsUpdater::updateInBackground(pageSize);
}
