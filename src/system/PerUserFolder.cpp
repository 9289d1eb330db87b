#include "system/PerUserFolder.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Without its trailing "/": with one, lstat and O_NOFOLLOW would follow a
// link in the folder's place.
QByteArray folderBytes(const QString &folder)
{
    QByteArray path = QFile::encodeName(folder);
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

PerUserFolder::State stateOf(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return PerUserFolder::Link;
    if (!S_ISDIR(info.st_mode))
        return PerUserFolder::NotAFolder;
    if (info.st_uid != geteuid())
        return PerUserFolder::OtherOwner;
    if (info.st_mode & S_IWOTH)
        return PerUserFolder::WritableByOthers;
    return PerUserFolder::Trusted;
}

} // namespace

PerUserFolder::State PerUserFolder::inspect(const QString &folder)
{
    const QByteArray path = folderBytes(folder);
    struct stat info {};
    if (path.isEmpty())
        return Unexaminable;
    if (lstat(path.constData(), &info) != 0)
        return errno == ENOENT ? Missing : Unexaminable;
    return stateOf(info);
}

PerUserFolder::State PerUserFolder::create(const QString &folder)
{
    if (inspect(folder) == Missing)
        mkdir(folderBytes(folder).constData(), 0775);
    return inspect(folder);
}

QString PerUserFolder::problemText(State state, const QString &folder)
{
    QString problem;
    switch (state) {
    case Trusted:
    case Missing:
        return QString();
    case Link:
        problem = tr("The settings folder %1 is a link to another place.");
        break;
    case NotAFolder:
        problem = tr("The settings folder %1 is not a folder.");
        break;
    case OtherOwner:
        problem = tr("The settings folder %1 belongs to another account.");
        break;
    case WritableByOthers:
        problem = tr("The settings folder %1 can be changed by other accounts.");
        break;
    case Unexaminable:
        problem = tr("The settings folder %1 cannot be examined.");
        break;
    }
    return problem.arg(QFile::decodeName(folderBytes(folder))) + QLatin1Char('\n')
        + tr("Nothing was read or written there. Have it removed or put right, then start "
             "the program again.");
}

int PerUserFolder::openTrusted(const QString &folder)
{
    const QByteArray path = folderBytes(folder);
    if (path.isEmpty())
        return -1;
    const int fd = open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || stateOf(info) != Trusted) {
        close(fd);
        return -1;
    }
    return fd;
}
