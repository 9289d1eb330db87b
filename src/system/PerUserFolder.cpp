#include "system/PerUserFolder.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
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

// The user's primary group with the user alone in it: no other account
// lists it among its groups or has it as its own primary group.
bool isPrivateGroup(gid_t gid)
{
    const uid_t user = geteuid();
    static struct
    {
        bool known = false;
        uid_t user = 0;
        gid_t gid = 0;
        bool result = false;
    } cache;
    if (cache.known && cache.user == user && cache.gid == gid)
        return cache.result;

    QByteArray userName;
    gid_t primary = getegid();
    if (const passwd *own = getpwuid(user)) {
        userName = own->pw_name;
        primary = own->pw_gid;
    }
    bool alone = gid == primary;
    if (alone) {
        if (const group *entry = getgrgid(gid)) {
            for (char **member = entry->gr_mem; alone && member && *member; ++member)
                alone = userName == *member;
        }
    }
    if (alone) {
        setpwent();
        while (const passwd *account = getpwent()) {
            if (account->pw_gid == gid && account->pw_uid != user) {
                alone = false;
                break;
            }
        }
        endpwent();
    }
    cache = {true, user, gid, alone};
    return alone;
}

bool othersCannotWrite(const struct stat &info)
{
    if (info.st_mode & S_IWOTH)
        return false;
    return !(info.st_mode & S_IWGRP) || isPrivateGroup(info.st_gid);
}

PerUserFolder::State stateOf(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return PerUserFolder::Link;
    if (!S_ISDIR(info.st_mode))
        return PerUserFolder::NotAFolder;
    if (info.st_uid != geteuid())
        return PerUserFolder::OtherOwner;
    if (!othersCannotWrite(info))
        return PerUserFolder::WritableByOthers;
    return PerUserFolder::Trusted;
}

} // namespace

PerUserFolder::State PerUserFolder::inspect(const QString &folder)
{
    const QByteArray path = folderBytes(folder);
    struct stat info
    {};
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

bool PerUserFolder::isUsersAlone(const struct stat &info)
{
    return info.st_uid == geteuid() && othersCannotWrite(info);
}

int PerUserFolder::openTrusted(const QString &folder)
{
    const QByteArray path = folderBytes(folder);
    if (path.isEmpty())
        return -1;
    const int fd = open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info
    {};
    if (fstat(fd, &info) != 0 || stateOf(info) != Trusted) {
        close(fd);
        return -1;
    }
    return fd;
}
