// The real main window, timed as a user meets it: start-up to the first
// shown window, a click on a printer, Apply. Driven by bench/web_vs_window.sh,
// which runs it against a private cupsd and sets HOME.
//
//   vellumark_windowbench USERBASE startup
//       start-up from the process start: VM_EXEC_AT (seconds since the
//       epoch, as bash's EPOCHREALTIME just before the start) to the
//       shown window; without it, from main()
//   vellumark_windowbench USERBASE serve
//       shows the window, then answers one line per command read:
//       "select QUEUE", "apply QUEUE" (the queue is selected first, untimed;
//       timed until the "Settings applied." box and until the click returned),
//       "lpoptions QUEUE" (lpoptions alone with the options the queue's
//       Apply writes), "refill", "quit"
//   vellumark_windowbench USERBASE parts ROUNDS QUEUE
//
// Prints one "name milliseconds..." line per figure.
#include "app/TolDialog.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsPrinters.h"
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
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

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

bool selectQueue(PrinterTab *printerTab, const QString &queue)
{
    QTableWidget *table = printerTab->table();
    const QList<QTableWidgetItem *> found = table->findItems(queue, Qt::MatchExactly);
    for (const QTableWidgetItem *item : found) {
        if (item->column() == 0) {
            table->setCurrentCell(item->row(), 0);
            QCoreApplication::processEvents();
            return AppState::optionModel && AppState::optionModel->printerName() == queue;
        }
    }
    return false;
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
    bool fromExec = false;
    const double execAt = qEnvironmentVariable("VM_EXEC_AT").toDouble(&fromExec);
    if (fromExec)
        std::printf("startup %.1f\n", realtimeMs() - execAt * 1e3);
    else
        std::printf("startup-from-main %.1f\n", msSince(sinceMain));
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
    if (!known)
        keywords = topLevelOptionKeywords(AppState::optionModel->printerName());
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
            clock.start();
            if (!selectQueue(printerTab, queue)) {
                std::printf("error cannot select %s\n", qPrintable(queue));
            } else {
                std::printf("select %s %.1f\n", qPrintable(queue), msSince(clock));
            }
        } else if (command == QLatin1String("apply")) {
            const bool selected =
                (AppState::optionModel && AppState::optionModel->printerName() == queue)
                || selectQueue(printerTab, queue);
            if (!selected) {
                std::printf("error cannot select %s\n", qPrintable(queue));
            } else {
                *boxShownAt = -1;
                const double start = realtimeMs();
                apply->click();
                QCoreApplication::processEvents();
                const double end = realtimeMs();
                std::printf("apply %s %.1f %.1f\n", qPrintable(queue),
                            (*boxShownAt >= 0 ? *boxShownAt : end) - start, end - start);
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
            std::printf("refill %.1f\n", msSince(clock));
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
    time("destinations", [] { cupsPrinterSet(); });
    time("model", [&] { buildPrinterModel(queue); });
    time("listing", [] { listMakerPrinters(); });
    QStringList names;
    for (const MakerPrinter &printer : listMakerPrinters().printers)
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
