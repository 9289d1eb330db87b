#include "system/SystemPaths.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {

QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString &userBaseRef()
{
    static QString path = QStringLiteral("/usr/share/tolvane/");
    return path;
}

QString &cupsPpdRef()
{
    static QString path = QStringLiteral("/etc/cups/ppd/");
    return path;
}

QString &cupsServerOptionsRef()
{
    static QString path;
    return path;
}

// As libcups finds it: a program running with another user's or group's
// rights keeps the built-in root, whatever the environment says.
QString cupsServerRoot()
{
    const bool setId = (geteuid() != getuid() && getuid() != 0) || getegid() != getgid();
    if (setId || !qEnvironmentVariableIsSet("CUPS_SERVERROOT"))
        return QStringLiteral("/etc/cups");
    return QFile::decodeName(qgetenv("CUPS_SERVERROOT"));
}

QString &makerPpdRef()
{
    static QString path = QStringLiteral("/usr/share/tolvane/ppd9.1/");
    return path;
}

} // namespace

namespace SystemPaths {

QString userBase()
{
    return userBaseRef();
}
void setUserBase(const QString &path)
{
    userBaseRef() = withSlash(path);
}

QString cupsPpdDirectory()
{
    return cupsPpdRef();
}
void setCupsPpdDirectory(const QString &path)
{
    cupsPpdRef() = withSlash(path);
}

QString cupsServerOptionsFile()
{
    if (!cupsServerOptionsRef().isEmpty())
        return cupsServerOptionsRef();
    return cupsServerRoot() + QStringLiteral("/lpoptions");
}
void setCupsServerOptionsFile(const QString &path)
{
    cupsServerOptionsRef() = path;
}

QString userCupsOptionsFile()
{
    return QDir::homePath() + QStringLiteral("/.cups/lpoptions");
}

QString makerPpdDirectory()
{
    return makerPpdRef();
}
void setMakerPpdDirectory(const QString &path)
{
    makerPpdRef() = withSlash(path);
}

QString userName()
{
    const QString user = QString::fromLocal8Bit(qgetenv("USER"));
    if (!user.isEmpty())
        return user;
    if (const passwd *pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString();
}

QString perUserDirectory()
{
    return userBase() + userName() + QLatin1Char('/');
}

QString settingsFilePath()
{
    return perUserDirectory() + QStringLiteral("Settings");
}

} // namespace SystemPaths
