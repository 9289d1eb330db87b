#include "system/CupsPrinters.h"

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"
#include "system/FetchedPpd.h"

#include "system/SystemPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMutex>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <algorithm>
#include <cstring>
#include <ctime>
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

// What the listing learnt of a queue's PPD, and the queue's
// printer-config-change-time then: CUPS changes that time with the PPD.
struct ListingCheck
{
    int changeTime = 0;
    bool makerQueue = false;
    // The change time counts whole seconds: a PPD replaced again within the
    // second of the check keeps it. Only a check made in a later second than
    // the change is trusted at the next listing.
    bool settled = false;
};

// Kept for the whole run: a refill fetches only the PPDs whose queue
// changed. Listings of two windows' workers may run at once: taken under
// the lock.
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

// A queue as the one Get-Printers question of a listing gives it.
struct ListedQueue
{
    QString name;
    QString deviceUri;
    int changeTime = 0;
    // CUPS's clock when it answered (printer-up-time is its current time).
    int askedAt = 0;
};

// Every queue CUPS knows, in its order; `answered` false when it gave no
// answer at all.
QList<ListedQueue> askQueues(CupsConnection &connection, bool *answered)
{
    QList<ListedQueue> queues;
    ipp_t *response = askCupsPrinters(
        connection, {"printer-name", "device-uri", "printer-config-change-time", "printer-up-time"},
        answered);
    // A CUPS that does not tell its time is taken to share this clock.
    const int now = int(time(nullptr));
    ListedQueue queue;
    auto keep = [&] {
        if (queue.askedAt == 0)
            queue.askedAt = now;
        if (!queue.name.isEmpty())
            queues.append(queue);
        queue = ListedQueue();
    };
    for (ipp_attribute_t *attr = ippFirstAttribute(response); attr;
         attr = ippNextAttribute(response)) {
        const char *name = ippGetName(attr);
        if (!name) { // between two queues
            keep();
            continue;
        }
        if (ippGetGroupTag(attr) != IPP_TAG_PRINTER)
            continue;
        if (!std::strcmp(name, "printer-name") && ippGetValueTag(attr) == IPP_TAG_NAME)
            queue.name = QString::fromUtf8(ippGetString(attr, 0, nullptr));
        else if (!std::strcmp(name, "device-uri") && ippGetValueTag(attr) == IPP_TAG_URI)
            queue.deviceUri = QString::fromUtf8(ippGetString(attr, 0, nullptr));
        else if (!std::strcmp(name, "printer-config-change-time")
                 && ippGetValueTag(attr) == IPP_TAG_INTEGER)
            queue.changeTime = ippGetInteger(attr, 0);
        else if (!std::strcmp(name, "printer-up-time") && ippGetValueTag(attr) == IPP_TAG_INTEGER)
            queue.askedAt = ippGetInteger(attr, 0);
    }
    keep();
    ippDelete(response);
    return queues;
}

// Fetches the queue's PPD and tells whether it is one of the maker's.
// Touches nothing shared: runs on any thread, on its own connection.
bool isMakerPpd(ppd_file_t *ppd)
{
    return ppd && hasMakerManufacturer(ppd) && hasMakerFilter(ppd) && hasMakerDeviceId(ppd);
}

ListingCheck checkQueue(const QString &name, bool *answered, CupsConnection &connection)
{
    const FetchedPpd fetched(name, connection);
    *answered = fetched.answered();
    ListingCheck check;
    check.makerQueue = isMakerPpd(fetched.ppd());
    return check;
}

// The PPD questions of one listing, and their answers.
struct QueueChecks
{
    QList<ListedQueue> queues; // those whose PPD is to be fetched
    std::vector<ListingCheck> results;
    std::vector<char> answered;
    // One question unanswered ends the listing: the rest are not asked.
    std::atomic<bool> gaveUp {false};
    // Stops every thread's connection.
    const std::atomic<bool> *stop = nullptr;
};

// Each question is a round trip to CUPS and a parse, so they are spread over
// a few threads, each on a bounded connection of its own; the answers do not
// depend on the order. Touches nothing but the batch.
void runChecks(QueueChecks *batch)
{
    const int count = batch->queues.size();
    auto work = [batch, count](int first, int step) {
        CupsConnection connection(batch->stop);
        for (int i = first; i < count; i += step) {
            if (batch->gaveUp || connection.stopping())
                return;
            bool answered = false;
            batch->results[i] = checkQueue(batch->queues.at(i).name, &answered, connection);
            batch->answered[i] = answered;
            if (!answered)
                batch->gaveUp = true;
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

// A listed queue's rows and their order, as the user's destination list
// has them: the queue, then each of its lpoptions instances. libcups sorts
// that list by name, then instance, comparing ASCII letters without their
// case and other bytes as signed chars.
int destinationCompare(const QByteArray &a, const QByteArray &b)
{
    const int size = std::min(a.size(), b.size());
    for (int i = 0; i < size; ++i) {
        const auto lower = [](char c) {
            return static_cast<signed char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        };
        if (lower(a.at(i)) != lower(b.at(i)))
            return lower(a.at(i)) < lower(b.at(i)) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

struct DestinationRow
{
    QByteArray name; // UTF-8, as CUPS spells it
    QByteArray instance;
    int queue; // index into the listed queues
};

// The instances named by "Dest" and "Default" lines of an lpoptions file,
// as queue name and instance.
void readInstances(const QString &path, QList<QPair<QByteArray, QByteArray>> *instances)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() < 2)
            continue;
        const QByteArray keyword = words.first().toLower();
        if (keyword != "dest" && keyword != "default")
            continue;
        const int slash = words.at(1).indexOf('/');
        if (slash > 0 && slash + 1 < words.at(1).size())
            instances->append(qMakePair(words.at(1).left(slash), words.at(1).mid(slash + 1)));
    }
}

QList<DestinationRow> destinationRows(const QList<ListedQueue> &queues)
{
    QList<DestinationRow> rows;
    for (int i = 0; i < queues.size(); ++i)
        rows.append(DestinationRow {queues.at(i).name.toUtf8(), QByteArray(), i});
    QList<QPair<QByteArray, QByteArray>> instances;
    readInstances(SystemPaths::cupsServerOptionsFile(), &instances);
    readInstances(SystemPaths::userCupsOptionsFile(), &instances);
    for (const auto &instance : qAsConst(instances)) {
        int queue = -1;
        bool known = false;
        for (const DestinationRow &row : qAsConst(rows)) {
            if (destinationCompare(row.name, instance.first) != 0)
                continue;
            queue = row.queue;
            known = known || destinationCompare(row.instance, instance.second) == 0;
        }
        // Only the server's queues, and each instance once.
        if (queue >= 0 && !known)
            rows.append(DestinationRow {queues.at(queue).name.toUtf8(), instance.second, queue});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const DestinationRow &a, const DestinationRow &b) {
                         const int byName = destinationCompare(a.name, b.name);
                         if (byName != 0)
                             return byName < 0;
                         return destinationCompare(a.instance, b.instance) < 0;
                     });
    return rows;
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
ipp_t *askCupsPrinters(CupsConnection &connection, std::initializer_list<const char *> attributes,
                       bool *answered)
{
    const std::vector<const char *> wanted(attributes);
    ipp_t *request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(wanted.size()), nullptr, wanted.data());
    http_t *http = connection.http();
    ipp_t *response = nullptr;
    if (http)
        response = cupsDoRequest(http, request, "/");
    else
        ippDelete(request);
    // A server without queues still answers (with "not found"); no response
    // at all means that nobody is listening or the connection broke.
    *answered = response != nullptr && !connection.timedOut();
    if (!*answered) {
        connection.drop();
        ippDelete(response);
        response = nullptr;
    }
    return response;
}

QSet<QString> cupsPrinterSet(CupsConnection &connection, bool *answered)
{
    // Every constraint pass asks this: the queue names alone, not the whole
    // destination list with its options (the same names; an instance has
    // its queue's name).
    QSet<QString> names;
    bool replied = false;
    ipp_t *response = askCupsPrinters(connection, {"printer-name"}, &replied);
    if (answered)
        *answered = replied;
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
    QList<ListedQueue> queues;
    // What the PPDs of the queues that are new or changed say.
    QueueChecks checks;
    std::thread checksRun;
    bool checksStarted = false;
    bool started = false;
    QList<DestinationRow> rows;
};

MakerPrinterListingRun::MakerPrinterListingRun(CupsConnection &connection, DestinationList when)
    : d(new State)
{
    d->checks.stop = connection.stopFlag();
    d->queues = askQueues(connection, &d->listing.cupsAnswered);
    for (const ListedQueue &queue : qAsConst(d->queues))
        d->listing.knownPrinters.insert(queue.name);
    // Nothing more to ask of a CUPS that kept silent.
    if (!d->listing.cupsAnswered)
        d->checksStarted = true;
    if (when == DestinationList::Now)
        resume();
}

void MakerPrinterListingRun::startChecks()
{
    if (d->checksStarted)
        return;
    d->checksStarted = true;
    const QMutexLocker locker(&listingChecksLock());
    const QHash<QString, ListingCheck> &known = listingChecks();
    for (const ListedQueue &queue : qAsConst(d->queues)) {
        const auto found = known.constFind(queue.name);
        // A queue whose time CUPS did not tell is asked about every time.
        if (found == known.cend() || !found->settled || found->changeTime != queue.changeTime
            || queue.changeTime == 0)
            d->checks.queues.append(queue);
    }
    d->checks.results.resize(d->checks.queues.size());
    d->checks.answered.assign(d->checks.queues.size(), 0);
    d->checksRun = std::thread(runChecks, &d->checks);
}

void MakerPrinterListingRun::resume()
{
    if (d->started)
        return;
    d->started = true;
    startChecks();
    readDestinations();
}

void MakerPrinterListingRun::waitForDestinations() {}

const QSet<QString> &MakerPrinterListingRun::knownPrinters() const
{
    return d->listing.knownPrinters;
}

bool MakerPrinterListingRun::cupsAnswered() const
{
    return d->listing.cupsAnswered;
}

void MakerPrinterListingRun::readDestinations()
{
    if (d->listing.cupsAnswered)
        d->rows = destinationRows(d->queues);
}

MakerPrinterListingRun::~MakerPrinterListingRun()
{
    if (d->checksRun.joinable())
        d->checksRun.join();
}

MakerPrinterListing MakerPrinterListingRun::finish()
{
    resume();
    if (d->checksRun.joinable())
        d->checksRun.join();
    MakerPrinterListing listing = d->listing;
    QHash<QString, bool> makerQueue;
    {
        const QMutexLocker locker(&listingChecksLock());
        QHash<QString, ListingCheck> &known = listingChecks();
        for (int i = 0; i < d->checks.queues.size(); ++i) {
            if (!d->checks.answered[i])
                continue;
            ListingCheck check = d->checks.results[i];
            check.changeTime = d->checks.queues.at(i).changeTime;
            check.settled = check.changeTime < d->checks.queues.at(i).askedAt;
            known.insert(d->checks.queues.at(i).name, check);
        }
        for (const ListedQueue &queue : qAsConst(d->queues))
            makerQueue.insert(queue.name, known.value(queue.name).makerQueue);
    }
    if (d->checks.gaveUp || (d->checks.stop && d->checks.stop->load())) {
        // What is not known yet is not shown as known.
        listing.cupsAnswered = false;
        return listing;
    }
    for (const DestinationRow &row : qAsConst(d->rows)) {
        const ListedQueue &queue = d->queues.at(row.queue);
        if (makerQueue.value(queue.name))
            listing.printers.append(MakerPrinter {queue.name, queue.deviceUri});
    }
    return listing;
}

MakerPrinterListing listMakerPrinters(CupsConnection &connection)
{
    return MakerPrinterListingRun(connection).finish();
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

bool cupsQueueExists(const QString &queueName, bool *answered, CupsConnection &connection)
{
    *answered = false;
    http_t *http = connection.http();
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
        connection.drop();
    return exists;
}

std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName,
                                                CupsConnection &connection,
                                                QStringList *topLevelKeywords,
                                                MakerQueuesOnly makersOnly)
{
    if (topLevelKeywords)
        topLevelKeywords->clear();
    if (queueName.isEmpty())
        return nullptr;
    const FetchedPpd fetched(queueName, connection);
    if (!fetched.ppd() || (makersOnly == MakerQueuesOnly::Yes && !isMakerPpd(fetched.ppd()))) {
        // The listing's verdict on this queue is out of date (replaced
        // within the second it was checked in, say): the next one asks again.
        if (fetched.answered()) {
            const QMutexLocker locker(&listingChecksLock());
            listingChecks().remove(queueName);
        }
        return nullptr;
    }
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(fetched.ppd(), model.get());
    model->setPrinterName(queueName);
    if (topLevelKeywords)
        *topLevelKeywords = lpoptionsKeywordsOf(fetched);
    return model;
}

QStringList topLevelOptionKeywords(const QString &queueName, CupsConnection &connection, bool *ok)
{
    const FetchedPpd fetched(queueName, connection);
    if (ok)
        *ok = fetched.ppd() != nullptr;
    return lpoptionsKeywordsOf(fetched);
}

#pragma GCC diagnostic pop
