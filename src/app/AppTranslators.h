#pragma once

#include <QString>
#include <QTranslator>

// The program's catalogue and Qt's own for one interface language, so that
// standard buttons and dialogs speak the same language as the pages.
// Installed into the application while the object lives.
class AppTranslators
{
public:
    AppTranslators() = default;
    ~AppTranslators();

    // The language part of a locale name ("de" of "de_DE.UTF-8") when the
    // program ships it; "en" for anything else.
    static QString languageOf(const QString &localeName);
    // The resource path of the program's catalogue for that language.
    static QString catalogueOf(const QString &language);

    // Loads and installs both catalogues for the language of `localeName`,
    // replacing those installed before. A catalogue that cannot be loaded
    // leaves its texts in English.
    void install(const QString &localeName);
    void remove();

private:
    Q_DISABLE_COPY(AppTranslators)
    QTranslator own;
    QTranslator qt;
    bool installed = false;
};
