#include "system/FoundFile.h"

#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd(fd)
    {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd; }
    // Closes now, reporting what close() says (a late write error shows here).
    bool close()
    {
        const int closing = fd;
        fd = -1;
        return ::close(closing) == 0;
    }

private:
    int fd;
};

bool writeAll(int fd, const QByteArray &data)
{
    const char *at = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

// What the user could change in place: the owner's write bit decides for the
// owner, whatever the folder allows.
bool isEditable(const struct stat &status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
           && (status.st_mode & S_IWUSR) != 0 && status.st_size <= FoundFile::maxSize;
}

} // namespace

FoundFile FoundFile::inspect(const QByteArray &path)
{
    FoundFile file;
    file.filePath = path;
    struct stat status;
    if (::lstat(path.constData(), &status) == 0 && isEditable(status)
        && path.lastIndexOf('/') >= 0) {
        file.device = status.st_dev;
        file.inode = status.st_ino;
        file.valid = true;
    }
    return file;
}

QByteArray FoundFile::fileName() const
{
    return filePath.mid(filePath.lastIndexOf('/') + 1);
}

// The folder that holds the name. A folder that has become a link since the
// search is not entered.
int FoundFile::openFolder() const
{
    if (!valid)
        return -1;
    const int slash = filePath.lastIndexOf('/');
    const QByteArray folder = slash == 0 ? QByteArray("/") : filePath.left(slash);
    return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Also false once the file has been locked, handed to another account or
// grown past the limit since the search.
bool FoundFile::isSame(const struct stat &status) const
{
    return isEditable(status) && status.st_dev == device && status.st_ino == inode;
}

bool FoundFile::isUnchangedIn(int folder, mode_t *mode) const
{
    struct stat status;
    if (::fstatat(folder, fileName().constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (mode)
        *mode = status.st_mode;
    return isSame(status);
}

bool FoundFile::read(QByteArray *content) const
{
    Descriptor folder(openFolder());
    if (folder.get() < 0)
        return false;
    // Non-blocking, so that a pipe put in the file's place cannot hang the
    // open; the identity check below refuses it.
    Descriptor file(::openat(folder.get(), fileName().constData(),
                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !isSame(status))
        return false;

    // The size can grow while the file is read: what is taken stays bounded.
    QByteArray data;
    data.reserve(int(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (data.size() + got > maxSize)
            return false;
        data.append(buffer, int(got));
    }
    *content = data;
    return true;
}

bool FoundFile::replace(const QByteArray &text) const
{
    Descriptor folder(openFolder());
    mode_t mode = 0;
    if (folder.get() < 0 || !isUnchangedIn(folder.get(), &mode))
        return false;

    // Hidden and marked ".tmp", so that no later search takes a left-over
    // for the application's own file.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = '.' + fileName() + ".tmp-"
                    + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::openat(folder.get(), temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    Descriptor written(fd);

    const bool ok =
        writeAll(written.get(), text) && ::fchmod(written.get(), mode & 07777) == 0
        && ::fsync(written.get()) == 0 && written.close() && isUnchangedIn(folder.get())
        && ::renameat(folder.get(), temporary.constData(), folder.get(), fileName().constData())
               == 0;
    if (!ok)
        ::unlinkat(folder.get(), temporary.constData(), 0);
    return ok;
}

bool FoundFile::remove() const
{
    Descriptor folder(openFolder());
    return folder.get() >= 0 && isUnchangedIn(folder.get())
           && ::unlinkat(folder.get(), fileName().constData(), 0) == 0;
}
