#pragma once

#include <QString>
#include <QStringList>

// Named profiles: ".cfg" files of the per-user directory that carry a
// "[Profile]" line (the printers' own files among them, since they share the
// folder). The file name is the profile name with ".cfg".

// A new profile is refused once this many files hold "[Profile]".
constexpr int maximumProfileCount = 25;

// per-user directory + name + ".cfg".
QString profilePath(const QString &name);

// The names of the profiles, sorted by name without regard to case, each
// with its one trailing ".cfg" removed.
QStringList listProfileNames();

// Non-hidden files of the per-user directory whose text holds "[Profile]".
int countProfiles();

// The base names (up to the first ".") of the entries of the CUPS PPD
// folder: the installed queues.
QStringList installedQueueNames();

// "Factory Default" or one of its translations, ignoring case and extra
// blanks.
bool isReservedName(const QString &name);

// The rules a profile's name and description must keep: a non-empty name
// that is no reserved name, no installed queue's name (ignoring case), does
// not begin with ".", holds no "/", double quote, backquote or ";", and is
// at most 251 bytes in UTF-8; a description of at most 1024 characters.
bool isAcceptableProfile(const QString &name, const QString &description,
                         const QStringList &queueNames);

// Line breaks stored as the two characters backslash and "n", and back.
QString escapeDescription(const QString &description);
QString unescapeDescription(const QString &stored);

// The stored (escaped) text of the profile's "ProfileDescription" line;
// empty when the file has none or cannot be read.
QString storedDescription(const QString &name);

// Removes the profile's file. False when it is still there.
bool removeProfile(const QString &name);

enum class ProfileRewrite {
    Done,
    // Another file already has the new name; nothing was changed.
    TargetExists,
    // The profile could not be read or written; nothing was changed.
    Failed,
};

// Gives the profile oldName the name newName and the (escaped) description:
// every other line is copied byte for byte. The new file is complete before
// the old one is removed. An existing file of the new name is replaced only
// with replaceExisting.
ProfileRewrite rewriteProfile(const QString &oldName, const QString &newName,
                              const QString &description, bool replaceExisting);
