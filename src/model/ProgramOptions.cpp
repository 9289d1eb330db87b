// Options the program makes itself beside the PPD's: on/off toggles for
// features a PPD expresses in its own way, and the print-management options
// every model holds.

#include "model/FixedConstraints.h"
#include "model/ModelBuildSteps.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

#include <cups/ppd.h>

#include <QCoreApplication>

namespace {

struct ToggleRow
{
    const char *keyword;
    const char *text;
};

// Made when the PPD has "FldA"; the last two only with "Option24" as well.
const ToggleRow foldToggles[] = {
    {"cBiFld", "Bi-fold Mode"},
    {"cTriFld", "Tri-fold Mode"},
};
const ToggleRow option24FoldToggles[] = {
    {"cTriFldZ", "Z-fold Mode"},
    {"cEngrFld", "Engineering-fold Mode"},
};
const ToggleRow punchToggle = {"cHole", "Punch Mode"};
const ToggleRow stapleToggle = {"cStpl", "Staple Mode"};

// Made, in this order, when the PPD has "CvrM".
const ToggleRow publishingToggles[] = {
    {"cCovBut", "Cover mode"},
    {"cCovTRad", "Cover mode front"},
    {"cCovBRad", "Cover mode front and back"},
    {"cCovPOFO", "Cover mode front outside"},
    {"cCovPOFI", "Cover mode front inside"},
    {"cCovPOBO", "Cover mode back outside"},
    {"cCovPOBI", "Cover mode back inside"},
    {"cInsBut", "Page insert mode"},
    {"cInsPrnF", "Page insert print onto front"},
    {"cInsPrnB", "Page insert print onto back"},
    {"cIntBut", "Transparency interleaving mode"},
    {"cIntPrn", "Transparency print onto backing"},
};

enum class JobSource {
    PpdOption,           // the PPD defines the option
    Attribute,           // the PPD has the attribute, whatever its value
    AttributeTrue,       // the attribute's value is exactly "True"
    AttributeNotBoolean, // the attribute's value is neither "True" nor "False"
};

struct JobToggleRow
{
    const char *keyword;
    const char *text;
    JobSource source;
    const char *name;
};

// Each test independent of the others, in this order.
const JobToggleRow jobToggles[] = {
    {"cJobStore", "Job storage", JobSource::PpdOption, "TCCollate1"},
    {"cJobAccount", "Job accounting", JobSource::PpdOption, "TvManagment"},
    {"cUserLogin", "User login", JobSource::Attribute, "SupportsUserLogin"},
    {"cEmail", "Email notification", JobSource::Attribute, "JobFinishNotice"},
    {"cJobName", "Custom job name", JobSource::Attribute, "SupportsCustomJobName"},
    {"cPrivatePrint", "Private print", JobSource::AttributeTrue, "SupportsPrivatePrint"},
    {"ePrivatePrint", "Private print", JobSource::AttributeNotBoolean, "SupportsPrivatePrint"},
    {"cCustomBox", "Custom box", JobSource::Attribute, "SupportsCustomBox"},
};

const ToggleRow superWatermarkToggle = {"cSuper", "Super Watermark"};

// Made for every printer, with the choices "Off" and "On".
const ToggleRow printManagementOptions[] = {
    {"SNTToggle", "Sentrel"},
    {"SNTDuplex", "Sentrel Duplex"},
    {"SNTTonerlite", "Sentrel Tonerlite"},
    {"SNTColorMode", "Sentrel Color Mode"},
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

bool ppdHasOption(ppd_file_t *ppd, const char *keyword)
{
    return ppdFindOption(ppd, keyword) != nullptr;
}

bool ppdHasAttribute(ppd_file_t *ppd, const char *name)
{
    return ppdFindAttr(ppd, name, nullptr) != nullptr;
}

// The value of the first attribute of that name; a null string when the
// attribute is missing, an empty one when it carries no value text.
QString ppdAttributeValue(ppd_file_t *ppd, const char *name)
{
    const ppd_attr_t *attr = ppdFindAttr(ppd, name, nullptr);
    if (!attr)
        return QString();
    return attr->value ? QString::fromUtf8(attr->value) : QString(QLatin1String(""));
}

#pragma GCC diagnostic pop

tOption *makeToggle(const ToggleRow &row)
{
    auto *option = new tOption(QString::fromLatin1(row.keyword), QString::fromLatin1(row.text));
    option->addChoice(QStringLiteral("False"), QStringLiteral("False"));
    option->addChoice(QStringLiteral("True"), QStringLiteral("True"));
    return option;
}

bool jobToggleWanted(ppd_file_t *ppd, const JobToggleRow &row)
{
    switch (row.source) {
    case JobSource::PpdOption:
        return ppdHasOption(ppd, row.name);
    case JobSource::Attribute:
        return ppdHasAttribute(ppd, row.name);
    case JobSource::AttributeTrue:
    case JobSource::AttributeNotBoolean: {
        const QString value = ppdAttributeValue(ppd, row.name);
        if (value.isNull() || value == QLatin1String("False"))
            return false;
        return (value == QLatin1String("True")) == (row.source == JobSource::AttributeTrue);
    }
    }
    return false;
}

} // namespace

void addFinishingToggles(ppd_file_t *ppd, tOptionModel *model)
{
    const bool hasFold = ppdHasOption(ppd, "FldA");
    const bool hasPunch = ppdHasOption(ppd, "Pnch");
    const bool hasStaple = ppdHasOption(ppd, "Stpl");
    const bool hasOption24 = ppdHasOption(ppd, "Option24");

    if (hasFold) {
        for (const ToggleRow &row : foldToggles)
            model->addOption(makeToggle(row));
        if (hasOption24) {
            for (const ToggleRow &row : option24FoldToggles)
                model->addOption(makeToggle(row));
        }
        addFoldConstraints(model, hasOption24);
    }
    if (hasPunch) {
        model->addOption(makeToggle(punchToggle));
        addSharedChoiceConflicts(model, QStringLiteral("Pnch"),
                                 QString::fromLatin1(punchToggle.keyword));
    }
    if (hasStaple) {
        model->addOption(makeToggle(stapleToggle));
        addSharedChoiceConflicts(model, QStringLiteral("Stpl"),
                                 QString::fromLatin1(stapleToggle.keyword));
    }
}

void addPublishingToggles(ppd_file_t *ppd, tOptionModel *model)
{
    const bool hasCoverMode = ppdHasOption(ppd, "CvrM");
    const bool hasOption28 = ppdHasOption(ppd, "Option28");
    if (!hasCoverMode)
        return;

    QList<tOption *> toggles;
    for (const ToggleRow &row : publishingToggles)
        toggles.append(makeToggle(row));
    for (tOption *toggle : toggles)
        model->addOption(toggle);

    addPublishingConstraints(model, hasOption28);
}

void addJobToggles(ppd_file_t *ppd, tOptionModel *model)
{
    for (const JobToggleRow &row : jobToggles) {
        if (jobToggleWanted(ppd, row))
            model->addOption(makeToggle({row.keyword, row.text}));
    }
    addJobConstraints(model);
}

void addSuperWatermarkToggle(ppd_file_t *ppd, tOptionModel *model)
{
    if (ppdHasOption(ppd, "TCSuperWatermark"))
        model->addOption(makeToggle(superWatermarkToggle));
}

void addPrintManagementOptions(tOptionModel *model)
{
    for (const ToggleRow &row : printManagementOptions) {
        auto *option = new tOption(QString::fromLatin1(row.keyword), QString::fromLatin1(row.text));
        option->addChoice(QStringLiteral("Off"), QCoreApplication::translate("QObject", "Off"));
        option->addChoice(QStringLiteral("On"), QCoreApplication::translate("QObject", "On"));
        model->addOption(option);
    }
}
