#include "tabs/SNTTab.h"

#include "model/tOptionModel.h"
#include "net/tcurl.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"
#include "tabs/TabOwner.h"
#include "widgets/IconCache.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

const QString toggleKeyword = QStringLiteral("SNTToggle");
const QString on = QStringLiteral("On");
const QString off = QStringLiteral("Off");
const QString storedOn = QStringLiteral("ON");
const QString storedOff = QStringLiteral("OFF");
const QString defaultPort = QStringLiteral("9094");

// The policy options, in the order they are forced off and applied.
const char *const policyKeywords[] = {"SNTColorMode", "SNTTonerlite", "SNTDuplex"};

// What each field lets the user type: anything that can still grow into a
// match. A user name shorter than 64 characters is used as typed.
struct FieldRule
{
    const char *pattern;
    QRegularExpression::PatternOptions options;
};
const FieldRule serverRule = {"\\S{0,260}", QRegularExpression::NoPatternOption};
const FieldRule portRule = {"[0-9]{0,16}", QRegularExpression::NoPatternOption};
const FieldRule userRule = {"^[\\w][\\w ]{63}$", QRegularExpression::UseUnicodePropertiesOption};
const FieldRule passwordRule = {".{0,64}", QRegularExpression::DotMatchesEverythingOption};

QString doubleBackslashes(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

} // namespace

SNTTab::SNTTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    SNTTab::connectSignals();
    tabName = QStringLiteral("Sentrel");
    buildLayout();
}

SNTTab::~SNTTab() = default;

void SNTTab::initTabName()
{
    // The feature's name is never translated.
    tabName = QStringLiteral("Sentrel");
    getTabName();
}

QIcon SNTTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-snt"));
}

QIcon SNTTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-snt-constraint"));
}

bool SNTTab::hasOptions()
{
    return AppState::optionModel && !AppState::optionModel->hasTpslFilter();
}

bool SNTTab::isConstraintMarked()
{
    return constraintMarked;
}

// ---------------------------------------------------------------------------
// Page

void SNTTab::buildUi()
{
    butGroupSNT = new TolButtonGroup(this, QStringLiteral("Sentrel:"));
    tabName = QStringLiteral("Sentrel");
    butGroupSNT->addButton(tr("Off"), QStringLiteral(":/icons/snt-off"));
    butGroupSNT->addButton(tr("On"), QStringLiteral(":/icons/snt-on"));
    butGroupSNT->updateButtonIcons(tr("Off"));

    const QString colon = QStringLiteral(":");
    auto field = [this](const FieldRule &rule) {
        auto *edit = new QLineEdit;
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QString::fromLatin1(rule.pattern), rule.options), this));
        return edit;
    };
    lblSNTServer = new QLabel(tr("Server") + colon);
    lnEditSNTServer = field(serverRule);
    lblSNTPort = new QLabel(tr("Port") + colon);
    lnEditSNTPort = field(portRule);
    lblSNTUser = new QLabel(tr("Login user name") + colon);
    lnEditSNTUser = field(userRule);
    lblSNTPassword = new QLabel(tr("Password") + colon);
    lnEditSNTPassword = new QLineEdit;
    lnEditSNTPassword->setEchoMode(QLineEdit::Password);
    lnEditSNTPassword->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(passwordRule.pattern), passwordRule.options), this));

    chkBxSNTConflict = new QCheckBox(tr("No notifications for policy conflicts") + colon);
    rdButSNTContinue = new QRadioButton(tr("Continue printing"));
    rdButSNTCancel = new QRadioButton(tr("Cancel printing"));
    butSNTVerify = new QPushButton(tr("Verify"));

    addOptionWidget(toggleKeyword, butGroupSNT);

    loginClient = new tcurl(this);

    const QList<QPair<QWidget *, const char *>> names = {
        {butGroupSNT, "butGroupSNT"},
        {lblSNTServer, "lblSNTServer"},
        {lnEditSNTServer, "lnEditSNTServer"},
        {lblSNTPort, "lblSNTPort"},
        {lnEditSNTPort, "lnEditSNTPort"},
        {lblSNTUser, "lblSNTUser"},
        {lnEditSNTUser, "lnEditSNTUser"},
        {lblSNTPassword, "lblSNTPassword"},
        {lnEditSNTPassword, "lnEditSNTPassword"},
        {chkBxSNTConflict, "chkBxSNTConflict"},
        {rdButSNTContinue, "rdButSNTContinue"},
        {rdButSNTCancel, "rdButSNTCancel"},
        {butSNTVerify, "butSNTVerify"},
    };
    for (const auto &name : names)
        name.first->setAccessibleName(QString::fromLatin1(name.second));

    dirty = false;
    constraintMarked = false;
    interactive = false;
    loginOk = true;
    replyReceived = false;
    for (const char *keyword : policyKeywords)
        policies.insert(QString::fromLatin1(keyword), off);
}

void SNTTab::buildLayout()
{
    struct Cell
    {
        QWidget *widget;
        int row, column, rowSpan, columnSpan;
    };
    const Cell cells[] = {
        {butGroupSNT, 0, 0, 1, 4},        {lblSNTServer, 1, 0, 1, 6},
        {lnEditSNTServer, 2, 0, 1, 6},    {lblSNTPort, 1, 7, 1, 3},
        {lnEditSNTPort, 2, 7, 1, 3},      {lblSNTUser, 3, 0, 1, 10},
        {lnEditSNTUser, 4, 0, 1, 10},     {lblSNTPassword, 5, 0, 1, 10},
        {lnEditSNTPassword, 6, 0, 1, 10}, {chkBxSNTConflict, 7, 0, 1, 5},
        {rdButSNTContinue, 8, 1, 1, 3},   {rdButSNTCancel, 9, 1, 1, 3},
        {butSNTVerify, 10, 0, 1, 2},
    };
    auto *grid = new QGridLayout;
    for (const Cell &cell : cells)
        grid->addWidget(cell.widget, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    grid->setColumnStretch(10, 1);
    grid->setRowStretch(15, 1);
    setLayout(grid);
}

void SNTTab::connectSignals()
{
    const auto groupClicked = qOverload<int>(&TolButtonGroup::buttonClicked);
    connect(butGroupSNT, groupClicked, this, &SNTTab::toggleSNT);
    connectOptionWidgets();
    connect(butSNTVerify, &QPushButton::clicked, this, &SNTTab::verify);
    connect(chkBxSNTConflict, &QCheckBox::clicked, this, &SNTTab::toggleNotifications);
    // The tab takes each answer before the constraint pass re-marks it.
    connect(loginClient, &tcurl::messageReady, this, &SNTTab::verifySuccess, Qt::UniqueConnection);
    if (dialog)
        connect(loginClient, &tcurl::messageReady, dialog, &TabOwner::setConstraints,
                Qt::UniqueConnection);
    connect(loginClient, &tcurl::errorReady, this, &SNTTab::verifyFailure, Qt::UniqueConnection);
    connect(loginClient, &tcurl::certificateRefused, this, &SNTTab::verifyCertificate,
            Qt::UniqueConnection);
    connect(loginClient, &tcurl::timedOut, this, &SNTTab::verifyTimedOut, Qt::UniqueConnection);
    if (!dialog)
        return;
    connect(loginClient, &tcurl::errorReady, dialog, &TabOwner::setConstraints,
            Qt::UniqueConnection);
    connect(loginClient, &tcurl::certificateRefused, dialog, &TabOwner::setConstraints,
            Qt::UniqueConnection);
    connect(loginClient, &tcurl::timedOut, dialog, &TabOwner::setConstraints, Qt::UniqueConnection);
    connect(butGroupSNT, groupClicked, dialog, &TabOwner::setConstraints, Qt::UniqueConnection);
    for (QLineEdit *edit : {lnEditSNTServer, lnEditSNTPort, lnEditSNTUser, lnEditSNTPassword})
        connect(edit, &QLineEdit::textEdited, dialog, &TabOwner::setConstraints,
                Qt::UniqueConnection);
    connect(this, &SNTTab::colorchanged, dialog, &TabOwner::toggleColorMode, Qt::UniqueConnection);
}

// ---------------------------------------------------------------------------
// Switch and conflict settings

bool SNTTab::switchOn() const
{
    return butGroupSNT->checkedIndex() == 1;
}

void SNTTab::setTwelveWidgetsEnabled(bool enabled)
{
    const QList<QWidget *> widgets = {lblSNTServer,     lnEditSNTServer,   lblSNTPort,
                                      lnEditSNTPort,    lblSNTUser,        lnEditSNTUser,
                                      lblSNTPassword,   lnEditSNTPassword, chkBxSNTConflict,
                                      rdButSNTContinue, rdButSNTCancel,    butSNTVerify};
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
    if (checking)
        butSNTVerify->setEnabled(false);
}

void SNTTab::toggleSNT()
{
    const bool isOn = switchOn();
    setTwelveWidgetsEnabled(isOn);
    AppState::setCurrentChoice(toggleKeyword, isOn ? on : off);
    // A click always brings the conflict settings back to their defaults.
    chkBxSNTConflict->setChecked(true);
    rdButSNTContinue->setChecked(true);
    applySwitchState();
}

void SNTTab::applySwitchState()
{
    if (switchOn()) {
        if (lnEditSNTPort->text().isEmpty())
            lnEditSNTPort->setText(defaultPort);
    } else {
        // The stored policies stay for the next time the tab is switched on.
        for (const char *keyword : policyKeywords)
            AppState::setCurrentChoice(QString::fromLatin1(keyword), off);
    }
    toggleNotifications();
}

void SNTTab::toggleNotifications()
{
    const bool enabled = chkBxSNTConflict->isChecked() && switchOn();
    rdButSNTContinue->setEnabled(enabled);
    rdButSNTCancel->setEnabled(enabled);
    if (!enabled)
        rdButSNTContinue->setChecked(true);
}

// ---------------------------------------------------------------------------
// Loading and collecting

void SNTTab::loadSettings()
{
    const QString enabled = readCfgValue(QStringLiteral("SNT_enabled"));
    const QString notify = readCfgValue(QStringLiteral("SNT_notify"));
    const QString server = readCfgValue(QStringLiteral("SNT_server"));
    const QString blocking = readCfgValue(QStringLiteral("SNT_blocking"));
    const QString port = readCfgValue(QStringLiteral("SNT_port"));
    const QString user = readCfgValue(QStringLiteral("SNT_username"));
    const QString storedPassword = readCfgValue(QStringLiteral("SNT_password"));

    savedEnabled = enabled == storedOn;
    butGroupSNT->setButton(savedEnabled ? 1 : 0);

    lnEditSNTServer->setText(server);
    lnEditSNTPort->setText(port);
    lnEditSNTUser->setText(user);
    verifiedServer = server;
    verifiedPort = port;
    verifiedUser = user;

    QString password;
    if (!storedPassword.isEmpty())
        password = unescapeBackslashes(decryptPassword(storedPassword));
    lnEditSNTPassword->setText(password);
    verifiedPassword = password;

    chkBxSNTConflict->setChecked(notify == storedOn);
    // Any other value leaves the pair as it was.
    if (blocking == storedOff)
        rdButSNTContinue->setChecked(true);
    if (blocking == storedOn)
        rdButSNTCancel->setChecked(true);

    const bool isOn = switchOn();
    setTwelveWidgetsEnabled(isOn);
    AppState::setCurrentChoice(toggleKeyword, isOn ? on : off);
    applySwitchState();
}

void SNTTab::reload()
{
    setOptionSignalsBlocked(true);
    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    refreshOptionLabels();
    loadOptionValues();
    applyAllWidgets();
    enableOptions();
    loadSettings();
    replyReceived = false;
    reverifyStoredCredentials();
    applyPolicies();
    setOptionSignalsBlocked(false);
}

QHash<QString, QString> SNTTab::collectOptionValues()
{
    optionValues.clear();
    const bool isOn = butGroupSNT->checkedIndex() != 0;
    const bool notify = chkBxSNTConflict->isChecked();
    const bool blocking = notify && rdButSNTCancel->isChecked();

    optionValues.insert(QStringLiteral("SNT_enabled"), isOn ? storedOn : storedOff);
    optionValues.insert(QStringLiteral("SNT_notify"), notify ? storedOn : storedOff);
    optionValues.insert(QStringLiteral("SNT_server"), lnEditSNTServer->text());
    optionValues.insert(QStringLiteral("SNT_blocking"), blocking ? storedOn : storedOff);
    optionValues.insert(QStringLiteral("SNT_port"), lnEditSNTPort->text());
    optionValues.insert(QStringLiteral("SNT_username"), lnEditSNTUser->text());
    // The password is kept only while print management is on.
    optionValues.insert(QStringLiteral("SNT_password"),
                        isOn ? encryptPassword(doubleBackslashes(lnEditSNTPassword->text()))
                             : QString());
    return optionValues;
}

// ---------------------------------------------------------------------------
// Marks

void SNTTab::checkForChanges()
{
    dirty = switchOn() != savedEnabled || lnEditSNTServer->text() != verifiedServer
            || lnEditSNTPort->text() != verifiedPort || lnEditSNTUser->text() != verifiedUser
            || lnEditSNTPassword->text() != verifiedPassword;
}

void SNTTab::markCustomConstraints()
{
    checkForChanges();
    constraintMarked = true;

    if (!switchOn()) {
        markWidget(butGroupSNT, QString(), false);
        constraintMarked = false;
        return;
    }

    butSNTVerify->setEnabled(false);
    for (const QLineEdit *edit :
         {lnEditSNTServer, lnEditSNTPort, lnEditSNTUser, lnEditSNTPassword}) {
        if (edit->text().isEmpty()) {
            markWidget(butGroupSNT,
                       tr("Server, Port, and Login user information must be filled out."), true);
            return;
        }
    }
    butSNTVerify->setEnabled(!checking);

    if (dirty) {
        markWidget(butGroupSNT, tr("You must click Verify after making changes."), true);
    } else if (!replyReceived) {
        markWidget(butGroupSNT, tr("Unable to connect to the server."), true);
    } else if (loginOk) {
        markWidget(butGroupSNT, QString(), false);
        constraintMarked = false;
    } else {
        markWidget(butGroupSNT,
                   tr("Login failed. The user name or password you entered is incorrect."), true);
    }
}
