#pragma once

#include "system/CfgLines.h"

#include <QString>
#include <QStringList>

// The per-user folder and every file in it: trusted reads and writes, the
// pass at start and setting files aside. The ".cfg" line format and its
// lookups (CfgLines.h) come with this header, so that it stays the one
// gateway to the per-user files.

// Tells whether the file at a path is still the one that was read: the same
// file, unchanged, and nothing written or set aside through here since.
struct PerUserFileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modified[2] = {0, 0};
    qint64 changed[2] = {0, 0};
    quint64 changesThroughHere = 0;

    bool operator==(const PerUserFileStamp &other) const;
};

// AppState::perUserDirectory when set, else SystemPaths::perUserDirectory().
// Always ends in "/".
QString perUserDirectoryPath();

// Creates every missing level of the per-user directory with mode 0775
// (less the umask), the last one with PerUserFolder::creationMode(). True
// when the directory exists afterwards.
bool makePerUserDirectory();

// True when anything (a file, a directory, a link, ...) exists at
// per-user directory + printerName + ".cfg".
bool cfgFileExists(const QString &printerName);

// The whole content of a per-user file; false when it cannot be read. Every
// reader of the per-user folder goes through here. Only a regular file of at
// most 1 MiB in a trusted folder (PerUserFolder), owned by the user and
// writable by no other account, is read, never through a link; anything
// else counts as nothing saved. A file that is read is made 0600.
// With stamp set, it gets what tells this file from a later one at the path.
bool readPerUserFile(const QString &path, QByteArray *data, PerUserFileStamp *stamp = nullptr);

// The stamp of the file at path now, from one lstat, nothing opened; false
// for what readPerUserFile would refuse by its kind, size or owner.
bool perUserFileStamp(const QString &path, PerUserFileStamp *stamp);

// Replaces the file at path with content; false (the old file untouched)
// when it cannot be written. Every writer of the per-user folder goes
// through here, so that a rule about writing is made once: only in a trusted
// folder (PerUserFolder), through a new temporary file beside it that is
// synced and renamed over the path, so that a link at the path is replaced
// and never followed, and a read-only file can be replaced. The new file is
// readable and writable by the user alone (0600). The folder is not created
// here.
bool writePerUserFile(const QString &path, const QByteArray &content);

// At program start, one pass over the per-user folder. Every regular file
// of the user's that no other account can write is made 0600, the user's
// alone, since secrets are kept in them. One that another account could
// write (an earlier version left it so) may hold what that account put
// there: it is not read, nor made to look trusted; with setAside it is
// copied (at most 1 MiB) to a new 0600 file under a name the program never
// reads, so that nothing is lost, and this name of it removed. So a
// descriptor that account holds writes on into the old file, never into the
// copy, and a link elsewhere is never changed. The old and new names of
// those set aside are appended to names and newNames; a new name is empty
// for one that could not be set aside, which is then left as it was.
// False when the folder is not trusted.
bool securePerUserFiles(bool setAside, QStringList *names, QStringList *newNames);

// Moves whatever is at path (a file, a link, another account's file) to a
// free set-aside name beside it, made 0600 when it is the user's file; one
// of the user's that another account could write is copied there, as in
// securePerUserFiles. The new name, or empty when it could not be set aside.
QString setAsidePerUserFile(const QString &path);

// True for the names files are set aside under: name + ".set-aside",
// optionally followed by "-" and a number.
bool isSetAsideName(const QString &name);

// True when a file of path's name was set aside beside it.
bool hasSetAsideCopy(const QString &path);
