#pragma once

#include "dialogs/ProfileFormDialog.h"

class TabOptionCollector;

// Keeps the option values of every tab but the printer tab as a named
// profile, with an optional description. OK stays disabled while the name or
// the description breaks a rule; the dialog refuses to open once the profile
// limit is reached. The collector is not owned.
class ProfileSaveDialog : public ProfileFormDialog
{
    Q_OBJECT

public:
    ProfileSaveDialog(QWidget *parent, TabOptionCollector *collector);

public slots:
    void saveProfile();
    void checkProfileNameAndDescription();
    // Both open the dialog with empty fields, unless the limit is reached.
    void show();
    int exec() override;

private:
    bool prepareOpening();

    TabOptionCollector *collector;
    bool nameValid = false;
};
