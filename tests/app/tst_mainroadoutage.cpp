// The main window when CUPS stops answering and comes back: the boxes say
// so, the list explains itself, and the list comes back without a restart,
// with nothing selected and nothing written.
#include "ChildProgram.h"
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestLimits.h"
#include "TestMain.h"

#include "system/CommandRunner.h"
#include "system/CupsConnection.h"

#include <QProcess>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

const QString notAnswering =
    QStringLiteral("The printing system (CUPS) is not answering.\nThe printer list will be "
                   "filled again as soon as it answers.");
// Apply and OK lost the user's settings with the silence.
const QString notApplied =
    QStringLiteral("The settings were not applied: the printing system (CUPS) is not answering."
                   "\nThe printer list will be filled again as soon as it answers.");
const QString tableNotAnswering = QStringLiteral("The printing system (CUPS) is not answering.");
const QString noPrinter = QStringLiteral("No Tolvane printer is installed.");
const QString waiting = QStringLiteral("Waiting for the printing system (CUPS)...");
const QByteArray writeErrorLine = "Error|Error: Printer does not exist or lpoptions failed.\n";
const char closeChild[] = "--close-child";

// Generous, ten times the answer limit set below: only a hang fails it, and
// soon enough for the rows after it to tell their own.
const int patienceMs = 30000 * TestLimits::slowness;

// How CUPS falls silent: its daemon gone (connections refused), stopped
// with SIGSTOP (connections accepted, never answered), a listener that
// accepts and never answers in its place, or stopped in the middle of a
// long listing, while its PPDs are fetched.
enum class Silence { Gone, Stopped, SilentSocket, StoppedDuringListing };

enum class Trigger { Apply, Ok, SelectOther, ChangeOption };

// How the list comes back: by the retry, at the next activation, or at the
// activation after one made while CUPS was still silent (its question still
// out then).
enum class Back { ByRetry, AtActivation, AtSecondActivation };

// Counts the turns of the event loop: it runs while the window waits for CUPS
// only if the count grows meanwhile.
class LoopTurns
{
public:
    LoopTurns()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++turns; });
        timer.start(0);
    }
    QTimer timer;
    int turns = 0;
};

} // namespace

Q_DECLARE_METATYPE(Silence)
Q_DECLARE_METATYPE(Trigger)
Q_DECLARE_METATYPE(Back)

class MainRoadOutageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "outage");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"}, {"queue-tolvane.ppd", "Q2"}}),
                 qPrintable(cups.errorText()));
        // Long enough for a busy machine's CUPS, short enough to wait for.
        CupsConnection::setAnswerLimitMs(3000);
    }

    bool silence(Silence how)
    {
        switch (how) {
        case Silence::Gone:
            return cups.halt();
        case Silence::Stopped:
            return cups.freeze();
        case Silence::SilentSocket:
            if (!silentListener.listen(QHostAddress::LocalHost))
                return false;
            qputenv("CUPS_SERVER",
                    QByteArray("127.0.0.1:") + QByteArray::number(silentListener.serverPort()));
            return true;
        case Silence::StoppedDuringListing: {
            // Frozen just before the listing's first PPD question reaches it.
            const QString relay = cups.relayFreezingAtFirstPpd();
            qputenv("CUPS_SERVER", relay.toLocal8Bit());
            return !relay.isEmpty();
        }
        }
        return false;
    }

    bool speakAgain()
    {
        silentListener.close();
        qputenv("CUPS_SERVER", cups.server().toLocal8Bit());
        return cups.resume();
    }

    void init() { session.reset(new RoadSession); }
    void cleanup()
    {
        // A failed row must not leave the next one without CUPS.
        QVERIFY2(speakAgain(), qPrintable(cups.errorText()));
        session.reset();
    }

    void silentCupsIsToldAndTheListComesBack_data()
    {
        QTest::addColumn<Silence>("how");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<Back>("back");
        QTest::newRow("Apply, back at activation")
            << Silence::Gone << Trigger::Apply << Back::AtActivation;
        QTest::newRow("Apply, back by retry") << Silence::Gone << Trigger::Apply << Back::ByRetry;
        QTest::newRow("OK keeps the window") << Silence::Gone << Trigger::Ok << Back::AtActivation;
        QTest::newRow("another printer chosen")
            << Silence::Gone << Trigger::SelectOther << Back::AtActivation;
        QTest::newRow("an option changed")
            << Silence::Gone << Trigger::ChangeOption << Back::ByRetry;
        QTest::newRow("stopped: Apply") << Silence::Stopped << Trigger::Apply << Back::AtActivation;
        QTest::newRow("stopped: OK") << Silence::Stopped << Trigger::Ok << Back::ByRetry;
        QTest::newRow("stopped: another printer")
            << Silence::Stopped << Trigger::SelectOther << Back::ByRetry;
        QTest::newRow("stopped: an option changed")
            << Silence::Stopped << Trigger::ChangeOption << Back::AtActivation;
        QTest::newRow("back at the activation after one while silent")
            << Silence::Gone << Trigger::Apply << Back::AtSecondActivation;
    }

    void silentCupsIsToldAndTheListComesBack()
    {
        QFETCH(Silence, how);
        QFETCH(Trigger, trigger);
        QFETCH(Back, back);
        const bool byActivation = back != Back::ByRetry;

        RoadWindow window;
        // Only the case at hand may bring the list back.
        window.dialog.setListRetryInterval(byActivation ? 24 * 3600 * 1000 : 10);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QVERIFY(window.select("Q1"));
        const QByteArray lpoptions = RoadSession::readFile(session->lpoptionsPath());
        QVERIFY(!lpoptions.isEmpty());
        QVERIFY(silence(how));

        LoopTurns loop;
        int turnsAtNotice = -1;
        session->boxes.onBox = [&] { turnsAtNotice = loop.turns; };
        switch (trigger) {
        case Trigger::Apply:
            window.button(QDialogButtonBox::Apply)->click();
            break;
        case Trigger::Ok:
            window.button(QDialogButtonBox::Ok)->click();
            break;
        case Trigger::SelectOther:
            window.table()->setCurrentCell(window.rowOf("Q2"), 0);
            break;
        case Trigger::ChangeOption:
            QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
            break;
        }
        // The window asked and went on: the answer comes through its event
        // loop, which kept turning until the notice.
        QVERIFY(window.dialog.awaitsCups());
        QVERIFY(session->boxes.boxes.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!session->boxes.boxes.isEmpty(), patienceMs);
        if (how != Silence::Gone)
            QVERIFY(turnsAtNotice > 0);

        QCOMPARE(session->boxes.boxes.size(), 1);
        const bool written = trigger == Trigger::Apply || trigger == Trigger::Ok;
        QCOMPARE(session->boxes.boxes.first(),
                 qMakePair(QString("Error"), written ? notApplied : notAnswering));
        QVERIFY(window.dialog.isVisible());
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(window.table()->rowCount(), 0);
        QCOMPARE(window.printerTab->tableNotice(), tableNotAnswering);
        QCOMPARE(window.currentTabIndex(), 0);
        QVERIFY(!window.tabWidget()->isTabEnabled(1));
        QVERIFY(window.tabSize(1).isEmpty());
        QVERIFY(window.printerTab->collectOptionValues().isEmpty());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.buttonWithText("Profiles...")->isEnabled());
        QCOMPARE(window.dialog.windowTitle(), QString("Tolvane Vellumark"));

        QWidget elsewhere;
        const auto goElsewhere = [&elsewhere] {
            elsewhere.show();
            elsewhere.activateWindow();
            return QTest::qWaitForWindowActive(&elsewhere);
        };
        if (back == Back::AtSecondActivation) {
            // Asked while still silent: the question hangs until its bound.
            QVERIFY(silence(Silence::SilentSocket));
            QVERIFY(goElsewhere());
            QVERIFY(!window.dialog.awaitsCups());
            window.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            QVERIFY(window.dialog.awaitsCups());
        }
        if (back == Back::AtSecondActivation) {
            // The listener stays: the question it holds gets no answer.
            qputenv("CUPS_SERVER", cups.server().toLocal8Bit());
            QVERIFY2(cups.resume(), qPrintable(cups.errorText()));
        } else {
            QVERIFY2(speakAgain(), qPrintable(cups.errorText()));
        }
        if (byActivation) {
            // The user goes to another window and comes back.
            QVERIFY(goElsewhere());
            QCOMPARE(window.table()->rowCount(), 0);
            QSignalSpy listed(window.printerTab, &PrinterTab::listShown);
            window.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            // The activation asked CUPS: its answer, not the activation,
            // fills the list.
            QTRY_VERIFY_WITH_TIMEOUT(listed.count() > 0, patienceMs);
            QCOMPARE(window.column(0), QStringList({"Q1", "Q2"}));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(window.column(0), QStringList({"Q1", "Q2"}), patienceMs);
        }

        // As at start: nothing selected, nothing written, nothing more said.
        QTRY_COMPARE_WITH_TIMEOUT(window.column(2), QStringList({"Idle", "Idle"}), patienceMs);
        QVERIFY(window.printerTab->tableNotice().isEmpty());
        QCOMPARE(AppState::optionModel, nullptr);
        QVERIFY(window.table()->selectedItems().isEmpty());
        QVERIFY(!window.button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(RoadSession::readFile(session->lpoptionsPath()), lpoptions);
        QVERIFY(!QFile::exists(session->cfgPath("Q2")));

        // The user goes on without a restart.
        QVERIFY(window.select("Q2"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Legal"));
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count("Settings applied."), 1);
        QCOMPARE(session->lpoptionsOf("Q2"), QStringList({"Duplex=None", "PageSize=Legal"}));
    }

    void startedWithoutCups_data()
    {
        QTest::addColumn<Silence>("how");
        QTest::newRow("no daemon") << Silence::Gone;
        QTest::newRow("daemon stopped") << Silence::Stopped;
        QTest::newRow("silent listener") << Silence::SilentSocket;
        QTest::newRow("daemon stopped during the listing") << Silence::StoppedDuringListing;
    }

    void startedWithoutCups()
    {
        QFETCH(Silence, how);
        // Another maker's queues: several PPD questions, the same rows.
        QStringList others;
        if (how == Silence::StoppedDuringListing) {
            for (int i = 0; i < 12; ++i) {
                others << QStringLiteral("Other%1").arg(i);
                QVERIFY2(cups.addQueue("queue-foreign.ppd", others.last()),
                         qPrintable(cups.errorText()));
            }
        }
        QVERIFY(silence(how));
        LoopTurns loop;
        RoadWindow window(false);
        // The window is up before CUPS said anything.
        QVERIFY(window.dialog.isVisible());
        QVERIFY(window.dialog.awaitsCups());
        window.dialog.setListRetryInterval(10);
        QSignalSpy listed(window.printerTab, &PrinterTab::listShown);
        const int turnsAtStart = loop.turns;
        if (how != Silence::Gone) {
            // Once the wait lasts, the window shows it.
            QTRY_VERIFY_WITH_TIMEOUT(window.printerTab->tableNotice() == waiting, patienceMs);
            QCOMPARE(window.dialog.cursor().shape(), Qt::BusyCursor);
        }
        QTRY_VERIFY_WITH_TIMEOUT(listed.count() > 0, patienceMs);
        QCOMPARE(window.dialog.cursor().shape(), Qt::ArrowCursor);
        if (how != Silence::Gone)
            QVERIFY(loop.turns > turnsAtStart);
        QCOMPARE(window.table()->rowCount(), 0);
        QCOMPARE(window.printerTab->tableNotice(), tableNotAnswering);
        QVERIFY(session->boxes.boxes.isEmpty());

        QVERIFY2(speakAgain(), qPrintable(cups.errorText()));
        QTRY_COMPARE_WITH_TIMEOUT(window.column(0), QStringList({"Q1", "Q2"}), patienceMs);
        QVERIFY(window.printerTab->tableNotice().isEmpty());
        QCOMPARE(AppState::optionModel, nullptr);
        QVERIFY(session->boxes.boxes.isEmpty());
        QVERIFY(RoadSession::readFile(session->lpoptionsPath()).isEmpty());

        // Nothing was written meanwhile; now it can be.
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Legal"));
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count("Settings applied."), 1);
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=Legal"}));
        for (const QString &other : qAsConst(others))
            QVERIFY(cups.run("lpadmin", {"-x", other}));
    }

    // The window closed while CUPS or lpoptions keeps it waiting: the
    // process ends within the bound, a write under way keeps lpoptions' own
    // bound, and a write cut short is told.
    void closingEndsTheProcess_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("Escape during a stopped listing") << "list";
        QTest::newRow("Escape while lpoptions runs past its bound") << "write";
        QTest::newRow("Escape while a slow lpoptions runs") << "slow write";
    }

    void closingEndsTheProcess()
    {
        QFETCH(QString, during);
        const bool duringWrite = during != "list";
        const bool cut = during == "write";
        if (!duringWrite)
            QVERIFY(cups.freeze());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        const QString held = session->work.path() + "/held";
        child.start(QCoreApplication::applicationFilePath(),
                    {closeChild, during, session->home.path(), session->base.path(), held});
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("closed\n")
                                     || child.state() == QProcess::NotRunning,
                                 patienceMs);
        QVERIFY2(output.contains("closed\n"), output.constData());
        if (during == "slow write") {
            // Longer than any answer of CUPS may take, within lpoptions' own.
            QTest::qWait(CupsConnection::answerLimitMs() + 1000);
            QVERIFY(QFile(held + "/go").open(QIODevice::WriteOnly));
        }
        // A guard from the close: the bound and what ending takes, with room
        // to spare; no speed bound.
        const bool ended = child.state() == QProcess::NotRunning
                           || child.waitForFinished(CupsConnection::answerLimitMs() + 20000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        QVERIFY(cups.thaw());
        QVERIFY2(ended, "the process lived on after its window had closed");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        output += child.readAllStandardOutput();
        // A cut write: the settings file has the new size, lpoptions'
        // defaults the old one, and the user was told.
        QCOMPARE(output.count(writeErrorLine), cut ? 1 : 0);
        QVERIFY2(!output.contains("Success|"), output.constData());
        if (duringWrite) {
            QVERIFY(session->cfgLinesOf("Q1").contains("PageSize=Letter;A4"));
            QCOMPARE(session->lpoptionsOf("Q1"),
                     QStringList({"Duplex=None", cut ? "PageSize=A4" : "PageSize=Letter"}));
        }
    }

    void emptyListSaysNoPrinterIsInstalled_data()
    {
        QTest::addColumn<bool>("foreignQueue");
        QTest::newRow("another maker's queue only") << true;
        QTest::newRow("no queue at all") << false;
    }

    void emptyListSaysNoPrinterIsInstalled()
    {
        QFETCH(bool, foreignQueue);
        QVERIFY(cups.run("lpadmin", {"-x", "Q1"}));
        QVERIFY(cups.run("lpadmin", {"-x", "Q2"}));
        if (foreignQueue)
            QVERIFY(cups.addQueue("queue-foreign.ppd", "Foreign"));
        {
            RoadWindow window;
            window.dialog.setListRetryInterval(24 * 3600 * 1000);
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            QCOMPARE(window.table()->rowCount(), 0);
            QCOMPARE(window.printerTab->tableNotice(), noPrinter);

            // A printer installed meanwhile is there when the user comes back.
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Q1"));
            QWidget elsewhere;
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            QSignalSpy listed(window.printerTab, &PrinterTab::listShown);
            window.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            QTRY_VERIFY_WITH_TIMEOUT(listed.count() > 0, patienceMs);
            QCOMPARE(window.column(0), QStringList({"Q1"}));
            QVERIFY(window.printerTab->tableNotice().isEmpty());
            QCOMPARE(AppState::optionModel, nullptr);
            QVERIFY(session->boxes.boxes.isEmpty());
        }
        if (foreignQueue)
            QVERIFY(cups.run("lpadmin", {"-x", "Foreign"}));
        QVERIFY(cups.addQueue("queue-tolvane.ppd", "Q2"));
    }

private:
    SandboxCups cups;
    QTcpServer silentListener;
    std::unique_ptr<RoadSession> session;
};

// The child of closingEndsTheProcess: the window as the program runs it,
// closed with Escape during the listing or while lpoptions is held.
int closeWindowInChild(char **argv)
{
    printMessageBoxes();
    qputenv("HOME", argv[3]);
    SystemPaths::setUserBase(QString::fromLocal8Bit(argv[4]) + "/");
    CupsConnection::setAnswerLimitMs(3000);
    // A slow lpoptions is let go well within its bound; a held one is not.
    const QByteArray during = argv[2];
    CommandRunner::setTimeoutMs(during == "write" ? 6000 : 15000);
    // Goes after the window: its worker kills the held run before the
    // stand-in is let go, so nothing finishes a cut write.
    std::unique_ptr<HeldLpoptions> held;
    RoadWindow window(false);
    if (!QTest::qWaitForWindowExposed(&window.dialog))
        return 10;
    if (during != "list") {
        if (!window.settle() || !window.select("Q1")
            || !window.tab->choose(window.tab->pageSize, "Letter") || !window.settle())
            return 11;
        held.reset(new HeldLpoptions(QString::fromLocal8Bit(argv[5]), false));
        window.button(QDialogButtonBox::Apply)->click();
        if (!QTest::qWaitFor([&held] { return held->started(); }, patienceMs))
            return 12;
    }
    std::printf("closed\n");
    std::fflush(stdout);
    QTest::keyClick(&window.dialog, Qt::Key_Escape);
    return window.dialog.runUntilEnded();
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc == 6 && QByteArray(argv[1]) == closeChild)
        return closeWindowInChild(argv);
    MainRoadOutageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return runTestObject(&test, argc, argv);
}
#include "tst_mainroadoutage.moc"
