// The real main window, timed as a user meets it: start-up to the first
// shown window, a click on a printer, Apply. Driven by bench/web_vs_window.sh,
// which runs it against a private cupsd and sets HOME. Printers are chosen
// as a person chooses them: mouse clicks on the row and key presses, sent
// through the application to the shown and active window while its event
// loop runs, so that whatever the window does with input meets them too.
//
//   vellumark_windowbench USERBASE startup
//       start-up from the process start: VM_EXEC_AT (seconds since the
//       epoch, as bash's EPOCHREALTIME just before the start) to the
//       filled list and to the shown window, and the longest event-loop
//       gap from showing the window to the filled list; without
//       VM_EXEC_AT, from main()
//   vellumark_windowbench USERBASE serve
//       shows the window, then answers one line per command read:
//       "select QUEUE" (until the tabs show the queue, and until no request
//       to CUPS is pending), "apply QUEUE" (the queue is selected first,
//       untimed; timed until the "Settings applied." box, until the click
//       returned and until the refill that follows has ended), "applyselect
//       QUEUE OTHER" (Apply on QUEUE, untimed; right after its box, OTHER
//       is clicked, timed until the tabs show it), "heldkey PRESSES MS"
//       (from the first row, Down pressed that often at that interval, at
//       most once per row below: the rows the table moved, the presses, the
//       time from the last press until no request is pending, and whether
//       the title then names the row's queue), "clicks COUNT MS" (that many
//       clicks at that interval, each on a row other than the one before:
//       whether the last clicked row is the one selected once no request is
//       pending, the clicks the table took at once, the clicks, the time
//       from the last click until no request is pending), "lpoptions QUEUE"
//       (lpoptions alone with the options the queue's Apply writes),
//       "dests" (one Get-Printers with the listing's attributes: the
//       destination list alone), "refill", "quit". Each timed command also
//       gives the longest gap between two turns of the event loop while it
//       ran, and a selection the clicks it took.
//   vellumark_windowbench USERBASE rss SELECTIONS QUEUE OTHER
//       the peak and the present resident size (kB) after that many
//       selections, alternating between the two queues
//   vellumark_windowbench USERBASE ppds
//       every queue's PPD fetched and opened once, one after the other:
//       the floor of a listing that reads each PPD
//   vellumark_windowbench USERBASE parts ROUNDS QUEUE
//
// Beside the window's own libraries only Qt Test is linked, for its input
// events; the resident size is the program's within the few pages of it
// that are touched.
//
// Prints one "name milliseconds..." line per figure. The window asks CUPS on
// a thread of its own: a command ends when the answer it waits for came.
#include "app/TolDialog.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"
#include "system/CupsPrinters.h"
#include "system/AppState.h"
#include "system/AppPrintSettingsUpdater.h"
#include "system/CupsRequests.h"
#include "system/CupsWorker.h"
#include "system/FetchedPpd.h"
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
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#include <cups/cups.h>
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

// How long any one wait of the bench may last before it gives up.
constexpr int waitBoundMs = 60000;

// Runs the event loop until `done` holds, looking again at every answer of
// CUPS and at least every `pollMs`; false when it did not hold within the
// bound.
bool waitUntil(PrinterTab *printerTab, const std::function<bool()> &done, int pollMs = 20)
{
    if (done())
        return true;
    QElapsedTimer guard;
    guard.start();
    QEventLoop loop;
    QTimer poll;
    auto check = [&] {
        if (done() || guard.elapsed() > waitBoundMs)
            loop.quit();
    };
    QObject::connect(printerTab->requests(), &CupsRequests::answerHandedOver, &loop, check);
    QObject::connect(printerTab, &PrinterTab::printerSelected, &loop, check);
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(pollMs);
    loop.exec();
    return done();
}

// Runs the event loop until the window awaits no answer of CUPS that the
// user waits for.
bool waitForQuiet(TolDialog &window, PrinterTab *printerTab)
{
    return waitUntil(printerTab, [&] { return !window.awaitsCups(); });
}

// What the window still has in hand from the last command (the status
// words, the home search after Apply, the paint of a refilled table) is done
// before the next one is timed: a person's next click never comes in the
// same millisecond.
void catchUp(TolDialog &window, PrinterTab *printerTab)
{
    waitUntil(printerTab, [&] {
        return !window.awaitsCups() && !window.readsStatuses()
               && !AppPrintSettingsUpdater::updatesPending();
    });
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Runs the event loop until the window is on the screen; false after 20 s.
bool waitForExposed(QWidget &window)
{
    QElapsedTimer guard;
    guard.start();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (guard.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
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

// Shows the window and makes it the active one, as a desktop does when it
// opens; false when it did not come on the screen.
bool showActive(TolDialog &window)
{
    window.show();
    if (!waitForExposed(window))
        return false;
    window.activateWindow();
    // Without a window manager the X server may never say so.
    if (!QTest::qWaitForWindowActive(&window, 5000))
        QApplication::setActiveWindow(&window);
    return true;
}

// The row of the queue in the table; -1 when it is not listed.
int rowOf(QTableWidget *table, const QString &queue)
{
    for (const QTableWidgetItem *item : table->findItems(queue, Qt::MatchExactly)) {
        if (item->column() == 0)
            return item->row();
    }
    return -1;
}

QString queueAt(QTableWidget *table, int row)
{
    const QTableWidgetItem *item = table->item(row, 0);
    return item ? item->text() : QString();
}

// A left click in the middle of the row's first cell, brought into view as
// a person would scroll to it.
void clickRow(QTableWidget *table, int row)
{
    QTableWidgetItem *item = table->item(row, 0);
    table->scrollToItem(item);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualItemRect(item).center());
}

bool titleNames(const TolDialog &window, const QString &queue)
{
    return window.windowTitle().endsWith(QStringLiteral(" - ") + queue);
}

// The queue's model is the current one and the window says so.
bool showsQueue(const TolDialog &window, const PrinterTab *printerTab, const QString &queue)
{
    return AppState::optionModel && AppState::optionModel->printerName() == queue
           && !printerTab->selectionPending() && titleNames(window, queue);
}

// How soon a person clicks again when a click moved nothing.
constexpr int clickAgainMs = 50;

// Clicks the queue's row and runs the event loop until the tabs show it.
// While the table's current row has not moved to it, the row is clicked
// again, as a person would; `clicks` counts them all.
bool selectQueue(TolDialog &window, PrinterTab *printerTab, const QString &queue,
                 int *clicks = nullptr)
{
    QTableWidget *table = printerTab->table();
    const int row = rowOf(table, queue);
    if (row < 0)
        return false;
    int count = 0;
    QTimer again;
    QObject::connect(&again, &QTimer::timeout, [&] {
        if (table->currentRow() != row) {
            clickRow(table, row);
            ++count;
        }
    });
    if (!showsQueue(window, printerTab, queue)) {
        clickRow(table, row);
        ++count;
        again.start(clickAgainMs);
    }
    const bool shown = waitUntil(printerTab, [&] { return showsQueue(window, printerTab, queue); });
    if (clicks)
        *clicks = count;
    return shown;
}

// The queue selected, unless it is already, and the window quiet after it.
bool selectQuietly(TolDialog &window, PrinterTab *printerTab, const QString &queue)
{
    const bool selected = selectQueue(window, printerTab, queue);
    return waitForQuiet(window, printerTab) && selected;
}

// Input sent at a fixed interval by a timer, while the event loop runs:
// `send(i)` for i from 0 to count - 1, the first at once.
void sendPaced(int count, int intervalMs, const std::function<void(int)> &send)
{
    if (count <= 0)
        return;
    QEventLoop loop;
    QTimer timer;
    int sent = 0;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        send(sent++);
        if (sent == count)
            loop.quit();
    });
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(intervalMs);
    send(sent++);
    if (sent < count)
        loop.exec();
}

// A held Down key from the first row: how far the table moved.
void heldKey(TolDialog &window, PrinterTab *printerTab, int presses, int intervalMs)
{
    QTableWidget *table = printerTab->table();
    if (table->rowCount() < 2 || !selectQuietly(window, printerTab, queueAt(table, 0))) {
        std::printf("error cannot select the first row\n");
        return;
    }
    table->setFocus(Qt::OtherFocusReason);
    const int start = table->currentRow();
    presses = qMin(presses, table->rowCount() - 1 - start);
    sendPaced(presses, intervalMs, [&](int) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : table,
                        Qt::Key_Down);
    });
    QElapsedTimer clock;
    clock.start();
    const bool quiet = waitForQuiet(window, printerTab);
    const double settled = msSince(clock);
    const int moved = table->currentRow() - start;
    const bool named = quiet && showsQueue(window, printerTab, queueAt(table, table->currentRow()));
    std::printf("heldkey %d %d %.1f %d\n", moved, presses, settled, int(named));
}

// Quick clicks, each on a row other than the one before: is the last one
// the row selected once the window is quiet?
void quickClicks(TolDialog &window, PrinterTab *printerTab, int count, int intervalMs)
{
    QTableWidget *table = printerTab->table();
    const int rows = table->rowCount();
    if (rows < 2 || !waitForQuiet(window, printerTab)) {
        std::printf("error no rows to click\n");
        return;
    }
    const int first = qMax(0, table->currentRow()) + 1;
    int taken = 0;
    int last = -1;
    sendPaced(count, intervalMs, [&](int i) {
        last = (first + i) % rows;
        clickRow(table, last);
        if (table->currentRow() == last)
            ++taken;
    });
    QElapsedTimer clock;
    clock.start();
    const bool quiet = waitForQuiet(window, printerTab);
    const double settled = msSince(clock);
    const bool lastSelected = quiet && table->currentRow() == last
                              && showsQueue(window, printerTab, queueAt(table, last));
    std::printf("clicks %d %d %d %.1f\n", int(lastSelected), taken, count, settled);
}

// A line of /proc/self/status in kB ("VmHWM", "VmRSS"); -1 when missing.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

double realtimeMs()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The one Get-Printers question a listing asks, with its attributes: the
// floor of a refill that fetches no PPD. The number of queues answered.
int askListingAttributes(CupsConnection &connection)
{
    bool answered = false;
    ipp_t *response = askCupsPrinters(
        connection, {"printer-name", "device-uri", "printer-config-change-time"}, &answered);
    int count = 0;
    for (ipp_attribute_t *attr = ippFindAttribute(response, "printer-name", IPP_TAG_NAME); attr;
         attr = ippFindNextAttribute(response, "printer-name", IPP_TAG_NAME))
        ++count;
    ippDelete(response);
    return count;
}

int startup(const QElapsedTimer &sinceMain)
{
    TolDialog window;
    // From the call on: the first layout and paint are the user's first wait.
    LoopGaps gaps;
    gaps.start();
    window.show();
    if (!waitForExposed(window))
        return 1;
    const double shownAt = realtimeMs();
    const double shownSinceMain = msSince(sinceMain);
    waitForQuiet(window, window.findChild<PrinterTab *>());
    const double gap = gaps.stop();
    bool fromExec = false;
    const double execAt = qEnvironmentVariable("VM_EXEC_AT").toDouble(&fromExec);
    if (fromExec)
        std::printf("startup %.1f %.1f %.1f\n", realtimeMs() - execAt * 1e3, shownAt - execAt * 1e3,
                    gap);
    else
        std::printf("startup-from-main %.1f %.1f %.1f\n", msSince(sinceMain), shownSinceMain, gap);
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

// Set while the bench waits for the "Settings applied." box.
QEventLoop *boxLoop = nullptr;

// Runs the event loop until the box came (`*boxShownAt` set); false when it
// did not come within a minute.
bool waitForBox(const double *boxShownAt)
{
    if (*boxShownAt >= 0)
        return true;
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    boxLoop = &loop;
    loop.exec();
    boxLoop = nullptr;
    return *boxShownAt >= 0;
}

int serve(double *boxShownAt)
{
    TolDialog window;
    if (!showActive(window))
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
        catchUp(window, printerTab);
        QElapsedTimer clock;
        if (command == QLatin1String("select")) {
            gaps.start();
            clock.start();
            int clicks = 0;
            const bool selected = selectQueue(window, printerTab, queue, &clicks);
            const double took = msSince(clock);
            waitForQuiet(window, printerTab);
            const double quiet = msSince(clock);
            const double gap = gaps.stop();
            if (!selected)
                std::printf("error cannot select %s\n", qPrintable(queue));
            else
                std::printf("select %s %.1f %.1f %.1f %d\n", qPrintable(queue), took, quiet, gap,
                            clicks);
        } else if (command == QLatin1String("apply")) {
            const bool selected = selectQuietly(window, printerTab, queue);
            if (!selected) {
                std::printf("error cannot select %s\n", qPrintable(queue));
            } else {
                *boxShownAt = -1;
                gaps.start();
                const double start = realtimeMs();
                QTest::mouseClick(apply, Qt::LeftButton);
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
        } else if (command == QLatin1String("applyselect")) {
            const QString other = words.value(2);
            const bool selected = selectQuietly(window, printerTab, queue);
            *boxShownAt = -1;
            if (!selected) {
                std::printf("error cannot select %s\n", qPrintable(queue));
            } else {
                QTest::mouseClick(apply, Qt::LeftButton);
                if (!waitForBox(boxShownAt)) {
                    std::printf("error no \"Settings applied.\" box\n");
                } else {
                    gaps.start();
                    clock.start();
                    int clicks = 0;
                    const bool otherSelected = selectQueue(window, printerTab, other, &clicks);
                    const double took = msSince(clock);
                    waitForQuiet(window, printerTab);
                    const double gap = gaps.stop();
                    if (!otherSelected)
                        std::printf("error cannot select %s\n", qPrintable(other));
                    else
                        std::printf("applyselect %s %.1f %.1f %d\n", qPrintable(other), took, gap,
                                    clicks);
                }
            }
        } else if (command == QLatin1String("heldkey")) {
            heldKey(window, printerTab, words.value(1).toInt(), words.value(2).toInt());
        } else if (command == QLatin1String("clicks")) {
            quickClicks(window, printerTab, words.value(1).toInt(), words.value(2).toInt());
        } else if (command == QLatin1String("dests")) {
            CupsConnection connection;
            clock.start();
            const int count = askListingAttributes(connection);
            std::printf("dests %.1f %d\n", msSince(clock), count);
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
            gaps.start();
            clock.start();
            printerTab->fillPrinterTable();
            waitForQuiet(window, printerTab);
            const double took = msSince(clock);
            std::printf("refill %.1f %.1f\n", took, gaps.stop());
        } else {
            std::printf("error unknown command\n");
        }
        std::fflush(stdout);
    }
    return 0;
}

// The resident size after a session of selections: the peak, which the
// first selections set when nothing grows, and the present one.
int residentSize(int selections, const QString &queue, const QString &other)
{
    TolDialog window;
    if (!showActive(window))
        return 1;
    auto *printerTab = window.findChild<PrinterTab *>();
    waitForQuiet(window, printerTab);
    for (int i = 0; i < selections; ++i) {
        const QString &name = i % 2 ? other : queue;
        if (!selectQueue(window, printerTab, name)) {
            std::printf("error cannot select %s\n", qPrintable(name));
            return 1;
        }
        waitForQuiet(window, printerTab);
    }
    std::printf("rss %ld %ld %d\n", statusKb("VmHWM"), statusKb("VmRSS"), selections);
    return 0;
}

// Every queue's PPD fetched and opened once, as a listing that reads each
// one must at least.
int fetchEveryPpd()
{
    CupsConnection connection;
    const QSet<QString> names = cupsPrinterSet(connection);
    QElapsedTimer clock;
    clock.start();
    int opened = 0;
    for (const QString &name : names) {
        FetchedPpd fetched(name, connection);
        if (fetched.ppd())
            ++opened;
    }
    std::printf("ppds %.1f %d\n", msSince(clock), opened);
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
        std::printf("part:%-64s %7.1f\n", name, median(values));
    };
    const QString queue = queues.first();
    CupsConnection connection;
    time("queue names alone (Get-Printers, names; each constraint pass)",
         [&] { cupsPrinterSet(connection); });
    time("destination list (Get-Printers with the listing's attributes)",
         [&] { askListingAttributes(connection); });
    time("option model of one queue (its PPD fetched and read)",
         [&] { buildPrinterModel(queue, connection); });
    // The first round reads every PPD; the others only where a queue changed.
    time("maker listing (Get-Printers, PPDs of changed queues)",
         [&] { listMakerPrinters(connection); });
    QStringList names;
    for (const MakerPrinter &printer : listMakerPrinters(connection).printers)
        names << printer.name;
    time("statuses of the listed queues (one lpstat -p)", [&] { printerStatuses(names); });
    time("lpoptions alone, one option", [&] {
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
                     "usage: %s USERBASE startup | serve | rss SELECTIONS QUEUE OTHER | ppds"
                     " | parts ROUNDS QUEUE\n",
                     argv[0]);
        return 2;
    }
    prepareUser(args.at(0));
    double boxShownAt = -1;
    MessageBoxes::setHandler([&boxShownAt](QMessageBox::Icon, const QString &, const QString &text,
                                           QMessageBox::StandardButtons) {
        if (text == QLatin1String("Settings applied.")) {
            boxShownAt = realtimeMs();
            if (boxLoop)
                boxLoop->quit();
        } else
            std::fprintf(stderr, "box: %s\n", qPrintable(text));
        return QMessageBox::Ok;
    });

    if (args.at(1) == QLatin1String("startup"))
        return startup(sinceMain);
    if (args.at(1) == QLatin1String("parts") && args.size() >= 4)
        return parts(qMax(1, args.at(2).toInt()), args.mid(3));
    if (args.at(1) == QLatin1String("rss") && args.size() >= 5)
        return residentSize(qMax(1, args.at(2).toInt()), args.at(3), args.at(4));
    if (args.at(1) == QLatin1String("ppds"))
        return fetchEveryPpd();
    if (args.at(1) == QLatin1String("serve"))
        return serve(&boxShownAt);
    return 2;
}
