#pragma once

#include <QDialog>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class TabOptionCollector;

// The list of saved option profiles. The main window owns one instance,
// refills it with fillProfileTable() and shows it modeless.
class ProfileDialog : public QDialog
{
    Q_OBJECT

public:
    // parent is the main window: OK and Apply run its profileChanged() and
    // setConstraints() slots after loading. The collector is not owned.
    ProfileDialog(QWidget *parent, TabOptionCollector *collector);

public slots:
    void fillProfileTable();
    // Points the current settings file at the chosen row's profile; the
    // first row, "Factory Default", points it at no file.
    void loadProfile();

private:
    void connectToMainWindow(QObject *sender, const char *signal);

    QGridLayout *layout;
    QLabel *selectLabel;
    QTableWidget *profileTable;
    QDialogButtonBox *buttonBox;
    QPushButton *applyButton;
    TabOptionCollector *collector;
};
