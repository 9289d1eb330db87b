#include "dialogs/ProfileSaveDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

ProfileSaveDialog::ProfileSaveDialog(QWidget *parent, TabOptionCollector *collector)
    : QDialog(parent)
    , collector(collector)
{
    layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    nameLabel = new QLabel(tr("Name:"), this);
    nameEdit = new QLineEdit(this);
    descriptionLabel = new QLabel(tr("Description") + QLatin1Char(':'), this);
    descriptionEdit = new QTextEdit(this);
    descriptionEdit->setMaximumSize(400, 50);
    descriptionEdit->setTabChangesFocus(true);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    layout->addWidget(nameLabel, 1, 1, 1, 1);
    layout->addWidget(nameEdit, 2, 1, 1, 1);
    layout->addWidget(descriptionLabel, 7, 1, 1, 1);
    layout->addWidget(descriptionEdit, 8, 1, 1, 1);
    layout->addWidget(buttonBox, 10, 1, 1, 1);

    setWindowTitle(tr("Save Profile"));
    setMinimumSize(350, 200);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileSaveDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileSaveDialog::close);
}
