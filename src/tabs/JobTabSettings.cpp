// The Job tab's values: what it hands over for lpoptions and the settings
// file, the further settings it saves (secrets enciphered), and how saved
// values come back into the page at every reload.

#include "tabs/JobTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>

namespace {

const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");
const QString offText = QStringLiteral("off");

QString saved(const char *key)
{
    return readCfgValue(QLatin1String(key));
}

// The stored hex form; empty only when enciphering failed.
QString storedSecret(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return encryptPassword(doubled);
}

// What a stored hex form holds; empty when it does not decipher.
QString readSecret(const QString &stored)
{
    const QString plain = decryptPassword(stored);
    return plain.isNull() ? QString() : unescapeBackslashes(plain);
}

// Up to the first NUL, as the driver reads it.
QString untilNul(const QString &text)
{
    return QString::fromUtf8(text.toUtf8().constData());
}

void selectText(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

// ---------------------------------------------------------------------------
// Collecting

QHash<QString, QString> JobTab::collectOptionValues()
{
    optionValues.clear();
    const QString mode = storageCombo->currentText();
    const bool storageModeShown = (!mode.isEmpty() && mode == jobStorageText())
                                  || mode == tr("Private print") || mode == tr("Custom box");

    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        // These modes are no PPD choices; extraSettings() writes them.
        if (it.value() == storageCombo && storageModeShown)
            continue;
        tOption *option = AppState::currentOption(it.key());
        if (!option)
            continue;
        const QString value = widgetValue(it.value(), option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }

    optionValues.insert(QStringLiteral("JobDate"),
                        overwriteCombo->currentText() == tr("Replace existing file")
                            ? QStringLiteral("false")
                            : QStringLiteral("true"));

    for (const TolCheckBoxButton *button : qAsConst(checkButtons)) {
        if (button->isChecked())
            continue;
        const QList<QWidget *> dependents = button->dependents();
        for (QWidget *dependent : dependents) {
            const QString keyword = optionWidgets.key(dependent);
            const tOption *option = keyword.isEmpty() || !AppState::optionModel
                                        ? nullptr
                                        : AppState::optionModel->option(keyword);
            if (option && !option->choices().isEmpty())
                optionValues.insert(keyword, option->choices().first()->keyword());
        }
    }

    optionValues.insert(QStringLiteral("Email"),
                        emailButton->isChecked() ? emailEdit->text() : offText);
    if (jobNameCombo->currentText() != tr("Custom"))
        optionValues.insert(QStringLiteral("JobName"), offText);
    return optionValues;
}

OptionHash JobTab::extraSettings()
{
    OptionHash extra;
    extra.insert(QStringLiteral("EMailNotification"),
                 emailButton->isChecked() ? emailEdit->text() : offText);

    if (jobNameCombo->currentText() == tr("Custom"))
        extra.insert(QStringLiteral("CustomJobName"), untilNul(jobNameEdit->text()));
    if (overwriteCombo->currentText() == tr("Replace existing file")) {
        extra.insert(QStringLiteral("ReplaceJob"), QStringLiteral("true"));
        extra.insert(QStringLiteral("JobDate"), QStringLiteral("false"));
    }

    if (storageButton->isChecked()) {
        const QString mode = storageCombo->currentText();
        const auto addAccessCode = [this, &extra]() {
            if (accessCodeEdit->text().length() != 4)
                return;
            const QString secret = storedSecret(accessCodeEdit->text());
            if (!secret.isEmpty())
                extra.insert(QStringLiteral("AccessCode"), secret);
        };
        if (mode == jobStorageText()) {
            extra.insert(QStringLiteral("JobStorage"), trueText);
            extra.insert(QStringLiteral("TCCollate1"), QStringLiteral("JobStorage"));
            addAccessCode();
        } else if (mode == tr("Private print")) {
            extra.insert(QStringLiteral("PrivatePrint"), trueText);
            extra.insert(QStringLiteral("TCCollate1"), QStringLiteral("Custom1"));
            addAccessCode();
        } else if (mode == tr("Custom box")) {
            QString box = boxNumberEdit->text();
            if (box.length() < 4) {
                box = box.rightJustified(4, QLatin1Char('0'));
                boxNumberEdit->setText(box);
            }
            extra.insert(QStringLiteral("CustomBox"), box);
            extra.insert(QStringLiteral("TCCollate1"), QStringLiteral("Custom2"));
            if (boxPasswordEdit->text().isEmpty()) {
                extra.insert(QStringLiteral("CustomBoxPassword"), QString(QLatin1String("")));
            } else {
                const QString secret = storedSecret(boxPasswordEdit->text());
                if (!secret.isEmpty())
                    extra.insert(QStringLiteral("CustomBoxPassword"), secret);
            }
        }
    }

    if (AppState::currentOption("TvManagment")) {
        if (!accountingButton->isEnabled() || !accountingButton->isChecked()) {
            extra.insert(QStringLiteral("TvManagment"), QStringLiteral("Default"));
        } else {
            QString chosen;
            if (accountingModeCombo->currentIndex() == 0)
                chosen = accountIdEdit->text();
            else if (accountingModeCombo->currentIndex() == 1)
                chosen = accountIdCombo->currentText();
            if (!chosen.isEmpty()) {
                extra.insert(QStringLiteral("CustomAccountID"), chosen);
                extra.insert(QStringLiteral("TvManagment"), chosen);
            }
        }
    }

    for (auto it = committedAccountIds.cbegin(); it != committedAccountIds.cend(); ++it)
        extra.insert(QStringLiteral("CustomAccountIDStore"),
                     it.key() + QLatin1Char('=') + it.value());

    if (userLoginButton->isChecked()) {
        extra.insert(QStringLiteral("UserLogin"), trueText);
        for (const auto &pair : {qMakePair(QStringLiteral("UserLoginName"), loginNameEdit),
                                 qMakePair(QStringLiteral("UserLoginPass"), loginPasswordEdit)}) {
            const QString secret = storedSecret(pair.second->text());
            if (!secret.isEmpty())
                extra.insert(pair.first, secret);
        }
    } else {
        extra.insert(QStringLiteral("UserLogin"), falseText);
    }
    return extra;
}

// ---------------------------------------------------------------------------
// Reloading

void JobTab::reload()
{
    setOptionSignalsBlocked(true);
    accountingModeCombo->blockSignals(true);
    jobNameCombo->blockSignals(true);

    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    refreshOptionLabels();
    loadOptionValues();
    updateStorageChoices();
    enableFeatureGroups();
    applySavedSettings();
    loadCustomAccountIDs();
    loadUserLoginSettings();
    applyAllWidgets();
    verifyJobEmail();
    // 200 pixels at least, but never less than the longest item; measured
    // once the window's style sheet applies.
    overwriteCombo->ensurePolished();
    overwriteCombo->setMinimumWidth(qMax(200, overwriteCombo->minimumSizeHint().width()));

    jobNameCombo->blockSignals(false);
    accountingModeCombo->blockSignals(false);
    setOptionSignalsBlocked(false);
}

void JobTab::applySavedSettings()
{
    applySavedEmail();
    applySavedJobName();
    applySavedStorage();
}

void JobTab::applySavedEmail()
{
    const auto emailOff = [this]() {
        emailButton->setChecked(false);
        emailEdit->setEnabled(false);
        emailEdit->clear();
    };
    const auto emailOn = [this](const QString &address) {
        emailButton->setChecked(true);
        emailEdit->setEnabled(true);
        emailEdit->setText(address);
    };

    tOption *email = AppState::currentOption("cEmail");
    if (!email) {
        emailOff();
    } else {
        AppState::optionModel->setCurrentChoice(QStringLiteral("cEmail"),
                                                saved("cEmail") == trueText ? trueText : falseText);
        const tChoice *choice = email->currentChoice();
        const QString notice = saved("EMailNotification");
        if (!choice) {
            emailOff();
        } else if (!notice.isEmpty() && notice != falseText && notice != offText) {
            emailOn(notice);
        } else if (choice->keyword() != offText && choice->keyword() != falseText
                   && notice.isEmpty()) {
            emailOn(QString(choice->keyword()).remove(QStringLiteral("Custom.")));
        } else {
            emailOff();
        }
    }
    verifyJobEmail();
}

void JobTab::applySavedJobName()
{
    const QString savedName = saved("CustomJobName");
    const QString savedDate = saved("JobDate");
    const tOption *jobName = AppState::currentOption("JobName");

    if (!savedName.isEmpty()) {
        selectText(jobNameCombo, tr("Custom"));
        jobNameEdit->setText(untilNul(savedName));
        jobNameEdit->setEnabled(true);
    } else if (jobName && jobName->defaultChoice() && jobName->defaultValueString() != offText
               && savedDate.isEmpty()) {
        // A PPD default of "Custom.<name>" presets the name.
        selectText(jobNameCombo, tr("Custom"));
        jobNameEdit->setText(jobName->defaultValueString().mid(7));
        jobNameEdit->setEnabled(true);
    } else {
        selectText(jobNameCombo, tr("Application defined"));
        jobNameEdit->clear();
        jobNameEdit->setEnabled(false);
    }

    bool replace = false;
    if (!savedDate.isEmpty()) {
        replace = savedDate == QLatin1String("false");
    } else {
        const tOption *jobDate = AppState::currentOption("JobDate");
        replace = jobDate && jobDate->defaultValueString() == QLatin1String("false");
    }
    selectText(overwriteCombo,
               replace ? tr("Replace existing file") : tr("Use job name + date and time"));
}

void JobTab::applySavedStorage()
{
    updateStorageChoices();

    if (const tOption *collate = AppState::currentOption("TCCollate1")) {
        const QString byDefault = collate->defaultValueString();
        const int index =
            storageCombo->findText(byDefault, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0 && saved("TCCollate1").isEmpty()) {
            storageCombo->setCurrentIndex(index);
            storageButton->setChecked(true);
        }
    }
    if (!saved("JobStorage").isEmpty())
        selectText(storageCombo, jobStorageText());
    if (!saved("PrivatePrint").isEmpty())
        selectText(storageCombo, tr("Private print"));

    // Inputs with nothing saved are emptied, so that no code typed for
    // another printer or profile is saved under this one.
    const QString accessCode = saved("AccessCode");
    if (accessCode.isEmpty()) {
        accessCodeEdit->clear();
    } else {
        // Older files may hold the code in clear.
        QRegExpValidator fourDigits(QRegExp(QStringLiteral("[0-9]{4}")));
        QString code = accessCode;
        int position = 0;
        if (fourDigits.validate(code, position) == QValidator::Acceptable)
            accessCodeEdit->setText(accessCode);
        else
            accessCodeEdit->setText(readSecret(accessCode));
    }

    const QString box = saved("CustomBox");
    const int customBox =
        storageCombo->findText(tr("Custom box"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!box.isEmpty() && customBox >= 0) {
        storageCombo->setCurrentIndex(customBox);
        boxNumberEdit->setText(box);
    } else {
        boxNumberEdit->clear();
    }
    const QString boxPassword = saved("CustomBoxPassword");
    boxPasswordEdit->setText(boxPassword.isEmpty() ? QString() : readSecret(boxPassword));

    loadStorageSettings(storageCombo->currentText());
}

void JobTab::loadUserLoginSettings()
{
    QWidget *const parts[] = {userLoginHeading, loginNameLabel, loginNameEdit, loginPasswordLabel,
                              loginPasswordEdit};
    if (!AppState::currentOption("cUserLogin")) {
        userLoginButton->setEnabled(false);
        userLoginButton->setChecked(false);
        for (QWidget *part : parts)
            part->setEnabled(false);
        loginNameEdit->clear();
        loginPasswordEdit->clear();
        return;
    }

    userLoginButton->setEnabled(true);
    userLoginButton->setChecked(false);
    userLoginHeading->setEnabled(true);
    loginNameEdit->setEnabled(true);
    loginNameEdit->clear();
    loginPasswordEdit->setEnabled(true);
    loginPasswordEdit->clear();

    const QString name = saved("UserLoginName");
    if (!name.isEmpty()) {
        userLoginButton->setChecked(true);
        loginNameEdit->setText(readSecret(name));
    } else {
        loginNameEdit->setEnabled(false);
        loginNameEdit->clear();
        loginNameLabel->setEnabled(false);
    }
    const QString password = saved("UserLoginPass");
    if (!password.isEmpty()) {
        loginPasswordEdit->setText(readSecret(password));
    } else {
        loginPasswordEdit->clear();
        loginPasswordEdit->setEnabled(false);
        loginPasswordLabel->setEnabled(false);
    }
}
