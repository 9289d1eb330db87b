#pragma once

// The large synthetic PPD that both benchmarks use, and what they build of it.
#include "model/OptionModelBuilder.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

#include <cups/ppd.h>

#include <memory>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

inline const char *const kLargePpd = VM_BENCH_DATA "/large.ppd";

inline std::unique_ptr<tOptionModel> buildLargeModel()
{
    ppd_file_t *ppd = ppdOpenFile(kLargePpd);
    if (!ppd)
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(ppd, model.get());
    ppdClose(ppd);
    return model;
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

#pragma GCC diagnostic pop
