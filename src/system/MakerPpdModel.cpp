#include "system/MakerPpdModel.h"

#include "model/OptionModelBuilder.h"
#include "model/tOptionModel.h"
#include "system/SystemPaths.h"

#include <QFile>

#include <cups/ppd.h>

namespace {

// Applied in this order, every occurrence, case-sensitive.
const struct
{
    const char *from;
    const char *to;
} modelLineReplacements[] = {
    {"[", ""},
    {"]", ""},
    {" ", "_"},
    {"_TPDL", ""},
    {"B/W", "Monochrome"},
    {"RB/ORVA", "RB"},
    {"_TPSL", ""},
};

} // namespace

QString makerPpdPathForModelLine(const QString &modelLine)
{
    QString name = modelLine;
    for (const auto &step : modelLineReplacements)
        name.replace(QLatin1String(step.from), QLatin1String(step.to));
    return SystemPaths::makerPpdDirectory() + name + QStringLiteral(".ppd");
}

std::unique_ptr<tOptionModel> buildModelFromPpdFile(const QString &path)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        return nullptr;
    auto model = std::make_unique<tOptionModel>();
    buildOptionModel(ppd, model.get());
    ppdClose(ppd);
#pragma GCC diagnostic pop
    return model;
}
