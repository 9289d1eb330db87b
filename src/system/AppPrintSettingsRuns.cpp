#include "system/AppPrintSettingsUpdater.h"

#include <QCoreApplication>
#include <QThread>

// The window's updates, one after another, finished before the application
// quits: a run started later must not edit while an earlier one still
// searches, or the earlier one would find its files replaced and skip them.
// The search's output is taken on the window's thread as it comes; the edits
// wait for the disk (a rewrite is flushed before it replaces the file), so
// they run on a thread of their own.
class AppPrintSettingsRuns : public QObject
{
public:
    static AppPrintSettingsRuns *instance();
    static AppPrintSettingsRuns *existing();
    ~AppPrintSettingsRuns() override;

    void request(const QByteArray &home, const QString &pageSize);
    void finishAll();
    bool busy() const { return running || waiting; }

private:
    explicit AppPrintSettingsRuns(QObject *parent)
        : QObject(parent)
    {}
    void startRun(const QByteArray &home, const QString &pageSize);
    void searchEnded();
    void editsEnded();

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
        QCoreApplication *application = QCoreApplication::instance();
        theRuns = new AppPrintSettingsRuns(application);
        // OK closes the window right after Apply: the program ends only
        // once the files are in line.
        connect(application, &QCoreApplication::aboutToQuit, theRuns, [] { theRuns->finishAll(); });
        // A program that ends without its event loop: the application's
        // destructor calls this while timers still work, which they no longer
        // do when its children are destroyed.
        qAddPostRoutine(&AppPrintSettingsUpdater::finishPendingUpdates);
    }
    return theRuns;
}

AppPrintSettingsRuns *AppPrintSettingsRuns::existing()
{
    return theRuns;
}

AppPrintSettingsRuns::~AppPrintSettingsRuns()
{
    finishAll();
    theRuns = nullptr;
}

void AppPrintSettingsRuns::request(const QByteArray &home, const QString &pageSize)
{
    if (running) {
        // The files end as the last request leaves them, so the ones in
        // between need no run of their own.
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
    QThread *thread = editing;
    connect(editing, &QThread::finished, this, [this, thread] {
        // finishAll() may have seen this thread end first.
        if (editing == thread)
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
    if (waiting) {
        waiting = false;
        startRun(waitingHome, waitingPageSize);
    }
}

void AppPrintSettingsRuns::finishAll()
{
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
