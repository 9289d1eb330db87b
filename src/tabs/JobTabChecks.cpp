// The Job tab's input checks: each marks its group's heading with the error
// image and the message as tool tip; while one fails the tab stays
// constraint-marked, which keeps OK, Apply and "Save As..." disabled.

#include "tabs/JobTab.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegExp>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

bool modelHas(const char *keyword)
{
    return AppState::currentOption(QLatin1String(keyword)) != nullptr;
}

// A whole address: local part with single dots, "@", a domain of labels
// joined by "-" or ".", and a top level of at least two letters. After a dot
// the local part goes on with at least one letter or digit. Written so that
// no run of characters can be split in many ways: a long local part that
// fails must not cost exponential backtracking at every keystroke.
const QRegularExpressionValidator &emailValidator()
{
    static const QRegularExpressionValidator validator(QRegularExpression(QStringLiteral(
        R"(^[a-zA-Z0-9!#$%&'*+\-\/=?^_`{|}~]+(\.[a-zA-Z0-9!#$%&'*+\-\/=?^_`{|}~]*[a-zA-Z0-9])*)"
        R"([!#$%&'*+\-\/=?^_`{|}~]*@[a-zA-Z0-9]+([-.][a-zA-Z0-9]+)*\.[a-zA-Z]{2,}$)")));
    return validator;
}

} // namespace

void JobTab::verifyJobStorage()
{
    markWidget(storageHeading, QString(), false);
    if (!storageButton->isChecked())
        return;

    const QString mode = storageCombo->currentText();
    const int codeLength = accessCodeEdit->text().length();
    const QString codeMessage = tr("Access code must be 4 numbers in length.");
    if (mode == jobStorageText() && codeLength != 0 && codeLength != 4)
        markWidget(storageHeading, codeMessage, true);
    if (mode == tr("Private print") && codeLength != 4
        && (modelHas("cPrivatePrint") || (modelHas("ePrivatePrint") && codeLength != 0)))
        markWidget(storageHeading, codeMessage, true);
    if (mode == tr("Custom box")) {
        const int box = boxNumberEdit->text().toInt();
        if (box < 1 || box > 1000)
            markWidget(storageHeading, tr("Enter a custom box number between 1 and 1000."), true);
    }
}

void JobTab::verifyjobName()
{
    const bool missing = jobNameCombo->currentIndex() != 0 && jobNameEdit->text().isEmpty();
    markWidget(jobNameHeading,
               missing
                   ? tr("The custom job name field requires a name within a 128 character limit.")
                   : QString(),
               missing);
}

void JobTab::verifySpecificJobAccountID()
{
    if (!accountingButton->isChecked()) {
        accountIdEdit->clear();
        markWidget(accountingHeading, QString(), false);
        return;
    }
    const int mode = accountingModeCombo->currentIndex();
    if (mode == 0 && accountIdEdit->text().isEmpty())
        markWidget(accountingHeading, tr("Account ID must be 1 to 8 numbers in length"), true);
    else if (mode == 1 && accountIdCombo->currentText().isEmpty())
        markWidget(accountingHeading, tr("You must add an account ID to the list."), true);
    else
        markWidget(accountingHeading, QString(), false);
}

void JobTab::verifyUserLogin()
{
    const bool on = userLoginButton->isChecked();
    const QChar quote(QLatin1Char('"'));
    if (on && (loginNameEdit->text().contains(quote) || loginPasswordEdit->text().contains(quote)))
        markWidget(userLoginHeading, tr("Value cannot contain the double quote (\") character."),
                   true);
    else if (on && loginNameEdit->text().isEmpty())
        markWidget(userLoginHeading, tr("User name must be at least one character long."), true);
    else
        markWidget(userLoginHeading, QString(), false);
}

void JobTab::verifyJobEmail()
{
    QString address = emailEdit->text();
    int position = 0;
    const bool bad = emailButton->isChecked()
                     && emailValidator().validate(address, position) != QValidator::Acceptable;
    markWidget(
        emailLabel,
        bad ? tr("Enter the e-mail address in a valid format.\nFor example: jane.doe@example.com")
            : QString(),
        bad);
}

void JobTab::verifyJobStoragePasswordLineEdit()
{
    QString code = accessCodeEdit->text();
    code.remove(QRegExp(QStringLiteral("[^0-9]")));
    // Setting an unchanged text would only throw the cursor to the end.
    if (code != accessCodeEdit->text())
        accessCodeEdit->setText(code);
}

void JobTab::markCustomConstraints()
{
    Tab::markCustomConstraints();
    verifyJobStorage();
    verifyJobEmail();
    verifyUserLogin();
    verifySpecificJobAccountID();
    verifyjobName();
}

bool JobTab::isConstraintMarked()
{
    if (!hasOptions())
        return false;

    const bool storageOn = storageButton->isChecked();
    const bool emailOn = emailButton->isChecked();
    const QString mode = storageCombo->currentText();
    const int codeLength = accessCodeEdit->text().length();

    const bool storageBad =
        storageOn
        && ((mode == tr("Custom box") && boxNumberEdit->text().isEmpty())
            || (mode == tr("Private print") && modelHas("ePrivatePrint") && codeLength != 0
                && codeLength != 4)
            || (mode == tr("Private print") && modelHas("cPrivatePrint") && codeLength != 4));
    const bool accountingBad =
        accountingButton->isChecked()
        && ((accountingModeCombo->currentIndex() == 0 && accountIdEdit->text().isEmpty())
            || (accountingModeCombo->currentIndex() == 1
                && accountIdCombo->currentText().isEmpty()));

    if ((!storageHeading->toolTip().isEmpty() && storageOn)
        || (emailOn && (!emailLabel->toolTip().isEmpty() || emailEdit->text().isEmpty()))
        || (userLoginButton->isChecked() && loginNameEdit->text().isEmpty())
        || (jobNameCombo->currentIndex() == 1 && jobNameEdit->text().trimmed().isEmpty())
        || storageBad || accountingBad)
        return true;
    return Tab::isConstraintMarked();
}
