#include "app/AppTranslators.h"
#include "app/TelemetryOption.h"
#include "app/TolDialog.h"
#include "net/tcurl.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>

#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Under a file-size limit a write then fails and is reported as such.
    std::signal(SIGXFSZ, SIG_IGN);
    handleTelemetryOption(argc, argv);

    keepGlDriverUnloaded();

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/appicon"))));

    AppTranslators translators;
    translators.install(QLocale::system().name());

    int result;
    {
        TolDialog window;
        window.show();
        result = window.runUntilEnded();
    }
    // A login whose thread is still closing its connection is not waited
    // for, and the libraries it runs in are not torn down under it.
    if (tcurl::loginsRunning() > 0) {
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
