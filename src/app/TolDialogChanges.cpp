// Constraint pass, printer and profile changes of the main window.
#include "app/TolDialog.h"

#include "system/AppState.h"

void TolDialog::setConstraints()
{
    if (!AppState::optionModel)
        return;
}

void TolDialog::profileChanged()
{
    if (!AppState::optionModel)
        return;
}

void TolDialog::printerChanged(int row, int, int previousRow, int)
{
    if (row == previousRow)
        return;
}

void TolDialog::unselectPrinters()
{
    AppState::optionModel = nullptr;
}

bool TolDialog::checkPrintersChanged()
{
    return false;
}

void TolDialog::toggleColorMode() {}

void TolDialog::togglePublishingFronAndBackLabel() {}
