#pragma once

#include "tabs/Tab.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTableWidgetItem>

class ComboBoxEx;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QValidator;
class TolCheckBoxButton;

// The "Job" tab: job storage (with private print, custom box and their
// codes), job accounting with a per-printer list of account IDs, user login,
// the job name with its overwrite rule, and the job e-mail notice.
//
// Most of these are settings the driver reads from the settings file rather
// than PPD options, so the tab writes them through extraSettings(); the
// secrets among them (access code, box password, login name and password)
// are stored enciphered. Input errors mark the group's heading and keep the
// tab constraint-marked until mended.
class JobTab : public Tab
{
    Q_OBJECT

public:
    explicit JobTab(QWidget *parent);
    ~JobTab() override;

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

    void reload() override;
    void retranslateUi() override;

    QHash<QString, QString> collectOptionValues() override;
    OptionHash extraSettings() override;

    void clearErrorMarks() override;
    void updateCustomConstraints() override;
    void markCustomConstraints() override;
    bool isConstraintMarked() override;

    // Both columns of the account-ID table: digit-only texts sort by length
    // first, so "9" < "10"; anything else as plain text.
    class CustomAccountIdItem : public QTableWidgetItem
    {
    public:
        explicit CustomAccountIdItem(const QString &text);
        ~CustomAccountIdItem() override;
        bool operator<(const QTableWidgetItem &other) const override;
    };

    // The keys of the map, shortest first, equal lengths as text.
    static QStringList sortedAccountIDs(const QHash<QString, QString> &ids);

public slots:
    void jobEMailNotificationToggle(bool checked);
    void toggleUserLogin();
    void enableCustomJobNameSettings(int choice);
    void selectJobAccount();
    void toggleJobSettingsInput(const QString &choice);
    void toggleJobSettingsCheckBox(bool toggled);
    void checkCustomIDButtonStates();
    void showNewCustomAccountIDDialog();

    void verifyJobStorage();
    void verifyjobName();
    void verifySpecificJobAccountID();
    void verifyUserLogin();
    void verifyJobEmail();
    void verifyJobStoragePasswordLineEdit();

    void showCustomAccountIDDialog();
    void loadCustomIDTable();
    void editCustomAccountID();
    void customAccountIDDoubleClicked(int row, int column);
    void createNewCustomAccountID();
    void deleteCustomAccountID();
    void saveTempAccountIDs();

protected:
    void initTabName() override;
    void buildUi() override;

private:
    void buildStorageWidgets();
    void buildAccountingWidgets();
    void buildAccountDialogs();
    void buildJobNameAndLoginWidgets();
    void layoutDialogs();
    void layoutPage();
    void connectSignals();

    // Storage modes and feature groups.
    void updateStorageChoices();
    void enableFeatureGroups();
    void loadStorageSettings(const QString &text);
    // Display text of the collation choice "JobStorage"; empty without one.
    QString jobStorageText() const;
    void showStorageInputs(bool accessCode, bool boxInputs);

    // Saved values back into the widgets.
    void applySavedSettings();
    void applySavedEmail();
    void applySavedJobName();
    void applySavedStorage();
    void loadUserLoginSettings();
    void loadCustomAccountIDs();
    void fillAccountIDCombo();

    // Storage
    QLabel *storageHeading = nullptr;
    ComboBoxEx *storageCombo = nullptr;
    QLabel *accessCodeLabel = nullptr;
    QLineEdit *accessCodeEdit = nullptr;
    QLabel *boxNumberLabel = nullptr;
    QLineEdit *boxNumberEdit = nullptr;
    QLabel *boxPasswordLabel = nullptr;
    QLineEdit *boxPasswordEdit = nullptr;
    TolCheckBoxButton *storageButton = nullptr;

    // Accounting
    QLabel *accountingHeading = nullptr;
    QLineEdit *accountIdEdit = nullptr;
    ComboBoxEx *accountIdCombo = nullptr;
    QPushButton *accountListButton = nullptr;
    ComboBoxEx *accountingModeCombo = nullptr;
    TolCheckBoxButton *accountingButton = nullptr;

    // Account-ID list dialog and its new/edit dialog
    QDialog *accountListDialog = nullptr;
    QTableWidget *accountTable = nullptr;
    QPushButton *newAccountButton = nullptr;
    QPushButton *editAccountButton = nullptr;
    QPushButton *deleteAccountButton = nullptr;
    QDialogButtonBox *accountListButtons = nullptr;
    QDialog *accountEditDialog = nullptr;
    QLabel *accountIdFieldLabel = nullptr;
    QLineEdit *accountIdField = nullptr;
    QLabel *descriptionFieldLabel = nullptr;
    QLineEdit *descriptionField = nullptr;
    QDialogButtonBox *accountEditButtons = nullptr;

    // Job name
    QLabel *jobNameHeading = nullptr;
    QLabel *jobNameIcon = nullptr;
    ComboBoxEx *jobNameCombo = nullptr;
    QLineEdit *jobNameEdit = nullptr;
    QLabel *overwriteLabel = nullptr;
    ComboBoxEx *overwriteCombo = nullptr;

    // E-mail notice
    TolCheckBoxButton *emailButton = nullptr;
    QLabel *emailLabel = nullptr;
    QLineEdit *emailEdit = nullptr;

    // User login
    QLabel *loginNameLabel = nullptr;
    QLineEdit *loginNameEdit = nullptr;
    QLabel *loginPasswordLabel = nullptr;
    QLineEdit *loginPasswordEdit = nullptr;
    QLabel *userLoginHeading = nullptr;
    TolCheckBoxButton *userLoginButton = nullptr;

    QValidator *digitsValidator = nullptr;
    QValidator *nameValidator = nullptr;
    QValidator *passwordValidator = nullptr;
    QValidator *emailCharsValidator = nullptr;
    QValidator *descriptionValidator = nullptr;

    // Account-ID state: the edit dialog's mode and the ID it was opened
    // with; the committed IDs (ID -> description) and the list dialog's
    // working copy, adopted only on its Ok.
    bool newAccountEntry = true;
    QString accountIdUnderEdit;
    QHash<QString, QString> committedAccountIds;
    QHash<QString, QString> workingAccountIds;
};
