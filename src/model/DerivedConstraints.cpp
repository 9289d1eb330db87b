// Rows derived from conflicts that already exist. They compare precedence
// levels, so they run after applyPrecedenceLevels.

#include "model/ModelBuildSteps.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

namespace {

// Adds (keyword, choice) against each conflict of `source` whose option
// ranks strictly below (has a greater level than) the option `keyword`.
void inheritLowerConflicts(tOptionModel *model, const QString &keyword, const QString &choice,
                           const tChoice *source)
{
    const tOption *heir = model->option(keyword);
    if (!heir || !source)
        return;
    for (const auto &pair : source->conflicts()) {
        if (pair.first->precedence() > heir->precedence())
            model->addConstraint(keyword, choice, pair.first->keyword(), pair.second->keyword());
    }
}

struct ConstraintRow
{
    const char *keyword1;
    const char *choice1;
    const char *keyword2;
    const char *choice2;
};

const ConstraintRow noCollationRows[] = {
    {"Option18", "None", "cPrivatePrint", "True"},
    {"Option18", "None", "cCustomBox", "True"},
};

} // namespace

void addDerivedConstraints(tOptionModel *model)
{
    const QString option18 = QStringLiteral("Option18");
    const QString none = QStringLiteral("None");

    // Without the collation option everything that needs collation is out.
    if (const tOption *coll = model->option(QStringLiteral("Coll"))) {
        if (model->option(option18))
            inheritLowerConflicts(model, option18, none, coll->findChoice(QStringLiteral("False")));
    }

    // The duplex policy rules out what either duplex mode rules out.
    if (const tOption *duplex = model->option(QStringLiteral("Duplex"))) {
        const QString sntDuplex = QStringLiteral("SNTDuplex");
        const QString on = QStringLiteral("On");
        if (model->option(sntDuplex)) {
            inheritLowerConflicts(model, sntDuplex, on,
                                  duplex->findChoice(QStringLiteral("DuplexTumble")));
            inheritLowerConflicts(model, sntDuplex, on,
                                  duplex->findChoice(QStringLiteral("DuplexNoTumble")));
        }
    }

    if (const tOption *collate = model->option(QStringLiteral("TCCollate1"))) {
        for (const tChoice *choice : collate->choices()) {
            if (choice->keyword() != none)
                model->addConstraint(option18, none, collate->keyword(), choice->keyword());
        }
    }

    for (const ConstraintRow &row : noCollationRows) {
        model->addConstraint(QString::fromLatin1(row.keyword1), QString::fromLatin1(row.choice1),
                             QString::fromLatin1(row.keyword2), QString::fromLatin1(row.choice2));
    }
}
