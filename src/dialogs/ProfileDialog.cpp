#include "dialogs/ProfileDialog.h"

#include "dialogs/ProfileEditDialog.h"
#include "dialogs/ProfileSaveDialog.h"
#include "system/AppState.h"
#include "system/ProfileFiles.h"
#include "tabs/TabOwner.h"
#include "widgets/SeparatorLine.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidget>

ProfileDialog::ProfileDialog(QWidget *parent, TabOptionCollector *collector)
    : QDialog(parent)
{
    setWindowTitle(tr("Profiles"));
    setWindowFlags(windowFlags()
                   & ~(Qt::WindowContextHelpButtonHint | Qt::WindowMaximizeButtonHint
                       | Qt::WindowMinimizeButtonHint));
    setWindowModality(Qt::WindowModal);

    saveDialog = new ProfileSaveDialog(this, collector);
    saveDialog->setWindowTitle(tr("Save Profiles"));
    editDialog = new ProfileEditDialog(this);
    editDialog->setWindowTitle(tr("Edit Profile"));

    // Not fixed to the layout's size hint, which is smaller than the
    // 450 x 500 the list and the detail tree need.
    layout = new QGridLayout(this);
    selectLabel = new QLabel(tr("Select profile:"), this);

    profileTable = new QTableWidget(0, 1, this);
    profileTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    profileTable->setSelectionMode(QAbstractItemView::SingleSelection);
    profileTable->verticalHeader()->hide();
    profileTable->horizontalHeader()->hide();
    profileTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    profileTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    profileTable->setTabKeyNavigation(false);

    saveButton = new QPushButton(tr("Save") + QStringLiteral("..."), this);
    editButton = new QPushButton(tr("Edit..."), this);
    deleteButton = new QPushButton(tr("Delete"), this);

    separator = separatorLine(this, QFrame::HLine);
    separator->setGeometry(QRect());

    createDetailTree();

    buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttonBox->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    applyButton = buttonBox->addButton(tr("Apply"), QDialogButtonBox::ApplyRole);

    layout->addWidget(selectLabel, 1, 1, 1, 1);
    layout->addWidget(profileTable, 2, 1, 6, 1);
    layout->addWidget(saveButton, 2, 2, 1, 1);
    layout->addWidget(editButton, 3, 2, 1, 1);
    layout->addWidget(deleteButton, 4, 2, 1, 1);
    layout->addWidget(detailTree, 8, 1, 1, 2);
    layout->addWidget(separator, 9, 1, 1, 2);
    layout->addWidget(buttonBox, 10, 1, 1, 2, Qt::AlignRight);
    setMinimumSize(450, 500);

    connect(profileTable, &QTableWidget::currentCellChanged, this,
            &ProfileDialog::loadDetailsFromCell);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::loadProfile);
    connectToMainWindow(buttonBox, &QDialogButtonBox::accepted);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::close);

    connect(applyButton, &QPushButton::clicked, this, &ProfileDialog::loadProfile);
    connectToMainWindow(applyButton, &QPushButton::clicked);

    connect(saveButton, &QPushButton::clicked, saveDialog, &ProfileSaveDialog::exec);
    connect(saveButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);
    connect(editButton, &QPushButton::clicked, this, &ProfileDialog::launchProfileEditDialog);
    connect(editButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);
    connect(deleteButton, &QPushButton::clicked, this, &ProfileDialog::deleteProfile);
    connect(deleteButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);

    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileDialog::reject);
}

// After a load the main window reloads every tab and reruns the constraint
// pass. A parent that does not own the tabs (a bare widget in tests) is left
// alone.
template<typename Sender, typename Signal>
void ProfileDialog::connectToMainWindow(const Sender *sender, Signal signal)
{
    auto *window = qobject_cast<TabOwner *>(parentWidget());
    if (!window)
        return;
    connect(sender, signal, window, &TabOwner::profileChanged);
    connect(sender, signal, window, &TabOwner::setConstraints);
}

void ProfileDialog::show()
{
    saveButton->setEnabled(AppState::constraintsSatisfied);
    QDialog::show();
}

void ProfileDialog::addProfileRow(const QString &name)
{
    profileTable->insertRow(nextRow);
    profileTable->setItem(nextRow, 0, new QTableWidgetItem(name));
    ++nextRow;
}

QString ProfileDialog::profileName(int row) const
{
    const QTableWidgetItem *item = row > 0 ? profileTable->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

void ProfileDialog::makeRowCurrent(int row)
{
    profileTable->setCurrentCell(row, 0);
    loadDetailsFromCell(row, 0, row, 0);
}

// A profile that the save or edit dialog has just created becomes current;
// otherwise the one that was current stays so; otherwise "Factory Default".
void ProfileDialog::fillProfileTable()
{
    const QTableWidgetItem *current = profileTable->currentItem();
    const QString currentText = current ? current->text() : QString();
    QSet<QString> knownTexts;
    for (int row = 0; row < profileTable->rowCount(); ++row) {
        if (const QTableWidgetItem *item = profileTable->item(row, 0))
            knownTexts.insert(item->text());
    }

    profileTable->blockSignals(true);
    nextRow = 0;
    profileTable->clearContents();
    profileTable->setRowCount(0);

    addProfileRow(tr("Factory Default"));
    const QStringList names = listProfileNames();
    for (const QString &name : names)
        addProfileRow(name);

    bool madeCurrent = false;
    for (int row = 0; row < profileTable->rowCount(); ++row) {
        const QString text = profileTable->item(row, 0)->text();
        if (!knownTexts.contains(text)) {
            makeRowCurrent(row);
            madeCurrent = true;
            break;
        }
        if (!currentText.isEmpty() && text == currentText) {
            makeRowCurrent(row);
            madeCurrent = true;
        }
    }
    if (!madeCurrent)
        makeRowCurrent(0);
    profileTable->blockSignals(false);
}

void ProfileDialog::loadDetailsFromCell(int row_end, int, int, int)
{
    const bool present = row_end >= 0 && profileTable->item(row_end, 0);
    if (present)
        showDetails(row_end);
    else
        detailTree->clear();
    editButton->setEnabled(present && row_end != 0);
    deleteButton->setEnabled(present && row_end != 0);
}

void ProfileDialog::loadProfile()
{
    const int row = profileTable->currentRow();
    if (row < 0)
        return;
    AppState::settingsFile = row == 0 ? QString() : profilePath(profileName(row));
}

void ProfileDialog::deleteProfile()
{
    const QString name = profileName(profileTable->currentRow());
    if (name.isEmpty())
        return;
    // The tabs keep showing a deleted profile's values; the file they came
    // from is gone, so there is nothing left to refresh on Cancel.
    if (removeProfile(name) && AppState::settingsFile == profilePath(name))
        AppState::settingsFile.clear();
}

void ProfileDialog::launchProfileEditDialog()
{
    const QString name = profileName(profileTable->currentRow());
    if (name.isEmpty())
        return;
    editDialog->setFields(name, storedDescription(name));
    editDialog->exec();
}
