#pragma once

#include "system/CupsWorker.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

// The one owner of what the window asks CUPS: the listing, the selection,
// the write, the status refresh, the names check and the retry after a
// silence, each held as a handle. Replacing a handle (the same kind asked
// again) or dropping it voids the answer of the request it stood for, and a
// request not yet begun is then skipped, so the latest wins and closing drops
// them all. It says what is pending, and so what input the window may take
// now; it knows no widgets. It owns the workers that run the requests, each
// on a thread of its own: the selection, the write and the names; the
// listings, so that a selection need not wait for a refill; and the status
// words, which lpstat is slow to give and nobody waits for.
class CupsRequests : public QObject
{
    Q_OBJECT

public:
    enum Kind {
        Listing,
        Selection,
        Write,
        Statuses,
        QueuesChangedCheck,
        IdleRefillNames,
        KindCount
    };

    explicit CupsRequests(QObject *parent = nullptr);
    // Ends the request under way at once: nothing is answered afterwards.
    ~CupsRequests() override;

    bool isPending(Kind kind) const { return bool(handles[kind]); }
    // A row chosen now is selected only once the write has ended: the
    // write's answers still speak of the row before.
    bool holdsRowChange() const { return isPending(Write) && !writeReplaceable; }
    // The option pages, the installed options, Profiles, Save As, OK and
    // Apply take no input: a selection will replace what they show, or a
    // write has taken what they showed.
    bool holdsOptions() const;
    // What is pending, in one answer: a request of any kind is pending
    // (isPending), or a dropped one is still on its way; the status words
    // are not among them. Whatever isPending() says of another kind, this
    // says too.
    bool awaitsAnswer() const;
    // A status read is still on its way, or waits for the other requests.
    bool readsStatuses() const { return heldStatusRead || statusLane->pendingRequests() > 0; }

    // The maker's queues, replacing any listing pending.
    void listPrinters(std::function<void(const PrinterListAnswer &)> answer);
    // The same for a listing another request brings (a write's): what to
    // hand its answer to; empty once closed.
    std::function<void(const PrinterListAnswer &)>
    listingAfterWrite(std::function<void(const PrinterListAnswer &)> answer);
    void selectPrinter(const QString &queue,
                       std::function<void(const PrinterModelAnswer &)> answer);
    void readStatuses(const QStringList &names, std::function<void(const QStringList &)> answer);
    // Whether the destinations changed. One question answers every check
    // asked before its answer: `handle` of the check that asked it decides,
    // and each `then` learns its result.
    void checkForChangedQueues(std::function<bool(const CupsNamesAnswer &)> handle,
                               std::function<void(bool changed)> then);
    // The names, asked while nothing is listed, so that the list comes back.
    void askNamesForIdleRefill(std::function<void(const CupsNamesAnswer &)> answer);

    // A write holds its handle from beginWrite() to endWrite(), over all
    // its steps; it goes on after close(), and only stop() voids it. A
    // replaceable one (the first write of a selection) is dropped by the
    // next row change until writeCommitted(): the row it was for was only
    // passed through.
    void beginWrite(bool replaceable = false);
    void writeCommitted() { writeReplaceable = false; }
    bool isWriteReplaceable() const { return isPending(Write) && writeReplaceable; }
    void askNamesForWrite(std::function<void(const CupsNamesAnswer &)> answer);
    void writeKeywords(const QString &queue, std::function<void(const PpdKeywordsAnswer &)> answer);
    void writeLpoptions(const QString &queue, const QList<QPair<QString, QString>> &options,
                        std::function<void(bool written)> answer,
                        std::function<void(const PrinterListAnswer &)> listed = {});
    void endWrite();
    // How long a write may take, each of its steps within its own bound:
    // CUPS's answers and lpoptions' run.
    static int writeLimitMs();

    void drop(Kind kind);
    // The window closed: every request but the write is dropped, and
    // nothing new is asked.
    void close();
    bool isClosed() const { return closed; }
    // The write is cut too; the worker ends what it runs.
    void stop();

    // Whether CUPS answered the last listing.
    bool cupsAnswered() const { return answered; }
    void setCupsAnswered(bool yes) { answered = yes; }
    // While CUPS is silent, retryDue() comes at this interval.
    void setRetryInterval(int ms);
    void scheduleRetry();
    void cancelRetry();

signals:
    // What is pending changed.
    void pendingChanged();
    void retryDue();
    // Every answer the window waits for has come.
    void idle();
    // After every answer handed over, for whoever waits for quiet.
    void answerHandedOver();

private:
    template<typename... Answer>
    std::function<void(Answer...)> open(Kind kind, std::function<void(Answer...)> answer);
    template<typename... Answer>
    std::function<void(Answer...)> writeStep(std::function<void(Answer...)> answer);

    void readHeldStatuses();

    CupsWorker *cups;
    CupsWorker *listingLane;
    CupsWorker *statusLane;
    // The latest status read, until nothing else is pending.
    std::function<void()> heldStatusRead;
    QTimer *retryTimer;
    std::shared_ptr<int> handles[KindCount];
    std::vector<std::function<void(bool)>> namesWaiters;
    bool closed = false;
    bool answered = true;
    bool writeReplaceable = false;
};
