#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <initializer_list>
#include <memory>

class BackgroundCommand;
class CupsConnection;
class tOptionModel;
typedef struct _ipp_s ipp_t;

// What the program asks of libcups about the local CUPS destinations. Queue
// names are UTF-8 throughout: CUPS accepts names outside ASCII.

// The names of all CUPS destinations; instances of one queue collapse.
// `answered` is set to false when the CUPS server gave no answer at all (the
// set is then empty, though the queues may well still exist).
QSet<QString> cupsPrinterSet(CupsConnection &connection, bool *answered = nullptr);

// One CUPS-Get-Printers question for these attributes of every queue; null,
// with `answered` false, when CUPS gave no answer in time. The caller frees
// the answer with ippDelete.
ipp_t *askCupsPrinters(CupsConnection &connection, std::initializer_list<const char *> attributes,
                       bool *answered);

// One of the maker's queues as the printer table shows it.
struct MakerPrinter
{
    QString name;
    // The destination's "device-uri" option; empty when it has none.
    QString deviceUri;
};

struct MakerPrinterListing
{
    // In the order CUPS lists its destinations; one entry per destination
    // entry, so a queue with several instances appears once per instance.
    QList<MakerPrinter> printers;
    // Every destination seen, the maker's or not.
    QSet<QString> knownPrinters;
    // False when CUPS did not answer one of the listing's questions: the
    // empty list then says nothing about the installed queues.
    bool cupsAnswered = true;
};

// Asks CUPS once for its queues with their device and the time their
// configuration changed, and keeps those whose PPD says it is one of the
// maker's queues (manufacturer, filter and device ID). A queue's PPD is
// fetched once per run and again only when that time moved. The rows are the
// user's destination list: each queue, and each lpoptions instance of it
// named in the server's or the user's lpoptions file, sorted as libcups
// sorts that list. Every question is bounded (CupsConnection), the PPDs are
// fetched on bounded connections of their own, and the first one left
// unanswered ends the listing as not answered.
MakerPrinterListing listMakerPrinters(CupsConnection &connection);

// The same in two steps: the constructor asks CUPS for the queues, finish()
// waits for the PPD answers. The lpoptions instances are read by the
// constructor, or later: startChecks() starts fetching the PPDs alone, which
// no lpoptions run changes, and resume() reads the instances, so that a
// caller's lpoptions run ends first (finish() resumes a run nobody resumed).
// Once only.
class MakerPrinterListingRun
{
public:
    enum class DestinationList { Now, Later };
    explicit MakerPrinterListingRun(CupsConnection &connection,
                                    DestinationList when = DestinationList::Now);
    ~MakerPrinterListingRun();
    void startChecks();
    void resume();
    // The instances are read by resume() itself: nothing to wait for.
    void waitForDestinations();
    // The destination names asked for by the constructor, as cupsPrinterSet.
    const QSet<QString> &knownPrinters() const;
    // Whether CUPS answered the constructor's question.
    bool cupsAnswered() const;
    MakerPrinterListing finish();

private:
    MakerPrinterListingRun(const MakerPrinterListingRun &) = delete;
    MakerPrinterListingRun &operator=(const MakerPrinterListingRun &) = delete;

    void readDestinations();

    struct State;
    std::unique_ptr<State> d;
};

// The status words of the queues, in their order, from one `lpstat -p` run
// whose entries are matched to the queues by name: the same words that
// printerStatus gives for each queue alone.
QStringList printerStatuses(const QStringList &names);

// The same in two steps: lpstat starts with this and runs while the caller
// goes on.
class PrinterStatusRun
{
public:
    // `stop`, when given, ends the wait (and lpstat) once set.
    explicit PrinterStatusRun(const std::atomic<bool> *stop = nullptr);
    // Ends lpstat when nobody waited for it.
    ~PrinterStatusRun();
    // Waits for lpstat, at most `limitMs` when not negative (lpstat is then
    // ended and every status is the error text); once only.
    QStringList statuses(const QStringList &names, int limitMs = -1);

private:
    PrinterStatusRun(const PrinterStatusRun &) = delete;
    PrinterStatusRun &operator=(const PrinterStatusRun &) = delete;

    std::unique_ptr<BackgroundCommand> command;
    const std::atomic<bool> *stop;
    bool waited = false;
};

// Whether CUPS knows the queue, asked about it alone (not about every
// queue); `answered` is false when CUPS gave no answer at all.
bool cupsQueueExists(const QString &queueName, bool *answered, CupsConnection &connection);

enum class MakerQueuesOnly { No, Yes };

// A new option model for the queue, with its printer name set; null when the
// queue is gone or its PPD cannot be fetched or opened, or, with
// MakerQueuesOnly::Yes, when the PPD fails the listing's rules (it was
// replaced since the queue was listed). From one fetch of the PPD that also
// gives its top-level option keywords (as topLevelOptionKeywords), so that no
// later write fetches it.
std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName,
                                                CupsConnection &connection,
                                                QStringList *topLevelKeywords = nullptr,
                                                MakerQueuesOnly makersOnly = MakerQueuesOnly::No);

// The option keywords of the PPD's top-level groups, in PPD order, without
// those declared inside a subgroup: the options that may be handed to
// lpoptions. `ok` is set to false when the queue's PPD cannot be fetched or
// opened.
QStringList topLevelOptionKeywords(const QString &queueName, CupsConnection &connection,
                                   bool *ok = nullptr);
