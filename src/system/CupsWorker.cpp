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
    CupsConnection connection;
};

CupsWorker::CupsWorker(QObject *parent)
    : QObject(parent)
    , thread(new QThread)
    , side(new Side)
{
    side->moveToThread(thread);
    thread->start();
}

CupsWorker::~CupsWorker()
{
    thread->requestInterruption();
    thread->quit();
    thread->wait();
    delete side;
    delete thread;
}

void CupsWorker::post(Job job)
{
    Side *target = side;
    QThread *worker = thread;
    ++pending;
    QMetaObject::invokeMethod(
        side,
        [this, target, worker, job] {
            // Going away: what is still queued goes unasked.
            if (worker->isInterruptionRequested())
                return;
            const std::function<void()> deliver = job(target->connection);
            QMetaObject::invokeMethod(
                this,
                [this, deliver] {
                    deliver();
                    --pending;
                    emit answered();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void CupsWorker::askNames(std::function<void(const CupsNamesAnswer &)> answer)
{
    post([answer](CupsConnection &connection) {
        CupsNamesAnswer result;
        result.names = cupsPrinterSet(&result.answered, &connection);
        return std::function<void()>([answer, result] { answer(result); });
    });
}

void CupsWorker::listPrinters(std::function<void(const PrinterListAnswer &)> answer)
{
    post([answer](CupsConnection &connection) {
        PrinterListAnswer result;
        MakerPrinterListingRun run(MakerPrinterListingRun::DestinationList::Later, &connection);
        if (run.cupsAnswered()) {
            // lpstat, which takes longest, runs while the PPDs are asked about.
            PrinterStatusRun statusRun;
            run.resume();
            result.listing = run.finish();
            QStringList names;
            for (const MakerPrinter &printer : qAsConst(result.listing.printers))
                names << printer.name;
            result.statuses = statusRun.statuses(names, CupsConnection::answerLimitMs());
        } else {
            result.listing = run.finish();
        }
        return std::function<void()>([answer, result] { answer(result); });
    });
}

void CupsWorker::readStatuses(const QStringList &names,
                              std::function<void(const QStringList &)> answer)
{
    post([answer, names](CupsConnection &) {
        QStringList statuses;
        if (!names.isEmpty())
            statuses = PrinterStatusRun().statuses(names, CupsConnection::answerLimitMs());
        return std::function<void()>([answer, statuses] { answer(statuses); });
    });
}

void CupsWorker::buildModel(const QString &queueName,
                            std::function<void(const PrinterModelAnswer &)> answer)
{
    post([answer, queueName](CupsConnection &connection) {
        PrinterModelAnswer result;
        const QSet<QString> names = cupsPrinterSet(&result.answered, &connection);
        if (result.answered && names.contains(queueName)) {
            std::unique_ptr<tOptionModel> model =
                buildPrinterModel(queueName, &result.lpoptionsKeywords, &connection);
            if (model)
                result.model.reset(model.release());
            else // an unreadable PPD, or a CUPS fallen silent since: the names tell
                cupsPrinterSet(&result.answered, &connection);
        }
        return std::function<void()>([answer, result] { answer(result); });
    });
}

void CupsWorker::readLpoptionsKeywords(const QString &queueName,
                                       std::function<void(const PpdKeywordsAnswer &)> answer)
{
    post([answer, queueName](CupsConnection &connection) {
        PpdKeywordsAnswer result;
        result.keywords = topLevelOptionKeywords(queueName, &result.read, &connection);
        result.answered = result.read;
        if (!result.read)
            cupsPrinterSet(&result.answered, &connection);
        return std::function<void()>([answer, result] { answer(result); });
    });
}

void CupsWorker::writeLpoptions(const QString &printerName,
                                const QList<QPair<QString, QString>> &options,
                                std::function<void(bool written)> answer)
{
    post([answer, printerName, options](CupsConnection &) {
        const bool written = runLpoptions(printerName, options).succeeded();
        return std::function<void()>([answer, written] { answer(written); });
    });
}
