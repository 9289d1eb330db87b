#include "dialogs/PasswordPrompt.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/RootCommand.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/MessageBoxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

PasswordPrompt::PasswordPrompt(PasswordPromptOwner *owner, const QString &optionsText)
    : QDialog(nullptr)
    , owner(owner)
    , optionsText(optionsText)
{
    setWindowTitle(tr("Password Prompt"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowMinimizeButtonHint
                   & ~Qt::WindowMaximizeButtonHint);

    promptLabel = new QLabel(this);

    methodBox = new ComboBoxEx(this);
    methodBox->addItems({QStringLiteral("sudo"), QStringLiteral("su")});
    methodBox->setCurrentIndex(0);
    showPromptText();
    connect(methodBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PasswordPrompt::showPromptText);

    passwordField = new QLineEdit(this);
    passwordField->setEchoMode(QLineEdit::Password);
    passwordField->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoAutoUppercase
                                       | Qt::ImhNoPredictiveText);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &PasswordPrompt::okButtonSlot);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &PasswordPrompt::reject);

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(promptLabel, 1, 1, 1, 3, Qt::AlignCenter);
    layout->addWidget(methodBox, 2, 1, Qt::AlignRight);
    layout->addWidget(passwordField, 2, 2, Qt::AlignLeft);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons, 3, 2, Qt::AlignRight);

    passwordField->setFocus();
    owner->setApplyOk(false);
}

void PasswordPrompt::showPromptText()
{
    // sudo wants the user's own password, su root's.
    promptLabel->setText(methodBox->currentText() == QLatin1String("sudo")
                             ? tr("Please enter your own password.")
                             : tr("Please enter the root password."));
}

void PasswordPrompt::okButtonSlot()
{
    const QString method = methodBox->currentText();
    const QString password = passwordField->text();
    const RootMethod rootMethod =
        method == QLatin1String("sudo") ? RootMethod::Sudo : RootMethod::Su;

    sudoInvalidate();
    if (runPpdWriter(password, rootMethod, optionsText) != 0) {
        MessageBoxes::show(QMessageBox::NoIcon, tr("Error"), tr("Could not authorize."));
        return;
    }

    owner->setApplyOk(true);
    owner->installableOptionsWritten();
    sudoInvalidate();
    accept();
}

void PasswordPrompt::reject()
{
    QDialog::reject();
}

void PasswordPrompt::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Some window managers minimise a dialog whatever it asks for. Minimised,
    // the modal prompt would leave a window that takes no input, with nothing
    // on a desktop without a panel to bring it back. Not while the state
    // change is still being handled.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, &PasswordPrompt::comeBack);
}

void PasswordPrompt::comeBack()
{
    if (!isVisible() || !isMinimized())
        return;
    showNormal();
    raise();
    activateWindow();
}

int PasswordPrompt::runPpdWriter(const QString &password, RootMethod method,
                                 const QString &optionsText)
{
    const QString printer =
        AppState::optionModel ? AppState::optionModel->printerName() : QString();
    return runPpdWriterAsRoot(method, password, printer,
                              optionsText.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void PasswordPrompt::sudoInvalidate()
{
    dropSudoCredentials();
}
