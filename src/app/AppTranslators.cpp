#include "app/AppTranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

struct Catalogue
{
    const char *language;
    const char *resource;
};

const Catalogue catalogues[] = {
    {"en", ":/strings/english"}, {"fr", ":/strings/french"},     {"de", ":/strings/german"},
    {"it", ":/strings/italian"}, {"pt", ":/strings/portuguese"}, {"es", ":/strings/spanish"},
};

} // namespace

AppTranslators::~AppTranslators()
{
    remove();
}

QString AppTranslators::languageOf(const QString &localeName)
{
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const Catalogue &c : catalogues) {
        if (language == QLatin1String(c.language))
            return language;
    }
    return QStringLiteral("en");
}

QString AppTranslators::catalogueOf(const QString &language)
{
    for (const Catalogue &c : catalogues) {
        if (language == QLatin1String(c.language))
            return QString::fromLatin1(c.resource);
    }
    return QStringLiteral(":/strings/english");
}

void AppTranslators::install(const QString &localeName)
{
    remove();
    const QString language = languageOf(localeName);
    (void)own.load(catalogueOf(language));
    // By locale, so that "pt" finds the catalogue Qt ships as "pt_BR".
    (void)qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&own);
    installed = true;
}

void AppTranslators::remove()
{
    if (!installed)
        return;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    installed = false;
}
