#include "system/RootCommand.h"

#include "system/CommandRunner.h"

#include <QProcess>

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
    QProcess process;
    if (method == RootMethod::Sudo) {
        process.setProgram(QStringLiteral("sudo"));
        process.setArguments(QStringList{QStringLiteral("-S"), QStringLiteral("-p"), QString(),
                                         QLatin1String(ppdWriter), printer}
                             + items);
        process.setStandardOutputFile(QProcess::nullDevice());
    } else {
        // su hands its command to a shell of its own, so that one line has
        // to quote every word for it.
        QString command = QLatin1String(ppdWriter) + QLatin1Char(' ') + shellQuoted(printer);
        for (const QString &item : items)
            command += QLatin1Char(' ') + shellQuoted(item);
        process.setProgram(QStringLiteral("su"));
        process.setArguments({QStringLiteral("-c"), command});
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    process.start();
    if (!process.waitForStarted(-1))
        return 1;
    process.write(password.toLocal8Bit() + '\n');
    process.closeWriteChannel();

    // What comes back is never shown: only the exit status counts. QProcess
    // drains the pipes while it waits, so a chatty child never blocks.
    process.waitForFinished(-1);

    if (process.exitStatus() != QProcess::NormalExit)
        return 1;
    return process.exitCode();
}

void dropSudoCredentials()
{
    CommandRunner::runToEnd(QStringLiteral("sudo"), {QStringLiteral("-k")});
}
