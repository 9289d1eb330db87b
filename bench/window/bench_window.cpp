// The real main window, timed as a user meets it: start-up to the first
// shown window, a click on a printer, Apply. Driven by bench/web_vs_window.sh,
// which runs it against a private cupsd and sets HOME.
//
//   vellumark_windowbench USERBASE startup
//   vellumark_windowbench USERBASE select ROUNDS QUEUE... (the first queue
//       is also applied ROUNDS times)
//
// Prints one "name milliseconds" line per figure.
#include "app/TolDialog.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsPrinters.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"
#include "tabs/PrinterTab.h"
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
#include <functional>
#include <cstdio>

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

int startup(const QElapsedTimer &sinceMain)
{
    TolDialog window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("startup %.1f\n", msSince(sinceMain));
    return 0;
}

int selections(int rounds, const QStringList &queues)
{
    TolDialog window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *printerTab = window.findChild<PrinterTab *>();
    QHash<QString, QList<double>> times;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &queue : queues) {
            QElapsedTimer clock;
            clock.start();
            if (!selectQueue(printerTab, queue)) {
                std::fprintf(stderr, "cannot select %s\n", qPrintable(queue));
                return 1;
            }
            times[queue] << msSince(clock);
        }
    }
    for (const QString &queue : queues)
        std::printf("select:%s %.1f\n", qPrintable(queue), median(times.value(queue)));

    const QString applied = queues.first();
    if (!selectQueue(printerTab, applied))
        return 1;
    QPushButton *apply =
        window.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply);
    QList<double> applyTimes;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        apply->click();
        QCoreApplication::processEvents();
        applyTimes << msSince(clock);
    }
    std::printf("apply:%s %.1f\n", qPrintable(applied), median(applyTimes));

    QList<double> refillTimes;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        printerTab->fillPrinterTable();
        refillTimes << msSince(clock);
    }
    std::printf("refill %.1f\n", median(refillTimes));
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
    time("lpoptions", [&] { runLpoptions(queue, {{QStringLiteral("PageSize"), QStringLiteral("A4")}}); });
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
        std::fprintf(stderr, "usage: %s USERBASE startup | USERBASE select ROUNDS QUEUE...\n",
                     argv[0]);
        return 2;
    }
    prepareUser(args.at(0));
    int boxes = 0;
    MessageBoxes::setHandler([&boxes](QMessageBox::Icon, const QString &, const QString &text,
                                      QMessageBox::StandardButtons) {
        if (text != QLatin1String("Settings applied."))
            std::fprintf(stderr, "box: %s\n", qPrintable(text));
        ++boxes;
        return QMessageBox::Ok;
    });

    if (args.at(1) == QLatin1String("startup"))
        return startup(sinceMain);
    if (args.at(1) == QLatin1String("parts") && args.size() >= 4)
        return parts(qMax(1, args.at(2).toInt()), args.mid(3));
    if (args.at(1) == QLatin1String("select") && args.size() >= 4)
        return selections(qMax(1, args.at(2).toInt()), args.mid(3));
    return 2;
}
