// Constraints the program adds between its own toggles and PPD options, and
// the fixed rows every model gets. Rows naming options or choices a model
// lacks are dropped by tOptionModel::addConstraint, so the tables list them
// all unconditionally.

#include "model/FixedConstraints.h"
#include "model/ModelBuildSteps.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

#include <QHash>
#include <QSet>

namespace {

struct ConstraintRow
{
    const char *keyword1;
    const char *choice1;
    const char *keyword2;
    const char *choice2;
};

// FldA choice whose conflicts the fold toggle switched on takes over.
struct FoldCopyRow
{
    const char *foldChoice;
    const char *toggle;
    bool needsOption24;
};

const FoldCopyRow foldCopies[] = {
    {"Bifold", "cBiFld", false},
    {"Trifold", "cTriFld", false},
    {"Zfold", "cTriFldZ", true},
    {"EngrFold", "cEngrFld", true},
};

// Every ordered pair of the four fold toggles, so that at most one is on.
const char *const exclusiveFolds[] = {"cTriFld", "cBiFld", "cTriFldZ", "cEngrFld"};

const ConstraintRow publishingRows[] = {
    {"cCovBut", "False", "cCovPOFI", "True"},  {"cCovBut", "False", "cCovPOFO", "True"},
    {"cCovBut", "False", "cCovPOBI", "True"},  {"cCovBut", "False", "cCovPOBO", "True"},
    {"cCovBRad", "False", "cCovPOBI", "True"}, {"cCovBRad", "False", "cCovPOBO", "True"},
    {"cInsBut", "False", "cInsPrnF", "True"},  {"cInsBut", "False", "cInsPrnB", "True"},
    {"cIntBut", "False", "cIntPrn", "True"},   {"cCovBut", "True", "cIntBut", "True"},
    {"cInsBut", "True", "cIntBut", "True"},
};

// Inserter trays cannot print, so no print-onto mode with them (Option28).
const ConstraintRow inserterRows[] = {
    {"CvrM", "Inserter1", "cCovPOFI", "True"},     {"CvrM", "Inserter2", "cCovPOFI", "True"},
    {"CvrM", "Inserter1", "cCovPOFO", "True"},     {"CvrM", "Inserter2", "cCovPOFO", "True"},
    {"BackCvrM", "Inserter1", "cCovPOBI", "True"}, {"BackCvrM", "Inserter2", "cCovPOBI", "True"},
    {"BackCvrM", "Inserter1", "cCovPOBO", "True"}, {"BackCvrM", "Inserter2", "cCovPOBO", "True"},
    {"Pmed", "Inserter1", "cInsPrnF", "True"},     {"Pmed", "Inserter2", "cInsPrnF", "True"},
    {"Pmed", "Inserter1", "cInsPrnB", "True"},     {"Pmed", "Inserter2", "cInsPrnB", "True"},
    {"Tmed", "Inserter1", "cIntPrn", "True"},      {"Tmed", "Inserter2", "cIntPrn", "True"},
};

const ConstraintRow jobRows[] = {
    {"cJobAccount", "True", "cUserLogin", "True"},
};

// Before the MediaType loop.
const ConstraintRow simplexRows[] = {
    {"cCovPOFI", "True", "Duplex", "None"},
    {"cCovPOBO", "True", "Duplex", "None"},
    {"cInsPrnB", "True", "Duplex", "None"},
};

// After the MediaType loop.
const ConstraintRow fixedRows[] = {
    {"cCovBut", "True", "Coll", "False"},
    {"cInsBut", "True", "Coll", "False"},
    {"cIntBut", "True", "Coll", "False"},
    {"cJobStore", "True", "Coll", "False"},
    {"cSuper", "True", "Coll", "False"},
    {"SNTToggle", "Off", "SNTDuplex", "On"},
    {"SNTToggle", "Off", "SNTTonerlite", "On"},
    {"SNTToggle", "Off", "SNTColorMode", "On"},
    {"SNTDuplex", "On", "Duplex", "None"},
    {"SNTTonerlite", "On", "Tnlt", "Off"},
    {"SNTColorMode", "On", "ColorModel", "CMYK"},
    {"SNTColorMode", "On", "ColorModel", "RGB"},
    {"SNTToggle", "On", "cJobAccount", "True"},
    {"SNTToggle", "On", "cUserLogin", "True"},
    {"SNTToggle", "On", "cJobStore", "True"},
    {"SNTToggle", "On", "cCovBut", "True"},
    {"SNTToggle", "On", "cInsBut", "True"},
    {"SNTToggle", "On", "cIntBut", "True"},
    {"Wren", "False", "Wflg", "True"},
    {"ColorModel", "Gray", "Wclr", "Red"},
    {"ColorModel", "Gray", "Wclr", "Green"},
    {"ColorModel", "Gray", "Wclr", "Blue"},
};

template<std::size_t N>
void addRows(tOptionModel *model, const ConstraintRow (&rows)[N])
{
    for (const ConstraintRow &row : rows) {
        model->addConstraint(QString::fromLatin1(row.keyword1), QString::fromLatin1(row.choice1),
                             QString::fromLatin1(row.keyword2), QString::fromLatin1(row.choice2));
    }
}

// Adds (keyword, choice) against every pair (Q, B) of the list.
template<typename Pairs>
void addConflictsOf(tOptionModel *model, const QString &keyword, const QString &choice,
                    const Pairs &pairs)
{
    for (const auto &pair : pairs)
        model->addConstraint(keyword, choice, pair.first->keyword(), pair.second->keyword());
}

} // namespace

QString mapConstraintKeyword(const QString &keyword)
{
    static const QHash<QString, QString> toggles = {
        {QStringLiteral("Bifold"), QStringLiteral("cBiFld")},
        {QStringLiteral("Trifold"), QStringLiteral("cTriFld")},
        {QStringLiteral("Zfold"), QStringLiteral("cTriFldZ")},
        {QStringLiteral("EngrFold"), QStringLiteral("cEngrFld")},
        {QStringLiteral("Stpl"), QStringLiteral("cStpl")},
        {QStringLiteral("Pnch"), QStringLiteral("cHole")},
    };
    return toggles.value(keyword, keyword);
}

void addFoldConstraints(tOptionModel *model, bool withOption24)
{
    const QString on = QStringLiteral("True");
    if (tOption *fold = model->option(QStringLiteral("FldA"))) {
        for (const FoldCopyRow &row : foldCopies) {
            if (row.needsOption24 && !withOption24)
                continue;
            if (tChoice *choice = fold->findChoice(QString::fromLatin1(row.foldChoice)))
                addConflictsOf(model, QString::fromLatin1(row.toggle), on, choice->conflicts());
        }
    }

    if (!withOption24) {
        model->addConstraint(QStringLiteral("cTriFld"), on, QStringLiteral("cBiFld"), on);
        return;
    }
    for (const char *first : exclusiveFolds) {
        for (const char *other : exclusiveFolds) {
            if (first != other)
                model->addConstraint(QString::fromLatin1(first), on, QString::fromLatin1(other),
                                     on);
        }
    }
}

void addSharedChoiceConflicts(tOptionModel *model, const QString &ppdKeyword,
                              const QString &toggleKeyword)
{
    const tOption *option = model->option(ppdKeyword);
    if (!option)
        return;

    using Pair = QPair<tOption *, tChoice *>;
    QList<Pair> shared; // kept in list order so the rows come out in a stable order
    for (const tChoice *choice : option->choices()) {
        if (choice->keyword() == QLatin1String("None"))
            continue;
        QList<Pair> conflicts;
        QSet<Pair> seen;
        for (const auto &pair : choice->conflicts()) {
            const Pair p(pair.first, pair.second);
            conflicts.append(p);
            seen.insert(p);
        }
        if (shared.isEmpty()) {
            shared = conflicts; // also after an empty intersection: start afresh
        } else {
            QList<Pair> kept;
            for (const Pair &p : shared) {
                if (seen.contains(p))
                    kept.append(p);
            }
            shared = kept;
        }
    }
    addConflictsOf(model, toggleKeyword, QStringLiteral("True"), shared);
}

void addPublishingConstraints(tOptionModel *model, bool withOption28)
{
    addRows(model, publishingRows);
    if (withOption28)
        addRows(model, inserterRows);
}

void addJobConstraints(tOptionModel *model)
{
    addRows(model, jobRows);
}

void addFixedConstraints(tOptionModel *model)
{
    addRows(model, simplexRows);

    // Interleaving is for transparencies only.
    if (const tOption *mediaType = model->option(QStringLiteral("MediaType"))) {
        for (const tChoice *choice : mediaType->choices()) {
            if (choice->keyword() != QLatin1String("Transparency"))
                model->addConstraint(QStringLiteral("MediaType"), choice->keyword(),
                                     QStringLiteral("cIntBut"), QStringLiteral("True"));
        }
    }

    addRows(model, fixedRows);
}
