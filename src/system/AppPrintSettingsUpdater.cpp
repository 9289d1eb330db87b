#include "system/AppPrintSettingsUpdater.h"

#include "system/CommandRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace {

// The names that give the other applications' files away, searched in this
// order; the first one a path contains wins.
const char gEditPageSetup[] = "gedit-page-setup";
const char officeRegistry[] = "/user/registrymodifications.xcu";
const char *const knownNameTable[] = {
    "gedit-print-settings",
    gEditPageSetup,
    "evince/print-settings",
    "eog-print-settings.ini",
    officeRegistry,
};

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

AppPrintSettingsUpdater::AppPrintSettingsUpdater()
    : pageSetups(buildPageSetupTable()), home(homeDirectory())
{
    for (const char *name : knownNameTable)
        knownNames.append(QString::fromLatin1(name));
}

AppPrintSettingsUpdater::PageSetupTable AppPrintSettingsUpdater::buildPageSetupTable()
{
    PageSetupTable table;
    for (const PageSetupRow &row : pageSetupRows)
        table.insert(QString::fromLatin1(row.key), pageSetupText(row));
    return table;
}

QString AppPrintSettingsUpdater::homeDirectory()
{
    const QByteArray fromEnvironment = qgetenv("HOME");
    if (!fromEnvironment.isEmpty())
        return QFile::decodeName(fromEnvironment);
    const passwd *entry = getpwuid(getuid());
    if (entry && entry->pw_dir && *entry->pw_dir)
        return QFile::decodeName(entry->pw_dir);
    std::exit(1);
}

void AppPrintSettingsUpdater::findFiles()
{
    found.clear();
    const int limitMs = CommandRunner::timeoutMs();
    QProcess find;
    find.setStandardErrorFile(QProcess::nullDevice());
    // An absolute starting point cannot be taken for one of find's options,
    // and NUL-ended records keep a name with a line feed in one piece.
    find.start(QStringLiteral("find"),
               {QDir(home).absolutePath(), QStringLiteral("-print0")}, QIODevice::ReadOnly);
    if (!find.waitForStarted(limitMs))
        return;

    QByteArray pending;
    const auto record = [this](const QByteArray &pathBytes) {
        const QString path = QFile::decodeName(pathBytes);
        const QString name = matchedName(path);
        if (!name.isEmpty())
            found.insert(path, name);
    };
    for (;;) {
        pending += find.readAllStandardOutput();
        takeRecords(pending, record);
        if (find.state() == QProcess::NotRunning)
            break;
        if (!find.waitForReadyRead(limitMs) && find.state() != QProcess::NotRunning) {
            // Silent for the whole limit: give up on the rest of the listing.
            find.kill();
            find.waitForFinished(-1);
            break;
        }
    }
}

QString AppPrintSettingsUpdater::matchedName(const QString &path) const
{
    if (path.contains(QLatin1String(".tmp")))
        return QString();
    for (const QString &name : knownNames) {
        const int at = path.lastIndexOf(name);
        if (at >= 0 && path.indexOf(QLatin1Char('/'), at + name.size()) < 0)
            return name;
    }
    return QString();
}

void AppPrintSettingsUpdater::apply(const QString &pageSize)
{
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (it.value() == QLatin1String(gEditPageSetup))
            writePageSetup(it.key(), pageSize);
        else if (it.value() == QLatin1String(officeRegistry))
            setCollateOff(it.key());
        else
            removeFile(it.key());
    }
}

void AppPrintSettingsUpdater::removeFile(const QString &path)
{
    CommandRunner::run(QStringLiteral("rm"), {QStringLiteral("-f"), QStringLiteral("--"), path});
}

bool AppPrintSettingsUpdater::setCollateOff(const QString &path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    in.close();

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
    return !changed || writeTextFile(path, edited);
}

bool AppPrintSettingsUpdater::writePageSetup(const QString &path, const QString &pageSize)
{
    const auto row = pageSetups.constFind(pageSize);
    if (row == pageSetups.cend())
        return false;
    return writeTextFile(path, row.value());
}

bool AppPrintSettingsUpdater::writeTextFile(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() can miss a failure of the last flush of its buffer and would
    // then put a truncated file in place of the old one.
    if (file.write(text) != text.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
