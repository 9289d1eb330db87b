#pragma once

// The large synthetic PPD that both benchmarks use, and what they build of it.
#include "model/OptionModelBuilder.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"

#include <memory>

inline const char *const kLargePpd = VM_BENCH_DATA "/large.ppd";

inline std::unique_ptr<tOptionModel> buildLargeModel()
{
    return buildModelFromPpdFile(QString::fromLatin1(kLargePpd));
}

// The option whose choices carry the most conflicts, single and grouped: the
// dearest change.
inline tOption *mostConstrainedOption(const tOptionModel &model)
{
    tOption *found = nullptr;
    int most = -1;
    for (tOption *option : model.options()) {
        int count = 0;
        for (const tChoice *choice : option->choices())
            count += choice->conflicts().size() + choice->groupConflicts().size();
        if (option->choiceCount() >= 2 && count > most) {
            most = count;
            found = option;
        }
    }
    return found;
}
