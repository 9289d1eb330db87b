#pragma once

#include "dialogs/ProfileFormDialog.h"

// Gives an existing profile a new name, a new description, or both. The name
// rules are those of the save dialog; there is no profile limit here.
class ProfileEditDialog : public ProfileFormDialog
{
    Q_OBJECT

public:
    explicit ProfileEditDialog(QWidget *parent);

    // The profile's name and its description as stored (line breaks as
    // backslash and "n").
    void setFields(const QString &name, const QString &description);

public slots:
    void editProfile();
    void checkProfileName();
    // Both keep the fields that setFields gave.
    void show();
    int exec() override;

private:
    QString oldName;
    bool nameValid = false;
};
