// The Job tab's page behaviour: which storage modes are offered, which
// inputs each mode shows, and the slots that enable and clear inputs.

#include "tabs/JobTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

const Qt::MatchFlags exactly = Qt::MatchExactly | Qt::MatchCaseSensitive;

// The storage list holds the PPD's texts of "TCCollate1".
const QString storageKeyword = QStringLiteral("TCCollate1");
const ChoiceKey proofAndHoldChoice {{QStringLiteral("ProofAndHold")},
                                    QStringLiteral("Proof and hold")};

// Takes the entry out of the combo, first moving off it when it is current.
void removeEntry(QComboBox *combo, const QString &text)
{
    if (combo->currentText() == text)
        combo->setCurrentIndex(0);
    const int index = combo->findText(text, exactly);
    if (index >= 0)
        combo->removeItem(index);
}

void appendEntry(QComboBox *combo, const QString &text)
{
    if (combo->findText(text, exactly) < 0)
        combo->addItem(text);
}

} // namespace

QString JobTab::jobStorageText() const
{
    const tOption *collate = AppState::currentOption("TCCollate1");
    const tChoice *choice = collate ? collate->findChoice(QStringLiteral("JobStorage")) : nullptr;
    return choice ? choice->text() : QString();
}

void JobTab::showStorageInputs(bool accessCode, bool boxInputs)
{
    accessCodeLabel->setVisible(accessCode);
    accessCodeEdit->setVisible(accessCode);
    for (QWidget *widget :
         {static_cast<QWidget *>(boxNumberLabel), static_cast<QWidget *>(boxNumberEdit),
          static_cast<QWidget *>(boxPasswordLabel), static_cast<QWidget *>(boxPasswordEdit)})
        widget->setVisible(boxInputs);
}

void JobTab::updateStorageChoices()
{
    const QString privatePrint = tr("Private print");
    const QString customBox = tr("Custom box");

    if (!AppState::currentOption("TCCollate1")) {
        removeEntry(storageCombo, privatePrint);
        removeEntry(storageCombo, customBox);
        return;
    }
    const tOption *option18 = AppState::currentOption("Option18");
    const tChoice *output = option18 ? option18->currentChoice() : nullptr;
    if (!output)
        return;

    if (AppState::currentOption("ePrivatePrint") || AppState::currentOption("cPrivatePrint")) {
        if (output->keyword() == QLatin1String("None"))
            removeEntry(storageCombo, privatePrint);
        else
            appendEntry(storageCombo, privatePrint);
    }
    if (AppState::currentOption("cCustomBox")) {
        if (output->keyword() == QLatin1String("SSDrive")
            || output->keyword() == QLatin1String("HardDisk"))
            appendEntry(storageCombo, customBox);
        else
            removeEntry(storageCombo, customBox);
    }
}

void JobTab::toggleJobSettingsInput(const QString &choice)
{
    if (choice == jobStorageText() || choice == tr("Private print")) {
        showStorageInputs(true, false);
        accessCodeEdit->clear();
    } else if (choice == tr("Custom box")) {
        showStorageInputs(false, true);
        boxPasswordEdit->clear();
        boxNumberEdit->clear();
    } else {
        showStorageInputs(false, false);
    }
}

void JobTab::toggleJobSettingsCheckBox(bool toggled)
{
    if (toggled)
        return;
    const QSignalBlocker blocker(storageCombo);
    const int proofAndHold = storageCombo->findText(
        choiceText(storageKeyword, proofAndHoldChoice, tr("Proof and hold")), exactly);
    storageCombo->setCurrentIndex(proofAndHold >= 0 ? proofAndHold : 0);
    if (AppState::optionModel)
        AppState::optionModel->setCurrentChoice(QStringLiteral("TCCollate1"),
                                                QStringLiteral("None"));
    toggleJobSettingsInput(storageCombo->currentText());
}

void JobTab::loadStorageSettings(const QString &text)
{
    bool on = false;
    if (const tOption *collate = AppState::currentOption("TCCollate1")) {
        storageButton->setEnabled(true);
        const QString savedSwitch = readCfgValue(QStringLiteral("cJobStore"));
        const QString byDefault =
            collate->defaultChoice() ? collate->defaultChoice()->keyword() : QString();
        if (!savedSwitch.isEmpty()) {
            // The user's own switch, saved with the mode: it wins over the
            // PPD default, so a stored mode such as "Proof and hold" survives.
            on = savedSwitch == QLatin1String("True");
        } else if (byDefault == QLatin1String("None")
                   || (byDefault.isEmpty()
                       && readCfgValue(QStringLiteral("TCCollate1")) == QLatin1String("None"))) {
            // Only a saved storage mode switches storage on; the entry the
            // list happens to show after losing "None" does not.
            on = !readCfgValue(QStringLiteral("JobStorage")).isEmpty()
                 || !readCfgValue(QStringLiteral("PrivatePrint")).isEmpty()
                 || !readCfgValue(QStringLiteral("CustomBox")).isEmpty();
        } else {
            on = true;
        }
    } else {
        storageButton->setEnabled(false);
    }
    storageButton->setChecked(on);

    if (!on) {
        const int proofAndHold = storageCombo->findText(
            choiceText(storageKeyword, proofAndHoldChoice, tr("Proof and hold")), exactly);
        if (proofAndHold >= 0)
            storageCombo->setCurrentIndex(proofAndHold);
        showStorageInputs(false, false);
    } else if ((!text.isEmpty() && text == jobStorageText()) || text == tr("Private print")) {
        showStorageInputs(true, false);
    } else if (text == tr("Custom box")) {
        showStorageInputs(false, true);
    } else {
        showStorageInputs(false, false);
    }
}

void JobTab::enableFeatureGroups()
{
    const bool email = AppState::currentOption("cEmail") != nullptr;
    for (QWidget *widget : {static_cast<QWidget *>(emailButton), static_cast<QWidget *>(emailEdit),
                            static_cast<QWidget *>(emailLabel)})
        widget->setEnabled(email);

    const bool jobName = AppState::currentOption("cJobName") != nullptr;
    for (QWidget *widget :
         {static_cast<QWidget *>(jobNameCombo), static_cast<QWidget *>(jobNameHeading),
          static_cast<QWidget *>(jobNameIcon), static_cast<QWidget *>(overwriteCombo),
          static_cast<QWidget *>(overwriteLabel)})
        widget->setEnabled(jobName);

    if (AppState::currentOption("TvManagment")) {
        accountingButton->setEnabled(true);
    } else {
        accountingButton->setChecked(false);
        accountingButton->setEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// Small slots

void JobTab::jobEMailNotificationToggle(bool checked)
{
    emailEdit->setEnabled(checked);
    emailEdit->clear();
}

void JobTab::toggleUserLogin()
{
    if (userLoginButton->isChecked())
        return;
    loginNameEdit->clear();
    loginPasswordEdit->clear();
}

void JobTab::enableCustomJobNameSettings(int choice)
{
    if (choice == 1) {
        jobNameEdit->setEnabled(true);
    } else {
        jobNameEdit->setEnabled(false);
        jobNameEdit->clear();
    }
}

void JobTab::selectJobAccount()
{
    const bool specific = accountingModeCombo->currentIndex() == 0;
    accountIdEdit->setVisible(specific);
    accountIdCombo->setVisible(!specific);
    accountListButton->setVisible(!specific);
    if (!specific)
        accountIdEdit->clear();
}

void JobTab::checkCustomIDButtonStates()
{
    const bool rowChosen = accountTable->currentRow() >= 0 && accountTable->rowCount() > 0;
    editAccountButton->setEnabled(rowChosen);
    deleteAccountButton->setEnabled(rowChosen);
}

void JobTab::showNewCustomAccountIDDialog()
{
    accountEditDialog->setWindowTitle(tr("New Account ID"));
    accountIdField->setEnabled(true);
    accountIdField->clear();
    descriptionField->clear();
    accountEditDialog->setWindowModality(Qt::WindowModal);
    accountEditDialog->setFixedSize(300, 165);
    accountEditDialog->adjustSize();
    accountEditDialog->show();
    newAccountEntry = true;
    accountIdUnderEdit.clear();
}
