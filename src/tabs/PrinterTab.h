#pragma once

#include "tabs/Tab.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
// Complete, so that the main window can connect to table() directly.
#include <QTableWidget>

#include <memory>
#include <vector>

class ComboBoxEx;
class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;
class PrinterStatusRun;
struct MakerPrinterListing;
struct PendingRefill;
class tOptionModel;

// The first tab, "Printer": the table of the maker's CUPS queues with their
// device and status, the printer selection, and the selected queue's
// installable options (hardware settings that only root can write).
//
// Selecting a row builds the queue's option model and makes it the current
// one (AppState::optionModel), with the printer's ".cfg" file in the per-user
// directory as the current settings file. The tab owns every model it built.
// A model that a selection replaced stays alive until the main window calls
// releaseReplacedModels(), so that no tab or constraint pass is left holding
// a freed model.
//
// The main window must connect the table's currentCellChanged(int,int,int,int)
// to its printerChanged after constructing this tab: the tab's own
// changePrinter is connected first, so the new model is in place when the
// main window reloads the tabs.
class PrinterTab : public Tab
{
    Q_OBJECT

public:
    explicit PrinterTab(QWidget *parent);
    ~PrinterTab() override;

    // The printer table ("tblPrinters").
    QTableWidget *table() const { return printerTable; }

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // Always true: the tab is shown with or without a printer.
    bool hasOptions() override;
    // Rebuilds the installable-option widgets for the current model, loads
    // and takes their values.
    void reload() override;
    void retranslateUi() override;
    // After a profile change: the model takes the widgets' values again.
    virtual void reapplyOptions();

    // Lists the maker's queues anew and replaces AppState::knownPrinters.
    // Starts no printer change; the selected printer keeps its selection
    // when it is still listed.
    void fillPrinterTable();
    // The same in two steps, so that the caller can go on (and run
    // lpoptions) while CUPS is asked: the table changes only at
    // finishRefill(). Anything that reads the table or the known-printers
    // set must finish a started refill first; finishing none does nothing.
    void startRefill();
    void finishRefill();
    // A started refill asks CUPS for the destination names alone until
    // resumed: lpoptions rewrites the destination list it reads, and CUPS
    // answers one request at a time.
    void resumeRefill();
    // The destination names a started refill asked CUPS for, and whether CUPS
    // answered; null without one.
    const QSet<QString> *refillPrinterNames(bool *answered = nullptr) const;

    // Whether CUPS answered at the last fill of the table.
    bool printingSystemAnswered() const { return cupsAnswered; }
    // What the table area says while it lists no printer; empty while it
    // lists some.
    QString tableNotice() const;

    // Whether an installable option differs from its value at the last take.
    bool optionsChanged() const { return installedOptionsChanged; }
    // The widgets' values become the unchanged state; hides the warning.
    void takeOptionValues();

    // For the unselection: removes the installable-option widgets and clears
    // the table's selection and current cell (see clearCurrentPrinter).
    void clearOptionWidgets();
    // Clears the table's selection and current cell without signalling, so
    // that choosing the same row again is a printer change.
    void clearCurrentPrinter();

    // A printer change reads every row's status again: this starts lpstat
    // (unless a selection started it already), retranslateUi then leaves the
    // Status cells alone, and finishStatusRefresh() fills them, so that
    // lpstat runs while the tabs reload. A refill in between makes the
    // refresh void.
    void startStatusRefresh();
    void finishStatusRefresh();
    // For a window whose printer change always follows a selection with
    // start/finishStatusRefresh: a selection then starts lpstat itself,
    // before the PPD is fetched, and drops it when no model was built.
    void setStatusRefreshOnSelection(bool on) { statusRefreshOnSelection = on; }

    // The option keywords that may reach lpoptions, read from the PPD when the
    // current model was built (no fetch); `known` is false when the current
    // model is none of this tab's.
    QStringList lpoptionsKeywords(bool *known) const;

    // Frees the models that earlier selections replaced; never the current
    // one. Call once every tab has reloaded from the new model, outside any
    // constraint pass.
    void releaseReplacedModels();

public slots:
    void changePrinter(int row, int collumn, int prev_row, int prev_collumn);
    void checkForChanges(int value);

protected:
    void initTabName() override;
    void buildUi() override;
    void connectComboBox(ComboBoxEx *combo) override;
    void connectCheckBox(QCheckBox *check_box) override;

private:
    void createWidgets();
    void listPrinters();
    void setHeaders();
    void showStatuses(PrinterStatusRun &run);
    void showListing(const MakerPrinterListing &listing, PrinterStatusRun &statusRun);
    void buildOptionWidgets();
    void removeOptionWidgets();
    void updateTableNotice();
    void enableInstalledOptionsLabel();
    static QString installableValue(QWidget *widget);

    QTableWidget *printerTable = nullptr;
    QLabel *installedOptionsLabel = nullptr;
    QLabel *rootWarningLabel = nullptr;
    QGridLayout *optionsLayout = nullptr;
    QWidget *optionsContainer = nullptr;
    int nextOptionRow = 0;
    QHash<QString, QString> takenValues;
    bool installedOptionsChanged = false;
    bool statusRefreshOnSelection = false;
    bool cupsAnswered = true;

    std::unique_ptr<tOptionModel> selectedModel;
    QStringList selectedKeywords;
    std::unique_ptr<PrinterStatusRun> statusRefresh;
    std::unique_ptr<PendingRefill> pendingRefill;
    std::vector<std::unique_ptr<tOptionModel>> replacedModels;
};
