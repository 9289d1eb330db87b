#include "dialogs/ProfileFormDialog.h"

#include "system/ProfileFiles.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>

ProfileFormDialog::ProfileFormDialog(QWidget *parent, const QString &nameText,
                                     const QString &descriptionText)
    : QDialog(parent)
{
    layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    nameLabel = new QLabel(nameText, this);
    nameEdit = new QLineEdit(this);
    descriptionLabel = new QLabel(descriptionText, this);
    descriptionEdit = new QTextEdit(this);
    descriptionEdit->setMaximumSize(400, 50);
    descriptionEdit->setTabChangesFocus(true);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setWindowModality(Qt::WindowModal);

    layout->addWidget(nameLabel, 1, 1, 1, 1);
    layout->addWidget(nameEdit, 2, 1, 1, 1);
    layout->addWidget(descriptionLabel, 7, 1, 1, 1);
    layout->addWidget(descriptionEdit, 8, 1, 1, 1);
    layout->addWidget(buttonBox, 10, 1, 1, 1);
    setMinimumSize(350, 200);

    // Only caps the typed length; the byte limit is one of the rules.
    nameEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(".{0,251}"),
                           QRegularExpression::DotMatchesEverythingOption),
        this));
    setOkEnabled(false);
}

void ProfileFormDialog::reloadQueueNames()
{
    queueNames = installedQueueNames();
}

bool ProfileFormDialog::checkFields()
{
    const bool valid =
        isAcceptableProfile(nameEdit->text(), descriptionEdit->toPlainText(), queueNames);
    setOkEnabled(valid);
    return valid;
}

void ProfileFormDialog::setOkEnabled(bool enabled)
{
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(enabled);
}
