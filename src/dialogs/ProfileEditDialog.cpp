#include "dialogs/ProfileEditDialog.h"

#include "system/AppState.h"
#include "system/ProfileFiles.h"
#include "widgets/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTextEdit>

ProfileEditDialog::ProfileEditDialog(QWidget *parent)
    : ProfileFormDialog(parent, tr("Name:"), tr("Description:"))
{
    setWindowTitle(tr("Edit Profile"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileEditDialog::editProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileEditDialog::close);
    connect(nameEdit, &QLineEdit::textChanged, this, &ProfileEditDialog::checkProfileName);
    connect(descriptionEdit, &QTextEdit::textChanged, this, &ProfileEditDialog::checkProfileName);
}

void ProfileEditDialog::setFields(const QString &name, const QString &description)
{
    oldName = name;
    nameEdit->setText(name);
    descriptionEdit->setPlainText(unescapeDescription(description));
}

void ProfileEditDialog::checkProfileName()
{
    nameValid = checkFields();
}

void ProfileEditDialog::editProfile()
{
    if (oldName.isEmpty() || !checkFields())
        return;
    const QString newName = nameEdit->text();
    const QString description = escapeDescription(descriptionEdit->toPlainText());

    ProfileRewrite result = rewriteProfile(oldName, newName, description, false);
    if (result == ProfileRewrite::TargetExists) {
        const auto answer = MessageBoxes::show(
            QMessageBox::Question, tr("Edit Profile"),
            tr("A profile named \"%1\" already exists. Do you want to replace it?").arg(newName),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        result = rewriteProfile(oldName, newName, description, true);
    }
    if (result == ProfileRewrite::Failed) {
        MessageBoxes::show(QMessageBox::Warning, tr("Edit Profile"),
                           tr("The profile could not be saved."));
        return;
    }

    // A loaded profile that moved stays the one the tabs read from.
    if (AppState::settingsFile == profilePath(oldName))
        AppState::settingsFile = profilePath(newName);
    close();
}

void ProfileEditDialog::show()
{
    reloadQueueNames();
    checkProfileName();
    QDialog::show();
}

int ProfileEditDialog::exec()
{
    reloadQueueNames();
    checkProfileName();
    return QDialog::exec();
}
