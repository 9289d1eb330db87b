// The Job tab's list of custom account IDs: the list dialog works on a copy
// that becomes the tab's list only on Ok; the list is saved as one
// "CustomAccountIDStore" line per ID ("ID=description").

#include "tabs/JobTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/SharedRoutines.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TolCheckBoxButton.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>

// ---------------------------------------------------------------------------
// Ordering

JobTab::CustomAccountIdItem::CustomAccountIdItem(const QString &text)
    : QTableWidgetItem(text)
{}

JobTab::CustomAccountIdItem::~CustomAccountIdItem() = default;

bool JobTab::CustomAccountIdItem::operator<(const QTableWidgetItem &other) const
{
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    const QString mine = text();
    const QString theirs = other.text();
    if (digitsOnly.match(mine).hasMatch() && digitsOnly.match(theirs).hasMatch())
        return lessByLengthThenText(mine, theirs);
    return mine < theirs;
}

QStringList JobTab::sortedAccountIDs(const QHash<QString, QString> &ids)
{
    QStringList keys = ids.keys();
    std::sort(keys.begin(), keys.end(), lessByLengthThenText);
    return keys;
}

void JobTab::fillAccountIDCombo()
{
    accountIdCombo->clear();
    accountIdCombo->addItems(sortedAccountIDs(committedAccountIds));
}

// ---------------------------------------------------------------------------
// The list dialog

void JobTab::showCustomAccountIDDialog()
{
    workingAccountIds = committedAccountIds;
    accountListDialog->show();
}

void JobTab::loadCustomIDTable()
{
    accountTable->setRowCount(0);
    QHeaderView *header = accountTable->horizontalHeader();
    const int section = header->sortIndicatorSection();
    const Qt::SortOrder order = header->sortIndicatorOrder();
    accountTable->setSortingEnabled(false);

    const QStringList ids = sortedAccountIDs(workingAccountIds);
    for (const QString &id : ids) {
        const int row = accountTable->rowCount();
        accountTable->insertRow(row);
        accountTable->setItem(row, 0, new CustomAccountIdItem(id));
        accountTable->setItem(row, 1, new CustomAccountIdItem(workingAccountIds.value(id)));
    }

    accountTable->setSortingEnabled(true);
    accountTable->sortByColumn(section, order);
}

void JobTab::editCustomAccountID()
{
    const int row = accountTable->currentRow();
    const QTableWidgetItem *idItem = row >= 0 ? accountTable->item(row, 0) : nullptr;
    if (!idItem)
        return;
    const QTableWidgetItem *descriptionItem = accountTable->item(row, 1);

    accountEditDialog->setWindowTitle(tr("Edit Account ID"));
    accountIdField->setText(idItem->text());
    descriptionField->setText(descriptionItem ? descriptionItem->text() : QString());
    accountEditDialog->setWindowModality(Qt::WindowModal);
    accountEditDialog->show();
    loadCustomIDTable();
    checkCustomIDButtonStates();
    newAccountEntry = false;
    accountIdUnderEdit = accountIdField->text();
}

void JobTab::customAccountIDDoubleClicked(int row, int column)
{
    Q_UNUSED(row);
    Q_UNUSED(column);
    editCustomAccountID();
}

void JobTab::createNewCustomAccountID()
{
    const QString id = accountIdField->text();
    const bool renamed = !newAccountEntry && id != accountIdUnderEdit;

    if (id.isEmpty()) {
        MessageBoxes::show(QMessageBox::NoIcon, tr("Account ID Error"),
                           tr("Account ID must be 1 to 8 numbers in length"));
        return;
    }
    const bool taken = workingAccountIds.contains(id);
    if (taken && (newAccountEntry || renamed)) {
        MessageBoxes::show(QMessageBox::NoIcon, tr("Account ID Error"),
                           tr("This Account ID already exists."));
        return;
    }
    if (renamed)
        workingAccountIds.remove(accountIdUnderEdit);
    workingAccountIds.insert(id, descriptionField->text());

    loadCustomIDTable();
    checkCustomIDButtonStates();
    accountEditDialog->close();
}

void JobTab::deleteCustomAccountID()
{
    const int row = accountTable->currentRow();
    const QTableWidgetItem *idItem = row >= 0 ? accountTable->item(row, 0) : nullptr;
    if (!idItem)
        return;
    workingAccountIds.remove(idItem->text());
    loadCustomIDTable();
    checkCustomIDButtonStates();
    fillAccountIDCombo();
}

void JobTab::saveTempAccountIDs()
{
    committedAccountIds = workingAccountIds;
    accountListDialog->hide();
    fillAccountIDCombo();
}

// ---------------------------------------------------------------------------
// Reload

void JobTab::loadCustomAccountIDs()
{
    const QString savedMode = readCfgValue(QStringLiteral("TvManagment"));
    const tOption *accounting = AppState::currentOption(QStringLiteral("TvManagment"));
    if (!accounting) {
        // Another printer's IDs must not be saved under this one.
        committedAccountIds.clear();
        accountIdCombo->clear();
        return;
    }

    const QString defaultText = QStringLiteral("Default");
    QString fallback = defaultText;
    if (savedMode.isEmpty() && accounting->defaultChoice())
        fallback = accounting->defaultChoice()->keyword();
    if (savedMode != defaultText)
        accountingButton->setChecked(true);

    committedAccountIds.clear();
    accountIdEdit->clear();
    const QStringList stored = readCfgValues(QStringLiteral("CustomAccountIDStore"));
    for (const QString &entry : stored) {
        const int equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0)
            committedAccountIds.insert(entry, QString());
        else
            committedAccountIds.insert(entry.left(equals), entry.mid(equals + 1));
    }
    fillAccountIDCombo();

    const QString chosen = readCfgValue(QStringLiteral("CustomAccountID"));
    if (!chosen.isEmpty() && committedAccountIds.contains(chosen)) {
        accountingModeCombo->setCurrentIndex(1);
        accountIdCombo->setCurrentIndex(
            accountIdCombo->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive));
    } else if (!chosen.isEmpty()) {
        accountIdEdit->setText(chosen);
        accountingModeCombo->setCurrentIndex(0);
    } else if (fallback == defaultText) {
        accountingButton->setChecked(false);
        accountingModeCombo->setCurrentIndex(1);
    } else {
        QString typed = fallback;
        typed.remove(QStringLiteral("Custom."));
        typed.remove(QStringLiteral("MG"));
        accountIdEdit->setText(typed);
        accountingModeCombo->setCurrentIndex(0);
    }
    selectJobAccount();
}
