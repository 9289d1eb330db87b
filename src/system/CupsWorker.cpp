#include "system/CupsWorker.h"

#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

// Lives on the worker thread; owns the connection that the requests share.
class CupsWorker::Side : public QObject
{
public:
    explicit Side(const std::atomic<bool> *stop)
        : connection(stop)
    {}
    CupsConnection connection;
};

CupsWorker::CupsWorker(QObject *parent)
    : QObject(parent)
    , thread(new QThread)
    , side(new Side(&stopRequested))
{
    side->moveToThread(thread);
    thread->start();
}

CupsWorker::~CupsWorker()
{
    stop();
    thread->quit();
    thread->wait();
    delete side;
    delete thread;
}

void CupsWorker::stop()
{
    stopped = true;
    pending = 0;
    stopRequested = true;
    thread->requestInterruption();
}

void CupsWorker::post(Job job, Ticket ticket)
{
    if (stopped)
        return;
    Side *target = side;
    QThread *worker = thread;
    // An empty ticket is no ticket: only one that was held can expire.
    const bool ticketed = ticket.owner_before(Ticket()) || Ticket().owner_before(ticket);
    ++pending;
    QMetaObject::invokeMethod(
        side,
        [this, target, worker, job, ticket, ticketed] {
            // Going away: what is still queued goes unasked.
            if (worker->isInterruptionRequested())
                return;
            std::function<void()> deliver;
            if (ticketed && ticket.expired())
                deliver = [] {};
            else
                deliver = job(target->connection);
            if (worker->isInterruptionRequested())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, deliver] {
                    if (stopped)
                        return;
                    deliver();
                    --pending;
                    emit answered();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

template<typename Result>
void CupsWorker::ask(std::function<Result(CupsConnection &)> work,
                     std::function<void(const Result &)> answer, Ticket ticket)
{
    post(
        [work, answer](CupsConnection &connection) {
            const Result result = work(connection);
            return std::function<void()>([answer, result] { answer(result); });
        },
        ticket);
}

void CupsWorker::readDestinationNames(std::function<void(const CupsNamesAnswer &)> answer, Ticket ticket)
{
    ask<CupsNamesAnswer>(
        [](CupsConnection &connection) {
            CupsNamesAnswer result;
            result.names = cupsPrinterSet(connection, &result.answered);
            return result;
        },
        answer, ticket);
}

void CupsWorker::listPrinters(std::function<void(const PrinterListAnswer &)> answer, Ticket ticket)
{
    ask<PrinterListAnswer>(
        [](CupsConnection &connection) {
            return PrinterListAnswer {listMakerPrinters(connection)};
        },
        answer, ticket);
}

void CupsWorker::readStatuses(const QStringList &names,
                              std::function<void(const QStringList &)> answer, Ticket ticket)
{
    ask<QStringList>(
        [names](CupsConnection &connection) {
            if (names.isEmpty())
                return QStringList();
            return PrinterStatusRun(connection.stopFlag())
                .statuses(names, CupsConnection::answerLimitMs());
        },
        answer, ticket);
}

void CupsWorker::buildModel(const QString &queueName,
                            std::function<void(const PrinterModelAnswer &)> answer, Ticket ticket)
{
    ask<PrinterModelAnswer>(
        [queueName](CupsConnection &connection) {
            PrinterModelAnswer result;
            if (cupsQueueExists(queueName, &result.answered, connection)) {
                std::unique_ptr<tOptionModel> model = buildPrinterModel(
                    queueName, connection, &result.lpoptionsKeywords, MakerQueuesOnly::Yes);
                if (model)
                    result.model.reset(model.release());
                else // an unreadable PPD, or a CUPS fallen silent since: the names tell
                    cupsPrinterSet(connection, &result.answered);
            }
            return result;
        },
        answer, ticket);
}

void CupsWorker::readLpoptionsKeywords(const QString &queueName,
                                       std::function<void(const PpdKeywordsAnswer &)> answer)
{
    ask<PpdKeywordsAnswer>(
        [queueName](CupsConnection &connection) {
            PpdKeywordsAnswer result;
            result.keywords = topLevelOptionKeywords(queueName, connection, &result.read);
            result.answered = result.read;
            if (!result.read)
                cupsPrinterSet(connection, &result.answered);
            return result;
        },
        answer, {});
}

void CupsWorker::writeLpoptions(const QString &printerName,
                                const QList<QPair<QString, QString>> &options,
                                std::function<void(bool written)> answer)
{
    ask<bool>(
        [printerName, options](CupsConnection &connection) {
            return runLpoptions(printerName, options, connection.stopFlag()).succeeded();
        },
        answer, {});
}
