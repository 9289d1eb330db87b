#include "system/AppPrintSettingsUpdater.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>

// The window's updates, one after another, finished before the application
// quits: a run started later must not edit while an earlier one still
// searches, or the earlier one would find its files replaced and skip them.
// They run on a thread of their own: starting `find` forks the whole program,
// which the window would feel, and its output comes in as it is read. The
// edits wait for the disk (a rewrite is flushed before it replaces the
// file), so they run on a thread of their own again, and the search thread
// stays free to be told of the next request.
class AppPrintSettingsRuns : public QObject
{
public:
    static AppPrintSettingsRuns *instance();
    static AppPrintSettingsRuns *existing();
    // From the application's thread, as it ends: every run finished, then
    // the thread.
    static void shutDown();

    // From any thread.
    void request(const QByteArray &home, const QString &pageSize);
    // From any thread but the runs' own: waits for every run asked so far.
    void finishAll();
    bool busy() const { return outstanding > 0; }

private:
    AppPrintSettingsRuns() = default;
    // The rest on the runs' thread.
    void take(const QByteArray &home, const QString &pageSize);
    void startRun(const QByteArray &home, const QString &pageSize);
    void searchEnded();
    void editsEnded();
    void finishHere();

    // Requests not yet ended, counted when asked, so that busy() is true at
    // once; one that a later one replaced while it waited counts as ended.
    std::atomic<int> outstanding {0};
    QThread *thread = nullptr;
    AppPrintSettingsUpdater *running = nullptr;
    QThread *editing = nullptr;
    QString runningPageSize;
    bool waiting = false;
    QByteArray waitingHome;
    QString waitingPageSize;
};

namespace {
AppPrintSettingsRuns *theRuns = nullptr;
} // namespace

AppPrintSettingsRuns *AppPrintSettingsRuns::instance()
{
    if (!theRuns) {
        theRuns = new AppPrintSettingsRuns;
        theRuns->thread = new QThread;
        theRuns->thread->setObjectName(QStringLiteral("home search"));
        theRuns->moveToThread(theRuns->thread);
        theRuns->thread->start();
        // OK closes the window right after Apply: the program ends only
        // once the files are in line.
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
            if (theRuns)
                theRuns->finishAll();
        });
        // A program that ends without its event loop: the application's
        // destructor calls this while its threads still run.
        qAddPostRoutine(&AppPrintSettingsRuns::shutDown);
    }
    return theRuns;
}

AppPrintSettingsRuns *AppPrintSettingsRuns::existing()
{
    return theRuns;
}

void AppPrintSettingsRuns::shutDown()
{
    if (!theRuns)
        return;
    theRuns->finishAll();
    QThread *thread = theRuns->thread;
    thread->quit();
    thread->wait();
    delete theRuns;
    theRuns = nullptr;
    delete thread;
}

void AppPrintSettingsRuns::request(const QByteArray &home, const QString &pageSize)
{
    ++outstanding;
    QMetaObject::invokeMethod(
        this, [this, home, pageSize] { take(home, pageSize); }, Qt::QueuedConnection);
}

void AppPrintSettingsRuns::finishAll()
{
    if (busy())
        QMetaObject::invokeMethod(
            this, [this] { finishHere(); }, Qt::BlockingQueuedConnection);
}

void AppPrintSettingsRuns::take(const QByteArray &home, const QString &pageSize)
{
    if (running) {
        // The files end as the last request leaves them, so the ones in
        // between need no run of their own.
        if (waiting)
            --outstanding;
        waiting = true;
        waitingHome = home;
        waitingPageSize = pageSize;
        return;
    }
    startRun(home, pageSize);
}

void AppPrintSettingsRuns::startRun(const QByteArray &home, const QString &pageSize)
{
    running = new AppPrintSettingsUpdater(home, this);
    runningPageSize = pageSize;
    connect(running, &AppPrintSettingsUpdater::searchDone, this, [this] { searchEnded(); });
    running->startSearch();
}

void AppPrintSettingsRuns::searchEnded()
{
    AppPrintSettingsUpdater *updater = running;
    const QString pageSize = runningPageSize;
    editing = QThread::create([updater, pageSize] { updater->apply(pageSize); });
    QThread *edits = editing;
    connect(editing, &QThread::finished, this, [this, edits] {
        // finishHere() may have seen this thread end first.
        if (editing == edits)
            editsEnded();
    });
    editing->start();
}

void AppPrintSettingsRuns::editsEnded()
{
    editing->deleteLater();
    editing = nullptr;
    running->deleteLater();
    running = nullptr;
    --outstanding;
    if (waiting) {
        waiting = false;
        startRun(waitingHome, waitingPageSize);
    }
}

void AppPrintSettingsRuns::finishHere()
{
    // Requests asked before the wait are queued behind it: taken first.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    while (running) {
        if (editing) {
            editing->wait();
            editsEnded();
        } else {
            running->finishSearch();
        }
    }
}

void AppPrintSettingsUpdater::updateInBackground(const QString &pageSize)
{
    const QByteArray homeFolder = homeDirectory();
    if (!QCoreApplication::instance()) {
        AppPrintSettingsUpdater updater(homeFolder, nullptr);
        updater.findFiles();
        updater.apply(pageSize);
        return;
    }
    AppPrintSettingsRuns::instance()->request(homeFolder, pageSize);
}

void AppPrintSettingsUpdater::finishPendingUpdates()
{
    if (AppPrintSettingsRuns *runs = AppPrintSettingsRuns::existing())
        runs->finishAll();
}

bool AppPrintSettingsUpdater::updatesPending()
{
    const AppPrintSettingsRuns *runs = AppPrintSettingsRuns::existing();
    return runs && runs->busy();
}
