// The real main window, timed as a user meets it: start-up to the first
// shown window, a click on a printer, Apply. Driven by bench/web_vs_window.sh,
// which runs it against a private cupsd and sets HOME.
//
//   vellumark_windowbench USERBASE startup
//       start-up from the process start: VM_EXEC_AT (seconds since the
//       epoch, as bash's EPOCHREALTIME just before the start) to the
//       shown window and to the filled list; without it, from main()
//   vellumark_windowbench USERBASE serve
//       shows the window, then answers one line per command read:
//       "select QUEUE" (until the tabs show the queue), "apply QUEUE" (the
//       queue is selected first, untimed; timed until the "Settings
//       applied." box, until the click returned and until the refill that
//       follows has ended), "lpoptions QUEUE" (lpoptions alone with the
//       options the queue's Apply writes), "refill", "rss" (the peak
//       resident size so far, in kB), "quit". Each timed command also gives
//       the longest gap between two turns of the event loop while it ran.
//   vellumark_windowbench USERBASE parts ROUNDS QUEUE
//
// Prints one "name milliseconds..." line per figure. The window asks CUPS on
// a thread of its own: a command ends when the answer it waits for came.
#include "app/TolDialog.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"
#include "system/CupsPrinters.h"
#include "system/CupsWorker.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"
#include "tabs/PrinterTab.h"
#include "tabs/Tab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <time.h>

namespace {

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

double msSince(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

void prepareUser(const QString &userBase)
{
    SystemPaths::setUserBase(QDir(userBase).absolutePath() + QStringLiteral("/"));
    QDir().mkpath(SystemPaths::perUserDirectory());
    QFile settings(SystemPaths::settingsFilePath());
    // Answered once, so that no consent question comes up.
    if (!settings.exists() && settings.open(QIODevice::WriteOnly))
        settings.write("Telemetry=False\n");
}

// Runs the event loop until the window awaits no answer of CUPS.
void waitForQuiet(TolDialog &window, PrinterTab *printerTab)
{
    if (!window.awaitsCups())
        return;
    QEventLoop loop;
    QObject::connect(printerTab->cups(), &CupsWorker::answered, &loop, [&] {
        if (!window.awaitsCups())
            loop.quit();
    });
    loop.exec();
}

// The longest time between two turns of the event loop while it runs.
class LoopGaps
{
public:
    LoopGaps()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longest = qMax(longest, msSince(clock));
            clock.start();
        });
    }
    void start()
    {
        longest = 0;
        clock.start();
        timer.start(0);
    }
    double stop()
    {
        longest = qMax(longest, msSince(clock));
        timer.stop();
        return longest;
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    double longest = 0;
};

// Selects the queue and runs the event loop until the tabs show it.
bool selectQueue(PrinterTab *printerTab, const QString &queue)
{
    QTableWidget *table = printerTab->table();
    const QList<QTableWidgetItem *> found = table->findItems(queue, Qt::MatchExactly);
    for (const QTableWidgetItem *item : found) {
        if (item->column() == 0) {
            QEventLoop loop;
            QObject::connect(printerTab, &PrinterTab::printerSelected, &loop, &QEventLoop::quit);
            table->setCurrentCell(item->row(), 0);
            if (printerTab->selectionPending())
                loop.exec();
            return AppState::optionModel && AppState::optionModel->printerName() == queue;
        }
    }
    return false;
}

long peakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double realtimeMs()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

int startup(const QElapsedTimer &sinceMain)
{
    TolDialog window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const double shownAt = realtimeMs();
    const double shownSinceMain = msSince(sinceMain);
    waitForQuiet(window, window.findChild<PrinterTab *>());
    bool fromExec = false;
    const double execAt = qEnvironmentVariable("VM_EXEC_AT").toDouble(&fromExec);
    if (fromExec)
        std::printf("startup %.1f %.1f\n", realtimeMs() - execAt * 1e3, shownAt - execAt * 1e3);
    else
        std::printf("startup-from-main %.1f %.1f\n", msSince(sinceMain), shownSinceMain);
    return 0;
}

// One command line from the script. A child process ending (the home search
// after an Apply, say) interrupts the blocked read; that is no end of input.
bool readCommand(std::string *line)
{
    line->clear();
    for (;;) {
        errno = 0;
        const int c = std::getchar();
        if (c == '\n')
            return true;
        if (c == EOF) {
            if (errno == EINTR) {
                clearerr(stdin);
                continue;
            }
            return !line->empty();
        }
        line->push_back(char(c));
    }
}

// The options the queue's Apply hands to lpoptions, as the window holds them.
QList<QPair<QString, QString>> applyOptions(TolDialog &window, PrinterTab *printerTab)
{
    QList<Tab *> tabs = window.findChildren<Tab *>();
    const OptionHash values = TabOptionCollector(&tabs).collectTabOptions();
    bool known = false;
    QStringList keywords = printerTab->lpoptionsKeywords(&known);
    if (!known) { // the bench's own wait, not the window's
        CupsConnection connection;
        keywords = topLevelOptionKeywords(AppState::optionModel->printerName(), connection);
    }
    QList<QPair<QString, QString>> options;
    for (const QString &keyword : qAsConst(keywords)) {
        const QString value = values.value(keyword);
        if (!value.isEmpty())
            options.append(qMakePair(keyword, value));
    }
    return options;
}

int serve(double *boxShownAt)
{
    TolDialog window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *printerTab = window.findChild<PrinterTab *>();
    QPushButton *apply = window.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply);
    waitForQuiet(window, printerTab);
    LoopGaps gaps;
    std::printf("ready\n");
    std::fflush(stdout);
    std::string line;
    while (readCommand(&line)) {
        const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
        const QString command = words.value(0);
        const QString queue = words.value(1);
        if (command == QLatin1String("quit"))
            break;
        QElapsedTimer clock;
        if (command == QLatin1String("select")) {
            gaps.start();
            clock.start();
            const bool selected = selectQueue(printerTab, queue);
            const double took = msSince(clock);
            // The statuses that follow a selection come before the next command.
            waitForQuiet(window, printerTab);
            const double gap = gaps.stop();
            if (!selected)
                std::printf("error cannot select %s\n", qPrintable(queue));
            else
                std::printf("select %s %.1f %.1f\n", qPrintable(queue), took, gap);
        } else if (command == QLatin1String("apply")) {
            const bool selected =
                (AppState::optionModel && AppState::optionModel->printerName() == queue)
                || selectQueue(printerTab, queue);
            waitForQuiet(window, printerTab);
            if (!selected) {
                std::printf("error cannot select %s\n", qPrintable(queue));
            } else {
                *boxShownAt = -1;
                gaps.start();
                const double start = realtimeMs();
                apply->click();
                const double clicked = realtimeMs();
                waitForQuiet(window, printerTab);
                const double end = realtimeMs();
                const double gap = gaps.stop();
                if (*boxShownAt < 0)
                    std::printf("error no \"Settings applied.\" box\n");
                else
                    std::printf("apply %s %.1f %.1f %.1f %.1f\n", qPrintable(queue),
                                *boxShownAt - start, clicked - start, end - start, gap);
            }
        } else if (command == QLatin1String("lpoptions")) {
            if (!AppState::optionModel || AppState::optionModel->printerName() != queue) {
                std::printf("error %s is not selected\n", qPrintable(queue));
            } else {
                const auto options = applyOptions(window, printerTab);
                clock.start();
                const bool ok = runLpoptions(queue, options).succeeded();
                std::printf("lpoptions %s %.1f %d\n", qPrintable(queue), msSince(clock),
                            int(options.size()));
                if (!ok)
                    std::fprintf(stderr, "lpoptions failed\n");
            }
        } else if (command == QLatin1String("refill")) {
            clock.start();
            printerTab->fillPrinterTable();
            waitForQuiet(window, printerTab);
            std::printf("refill %.1f\n", msSince(clock));
        } else if (command == QLatin1String("rss")) {
            std::printf("rss %ld\n", peakRssKb());
        } else {
            std::printf("error unknown command\n");
        }
        std::fflush(stdout);
    }
    return 0;
}

// What one selection is made of, each part timed alone.
int parts(int rounds, const QStringList &queues)
{
    auto time = [rounds](const char *name, const std::function<void()> &part) {
        QList<double> values;
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer clock;
            clock.start();
            part();
            values << msSince(clock);
        }
        std::printf("part:%s %.1f\n", name, median(values));
    };
    const QString queue = queues.first();
    CupsConnection connection;
    time("destinations", [&] { cupsPrinterSet(connection); });
    time("model", [&] { buildPrinterModel(queue, connection); });
    time("listing", [&] { listMakerPrinters(connection); });
    QStringList names;
    for (const MakerPrinter &printer : listMakerPrinters(connection).printers)
        names << printer.name;
    time("statuses", [&] { printerStatuses(names); });
    time("lpoptions", [&] {
        runLpoptions(queue, {{QStringLiteral("PageSize"), QStringLiteral("A4")}});
    });
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    keepGlDriverUnloaded();
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: %s USERBASE startup | USERBASE serve | USERBASE parts ROUNDS QUEUE\n",
                     argv[0]);
        return 2;
    }
    prepareUser(args.at(0));
    double boxShownAt = -1;
    MessageBoxes::setHandler([&boxShownAt](QMessageBox::Icon, const QString &, const QString &text,
                                           QMessageBox::StandardButtons) {
        if (text == QLatin1String("Settings applied."))
            boxShownAt = realtimeMs();
        else
            std::fprintf(stderr, "box: %s\n", qPrintable(text));
        return QMessageBox::Ok;
    });

    if (args.at(1) == QLatin1String("startup"))
        return startup(sinceMain);
    if (args.at(1) == QLatin1String("parts") && args.size() >= 4)
        return parts(qMax(1, args.at(2).toInt()), args.mid(3));
    if (args.at(1) == QLatin1String("serve"))
        return serve(&boxShownAt);
    return 2;
}
