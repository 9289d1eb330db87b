// A printer's ".cfg" file and the "Settings" file, through every reader of
// saved values, with a printer model whose defaults the stale-default rule
// compares against.

#include "FuzzSupport.h"

#include "dialogs/TelemetryDialog.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"
#include "system/PerUserFiles.h"

#include <QSet>
#include <QStringList>

#include <memory>

namespace {

// The program's own keys, which no PPD has.
const char *const programKeys[] = {
    "CustomWatermarkStore", "CustomWatermarkSet", "CustomJobName",
    "AccessCode",           "UserLoginName",      "UserLoginPass",
    "EMailNotification",    "ProfileDescription", "Telemetry",
};

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString cfgPath = fuzz::scratch() + QStringLiteral("user/Fuzz.cfg");
    static const std::unique_ptr<tOptionModel> model = fuzz::fixtureModel("demo-showcase.ppd");
    AppState::optionModel = model.get();

    if (!fuzz::writeFile(cfgPath, data, size))
        return 0;
    AppState::settingsFile = cfgPath;

    // Every key the file itself names, besides the model's and the program's.
    QSet<QString> keys;
    for (const tOption *option : model->options())
        keys.insert(option->keyword());
    for (const char *key : programKeys)
        keys.insert(QLatin1String(key));
    const QList<QByteArray> lines =
        QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\n');
    for (const QByteArray &line : lines) {
        const int equals = line.indexOf('=');
        if (equals > 0 && keys.size() < 400)
            keys.insert(QString::fromUtf8(line.left(equals)));
    }
    for (const QString &key : keys) {
        readCfgValue(key);
        for (const QString &stored : readCfgValues(key))
            parseCfgValue(key, stored);
    }

    // A refresh leaves nothing stale, so a second one changes nothing.
    if (refreshProfileDefaults(cfgPath)) {
        const QByteArray once = fileContent(cfgPath);
        if (!refreshProfileDefaults(cfgPath))
            fuzz::fail("a refreshed file could not be refreshed again");
        if (fileContent(cfgPath) != once)
            fuzz::fail("a second refresh changed the file");
    }

    static const QString settingsPath = SystemPaths::settingsFilePath();
    if (fuzz::writeFile(settingsPath, data, size))
        TelemetryDialog::readTelemetryConsent();
    return 0;
}
