#include "system/CfgLines.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"

#include <QByteArray>
#include <QHash>
#include <QTextStream>

#include <cstring>

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

// The current settings file as read at the last lookup, by key. The reload
// of every tab looks up well over a hundred keys; the file is read once and
// read again only when the path or the file at it changes.
struct SettingsCache
{
    QString path;
    PerUserFileStamp stamp;
    // The stored text of every line, by key, in file order.
    QHash<QByteArray, QList<QByteArray>> values;
};

SettingsCache &settingsCache()
{
    static SettingsCache cache;
    return cache;
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

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// A line break in any part of a line would let a value add lines of its own.
bool splitsALine(const OptionHash &options, bool printerFile, const QString *description)
{
    if (!printerFile
        && (hasLineBreak(currentModelName()) || (description && hasLineBreak(*description))))
        return true;
    const QHash<QString, QString> defaults =
        printerFile ? currentDefaults() : QHash<QString, QString>();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (hasLineBreak(it.key()) || hasLineBreak(it.value())
            || hasLineBreak(defaults.value(it.key())))
            return true;
    }
    return false;
}

bool writeSettingsFile(const QString &path, const OptionHash &options, bool printerFile,
                       const QString *description)
{
    if (path.isEmpty() || splitsALine(options, printerFile, description))
        return false;
    makePerUserDirectory();
    QByteArray content;
    QTextStream out(&content, QIODevice::WriteOnly);
    out.setCodec("UTF-8");
    if (!printerFile) {
        out << profileMarker << '\n';
        out << '[' << currentModelName() << "]\n";
        if (description)
            out << descriptionKey << *description << '\n';
    }
    writeCfgOptionLines(out, options, printerFile);
    out.flush();
    if (out.status() != QTextStream::Ok)
        return false;
    return writePerUserFile(path, content);
}

// The current settings file's lines by key, read when it is not cached or
// has changed since; null when there is nothing saved to read.
const QHash<QByteArray, QList<QByteArray>> *currentSettingsValues()
{
    SettingsCache &cache = settingsCache();
    const QString &path = AppState::settingsFile;
    // A lookup costs one lstat; anything but a regular file of a sane size
    // that only the user can write is nothing saved and is not even opened.
    PerUserFileStamp now;
    if (!perUserFileStamp(path, &now)) {
        cache = SettingsCache();
        return nullptr;
    }
    if (cache.path == path && cache.stamp == now)
        return &cache.values;

    cache = SettingsCache();
    QByteArray data;
    PerUserFileStamp stamp;
    if (!readPerUserFile(path, &data, &stamp))
        return nullptr;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    for (int pos = 0; pos < data.size();) {
        const LineSpan line = lineAt(data, pos);
        const char *text = data.constData() + line.begin;
        const int length = line.end - line.begin;
        const void *equals = memchr(text, '=', size_t(length));
        const int keyLength = equals ? int(static_cast<const char *>(equals) - text) : length;
        const int valueBegin = equals ? keyLength + 1 : length;
        cache.values[QByteArray(text, keyLength)].append(
            QByteArray(text + valueBegin, length - valueBegin));
        pos = line.next;
    }
    cache.path = path;
    cache.stamp = stamp;
    return &cache.values;
}

} // namespace

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
    const QHash<QString, QString> defaults =
        printerFile ? currentDefaults() : QHash<QString, QString>();
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
    const auto *values = currentSettingsValues();
    if (!values)
        return QString();
    const auto found = values->constFind(key.toUtf8());
    if (found == values->constEnd())
        return QString();
    return parseCfgValue(key, QString::fromUtf8(found->first()));
}

QStringList readCfgValues(const QString &key)
{
    QStringList result;
    const auto *values = currentSettingsValues();
    if (!values)
        return result;
    const QList<QByteArray> stored = values->value(key.toUtf8());
    for (const QByteArray &value : stored)
        result << QString::fromUtf8(value);
    return result;
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
    // A file that cannot be read (gone, no regular file) has nothing saved
    // to refresh: that is no failure.
    QByteArray data;
    if (!readPerUserFile(path, &data))
        return true;
    const QHash<QString, QString> defaults = currentDefaults();
    QByteArray refreshed;
    bool changed = false;
    int copiedUpTo = 0;
    for (int pos = 0; pos < data.size();) {
        const LineSpan line = lineAt(data, pos);
        pos = line.next;
        const QByteArray text =
            QByteArray::fromRawData(data.constData() + line.begin, line.end - line.begin);
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
        refreshed.append(keyBytes)
            .append('=')
            .append(currentDefault)
            .append(';')
            .append(currentDefault);
        copiedUpTo = line.end;
        changed = true;
    }
    if (!changed)
        return true;
    refreshed.append(data.constData() + copiedUpTo, data.size() - copiedUpTo);
    return writePerUserFile(path, refreshed);
}
