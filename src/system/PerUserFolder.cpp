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

// The account's name, or USER when the password database does not know the
// account (a directory service that is down, say).
QByteArray accountName(const passwd *own)
{
    return own ? QByteArray(own->pw_name) : qgetenv("USER");
}

// The user's private group: the user's primary group, named as the user,
// with no other listed member, and not another account's own group as far
// as one look-up can tell. Accounts are never enumerated: where they come
// from a directory service that is slow or switched off, and a shared group
// would then pass for a private one.
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

    const passwd *own = getpwuid(user);
    const QByteArray userName = accountName(own);
    const gid_t primary = own ? own->pw_gid : getegid();
    bool alone = gid == primary && !userName.isEmpty();
    QByteArray groupName;
    if (alone) {
        const group *entry = getgrgid(gid);
        alone = entry && userName == entry->gr_name;
        for (char **member = entry ? entry->gr_mem : nullptr; alone && member && *member; ++member)
            alone = userName == *member;
        if (entry)
            groupName = entry->gr_name;
    }
    // The group bears the name of another account: it is that account's.
    if (alone) {
        const passwd *named = getpwnam(groupName.constData());
        alone = !named || named->pw_uid == user;
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
        mkdir(folderBytes(folder).constData(), creationMode(folder));
    return inspect(folder);
}

mode_t PerUserFolder::creationMode(const QString &folder)
{
    // The new folder's group: the parent's when it hands its group down,
    // else the process's.
    QByteArray parent = folderBytes(folder);
    const int slash = parent.lastIndexOf('/');
    parent = slash > 0 ? parent.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    struct stat info
    {};
    const gid_t group =
        stat(parent.constData(), &info) == 0 && (info.st_mode & S_ISGID) ? info.st_gid : getegid();
    return isPrivateGroup(group) ? 0775 : 0755;
}

PerUserFolder::State PerUserFolder::secure(const QString &folder, bool *tightened)
{
    *tightened = false;
    const int fd =
        open(folderBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return inspect(folder);
    struct stat info
    {};
    State state = fstat(fd, &info) == 0 ? stateOf(info) : Unexaminable;
    // The user's own folder: only the bits are wrong, and the user may put
    // them right. The files in it are still checked one by one.
    if (state == WritableByOthers
        && fchmod(fd, info.st_mode & 07777 & ~mode_t(S_IWGRP | S_IWOTH)) == 0) {
        *tightened = true;
        state = fstat(fd, &info) == 0 ? stateOf(info) : Unexaminable;
    }
    close(fd);
    return state;
}

QString PerUserFolder::tightenedText(const QString &folder)
{
    return tr("The settings folder %1 could be changed by other accounts. Now only you can "
              "change it.")
        .arg(QFile::decodeName(folderBytes(folder)));
}

QString PerUserFolder::setAsideText(const QString &folder, const QStringList &names,
                                    const QStringList &newNames, QString *details)
{
    // Enough to see what happened; the rest would push OK off the screen.
    const int shownNames = 10;
    const int shownLength = 60;
    const QString arrow = QStringLiteral(" \u2192 ");
    auto shortened = [&](const QString &name) {
        if (name.size() <= shownLength)
            return name;
        int head = shownLength * 2 / 3;
        int tail = shownLength - head - 1;
        if (name.at(head - 1).isHighSurrogate())
            --head;
        if (name.at(name.size() - tail).isLowSurrogate())
            --tail;
        return name.left(head) + QChar(0x2026) + name.right(tail);
    };

    // Those set aside and those still open to other accounts are told
    // apart: each group under a sentence that is true of it.
    QStringList asideNames;
    QStringList asideNewNames;
    QStringList leftNames;
    details->clear();
    for (int i = 0; i < names.size() && i < newNames.size(); ++i) {
        const QString name = visibleName(names.at(i));
        const QString newName = visibleName(newNames.at(i));
        if (newName.isEmpty()) {
            leftNames << name;
            *details += tr("%1 (not set aside)").arg(name) + QLatin1Char('\n');
        } else {
            asideNames << name;
            asideNewNames << newName;
            *details += name + arrow + newName + QLatin1Char('\n');
        }
    }
    const int perGroup = asideNames.isEmpty() || leftNames.isEmpty() ? shownNames : shownNames / 2;
    bool cut = false;
    auto listed = [&](QString text, const QStringList &oldNames, const QStringList &movedTo) {
        for (int i = 0; i < oldNames.size() && i < perGroup; ++i) {
            const QString shownName = shortened(oldNames.at(i));
            cut = cut || shownName.size() < oldNames.at(i).size();
            text += QLatin1Char('\n') + shownName;
            if (i < movedTo.size()) {
                const QString shownNewName = shortened(movedTo.at(i));
                cut = cut || shownNewName.size() < movedTo.at(i).size();
                text += arrow + shownNewName;
            }
        }
        if (oldNames.size() > perGroup) {
            cut = true;
            text += QLatin1Char('\n') + tr("and %n more", nullptr, oldNames.size() - perGroup);
        }
        return text;
    };

    const QString shownFolder = visibleName(QFile::decodeName(folderBytes(folder)));
    QStringList paragraphs;
    if (!asideNames.isEmpty())
        paragraphs << listed(tr("These files in the settings folder %1 could be changed by "
                                "other accounts, so they were not read. They are kept, "
                                "readable by you alone, under new names:")
                                 .arg(shownFolder),
                             asideNames, asideNewNames)
                          + QLatin1Char('\n')
                          + tr("Check such a file before you give it its old name again.");
    if (!leftNames.isEmpty())
        paragraphs << listed(tr("These files in the settings folder %1 could be changed by "
                                "other accounts, so they were not read. They could not be set "
                                "aside, and other accounts may still read and change them:")
                                 .arg(shownFolder),
                             leftNames, QStringList())
                          + QLatin1Char('\n')
                          + tr("Check such a file, then remove it or make it readable by you "
                               "alone.");
    if (!cut)
        details->clear();
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString PerUserFolder::visibleName(const QString &name)
{
    QString shown;
    shown.reserve(name.size());
    const QVector<uint> codes = name.toUcs4();
    for (const uint code : codes) {
        switch (code) {
        case '\\':
            shown += QLatin1String("\\\\");
            continue;
        case '\n':
            shown += QLatin1String("\\n");
            continue;
        case '\r':
            shown += QLatin1String("\\r");
            continue;
        case '\t':
            shown += QLatin1String("\\t");
            continue;
        default:
            break;
        }
        switch (QChar::category(code)) {
        case QChar::Other_Control:
        case QChar::Other_Format: // the direction marks and overrides among them
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            shown += code > 0xFFFF ? QStringLiteral("\\U%1").arg(code, 8, 16, QLatin1Char('0'))
                                   : QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
            break;
        default:
            shown += QString::fromUcs4(&code, 1);
        }
    }
    return shown;
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
