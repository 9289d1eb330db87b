#include "model/OptionModelBuilder.h"

#include "model/ModelBuildSteps.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

#include <cups/ppd.h>

#include <QString>

// libcups marks its whole PPD interface deprecated; this file is one of the
// few that read PPDs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

QString fromPpd(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

void readFiltersAndModelName(ppd_file_t *ppd, tOptionModel *model)
{
    for (int i = 0; i < ppd->num_filters; ++i) {
        const QString line = fromPpd(ppd->filters[i]);
        if (line.contains(QLatin1String("ras")) || line.contains(QLatin1String("pdf")))
            model->setRasterOrPdfFilter(true);
    }
    model->setModelName(fromPpd(ppd->modelname));
}

bool isCustomPageDefault(const QString &keyword, const QString &defchoice)
{
    return (keyword.contains(QLatin1String("PageSize"))
            || keyword.contains(QLatin1String("PageRegion")))
           && defchoice.contains(QLatin1String("custom"), Qt::CaseInsensitive);
}

// The user picks sizes from the list only, so a custom size default reads as Letter.
QString defaultChoiceKeyword(const QString &keyword, const QString &defchoice)
{
    return isCustomPageDefault(keyword, defchoice) ? QStringLiteral("Letter") : defchoice;
}

void addPpdOptions(ppd_file_t *ppd, tOptionModel *model)
{
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &ppdOption = group.options[o];
            tOption *option = new tOption(fromPpd(ppdOption.keyword), fromPpd(ppdOption.text));
            for (int c = 0; c < ppdOption.num_choices; ++c)
                option->addChoice(fromPpd(ppdOption.choices[c].choice),
                                  fromPpd(ppdOption.choices[c].text));

            const QString defaultKeyword =
                defaultChoiceKeyword(option->keyword(), fromPpd(ppdOption.defchoice));
            if (tChoice *choice = option->findChoice(defaultKeyword)) {
                option->setDefaultChoice(choice);
                model->insertDefaultChoice(option->keyword(), defaultKeyword);
            }
            option->setFromPpd(true);
            model->addOption(option);
        }
    }
}

// A PPD rule between media type and duplexing also holds for the media of
// covers, transparencies and inserted pages, against either duplex binding.
void addDuplexMediaConstraints(tOptionModel *model, const QString &mediaChoice)
{
    static const char *const mediaOptions[] = {"CvrM", "Tmed", "Pmed", "BackCvrM"};
    for (const char *keyword : mediaOptions) {
        const QString mediaOption = QLatin1String(keyword);
        if (!model->option(mediaOption))
            continue;
        model->addConstraint(mediaOption, mediaChoice, QStringLiteral("Duplex"),
                             QStringLiteral("DuplexNoTumble"));
        model->addConstraint(mediaOption, mediaChoice, QStringLiteral("Duplex"),
                             QStringLiteral("DuplexTumble"));
    }
}

void importPpdConstraints(ppd_file_t *ppd, tOptionModel *model)
{
    const QString coll = QStringLiteral("Coll");
    const QString collate = QStringLiteral("TCCollate1");
    const QString mediaType = QStringLiteral("MediaType");
    const QString duplex = QStringLiteral("Duplex");

    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t &entry = ppd->consts[i];
        const QString option1 = fromPpd(entry.option1);
        const QString choice1 = fromPpd(entry.choice1);
        const QString option2 = fromPpd(entry.option2);
        const QString choice2 = fromPpd(entry.choice2);

        // The PPD's rules between collation and job collation are not enforced.
        if ((option1 == coll && option2 == collate) || (option1 == collate && option2 == coll))
            continue;

        if (option1 == mediaType && option2 == duplex)
            addDuplexMediaConstraints(model, choice1);
        else if (option1 == duplex && option2 == mediaType)
            addDuplexMediaConstraints(model, choice2);

        model->addConstraint(option1, choice1, option2, choice2);
    }
}

void selectDefaultChoices(tOptionModel *model)
{
    for (tOption *option : model->options()) {
        if (tChoice *choice = option->defaultChoice())
            option->setCurrentChoice(choice);
    }
}

bool hasTpslFilterLine(ppd_file_t *ppd)
{
    for (int i = 0; i < ppd->num_filters; ++i) {
        if (fromPpd(ppd->filters[i]).contains(QLatin1String("tolfilter_tpsl_H")))
            return true;
    }
    return false;
}

} // namespace

void buildOptionModel(ppd_file_t *ppd, tOptionModel *model)
{
    if (!ppd || !model)
        return;

    ppdLocalize(ppd);
    readFiltersAndModelName(ppd, model);
    addPpdOptions(ppd, model);
    importPpdConstraints(ppd, model);
    selectDefaultChoices(model);

    addFinishingToggles(ppd, model);
    addPublishingToggles(ppd, model);
    addJobToggles(ppd, model);
    addSuperWatermarkToggle(ppd, model);
    addPrintManagementOptions(model);
    addFixedConstraints(model);
    applyPrecedenceLevels(model);
    addConstraintGroups(ppd, model);
    addDerivedConstraints(model);

    model->setTpslFilter(hasTpslFilterLine(ppd));
}

#pragma GCC diagnostic pop
