#pragma once

#include "system/FoundFile.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

class RunningCommand;
class QTimer;

// Other desktop applications keep print settings of their own that would
// override the user's new CUPS defaults. After the defaults are written this
// searches the home directory and brings those files into line: gedit's page
// setup is rewritten for the chosen paper, the saved print settings of gedit,
// evince and eog are deleted, and LibreOffice's "Collate" is switched off.
// Only the applications' own files count: regular files in the application's
// own folder whose names begin with the application's file name, where the
// application keeps it below the home folder (also inside a Flatpak's or a
// Snap's settings folder), and only those the user could edit in place.
//
// The window starts one with updateInBackground(). One run by hand:
// construct, findFiles(), apply(pageSize), destroy.
class AppPrintSettingsUpdater : public QObject
{
    Q_OBJECT

public:
    // Ends the process with exit status 1 when there is no home directory.
    explicit AppPrintSettingsUpdater(QObject *parent = nullptr);
    ~AppPrintSettingsUpdater() override;

    // HOME, or the password database's home directory of the real user when
    // HOME is unset or empty, as bytes. Ends the process with exit status 1
    // when neither gives one.
    static QByteArray homeDirectory();

    // A search and the edits for pageSize, run while the event loop goes on.
    // Runs follow one another in the order asked; a run asked while one is
    // under way starts after it (only the last one asked meanwhile, which
    // leaves the files as all of them would). Whatever is under way when the
    // application quits is finished first. The home directory is taken now:
    // without one the process ends at once with exit status 1.
    static void updateInBackground(const QString &pageSize);
    // Finishes every run under way or waiting, waiting for it.
    static void finishPendingUpdates();
    static bool updatesPending();

    // Lists the whole home directory with `find` and records every path
    // that matchedName() recognises and that is a regular file the user
    // could edit (FoundFile). Nothing is cached between runs. Waits for the
    // end.
    void findFiles();
    // The same without waiting: searchDone() tells the end.
    void startSearch();
    // Waits until a search under way has ended.
    void finishSearch();

    // The recorded paths, each with the known name it matched.
    QMap<QByteArray, QString> foundFiles() const;

    // Edits or deletes every recorded file for the given "PageSize" choice.
    void apply(const QString &pageSize);

    // The known name that path is a file of, or an empty text: its folder,
    // read relative to the home folder, must be the application's own
    // (".config/gedit", ".config/evince", ".config/eog" or ".gnome2",
    // ".config/libreoffice/<version>/user", with ".config" also Flatpak's
    // ".var/app/<id>/config" or Snap's "snap/<name>/<revision>/.config")
    // and its name begin with the file name (".config/gedit/
    // gedit-print-settings~" counts). A path whose part below the home
    // folder contains ".tmp" matches nothing.
    QString matchedName(const QByteArray &path) const;

    // Deletes the file. False when it is not the file found any more.
    bool removeFile(const FoundFile &file);

    // Replaces "true" by "false" in every line holding name="Collate"; every
    // other byte of the file stays as it was. The file is replaced
    // atomically and only when a line changed. False when it could not be
    // read or replaced (it is then untouched).
    bool setCollateOff(const FoundFile &file);

    // Replaces the file with the page setup of the pageSize row. A paper size
    // without a row leaves the file as it is (result false).
    bool writePageSetup(const FoundFile &file, const QString &pageSize);

    // Replaces the file with text atomically: on any failure the old content
    // stays and the result is false.
    bool writeTextFile(const FoundFile &file, const QByteArray &text);

    // "PageSize" choice keyword -> gedit's page-setup text for that paper.
    using PageSetupTable = QHash<QString, QByteArray>;

signals:
    void searchDone();

private:
    explicit AppPrintSettingsUpdater(const QByteArray &homeFolder, QObject *parent);
    static PageSetupTable buildPageSetupTable();
    void takeOutput();
    void endSearch();
    void record(const QByteArray &path);

    struct Found
    {
        QString knownName;
        FoundFile file;
    };

    PageSetupTable pageSetups;
    QByteArray home;
    QMap<QByteArray, Found> found;
    RunningCommand *find = nullptr;
    QTimer *silence = nullptr;
    QByteArray pending;
    bool searching = false;

    friend class AppPrintSettingsRuns;
};
