#include "app/TelemetryOption.h"

#include "system/PerUserFiles.h"
#include "system/PerUserFolder.h"
#include "system/SystemPaths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The answer as the "Settings" line, or empty for a value that is not one.
QByteArray telemetryLine(const char *value)
{
    if (!std::strcmp(value, "True") || !std::strcmp(value, "true"))
        return QByteArrayLiteral("Telemetry=True\n");
    if (!std::strcmp(value, "False") || !std::strcmp(value, "false"))
        return QByteArrayLiteral("Telemetry=False\n");
    return QByteArray();
}

} // namespace

void handleTelemetryOption(int argc, char *argv[])
{
    int option = 0;
    for (int i = 1; i < argc && !option; ++i) {
        if (!std::strcmp(argv[i], "--telemetry") || !std::strcmp(argv[i], "-t"))
            option = i;
    }
    if (!option)
        return;
    if (option + 1 >= argc)
        std::exit(0);

    const QString directory = SystemPaths::perUserDirectory();
    const QString settingsPath = SystemPaths::settingsFilePath();
    // One level only: the folder's parent belongs to the driver package.
    PerUserFolder::create(directory);
    bool tightened = false;
    const PerUserFolder::State state = PerUserFolder::secure(directory, &tightened);
    if (!PerUserFolder::isUsable(state)) {
        std::fprintf(stderr, "vellumark: %s\n",
                     qPrintable(PerUserFolder::problemText(state, directory)));
        std::exit(1);
    }
    if (tightened)
        std::fprintf(stderr, "vellumark: %s\n",
                     qPrintable(PerUserFolder::tightenedText(directory)));
    // Files another account could write are left for the window, which sets
    // them aside and tells the user in a box.
    QStringList unused;
    securePerUserFiles(false, &unused, &unused);

    const QByteArray line = telemetryLine(argv[option + 1]);
    if (line.isEmpty())
        std::exit(0);

    if (!writePerUserFile(settingsPath, line)) {
        std::fprintf(stderr, "vellumark: cannot write %s\n", qPrintable(settingsPath));
        std::exit(1);
    }
    std::exit(0);
}
