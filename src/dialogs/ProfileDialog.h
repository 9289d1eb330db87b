#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

class ProfileEditDialog;
class ProfileSaveDialog;
class QDialogButtonBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TabOptionCollector;
class tOptionModel;

// The saved profiles of the per-user directory: the list ("Factory Default"
// first), a detail view of what the selected row would set, and loading,
// saving, editing and deleting. The main window owns one instance, refills
// it with fillProfileTable() and then shows it.
class ProfileDialog : public QDialog
{
    Q_OBJECT

public:
    // parent is the main window: OK and Apply run its profileChanged() and
    // setConstraints() slots after loading. The collector is only handed on
    // to the save dialog; it is not owned.
    ProfileDialog(QWidget *parent, TabOptionCollector *collector);

public slots:
    void fillProfileTable();
    // The save button follows the constraints-satisfied flag at this moment.
    void show();
    void launchProfileEditDialog();
    void loadDetailsFromCell(int row_end, int col_end, int row_start, int col_start);
    // Makes the selected profile's file the current settings file; the first
    // row, "Factory Default", makes it none.
    void loadProfile();
    void deleteProfile();

private:
    // Key (a PPD keyword or one of the program's settings) to shown text.
    using DisplayTable = QHash<QString, QString>;

    template<typename Sender, typename Signal>
    void connectToMainWindow(const Sender *sender, Signal signal);
    void addProfileRow(const QString &name);
    void makeRowCurrent(int row);
    // The profile name of a row; empty for row 0 and for no row.
    QString profileName(int row) const;

    // The detail view, in ProfileDialogDetails.cpp.
    void createDetailTree();
    void showDetails(int row);
    DisplayTable parseProfileFile(const QString &path);
    QString optionDisplayText(const QString &key, const QString &value,
                              const tOptionModel *model) const;
    DisplayTable factoryDefaultValues() const;
    void buildDetailTree(const DisplayTable &table);
    void addDetailItem(const QString &label, const QString &value, QTreeWidgetItem *section);

    bool ppdFound = false;
    QGridLayout *layout;
    QLabel *selectLabel;
    QTableWidget *profileTable;
    QPushButton *saveButton;
    QPushButton *editButton;
    QPushButton *deleteButton;
    QTreeWidget *detailTree;
    QFrame *separator;
    QDialogButtonBox *buttonBox;
    QPushButton *applyButton;
    ProfileSaveDialog *saveDialog;
    ProfileEditDialog *editDialog;
    int nextRow = 0;
};
