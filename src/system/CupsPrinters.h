#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class BackgroundCommand;
class CupsConnection;
class tOptionModel;

// What the program asks of libcups about the local CUPS destinations. Queue
// names are UTF-8 throughout: CUPS accepts names outside ASCII.

// The names of all CUPS destinations; instances of one queue collapse.
// `answered` is set to false when the CUPS server gave no answer at all (the
// set is then empty, though the queues may well still exist). Over the
// thread's default connection, or over `connection`, which a request without
// an answer drops.
QSet<QString> cupsPrinterSet(bool *answered = nullptr, CupsConnection *connection = nullptr);

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
    // False when CUPS did not answer: the empty list then says nothing about
    // the installed queues.
    bool cupsAnswered = true;
};

// Walks every CUPS destination and keeps those whose PPD says it is one of
// the maker's queues (manufacturer, filter and device ID). A queue's PPD is
// read once per run and again only when CUPS says it changed.
MakerPrinterListing listMakerPrinters(CupsConnection *connection = nullptr);

// The same in two steps: the constructor asks CUPS for the destination
// names and starts asking about the PPDs on other threads; finish() waits for
// the answers. The destination list (which holds the user's lpoptions
// instances) is read by the constructor. Or later: the constructor asks for
// the names alone and resume() starts the rest on threads of its own, so
// that a caller's lpoptions run, which rewrites the list and which CUPS would
// otherwise answer among the questions about the PPDs, ends first (finish()
// resumes a run nobody resumed). Once only. With a `connection`, every
// question is bounded (CupsConnection), the PPDs are asked about on bounded
// connections of their own, and a CUPS that does not answer the names is
// asked nothing more.
class MakerPrinterListingRun
{
public:
    enum class DestinationList { Now, Later };
    explicit MakerPrinterListingRun(DestinationList when = DestinationList::Now,
                                    CupsConnection *connection = nullptr);
    ~MakerPrinterListingRun();
    // Starts asking about the PPDs alone, which no lpoptions run changes;
    // resume() then reads the destination list.
    void startChecks();
    void resume();
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

// Whether CUPS knows the queue, asked about it alone (not about every queue)
// over the bounded `connection`; `answered` is false when CUPS gave no
// answer at all.
bool cupsQueueExists(const QString &queueName, bool *answered, CupsConnection *connection);

// True when the queue is a CUPS destination at this moment.
bool cupsDestinationExists(const QString &queueName, CupsConnection *connection = nullptr);

// A new option model for the queue, with its printer name set; null when the
// queue is gone or its PPD cannot be fetched or opened.
std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName);
// The same, from one fetch of the PPD that also gives its top-level option
// keywords (as topLevelOptionKeywords), so that no later write fetches it.
// With a `connection`, the caller has made sure that the queue exists.
std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName,
                                                QStringList *topLevelKeywords,
                                                CupsConnection *connection = nullptr);

// The option keywords of the PPD's top-level groups, in PPD order, without
// those declared inside a subgroup: the options that may be handed to
// lpoptions. `ok` is set to false when the queue's PPD cannot be fetched or
// opened.
QStringList topLevelOptionKeywords(const QString &queueName, bool *ok = nullptr,
                                   CupsConnection *connection = nullptr);
