#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>

// The outcome of one child process.
struct CommandResult
{
    bool started = false;
    // False when the time limit ran out; the process was then killed.
    bool finishedInTime = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    // Ended in time, by itself, with whatever exit status.
    bool endedByItself() const
    {
        return started && finishedInTime && exitStatus == QProcess::NormalExit;
    }

    // Ended in time, by itself, with exit status 0.
    bool succeeded() const { return endedByItself() && exitCode == 0; }
};

// What becomes of a child's standard output or standard error.
enum class ChildOutput {
    Kept,      // read into the CommandResult
    Discarded, // the null device
    Forwarded, // this process's own channel
};

class RunningCommand;

// Runs child processes, program and arguments kept apart: no shell ever sees
// a name or a value.
class CommandRunner
{
public:
    // Time limit of run() when none is given: 30000 ms. Tests shorten it.
    static int timeoutMs();
    static void setTimeoutMs(int ms);

    // Waits at most `limitMs` for the end (timeoutMs() when negative); a
    // process still running then is killed. So is one still running when
    // `stop` is set (by another thread).
    static CommandResult run(const QString &program, const QStringList &arguments, int limitMs = -1,
                             const std::atomic<bool> *stop = nullptr);
    // Waits for the end however long it takes.
    static CommandResult runToEnd(const QString &program, const QStringList &arguments);
    // The same, handing `input` to the child's standard input and closing it
    // once the child has started.
    static CommandResult runToEnd(const QString &program, const QStringList &arguments,
                                  const QByteArray &input, ChildOutput output, ChildOutput error);

    // Starts the child inside `folder`, entered by its bytes in the child
    // (whatever their encoding, through a link when it is one), and returns
    // at once: the caller connects to what the child does. Its standard
    // output is read as it comes, its standard error is discarded. A child
    // that cannot enter the folder ends at once with exit code 127.
    static RunningCommand *start(const QString &program, const QStringList &arguments,
                                 const QByteArray &folder, QObject *parent);

private:
    static CommandResult runFor(const QString &program, const QStringList &arguments, int waitMs,
                                const QByteArray *input = nullptr,
                                ChildOutput output = ChildOutput::Kept,
                                ChildOutput error = ChildOutput::Kept,
                                const std::atomic<bool> *stop = nullptr);
};

// A child started by CommandRunner::start() that runs while the event loop
// goes on. Its signals come from the event loop or from the waits below,
// never before start() has returned. Destroyed while the child runs, it
// kills the child and waits for its end.
class RunningCommand : public QObject
{
    Q_OBJECT

public:
    ~RunningCommand() override;

    // Started or starting, and not yet ended.
    bool isRunning() const;
    // The standard output that arrived since the last call.
    QByteArray takeOutput();
    // Waits at most `limitMs` for output; false when none came (the child
    // ended or the time ran out).
    bool waitForOutput(int limitMs);
    void kill();
    // Waits for the end however long it takes.
    void waitToEnd();

signals:
    void outputArrived();
    // The child ended, by itself or killed.
    void ended();
    void failedToStart();

private:
    explicit RunningCommand(QObject *parent);

    QProcess *process;

    friend class CommandRunner;
};

// A child process started now and waited for later, so that the caller can
// do other work while it runs. Program and arguments are kept apart, as for
// CommandRunner. A run never waited for is waited for when this goes.
class BackgroundCommand
{
public:
    BackgroundCommand(const QString &program, const QStringList &arguments);
    ~BackgroundCommand();

    // Waits for the end however long it takes, or at most `limitMs` when not
    // negative (a child still running then is killed), or until `stop` is
    // set; the outcome as CommandRunner::run would give it. Once only.
    CommandResult waitToEnd(int limitMs = -1, const std::atomic<bool> *stop = nullptr);

private:
    BackgroundCommand(const BackgroundCommand &) = delete;
    BackgroundCommand &operator=(const BackgroundCommand &) = delete;

    QProcess *process;
    bool started = false;
    bool waited = false;
};

// `lpstat -p NAME`, its output reduced to "Idle", "Paused" or "Printing"
// (translated) or shown as it is. Waits without a time limit.
QString printerStatus(const QString &name);

// The text printerStatus classifies: the output's lines joined without a
// separator, cut at its first NUL and after 1022 bytes.
QString lpstatOutputText(const QByteArray &output);

// The status word that the first matching word of the six languages gives;
// the text itself when none matches. Case-sensitive.
QString lpstatStatusWord(const QString &text);

// `lpoptions -p NAME -o keyword=choice ...`, one "-o" and one keyword=choice
// argument per pair, in the given order. Succeeds only when lpoptions ended
// within the time limit with exit status 0; `stop` ends it early, failed.
CommandResult runLpoptions(const QString &printerName,
                           const QList<QPair<QString, QString>> &options,
                           const std::atomic<bool> *stop = nullptr);
