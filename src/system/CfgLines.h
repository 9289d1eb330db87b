#pragma once

#include "model/OptionHash.h"

#include <QString>
#include <QStringList>

class QTextStream;

// The user's saved choices: one ".cfg" file per printer and one per named
// profile, in the per-user directory. Lines are key "=" value; a printer
// file adds ";" and the PPD default at the time of writing, so that a choice
// saved against a default that has since changed can be recognised as stale.
//
// Readers and writers that need the PPD defaults or the model name use the
// current option model (AppState::optionModel); with no model they behave as
// if no key had a PPD default. Readers read AppState::settingsFile. Every
// file is read and written through PerUserFiles' trusted reader and writer.

// The value with every backslash doubled for "CustomWatermarkSet",
// "CustomWatermarkStore" and "CustomJobName"; other keys unchanged.
QString escapeCfgValue(const QString &key, const QString &value);

// Every pair of backslashes becomes one, left to right without overlap.
QString unescapeBackslashes(const QString &value);

// One line per entry of the hash (a repeated key gives one line per value).
// With printerFile set, a key with a non-empty PPD default in the current
// model gets the suffix ";" + that default.
void writeCfgOptionLines(QTextStream &out, const OptionHash &options, bool printerFile);

// Replace the file at path atomically: the new content goes to a temporary
// file beside it that is renamed over the old one only when fully written.
// On any failure the old file is left as it was and the result is false, so
// the caller can tell the user; so is a key, value or header that holds a
// line break, which would add lines of its own. With printerFile clear the
// file begins with the profile header lines "[Profile]" and "[<model name>]".
bool writeCfgFile(const QString &path, const OptionHash &options, bool printerFile);

// As writeCfgFile, with the line "ProfileDescription=" + description after
// the two header lines when printerFile is clear.
bool writeProfileFile(const QString &path, const OptionHash &options, bool printerFile,
                      const QString &description);

// The saved value of key in the current settings file (first matching line
// wins), after the stale-default rule of parseCfgValue; null when nothing is
// saved, the file cannot be read, or the saved value is empty. The caller
// then takes the PPD default. The file is read once and kept in memory until
// the path or the file at it changes.
QString readCfgValue(const QString &key);

// The stored text (everything after the first "=") of every line of the
// current settings file whose key is key, in file order, exactly as stored:
// no ";" split, no stale-default rule, no backslash undoubling. Empty when
// there is none or the file cannot be read.
QStringList readCfgValues(const QString &key);

// The value a stored line stands for. For a key with a PPD default in the
// current model: the text before the first ";", unless the saved default
// after it differs from the current default, which then wins. For any other
// key: the whole stored text with doubled backslashes undoubled. An empty
// result is returned as a null QString.
QString parseCfgValue(const QString &key, const QString &storedText);

// The refresh on Cancel: every line whose saved PPD default differs from the
// current one becomes key "=" default ";" default; every other line is kept
// byte for byte. The file is replaced atomically and only when a line
// changed. False when the file could not be replaced (the old file is then
// untouched); true otherwise, including when nothing was stale and when the
// file cannot be read (gone, or no regular file): there is nothing to refresh.
bool refreshProfileDefaults(const QString &path);
