#include "app/TelemetryOption.h"
#include "app/TolDialog.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>

#include <csignal>

namespace {

struct Catalogue {
    const char *language;
    const char *resource;
};

const Catalogue catalogues[] = {
    {"en", ":/strings/english"},
    {"fr", ":/strings/french"},
    {"de", ":/strings/german"},
    {"it", ":/strings/italian"},
    {"pt", ":/strings/portuguese"},
    {"es", ":/strings/spanish"},
};

QString catalogueFor(const QString &localeName)
{
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const Catalogue &c : catalogues) {
        if (language == QLatin1String(c.language))
            return QString::fromLatin1(c.resource);
    }
    return QStringLiteral(":/strings/english");
}

} // namespace

int main(int argc, char *argv[])
{
    // Under a file-size limit a write then fails and is reported as such.
    std::signal(SIGXFSZ, SIG_IGN);
    handleTelemetryOption(argc, argv);

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/appicon"))));

    QTranslator translator;
    (void)translator.load(catalogueFor(QLocale::system().name()));
    QCoreApplication::installTranslator(&translator);

    int result;
    {
        TolDialog window;
        window.show();
        result = app.exec();
    }
    return result;
}
