#include "tabs/JobTab.h"

#include "tabs/TabOwner.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/ErrorMark.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolCheckBoxButton.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

const QString noDefault = QStringLiteral("no_default");

// Validators filter while typing, so these admit incomplete input: the name
// pattern keeps out double quotes and a leading blank, the password pattern
// double quotes, the e-mail pattern anything outside an address's characters.
// The names and the account-ID description also keep out control
// characters: the job name and the description are saved as lines of a
// settings file, where a pasted line break would start a line of its own.
const char *const digitsPattern = "[0-9]*";
const char *const namePattern = "^[^\" \\x0000-\\x001f\\x007f][^\"\\x0000-\\x001f\\x007f]{255}$";
const char *const passwordPattern = "^[^\"]+$";
const char *const emailCharsPattern = "[A-Za-z0-9.!#$%&'*+\\-\\/=?^_`{|}~@]{128}";
const char *const descriptionPattern = "[^\\x0000-\\x001f\\x007f]{,31}";

const char *const pageStyle = "QLineEdit:disabled{background-color: rgba(204, 204, 204, 100) }";

// The translators write "\n" where a long label may break.
QString richLabel(const QString &text, const QString &suffix)
{
    QString shown = text;
    shown.replace(QLatin1String("\\n"), QLatin1String("<br>"));
    shown.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<font>") + shown + suffix + QStringLiteral("</font>");
}

void clearWindowHints(QDialog *dialog)
{
    dialog->setWindowFlags(dialog->windowFlags()
                           & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                               | Qt::WindowContextHelpButtonHint));
}

QLabel *namedLabel(const QString &text, const char *name)
{
    auto *label = new QLabel(text);
    label->setAccessibleName(QLatin1String(name));
    return label;
}

QLineEdit *namedEdit(const char *name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setAccessibleName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

JobTab::JobTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    layoutDialogs();
    layoutPage();
    accountIdEdit->hide();
    accountIdCombo->hide();
    accountListButton->hide();
    connectSignals();
}

JobTab::~JobTab() = default;

// ---------------------------------------------------------------------------
// Names and icons

void JobTab::initTabName()
{
    tabName = tr("Job");
    getTabName();
}

QIcon JobTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-job"));
}

QIcon JobTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-job-constraint"));
}

bool JobTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}

// ---------------------------------------------------------------------------
// Widgets

void JobTab::buildUi()
{
    digitsValidator = new QRegExpValidator(QRegExp(QLatin1String(digitsPattern)), this);
    nameValidator = new QRegExpValidator(QRegExp(QLatin1String(namePattern)), this);
    passwordValidator = new QRegExpValidator(QRegExp(QLatin1String(passwordPattern)), this);
    emailCharsValidator = new QRegExpValidator(QRegExp(QLatin1String(emailCharsPattern)), this);
    descriptionValidator = new QRegExpValidator(QRegExp(QLatin1String(descriptionPattern)), this);

    buildStorageWidgets();
    buildAccountingWidgets();
    buildAccountDialogs();
    buildJobNameAndLoginWidgets();

    setStyleSheet(styleSheet() + QLatin1String(pageStyle));
    tabName = tr("Job");

    addOptionWidget(QStringLiteral("TCCollate1"), storageCombo);
    addOptionWidget(QStringLiteral("cJobStore"), storageButton);
    addOptionWidget(QStringLiteral("cJobAccount"), accountingButton);
    addOptionWidget(QStringLiteral("cJACLE"), accountIdEdit);
    addOptionWidget(QStringLiteral("cUserLogin"), userLoginButton);
    addOptionWidget(QStringLiteral("cJULE"), loginNameEdit);
    addOptionWidget(QStringLiteral("cJPLE"), loginPasswordEdit);
    addOptionWidget(QStringLiteral("cEmail"), emailButton);
    addOptionWidget(QStringLiteral("cJELE"), emailEdit);
    addLabelWidget(QStringLiteral("TCCollate1"), storageHeading);
    addLabelWidget(QStringLiteral("TvManagment"), accountingHeading);

    addCheckButton(storageButton);
    addCheckButton(accountingButton);

    storageButton->addDependent(storageCombo, tr("None"),
                                {{QStringLiteral("None")}, QStringLiteral("None")});
    for (QWidget *input :
         {static_cast<QWidget *>(accessCodeLabel), static_cast<QWidget *>(accessCodeEdit),
          static_cast<QWidget *>(boxNumberLabel), static_cast<QWidget *>(boxNumberEdit),
          static_cast<QWidget *>(boxPasswordLabel), static_cast<QWidget *>(boxPasswordEdit)})
        storageButton->addDependent(input, noDefault);
    for (QWidget *input :
         {static_cast<QWidget *>(accountingModeCombo), static_cast<QWidget *>(accountIdEdit),
          static_cast<QWidget *>(accountIdCombo), static_cast<QWidget *>(accountListButton)})
        accountingButton->addDependent(input, noDefault);
    for (QWidget *input :
         {static_cast<QWidget *>(loginNameLabel), static_cast<QWidget *>(loginNameEdit),
          static_cast<QWidget *>(loginPasswordLabel), static_cast<QWidget *>(loginPasswordEdit)})
        userLoginButton->addDependent(input, noDefault);
}

void JobTab::buildStorageWidgets()
{
    storageHeading = namedLabel(tr("Job settings") + QStringLiteral(":"), "lblTCCollate1");
    storageCombo = new ComboBoxEx;
    // Wider only where a larger font or a longer translation needs it.
    storageCombo->setMinimumWidth(180);

    accessCodeLabel = namedLabel(tr("Access code") + QStringLiteral(":"), "lblAccesCodeLabel");
    accessCodeEdit = namedEdit("lnEditJobStorage", 4);
    accessCodeEdit->setEchoMode(QLineEdit::Password);

    boxNumberLabel = namedLabel(tr("Box number") + QStringLiteral(":"), "lblBoxNumber");
    boxNumberEdit = namedEdit("lnEditBoxNumber", 4);
    boxNumberEdit->setValidator(digitsValidator);

    boxPasswordLabel = namedLabel(tr("Password") + QStringLiteral(":"), "lblBoxPassword");
    boxPasswordEdit = namedEdit("lnEditBoxPassword", 16);
    boxPasswordEdit->setEchoMode(QLineEdit::Password);

    storageButton = new TolCheckBoxButton(nullptr, QStringLiteral("storage"),
                                          IconCache::icon(QStringLiteral(":/icons/storage")));
    storageButton->setAccessibleName(QStringLiteral("chkButTCCollate1"));
}

void JobTab::buildAccountingWidgets()
{
    accountingHeading = namedLabel(tr("Job accounting") + QStringLiteral(":"), "lblTvManagment");

    accountIdEdit = namedEdit("lnEditAccountID", 8);
    accountIdEdit->setValidator(digitsValidator);

    accountIdCombo = new ComboBoxEx;
    accountIdCombo->setAccessibleName(QStringLiteral("cmbBxAccountID"));
    accountIdCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    accountListButton = new QPushButton(tr("Account ID List"));
    accountListButton->setAccessibleName(QStringLiteral("butAccountID"));

    accountingModeCombo = new ComboBoxEx;
    accountingModeCombo->setAccessibleName(QStringLiteral("cmbBxTvManagment"));
    accountingModeCombo->addItem(tr("Use specific account ID"));
    accountingModeCombo->addItem(tr("Select account ID"));

    accountingButton = new TolCheckBoxButton(nullptr, QStringLiteral("accounting"),
                                             IconCache::icon(QStringLiteral(":/icons/accounting")));
    accountingButton->setAccessibleName(QStringLiteral("chkButTvManagment"));
}

void JobTab::buildAccountDialogs()
{
    accountListDialog = new QDialog(this);
    accountListDialog->setWindowTitle(tr("Account ID"));
    accountListDialog->setFixedSize(400, 200);
    accountListDialog->setWindowModality(Qt::WindowModal);

    accountTable = new QTableWidget(0, 2);
    accountTable->setAccessibleName(QStringLiteral("tblCustomAccountID"));
    accountTable->setHorizontalHeaderLabels({tr("Account ID"), tr("Description")});
    accountTable->setColumnWidth(0, 143);
    accountTable->setColumnWidth(1, 142);
    accountTable->verticalHeader()->hide();
    accountTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    accountTable->setSelectionMode(QAbstractItemView::SingleSelection);
    accountTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    accountTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    accountTable->horizontalHeader()->setStretchLastSection(true);
    accountTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    accountTable->setStyleSheet(ErrorMark::toolTipStyle);
    accountTable->setSortingEnabled(true);
    accountTable->sortByColumn(0, Qt::AscendingOrder);
    accountTable->setTabKeyNavigation(false);

    newAccountButton = new QPushButton(tr("New"));
    newAccountButton->setAccessibleName(QStringLiteral("butNewCustomAccountID"));
    editAccountButton = new QPushButton(tr("Edit"));
    editAccountButton->setAccessibleName(QStringLiteral("butEditCustomAccountID"));
    deleteAccountButton = new QPushButton(tr("Delete"));
    deleteAccountButton->setAccessibleName(QStringLiteral("butDeleteCustomAccountID"));
    accountListButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    accountListButtons->setAccessibleName(QStringLiteral("butBoxCustomAccountID"));

    accountEditDialog = new QDialog(accountListDialog);
    accountIdFieldLabel = new QLabel(tr("Account ID:"));
    accountIdField = new QLineEdit;
    accountIdField->setMaxLength(8);
    accountIdField->setValidator(digitsValidator);
    descriptionFieldLabel = new QLabel(tr("Description:"));
    descriptionField = new QLineEdit;
    descriptionField->setValidator(descriptionValidator);
    accountEditButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void JobTab::buildJobNameAndLoginWidgets()
{
    jobNameHeading = namedLabel(tr("Job name") + QStringLiteral(":"), "lblJobName");
    jobNameIcon = new QLabel;
    jobNameIcon->setAccessibleName(QStringLiteral("iconJobName"));
    jobNameIcon->setPixmap(QPixmap(QStringLiteral(":/icons/name")));

    jobNameCombo = new ComboBoxEx;
    jobNameCombo->setAccessibleName(QStringLiteral("cmbBxJobName"));
    jobNameCombo->addItem(tr("Application defined"));
    jobNameCombo->addItem(tr("Custom"));

    jobNameEdit = namedEdit("lnEditJobName", 128);
    jobNameEdit->setValidator(nameValidator);

    overwriteLabel = namedLabel(richLabel(tr("Overwrite job name:"), QString()), "lblOverwrite");
    overwriteLabel->setTextFormat(Qt::RichText);
    overwriteCombo = new ComboBoxEx;
    overwriteCombo->setAccessibleName(QStringLiteral("cmbBxOverwrite"));
    overwriteCombo->addItem(tr("Use job name + date and time"));
    overwriteCombo->addItem(tr("Replace existing file"));
    overwriteCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    overwriteCombo->setMinimumWidth(200);

    emailButton = new TolCheckBoxButton(nullptr, QStringLiteral("email"),
                                        IconCache::icon(QStringLiteral(":/icons/email")));
    emailButton->setAccessibleName(QStringLiteral("chkButJobEmail"));
    emailLabel =
        namedLabel(richLabel(tr("Job e-mail notification"), QStringLiteral(":")), "lblJobEmail");
    emailLabel->setTextFormat(Qt::RichText);
    emailEdit = namedEdit("lnEditJobEmail", 0);
    emailEdit->setValidator(emailCharsValidator);

    loginNameLabel = namedLabel(tr("Name:"), "lblLoginUserName");
    loginNameEdit = namedEdit("lnEditLoginUserName", 256);
    loginNameEdit->setValidator(nameValidator);
    loginPasswordLabel = namedLabel(tr("Password:"), "lblLoginPassword");
    loginPasswordEdit = namedEdit("lnEditLoginPassword", 256);
    loginPasswordEdit->setEchoMode(QLineEdit::Password);
    loginPasswordEdit->setValidator(passwordValidator);

    userLoginHeading = namedLabel(tr("User Login") + QStringLiteral(":"), "lblUserLogin");
    userLoginButton = new TolCheckBoxButton(nullptr, QStringLiteral("login"),
                                            IconCache::icon(QStringLiteral(":/icons/user")));
    userLoginButton->setAccessibleName(QStringLiteral("chkButUserLogin"));
}

// ---------------------------------------------------------------------------
// Layout

void JobTab::layoutDialogs()
{
    auto *listGrid = new QGridLayout(accountListDialog);
    listGrid->addWidget(newAccountButton, 0, 2);
    listGrid->addWidget(editAccountButton, 1, 2);
    listGrid->addWidget(deleteAccountButton, 2, 2);
    listGrid->addWidget(accountTable, 0, 0, 4, 2);
    listGrid->addWidget(accountListButtons, 4, 1, 1, 2);
    listGrid->setRowStretch(4, 1);
    clearWindowHints(accountListDialog);
    accountListDialog->setWindowModality(Qt::WindowModal);

    auto *editGrid = new QGridLayout(accountEditDialog);
    editGrid->addWidget(accountIdFieldLabel, 0, 0);
    editGrid->addWidget(accountIdField, 1, 0);
    editGrid->addWidget(descriptionFieldLabel, 2, 0);
    editGrid->addWidget(descriptionField, 3, 0);
    editGrid->addWidget(accountEditButtons, 4, 0);
    clearWindowHints(accountEditDialog);
}

void JobTab::layoutPage()
{
    const Qt::Alignment left = Qt::AlignLeft;
    auto *leftGrid = new QGridLayout;
    leftGrid->addWidget(storageHeading, 0, 0, 1, 2, left);
    leftGrid->addWidget(storageButton, 1, 0, 2, 1, left);
    leftGrid->addWidget(storageCombo, 1, 1, 1, 1, left);
    leftGrid->addWidget(boxNumberLabel, 2, 1, 1, 1, left);
    leftGrid->addWidget(accessCodeLabel, 2, 1, 1, 1, left);
    leftGrid->addWidget(boxNumberEdit, 3, 1, 1, 1, left);
    leftGrid->addWidget(accessCodeEdit, 3, 1, 1, 1, left);
    leftGrid->addWidget(boxPasswordLabel, 4, 1, 1, 1, left);
    leftGrid->addWidget(boxPasswordEdit, 5, 1, 1, 1, left);
    leftGrid->addWidget(separatorLine(nullptr, QFrame::HLine), 8, 0, 1, 2);
    leftGrid->addWidget(accountingHeading, 9, 0, 1, 2, left);
    leftGrid->addWidget(accountingButton, 10, 0, 2, 1, left);
    leftGrid->addWidget(accountingModeCombo, 10, 1, 1, 1, left);
    leftGrid->addWidget(accountIdEdit, 11, 1, 1, 1, left);
    leftGrid->addWidget(accountIdCombo, 11, 1, 1, 1, left);
    leftGrid->addWidget(accountListButton, 12, 1, 1, 1, left);
    leftGrid->addWidget(separatorLine(nullptr, QFrame::HLine), 14, 0, 1, 2);
    leftGrid->addWidget(userLoginHeading, 15, 0, 1, 2, left | Qt::AlignVCenter);
    leftGrid->addWidget(userLoginButton, 16, 0, 2, 1, left);
    leftGrid->addWidget(loginNameLabel, 16, 1, 1, 1, left);
    leftGrid->addWidget(loginNameEdit, 17, 1, 1, 1, left);
    leftGrid->addWidget(loginPasswordLabel, 18, 1, 1, 1, left);
    leftGrid->addWidget(loginPasswordEdit, 19, 1, 1, 1, left);
    leftGrid->setColumnStretch(5, 1);
    leftGrid->setRowStretch(20, 1);

    auto *rightGrid = new QGridLayout;
    rightGrid->addWidget(jobNameHeading, 0, 0, 1, 2, left);
    rightGrid->addWidget(jobNameIcon, 1, 0, 2, 1, left | Qt::AlignVCenter);
    rightGrid->addWidget(jobNameCombo, 1, 1, 1, 1, left);
    rightGrid->addWidget(jobNameEdit, 2, 1, 1, 1, left);
    rightGrid->addWidget(overwriteLabel, 3, 1, 1, 1, left);
    rightGrid->addWidget(overwriteCombo, 4, 1, 2, 1, left);
    rightGrid->addWidget(separatorLine(nullptr, QFrame::HLine), 6, 0, 1, 2);
    rightGrid->addWidget(emailLabel, 7, 0, 2, 2, left);
    rightGrid->addWidget(emailButton, 9, 0, 2, 1, left);
    rightGrid->addWidget(emailEdit, 9, 1, 1, 1, left);
    rightGrid->setColumnStretch(13, 1);
    rightGrid->setRowStretch(14, 1);

    jobNameEdit->setEnabled(false);

    auto *page = new QHBoxLayout(this);
    // The tab itself already keeps a margin; the page is tight for its two
    // columns in the window's fixed width.
    page->setContentsMargins(0, 0, 0, 0);
    page->addLayout(leftGrid);
    page->addWidget(separatorLine(nullptr, QFrame::VLine), 1);
    page->addLayout(rightGrid);
}

// ---------------------------------------------------------------------------
// Wiring

void JobTab::connectSignals()
{
    const auto toOwner = [this](const auto *sender, auto signal, bool unique) {
        if (dialog)
            connect(sender, signal, dialog, &TabOwner::setConstraints,
                    unique ? Qt::UniqueConnection : Qt::AutoConnection);
    };
    const auto comboChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    const auto toggled = qOverload<bool>(&TolCheckBoxButton::toggled);

    toOwner(jobNameCombo, comboChanged, false);
    connect(jobNameCombo, comboChanged, this, &JobTab::enableCustomJobNameSettings);
    connect(jobNameCombo, comboChanged, this, &JobTab::verifyjobName);
    toOwner(accountingButton, toggled, true);
    connect(accountListButton, &QPushButton::clicked, this, &JobTab::showCustomAccountIDDialog);
    connect(accountListButton, &QPushButton::clicked, this, &JobTab::loadCustomIDTable);
    connect(accountListButton, &QPushButton::clicked, this, &JobTab::checkCustomIDButtonStates);
    connect(accountTable, &QTableWidget::itemSelectionChanged, this,
            &JobTab::checkCustomIDButtonStates);
    connect(accountTable, &QTableWidget::cellDoubleClicked, this,
            &JobTab::customAccountIDDoubleClicked);
    connect(accountIdField, &QLineEdit::textChanged, this, &JobTab::checkCustomIDButtonStates);
    connect(descriptionField, &QLineEdit::textChanged, this, &JobTab::checkCustomIDButtonStates);
    connect(newAccountButton, &QPushButton::clicked, this, &JobTab::showNewCustomAccountIDDialog);
    connect(editAccountButton, &QPushButton::clicked, this, &JobTab::editCustomAccountID);
    connect(accountEditButtons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &JobTab::createNewCustomAccountID);
    connect(accountEditButtons->button(QDialogButtonBox::Cancel), &QPushButton::clicked,
            accountEditDialog, &QDialog::hide);
    connect(deleteAccountButton, &QPushButton::clicked, this, &JobTab::deleteCustomAccountID);
    toOwner(accountIdEdit, &QLineEdit::textEdited, true);
    connect(accountIdEdit, &QLineEdit::textEdited, this, &JobTab::verifySpecificJobAccountID);
    QPushButton *listOk = accountListButtons->button(QDialogButtonBox::Ok);
    connect(listOk, &QPushButton::clicked, this, &JobTab::saveTempAccountIDs);
    connect(accountListButtons->button(QDialogButtonBox::Cancel), &QPushButton::clicked,
            accountListDialog, &QDialog::hide);
    toOwner(listOk, &QPushButton::clicked, true);
    connect(listOk, &QPushButton::clicked, this, &JobTab::verifySpecificJobAccountID);
    enableCustomJobNameSettings(0);

    connect(accountingModeCombo, comboChanged, this, &JobTab::selectJobAccount,
            Qt::UniqueConnection);
    toOwner(accountingModeCombo, comboChanged, true);
    connect(accountingModeCombo, comboChanged, this, &JobTab::verifySpecificJobAccountID,
            Qt::UniqueConnection);
    connect(accountingButton, toggled, this, &JobTab::verifySpecificJobAccountID);
    toOwner(userLoginButton, toggled, false);
    connect(userLoginButton, toggled, this, &JobTab::toggleUserLogin);
    for (QLineEdit *field : {loginNameEdit, loginPasswordEdit}) {
        toOwner(field, &QLineEdit::textChanged, false);
        connect(field, &QLineEdit::textChanged, this, &JobTab::verifyUserLogin);
    }
    connectOptionWidgets();

    // Runs after the base has handed the unchecked state to the model.
    connect(storageButton, toggled, this, &JobTab::toggleJobSettingsCheckBox, Qt::UniqueConnection);
    toOwner(storageButton, toggled, true);
    for (QLineEdit *field : {accessCodeEdit, boxNumberEdit, boxPasswordEdit})
        toOwner(field, &QLineEdit::textEdited, true);
    toOwner(jobNameEdit, &QLineEdit::textEdited, true);
    connect(jobNameEdit, &QLineEdit::textEdited, this, &JobTab::verifyjobName);
    connect(storageCombo, ComboBoxEx::currentIndexTextChanged(), this,
            &JobTab::toggleJobSettingsInput);
    toOwner(storageCombo, ComboBoxEx::currentIndexTextChanged(), true);
    toOwner(emailEdit, &QLineEdit::textChanged, true);
    connect(emailEdit, &QLineEdit::textChanged, this, &JobTab::verifyJobEmail);
    connect(emailButton, toggled, this, &JobTab::jobEMailNotificationToggle);
    toOwner(emailButton, toggled, true);
    connect(emailButton, toggled, this, &JobTab::verifyJobEmail);
}

// ---------------------------------------------------------------------------
// Retranslation and the constraint pass

void JobTab::retranslateUi()
{
    QObject *const quiet[] = {accountListButton,  accountListDialog, accountTable,
                              newAccountButton,   editAccountButton, deleteAccountButton,
                              jobNameCombo,       overwriteCombo,    emailButton,
                              accountingModeCombo};
    for (QObject *object : quiet)
        object->blockSignals(true);

    accountListButton->setText(tr("Account ID List"));
    accountListDialog->setWindowTitle(tr("Account ID"));
    accountTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Account ID")));
    accountTable->setHorizontalHeaderItem(1, new QTableWidgetItem(tr("Description")));
    newAccountButton->setText(tr("New"));
    editAccountButton->setText(tr("Edit"));
    deleteAccountButton->setText(tr("Delete"));
    jobNameHeading->setText(tr("Job name:"));
    jobNameCombo->clear();
    jobNameCombo->addItems({tr("Application defined"), tr("Custom")});
    overwriteCombo->clear();
    overwriteCombo->addItems({tr("Use job name + date and time"), tr("Replace existing file")});
    accessCodeLabel->setText(tr("Access code:"));
    boxNumberLabel->setText(tr("Box number") + QStringLiteral(":"));
    boxPasswordLabel->setText(tr("Password") + QStringLiteral(":"));
    accountingModeCombo->clear();
    accountingModeCombo->addItems({tr("Use specific account ID"), tr("Select account ID")});
    accountIdFieldLabel->setText(tr("Account ID:"));
    descriptionFieldLabel->setText(tr("Description:"));

    for (QObject *object : quiet)
        object->blockSignals(false);
}

void JobTab::clearErrorMarks()
{
    Tab::clearErrorMarks();
    for (QLabel *label : {accountingHeading, userLoginHeading, emailLabel, jobNameHeading})
        ErrorMark::removeFrom(label);
}

void JobTab::updateCustomConstraints()
{
    updateStorageChoices();
    verifyjobName();
    verifyJobStoragePasswordLineEdit();
}
