// Apply, OK, Cancel and the lpoptions write of the main window.
#include "app/TolDialog.h"

#include "dialogs/PasswordPrompt.h"
#include "model/tOptionModel.h"
#include "system/AppPrintSettingsUpdater.h"
#include "system/AppState.h"
#include "system/CommandRunner.h"
#include "system/CupsWorker.h"
#include "system/PerUserFiles.h"
#include "tabs/PrinterTab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolTabWidget.h"

#include <QCoreApplication>

namespace {

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
    // The table is read again after the write has been told, and while CUPS
    // answers: nothing it shows feeds the write (a refill keeps the
    // selection).
    if (!AppState::optionModel) {
        printerTab->fillPrinterTable();
        MessageBoxes::show(QMessageBox::NoIcon, QString(), tr("Select a printer."));
        finishApply();
        return;
    }
    if (printerTab->optionsChanged()) {
        printerTab->fillPrinterTable();
        writeInstallableOptionsAsRoot();
        finishApply();
        return;
    }
    writeTolpoptions(
        [this](bool written) {
            if (written)
                showAppliedMessage();
            // A write that ended before lpoptions read no list.
            if (!listAfterWrite && printerTab->printingSystemAnswered())
                printerTab->fillPrinterTable();
            listAfterWrite = false;
            finishApply();
        },
        true);
}

void TolDialog::accept()
{
    closeAfterApply = true;
    slotButtonApply();
}

void TolDialog::finishApply()
{
    // A write still under way (after a root write) ends the Apply later.
    if (!closeAfterApply || writing)
        return;
    closeAfterApply = false;
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

void TolDialog::writeTolpoptions(std::function<void(bool)> then, bool thenList)
{
    const tOptionModel *model = AppState::optionModel;
    const QString printer = model->printerName();
    // Collected now, as the tabs stand when the write is asked for.
    const OptionHash values = optionCollector->collectTabOptions();
    bool known = false;
    const QStringList keywords = printerTab->lpoptionsKeywords(&known);
    writing = true;
    showWriteButtons();
    const std::function<void(bool)> done = [this, then](bool written) {
        writing = false;
        showWriteButtons();
        if (then)
            then(written);
    };
    // lpoptions or the PPD read failed: the names, asked again, tell why.
    const auto failed = [this, done]() {
        printerTab->cups()->askNames(
            [this, done](const CupsNamesAnswer &answer) { writeFailed(answer, false, done); });
    };

    printerTab->cups()->askNames([=](const CupsNamesAnswer &answer) {
        // Unselected meanwhile (CUPS fell silent elsewhere): nothing to write.
        if (AppState::optionModel != model) {
            done(false);
            return;
        }
        if (!answer.names.contains(printer)) {
            writeFailed(answer, true, done);
            return;
        }

        if (!writeCfgFile(AppState::perUserDirectory + printer + QStringLiteral(".cfg"), values,
                          true)) {
            MessageBoxes::show(QMessageBox::NoIcon, tr("Error"),
                               tr("The settings could not be saved."));
            done(false);
            return;
        }

        const QString pageSize = values.value(QStringLiteral("PageSize"));
        auto write = [=](const QStringList &keywords) {
            QList<QPair<QString, QString>> options;
            for (const QString &keyword : keywords) {
                const QString value = values.value(keyword);
                if (!value.isEmpty())
                    options.append(qMakePair(keyword, value));
            }
            std::function<void(const PrinterListAnswer &)> listed;
            if (thenList) {
                listed = printerTab->expectRefill();
                listAfterWrite = true;
            }
            printerTab->cups()->writeLpoptions(
                printer, options,
                [=](bool written) {
                    if (!written) {
                        failed();
                        return;
                    }
                    updateOtherAppsPrintSettings(pageSize);
                    done(true);
                },
                listed);
        };
        // The selection read the PPD already; only a model from elsewhere
        // needs a fetch.
        if (known) {
            write(keywords);
            return;
        }
        printerTab->cups()->readLpoptionsKeywords(printer, [=](const PpdKeywordsAnswer &ppd) {
            if (ppd.read)
                write(ppd.keywords);
            else
                failed();
        });
    });
}

void TolDialog::writeFailed(const CupsNamesAnswer &answer, bool lost,
                            std::function<void(bool)> done)
{
    // A CUPS that stopped answering is told as such, not as a lost printer.
    if (!answer.answered) {
        printingSystemNotAnswering();
    } else {
        showWriteError();
        tabWidget->setCurrentIndex(0);
        // The list may know of the loss already: unselect here.
        checkPrintersChanged([this, lost](bool changed) {
            if (lost && !changed && AppState::optionModel)
                unselectPrinters();
        });
    }
    done(false);
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
    writeTolpoptions([this](bool written) {
        if (written)
            showAppliedMessage();
        finishApply();
    });
}

void TolDialog::updateOtherAppsPrintSettings(const QString &pageSize)
{
    // The search lists the whole home folder: the window goes on meanwhile.
    AppPrintSettingsUpdater::updateInBackground(pageSize);
}
