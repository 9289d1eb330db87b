#pragma once

#include "system/CupsPrinters.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QThread;
class tOptionModel;

// The answers of CUPS, as values.
struct CupsNamesAnswer
{
    QSet<QString> names;
    // False when CUPS gave no answer within the bound.
    bool answered = false;
};

struct PrinterListAnswer
{
    MakerPrinterListing listing;
};

struct PrinterModelAnswer
{
    // Null when the queue is gone, its PPD cannot be read, or CUPS is silent.
    std::shared_ptr<tOptionModel> model;
    // The option keywords that may reach lpoptions.
    QStringList lpoptionsKeywords;
    bool answered = false;
};

struct PpdKeywordsAnswer
{
    QStringList keywords;
    bool read = false;
    bool answered = false;
};

// Talks to CUPS, and waits for lpstat and lpoptions, on a thread of its own,
// so that the thread that asks never waits: a CUPS that stops answering must
// not freeze a window. Requests run one after the other, in the order asked,
// each on a connection whose every wait is bounded (CupsConnection). Each
// answer is handed to its callback on the asking thread's event loop, never
// during the call that asked; the caller drops an answer that came too late
// to matter. The callbacks die unanswered with this object.
class CupsWorker : public QObject
{
    Q_OBJECT

public:
    explicit CupsWorker(QObject *parent = nullptr);
    // Stops, then waits for the request under way to end, which a stop makes
    // short.
    ~CupsWorker() override;

    // Drops every request not yet answered and ends the one under way within
    // about CupsConnection::periodMs() twice, whatever it waits for: CUPS is
    // asked nothing more, lpstat and lpoptions are killed. No answer is handed
    // over after this, and later requests are dropped as asked. Returns at
    // once.
    void stop();

    // Held by whoever asked: a request whose ticket has expired when its turn
    // comes is not run, so that a replaced request costs nothing.
    using Ticket = std::weak_ptr<const void>;

    // The names of all CUPS destinations (cupsPrinterSet).
    void readDestinationNames(std::function<void(const CupsNamesAnswer &)> answer, Ticket ticket = {});
    // The maker's queues (listMakerPrinters); their status words are another
    // request's, since lpstat takes longer than the listing itself.
    void listPrinters(std::function<void(const PrinterListAnswer &)> answer, Ticket ticket = {});
    // The status words of these queues, in their order (lpstat).
    void readStatuses(const QStringList &names, std::function<void(const QStringList &)> answer,
                      Ticket ticket = {});
    // The queue's option model, read from its PPD (buildPrinterModel), when
    // the PPD is still one of the maker's.
    void buildModel(const QString &queueName,
                    std::function<void(const PrinterModelAnswer &)> answer, Ticket ticket = {});
    // The option keywords that may reach lpoptions (topLevelOptionKeywords).
    void readLpoptionsKeywords(const QString &queueName,
                               std::function<void(const PpdKeywordsAnswer &)> answer);
    // runLpoptions; the answer is whether it succeeded.
    void writeLpoptions(const QString &printerName, const QList<QPair<QString, QString>> &options,
                        std::function<void(bool written)> answer);

    // Requests asked and not yet answered; an answer that asks again keeps
    // the count above 0.
    int pendingRequests() const { return pending; }

signals:
    // After every answer handed over, for whoever waits for quiet.
    void answered();

private:
    class Side;
    using Job = std::function<std::function<void()>(CupsConnection &)>;
    void post(Job job, Ticket ticket = {});
    // `work` on the worker thread, its result handed to `answer` here.
    template<typename Result>
    void ask(std::function<Result(CupsConnection &)> work,
             std::function<void(const Result &)> answer, Ticket ticket);

    // Seen by the worker thread and every thread it starts.
    std::atomic<bool> stopRequested {false};
    QThread *thread;
    Side *side;
    int pending = 0;
    bool stopped = false;
};
