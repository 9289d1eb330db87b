// The part of SNTTab that talks to the print-management server: the login,
// interactive or silent, the answer's policies and the result messages.

#include "tabs/SNTTab.h"

#include "model/tOptionModel.h"
#include "net/tcurl.h"
#include "system/AppState.h"
#include "system/CertificatePins.h"
#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"
#include "widgets/MessageBoxes.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString boxTitle = QStringLiteral("Sentrel");
const QString on = QStringLiteral("On");
const QString off = QStringLiteral("Off");

// A policy of the answer and the value that switches its option on.
struct PolicyRule
{
    const char *member;
    const char *onValue;
    const char *keyword;
};
const PolicyRule policyRules[] = {
    {"JE.FullColorPrint", "ON", "SNTColorMode"},
    {"DR.TonerliteRestriction", "PV.On", "SNTTonerlite"},
    {"DR.DuplexRestriction", "PV.On", "SNTDuplex"},
};

QString baseUrl(const QString &server, const QString &port)
{
    return QStringLiteral("https://") + server + QLatin1Char(':') + port;
}

} // namespace

void SNTTab::verify()
{
    // One login at a time: an older one would only be answered as stale or
    // stack up behind a server that does not answer.
    loginClient->cancel();
    interactive = true;
    loginOk = false;
    loginClient->post(baseUrl(lnEditSNTServer->text(), lnEditSNTPort->text()),
                      lnEditSNTUser->text(), lnEditSNTPassword->text(),
                      tcurl::NewCertificate::Refuse);
    setChecking(true);
}

void SNTTab::setChecking(bool on)
{
    checking = on;
    // Afterwards the button goes with the fields again; the constraint pass
    // that follows every report decides the rest.
    butSNTVerify->setEnabled(!on && lnEditSNTServer->isEnabled());
    if (on)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void SNTTab::reverifyStoredCredentials()
{
    const QString enabled = readCfgValue(QStringLiteral("SNT_enabled"));
    const QString server = readCfgValue(QStringLiteral("SNT_server"));
    const QString port = readCfgValue(QStringLiteral("SNT_port"));
    const QString user = readCfgValue(QStringLiteral("SNT_username"));
    const QString storedPassword = readCfgValue(QStringLiteral("SNT_password"));

    QString password;
    if (!storedPassword.isEmpty())
        password = unescapeBackslashes(decryptPassword(storedPassword));

    loginClient->cancel();
    setChecking(false);
    interactive = false;
    if (enabled == QLatin1String("ON")) {
        loginOk = false;
        // Nobody is asked here. Only a server with no record at all has its
        // first certificate trusted, so that settings saved before records
        // existed keep working; a changed one ends as a connection failure.
        loginClient->post(baseUrl(server, port), user, password, tcurl::NewCertificate::TrustFirst);
    } else {
        for (const PolicyRule &rule : policyRules)
            policies.insert(QString::fromLatin1(rule.keyword), off);
    }
}

bool SNTTab::isStaleReply(const QString &message) const
{
    if (!message.startsWith(QLatin1String("<https://")))
        return false;
    // The whole tag, since a server typed as an IPv6 address holds ":".
    return !message.startsWith(tcurl::replyTag(
        baseUrl(lnEditSNTServer->text(), lnEditSNTPort->text()), lnEditSNTUser->text()));
}

void SNTTab::verifySuccess(QString message)
{
    // Every report ends the one pending login, stale or not.
    setChecking(false);
    if (isStaleReply(message))
        return;

    // Drops the reply tag and anything else between "<" and the next ">".
    static const QRegularExpression bracketed(QStringLiteral("<.*?>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    const QString text = message.remove(bracketed);

    loginOk = parsePolicies(text);
    replyReceived = true;
    applyPolicies();
    showVerifyResult(text);

    if (loginOk) {
        dirty = false;
        savedEnabled = switchOn();
        verifiedServer = lnEditSNTServer->text();
        verifiedPort = lnEditSNTPort->text();
        verifiedUser = lnEditSNTUser->text();
        verifiedPassword = lnEditSNTPassword->text();
    }
}

void SNTTab::verifyFailure(QString message)
{
    endWithoutAnswer(message, tr("Unable to connect to the server."));
}

void SNTTab::verifyTimedOut(QString message)
{
    endWithoutAnswer(message, tr("The server did not answer in time."));
}

void SNTTab::endWithoutAnswer(const QString &message, const QString &text)
{
    setChecking(false);
    if (isStaleReply(message))
        return;
    replyReceived = false;
    // The policies of the last answer stay in force.
    applyPolicies();
    MessageBoxes::show(QMessageBox::NoIcon, boxTitle, text);
}

void SNTTab::verifyCertificate(QString message, QString server, QString fingerprint, QString pinned,
                               bool forAnotherHost)
{
    setChecking(false);
    if (isStaleReply(message))
        return;
    // Nothing was sent. Only the user's own Verify may trust a new or changed
    // certificate; the silent login ends as a connection failure, shown by
    // the tab's mark alone.
    if (interactive && askToTrust(server, fingerprint, pinned, forAnotherHost)) {
        if (CertificatePins::setPinAsked(server, fingerprint)) {
            verify();
            return;
        }
    }
    replyReceived = false;
    applyPolicies();
}

// No is the default button throughout: one Return must not trust a server.
bool SNTTab::askToTrust(const QString &server, const QString &fingerprint, const QString &pinned,
                        bool forAnotherHost)
{
    if (fingerprint.isEmpty())
        return false;
    const QString paragraph = QStringLiteral("\n\n");
    if (pinned.isEmpty()) {
        const QString why =
            forAnotherHost
                ? tr("The server %1 presents a certificate that a trusted authority issued for "
                     "another host name.")
                : tr("The server %1 presents a certificate that no trusted authority vouches for.");
        const QString text = why.arg(server) + paragraph + tr("SHA-256 fingerprint:")
                             + QLatin1Char('\n') + fingerprint + paragraph
                             + tr("Do you trust this server?");
        return MessageBoxes::ask(QMessageBox::Question, boxTitle, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    }
    QString before;
    if (pinned == CertificatePins::authorityRecord())
        before = tr("Previously, a trusted authority vouched for the server's certificate.");
    else if (pinned == CertificatePins::unknownRecord())
        before = tr("The record of the servers you trusted could not be read safely, so the "
                    "certificate you trusted before is not known.");
    else
        before = tr("Previously trusted fingerprint:") + QLatin1Char('\n') + pinned;
    const QString text =
        tr("The certificate of the server %1 has changed since you trusted it. Someone may be "
           "intercepting the connection.")
            .arg(server)
        + paragraph + tr("New SHA-256 fingerprint:") + QLatin1Char('\n') + fingerprint + paragraph
        + before + paragraph + tr("Do you trust this server?");
    return MessageBoxes::ask(QMessageBox::Warning, boxTitle, text,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool SNTTab::parsePolicies(const QString &text)
{
    const QJsonObject answer = QJsonDocument::fromJson(text.toUtf8()).object();
    if (!answer.contains(QLatin1String("Policies"))) {
        for (const PolicyRule &rule : policyRules)
            policies.insert(QString::fromLatin1(rule.keyword), off);
        return false;
    }

    // A policy the answer does not name keeps its earlier value.
    const QJsonObject given = answer.value(QLatin1String("Policies")).toObject();
    for (const PolicyRule &rule : policyRules) {
        const QString member = QString::fromLatin1(rule.member);
        if (!given.contains(member))
            continue;
        const bool isOn = given.value(member).toString() == QLatin1String(rule.onValue);
        policies.insert(QString::fromLatin1(rule.keyword), isOn ? on : off);
    }
    return true;
}

void SNTTab::applyPolicies()
{
    if (!AppState::optionModel)
        return;
    const QString colorMode = policies.value(QStringLiteral("SNTColorMode"));
    AppState::optionModel->setCurrentChoice(QStringLiteral("SNTColorMode"), colorMode);
    if (colorMode == on)
        emit colorchanged();
    AppState::optionModel->setCurrentChoice(QStringLiteral("SNTTonerlite"),
                                            policies.value(QStringLiteral("SNTTonerlite")));
    AppState::optionModel->setCurrentChoice(QStringLiteral("SNTDuplex"),
                                            policies.value(QStringLiteral("SNTDuplex")));
}

void SNTTab::showVerifyResult(const QString &text)
{
    // Shown as is in every language.
    const QString fallback = QStringLiteral("An unspecified error occured.");
    QString message = fallback;
    if (text.contains(QLatin1Char('{')) && interactive)
        message =
            tr("Server and user credentials have been authenticated and policies have been applied.")
            + QStringLiteral("\n\n")
            + tr("Credentials and policies will be checked again during printing.")
            + QStringLiteral("\n");
    if (text.contains(QLatin1String("INVALID_USER_NAME_OR_PASSWORD")))
        message = tr("Login failed. The user name or password you entered is incorrect.");
    if (text.contains(QLatin1String("\"JE.MonoPrint\":\"ON\"")))
        message = tr("You do not have permission to print.");

    if (message != fallback || interactive)
        MessageBoxes::show(QMessageBox::NoIcon, boxTitle, message);
}

void SNTTab::emit_colorchanged()
{
    emit colorchanged();
}
