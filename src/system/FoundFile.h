#pragma once

#include <QByteArray>

#include <sys/types.h>

// A regular file that a search of the home folder found, pinned by what
// lstat said of it then. Every operation acts on that very file: never
// through a symbolic link, and not at all once the name leads to something
// else (a link, a folder, another file) than at the search. The path is
// kept as the bytes the file system gave, whatever their encoding.
//
// Only a file the user could edit in place counts: one the user owns and may
// write, no larger than maxSize. A file locked against writing or owned by
// another account is the user's decision to keep, and one larger than any
// settings file is not one.
class FoundFile
{
public:
    FoundFile() = default;

    static constexpr qint64 maxSize = 16 * 1024 * 1024;

    // Looks path up without following a link at its end. Valid only when it
    // is a regular file that the user could edit.
    static FoundFile inspect(const QByteArray &path);

    bool isValid() const { return valid; }
    QByteArray path() const { return filePath; }

    // The whole content. False when the file is not the one found any more,
    // cannot be read or has grown past maxSize.
    bool read(QByteArray *content) const;

    // Puts text in the file's place: written to a new file in the same
    // folder, which is then renamed over the name, so a reader never sees
    // half a file and a link put there meanwhile is replaced, not followed.
    // The permission bits stay. On failure nothing changed.
    bool replace(const QByteArray &text) const;

    // Removes the name, only while it still leads to the file found.
    bool remove() const;

private:
    int openFolder() const;
    bool isUnchangedIn(int folder, mode_t *mode = nullptr) const;
    bool isSame(const struct stat &status) const;
    QByteArray fileName() const;

    QByteArray filePath;
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;
};
