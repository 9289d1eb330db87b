#include "dialogs/ProfileSaveDialog.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/ProfileFiles.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTextEdit>

ProfileSaveDialog::ProfileSaveDialog(QWidget *parent, TabOptionCollector *collector)
    : ProfileFormDialog(parent, tr("Name:"), tr("Description") + QLatin1Char(':'))
    , collector(collector)
{
    setWindowTitle(tr("Save Profile"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileSaveDialog::saveProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileSaveDialog::close);
    connect(nameEdit, &QLineEdit::textChanged, this,
            &ProfileSaveDialog::checkProfileNameAndDescription);
    connect(descriptionEdit, &QTextEdit::textChanged, this,
            &ProfileSaveDialog::checkProfileNameAndDescription);
}

void ProfileSaveDialog::checkProfileNameAndDescription()
{
    nameValid = checkFields();
}

void ProfileSaveDialog::saveProfile()
{
    const QString name = nameEdit->text();
    const bool clash = AppState::optionModel && name == AppState::optionModel->printerName();
    if (name.isEmpty() || clash) {
        MessageBoxes::show(QMessageBox::NoIcon, tr("Save Profile"),
                           clash ? tr("This name is reserved")
                                 : tr("You must enter a profile name"));
        return;
    }
    // The rules keep the name a safe file name: never write past them.
    if (!checkFields())
        return;

    const OptionHash options = collector ? collector->collectTabOptions() : OptionHash();
    const QString description = escapeDescription(descriptionEdit->toPlainText());
    if (!writeProfileFile(profilePath(name), options, false, description)) {
        MessageBoxes::show(QMessageBox::Warning, tr("Save Profile"),
                           tr("The profile could not be saved."));
        return;
    }
    close();
}

bool ProfileSaveDialog::prepareOpening()
{
    if (countProfiles() >= maximumProfileCount) {
        MessageBoxes::show(
            QMessageBox::NoIcon, tr("Save Profile"),
            tr("The profile could not be added. A maximum profile count of 25 has been reached."));
        return false;
    }
    nameEdit->setText(QString());
    descriptionEdit->setPlainText(QString());
    reloadQueueNames();
    checkProfileNameAndDescription();
    return true;
}

void ProfileSaveDialog::show()
{
    if (prepareOpening())
        QDialog::show();
}

int ProfileSaveDialog::exec()
{
    if (!prepareOpening())
        return QDialog::Rejected;
    return QDialog::exec();
}
