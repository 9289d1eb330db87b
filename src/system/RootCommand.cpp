#include "system/RootCommand.h"

#include "system/CommandRunner.h"

namespace {

const char ppdWriter[] = "tolPPDWrite_H";

} // namespace

QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

int runPpdWriterAsRoot(RootMethod method, const QString &password, const QString &printer,
                       const QStringList &items)
{
    // What comes back is never shown: only the exit status counts. Output
    // kept is drained while the run is waited for, so a chatty child never
    // blocks.
    const QByteArray input = password.toLocal8Bit() + '\n';
    CommandResult result;
    if (method == RootMethod::Sudo) {
        result = CommandRunner::runToEnd(QStringLiteral("sudo"),
                                         QStringList {QStringLiteral("-S"), QStringLiteral("-p"),
                                                      QString(), QLatin1String(ppdWriter), printer}
                                             + items,
                                         input, ChildOutput::Discarded, ChildOutput::Kept);
    } else {
        // su hands its command to a shell of its own, so that one line has
        // to quote every word for it.
        QString command = QLatin1String(ppdWriter) + QLatin1Char(' ') + shellQuoted(printer);
        for (const QString &item : items)
            command += QLatin1Char(' ') + shellQuoted(item);
        result = CommandRunner::runToEnd(QStringLiteral("su"), {QStringLiteral("-c"), command},
                                         input, ChildOutput::Kept, ChildOutput::Forwarded);
    }

    if (!result.endedByItself())
        return 1;
    return result.exitCode;
}

void dropSudoCredentials()
{
    CommandRunner::runToEnd(QStringLiteral("sudo"), {QStringLiteral("-k")});
}
