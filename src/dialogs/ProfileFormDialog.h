#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTextEdit;

// The form that the save and edit dialogs share: a name, a description and
// OK/Cancel, with OK enabled only while both keep the profile rules. The
// subclass gives the translated texts and connects the fields to its check.
class ProfileFormDialog : public QDialog
{
    Q_OBJECT

public:
    ProfileFormDialog(QWidget *parent, const QString &nameText, const QString &descriptionText);

protected:
    // Re-reads the installed queue names, which a profile may not be called.
    void reloadQueueNames();
    // Tests the rules and enables OK by the outcome.
    bool checkFields();
    void setOkEnabled(bool enabled);

    QGridLayout *layout;
    QLabel *nameLabel;
    QLineEdit *nameEdit;
    QLabel *descriptionLabel;
    QTextEdit *descriptionEdit;
    QDialogButtonBox *buttonBox;
    QStringList queueNames;
};
