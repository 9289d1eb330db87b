// Groups of three choices: those of the PPD's cupsUIConstraints attributes
// and the program's own. tOptionModel orders each group by precedence, so
// these run after the levels are set.

#include "model/FixedConstraints.h"
#include "model/ModelBuildSteps.h"
#include "model/tOptionModel.h"

#include <cups/ppd.h>

#include <QStringList>

namespace {

struct GroupRow
{
    const char *keyword1;
    const char *choice1;
    const char *keyword2;
    const char *choice2;
    const char *keyword3;
    const char *choice3;
};

// Stapling is not offered with these booklet settings.
const GroupRow fixedGroups[] = {
    {"TCBooklet", "Left", "Option22", "False", "cStpl", "True"},
    {"TCBooklet", "Right", "Option22", "False", "cStpl", "True"},
    {"TCBooklet", "None", "PageSize", "Statement", "cStpl", "True"},
    {"TCBooklet", "None", "PageSize", "A5", "cStpl", "True"},
};

// Fold tray limits of printers with "Option24".
const GroupRow option24Groups[] = {
    {"FldA", "Bifold", "PageSize", "B4", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "P12X18", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "P8K", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "A3", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "SRA3", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "Tabloid", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "Legal", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "PageSize", "OficioII", "OutputBin", "FLDTRAY"},
    {"FldA", "Trifold", "PageSize", "A3", "OutputBin", "FLDTRAY"},
    {"FldA", "Trifold", "PageSize", "Tabloid", "OutputBin", "FLDTRAY"},
    {"FldA", "Zfold", "PageSize", "A3", "OutputBin", "FLDTRAY"},
    {"FldA", "Zfold", "PageSize", "Tabloid", "OutputBin", "FLDTRAY"},
    {"FldA", "Bifold", "Option24", "False", "OutputBin", "FDStackerA"},
    {"FldA", "Bifold", "Option24", "False", "OutputBin", "FDStackerB"},
    {"FldA", "Trifold", "Option24", "False", "OutputBin", "FDStackerB"},
};

using Member = QPair<QString, QString>;

template<std::size_t N>
void addGroups(tOptionModel *model, const GroupRow (&rows)[N])
{
    for (const GroupRow &row : rows) {
        model->addGroupConstraint({
            Member(QString::fromLatin1(row.keyword1), QString::fromLatin1(row.choice1)),
            Member(QString::fromLatin1(row.keyword2), QString::fromLatin1(row.choice2)),
            Member(QString::fromLatin1(row.keyword3), QString::fromLatin1(row.choice3)),
        });
    }
}

bool isFoldChoice(const QString &choice)
{
    return choice == QLatin1String("Bifold") || choice == QLatin1String("Trifold")
           || choice == QLatin1String("Zfold") || choice == QLatin1String("EngrFold");
}

// "*FldA Bifold *PageSize A5 *OutputBin FLDTRAY": a fold choice stands for
// its fold toggle and a staple or punch option for its toggle, both on. Only
// the first two blank-separated tokens of a member count, and a member with
// fewer than two (a bare "*Stpl" at the end) is dropped.
QList<Member> groupMembers(const QString &value)
{
    QList<Member> members;
    const QStringList parts = value.split(QLatin1Char('*'));
    for (const QString &part : parts) {
        const QStringList tokens = part.split(QLatin1Char(' '));
        if (tokens.size() < 2)
            continue;
        const QString &keyword = tokens.at(0);
        const QString &choice = tokens.at(1);
        if (isFoldChoice(choice))
            members.append(Member(mapConstraintKeyword(choice), QStringLiteral("True")));
        else if (keyword == QLatin1String("Stpl") || keyword == QLatin1String("Pnch"))
            members.append(Member(mapConstraintKeyword(keyword), QStringLiteral("True")));
        else
            members.append(Member(keyword, choice));
    }
    return members;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

bool ppdHasOption(ppd_file_t *ppd, const char *keyword)
{
    return ppdFindOption(ppd, keyword) != nullptr;
}

QStringList uiConstraintValues(ppd_file_t *ppd)
{
    QStringList values;
    for (ppd_attr_t *attr = ppdFindAttr(ppd, "cupsUIConstraints", nullptr); attr;
         attr = ppdFindNextAttr(ppd, "cupsUIConstraints", nullptr)) {
        values.append(attr->value ? QString::fromUtf8(attr->value) : QString());
    }
    return values;
}

#pragma GCC diagnostic pop

} // namespace

void addConstraintGroups(ppd_file_t *ppd, tOptionModel *model)
{
    const bool hasOption24 = ppdHasOption(ppd, "Option24");

    for (const QString &value : uiConstraintValues(ppd))
        model->addGroupConstraint(groupMembers(value));

    addGroups(model, fixedGroups);
    if (hasOption24)
        addGroups(model, option24Groups);
}
