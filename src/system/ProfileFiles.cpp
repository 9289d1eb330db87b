#include "system/ProfileFiles.h"

#include "system/PerUserFiles.h"
#include "system/SystemPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

const char profileMarker[] = "[Profile]";
const char descriptionKey[] = "ProfileDescription";
const char cfgSuffix[] = ".cfg";

// The first row of the profile list in every language the program speaks.
const char *const reservedNames[] = {
    "Factory Default",       "Paramètres du fabricant",         "Werkseinstellung",
    "Impostazioni fabbrica", "Valor predeterminado de fábrica", "Padrão de fábrica",
};

const QLatin1Char forbiddenCharacters[] = {
    QLatin1Char('/'),
    QLatin1Char('"'),
    QLatin1Char('`'),
    QLatin1Char(';'),
};

constexpr int maximumNameBytes = 251;
constexpr int maximumDescriptionLength = 1024;

bool readAll(const QString &path, QByteArray *data)
{
    return readPerUserFile(path, data);
}

// Anything at the path, a link included, without following it.
bool entryExists(const QString &path)
{
    struct stat info
    {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QByteArray withoutCarriageReturn(const QByteArray &line)
{
    return line.endsWith('\r') ? line.left(line.size() - 1) : line;
}

bool hasProfileLine(const QString &path)
{
    QByteArray data;
    if (!readAll(path, &data))
        return false;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &line : lines) {
        if (withoutCarriageReturn(line) == profileMarker)
            return true;
    }
    return false;
}

bool isDescriptionLine(const QByteArray &line)
{
    const int equals = line.indexOf('=');
    return equals >= 0 && line.left(equals) == descriptionKey;
}

} // namespace

QString profilePath(const QString &name)
{
    return perUserDirectoryPath() + name + QLatin1String(cfgSuffix);
}

QStringList listProfileNames()
{
    // Case-sensitive, so that every listed name leads back to its own file.
    const QDir dir(perUserDirectoryPath(), QStringLiteral("*.cfg"), QDir::Name | QDir::IgnoreCase,
                   QDir::AllEntries | QDir::CaseSensitive);
    QStringList names;
    const QStringList files = dir.entryList();
    for (const QString &file : files) {
        if (hasProfileLine(dir.filePath(file)))
            names << file.left(file.size() - int(sizeof cfgSuffix - 1));
    }
    return names;
}

int countProfiles()
{
    const QDir dir(perUserDirectoryPath());
    int count = 0;
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString &file : files) {
        QByteArray data;
        if (!isSetAsideName(file) && readAll(dir.filePath(file), &data)
            && data.contains(profileMarker))
            ++count;
    }
    return count;
}

QStringList installedQueueNames()
{
    QStringList names;
    const QStringList entries =
        QDir(SystemPaths::cupsPpdDirectory()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        names << entry.section(QLatin1Char('.'), 0, 0);
        // A queue name may itself hold a dot: its file is still "<name>.ppd".
        const int suffix = entry.lastIndexOf(QLatin1String(".ppd"));
        if (suffix > 0 && entry.left(suffix) != names.last())
            names << entry.left(suffix);
    }
    return names;
}

bool isReservedName(const QString &name)
{
    const QString simplified = name.simplified();
    for (const char *reserved : reservedNames) {
        if (simplified.compare(QString::fromUtf8(reserved), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isAcceptableProfile(const QString &name, const QString &description,
                         const QStringList &queueNames)
{
    if (name.isEmpty() || isReservedName(name))
        return false;
    if (queueNames.contains(name, Qt::CaseInsensitive))
        return false;
    if (name.startsWith(QLatin1Char('.')))
        return false;
    for (QLatin1Char forbidden : forbiddenCharacters) {
        if (name.contains(forbidden))
            return false;
    }
    if (description.size() > maximumDescriptionLength)
        return false;
    return name.toUtf8().size() <= maximumNameBytes;
}

QString escapeDescription(const QString &description)
{
    QString stored = description;
    return stored.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString unescapeDescription(const QString &stored)
{
    QString description = stored;
    return description.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

QString storedDescription(const QString &name)
{
    QByteArray data;
    if (!readAll(profilePath(name), &data))
        return QString();
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = withoutCarriageReturn(raw);
        if (isDescriptionLine(line))
            return QString::fromUtf8(line.mid(line.indexOf('=') + 1));
    }
    return QString();
}

bool removeProfile(const QString &name)
{
    const QString path = profilePath(name);
    return QFile::remove(path) || !entryExists(path);
}

ProfileRewrite rewriteProfile(const QString &oldName, const QString &newName,
                              const QString &description, bool replaceExisting)
{
    const QString oldPath = profilePath(oldName);
    const QString newPath = profilePath(newName);
    const bool renamed = oldPath != newPath;
    if (renamed && !replaceExisting && entryExists(newPath))
        return ProfileRewrite::TargetExists;

    QByteArray data;
    if (!readAll(oldPath, &data))
        return ProfileRewrite::Failed;

    QList<QByteArray> lines = data.split('\n');
    const QByteArray descriptionLine = QByteArray(descriptionKey) + '=' + description.toUtf8();
    for (QByteArray &line : lines) {
        if (isDescriptionLine(withoutCarriageReturn(line)))
            line = descriptionLine + (line.endsWith('\r') ? "\r" : "");
    }
    const QByteArray rewritten = lines.join('\n');

    if (description.contains(QLatin1Char('\n')) || description.contains(QLatin1Char('\r'))
        || !writePerUserFile(newPath, rewritten))
        return ProfileRewrite::Failed;
    if (renamed)
        QFile::remove(oldPath);
    return ProfileRewrite::Done;
}
