#include "dialogs/ProfileDialog.h"

#include "system/AppState.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

ProfileDialog::ProfileDialog(QWidget *parent, TabOptionCollector *collector)
    : QDialog(parent)
    , collector(collector)
{
    setWindowTitle(tr("Profiles"));
    setWindowFlags(windowFlags() & ~(Qt::WindowContextHelpButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowMinimizeButtonHint));

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

    buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttonBox->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    applyButton = buttonBox->addButton(tr("Apply"), QDialogButtonBox::ApplyRole);

    layout->addWidget(selectLabel, 1, 1, 1, 1);
    layout->addWidget(profileTable, 2, 1, 6, 1);
    layout->addWidget(buttonBox, 10, 1, 1, 2, Qt::AlignRight);
    setMinimumSize(450, 500);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::loadProfile);
    connectToMainWindow(buttonBox, SIGNAL(accepted()));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::close);

    connect(applyButton, &QPushButton::clicked, this, &ProfileDialog::loadProfile);
    connectToMainWindow(applyButton, SIGNAL(clicked()));

    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileDialog::reject);

    fillProfileTable();
}

// After a load the main window reloads every tab and reruns the constraint
// pass. A parent without those slots (a bare widget in tests) is left alone.
void ProfileDialog::connectToMainWindow(QObject *sender, const char *signal)
{
    QWidget *window = parentWidget();
    if (!window)
        return;
    for (const char *slot : {"profileChanged()", "setConstraints()"}) {
        if (window->metaObject()->indexOfSlot(slot) >= 0)
            connect(sender, signal, window, QByteArray("1") + slot);
    }
}

void ProfileDialog::fillProfileTable()
{
    profileTable->blockSignals(true);
    profileTable->clearContents();
    profileTable->setRowCount(0);
    profileTable->insertRow(0);
    profileTable->setItem(0, 0, new QTableWidgetItem(tr("Factory Default")));
    profileTable->blockSignals(false);
}

void ProfileDialog::loadProfile()
{
    const int row = profileTable->currentRow();
    if (row < 0)
        return;
    if (row == 0) {
        AppState::settingsFile.clear();
        return;
    }
    AppState::settingsFile =
        AppState::perUserDirectory + profileTable->item(row, 0)->text() + QStringLiteral(".cfg");
}
