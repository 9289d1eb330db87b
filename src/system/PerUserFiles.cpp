#include "system/PerUserFiles.h"

#include "system/AppState.h"
#include "system/PerUserFolder.h"
#include "system/SystemPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No real settings file comes near this; a bigger one is taken as unreadable
// rather than read into memory.
constexpr qint64 maximumFileSize = 1 << 20;

// "." and random letters, as mkstemp makes them.
constexpr int temporaryNameLength = 13;

// Counts the writes and set-asides made through here: a file read before one
// of them is read again, whatever its own stamp says.
std::atomic<quint64> changesThroughHere {0};

void countChange()
{
    ++changesThroughHere;
}

PerUserFileStamp stampOf(const struct stat &info, quint64 changes)
{
    PerUserFileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modified[0] = info.st_mtim.tv_sec;
    stamp.modified[1] = info.st_mtim.tv_nsec;
    stamp.changed[0] = info.st_ctim.tv_sec;
    stamp.changed[1] = info.st_ctim.tv_nsec;
    stamp.changesThroughHere = changes;
    return stamp;
}

// The folder and the file name of a per-user file's path; false when the
// path names no file.
bool splitPath(const QString &path, QString *folder, QByteArray *name)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    *folder = slash < 0 ? QStringLiteral(".") : path.left(slash + 1);
    *name = QFile::encodeName(path.mid(slash + 1));
    return !name->isEmpty() && *name != "." && *name != "..";
}

// The trusted folder of a per-user file's path, open, and the file's name
// in it; fd is negative when the path names no file or the folder is not
// trusted.
class FolderOfFile
{
public:
    explicit FolderOfFile(const QString &path)
    {
        QString folderPath;
        if (!path.isEmpty() && splitPath(path, &folderPath, &name))
            fd = PerUserFolder::openTrusted(folderPath);
    }
    ~FolderOfFile()
    {
        if (fd >= 0)
            close(fd);
    }
    FolderOfFile(const FolderOfFile &) = delete;
    FolderOfFile &operator=(const FolderOfFile &) = delete;
    int fd = -1;
    QByteArray name;
};

// Only a regular file of at most maximumFileSize bytes in a trusted folder,
// the user's own and writable by no other account, is read. It is opened
// without following a link and without blocking (a FIFO would wait for a
// writer for ever), then checked through its descriptor.
bool readRegularFile(const QString &path, QByteArray *data, PerUserFileStamp *stamp)
{
    // Taken first: a change made while the file is read makes the stamp stale.
    const quint64 changes = changesThroughHere;
    const FolderOfFile folder(path);
    if (folder.fd < 0)
        return false;
    const int fd = openat(folder.fd, folder.name.constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info
    {};
    // A file that another account could have written is no saved choice of
    // the user's; the next write replaces it.
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maximumFileSize
              && PerUserFolder::isUsersAlone(info);
    // Secrets are kept in these files: one left readable by others (by an
    // earlier version, say) is the user's alone from now on. One with other
    // links is not changed in place: that would change it elsewhere too.
    if (ok && (info.st_mode & 07777) != 0600 && info.st_nlink == 1 && fchmod(fd, 0600) == 0)
        ok = fstat(fd, &info) == 0;
    QByteArray bytes;
    if (ok) {
        bytes.resize(int(info.st_size) + 1);
        qint64 total = 0;
        for (;;) {
            const ssize_t got = read(fd, bytes.data() + total, size_t(bytes.size() - total));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            total += got;
            // Grew while being read: past the limit, or read on.
            if (total == bytes.size()) {
                if (total > maximumFileSize) {
                    ok = false;
                    break;
                }
                bytes.resize(int(maximumFileSize) + 1);
            }
        }
        bytes.resize(int(total));
    }
    close(fd);
    if (!ok)
        return false;
    *data = bytes;
    if (stamp)
        *stamp = stampOf(info, changes);
    return true;
}

bool writeAll(int fd, const QByteArray &content)
{
    qint64 done = 0;
    while (done < content.size()) {
        const ssize_t written =
            write(fd, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

const char setAsideSuffix[] = ".set-aside";

// The content of the user's regular file `name`, the one `info` describes,
// read without following a link or blocking; false when it is gone, another
// file now, or too big to be a settings file.
bool readEntry(int folderFd, const QByteArray &name, const struct stat &info, QByteArray *data)
{
    if (info.st_size > maximumFileSize)
        return false;
    const int fd = openat(folderFd, name.constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat now
    {};
    bool ok = fstat(fd, &now) == 0 && S_ISREG(now.st_mode) && now.st_dev == info.st_dev
              && now.st_ino == info.st_ino && now.st_size <= maximumFileSize;
    QByteArray bytes(ok ? int(now.st_size) + 1 : 0, Qt::Uninitialized);
    qint64 total = 0;
    while (ok) {
        const ssize_t got = read(fd, bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        ok = got >= 0 && total + got < bytes.size();
        if (got <= 0)
            break;
        total += got;
    }
    close(fd);
    if (ok)
        *data = bytes.left(int(total));
    return ok;
}

// Creates the entry `name` anew, the user's alone, never through a link,
// with the content; 0, or the errno of what failed (EEXIST: name taken).
int createEntry(int folderFd, const QByteArray &name, const QByteArray &content)
{
    const int fd = openat(folderFd, name.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    bool ok = fchmod(fd, 0600) == 0 && writeAll(fd, content);
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok)
        return 0;
    unlinkat(folderFd, name.constData(), 0);
    return EIO;
}

// The set-aside name of `name` for the given attempt, cut so that it fits
// NAME_MAX: the suffix is kept, since it is what keeps the file from being
// read, and the cut never splits a UTF-8 character.
QByteArray setAsideName(const QByteArray &name, int attempt)
{
    QByteArray suffix = setAsideSuffix;
    if (attempt > 1)
        suffix += '-' + QByteArray::number(attempt);
    int keep = qMin(name.size(), NAME_MAX - suffix.size());
    while (keep > 0 && keep < name.size() && (uchar(name.at(keep)) & 0xC0) == 0x80)
        --keep;
    return name.left(keep) + suffix;
}

// Moves the entry `name` of the folder to a set-aside name that is free,
// never replacing anything. A file of the user's that another account could
// write, or that has other links elsewhere, is not moved but copied to a new
// file, the user's alone, and only this name of it goes: a descriptor that
// account opened before writes on into the old file, never into the copy,
// and a link elsewhere is not changed. Anything else (a link, another
// account's file, the user's own) is renamed, and made the user's alone
// when it is the user's file. The new name, or empty when it could not be
// set aside (a copy beyond the size bound, say): then nothing is changed.
QByteArray setAsideIn(int folderFd, const QByteArray &name)
{
    struct stat info
    {};
    if (fstatat(folderFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return QByteArray();
    const bool usersFile = S_ISREG(info.st_mode) && info.st_uid == geteuid();
    QByteArray content;
    const bool copy = usersFile && (info.st_nlink > 1 || !PerUserFolder::isUsersAlone(info));
    if (copy && !readEntry(folderFd, name, info, &content))
        return QByteArray();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QByteArray newName = setAsideName(name, attempt);
        if (copy) {
            const int error = createEntry(folderFd, newName, content);
            if (error == 0) {
                if (unlinkat(folderFd, name.constData(), 0) == 0)
                    return newName;
                unlinkat(folderFd, newName.constData(), 0);
                break;
            }
            if (error != EEXIST)
                break;
            continue;
        }
        if (renameat2(folderFd, name.constData(), folderFd, newName.constData(), RENAME_NOREPLACE)
            == 0) {
            // Renamed first: a crash in between leaves nothing that is read.
            if (fstatat(folderFd, newName.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_nlink == 1)
                fchmodat(folderFd, newName.constData(), 0600, 0);
            return newName;
        }
        if (errno != EEXIST)
            break;
    }
    return QByteArray();
}

// Makes the user's file `name`, the one `info` describes, the user's alone.
// With other links elsewhere it is not changed: a copy of it takes its
// name here.
void tightenIn(int folderFd, const QByteArray &name, const struct stat &info)
{
    if (info.st_nlink == 1) {
        fchmodat(folderFd, name.constData(), 0600, 0);
        return;
    }
    QByteArray content;
    if (readEntry(folderFd, name, info, &content))
        writePerUserFile(perUserDirectoryPath() + QFile::decodeName(name), content);
}

} // namespace

bool isSetAsideName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.set-aside(-[0-9]+)?$"));
    return pattern.match(name).hasMatch();
}

bool securePerUserFiles(bool setAside, QStringList *names, QStringList *newNames)
{
    const int folderFd = PerUserFolder::openTrusted(perUserDirectoryPath());
    if (folderFd < 0)
        return false;
    const int listFd = dup(folderFd);
    DIR *entries = listFd < 0 ? nullptr : fdopendir(listFd);
    if (!entries) {
        if (listFd >= 0)
            close(listFd);
        close(folderFd);
        return false;
    }
    QList<QByteArray> suspect;
    while (const dirent *entry = readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat info
        {};
        // Only the user's own files: anything else is refused when met, and
        // no file is opened here. The folder is trusted, so nobody else can
        // swap an entry between these calls.
        if (name == "." || name == ".."
            || fstatat(folderFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(info.st_mode) || info.st_uid != geteuid())
            continue;
        // Another account may have changed what it holds: it is not read,
        // and not made to look trusted by the tightening below.
        if (!PerUserFolder::isUsersAlone(info) && !isSetAsideName(QFile::decodeName(name))) {
            suspect << name;
            continue;
        }
        if ((info.st_mode & 07777) != 0600)
            tightenIn(folderFd, name, info);
    }
    closedir(entries);
    std::sort(suspect.begin(), suspect.end());
    if (!setAside)
        suspect.clear();
    for (const QByteArray &name : qAsConst(suspect)) {
        countChange();
        // One still here is left as it is: made the user's alone, it would
        // pass for trusted and be read, though another account wrote it.
        // The user is told either way.
        const QByteArray newName = setAsideIn(folderFd, name);
        *names << QFile::decodeName(name);
        *newNames << QFile::decodeName(newName);
    }
    close(folderFd);
    return true;
}

QString setAsidePerUserFile(const QString &path)
{
    const FolderOfFile folder(path);
    if (folder.fd < 0)
        return QString();
    countChange();
    return QFile::decodeName(setAsideIn(folder.fd, folder.name));
}

bool hasSetAsideCopy(const QString &path)
{
    QString folderPath;
    QByteArray name;
    if (!splitPath(path, &folderPath, &name))
        return false;
    const QString prefix = QFile::decodeName(name);
    const QStringList entries =
        QDir(folderPath)
            .entryList(QStringList(prefix + QLatin1String(setAsideSuffix) + '*'),
                       QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (isSetAsideName(entry)
            && entry.left(entry.lastIndexOf(QLatin1String(setAsideSuffix))) == prefix)
            return true;
    }
    return false;
}

QString perUserDirectoryPath()
{
    if (!AppState::perUserDirectory.isEmpty())
        return AppState::perUserDirectory;
    return SystemPaths::perUserDirectory();
}

bool makePerUserDirectory()
{
    QByteArray path = QFile::encodeName(perUserDirectoryPath());
    if (path.endsWith('/'))
        path.chop(1);
    if (path.isEmpty())
        return false;
    // Parents first; the empty prefix before a leading "/" is skipped.
    for (int slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1)) {
        const QByteArray prefix = path.left(slash);
        if (access(prefix.constData(), F_OK) != 0)
            mkdir(prefix.constData(), 0775);
    }
    if (access(path.constData(), F_OK) != 0)
        mkdir(path.constData(), PerUserFolder::creationMode(QFile::decodeName(path)));
    return QFileInfo(QFile::decodeName(path)).isDir();
}

bool readPerUserFile(const QString &path, QByteArray *data, PerUserFileStamp *stamp)
{
    return readRegularFile(path, data, stamp);
}

bool perUserFileStamp(const QString &path, PerUserFileStamp *stamp)
{
    struct stat info
    {};
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &info) != 0
        || !S_ISREG(info.st_mode) || info.st_size > maximumFileSize
        || !PerUserFolder::isUsersAlone(info))
        return false;
    *stamp = stampOf(info, changesThroughHere);
    return true;
}

bool PerUserFileStamp::operator==(const PerUserFileStamp &other) const
{
    return device == other.device && inode == other.inode && size == other.size
           && modified[0] == other.modified[0] && modified[1] == other.modified[1]
           && changed[0] == other.changed[0] && changed[1] == other.changed[1]
           && changesThroughHere == other.changesThroughHere;
}

bool writePerUserFile(const QString &path, const QByteArray &content)
{
    const FolderOfFile folder(path);
    if (folder.fd < 0)
        return false;
    countChange();

    // A hidden temporary name of fixed length beside the file, so that any
    // name that fits the folder can be written and the profile list and
    // count never see it. Created anew, never through a link; the rename
    // then replaces whatever is at the path (a link too) and never follows
    // it. Secrets are stored in these files: only the user may read them,
    // whatever the umask and whatever the mode of the file replaced.
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray temporary(temporaryNameLength, '.');
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        for (int i = 1; i < temporary.size(); ++i)
            temporary[i] = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        fd = openat(folder.fd, temporary.constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    if (fchmod(fd, 0600) != 0) {
        close(fd);
        unlinkat(folder.fd, temporary.constData(), 0);
        return false;
    }
    bool ok = writeAll(fd, content);
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && renameat(folder.fd, temporary.constData(), folder.fd, folder.name.constData()) == 0;
    if (!ok) {
        unlinkat(folder.fd, temporary.constData(), 0);
        return false;
    }
    fsync(folder.fd);
    return true;
}

bool cfgFileExists(const QString &printerName)
{
    struct stat info
    {};
    const QString path = perUserDirectoryPath() + printerName + QStringLiteral(".cfg");
    return lstat(QFile::encodeName(path).constData(), &info) == 0;
}
