// The CUPS and child-process layer against a private cupsd: which queues are
// the maker's, their device and status, PPD fetching, and the lpstat and
// lpoptions runs.
#include "HangGuard.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/CommandRunner.h"
#include "system/CupsConnection.h"
#include "system/CupsPrinters.h"
#include "system/CupsWorker.h"
#include "system/FetchedPpd.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

Q_DECLARE_METATYPE(ChildOutput)

// What a worker is stopped in the middle of, and what holds it there.
enum class WorkerRequest { Listing, Model, Keywords, Names, Statuses, Write };
Q_DECLARE_METATYPE(WorkerRequest)

namespace {

// Would create files named "pwned*" in the current folder if it reached a shell.
const QString hostileName =
    QStringLiteral("Evil;touch${IFS}pwned&`touch${IFS}pwned2`$(touch${IFS}pwned3)");
const QString utf8Name = QString::fromUtf8("B\xc3\xbcro-Drucker");

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                  | QDir::NoDotAndDotDot);
}

QStringList namesOf(const QList<MakerPrinter> &printers)
{
    QStringList names;
    for (const MakerPrinter &printer : printers)
        names << printer.name;
    return names;
}

void writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class CupsPrintersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid() && tmp.isValid() && work.isValid() && stubs.isValid());
        // libcups reads these once, at its first call.
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        originalPath = qgetenv("PATH");
        QDir::setCurrent(work.path());

        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"},
                             {"queue-foreign.ppd", "Foreign"},
                             {"queue-rbor.ppd", "Rbor"},
                             {"queue-trailingblank.ppd", "Blank"},
                             {"queue-lowercase.ppd", "Lower"},
                             {"queue-mfgupper.ppd", "MfgUpper"},
                             {"queue-nofilter.ppd", "NoFilter"},
                             {"queue-twofilters.ppd", "Two"},
                             {"queue-tolvane.ppd", hostileName},
                             {"queue-tolvane.ppd", utf8Name}}),
                 qPrintable(cups.errorText()));
    }

    void cleanup()
    {
        cups.thaw();
        qputenv("PATH", originalPath);
        qunsetenv("CUPS_SERVERROOT");
        CommandRunner::setTimeoutMs(30000);
        CupsConnection::setAnswerLimitMs(10000);
    }

    void listsExactlyTheMakersQueuesInCupsOrder()
    {
        const MakerPrinterListing listing = listMakerPrinters(connection);
        const QStringList listed = namesOf(listing.printers);
        const QSet<QString> expected {"Q1", "Rbor", "Two", hostileName, utf8Name};
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()), expected);
        QCOMPARE(listed.size(), expected.size()); // two matching filters: one row

        // lpstat -e lists the destinations in the order CUPS keeps them.
        const CommandResult lpstat = CommandRunner::run("lpstat", {"-e"});
        QVERIFY(lpstat.succeeded());
        QStringList cupsOrder;
        for (const QString &line : QString::fromUtf8(lpstat.standardOutput).split('\n'))
            if (expected.contains(line.trimmed()))
                cupsOrder << line.trimmed();
        QCOMPARE(listed, cupsOrder);

        const QSet<QString> all {"Q1",       "Foreign",  "Rbor", "Blank",     "Lower",
                                 "MfgUpper", "NoFilter", "Two",  hostileName, utf8Name};
        QCOMPARE(listing.knownPrinters, all);
        QCOMPARE(cupsPrinterSet(connection), all);
    }

    void destinationIsTheDeviceUri()
    {
        const MakerPrinterListing listing = listMakerPrinters(connection);
        QVERIFY(!listing.printers.isEmpty());
        for (const MakerPrinter &printer : listing.printers)
            QCOMPARE(printer.deviceUri, QString("file:///dev/null"));
        // lpstat shows the same device with the scheme of a file URI cut off.
        const CommandResult lpstat = CommandRunner::run("lpstat", {"-v", "Q1"});
        QVERIFY(lpstat.succeeded());
        QCOMPARE(QString::fromUtf8(lpstat.standardOutput).trimmed(),
                 QString("device for Q1: ///dev/null"));
    }

    void statusFollowsTheQueue()
    {
        QCOMPARE(printerStatus("Q1"), QString("Idle"));
        QCOMPARE(printerStatus(utf8Name), QString("Idle"));
        QVERIFY(cups.run("cupsdisable", {"Q1"}));
        QCOMPARE(printerStatus("Q1"), QString("Paused"));
        QVERIFY(cups.run("cupsenable", {"Q1"}));
        QCOMPARE(printerStatus("Q1"), QString("Idle"));
        // lpstat writes nothing to standard output for an unknown queue.
        QCOMPARE(printerStatus("NoSuchQueue"), QString());
    }

    void statusWords_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("status");
        QTest::newRow("idle") << QByteArray("printer Q1 is idle.  enabled since x\n") << "Idle";
        QTest::newRow("printing") << QByteArray("printer Q1 now printing Q1-3.\n") << "Printing";
        QTest::newRow("Paused on the second line")
            << QByteArray("printer Q1 disabled since x -\n\tPaused\n") << "Paused";
        QTest::newRow("idle wins over printing")
            << QByteArray("printer idle now printing Q1-3.\n") << "Idle";
        QTest::newRow("French paused") << QByteArray("l'imprimante Q1 est d\xc3\xa9sactiv\xc3\xa9"
                                                     "e depuis x\n")
                                       << "Paused";
        QTest::newRow("German printing needs its blank")
            << QByteArray("Drucker Q1 druckt Q1-3.\n") << "Printing";
        QTest::newRow("German word without its blank")
            << QByteArray("Drucker Q1 druckt") << "Drucker Q1 druckt";
        QTest::newRow("capitals do not match")
            << QByteArray("Idle\nPrinting\npaused\n") << "IdlePrintingpaused";
        QTest::newRow("no word: lines joined")
            << QByteArray("printer Q1 is\n\tsomething else\n") << "printer Q1 is\tsomething else";
        // Every word lpstat may use, each in a line of its own language.
        const struct
        {
            const char *row;
            const char *output; // UTF-8
            const char *status;
        } languages[] = {
            {"Spanish idle", "la impresora Q1 est\xc3\xa1 inactiva.", "Idle"},
            {"Italian idle", "la stampante Q1 \xc3\xa8 inattiva.", "Idle"},
            {"Portuguese idle (inativa)", "a impressora Q1 est\xc3\xa1 inativa.", "Idle"},
            {"French idle", "l'imprimante Q1 est inactive.", "Idle"},
            {"German idle (inaktiv)", "Drucker Q1 ist inaktiv.", "Idle"},
            {"Italian idle (in attesa)", "la stampante Q1 \xc3\xa8 in attesa.", "Idle"},
            {"German idle (Leerlauf)", "Drucker Q1 ist im Leerlauf.", "Idle"},
            {"German idle (leerlauf)", "Drucker Q1: leerlauf.", "Idle"},
            {"Portuguese idle (ociosa)", "a impressora Q1 est\xc3\xa1 ociosa.", "Idle"},
            {"German paused", "Drucker Q1 deaktiviert seit x", "Paused"},
            {"Italian paused", "la stampante Q1 \xc3\xa8 disabilitata da x", "Paused"},
            {"Portuguese paused", "a impressora Q1 est\xc3\xa1 desativada desde x", "Paused"},
            {"Italian printing", "la stampante Q1 sta stampando Q1-3.", "Printing"},
            {"Spanish printing", "la impresora Q1 est\xc3\xa1 imprimiendo Q1-3.", "Printing"},
            {"French printing", "l'imprimante Q1 est en cours d'impression de Q1-3.", "Printing"},
            {"Portuguese printing", "a impressora Q1 est\xc3\xa1 imprimindo Q1-3.", "Printing"},
        };
        for (const auto &language : languages)
            QTest::newRow(language.row) << QByteArray(language.output) << language.status;
        QTest::newRow("nothing") << QByteArray() << "";
        QTest::newRow("stops at a NUL") << QByteArray("abc\0idle", 8) << "abc";
        QTest::newRow("idle past the first 1022 characters")
            << QByteArray(600, 'x') + "\n" + QByteArray(422, 'y') + "idle"
            << QString(600, 'x') + QString(422, 'y');
        QTest::newRow("idle within the first 1022 characters")
            << QByteArray(600, 'x') + "\n\n\n" + QByteArray(418, 'y') + "idle"
            << "Idle";
    }

    void statusWords()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, status);
        QCOMPARE(lpstatStatusWord(lpstatOutputText(output)), status);
    }

    void oneStatusRunForAllQueues_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("matched by name, not by order")
            << QByteArray("printer Q10 is idle.  enabled since x\n"
                          "printer Q1 disabled since x -\n\tPaused\n"
                          "printer Other now printing Other-3.  enabled since x\n")
            << QStringList({"Q1", "Q10", "Other"}) << QStringList({"Paused", "Idle", "Printing"});
        QTest::newRow("a queue lpstat does not list")
            << QByteArray("printer Q1 is idle.  enabled since x\n") << QStringList({"Gone", "Q1"})
            << QStringList({"", "Idle"});
        QTest::newRow("a queue named like a word of the sentence")
            << QByteArray("printer printer disabled since x -\n\treason unknown\n"
                          "printer Q1 is idle.  enabled since x\n")
            << QStringList({"Q1", "printer"})
            << QStringList({"Idle", "printer printer disabled since x -\treason unknown"});
        QTest::newRow("no word: the entry's lines joined")
            << QByteArray("printer Q1 is\n\tsomething else\nprinter Q2 is idle.\n")
            << QStringList({"Q1", "Q2"}) << QStringList({"printer Q1 is\tsomething else", "Idle"});
        QTest::newRow("cut after 1022 characters of its own entry")
            << QByteArray("printer Q1 " + QByteArray(1011, 'x') + "idle\nprinter Q2 is idle.\n")
            << QStringList({"Q1", "Q2"})
            << QStringList({"printer Q1 " + QString(1011, 'x'), "Idle"});
    }

    void oneStatusRunForAllQueues()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, names);
        QFETCH(QStringList, statuses);
        const QString printed = stubs.path() + "/printed";
        QFile file(printed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(output);
        file.close();
        writeScript(stubs.path() + "/lpstat", "echo \"$@\" >> '" + QFile::encodeName(printed)
                                                  + ".runs'\ncat '" + QFile::encodeName(printed)
                                                  + "'");
        QFile::remove(printed + ".runs");
        qputenv("PATH", QFile::encodeName(stubs.path()) + ":" + originalPath);

        QCOMPARE(printerStatuses(names), statuses);
        QFile runs(printed + ".runs");
        QVERIFY(runs.open(QIODevice::ReadOnly));
        QCOMPARE(runs.readAll(), QByteArray("-p\n"));
    }

    void statusesOfTheSandbox()
    {
        QVERIFY(cups.run("cupsdisable", {"Rbor"}));
        QCOMPARE(printerStatuses({"Q1", "Rbor", hostileName, utf8Name, "NoSuchQueue"}),
                 QStringList({"Idle", "Paused", "Idle", "Idle", ""}));
        QVERIFY(cups.run("cupsenable", {"Rbor"}));
        qputenv("PATH", QFile::encodeName(stubs.path() + "/empty"));
        const QString failed("Error: Printer does not exist or lpstat failed.");
        QCOMPARE(printerStatuses({"Q1", "Rbor"}), QStringList({failed, failed}));
    }

    void listingFollowsAChangedPpd()
    {
        QVERIFY(namesOf(listMakerPrinters(connection).printers).contains("Two"));
        // CUPS compares with the time of the last fetch, in whole seconds.
        QTest::qWait(1100);
        QVERIFY(
            cups.run("lpadmin", {"-p", "Two", "-P", SandboxCups::dataFile("queue-foreign.ppd")}));
        QVERIFY(!namesOf(listMakerPrinters(connection).printers).contains("Two"));
        QTest::qWait(1100);
        QVERIFY(cups.run("lpadmin",
                         {"-p", "Two", "-P", SandboxCups::dataFile("queue-twofilters.ppd")}));
        QVERIFY(namesOf(listMakerPrinters(connection).printers).contains("Two"));
    }

    // A refill fetches the PPDs of the queues that are new or changed
    // (counted in the daemon's access log) and no other; the rest of the
    // table (devices, instances) is as fresh as ever.
    void refillFetchesOnlyWhatChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("fetched");
        QTest::newRow("nothing") << "" << 0;
        QTest::newRow("an instance added") << "instance" << 0;
        // Where libcups reads the server's instances from.
        QTest::newRow("an instance in the server root's file") << "server instance" << 0;
        QTest::newRow("a PPD changed") << "ppd" << 1;
        QTest::newRow("a queue added") << "queue" << 1;
        // Replaced again within the second of the last listing: the same
        // change time, another PPD.
        QTest::newRow("a PPD changed in the listing's second") << "ppd again" << 1;
    }

    void refillFetchesOnlyWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(int, fetched);
        const QString dev = QStringLiteral(" file:///dev/null");
        // CUPS keeps the time of a change in whole seconds: a listing in the
        // second of a change trusts nothing it learnt then.
        QTest::qWait(1100);
        if (change == "ppd again") {
            const time_t second = time(nullptr);
            QVERIFY(QTest::qWaitFor([second] { return time(nullptr) != second; }));
            QVERIFY(cups.run("lpadmin",
                             {"-p", "Two", "-P", SandboxCups::dataFile("queue-twofilters.ppd")}));
        }
        QStringList expected = listedRows();
        QVERIFY(expected.contains("Two" + dev));
        QTemporaryDir serverRoot;
        if (change == "instance") {
            QVERIFY(CommandRunner::run("lpoptions", {"-p", "Rbor/draft", "-o", "Duplex=None"})
                        .succeeded());
            expected.insert(expected.indexOf("Rbor" + dev), "Rbor" + dev);
        } else if (change == "server instance") {
            QFile file(serverRoot.filePath("lpoptions"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Dest Rbor/site Duplex=None\n");
            file.close();
            qputenv("CUPS_SERVERROOT", QFile::encodeName(serverRoot.path()));
            expected.insert(expected.indexOf("Rbor" + dev), "Rbor" + dev);
        } else if (change.startsWith("ppd")) {
            QVERIFY(cups.run("lpadmin",
                             {"-p", "Two", "-P", SandboxCups::dataFile("queue-foreign.ppd")}));
            expected.removeAll("Two" + dev);
        } else if (change == "queue") {
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Fresh"));
        }
        const int before = cups.ppdRequests();
        QStringList listed = listedRows();
        QCOMPARE(cups.ppdRequests() - before, fetched);
        if (change == "queue")
            QCOMPARE(listed.removeAll("Fresh" + dev), 1);
        QCOMPARE(listed, expected);

        if (change == "instance")
            QVERIFY(CommandRunner::run("lpoptions", {"-x", "Rbor/draft"}).succeeded());
        QTest::qWait(1100);
        if (change.startsWith("ppd"))
            QVERIFY(cups.run("lpadmin",
                             {"-p", "Two", "-P", SandboxCups::dataFile("queue-twofilters.ppd")}));
        if (change == "queue")
            QVERIFY(cups.run("lpadmin", {"-x", "Fresh"}));
    }

    void hostileNameReachesNoShell()
    {
        const MakerPrinterListing listing = listMakerPrinters(connection);
        QVERIFY(namesOf(listing.printers).contains(hostileName));
        QCOMPARE(printerStatus(hostileName), QString("Idle"));
        QVERIFY(runLpoptions(hostileName, {{"Duplex", "None"}}).succeeded());
        QVERIFY(buildPrinterModel(hostileName, connection) != nullptr);
        QCOMPARE(entriesOf(work.path()), QStringList());
    }

    void lpoptionsArgumentsStayWhole()
    {
        const QString record = stubs.path() + "/arguments";
        writeScript(stubs.path() + "/lpoptions",
                    "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record.toLocal8Bit()
                        + "'");
        qputenv("PATH", QFile::encodeName(stubs.path()) + ":" + originalPath);

        const CommandResult result =
            runLpoptions(hostileName, {{"Duplex", "None"}, {"Note", "a b \"c\" 'd'"}});
        QVERIFY(result.succeeded());
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
                 QStringList({"-p", hostileName, "-o", "Duplex=None", "-o", "Note=a b \"c\" 'd'"}));
    }

    void lpoptionsWritesTheUsersDefaults()
    {
        const CommandResult result =
            runLpoptions("Q1", {{"Duplex", "DuplexNoTumble"}, {"MediaType", "Heavy"}});
        QVERIFY2(result.succeeded(), result.standardError.constData());
        const QString path = home.path() + "/.cups/lpoptions";
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(QRegularExpression("^Dest Q1 .*Duplex=DuplexNoTumble",
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(text));
        QVERIFY(text.contains("MediaType=Heavy"));
    }

    void lpoptionsFailures_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("finishedInTime");
        QTest::newRow("error status") << QByteArray("exit 3") << true;
        QTest::newRow("crash") << QByteArray("kill -SEGV $$") << true;
        QTest::newRow("never ends") << QByteArray("exec sleep 20") << false;
    }

    void lpoptionsFailures()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, finishedInTime);
        writeScript(stubs.path() + "/lpoptions", script);
        qputenv("PATH", QFile::encodeName(stubs.path()) + ":" + originalPath);
        // Only the run that never ends meets the limit.
        CommandRunner::setTimeoutMs(finishedInTime ? 5 * 60 * 1000 : 300);

        const CommandResult result = runLpoptions("Q1", {{"Duplex", "None"}});
        QVERIFY(result.started);
        QCOMPARE(result.finishedInTime, finishedInTime);
        QVERIFY(!result.succeeded());
    }

    void missingProgram()
    {
        qputenv("PATH", QFile::encodeName(stubs.path() + "/empty"));
        QVERIFY(!runLpoptions("Q1", {}).started);
        QCOMPARE(printerStatus("Q1"), QString("Error: Printer does not exist or lpstat failed."));
    }

    void inputReachesTheChild_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ChildOutput>("output");
        QTest::addColumn<ChildOutput>("error");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QByteArray>("keptOutput");
        QTest::addColumn<QByteArray>("keptError");
        QTest::addColumn<int>("exitCode");

        const QByteArray input = "a\"b $HOME `id` c\\d\n";
        const QString cat = QStringLiteral("/bin/cat");
        const QString sh = QStringLiteral("/bin/sh");
        const QStringList toError {"-c", "cat >&2"};
        const ChildOutput kept = ChildOutput::Kept;
        QTest::newRow("output kept")
            << cat << QStringList() << kept << kept << true << input << QByteArray() << 0;
        QTest::newRow("output discarded") << cat << QStringList() << ChildOutput::Discarded << kept
                                          << true << QByteArray() << QByteArray() << 0;
        QTest::newRow("error kept") << sh << toError << ChildOutput::Discarded << kept << true
                                    << QByteArray() << input << 0;
        QTest::newRow("error forwarded") << sh << toError << kept << ChildOutput::Forwarded << true
                                         << QByteArray() << QByteArray() << 0;
        QTest::newRow("exit status after reading")
            << sh << QStringList {"-c", "read -r line && exit 7"} << kept << kept << true
            << QByteArray() << QByteArray() << 7;
        QTest::newRow("missing program")
            << stubs.path() + "/no-such-program" << QStringList() << kept << kept << false
            << QByteArray() << QByteArray() << -1;
    }

    void inputReachesTheChild()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(ChildOutput, output);
        QFETCH(ChildOutput, error);
        QFETCH(bool, started);
        QFETCH(QByteArray, keptOutput);
        QFETCH(QByteArray, keptError);
        QFETCH(int, exitCode);

        const CommandResult result =
            CommandRunner::runToEnd(program, arguments, "a\"b $HOME `id` c\\d\n", output, error);
        QCOMPARE(result.started, started);
        QCOMPARE(result.endedByItself(), started);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.standardOutput, keptOutput);
        QCOMPARE(result.standardError, keptError);
    }

    void startedCommand_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QByteArray>("output");

        // Latin-1, not UTF-8: no text holds this name.
        const QByteArray folder = QFile::encodeName(stubs.path()) + "/Caf\xe9";
        const QByteArray link = QFile::encodeName(stubs.path()) + "/link";
        if (::mkdir(folder.constData(), 0700) == 0) {
            ::close(::open((folder + "/inside").constData(), O_WRONLY | O_CREAT, 0600));
            ::symlink(folder.constData(), link.constData());
        }
        const QString ls = QStringLiteral("/bin/ls");
        QTest::newRow("folder named in Latin-1") << ls << folder << true << QByteArray("inside\n");
        QTest::newRow("folder through a link") << ls << link << true << QByteArray("inside\n");
        QTest::newRow("missing folder")
            << ls << QFile::encodeName(stubs.path()) + "/absent" << true << QByteArray();
        QTest::newRow("missing program")
            << stubs.path() + "/no-such-program" << folder << false << QByteArray();
    }

    void startedCommand()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, folder);
        QFETCH(bool, started);
        QFETCH(QByteArray, output);

        std::unique_ptr<RunningCommand> command(
            CommandRunner::start(program, {"-A"}, folder, nullptr));
        QByteArray received;
        int ends = 0;
        int failures = 0;
        connect(command.get(), &RunningCommand::outputArrived,
                [&] { received += command->takeOutput(); });
        connect(command.get(), &RunningCommand::ended, [&] { ++ends; });
        connect(command.get(), &RunningCommand::failedToStart, [&] { ++failures; });
        QTRY_VERIFY2_WITH_TIMEOUT(ends + failures > 0, "the child neither ended nor failed",
                                  5 * 60 * 1000);
        QCoreApplication::processEvents();
        received += command->takeOutput();
        QCOMPARE(ends, started ? 1 : 0);
        QCOMPARE(failures, started ? 0 : 1);
        QCOMPARE(received, output);
        QVERIFY(!command->isRunning());
    }

    void modelOfAQueue()
    {
        std::unique_ptr<tOptionModel> model = buildPrinterModel(utf8Name, connection);
        QVERIFY(model);
        QCOMPARE(model->printerName(), utf8Name);
        QVERIFY(model->option("PageSize"));
        QCOMPARE(model->option("Duplex")->defaultChoice()->keyword(), QString("None"));

        QCOMPARE(buildPrinterModel("NoSuchQueue", connection), nullptr);
        QCOMPARE(buildPrinterModel(QString(), connection), nullptr);
        // A queue without a PPD.
        QVERIFY2(cups.run("lpadmin", {"-p", "Raw", "-E", "-v", "file:///dev/null"}),
                 qPrintable(cups.errorText()));
        QCOMPARE(buildPrinterModel("Raw", connection), nullptr);
        bool ok = true;
        QVERIFY(topLevelOptionKeywords("Raw", connection, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(cupsPrinterSet(connection).contains("Raw"));
        QVERIFY(cups.run("lpadmin", {"-x", "Raw"}));
        QVERIFY(!cupsPrinterSet(connection).contains("Raw"));
    }

    void topLevelKeywordsInPpdOrder()
    {
        bool ok = false;
        const QStringList keywords = topLevelOptionKeywords("Q1", connection, &ok);
        QVERIFY(ok);
        QCOMPARE(keywords,
                 QStringList({"PageSize", "PageRegion", "Duplex", "MediaType", "ColorModel"}));
    }

    void subgroupKeywordsAreLeftOut()
    {
        QVERIFY(cups.run("lpadmin", {"-p", "Sub", "-E", "-v", "file:///dev/null", "-P",
                                     SandboxCups::dataFile("queue-subgroup.ppd")}));
        bool ok = false;
        QCOMPARE(topLevelOptionKeywords("Sub", connection, &ok),
                 QStringList({"PageSize", "PageRegion", "MediaType", "ColorModel"}));
        QVERIFY(ok);
        QStringList fromSelection;
        std::unique_ptr<tOptionModel> model = buildPrinterModel("Sub", connection, &fromSelection);
        QVERIFY(model && model->option("Duplex") && model->option("BindEdge"));
        QCOMPARE(fromSelection, topLevelOptionKeywords("Sub", connection));
        QVERIFY(cups.run("lpadmin", {"-x", "Sub"}));
    }

    void fetchedPpdIsRemoved()
    {
        QString path;
        {
            FetchedPpd fetched("Q1", connection);
            QVERIFY(fetched.ppd());
            path = fetched.path();
            QVERIFY2(path.startsWith(tmp.path() + "/"), qPrintable(path));
            QVERIFY(QFileInfo::exists(path));
        }
        QVERIFY(!QFileInfo::exists(path));

        for (int i = 0; i < 20; ++i)
            QCOMPARE(listMakerPrinters(connection).printers.size(), 5);
        QVERIFY(buildPrinterModel("Q1", connection));
        QVERIFY(!buildPrinterModel("Raw", connection));
        QCOMPARE(entriesOf(tmp.path()), QStringList());
    }

    void instancesGiveOneRowEach()
    {
        QVERIFY(
            CommandRunner::run("lpoptions", {"-p", "Rbor/draft", "-o", "Duplex=None"}).succeeded());
        const MakerPrinterListing listing = listMakerPrinters(connection);
        QCOMPARE(namesOf(listing.printers).count("Rbor"), 2);
        QCOMPARE(cupsPrinterSet(connection).size(), 10);
        QVERIFY(CommandRunner::run("lpoptions", {"-x", "Rbor/draft"}).succeeded());
        QCOMPARE(namesOf(listMakerPrinters(connection).printers).count("Rbor"), 1);
    }

    // A listing whose destination list is read later holds the list as
    // lpoptions left it by then, not as at the start, and nothing lpoptions
    // does once the read has ended.
    void laterListingReadsTheListWhenTold_data()
    {
        QTest::addColumn<bool>("started");
        QTest::newRow("read on its own thread") << true;
        QTest::newRow("read by finish") << false;
    }

    void laterListingReadsTheListWhenTold()
    {
        QFETCH(bool, started);
        MakerPrinterListingRun run(connection, MakerPrinterListingRun::DestinationList::Later);
        QVERIFY(
            CommandRunner::run("lpoptions", {"-p", "Rbor/draft", "-o", "Duplex=None"}).succeeded());
        MakerPrinterListing listing;
        if (started) {
            run.resume();
            run.waitForDestinations();
            QVERIFY(CommandRunner::run("lpoptions", {"-x", "Rbor/draft"}).succeeded());
            listing = run.finish();
        } else {
            listing = run.finish();
            QVERIFY(CommandRunner::run("lpoptions", {"-x", "Rbor/draft"}).succeeded());
        }
        QCOMPARE(namesOf(listing.printers).count("Rbor"), 2);
        QCOMPARE(listing.knownPrinters, cupsPrinterSet(connection));
        QCOMPARE(run.knownPrinters(), listing.knownPrinters);
        QCOMPARE(namesOf(listMakerPrinters(connection).printers).count("Rbor"), 1);
    }

    // The table's rows are the destination list's entries that are the
    // maker's, in its order, each with its queue's device: a lower-case name
    // sorts among the others regardless of case, each lpoptions instance is
    // a row of its own, and a class of maker queues is tested like a queue.
    void listingFollowsTheDestinationList()
    {
        QVERIFY(cups.addQueue("queue-tolvane.ppd", "alpha"));
        QVERIFY(cups.run("lpadmin", {"-p", "Q1", "-c", "Klasse"}));
        QVERIFY(cups.run("cupsenable", {"Klasse"}));
        QVERIFY(cups.run("cupsaccept", {"Klasse"}));

        const QString dev = QStringLiteral(" file:///dev/null");
        const QStringList plain {"alpha" + dev, utf8Name + dev, hostileName + dev, "Klasse" + dev,
                                 "Q1" + dev,    "Rbor" + dev,   "Two" + dev};
        QCOMPARE(listedRows(), plain);

        QVERIFY(
            CommandRunner::run("lpoptions", {"-p", "Rbor/draft", "-o", "Duplex=None"}).succeeded());
        QVERIFY(CommandRunner::run("lpoptions", {"-p", "alpha/b", "-o", "x=y"}).succeeded());
        QVERIFY(CommandRunner::run("lpoptions", {"-p", "alpha/A", "-o", "x=y"}).succeeded());
        QStringList withInstances = plain;
        withInstances.insert(1, "alpha" + dev);
        withInstances.insert(1, "alpha" + dev);
        withInstances.insert(7, "Rbor" + dev);
        QCOMPARE(listedRows(), withInstances);

        for (const char *instance : {"Rbor/draft", "alpha/b", "alpha/A"})
            QVERIFY(CommandRunner::run("lpoptions", {"-x", instance}).succeeded());
        QCOMPARE(listedRows(), plain);

        QVERIFY(cups.run("lpadmin", {"-x", "Klasse"}));
        QVERIFY(cups.run("lpadmin", {"-x", "alpha"}));
    }

    // A stopped worker ends what it waits for, CUPS or a child, at once:
    // the bounds are set far beyond the guard, so only the stop can end it
    // in time. Nothing is answered afterwards, and nothing is written.
    void stopEndsTheRequestUnderWay_data()
    {
        QTest::addColumn<WorkerRequest>("request");
        QTest::addColumn<bool>("frozen"); // else the child is slowed
        QTest::newRow("listing, CUPS frozen") << WorkerRequest::Listing << true;
        QTest::newRow("model, CUPS frozen") << WorkerRequest::Model << true;
        QTest::newRow("keywords, CUPS frozen") << WorkerRequest::Keywords << true;
        QTest::newRow("names, CUPS frozen") << WorkerRequest::Names << true;
        QTest::newRow("statuses, lpstat slowed") << WorkerRequest::Statuses << false;
        QTest::newRow("write, lpoptions slowed") << WorkerRequest::Write << false;
        QTest::newRow("write, CUPS frozen") << WorkerRequest::Write << true;
    }

    void stopEndsTheRequestUnderWay()
    {
        QFETCH(WorkerRequest, request);
        QFETCH(bool, frozen);
        const int beyondTheGuardMs = 10 * 60 * 1000;
        CupsConnection::setAnswerLimitMs(beyondTheGuardMs);
        CommandRunner::setTimeoutMs(beyondTheGuardMs);
        const QString started = stubs.path() + "/started";
        QFile::remove(started);
        const QByteArray startedPath = QFile::encodeName(started);
        for (const char *program : {"lpstat", "lpoptions"})
            writeScript(stubs.path() + "/" + program,
                        "touch '" + startedPath + "'\n" + (frozen ? "" : "sleep 600\n") + "PATH='"
                            + originalPath + "' exec " + program + " \"$@\"");
        qputenv("PATH", QFile::encodeName(stubs.path()) + ":" + originalPath);
        const QString lpoptionsPath = home.path() + "/.cups/lpoptions";
        QFile::remove(lpoptionsPath);
        if (frozen)
            QVERIFY(cups.freeze());

        std::unique_ptr<CupsWorker> worker(new CupsWorker);
        int answers = 0;
        switch (request) {
        case WorkerRequest::Listing:
            worker->listPrinters([&](const PrinterListAnswer &) { ++answers; });
            break;
        case WorkerRequest::Model:
            worker->buildModel("Q1", [&](const PrinterModelAnswer &) { ++answers; });
            break;
        case WorkerRequest::Keywords:
            worker->readLpoptionsKeywords("Q1", [&](const PpdKeywordsAnswer &) { ++answers; });
            break;
        case WorkerRequest::Names:
            worker->readDestinationNames([&](const CupsNamesAnswer &) { ++answers; });
            break;
        case WorkerRequest::Statuses:
            worker->readStatuses({"Q1"}, [&](const QStringList &) { ++answers; });
            break;
        case WorkerRequest::Write:
            worker->writeLpoptions("Q1", {{"Duplex", "DuplexNoTumble"}}, [&](bool) { ++answers; });
            break;
        }
        // Queued behind it: dropped.
        worker->readDestinationNames([&](const CupsNamesAnswer &) { ++answers; });
        if (!frozen || request == WorkerRequest::Write)
            QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(started), "the child never started", 60000);
        else
            QTest::qWait(300); // into CUPS' silence, most likely; before it does as well
        QCOMPARE(answers, 0);
        QCOMPARE(worker->pendingRequests(), 2);

        worker->stop();
        QCOMPARE(worker->pendingRequests(), 0);
        {
            HangGuard guard("a stopped worker's end", 60 * TestLimits::slowness);
            worker.reset();
        }
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
        if (request == WorkerRequest::Write && !frozen)
            QVERIFY(!QFile::exists(lpoptionsPath));
    }

    // The listing's PPD questions, on connections of their own, end with a
    // stop or at the first one left unanswered, and the listing says that
    // CUPS did not answer: the guard, far beyond the bound, fails a wait
    // that does not end.
    void ppdQuestionsEndWithTheListing_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("stopped") << true;
        QTest::newRow("left unanswered") << false;
    }

    void ppdQuestionsEndWithTheListing()
    {
        QFETCH(bool, stopped);
        // A queue whose PPD no listing has fetched yet.
        QVERIFY(cups.addQueue("queue-tolvane.ppd", "Fresh"));
        CupsConnection::setAnswerLimitMs(stopped ? 10 * 60 * 1000 : 1000);
        std::atomic<bool> stop {false};
        MakerPrinterListing listing;
        {
            CupsConnection own(&stop);
            MakerPrinterListingRun run(own, MakerPrinterListingRun::DestinationList::Later);
            QVERIFY(run.cupsAnswered());
            QVERIFY(cups.freeze());
            run.startChecks();
            if (stopped) {
                QTest::qWait(300); // most likely in CUPS' silence by now
                stop = true;
            }
            HangGuard guard("the listing's PPD questions", 60 * TestLimits::slowness);
            listing = run.finish();
        }
        QVERIFY(!listing.cupsAnswered);
        QVERIFY(listing.printers.isEmpty());
        QVERIFY(cups.thaw());
        CupsConnection::setAnswerLimitMs(10000);
        QVERIFY(cups.run("lpadmin", {"-x", "Fresh"}));
    }

private:
    // The listing's rows, each as name and device.
    QStringList listedRows()
    {
        QStringList rows;
        for (const MakerPrinter &printer : listMakerPrinters(connection).printers)
            rows << printer.name + " " + printer.deviceUri;
        return rows;
    }

    QTemporaryDir home;
    QTemporaryDir tmp;
    QTemporaryDir work;
    QTemporaryDir stubs;
    QByteArray originalPath;
    SandboxCups cups;
    // The program's own kind of connection, bounded.
    CupsConnection connection;
};

VM_TEST_GUILESS_MAIN(CupsPrintersTest)
#include "tst_cupsprinters.moc"
