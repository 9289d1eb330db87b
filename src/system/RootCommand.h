#pragma once

#include <QString>
#include <QStringList>

// How the driver package's PPD writer is run as root.
enum class RootMethod {
    Sudo, // sudo -S -p "" tolPPDWrite_H ...
    Su,   // su -c "tolPPDWrite_H ..."
};

// Runs `tolPPDWrite_H PRINTER ITEM...` as root through sudo or su, handing
// the password, followed by a line feed, to the root command's standard
// input. No shell sees the password; the printer name and the items are
// separate arguments for sudo, and single-quoted words of the one command
// line that su's shell reads. Waits however long it takes. Returns the exit
// status, or 1 when the command did not start or did not exit by itself.
int runPpdWriterAsRoot(RootMethod method, const QString &password, const QString &printer,
                       const QStringList &items);

// `sudo -k`: drops cached sudo credentials, so the next root command must
// be given the password again. Its result does not matter.
void dropSudoCredentials();

// TEXT as one word for a POSIX shell: single-quoted, every embedded single
// quote written as '\''.
QString shellQuoted(const QString &text);
