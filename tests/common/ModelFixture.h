#pragma once

#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"

#include <QString>

#include <memory>

// An option model built from a fixture PPD; null when libcups refuses the
// file.
inline std::unique_ptr<tOptionModel> buildModelFromFixture(const QString &path)
{
    return buildModelFromPpdFile(path);
}
