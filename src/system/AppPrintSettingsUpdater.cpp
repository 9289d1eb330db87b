#include "system/AppPrintSettingsUpdater.h"

#include "system/CommandRunner.h"

#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include <pwd.h>
#include <unistd.h>

namespace {

// The applications' own files: a regular file in the application's own
// folder whose name begins with the file name (backups such as "~" or ".bak"
// copies count too). The folder is read relative to the home folder, below
// one of the places settings folders live; "*" stands for any one folder
// name (a version). Tried in this order; the first that fits gives the known
// name.
struct KnownFile
{
    const char *folder;
    const char *fileName;
    const char *knownName;
};

const char gEditPageSetup[] = "gedit-page-setup";
const char officeRegistry[] = "/user/registrymodifications.xcu";
const KnownFile knownFiles[] = {
    {"gedit", "gedit-print-settings", "gedit-print-settings"},
    {"gedit", "gedit-page-setup", gEditPageSetup},
    {"evince", "print-settings", "evince/print-settings"},
    {"eog", "eog-print-settings.ini", "eog-print-settings.ini"},
    {"libreoffice/*/user", "registrymodifications.xcu", officeRegistry},
};

// eog's file of older releases, straight in the home folder's ".gnome2".
const KnownFile olderEog = {".gnome2", "eog-print-settings.ini", "eog-print-settings.ini"};

// Where settings folders live, relative to the home folder: the usual place,
// a Flatpak's (".var/app/<application id>/config") and a Snap's
// ("snap/<name>/<revision>/.config").
const char *const settingsPlaces[] = {".config", ".var/app/*/config", "snap/*/*/.config"};

// Takes pattern's folders off the front of folders, "*" matching any one.
bool takePrefix(QList<QByteArray> &folders, const QByteArray &pattern)
{
    const QList<QByteArray> wanted = pattern.split('/');
    if (folders.size() < wanted.size())
        return false;
    for (int i = 0; i < wanted.size(); ++i) {
        if (folders.at(i).isEmpty() || (wanted.at(i) != "*" && folders.at(i) != wanted.at(i)))
            return false;
    }
    folders = folders.mid(wanted.size());
    return true;
}

bool isFolder(const QList<QByteArray> &folders, const QByteArray &pattern)
{
    QList<QByteArray> rest = folders;
    return takePrefix(rest, pattern) && rest.isEmpty();
}

// The folder as an absolute path without a trailing slash ("" for "/").
QByteArray cleanFolder(const QByteArray &folder)
{
    QByteArray clean = folder;
    if (!clean.startsWith('/')) {
        char current[4096];
        if (::getcwd(current, sizeof current))
            clean = QByteArray(current) + '/' + clean;
    }
    while (clean.endsWith('/'))
        clean.chop(1);
    return clean;
}

// gedit's page setup for a paper size. Lengths are millimetres, kept as the
// exact decimal texts gedit writes.
struct PageSetupRow
{
    const char *key;
    const char *displayName;
    const char *width;
    const char *height;
    const char *marginTop;
    const char *marginBottom;
    const char *marginLeft;
    const char *marginRight;
};

// The common margins: 8, 10, 11 and 12 points in millimetres.
const char pt8[] = "2.822222222222222";
const char pt10[] = "3.5277777777777777";
const char pt11[] = "3.8805555555555551";
const char pt12[] = "4.2333333333333325";

// clang-format off
const PageSetupRow pageSetupRows[] = {
    // key          display name         width                 height                top                   bottom                left                  right
    {"A3",          "A3",                "297",                "420",                pt10,                 pt10,                 pt12,                 pt12},
    {"SRA3",        "SRA3",              "319.96944444444443", "449.79166666666663", pt10,                 pt10,                 pt12,                 pt12},
    {"A4",          "A4",                "210",                "297",                pt10,                 pt10,                 pt12,                 pt12},
    {"A5",          "A5",                "148",                "210",                pt10,                 pt10,                 pt12,                 pt12},
    {"A6",          "A6",                "105",                "148",                pt10,                 pt10,                 pt12,                 pt12},
    {"B4",          "JB4",               "257",                "364",                pt10,                 pt10,                 pt12,                 pt12},
    {"B5",          "JB5",               "182",                "257",                pt10,                 pt10,                 "7.4083333333333323", "7.4083333333333323"},
    {"ISOB5",       "B5",                "176",                "250",                pt12,                 pt12,                 pt12,                 pt12},
    {"B6",          "JB6",               "128",                "182",                pt10,                 pt10,                 pt12,                 pt12},
    {"OficioII",    "Oficio II",         "215.89999999999998", "330.19999999999999", pt12,                 pt12,                 pt12,                 pt12},
    {"Folio",       "Folio",             "210",                "330",                pt12,                 pt12,                 pt12,                 pt12},
    {"Statement",   "Invoice",           "139.69999694824219", "215.89999389648438", pt12,                 pt12,                 pt12,                 pt12},
    {"P8K",         "8K",                "273.04999999999995", "393.69999999999999", pt11,                 pt12,                 pt12,                 pt11},
    {"P16K",        "16K",               "196.84999999999999", "273.04999999999995", pt11,                 pt12,                 pt12,                 pt11},
    {"OficioMX",    "216 x 340 mm",      "215.89999999999998", "340.07777777777773", pt12,                 pt12,                 pt12,                 pt12},
    {"P12X18",      "12 x 18",           "304.79999999999995", "457.19999999999993", "12.699999999999999", "12.699999999999999", pt11,                 pt11},
    {"Letter",      "US Letter",         "215.89999389648438", "279.39999389648438", pt8,                  pt8,                  pt12,                 pt12},
    {"Legal",       "US Legal",          "215.89999389648438", "355.60000610351562", pt8,                  pt8,                  pt12,                 pt12},
    {"Executive",   "Executive",         "184.14999389648438", "266.70001220703125", pt8,                  pt8,                  pt12,                 pt12},
    {"Tabloid",     "Ledger 11x17",      "279.39999999999998", "431.79999999999995", pt8,                  pt8,                  pt12,                 pt12},
    {"EnvPersonal", "Personal Envelope", "92.074996948242188", "165.10000610351562", pt8,                  pt8,                  pt12,                 pt12},
    {"Env9",        "#9 Envelope",       "98.425003051757812", "225.42500305175781", pt8,                  pt8,                  pt12,                 pt12},
    {"Env10",       "#10 Envelope",      "104.77500152587891", "241.30000305175781", pt8,                  pt8,                  pt12,                 pt12},
    {"EnvMonarch",  "Monarch Envelope",  "98.425003051757812", "190.5",              pt8,                  pt8,                  pt12,                 pt12},
    {"EnvDL",       "DL Envelope",       "110",                "220",                pt10,                 pt10,                 pt12,                 pt12},
    {"EnvC5",       "C5",                "162",                "229",                pt10,                 pt10,                 pt12,                 pt12},
    {"EnvC4",       "C4",                "229",                "324",                pt10,                 pt10,                 pt12,                 pt12},
    {"OficioI",     "8.5x13.5",          "215.89999999999998", "342.89999999999998", pt12,                 pt12,                 pt12,                 pt12},
};
// clang-format on

QByteArray pageSetupText(const PageSetupRow &row)
{
    QByteArray text;
    text += "[Page Setup]\n";
    text += QByteArray("PPDName=") + row.key + '\n';
    text += QByteArray("DisplayName=") + row.displayName + '\n';
    text += QByteArray("Width=") + row.width + '\n';
    text += QByteArray("Height=") + row.height + '\n';
    text += QByteArray("MarginTop=") + row.marginTop + '\n';
    text += QByteArray("MarginBottom=") + row.marginBottom + '\n';
    text += QByteArray("MarginLeft=") + row.marginLeft + '\n';
    text += QByteArray("MarginRight=") + row.marginRight + '\n';
    text += "Orientation=portrait\n";
    return text;
}

// Takes every complete NUL-ended record off the front of pending.
template<typename Sink>
void takeRecords(QByteArray &pending, Sink sink)
{
    int begin = 0;
    for (int end = pending.indexOf('\0'); end >= 0; end = pending.indexOf('\0', begin)) {
        sink(QByteArray(pending.constData() + begin, end - begin));
        begin = end + 1;
    }
    pending.remove(0, begin);
}

} // namespace

AppPrintSettingsUpdater::AppPrintSettingsUpdater(QObject *parent)
    : AppPrintSettingsUpdater(homeDirectory(), parent)
{}

AppPrintSettingsUpdater::AppPrintSettingsUpdater(const QByteArray &homeFolder, QObject *parent)
    : QObject(parent)
    , pageSetups(buildPageSetupTable())
    , home(cleanFolder(homeFolder))
    , silence(new QTimer(this))
{
    silence->setSingleShot(true);
    connect(silence, &QTimer::timeout, this, [this] {
        // Silent for the whole limit: give up on the rest of the listing.
        if (find)
            find->kill();
    });
}

AppPrintSettingsUpdater::~AppPrintSettingsUpdater()
{
    if (find) {
        find->disconnect(this);
        find->kill();
        find->waitToEnd();
    }
}

AppPrintSettingsUpdater::PageSetupTable AppPrintSettingsUpdater::buildPageSetupTable()
{
    PageSetupTable table;
    for (const PageSetupRow &row : pageSetupRows)
        table.insert(QString::fromLatin1(row.key), pageSetupText(row));
    return table;
}

QByteArray AppPrintSettingsUpdater::homeDirectory()
{
    const QByteArray fromEnvironment = qgetenv("HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const passwd *entry = getpwuid(getuid());
    if (entry && entry->pw_dir && *entry->pw_dir)
        return QByteArray(entry->pw_dir);
    std::exit(1);
}

void AppPrintSettingsUpdater::findFiles()
{
    startSearch();
    finishSearch();
}

void AppPrintSettingsUpdater::startSearch()
{
    if (searching)
        return;
    found.clear();
    pending.clear();
    searching = true;
    silence->start(CommandRunner::timeoutMs());
    // Listed from inside the home folder, entered by its bytes whatever
    // their encoding, so that its own name need not pass through text;
    // NUL-ended records keep a name with a line feed in one piece.
    find = CommandRunner::start(QStringLiteral("find"),
                                {QStringLiteral("."), QStringLiteral("-print0")},
                                home.isEmpty() ? QByteArray("/") : home, this);
    connect(find, &RunningCommand::outputArrived, this, &AppPrintSettingsUpdater::takeOutput);
    connect(find, &RunningCommand::ended, this, &AppPrintSettingsUpdater::endSearch);
    connect(find, &RunningCommand::failedToStart, this, &AppPrintSettingsUpdater::endSearch);
}

void AppPrintSettingsUpdater::finishSearch()
{
    const int limitMs = CommandRunner::timeoutMs();
    while (searching) {
        if (!find->isRunning()) {
            endSearch();
            break;
        }
        if (!find->waitForOutput(limitMs) && searching && find->isRunning()) {
            find->kill();
            find->waitToEnd();
        }
    }
}

void AppPrintSettingsUpdater::takeOutput()
{
    if (!find)
        return;
    silence->start();
    pending += find->takeOutput();
    takeRecords(pending, [this](const QByteArray &path) { record(path); });
}

void AppPrintSettingsUpdater::endSearch()
{
    if (!searching)
        return;
    takeOutput();
    // What is left is a record cut off by a kill: no path.
    pending.clear();
    silence->stop();
    searching = false;
    find->disconnect(this);
    find->deleteLater();
    find = nullptr;
    emit searchDone();
}

void AppPrintSettingsUpdater::record(const QByteArray &listed)
{
    if (!listed.startsWith("./"))
        return;
    const QByteArray path = home + listed.mid(1);
    const QString name = matchedName(path);
    if (name.isEmpty())
        return;
    // Folders, links and the like named as the file are not the file.
    const FoundFile file = FoundFile::inspect(path);
    if (file.isValid())
        found.insert(path, Found {name, file});
}

QMap<QByteArray, QString> AppPrintSettingsUpdater::foundFiles() const
{
    QMap<QByteArray, QString> names;
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        names.insert(it.key(), it.value().knownName);
    return names;
}

QString AppPrintSettingsUpdater::matchedName(const QByteArray &path) const
{
    // Only what lies below the home folder counts, and only its part there:
    // the home folder's own name is no evidence of anything.
    const QByteArray prefix = home + '/';
    if (!path.startsWith(prefix))
        return QString();
    const QByteArray relative = path.mid(prefix.size());
    if (relative.contains(".tmp"))
        return QString();
    // Most of a home's names are no known file's: decided before the folders
    // are looked at.
    const QByteArray name = relative.mid(relative.lastIndexOf('/') + 1);
    const auto beginsKnown = [&name](const KnownFile &known) {
        return name.startsWith(known.fileName);
    };
    if (!beginsKnown(olderEog)
        && std::none_of(std::begin(knownFiles), std::end(knownFiles), beginsKnown))
        return QString();
    QList<QByteArray> folders = relative.split('/');
    folders.removeLast();

    if (isFolder(folders, olderEog.folder) && name.startsWith(olderEog.fileName))
        return QString::fromLatin1(olderEog.knownName);
    for (const char *place : settingsPlaces) {
        QList<QByteArray> inPlace = folders;
        if (!takePrefix(inPlace, place))
            continue;
        for (const KnownFile &known : knownFiles) {
            if (isFolder(inPlace, known.folder) && name.startsWith(known.fileName))
                return QString::fromLatin1(known.knownName);
        }
    }
    return QString();
}

void AppPrintSettingsUpdater::apply(const QString &pageSize)
{
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        const Found &entry = it.value();
        if (entry.knownName == QLatin1String(gEditPageSetup))
            writePageSetup(entry.file, pageSize);
        else if (entry.knownName == QLatin1String(officeRegistry))
            setCollateOff(entry.file);
        else
            removeFile(entry.file);
    }
}

bool AppPrintSettingsUpdater::removeFile(const FoundFile &file)
{
    return file.remove();
}

bool AppPrintSettingsUpdater::setCollateOff(const FoundFile &file)
{
    QByteArray data;
    if (!file.read(&data))
        return false;

    // Bytes, not text: the rest of the file must come back exactly as it was,
    // whatever its encoding and whether or not it ends with a line feed.
    QByteArray edited;
    edited.reserve(data.size() + 16);
    bool changed = false;
    int begin = 0;
    while (begin < data.size()) {
        const int lineFeed = data.indexOf('\n', begin);
        const int next = lineFeed < 0 ? data.size() : lineFeed + 1;
        QByteArray line = data.mid(begin, next - begin);
        if (line.contains("name=\"Collate\"") && line.contains("true")) {
            line.replace("true", "false");
            changed = true;
        }
        edited += line;
        begin = next;
    }
    return !changed || writeTextFile(file, edited);
}

bool AppPrintSettingsUpdater::writePageSetup(const FoundFile &file, const QString &pageSize)
{
    const auto row = pageSetups.constFind(pageSize);
    if (row == pageSetups.cend())
        return false;
    return writeTextFile(file, row.value());
}

bool AppPrintSettingsUpdater::writeTextFile(const FoundFile &file, const QByteArray &text)
{
    return file.replace(text);
}
