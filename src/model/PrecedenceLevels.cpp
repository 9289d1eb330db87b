// Fixed precedence levels: a lower number wins a conflict. Installable
// options and the print-management switch rule everything, paper and colour
// rule finishing, finishing rules covers and inserts, and collation yields
// to all listed options. Unlisted options keep level 99. Keywords are
// matched exactly as the PPDs spell them.

#include "model/ModelBuildSteps.h"
#include "model/tOptionModel.h"

namespace {

struct PrecedenceRow
{
    const char *keyword;
    int level;
};

const PrecedenceRow precedenceTable[] = {
    {"Option17", 0},
    {"SNTToggle", 0},

    {"SNTTonerlite", 1},
    {"SNTColorMode", 1},
    {"Option8", 1},
    {"Option18", 1},
    {"Option19", 1},
    {"Option20", 1},
    {"Option21", 1},
    {"Option22", 1},
    {"Option23", 1},
    {"Option24", 1},
    {"Option25", 1},
    {"Option26", 1},
    {"Option27", 1},
    {"Option28", 1},
    {"Option01", 1},

    {"InputSlot", 2},
    {"ColorModel", 2},
    {"Wren", 2},

    {"PageSize", 3},
    {"MediaType", 3},
    {"Crep", 3},
    {"Wclr", 3},
    {"Wang", 3},

    {"SNTDuplex", 4},
    {"TCBooklet", 4},

    {"Wflg", 5},
    {"Wtrans", 5},
    {"Cadj", 5},
    {"Duplex", 5},
    {"Tnlt", 5},
    {"Resolution", 5},
    {"RCM", 5},

    {"WTyp", 6},
    {"cBiFld", 6},
    {"cTriFld", 6},
    {"cTriFldZ", 6},
    {"cEngrFld", 6},
    {"cHole", 6},
    {"TIR", 6},
    {"GBTn", 6},
    {"TMoirePrevention", 6},
    {"TCGlossmode", 6},
    {"CaHueMaster", 6},
    {"CaHr", 6},
    {"CaHy", 6},
    {"CaHg", 6},
    {"CaHc", 6},
    {"CaHb", 6},
    {"CaHm", 6},
    {"Cast", 6},
    {"Cabt", 6},
    {"Cact", 6},
    {"CaCR", 6},
    {"CaMG", 6},
    {"CaYB", 6},
    {"Fold", 6},
    {"FldA", 6},
    {"Sep", 6},
    {"Stpl", 6},
    {"cStpl", 6},
    {"Pnch", 6},
    {"Rotate", 6},

    {"cCovBut", 7},
    {"cIntBut", 7},
    {"cInsBut", 7},
    {"TCCollate1", 7},
    {"cJobAccount", 7},
    {"cUserLogin", 7},
    {"cJobStore", 7},

    {"cCovTRad", 8},
    {"cCovBRad", 8},
    {"cCovPOFO", 8},
    {"cCovPOFI", 8},
    {"cCovPOBO", 8},
    {"cCovPOBI", 8},
    {"cInsPrnF", 8},
    {"cInsPrnB", 8},
    {"cIntPrn", 8},
    {"CvrM", 8},
    {"BackCvrM", 8},
    {"Pmed", 8},
    {"Tmed", 8},
    {"cSuper", 8},

    {"OutputBin", 9},
    {"TCSuperWatermark", 9},

    {"Coll", 10},
};

static_assert(sizeof(precedenceTable) / sizeof(precedenceTable[0]) == 88,
              "one row per listed option");

} // namespace

void applyPrecedenceLevels(tOptionModel *model)
{
    for (const PrecedenceRow &row : precedenceTable)
        model->setPrecedence(QString::fromLatin1(row.keyword), row.level);
}
