#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// Other desktop applications keep print settings of their own that would
// override the user's new CUPS defaults. After the defaults are written this
// searches the home directory and brings those files into line: gedit's page
// setup is rewritten for the chosen paper, the saved print settings of gedit,
// evince and eog are deleted, and LibreOffice's "Collate" is switched off.
//
// Use it for one run: construct, findFiles(), apply(pageSize), destroy.
class AppPrintSettingsUpdater
{
public:
    // Ends the process with exit status 1 when there is no home directory.
    AppPrintSettingsUpdater();

    // HOME, or the password database's home directory of the real user when
    // HOME is unset or empty. Ends the process with exit status 1 when
    // neither gives one.
    static QString homeDirectory();

    // Lists the whole home directory with `find` and records every path
    // that matchedName() recognises. Nothing is cached between runs.
    void findFiles();

    // The recorded paths, each with the known name it matched.
    QMap<QString, QString> foundFiles() const { return found; }

    // Edits or deletes every recorded file for the given "PageSize" choice.
    void apply(const QString &pageSize);

    // The first known name that occurs in path, or an empty text. A path
    // that contains ".tmp" matches nothing. The name has to end within the
    // path's last component: a copy with a suffix matches, but the contents
    // of a directory that merely bears a known name are never touched.
    QString matchedName(const QString &path) const;

    // Deletes path with `rm -f`. The outcome is not examined.
    void removeFile(const QString &path);

    // Replaces "true" by "false" in every line holding name="Collate"; every
    // other byte of the file stays as it was. The file is replaced
    // atomically and only when a line changed. False when it could not be
    // read or replaced (it is then untouched).
    bool setCollateOff(const QString &path);

    // Replaces path with the page setup of the pageSize row. A paper size
    // without a row leaves the file as it is (result false).
    bool writePageSetup(const QString &path, const QString &pageSize);

    // Replaces path with text atomically: on any failure the old content
    // stays and the result is false.
    bool writeTextFile(const QString &path, const QByteArray &text);

    // "PageSize" choice keyword -> gedit's page-setup text for that paper.
    using PageSetupTable = QHash<QString, QByteArray>;

private:
    static PageSetupTable buildPageSetupTable();

    PageSetupTable pageSetups;
    QString home;
    QStringList knownNames;
    QMap<QString, QString> found;
};
