#pragma once

#include <QDialog>

class QDialogButtonBox;
class QTextEdit;

// Shows the legal notices: the program's own and those of the open-source
// components it uses.
class LicenseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LicenseDialog(QWidget *parent = nullptr);

    // The notices text, empty when its resource cannot be opened.
    static QString licenseText();

private:
    QTextEdit *textView;
    QDialogButtonBox *buttonBox;
};
