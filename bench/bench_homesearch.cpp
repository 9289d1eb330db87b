// The other applications' settings after a write, on a home folder of
// 200,000 files: how long the window's thread is held, waiting for the whole
// search as before, and with the search's output taken as it comes. "held"
// is the longest time the event loop did not get back to a timer that is
// due at every turn; "total" is the time until the edits are done.
#include "system/AppPrintSettingsUpdater.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int filesInHome = 200000;

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "vellumark_bench";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

void putFile(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        if (::write(fd, content.constData(), size_t(content.size())) < 0)
            perror(path.constData());
        ::close(fd);
    }
}

// 20 x 100 folders of 100 files each, as a home of documents would have.
class BenchHome
{
public:
    BenchHome()
    {
        root = QFile::encodeName(dir.path());
        for (int top = 0; top < 20; ++top) {
            const QByteArray upper = root + "/Documents-" + QByteArray::number(top);
            ::mkdir(upper.constData(), 0755);
            for (int mid = 0; mid < filesInHome / 2000; ++mid) {
                const QByteArray folder = upper + "/project " + QByteArray::number(mid);
                ::mkdir(folder.constData(), 0755);
                for (int file = 0; file < 100; ++file)
                    putFile(folder + "/notes-" + QByteArray::number(file) + ".txt", "x\n");
            }
        }
        ::mkdir((root + "/.config").constData(), 0755);
        ::mkdir((root + "/.config/gedit").constData(), 0755);
    }

    // The files a run edits, put back before each run.
    void putSettings()
    {
        putFile(root + "/.config/gedit/gedit-print-settings", "[Print Settings]\n");
        putFile(root + "/.config/gedit/gedit-page-setup", "[Page Setup]\n");
    }

    QTemporaryDir dir;
    QByteArray root;
};

BenchHome &benchHome()
{
    static BenchHome home;
    return home;
}

// Times `update` on freshly put settings files; `update` says how long it
// held the thread, in milliseconds, by the clock it is given.
template<class Update>
void timeUpdates(benchmark::State &state, Update update)
{
    ensureApplication();
    BenchHome &home = benchHome();
    qputenv("HOME", home.root);
    double heldMs = 0;
    for (auto _ : state) {
        home.putSettings();
        QElapsedTimer clock;
        clock.start();
        heldMs = qMax(heldMs, update(clock));
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (QFile::exists(QFile::decodeName(home.root + "/.config/gedit/gedit-print-settings")))
            state.SkipWithError("the update did not remove the print settings");
    }
    state.counters["held_ms"] = heldMs;
    state.counters["files"] = filesInHome;
}

// Before: the window waited for the search and the edits.
void BM_HomeSearchWaited(benchmark::State &state)
{
    timeUpdates(state, [](QElapsedTimer &clock) {
        AppPrintSettingsUpdater updater;
        updater.findFiles();
        updater.apply(QStringLiteral("A4"));
        return clock.nsecsElapsed() / 1e6;
    });
}

// After: the search runs while the event loop goes on.
void BM_HomeSearchInBackground(benchmark::State &state)
{
    timeUpdates(state, [](QElapsedTimer &clock) {
        AppPrintSettingsUpdater::updateInBackground(QStringLiteral("A4"));
        // The caller's share, then every turn of the loop until the end.
        qint64 lastTurn = clock.nsecsElapsed();
        qint64 longest = lastTurn;
        QEventLoop loop;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = qMax(longest, now - lastTurn);
            lastTurn = now;
            if (!AppPrintSettingsUpdater::updatesPending())
                loop.quit();
        });
        turn.start(0);
        loop.exec();
        return longest / 1e6;
    });
}

} // namespace

BENCHMARK(BM_HomeSearchWaited)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HomeSearchInBackground)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
