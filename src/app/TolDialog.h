#pragma once

#include "dialogs/PasswordPrompt.h"
#include "tabs/TabOwner.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <vector>

class AboutDialog;
class BookletTab;
class CupsRequests;
class FinishingTab;
class GeneralTab;
class HelpDialog;
class ImagingTab;
class JobTab;
class PrinterTab;
class ProfileDialog;
class ProfileSaveDialog;
class PublishingTab;
class QDialogButtonBox;
class QPushButton;
class QTimer;
class SNTTab;
class Tab;
class TabOptionCollector;
struct CupsNamesAnswer;
class TolTabWidget;
class WatermarkTab;

// The program's one main window: the option tabs, the profile and help
// buttons, and OK/Apply/Cancel. It drives the constraint pass and writes the
// user's options.
class TolDialog : public TabOwner, public PasswordPromptOwner
{
    Q_OBJECT

public:
    explicit TolDialog(QWidget *parent = nullptr);
    ~TolDialog() override;

    void styleTabBar();
    void enableTab(Tab *tab);
    // Every tab enabled as it has options, with one layout of the bar.
    void enableTabs();
    // Asks CUPS for the destination names; when they differ from the last
    // fill's it refills the list (and unselects a printer that is gone, with
    // a box); when CUPS is silent it says so. `then` learns whether anything
    // changed. One question answers every check asked before its answer.
    void checkPrintersChanged(std::function<void(bool changed)> then = {});
    // Checks that the printer still exists, writes its ".cfg" file and its
    // CUPS defaults with lpoptions, each step once CUPS answered the last;
    // `then` learns whether it all succeeded. Needs a current option model.
    // With `thenList`, the printer list is read again once lpoptions ran
    // (asked meanwhile where it can be).
    // A `replaceable` write (the first one of a selection) is dropped when
    // another row is chosen before it writes anything.
    void writeTolpoptions(std::function<void(bool written)> then = {}, bool thenList = false,
                          bool replaceable = false);
    void writeInstallableOptionsAsRoot();
    void openPasswordPrompt(const QString &optionText);
    void commitInstallableOptions();
    // The password prompt clears the flag and sets it after a successful
    // root write, so that OK closes the window only then.
    void setApplyOk(bool ok) override { work.applyOk = ok; }
    void installableOptionsWritten() override;
    // Other applications' print settings brought into line with the new
    // defaults, in the background.
    void updateOtherAppsPrintSettings(const QString &pageSize);

    // For the tests: how many constraint passes are chained right now.
    int constraintPassCount() const { return constraintPasses; }
    // For the tests: how long to wait before asking a silent CUPS again.
    void setListRetryInterval(int ms);
    // Whether an answer of CUPS is still awaited (the window goes on
    // meanwhile); the status words, which nobody waits for, do not count.
    bool awaitsCups() const;
    // Whether the status words of the printer table are still being read.
    bool readsStatuses() const;
    // Runs the application's event loop until the window has closed and
    // what it left under way has ended (within the write's bound);
    // the loop's result.
    int runUntilEnded();

signals:
    // The window has closed and nothing it started goes on.
    void ended();

public slots:
    void setConstraints() override;
    void toggleColorMode() override;
    void togglePublishingFronAndBackLabel() override;
    void accept() override;
    void unselectPrinters();
    void slotButtonApply();
    void printerChanged(int row, int collumn, int, int);
    void profileChanged() override;
    void reject() override;
    void tabSelected();

    // Adds an option tab at the end of the tab order, before the window is
    // shown; the constructor adds the nine in their fixed order. Tests use it
    // for tabs of their own.
    void addTab(Tab *tab);

    // Closing: every pending answer is dropped and nothing new is asked;
    // a write under way may end within the bound, else it is cut and told.
    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    // Holds the input that depends on a pending answer.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's steps, in their order.
    void refuseRoot();
    // Nothing of the folder is read or written unless it is the user's own.
    void securePerUserFolder();
    void askConsent();
    void fitToScreen();
    // The requests to CUPS and the timer that shows a wait that lasts.
    void makeRequests();
    // The nine tabs in their fixed order, the tab widget and the dialogs
    // the tabs share.
    void makeTabs();
    void makeButtons();
    void layOut();
    // Ctrl+Tab and its like.
    void addTabKeys();
    void connectPrinterTab();
    void makeCloseTimer();

    // The start-up pass over the per-user files, and one box that names
    // what it had to put right: the folder, the files it set aside.
    void reportSecuredFiles(bool folderTightened);
    // The buttons that write: what the constraint marks allow, greyed while
    // a held wait is shown.
    void setWriteButtonsEnabled(bool enabled);
    void showWriteButtons();
    bool refusesInput(QObject *watched, QEvent *event) const;
    // What is pending changed: input is held at once, the wait shown only
    // once it lasts.
    void requestsChanged();
    void showWait();
    // After a wait: the focus on the control that had it, else on the page
    // shown, else on the printer table.
    void restoreFocus();
    // The write is over: after the close, the process may end.
    void writeEndedAfterClose(bool written, bool told);
    void endAfterClose();
    // `now`: whatever is pending.
    void startOtherAppsUpdate(bool now = false);
    // The rest of a printer change, once the selected queue's model came.
    void selectionAnswered(bool answered);
    // Each page enabled as its tab is, unless a held wait greys it.
    void enableOptionPages();
    void finishPrinterChange();
    // Whether the tab's enabled state changed.
    bool setTabEnabledState(int index);
    void layOutTabs(int index);
    // A write has ended: the row chosen meanwhile is selected now.
    void selectHeldRow();
    // An Apply ended: OK closes the window now, unless told otherwise.
    void finishApply();
    bool printersChecked(const CupsNamesAnswer &answer);
    // The selected printer is gone: unselected, with the box that says so,
    // and listed again unless `listed` (the list just shown lacks it).
    void selectedPrinterGone(bool listed = false);
    // A write to `printer` that failed, told from the printer names CUPS
    // gave then; lost: the printer is not among them; asked: the user asked
    // for the write (Apply, OK), which is then told as not applied.
    void writeFailed(const CupsNamesAnswer &answer, const QString &printer, bool lost, bool asked);
    void listShown();
    // CUPS gave no answer: unselects, empties the list and says so, and that
    // the user's write was lost with it.
    void printingSystemNotAnswering(bool writeLost = false);
    // With no printer selected, lists the printers again when CUPS answers
    // after a silence or its queues changed.
    void refillIdleList();

    int constraintPasses = 0;
    QPushButton *saveAsButton = nullptr;
    QPushButton *profilesButton = nullptr;
    ProfileDialog *profileDialog = nullptr;
    ProfileSaveDialog *profileSaveDialog = nullptr;
    TolTabWidget *tabWidget = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *logoButton = nullptr;
    AboutDialog *aboutDialog = nullptr;
    HelpDialog *helpDialog = nullptr;
    QList<Tab *> tabList;
    PrinterTab *printerTab = nullptr;
    GeneralTab *generalTab = nullptr;
    BookletTab *bookletTab = nullptr;
    FinishingTab *finishingTab = nullptr;
    ImagingTab *imagingTab = nullptr;
    PublishingTab *publishingTab = nullptr;
    JobTab *jobTab = nullptr;
    WatermarkTab *watermarkTab = nullptr;
    SNTTab *sntTab = nullptr;
    TabOptionCollector *optionCollector = nullptr;
    bool printerJustChanged = false;
    // How many constraint passes are running, nested; a replaced option
    // model is freed only outside them.
    int constraintPassDepth = 0;
    // Every request to CUPS; made before the tabs, which share it. What is
    // pending there is its to say; what the window has under way besides,
    // and how far its closing has come, is `work`'s.
    CupsRequests *requests = nullptr;
    struct Work
    {
        // No write of the Apply under way failed: OK may close.
        bool applyOk = false;
        // OK was pressed: close once its Apply has ended.
        bool closeAfterApply = false;
        // Starts when input is first held; the wait is shown when it fires.
        QTimer *waitTimer = nullptr;
        bool waitShown = false;
        QPointer<QWidget> focusBeforeWait;
        // After the close: cuts a write that has not ended within its bound.
        QTimer *closeTimer = nullptr;
        bool ended = false;
        // What the write buttons would be without a held wait.
        bool writeButtonsWanted = false;
        bool profilesWanted = false;
        // A settings update of other applications asked for and not started.
        QString otherAppsPageSize;
        bool otherAppsDue = false;
    } work;
};

// The "Settings applied." box.
void showAppliedMessage();

// Before the application object exists: the window draws no GL, so Qt's X11
// platform is told to load no GL driver (which doubles the memory the
// program takes), unless the user chose otherwise.
void keepGlDriverUnloaded();
