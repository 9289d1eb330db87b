#pragma once

#include "tabs/Tab.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
// Complete, so that the main window can connect to table() directly.
#include <QTableWidget>

#include <functional>
#include <memory>
#include <vector>

class ComboBoxEx;
class QCheckBox;
class QGridLayout;
class QLabel;
class QWidget;
class CupsRequests;
struct MakerPrinterListing;
struct PrinterListAnswer;
class tOptionModel;

// The first tab, "Printer": the table of the maker's CUPS queues with their
// device and status, the printer selection, and the selected queue's
// installable options (hardware settings that only root can write).
//
// Selecting a row has the queue's option model built (through CupsRequests,
// so that the window never waits on CUPS) and makes it the current one
// (AppState::optionModel) when it comes, with the printer's ".cfg" file in the per-user
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
    // Asks CUPS through `requests`, or through an owner of its own when
    // none is given.
    explicit PrinterTab(QWidget *parent, CupsRequests *requests = nullptr);
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

    // Asks CUPS for the maker's queues anew; the table and
    // AppState::knownPrinters change when the answer comes (listShown). Starts
    // no printer change; the selected printer keeps its selection when it is
    // still listed. A later refill makes an earlier one's answer void. The
    // Status cells are read afterwards, on a lane of their own.
    void fillPrinterTable();
    // The same for a listing asked for elsewhere (CupsRequests::writeLpoptions):
    // what to hand its answer to.
    std::function<void(const PrinterListAnswer &)> refillAfterWrite();
    // A refill is under way.
    bool isListing() const;
    // CUPS is known to be silent: empties the table, which says so, and
    // makes every pending answer about the list void.
    void showNotAnswering();

    // Whether CUPS answered at the last fill of the table.
    bool printingSystemAnswered() const;
    // What the table area says while it lists no printer; empty while it
    // lists some.
    QString tableNotice() const;
    // Whether the window shows that it waits: an empty table that CUPS has
    // not filled yet then says so.
    void showWaiting(bool shown);
    // The installed options below the table.
    QWidget *installedOptionsArea() const { return optionsArea; }

    // Whether an installable option differs from its value at the last take.
    bool optionsChanged() const { return installedOptionsChanged; }
    // The widgets' values become the unchanged state; hides the warning.
    void takeOptionValues();

    // For the unselection: removes the installable-option widgets, clears
    // the table's selection and current cell (see clearCurrentPrinter) and
    // makes a pending selection void.
    void clearOptionWidgets();
    // Clears the table's selection and current cell without signalling, so
    // that choosing the same row again is a printer change.
    void clearCurrentPrinter();

    // A selected row's option model is being read (printerSelected follows).
    bool selectionPending() const;
    // A row chosen while a write held row changes: it, once the write has
    // ended, unless it is the printer selected; else -1. The caller makes
    // the printer change.
    int takeHeldRow();
    // Asks lpstat for every row's status again; the Status cells change when
    // it answers. A refill in between makes the answer void.
    void refreshStatuses();

    // Where the tab, and the main window, ask CUPS.
    CupsRequests *requests() const { return cupsRequests; }

    // The option keywords that may reach lpoptions, read from the PPD when the
    // current model was built (no fetch); `known` is false when the current
    // model is none of this tab's.
    QStringList lpoptionsKeywords(bool *known) const;

    // Frees the models that earlier selections replaced; never the current
    // one. Call once every tab has reloaded from the new model, outside any
    // constraint pass.
    void releaseReplacedModels();

public slots:
    // Starts reading the row's option model; AppState::optionModel is null
    // until printerSelected.
    void changePrinter(int row, int collumn, int prev_row, int prev_collumn);
    void checkForChanges(int value);

signals:
    // A refill's answer is in the table.
    void listShown();
    // The selection's answer: AppState::optionModel is the new model, or
    // null when the queue is gone or unreadable, or when CUPS did not answer
    // (`answered` false).
    void printerSelected(bool answered);
    // The Status cells hold lpstat's latest answer.
    void statusesShown();

protected:
    void initTabName() override;
    void buildUi() override;
    void connectComboBox(ComboBoxEx *combo) override;
    void connectCheckBox(QCheckBox *check_box) override;

private:
    void createWidgets();
    void setHeaders();
    // `statuses`: the words shown so far, by queue name.
    void showListing(const MakerPrinterListing &listing, const QHash<QString, QString> &statuses);
    void showRefill(const MakerPrinterListing &listing);
    void listAnswered(const PrinterListAnswer &answer);
    void modelAnswered(const std::shared_ptr<tOptionModel> &model, const QStringList &keywords);
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
    QWidget *optionsArea = nullptr;
    int nextOptionRow = 0;
    QHash<QString, QString> takenValues;
    bool installedOptionsChanged = false;
    // Until the first answer with rows sizes the columns to their contents.
    bool columnsSized = false;
    // A fill (or the notice of a silence) was shown; until then an empty
    // table waits for CUPS.
    bool filledOnce = false;
    bool waitingShown = false;
    bool rowHeld = false;

    CupsRequests *cupsRequests = nullptr;

    std::shared_ptr<tOptionModel> selectedModel;
    QStringList selectedKeywords;
    std::vector<std::shared_ptr<tOptionModel>> replacedModels;
};
