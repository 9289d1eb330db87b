// Apply, OK, Cancel and the lpoptions write of the main window.
#include "app/TolDialog.h"

#include "system/AppState.h"
#include "widgets/MessageBoxes.h"

bool TolDialog::writeTolpoptions()
{
    return false;
}

void TolDialog::slotButtonApply()
{
    applyOk = true;
    if (!AppState::optionModel) {
        MessageBoxes::show(QMessageBox::NoIcon, QString(), tr("Select a printer."));
        return;
    }
}

void TolDialog::accept()
{
    slotButtonApply();
    if (applyOk)
        QDialog::accept();
}

void TolDialog::reject()
{
    QDialog::reject();
}

void TolDialog::writeInstallableOptionsAsRoot() {}

void TolDialog::openPasswordPrompt(const QString &) {}

void TolDialog::commitInstallableOptions() {}

void TolDialog::updateOtherAppsPrintSettings(const QString &) {}
