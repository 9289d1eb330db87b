#include "dialogs/LicenseDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

LicenseDialog::LicenseDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Legal Notices"));

    auto *layout = new QVBoxLayout(this);
    textView = new QTextEdit(this);
    textView->setReadOnly(true);
    setFixedSize(650, 500);
    // The notices are plain text: shown as such, an address in angle
    // brackets or a "<" can't be taken for markup.
    textView->setPlainText(licenseText());

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(textView);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &LicenseDialog::accept);
}

QString LicenseDialog::licenseText()
{
    QFile file(QStringLiteral(":/strings/license"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return in.readAll();
}
