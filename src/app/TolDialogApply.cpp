// Apply, OK, Cancel and the lpoptions write of the main window.
#include "app/TolDialog.h"

#include "dialogs/PasswordPrompt.h"
#include "model/tOptionModel.h"
#include "system/AppPrintSettingsUpdater.h"
#include "system/AppState.h"
#include "system/CupsRequests.h"
#include "system/CupsWorker.h"
#include "system/PerUserFiles.h"
#include "tabs/PrinterTab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolTabWidget.h"

#include <QCoreApplication>
#include <QTimer>

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
    // Refused as a disabled button would be: what it would write is about
    // to change, or is being written.
    if (requests->holdsOptions() || requests->isClosed())
        return;
    work.applyOk = true;
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
            // A write that ended before lpoptions brought no list.
            if (!printerTab->isListing() && printerTab->printingSystemAnswered())
                printerTab->fillPrinterTable();
            finishApply();
        },
        true);
}

void TolDialog::accept()
{
    if (requests->holdsOptions() || requests->isClosed())
        return;
    work.closeAfterApply = true;
    slotButtonApply();
}

void TolDialog::finishApply()
{
    // A write still under way (after a root write) ends the Apply later.
    if (!work.closeAfterApply || requests->isPending(CupsRequests::Write))
        return;
    work.closeAfterApply = false;
    if (work.applyOk)
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

void TolDialog::done(int result)
{
    const bool first = !requests->isClosed();
    // Nothing more is asked, and no answer but the write's is taken.
    requests->close();
    startOtherAppsUpdate();
    QDialog::done(result);
    if (!first)
        return;
    if (!requests->isPending(CupsRequests::Write)) {
        endAfterClose();
        return;
    }
    // The write goes on within its own bound: one that would succeed is
    // not lost to a shorter one.
    work.closeTimer->start(CupsRequests::writeLimitMs());
}

void TolDialog::writeEndedAfterClose(bool written, bool told)
{
    if (work.ended)
        return;
    work.closeTimer->stop();
    requests->endWrite();
    if (!written && !told)
        showWriteError();
    endAfterClose();
}

void TolDialog::endAfterClose()
{
    if (work.ended)
        return;
    work.ended = true;
    emit ended();
}

void TolDialog::writeTolpoptions(std::function<void(bool)> then, bool thenList, bool replaceable)
{
    // All the write needs, as the window shows it now: nothing the window
    // does later reaches it, and its outcome is told for this queue.
    const QString printer = AppState::optionModel->printerName();
    const QString cfgPath = AppState::perUserDirectory + printer + QStringLiteral(".cfg");
    const OptionHash values = optionCollector->collectTabOptions();
    const QString pageSize = values.value(QStringLiteral("PageSize"));
    bool known = false;
    const QStringList keywords = printerTab->lpoptionsKeywords(&known);
    requests->beginWrite(replaceable);
    // `told`: a box said already what went wrong.
    const std::function<void(bool, bool)> done = [this, then](bool written, bool told) {
        if (requests->isClosed()) {
            writeEndedAfterClose(written, told);
            return;
        }
        requests->endWrite();
        if (then)
            then(written);
        // In the user's order: after what the write had to tell.
        selectHeldRow();
    };
    // lpoptions or the PPD read failed: the names, asked again, tell why.
    // The first write of a selection writes nothing the user chose.
    const bool asked = !replaceable;
    const auto failed = [this, done, printer, asked]() {
        if (requests->isClosed()) {
            done(false, false);
            return;
        }
        requests->askNamesForWrite([this, done, printer, asked](const CupsNamesAnswer &answer) {
            if (requests->isClosed()) {
                done(false, false);
                return;
            }
            writeFailed(answer, printer, false, asked);
            done(false, true);
        });
    };

    requests->askNamesForWrite([=](const CupsNamesAnswer &answer) {
        // From here on the write is made whatever row is chosen.
        requests->writeCommitted();
        if (!answer.answered || !answer.names.contains(printer)) {
            if (!requests->isClosed())
                writeFailed(answer, printer, true, asked);
            done(false, !requests->isClosed());
            return;
        }

        if (!writeCfgFile(cfgPath, values, true)) {
            MessageBoxes::show(QMessageBox::NoIcon, tr("Error"),
                               tr("The settings could not be saved."));
            done(false, true);
            return;
        }

        auto write = [=](const QStringList &keywords) {
            QList<QPair<QString, QString>> options;
            for (const QString &keyword : keywords) {
                const QString value = values.value(keyword);
                if (!value.isEmpty())
                    options.append(qMakePair(keyword, value));
            }
            // None once the window has closed.
            std::function<void(const PrinterListAnswer &)> listed;
            if (thenList)
                listed = printerTab->refillAfterWrite();
            requests->writeLpoptions(
                printer, options,
                [=](bool written) {
                    if (!written) {
                        failed();
                        return;
                    }
                    updateOtherAppsPrintSettings(pageSize);
                    done(true, false);
                },
                listed);
        };
        // The selection read the PPD already; only a model from elsewhere
        // needs a fetch.
        if (known) {
            write(keywords);
            return;
        }
        requests->writeKeywords(printer, [=](const PpdKeywordsAnswer &ppd) {
            if (ppd.read)
                write(ppd.keywords);
            else
                failed();
        });
    });
}

void TolDialog::writeFailed(const CupsNamesAnswer &answer, const QString &printer, bool lost,
                            bool asked)
{
    // A CUPS that stopped answering is told as such, not as a lost printer.
    if (!answer.answered) {
        printingSystemNotAnswering(asked);
        return;
    }
    showWriteError();
    tabWidget->setCurrentIndex(0);
    // The printer check says so now, also while a refill is on its way.
    if (lost && AppState::optionModel && AppState::optionModel->printerName() == printer)
        selectedPrinterGone();
    else
        checkPrintersChanged();
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
    work.otherAppsPageSize = pageSize;
    work.otherAppsDue = true;
    startOtherAppsUpdate();
}

void TolDialog::startOtherAppsUpdate(bool now)
{
    // Starting the search forks the whole program, which would hold up
    // what the user waits for (the refill after Apply, a selection): it
    // starts once that has been answered, or at the close.
    if (!work.otherAppsDue || (requests->awaitsAnswer() && !requests->isClosed() && !now))
        return;
    work.otherAppsDue = false;
    // The search lists the whole home folder: the window goes on meanwhile.
    AppPrintSettingsUpdater::updateInBackground(work.otherAppsPageSize);
}
