#include "system/CupsPrinters.h"

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"
#include "system/FetchedPpd.h"

#include <QHash>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <cstring>

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

bool isMakerQueue(const QString &name)
{
    FetchedPpd fetched(name);
    ppd_file_t *ppd = fetched.ppd();
    return ppd && hasMakerManufacturer(ppd) && hasMakerFilter(ppd) && hasMakerDeviceId(ppd);
}

QString deviceUriOf(const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return QString();
    const char *uri = cupsGetOption("device-uri", dest->num_options, dest->options);
    const QString result = uri ? QString::fromUtf8(uri) : QString();
    cupsFreeDests(1, dest);
    return result;
}

} // namespace

QSet<QString> cupsPrinterSet()
{
    QSet<QString> names;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests(&dests);
    for (int i = 0; i < count; ++i)
        names.insert(QString::fromUtf8(dests[i].name));
    cupsFreeDests(count, dests);
    return names;
}

MakerPrinterListing listMakerPrinters()
{
    MakerPrinterListing listing;
    QStringList names;
    {
        cups_dest_t *dests = nullptr;
        const int count = cupsGetDests(&dests);
        for (int i = 0; i < count; ++i)
            names.append(QString::fromUtf8(dests[i].name));
        cupsFreeDests(count, dests);
    }

    // Instances of one queue share its PPD: fetch it once.
    QHash<QString, bool> makerQueue;
    QHash<QString, QString> deviceUri;
    for (const QString &name : names) {
        listing.knownPrinters.insert(name);
        auto known = makerQueue.constFind(name);
        if (known == makerQueue.constEnd())
            known = makerQueue.insert(name, isMakerQueue(name));
        if (!known.value())
            continue;
        if (!deviceUri.contains(name))
            deviceUri.insert(name, deviceUriOf(name));
        listing.printers.append(MakerPrinter{name, deviceUri.value(name)});
    }
    return listing;
}

bool cupsDestinationExists(const QString &queueName)
{
    const QByteArray utf8 = queueName.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return false;
    cupsFreeDests(1, dest);
    return true;
}

std::unique_ptr<tOptionModel> buildPrinterModel(const QString &queueName)
{
    if (queueName.isEmpty() || !cupsDestinationExists(queueName))
        return nullptr;
    FetchedPpd fetched(queueName);
    if (!fetched.ppd())
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(fetched.ppd(), model.get());
    model->setPrinterName(queueName);
    return model;
}

QStringList topLevelOptionKeywords(const QString &queueName, bool *ok)
{
    QStringList keywords;
    FetchedPpd fetched(queueName);
    ppd_file_t *ppd = fetched.ppd();
    if (ok)
        *ok = ppd != nullptr;
    if (!ppd)
        return keywords;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o)
            keywords.append(QString::fromUtf8(group.options[o].keyword));
    }
    return keywords;
}

#pragma GCC diagnostic pop
