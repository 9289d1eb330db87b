#include "app/TelemetryOption.h"

#include "system/SystemPaths.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The answer as the "Settings" line, or null for a value that is not one.
QString telemetryLine(const char *value)
{
    if (!std::strcmp(value, "True") || !std::strcmp(value, "true"))
        return QStringLiteral("Telemetry=True\n");
    if (!std::strcmp(value, "False") || !std::strcmp(value, "false"))
        return QStringLiteral("Telemetry=False\n");
    return QString();
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
    if (!QDir(directory).exists())
        QDir().mkdir(directory);

    const QString line = telemetryLine(argv[option + 1]);
    if (line.isNull())
        std::exit(0);

    QFile settings(settingsPath);
    if (!settings.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        std::fprintf(stderr, "vellumark: cannot write %s: %s\n", qPrintable(settingsPath),
                     qPrintable(settings.errorString()));
        std::exit(1);
    }
    QTextStream out(&settings);
    out << line;
    out.flush();
    if (out.status() != QTextStream::Ok || !settings.flush()) {
        std::fprintf(stderr, "vellumark: cannot write %s\n", qPrintable(settingsPath));
        std::exit(1);
    }
    settings.close();
    std::exit(0);
}
