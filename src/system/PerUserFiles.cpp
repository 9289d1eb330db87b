#include "system/PerUserFiles.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTextStream>

#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const escapedKeys[] = {"CustomWatermarkSet", "CustomWatermarkStore", "CustomJobName"};

const char *const profileMarker = "[Profile]";
const char *const descriptionKey = "ProfileDescription=";

QHash<QString, QString> currentDefaults()
{
    return AppState::optionModel ? AppState::optionModel->defaultChoices()
                                 : QHash<QString, QString>();
}

QString currentModelName()
{
    return AppState::optionModel ? AppState::optionModel->modelName() : QString();
}

// The bytes of a settings file; false when it cannot be read (missing, a
// directory, no path). Readers skip a byte-order mark; the refresh keeps it.
bool readFileBytes(const QString &path, QByteArray *data, bool skipByteOrderMark)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    if (skipByteOrderMark && data->startsWith("\xEF\xBB\xBF"))
        data->remove(0, 3);
    return file.error() == QFileDevice::NoError;
}

// One line of a settings file: [begin, end) is its text without the line
// feed and without a carriage return before it.
struct LineSpan
{
    int begin;
    int end;
    int next; // where the following line begins
};

LineSpan lineAt(const QByteArray &data, int begin)
{
    int feed = data.indexOf('\n', begin);
    const int next = feed < 0 ? data.size() : feed + 1;
    int end = feed < 0 ? data.size() : feed;
    if (end > begin && data.at(end - 1) == '\r')
        --end;
    return {begin, end, next};
}

// True when the line's key (the text before its first "=", or the whole
// line) is exactly key; *valueBegin then points past the "=" (or at the end).
bool lineHasKey(const QByteArray &data, const LineSpan &line, const QByteArray &key,
                int *valueBegin)
{
    const char *text = data.constData() + line.begin;
    const int length = line.end - line.begin;
    const void *equals = memchr(text, '=', size_t(length));
    const int keyLength = equals ? int(static_cast<const char *>(equals) - text) : length;
    if (keyLength != key.size() || memcmp(text, key.constData(), size_t(keyLength)) != 0)
        return false;
    *valueBegin = equals ? line.begin + keyLength + 1 : line.end;
    return true;
}

QString lineValue(const QByteArray &data, const LineSpan &line, int valueBegin)
{
    return QString::fromUtf8(data.constData() + valueBegin, line.end - valueBegin);
}

// QSaveFile::commit() can miss a failure of the final flush of its buffer,
// which would put a truncated file in place of the old one; flush first.
bool commitSaveFile(QSaveFile &file)
{
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeSettingsFile(const QString &path, const OptionHash &options, bool printerFile,
                       const QString *description)
{
    if (path.isEmpty())
        return false;
    makePerUserDirectory();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    if (!printerFile) {
        out << profileMarker << '\n';
        out << '[' << currentModelName() << "]\n";
        if (description)
            out << descriptionKey << *description << '\n';
    }
    writeCfgOptionLines(out, options, printerFile);
    out.flush();
    if (out.status() != QTextStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return commitSaveFile(file);
}

} // namespace

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
        mkdir(path.constData(), 0775);
    return QFileInfo(QFile::decodeName(path)).isDir();
}

bool readPerUserFile(const QString &path, QByteArray *data)
{
    return readFileBytes(path, data, false);
}

bool writePerUserFile(const QString &path, const QByteArray &content)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return commitSaveFile(file);
}

bool cfgFileExists(const QString &printerName)
{
    return QFileInfo::exists(perUserDirectoryPath() + printerName + QStringLiteral(".cfg"));
}

QString escapeCfgValue(const QString &key, const QString &value)
{
    for (const char *escaped : escapedKeys) {
        if (key == QLatin1String(escaped)) {
            QString doubled = value;
            return doubled.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        }
    }
    return value;
}

QString unescapeBackslashes(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        result += value.at(i);
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size()
            && value.at(i + 1) == QLatin1Char('\\'))
            ++i;
    }
    return result;
}

void writeCfgOptionLines(QTextStream &out, const OptionHash &options, bool printerFile)
{
    const QHash<QString, QString> defaults = printerFile ? currentDefaults()
                                                         : QHash<QString, QString>();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        out << it.key() << '=' << escapeCfgValue(it.key(), it.value());
        const QString defaultChoice = defaults.value(it.key());
        if (!defaultChoice.isEmpty())
            out << ';' << defaultChoice;
        out << '\n';
    }
}

bool writeCfgFile(const QString &path, const OptionHash &options, bool printerFile)
{
    return writeSettingsFile(path, options, printerFile, nullptr);
}

bool writeProfileFile(const QString &path, const OptionHash &options, bool printerFile,
                      const QString &description)
{
    return writeSettingsFile(path, options, printerFile, &description);
}

QString readCfgValue(const QString &key)
{
    QByteArray data;
    if (!readFileBytes(AppState::settingsFile, &data, true))
        return QString();
    const QByteArray wanted = key.toUtf8();
    for (int pos = 0; pos < data.size();) {
        const LineSpan line = lineAt(data, pos);
        int valueBegin = 0;
        if (lineHasKey(data, line, wanted, &valueBegin))
            return parseCfgValue(key, lineValue(data, line, valueBegin));
        pos = line.next;
    }
    return QString();
}

QStringList readCfgValues(const QString &key)
{
    QStringList values;
    QByteArray data;
    if (!readFileBytes(AppState::settingsFile, &data, true))
        return values;
    const QByteArray wanted = key.toUtf8();
    for (int pos = 0; pos < data.size();) {
        const LineSpan line = lineAt(data, pos);
        int valueBegin = 0;
        if (lineHasKey(data, line, wanted, &valueBegin))
            values << lineValue(data, line, valueBegin);
        pos = line.next;
    }
    return values;
}

QString parseCfgValue(const QString &key, const QString &storedText)
{
    const QHash<QString, QString> defaults = currentDefaults();
    const auto found = defaults.constFind(key);
    if (found == defaults.constEnd()) {
        const QString value = unescapeBackslashes(storedText);
        return value.isEmpty() ? QString() : value;
    }
    const int semicolon = storedText.indexOf(QLatin1Char(';'));
    const QString value = semicolon < 0 ? storedText : storedText.left(semicolon);
    const QString savedDefault = semicolon < 0 ? QString() : storedText.mid(semicolon + 1);
    const QString &currentDefault = found.value();
    // The PPD's default changed since the line was written: the saved choice
    // was made against a different driver and is dropped.
    if (!savedDefault.isEmpty() && !currentDefault.isEmpty() && savedDefault != currentDefault)
        return currentDefault;
    return value.isEmpty() ? QString() : value;
}

bool refreshProfileDefaults(const QString &path)
{
    QByteArray data;
    if (!readFileBytes(path, &data, false))
        return false;
    const QHash<QString, QString> defaults = currentDefaults();
    QByteArray refreshed;
    bool changed = false;
    int copiedUpTo = 0;
    for (int pos = 0; pos < data.size();) {
        const LineSpan line = lineAt(data, pos);
        pos = line.next;
        const QByteArray text = QByteArray::fromRawData(data.constData() + line.begin,
                                                        line.end - line.begin);
        const int equals = text.indexOf('=');
        const QByteArray keyBytes = equals < 0 ? text : text.left(equals);
        const QString key = QString::fromUtf8(keyBytes);
        const auto found = defaults.constFind(key);
        const int semicolon = text.indexOf(';');
        if (found == defaults.constEnd() || semicolon < 0)
            continue;
        const QByteArray currentDefault = found.value().toUtf8();
        if (text.mid(semicolon + 1) == currentDefault)
            continue;
        // Only this line's text changes; its line ending and everything
        // around it are copied as they were.
        refreshed.append(data.constData() + copiedUpTo, line.begin - copiedUpTo);
        refreshed.append(keyBytes).append('=').append(currentDefault).append(';').append(
            currentDefault);
        copiedUpTo = line.end;
        changed = true;
    }
    if (!changed)
        return true;
    refreshed.append(data.constData() + copiedUpTo, data.size() - copiedUpTo);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(refreshed) != refreshed.size()) {
        file.cancelWriting();
        return false;
    }
    return commitSaveFile(file);
}
