#pragma once

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"

#include <cups/ppd.h>

#include <QString>

#include <memory>

// Builds an option model from a fixture PPD the way the printer tab does:
// open, build, close. Null when libcups refuses the file.
inline std::unique_ptr<tOptionModel> buildModelFromFixture(const QString &path)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ppd_file_t *ppd = ppdOpenFile(path.toLocal8Bit().constData());
    if (!ppd)
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(ppd, model.get());
    ppdClose(ppd);
#pragma GCC diagnostic pop
    return model;
}
