#include "system/CommandRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>

#include <unistd.h>

namespace {

int defaultTimeoutMs = 30000;

// lpstat answers in the user's language; these words tell its state in the
// six languages the program speaks. Searched in this order, first found wins,
// so a text that holds both "idle" and "printing" is idle.
struct StatusWord
{
    const char *word; // UTF-8, exact; a trailing blank is part of the word
    const char *status;
};

const StatusWord statusWords[] = {
    {"idle", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"inactiva", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"inattiva", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"inativa", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"inactive", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"inaktiv", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"in attesa", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"Leerlauf", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"leerlauf", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"ociosa", QT_TRANSLATE_NOOP("QObject", "Idle")},
    {"Paused", QT_TRANSLATE_NOOP("QObject", "Paused")},
    {"d\xc3\xa9sactiv\xc3\xa9"
     "e",
     QT_TRANSLATE_NOOP("QObject", "Paused")},
    {"deaktiviert", QT_TRANSLATE_NOOP("QObject", "Paused")},
    {"disabilitata", QT_TRANSLATE_NOOP("QObject", "Paused")},
    {"desativada", QT_TRANSLATE_NOOP("QObject", "Paused")},
    {"printing", QT_TRANSLATE_NOOP("QObject", "Printing")},
    {"stampando ", QT_TRANSLATE_NOOP("QObject", "Printing")},
    {"imprimiendo ", QT_TRANSLATE_NOOP("QObject", "Printing")},
    {"impression ", QT_TRANSLATE_NOOP("QObject", "Printing")},
    {"druckt ", QT_TRANSLATE_NOOP("QObject", "Printing")},
    {"imprimindo ", QT_TRANSLATE_NOOP("QObject", "Printing")},
};

// As much of lpstat's output as the status is read from.
const int lpstatTextLimit = 1022;

// A child that enters its folder by the folder's bytes: Qt's own working
// directory goes through text, which a name in another encoding does not
// survive.
class FolderProcess : public QProcess
{
public:
    FolderProcess(const QByteArray &folder, QObject *parent)
        : QProcess(parent)
        , folder(folder)
    {}

protected:
    void setupChildProcess() override
    {
        // Anywhere else the child would work on the wrong files.
        if (::chdir(folder.constData()) != 0)
            ::_exit(127);
    }

private:
    QByteArray folder;
};

void setChannels(QProcess &process, ChildOutput output, ChildOutput error)
{
    if (output == ChildOutput::Discarded)
        process.setStandardOutputFile(QProcess::nullDevice());
    if (error == ChildOutput::Discarded)
        process.setStandardErrorFile(QProcess::nullDevice());
    if (output == ChildOutput::Forwarded && error == ChildOutput::Forwarded)
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    else if (output == ChildOutput::Forwarded)
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    else if (error == ChildOutput::Forwarded)
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

// Waits for the end at most `waitMs` (without limit when negative), looking
// at `stop` between short periods; whether the child ended.
bool waitForEnd(QProcess &process, int waitMs, const std::atomic<bool> *stop)
{
    if (!stop)
        return process.waitForFinished(waitMs) || process.state() == QProcess::NotRunning;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (process.state() == QProcess::NotRunning)
            return true;
        if (stop->load())
            return false;
        int period = 50;
        if (waitMs >= 0) {
            const int left = waitMs - int(clock.elapsed());
            if (left <= 0)
                return false;
            period = qMin(period, left);
        }
        if (process.waitForFinished(period))
            return true;
    }
}

} // namespace

int CommandRunner::timeoutMs()
{
    return defaultTimeoutMs;
}

void CommandRunner::setTimeoutMs(int ms)
{
    defaultTimeoutMs = ms;
}

CommandResult CommandRunner::run(const QString &program, const QStringList &arguments, int limitMs,
                                 const std::atomic<bool> *stop)
{
    return runFor(program, arguments, limitMs < 0 ? defaultTimeoutMs : limitMs, nullptr,
                  ChildOutput::Kept, ChildOutput::Kept, stop);
}

CommandResult CommandRunner::runToEnd(const QString &program, const QStringList &arguments)
{
    return runFor(program, arguments, -1);
}

CommandResult CommandRunner::runToEnd(const QString &program, const QStringList &arguments,
                                      const QByteArray &input, ChildOutput output,
                                      ChildOutput error)
{
    return runFor(program, arguments, -1, &input, output, error);
}

CommandResult CommandRunner::runFor(const QString &program, const QStringList &arguments,
                                    int waitMs, const QByteArray *input, ChildOutput output,
                                    ChildOutput error, const std::atomic<bool> *stop)
{
    CommandResult result;
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    setChannels(process, output, error);
    process.start(input ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    if (!process.waitForStarted(waitMs)) {
        process.kill();
        process.waitForFinished(-1);
        return result;
    }
    result.started = true;
    if (input) {
        process.write(*input);
        process.closeWriteChannel();
    }
    const int left = waitMs < 0 ? -1 : qMax(0, waitMs - int(clock.elapsed()));
    result.finishedInTime = waitForEnd(process, left, stop);
    if (!result.finishedInTime) {
        process.kill();
        process.waitForFinished(-1);
        return result;
    }
    result.exitStatus = process.exitStatus();
    result.exitCode = process.exitCode();
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

BackgroundCommand::BackgroundCommand(const QString &program, const QStringList &arguments)
    : process(new QProcess)
{
    process->setProgram(program);
    process->setArguments(arguments);
    // Not waited for here: the caller goes on at once.
    process->start(QIODevice::ReadOnly);
}

BackgroundCommand::~BackgroundCommand()
{
    if (!waited)
        waitToEnd();
    delete process;
}

CommandResult BackgroundCommand::waitToEnd(int limitMs, const std::atomic<bool> *stop)
{
    CommandResult result;
    if (waited)
        return result;
    waited = true;
    QElapsedTimer clock;
    clock.start();
    if (process->state() == QProcess::Starting)
        process->waitForStarted(limitMs);
    started = process->error() != QProcess::FailedToStart && process->state() != QProcess::Starting;
    if (!started) {
        process->kill();
        process->waitForFinished(-1);
        return result;
    }
    result.started = true;
    // The event loop may have seen the end already.
    const int left = limitMs < 0 ? -1 : qMax(0, limitMs - int(clock.elapsed()));
    result.finishedInTime = waitForEnd(*process, left, stop);
    if (!result.finishedInTime) {
        process->kill();
        process->waitForFinished(-1);
        return result;
    }
    result.exitStatus = process->exitStatus();
    result.exitCode = process->exitCode();
    result.standardOutput = process->readAllStandardOutput();
    result.standardError = process->readAllStandardError();
    return result;
}

RunningCommand *CommandRunner::start(const QString &program, const QStringList &arguments,
                                     const QByteArray &folder, QObject *parent)
{
    RunningCommand *command = new RunningCommand(parent);
    QProcess *process = new FolderProcess(folder, command);
    command->process = process;
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::readyReadStandardOutput, command,
                     &RunningCommand::outputArrived);
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     command, &RunningCommand::ended);
    QObject::connect(process, &QProcess::errorOccurred, command,
                     [command](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             emit command->failedToStart();
                     });
    process->start(program, arguments, QIODevice::ReadOnly);
    // A start that failed at once was told before anyone could listen.
    if (process->state() == QProcess::NotRunning)
        QMetaObject::invokeMethod(command, &RunningCommand::failedToStart, Qt::QueuedConnection);
    return command;
}

RunningCommand::RunningCommand(QObject *parent)
    : QObject(parent)
    , process(nullptr)
{}

RunningCommand::~RunningCommand()
{
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(-1);
    }
}

bool RunningCommand::isRunning() const
{
    return process->state() != QProcess::NotRunning;
}

QByteArray RunningCommand::takeOutput()
{
    return process->readAllStandardOutput();
}

bool RunningCommand::waitForOutput(int limitMs)
{
    return process->waitForReadyRead(limitMs);
}

void RunningCommand::kill()
{
    process->kill();
}

void RunningCommand::waitToEnd()
{
    process->waitForFinished(-1);
}

QString lpstatOutputText(const QByteArray &output)
{
    QByteArray text = output.left(output.indexOf('\0') < 0 ? output.size() : output.indexOf('\0'));
    text.replace('\n', QByteArray());
    return QString::fromUtf8(text.left(lpstatTextLimit));
}

QString lpstatStatusWord(const QString &text)
{
    for (const StatusWord &entry : statusWords) {
        if (text.indexOf(QString::fromUtf8(entry.word)) >= 0)
            return QCoreApplication::translate("QObject", entry.status);
    }
    return text;
}

QString printerStatus(const QString &name)
{
    const CommandResult result =
        CommandRunner::runToEnd(QStringLiteral("lpstat"), {QStringLiteral("-p"), name});
    if (!result.started)
        return QCoreApplication::translate("QObject",
                                           "Error: Printer does not exist or lpstat failed.");
    return lpstatStatusWord(lpstatOutputText(result.standardOutput));
}

CommandResult runLpoptions(const QString &printerName,
                           const QList<QPair<QString, QString>> &options,
                           const std::atomic<bool> *stop)
{
    QStringList arguments {QStringLiteral("-p"), printerName};
    for (const auto &option : options)
        arguments << QStringLiteral("-o") << option.first + QLatin1Char('=') + option.second;
    return CommandRunner::run(QStringLiteral("lpoptions"), arguments, -1, stop);
}
