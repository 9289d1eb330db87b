#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <sys/types.h>

struct stat;

// The per-user folder lies in a folder that every account may write to, so
// another account could create it first, or put a link in its place. It is
// trusted only when it is a real folder (not a link), owned by the effective
// user and writable by no other account: not by others, and by its group
// only when that is the user's private group (desktop sessions often run
// with umask 002 and a group of one). Every read and write of the folder
// checks it here first; the files in it are held to the same rule.
class PerUserFolder
{
    Q_DECLARE_TR_FUNCTIONS(PerUserFolder)

public:
    enum State {
        Trusted,
        Missing,
        Link,
        NotAFolder,
        OtherOwner,
        WritableByOthers,
        Unexaminable,
    };

    // What lstat finds at folder (a trailing "/" is ignored).
    static State inspect(const QString &folder);

    // Nothing there that another account could have planted: the folder is
    // the user's own, or not there yet (a writer then creates it).
    static bool isUsable(State state) { return state == Trusted || state == Missing; }

    // Creates the folder, one level, with mode creationMode() less the
    // umask, when nothing is there; returns what is there afterwards.
    static State create(const QString &folder);

    // The mode a new per-user folder is made with, so that it is never one
    // the rule above refuses: 0775 when it would belong to the user's
    // private group, else 0755.
    static mode_t creationMode(const QString &folder);

    // As inspect(), after the user's own folder that other accounts could
    // write to has lost its group and other write bits; `tightened` tells
    // whether it had to.
    static State secure(const QString &folder, bool *tightened);

    // For the user: the folder was put right by secure().
    static QString tightenedText(const QString &folder);

    // For the user: the files of the folder that were set aside, by their
    // old names and the names they have now (an empty one: not set aside).
    // Those not set aside are named under a sentence of their own: other
    // accounts can still change them. So that the box fits any screen, the
    // text names only the first few, each shortened where long; `details`
    // gets every one whole, a line each, when the text could not (else it
    // is emptied).
    static QString setAsideText(const QString &folder, const QStringList &names,
                                const QStringList &newNames, QString *details);

    // A file name as plain text on one line: control characters, line
    // breaks, tabs and direction marks are shown as escapes ("\n",
    // "\u202E", a backslash as two), so that a name can neither add lines
    // to a text nor turn it around.
    static QString visibleName(const QString &name);

    // Names the folder and what is wrong with it, for the user.
    static QString problemText(State state, const QString &folder);

    // Owned by the effective user, and no other account can write to it.
    static bool isUsersAlone(const struct stat &info);

    // The folder opened for reading or writing the files in it: -1 unless it
    // is trusted. Checked through the descriptor, so that the folder cannot
    // be swapped between the check and the use. The caller closes it.
    static int openTrusted(const QString &folder);
};
