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
// if no key had a PPD default. Readers read AppState::settingsFile.

// AppState::perUserDirectory when set, else SystemPaths::perUserDirectory().
// Always ends in "/".
QString perUserDirectoryPath();

// Creates every missing level of the per-user directory with mode 0775
// (less the umask), the last one with PerUserFolder::creationMode(). True
// when the directory exists afterwards.
bool makePerUserDirectory();

// True when anything (a file, a directory, a link, ...) exists at
// per-user directory + printerName + ".cfg".
bool cfgFileExists(const QString &printerName);

// The value with every backslash doubled for "CustomWatermarkSet",
// "CustomWatermarkStore" and "CustomJobName"; other keys unchanged.
QString escapeCfgValue(const QString &key, const QString &value);

// Every pair of backslashes becomes one, left to right without overlap.
QString unescapeBackslashes(const QString &value);

// The whole content of a per-user file; false when it cannot be read. Every
// reader of the per-user folder goes through here. Only a regular file of at
// most 1 MiB in a trusted folder (PerUserFolder), owned by the user and
// writable by no other account, is read, never through a link; anything
// else counts as nothing saved. A file that is read is made 0600.
bool readPerUserFile(const QString &path, QByteArray *data);

// Replaces the file at path with content; false (the old file untouched)
// when it cannot be written. Every writer of the per-user folder goes
// through here, so that a rule about writing is made once: only in a trusted
// folder (PerUserFolder), through a new temporary file beside it that is
// synced and renamed over the path, so that a link at the path is replaced
// and never followed, and a read-only file can be replaced. The new file is
// readable and writable by the user alone (0600). The folder is not created
// here.
bool writePerUserFile(const QString &path, const QByteArray &content);

// At program start, one pass over the per-user folder. Every regular file
// of the user's that no other account can write is made 0600, the user's
// alone, since secrets are kept in them. One that another account could
// write (an earlier version left it so) may hold what that account put
// there: it is not read, nor made to look trusted; with setAside it is
// renamed to a name the program never reads and made 0600, so that nothing
// is lost. A file with other links elsewhere is never changed: a 0600 copy
// takes its place here. The old and new names of those set aside are
// appended to names and newNames; a new name is empty for one that could
// not be set aside (then made 0600 when that changes nothing elsewhere).
// False when the folder is not trusted.
bool securePerUserFiles(bool setAside, QStringList *names, QStringList *newNames);

// Renames whatever is at path (a file, a link, another account's file) to a
// free set-aside name beside it, made 0600 when it is the user's file; the
// new name, or empty when it could not be set aside.
QString setAsidePerUserFile(const QString &path);

// True for the names files are set aside under: name + ".set-aside",
// optionally followed by "-" and a number.
bool isSetAsideName(const QString &name);

// True when a file of path's name was set aside beside it.
bool hasSetAsideCopy(const QString &path);

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
