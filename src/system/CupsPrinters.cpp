#include "system/CupsPrinters.h"

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"
#include "system/FetchedPpd.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

// libcups marks its whole PPD interface deprecated; this is one of the few
// files that read PPDs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

// The maker's own queues are recognised by their PPD alone.
const char *const makerManufacturers[] = {"Tolvane", "RB_ORVA"};
const char *const makerFilters[] = {"tolfilter_H", "tolfilter_ras_H", "tolfilter_pdf_H",
                                    "tolfilter_tpsl_H"};
const char *const makerDeviceIdMark = "MFG:Tolv";

bool hasMakerManufacturer(const ppd_file_t *ppd)
{
    if (!ppd->manufacturer)
        return false;
    for (const char *maker : makerManufacturers) {
        if (std::strcmp(ppd->manufacturer, maker) == 0)
            return true;
    }
    return false;
}

bool hasMakerFilter(const ppd_file_t *ppd)
{
    for (int i = 0; i < ppd->num_filters; ++i) {
        const char *line = ppd->filters[i];
        if (!line)
            continue;
        for (const char *filter : makerFilters) {
            if (std::strstr(line, filter))
                return true;
        }
    }
    return false;
}

bool hasMakerDeviceId(ppd_file_t *ppd)
{
    const ppd_attr_t *attr = ppdFindAttr(ppd, "1284DeviceID", nullptr);
    return attr && attr->value && std::strstr(attr->value, makerDeviceIdMark);
}

// What the listing learnt of a queue's PPD, and the time to ask CUPS with.
struct ListingCheck
{
    time_t modtime = 0;
    bool makerQueue = false;
};

// Kept for the whole run: a refill only asks CUPS whether each PPD changed.
// Listings of two windows' workers may run at once: taken under the lock.
QHash<QString, ListingCheck> &listingChecks()
{
    static QHash<QString, ListingCheck> checks;
    return checks;
}

QMutex &listingChecksLock()
{
    static QMutex lock;
    return lock;
}

// Asks CUPS whether the queue's PPD changed since `previous` and reads it
// when it did. Touches nothing shared: runs on any thread (libcups keeps
// one connection per thread).
ListingCheck checkQueue(const QString &name, const ListingCheck &previous, bool *valid,
                        bool *answered, CupsConnection *connection)
{
    *answered = true;
    // Never the unbounded default connection in place of one that failed.
    if (connection && !connection->http()) {
        *valid = false;
        *answered = false;
        return ListingCheck();
    }
    time_t modtime = previous.modtime;
    std::unique_ptr<FetchedPpd> fetchedPpd;
    if (connection)
        fetchedPpd.reset(new FetchedPpd(name, *connection));
    else
        fetchedPpd.reset(new FetchedPpd(name, &modtime, CUPS_HTTP_DEFAULT));
    const FetchedPpd &fetched = *fetchedPpd;
    *answered = fetched.answered();
    if (connection && (connection->timedOut() || !fetched.answered()))
        connection->drop();
    if (fetched.notModified() && previous.modtime != 0) {
        *valid = true;
        return previous;
    }
    if (fetched.notModified() || fetched.path().isEmpty()) {
        // No PPD, or no answer: ask afresh next time.
        *valid = false;
        return ListingCheck();
    }
    ppd_file_t *ppd = fetched.ppd();
    ListingCheck check;
    check.modtime = modtime;
    check.makerQueue =
        ppd && hasMakerManufacturer(ppd) && hasMakerFilter(ppd) && hasMakerDeviceId(ppd);
    *valid = true;
    return check;
}

// The questions of one listing about the queues' PPDs, and their answers.
struct QueueChecks
{
    QStringList names; // distinct
    std::vector<ListingCheck> previous;
    std::vector<ListingCheck> results;
    std::vector<char> valid;
    // A question CUPS gave no answer to: the queue's absence from the list
    // then says nothing.
    std::vector<char> unanswered;
    // Each thread asks on a bounded connection of its own, which stops with
    // this.
    bool bounded = false;
    const std::atomic<bool> *stop = nullptr;
};

QueueChecks prepareChecks(const QStringList &names)
{
    QueueChecks batch;
    for (const QString &name : names) {
        if (!batch.names.contains(name))
            batch.names.append(name);
    }
    const QMutexLocker locker(&listingChecksLock());
    const QHash<QString, ListingCheck> &checks = listingChecks();
    for (const QString &name : qAsConst(batch.names))
        batch.previous.push_back(checks.value(name));
    batch.results.resize(batch.names.size());
    batch.valid.assign(batch.names.size(), 0);
    batch.unanswered.assign(batch.names.size(), 0);
    return batch;
}

// Each question is a round trip to CUPS (and a parse when the PPD changed),
// so they are spread over a few threads; the answers do not depend on the
// order. Touches nothing but the batch.
void runChecks(QueueChecks *batch)
{
    const int count = batch->names.size();
    auto work = [batch, count](int first, int step) {
        std::unique_ptr<CupsConnection> connection;
        if (batch->bounded)
            connection.reset(new CupsConnection(batch->stop));
        for (int i = first; i < count; i += step) {
            if (connection && connection->stopping()) {
                batch->unanswered[i] = true;
                continue;
            }
            bool ok = false;
            bool answered = true;
            batch->results[i] = checkQueue(batch->names.at(i), batch->previous[i], &ok, &answered,
                                           connection.get());
            batch->valid[i] = ok;
            batch->unanswered[i] = !answered;
        }
    };
    const int threads = std::max(1, std::min(count, 4));
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread &worker : workers)
        worker.join();
}

// Keeps the answers for the next listing; whether each queue is the maker's.
// `answered` becomes false when CUPS left a question unanswered.
void mergeChecks(const QueueChecks &batch, QHash<QString, bool> *makerQueue, bool *answered)
{
    const QMutexLocker locker(&listingChecksLock());
    QHash<QString, ListingCheck> &checks = listingChecks();
    for (int i = 0; i < batch.names.size(); ++i) {
        if (batch.unanswered[i])
            *answered = false;
        const QString &name = batch.names.at(i);
        if (batch.valid[i])
            checks.insert(name, batch.results[i]);
        else
            checks.remove(name);
        makerQueue->insert(name, batch.valid[i] && batch.results[i].makerQueue);
    }
}

QStringList lpoptionsKeywordsOf(const FetchedPpd &fetched)
{
    QStringList keywords;
    ppd_file_t *ppd = fetched.ppd();
    if (!ppd)
        return keywords;
    const QSet<QString> inSubgroups = fetched.subgroupKeywords();
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const QString keyword = QString::fromUtf8(group.options[o].keyword);
            if (!inSubgroups.contains(keyword))
                keywords.append(keyword);
        }
    }
    return keywords;
}

// lpstat's entries: a line that starts with a blank continues the entry
// above it.
QList<QByteArray> lpstatEntries(const QByteArray &output)
{
    QList<QByteArray> entries;
    const QList<QByteArray> lines = output.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (i == lines.size() - 1 && line.isEmpty())
            break;
        const QByteArray withEnd = line + '\n';
        if (!entries.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            entries.last() += withEnd;
        else
            entries.append(withEnd);
    }
    return entries;
}

// The queue an entry of lpstat is about: the one whose name stands as a word
// on the entry's first line. Where several do (a queue named like a word of
// lpstat's sentence), a name that stands on every entry's line is that word.
QHash<QByteArray, QByteArray> lpstatEntriesByName(const QByteArray &output,
                                                  const QSet<QByteArray> &names)
{
    const QList<QByteArray> entries = lpstatEntries(output);
    QList<QList<QByteArray>> candidates;
    for (const QByteArray &entry : entries) {
        QList<QByteArray> found;
        const QByteArray firstLine = entry.left(entry.indexOf('\n'));
        for (const QByteArray &word : firstLine.split(' ')) {
            if (names.contains(word) && !found.contains(word))
                found.append(word);
        }
        candidates.append(found);
    }
    QSet<QByteArray> onEveryLine;
    if (entries.size() > 1) {
        onEveryLine = QSet<QByteArray>(candidates.first().cbegin(), candidates.first().cend());
        for (const QList<QByteArray> &found : qAsConst(candidates))
            onEveryLine.intersect(QSet<QByteArray>(found.cbegin(), found.cend()));
    }

    QHash<QByteArray, QByteArray> byName;
    for (int i = 0; i < entries.size(); ++i) {
        const QList<QByteArray> &found = candidates.at(i);
        if (found.isEmpty())
            continue;
        QByteArray name = found.first();
        for (const QByteArray &word : found) {
            if (!onEveryLine.contains(word)) {
                name = word;
                break;
            }
        }
        if (!byName.contains(name))
            byName.insert(name, entries.at(i));
    }
    return byName;
}

} // namespace

QSet<QString> cupsPrinterSet(bool *answered, CupsConnection *connection)
{
    // Every constraint pass asks this: the queue names alone, not the whole
    // destination list with its options (the same names; an instance has
    // its queue's name).
    QSet<QString> names;
    ipp_t *request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    http_t *http = connection ? connection->http() : CUPS_HTTP_DEFAULT;
    ipp_t *response = nullptr;
    if (connection && !http)
        ippDelete(request);
    else
        response = cupsDoRequest(http, request, "/");
    // A server without queues still answers (with "not found"); no response
    // at all means that nobody is listening or the connection broke.
    if (answered)
        *answered = response != nullptr;
    if (connection && !response)
        connection->drop();
    for (ipp_attribute_t *attr = ippFindAttribute(response, "printer-name", IPP_TAG_NAME); attr;
         attr = ippFindNextAttribute(response, "printer-name", IPP_TAG_NAME)) {
        if (const char *name = ippGetString(attr, 0, nullptr))
            names.insert(QString::fromUtf8(name));
    }
    ippDelete(response);
    return names;
}

struct MakerPrinterListingRun::State
{
    MakerPrinterListing listing;
    QueueChecks early;
    std::thread earlyRun;
    // Reads the destination list; only names and deviceUri are its own.
    std::thread destinationsRun;
    bool started = false;
    bool checksStarted = false;
    QStringList names;
    QHash<QString, QString> deviceUri;
    CupsConnection *connection = nullptr;
    bool destinationsUnanswered = false;
};

MakerPrinterListingRun::MakerPrinterListingRun(DestinationList when, CupsConnection *connection)
    : d(new State)
{
    d->connection = connection;
    // Compared with cupsPrinterSet() later: made by it, so that only a real
    // change differs.
    d->listing.knownPrinters = cupsPrinterSet(&d->listing.cupsAnswered, connection);
    // Nothing more to ask of a CUPS that kept silent.
    if (connection && !d->listing.cupsAnswered) {
        d->started = true;
        d->checksStarted = true;
    }
    if (when == DestinationList::Now && !d->started) {
        d->started = true;
        // The queues' PPDs are asked about while the destination list comes.
        startChecks();
        readDestinations();
    }
}

void MakerPrinterListingRun::startChecks()
{
    if (d->checksStarted)
        return;
    d->checksStarted = true;
    d->early = prepareChecks(d->listing.knownPrinters.values());
    d->early.bounded = d->connection != nullptr;
    d->early.stop = d->connection ? d->connection->stopFlag() : nullptr;
    d->earlyRun = std::thread(runChecks, &d->early);
}

void MakerPrinterListingRun::resume()
{
    if (d->started)
        return;
    d->started = true;
    startChecks();
    d->destinationsRun = std::thread(&MakerPrinterListingRun::readDestinations, this);
}

void MakerPrinterListingRun::waitForDestinations()
{
    if (d->destinationsRun.joinable())
        d->destinationsRun.join();
}

const QSet<QString> &MakerPrinterListingRun::knownPrinters() const
{
    return d->listing.knownPrinters;
}

bool MakerPrinterListingRun::cupsAnswered() const
{
    return d->listing.cupsAnswered;
}

// Touches only names and deviceUri: runs on any thread.
void MakerPrinterListingRun::readDestinations()
{
    // The destination list carries each queue's device already; an instance
    // has its queue's.
    cups_dest_t *dests = nullptr;
    int count = 0;
    if (!d->connection) {
        count = cupsGetDests(&dests);
    } else if (http_t *http = d->connection->http()) {
        count = cupsGetDests2(http, &dests);
        if (d->connection->timedOut()
            || (count == 0 && cupsLastError() >= IPP_STATUS_ERROR_INTERNAL)) {
            d->destinationsUnanswered = true;
            d->connection->drop();
        }
    } else {
        d->destinationsUnanswered = true;
    }
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(dests[i].name);
        d->names.append(name);
        const char *uri = cupsGetOption("device-uri", dests[i].num_options, dests[i].options);
        if (uri && (!dests[i].instance || !d->deviceUri.contains(name)))
            d->deviceUri.insert(name, QString::fromUtf8(uri));
    }
    cupsFreeDests(count, dests);
}

MakerPrinterListingRun::~MakerPrinterListingRun()
{
    waitForDestinations();
    if (d->earlyRun.joinable())
        d->earlyRun.join();
}

MakerPrinterListing MakerPrinterListingRun::finish()
{
    resume();
    waitForDestinations();
    if (d->earlyRun.joinable())
        d->earlyRun.join();
    QHash<QString, bool> makerQueue;
    bool answered = d->listing.cupsAnswered && !d->destinationsUnanswered;
    mergeChecks(d->early, &makerQueue, &answered);
    // A queue added in between.
    QStringList late;
    for (const QString &name : qAsConst(d->names)) {
        if (!makerQueue.contains(name))
            late.append(name);
    }
    if (!late.isEmpty()) {
        QueueChecks batch = prepareChecks(late);
        batch.bounded = d->connection != nullptr;
        batch.stop = d->connection ? d->connection->stopFlag() : nullptr;
        runChecks(&batch);
        mergeChecks(batch, &makerQueue, &answered);
    }

    MakerPrinterListing listing = d->listing;
    listing.cupsAnswered = answered;
    for (const QString &name : qAsConst(d->names)) {
        if (makerQueue.value(name))
            listing.printers.append(MakerPrinter {name, d->deviceUri.value(name)});
    }
    return listing;
}

MakerPrinterListing listMakerPrinters(CupsConnection *connection)
{
    return MakerPrinterListingRun(MakerPrinterListingRun::DestinationList::Now, connection)
        .finish();
}

QStringList printerStatuses(const QStringList &names)
{
    if (names.isEmpty())
        return QStringList();
    return PrinterStatusRun().statuses(names);
}

PrinterStatusRun::PrinterStatusRun(const std::atomic<bool> *stop)
    : command(new BackgroundCommand(QStringLiteral("lpstat"), {QStringLiteral("-p")}))
    , stop(stop)
{}

PrinterStatusRun::~PrinterStatusRun()
{
    // lpstat only reads: nothing is lost by ending it.
    if (!waited)
        command->waitToEnd(0);
}

QStringList PrinterStatusRun::statuses(const QStringList &names, int limitMs)
{
    QStringList statuses;
    waited = true;
    const CommandResult result = command->waitToEnd(limitMs, stop);
    if (!result.started || !result.finishedInTime) {
        const QString failed = QCoreApplication::translate(
            "QObject", "Error: Printer does not exist or lpstat failed.");
        for (int i = 0; i < names.size(); ++i)
            statuses << failed;
        return statuses;
    }
    QSet<QByteArray> wanted;
    for (const QString &name : names)
        wanted.insert(name.toUtf8());
    const QHash<QByteArray, QByteArray> entries =
        lpstatEntriesByName(result.standardOutput, wanted);
    for (const QString &name : names)
        statuses << lpstatStatusWord(lpstatOutputText(entries.value(name.toUtf8())));
    return statuses;
}

bool cupsQueueExists(const QString &queueName, bool *answered, CupsConnection *connection)
{
    *answered = false;
    http_t *http = connection->http();
    if (!http)
        return false;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queueName.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    ipp_t *response = cupsDoRequest(http, request, "/");
    *answered = response != nullptr;
    const bool exists = response && ippGetStatusCode(response) < IPP_STATUS_REDIRECTION_OTHER_SITE;
    ippDelete(response);
    if (!response)
        connection->drop();
    return exists;
}

bool cupsDestinationExists(const QString &queueName, CupsConnection *connection)
{
    // libcups looks a name it does not find up elsewhere, for minutes, on
    // connections of its own: a bounded question asks for the names alone.
    if (connection)
        return cupsPrinterSet(nullptr, connection).contains(queueName);
    const QByteArray utf8 = queueName.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return false;
    cupsFreeDests(1, dest);
    return true;
}

std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName)
{
    return buildPrinterModel(queueName, nullptr);
}

std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName,
                                                QStringList *topLevelKeywords,
                                                CupsConnection *connection)
{
    if (topLevelKeywords)
        topLevelKeywords->clear();
    if (queueName.isEmpty()
        || (connection ? !connection->http() : !cupsDestinationExists(queueName)))
        return nullptr;
    std::unique_ptr<FetchedPpd> fetchedPpd;
    if (connection)
        fetchedPpd.reset(new FetchedPpd(queueName, *connection));
    else
        fetchedPpd.reset(new FetchedPpd(queueName));
    const FetchedPpd &fetched = *fetchedPpd;
    if (connection && connection->timedOut())
        connection->drop();
    if (!fetched.ppd())
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(fetched.ppd(), model.get());
    model->setPrinterName(queueName);
    if (topLevelKeywords)
        *topLevelKeywords = lpoptionsKeywordsOf(fetched);
    return model;
}

QStringList topLevelOptionKeywords(const QString &queueName, bool *ok, CupsConnection *connection)
{
    if (connection && !connection->http()) {
        if (ok)
            *ok = false;
        return QStringList();
    }
    std::unique_ptr<FetchedPpd> fetchedPpd;
    if (connection)
        fetchedPpd.reset(new FetchedPpd(queueName, *connection));
    else
        fetchedPpd.reset(new FetchedPpd(queueName));
    const FetchedPpd &fetched = *fetchedPpd;
    if (connection && connection->timedOut())
        connection->drop();
    if (ok)
        *ok = fetched.ppd() != nullptr;
    return lpoptionsKeywordsOf(fetched);
}

#pragma GCC diagnostic pop
