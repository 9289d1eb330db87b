#pragma once

#include "tabs/Tab.h"

#include <QHash>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TolButtonGroup;
class tcurl;

// The "Sentrel" tab: print management by a server. The user switches it on
// for the printer, enters server, port and login, and checks them with
// Verify; the server's answer sets the policy options SNTColorMode,
// SNTTonerlite and SNTDuplex of the model, whose constraints act on the
// other tabs. While on, the tab stays marked (and OK, Apply and Save As
// stay disabled) until a login with exactly the fields shown was accepted.
// Its saved settings are the seven SNT_ keys; the password is stored
// enciphered.
class SNTTab : public Tab
{
    Q_OBJECT

public:
    // `parent` is the main window: setConstraints() runs after every click
    // on the switch, every keystroke in a field and every login answer.
    explicit SNTTab(QWidget *parent);
    ~SNTTab() override;

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // In use while a printer is selected whose PPD does not use the TPSL
    // filter.
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptionValues() override;
    bool isConstraintMarked() override;

    // The policy values of the last answer, by option keyword.
    QHash<QString, QString> policyValues() const { return policies; }

signals:
    void colorchanged();

public slots:
    void verify();
    void markCustomConstraints() override;
    void toggleSNT();
    void toggleNotifications();
    void checkForChanges();

private slots:
    void verifySuccess(QString message);
    void verifyFailure(QString message);
    void verifyCertificate(QString message, QString server, QString fingerprint, QString pinned,
                           bool forAnotherHost);
    void verifyTimedOut(QString message);
    void emit_colorchanged();

protected:
    void initTabName() override;
    void buildUi() override;
    virtual void connectSignals();

private:
    void buildLayout();
    void loadSettings();
    // The part of a switch change that loading shares with a click.
    void applySwitchState();
    bool switchOn() const;
    void setTwelveWidgetsEnabled(bool enabled);

    // Login verification.
    void reverifyStoredCredentials();
    bool isStaleReply(const QString &message) const;
    bool askToTrust(const QString &server, const QString &fingerprint, const QString &pinned,
                    bool forAnotherHost);
    // Shows that the user's Verify is running: the button disabled, the
    // tab's cursor busy.
    void setChecking(bool on);
    // The connection ended without an answer; `text` is shown.
    void endWithoutAnswer(const QString &message, const QString &text);
    bool parsePolicies(const QString &text);
    void applyPolicies();
    void showVerifyResult(const QString &text);

    TolButtonGroup *butGroupSNT = nullptr;
    QLabel *lblSNTServer = nullptr;
    QLineEdit *lnEditSNTServer = nullptr;
    QLabel *lblSNTPort = nullptr;
    QLineEdit *lnEditSNTPort = nullptr;
    QLabel *lblSNTUser = nullptr;
    QLineEdit *lnEditSNTUser = nullptr;
    QLabel *lblSNTPassword = nullptr;
    QLineEdit *lnEditSNTPassword = nullptr;
    QCheckBox *chkBxSNTConflict = nullptr;
    QRadioButton *rdButSNTContinue = nullptr;
    QRadioButton *rdButSNTCancel = nullptr;
    QPushButton *butSNTVerify = nullptr;
    tcurl *loginClient = nullptr;

    bool dirty = false;
    bool savedEnabled = false;
    QString verifiedServer;
    QString verifiedPort;
    QString verifiedUser;
    QString verifiedPassword;
    QHash<QString, QString> policies;
    bool interactive = false;
    bool loginOk = true;
    bool replyReceived = false;
    bool checking = false;
};
