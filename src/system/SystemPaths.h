#pragma once

#include <QString>

// The fixed folders of the system, kept in one place so that tests can point
// them elsewhere. Every folder path ends with "/".
namespace SystemPaths {

// Base of the per-user folders: "/usr/share/tolvane/".
QString userBase();
void setUserBase(const QString &path);

// Where CUPS keeps the installed queues' PPDs: "/etc/cups/ppd/".
QString cupsPpdDirectory();
void setCupsPpdDirectory(const QString &path);

// The server's lpoptions file, which the destination list of every user
// reads: "lpoptions" in the server root that libcups uses, CUPS_SERVERROOT
// or "/etc/cups". A path set here replaces it; an empty one follows the
// server root again.
QString cupsServerOptionsFile();
void setCupsServerOptionsFile(const QString &path);

// The user's own lpoptions file: "~/.cups/lpoptions".
QString userCupsOptionsFile();

// The driver package's PPD folder: "/usr/share/tolvane/ppd9.1/".
QString makerPpdDirectory();
void setMakerPpdDirectory(const QString &path);

// USER, or the account name from the password database when USER is unset
// or empty, so that the path never collapses to the folder shared by all.
QString userName();

// userBase() + userName() + "/".
QString perUserDirectory();

// perUserDirectory() + "Settings".
QString settingsFilePath();

} // namespace SystemPaths
