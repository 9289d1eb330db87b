#include "system/CupsRequests.h"

#include "system/CommandRunner.h"
#include "system/CupsConnection.h"

#include <QTimer>

namespace {

// A silent CUPS is asked again this often while no printer can be listed.
const int retryMs = 3000;

} // namespace

CupsRequests::CupsRequests(QObject *parent)
    : QObject(parent)
    , cups(new CupsWorker(this))
    , listingLane(new CupsWorker(this))
    , statusLane(new CupsWorker(this))
    , retryTimer(new QTimer(this))
{
    retryTimer->setInterval(retryMs);
    connect(retryTimer, &QTimer::timeout, this, &CupsRequests::retryDue);
    for (CupsWorker *lane : {cups, listingLane, statusLane}) {
        connect(lane, &CupsWorker::answered, this, [this] {
            emit answerHandedOver();
            if (awaitsAnswer())
                return;
            readHeldStatuses();
            emit idle();
        });
    }
}

CupsRequests::~CupsRequests()
{
    // The window that listens is going too.
    blockSignals(true);
    stop();
}

bool CupsRequests::awaitsAnswer() const
{
    if (cups->pendingRequests() > 0 || listingLane->pendingRequests() > 0)
        return true;
    for (int kind = 0; kind < KindCount; ++kind) {
        if (kind != Statuses && handles[kind])
            return true;
    }
    return false;
}

bool CupsRequests::holdsOptions() const
{
    return isPending(Selection) || isPending(Write);
}

template<typename... Answer>
std::function<void(Answer...)> CupsRequests::open(Kind kind, std::function<void(Answer...)> answer)
{
    handles[kind] = std::make_shared<int>(0);
    const std::weak_ptr<int> handle = handles[kind];
    emit pendingChanged();
    return [this, kind, handle, answer](Answer... result) {
        if (handle.expired())
            return;
        handles[kind].reset();
        emit pendingChanged();
        answer(result...);
    };
}

template<typename... Answer>
std::function<void(Answer...)> CupsRequests::writeStep(std::function<void(Answer...)> answer)
{
    const std::weak_ptr<int> handle = handles[Write];
    return [handle, answer](Answer... result) {
        if (!handle.expired())
            answer(result...);
    };
}

void CupsRequests::listPrinters(std::function<void(const PrinterListAnswer &)> answer)
{
    if (closed)
        return;
    const auto listed = listingAfterWrite(answer);
    listingLane->listPrinters(listed, handles[Listing]);
}

std::function<void(const PrinterListAnswer &)>
CupsRequests::listingAfterWrite(std::function<void(const PrinterListAnswer &)> answer)
{
    if (closed)
        return {};
    return open(Listing, answer);
}

void CupsRequests::selectPrinter(const QString &queue,
                                 std::function<void(const PrinterModelAnswer &)> answer)
{
    if (closed)
        return;
    const auto selected = open(Selection, answer);
    cups->buildModel(queue, selected, handles[Selection]);
}

void CupsRequests::readStatuses(const QStringList &names,
                                std::function<void(const QStringList &)> answer)
{
    if (closed)
        return;
    const auto read = open(Statuses, answer);
    const CupsWorker::Ticket ticket = handles[Statuses];
    heldStatusRead = [this, names, read, ticket] { statusLane->readStatuses(names, read, ticket); };
    readHeldStatuses();
}

void CupsRequests::readHeldStatuses()
{
    // lpstat starts once what the user waits for has been answered: forking
    // it meanwhile would slow that down.
    if (!heldStatusRead || awaitsAnswer())
        return;
    const std::function<void()> read = std::move(heldStatusRead);
    heldStatusRead = nullptr;
    read();
}

void CupsRequests::checkForChangedQueues(std::function<bool(const CupsNamesAnswer &)> handle,
                                         std::function<void(bool)> then)
{
    if (closed)
        return;
    namesWaiters.push_back(then);
    if (isPending(QueuesChangedCheck))
        return;
    const std::function<void(const CupsNamesAnswer &)> answer =
        [this, handle](const CupsNamesAnswer &names) {
            const std::vector<std::function<void(bool)>> waiting = std::move(namesWaiters);
            namesWaiters.clear();
            const bool changed = handle(names);
            for (const auto &then : waiting) {
                if (then)
                    then(changed);
            }
        };
    cups->readDestinationNames(open(QueuesChangedCheck, answer));
}

void CupsRequests::askNamesForIdleRefill(std::function<void(const CupsNamesAnswer &)> answer)
{
    if (closed)
        return;
    const auto asked = open(IdleRefillNames, answer);
    cups->readDestinationNames(asked, handles[IdleRefillNames]);
}

void CupsRequests::beginWrite(bool replaceable)
{
    writeReplaceable = replaceable;
    handles[Write] = std::make_shared<int>(0);
    emit pendingChanged();
}

void CupsRequests::askNamesForWrite(std::function<void(const CupsNamesAnswer &)> answer)
{
    cups->readDestinationNames(writeStep(answer));
}

void CupsRequests::writeKeywords(const QString &queue,
                                 std::function<void(const PpdKeywordsAnswer &)> answer)
{
    cups->readLpoptionsKeywords(queue, writeStep(answer));
}

void CupsRequests::writeLpoptions(const QString &queue,
                                  const QList<QPair<QString, QString>> &options,
                                  std::function<void(bool written)> answer,
                                  std::function<void(const PrinterListAnswer &)> listed)
{
    const std::function<void(bool)> step = writeStep(answer);
    const CupsWorker::Ticket listing = handles[Listing];
    cups->writeLpoptions(queue, options, [this, step, listed, listing](bool written) {
        // The listing reads the destination list that lpoptions rewrote; on
        // a lane of its own, so that a selection asked meanwhile need not
        // wait for it.
        if (listed)
            listingLane->listPrinters(listed, listing);
        step(written);
    });
}

int CupsRequests::writeLimitMs()
{
    // The names, the keywords, lpoptions, and the names once more to tell
    // why lpoptions failed.
    return 3 * CupsConnection::answerLimitMs() + CommandRunner::timeoutMs();
}

void CupsRequests::endWrite()
{
    if (!handles[Write])
        return;
    handles[Write].reset();
    emit pendingChanged();
}

void CupsRequests::drop(Kind kind)
{
    if (kind == QueuesChangedCheck)
        namesWaiters.clear();
    if (kind == Statuses)
        heldStatusRead = nullptr;
    if (!handles[kind])
        return;
    handles[kind].reset();
    emit pendingChanged();
}

void CupsRequests::close()
{
    closed = true;
    retryTimer->stop();
    for (int kind = 0; kind < KindCount; ++kind) {
        if (kind != Write)
            drop(Kind(kind));
    }
}

void CupsRequests::stop()
{
    close();
    drop(Write);
    cups->stop();
    listingLane->stop();
    statusLane->stop();
}

void CupsRequests::setRetryInterval(int ms)
{
    retryTimer->setInterval(ms);
}

void CupsRequests::scheduleRetry()
{
    if (!closed && !retryTimer->isActive())
        retryTimer->start();
}

void CupsRequests::cancelRetry()
{
    retryTimer->stop();
}
