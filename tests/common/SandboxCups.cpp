#include "SandboxCups.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <signal.h>

namespace {

QString script()
{
    return QStringLiteral(VM_TEST_SCRIPTS "/sandbox-cups.sh");
}

} // namespace

SandboxCups::SandboxCups()
    : stateDir(baseDir.path() + QStringLiteral("/cups"))
{}

SandboxCups::~SandboxCups()
{
    relay.reset();
    stop();
}

QString SandboxCups::dataFile(const QString &name)
{
    return QStringLiteral(VM_TEST_DATA "/") + name;
}

bool SandboxCups::start(const QList<QPair<QString, QString>> &queues)
{
    QStringList arguments {script(), QStringLiteral("start"), stateDir, QStringLiteral("--owner"),
                           QString::number(QCoreApplication::applicationPid())};
    for (const auto &queue : queues)
        arguments << dataFile(queue.first) << queue.second;
    QProcess process;
    process.start(QStringLiteral("bash"), arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        lastError = QString::fromLocal8Bit(process.readAllStandardError());
        running = true; // a half-started daemon still needs stopping
        return false;
    }
    running = true;
    const QStringList lines =
        QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    serverAddress = lines.isEmpty() ? QString() : lines.last().trimmed();
    qputenv("CUPS_SERVER", serverAddress.toLocal8Bit());
    return !serverAddress.isEmpty();
}

void SandboxCups::stop()
{
    if (!running)
        return;
    running = false;
    QProcess::execute(QStringLiteral("bash"), {script(), QStringLiteral("stop"), stateDir});
}

bool SandboxCups::halt()
{
    return running
           && QProcess::execute(QStringLiteral("bash"),
                                {script(), QStringLiteral("halt"), stateDir})
                  == 0;
}

namespace {

bool signalDaemon(const QString &stateDir, int signal)
{
    QFile pidFile(stateDir + QStringLiteral("/cupsd.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return false;
    const int pid = pidFile.readAll().trimmed().toInt();
    return pid > 0 && ::kill(pid, signal) == 0;
}

} // namespace

bool SandboxCups::freeze()
{
    return running && signalDaemon(stateDir, SIGSTOP);
}

bool SandboxCups::thaw()
{
    return running && signalDaemon(stateDir, SIGCONT);
}

QString SandboxCups::relayFreezingAtFirstPpd()
{
    return startRelay({});
}

QString SandboxCups::relayHoldingPpd(const QString &queue, const QString &gate)
{
    return startRelay({queue, gate});
}

QString SandboxCups::startRelay(const QStringList &holding)
{
    const int colon = serverAddress.lastIndexOf(QLatin1Char(':'));
    if (!running || colon < 0)
        return QString();
    relay.reset(new QProcess);
    relay->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    relay->start(
        QStringLiteral("python3"),
        QStringList({QStringLiteral(VM_TEST_SCRIPTS "/cups-relay.py"), serverAddress.left(colon),
                     serverAddress.mid(colon + 1), stateDir + QStringLiteral("/cupsd.pid")})
            + holding);
    while (!relay->canReadLine()) {
        if (!relay->waitForReadyRead(120000))
            return QString();
    }
    const int port = relay->readLine().trimmed().toInt();
    return port > 0 ? QStringLiteral("127.0.0.1:%1").arg(port) : QString();
}

bool SandboxCups::resume()
{
    thaw();
    QProcess process;
    process.start(QStringLiteral("bash"), {script(), QStringLiteral("resume"), stateDir});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        lastError = QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

bool SandboxCups::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return false;
    lastError = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool SandboxCups::addQueue(const QString &fixture, const QString &name)
{
    return run(QStringLiteral("lpadmin"),
               {"-p", name, "-E", "-v", "file:///dev/null", "-P", dataFile(fixture)});
}

int SandboxCups::ppdRequests() const
{
    QFile log(stateDir + QStringLiteral("/log/access_log"));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    while (!log.atEnd()) {
        const QByteArray line = log.readLine();
        if (line.contains("\"GET /printers/") && line.contains(".ppd HTTP/"))
            ++count;
    }
    return count;
}
