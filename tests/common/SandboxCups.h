#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QProcess;

// A private cupsd on a loopback port with queues made from our fixture PPDs.
// Starting it points this process (libcups, lpstat, lpoptions) at it through
// CUPS_SERVER; stopping it ends the daemon.
class SandboxCups
{
public:
    SandboxCups();
    ~SandboxCups();

    // Queues as (fixture file name under tests/data, queue name), in order.
    bool start(const QList<QPair<QString, QString>> &queues);
    void stop();
    // Stops the daemon and starts it again on the same address, with the
    // same queues: CUPS going away and coming back under a running program.
    bool halt();
    bool resume();
    // Stops the daemon where it stands (SIGSTOP) and lets it go on (SIGCONT):
    // a CUPS that accepts connections and never answers. resume() thaws.
    bool freeze();
    bool thaw();
    // A relay to the daemon that freezes it just before the first request
    // for a queue's PPD reaches it: CUPS falling silent at a known point of
    // a listing, however fast the machine. Its address, for CUPS_SERVER;
    // empty when it did not come up. It lives as long as this object.
    QString relayFreezingAtFirstPpd();
    // A relay that holds every request for `queue`'s PPD, and makes
    // `gate`/held, until `gate`/go exists; the daemon goes on meanwhile.
    QString relayHoldingPpd(const QString &queue, const QString &gate);

    QString server() const { return serverAddress; }
    QString errorText() const { return lastError; }

    // Runs a CUPS administration command against the sandbox.
    bool run(const QString &program, const QStringList &arguments);
    // Adds an enabled queue made from a fixture PPD, as start() makes them.
    bool addQueue(const QString &fixture, const QString &name);

    // The PPD fetches the daemon answered so far (its access log), as a
    // count of what a program asked for.
    int ppdRequests() const;

    static QString dataFile(const QString &name);

private:
    QTemporaryDir baseDir;
    QString stateDir;
    QString serverAddress;
    QString lastError;
    bool running = false;
    QString startRelay(const QStringList &holding);
    std::unique_ptr<QProcess> relay;
};
