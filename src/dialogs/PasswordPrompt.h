#pragma once

#include <QDialog>
#include <QString>

enum class RootMethod;
class ComboBoxEx;
class QLabel;
class QLineEdit;
class QPushButton;

// What the password prompt needs of the window that opened it.
class PasswordPromptOwner
{
public:
    // Cleared while the prompt is open, so that the owner's OK keeps its
    // window open unless the write succeeds; set again after it.
    virtual void setApplyOk(bool ok) = 0;
    // The installable options are in the PPD now: the owner takes them as
    // the queue's, then writes and reports the user's defaults.
    virtual void installableOptionsWritten() = 0;

protected:
    ~PasswordPromptOwner() = default;
};

// Asks for the root password and has the queue's installable options
// written into its PPD as root. Only after a successful write does the main
// window go on with its usual write of the user's defaults.
class PasswordPrompt : public QDialog
{
    Q_OBJECT

public:
    // The owner is the main window, not a Qt parent. Its applyOk flag is
    // cleared here. optionsText: keyword=choice items, each followed by a
    // blank.
    PasswordPrompt(PasswordPromptOwner *owner, const QString &optionsText);

    // Runs the PPD writer as root for the current printer; its exit status,
    // or 1 when it did not start or did not exit by itself.
    int runPpdWriter(const QString &password, RootMethod method, const QString &optionsText);

    // Drops cached sudo credentials, so that they never stand in for the
    // password typed here.
    static void sudoInvalidate();

public slots:
    void okButtonSlot();
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void showPromptText();
    void comeBack();

private:
    PasswordPromptOwner *owner;
    QString optionsText;
    QLabel *promptLabel;
    ComboBoxEx *methodBox;
    QLineEdit *passwordField;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
