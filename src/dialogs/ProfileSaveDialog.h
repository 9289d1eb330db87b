#pragma once

#include <QDialog>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTextEdit;
class TabOptionCollector;

// Asks for the name and description under which the current option values
// are kept as a profile. The collector is not owned.
class ProfileSaveDialog : public QDialog
{
    Q_OBJECT

public:
    ProfileSaveDialog(QWidget *parent, TabOptionCollector *collector);

private:
    QGridLayout *layout;
    QLabel *nameLabel;
    QLineEdit *nameEdit;
    QLabel *descriptionLabel;
    QTextEdit *descriptionEdit;
    QDialogButtonBox *buttonBox;
    TabOptionCollector *collector;
};
