// The main window when CUPS stops answering and comes back: the boxes say
// so, the list explains itself, and the list comes back without a restart,
// with nothing selected and nothing written.
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include <QtTest>

#include <unistd.h>

namespace {

const QString notAnswering =
    QStringLiteral("The printing system (CUPS) is not answering.\nThe printer list will be "
                   "filled again as soon as it answers.");
const QString tableNotAnswering = QStringLiteral("The printing system (CUPS) is not answering.");
const QString noPrinter = QStringLiteral("No Tolvane printer is installed.");

// Generous: only a hang fails it.
const int patienceMs = 120000;

enum class Trigger { Apply, Ok, SelectOther, ChangeOption };

} // namespace

Q_DECLARE_METATYPE(Trigger)

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
    }

    void init() { session.reset(new RoadSession); }
    void cleanup()
    {
        // A failed row must not leave the next one without CUPS.
        QVERIFY2(cups.resume(), qPrintable(cups.errorText()));
        session.reset();
    }

    void silentCupsIsToldAndTheListComesBack_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<bool>("byActivation");
        QTest::newRow("Apply, back at activation") << Trigger::Apply << true;
        QTest::newRow("Apply, back by retry") << Trigger::Apply << false;
        QTest::newRow("OK keeps the window") << Trigger::Ok << true;
        QTest::newRow("another printer chosen") << Trigger::SelectOther << true;
        QTest::newRow("an option changed") << Trigger::ChangeOption << false;
    }

    void silentCupsIsToldAndTheListComesBack()
    {
        QFETCH(Trigger, trigger);
        QFETCH(bool, byActivation);

        RoadWindow window;
        // Only the case at hand may bring the list back.
        window.dialog.setListRetryInterval(byActivation ? 24 * 3600 * 1000 : 10);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QVERIFY(window.select("Q1"));
        const QByteArray lpoptions = RoadSession::readFile(session->lpoptionsPath());
        QVERIFY(!lpoptions.isEmpty());
        QVERIFY(cups.halt());

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

        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(), qMakePair(QString("Error"), notAnswering));
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

        QVERIFY2(cups.resume(), qPrintable(cups.errorText()));
        if (byActivation) {
            // The user goes to another window and comes back.
            QWidget elsewhere;
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            QCOMPARE(window.table()->rowCount(), 0);
            window.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            QCOMPARE(window.column(0), QStringList({"Q1", "Q2"}));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(window.column(0), QStringList({"Q1", "Q2"}), patienceMs);
        }

        // As at start: nothing selected, nothing written, nothing more said.
        QCOMPARE(window.column(2), QStringList({"Idle", "Idle"}));
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
        window.button(QDialogButtonBox::Apply)->click();
        QCOMPARE(session->boxes.count("Settings applied."), 1);
        QCOMPARE(session->lpoptionsOf("Q2"), QStringList({"Duplex=None", "PageSize=Legal"}));
    }

    void startedWithoutCups()
    {
        QVERIFY(cups.halt());
        RoadWindow window;
        window.dialog.setListRetryInterval(10);
        QCOMPARE(window.table()->rowCount(), 0);
        QCOMPARE(window.printerTab->tableNotice(), tableNotAnswering);
        QVERIFY(session->boxes.boxes.isEmpty());

        QVERIFY2(cups.resume(), qPrintable(cups.errorText()));
        QTRY_COMPARE_WITH_TIMEOUT(window.column(0), QStringList({"Q1", "Q2"}), patienceMs);
        QVERIFY(window.printerTab->tableNotice().isEmpty());
        QCOMPARE(AppState::optionModel, nullptr);
        QVERIFY(session->boxes.boxes.isEmpty());
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
            window.dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
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
    std::unique_ptr<RoadSession> session;
};

VM_TEST_MAIN(MainRoadOutageTest)
#include "tst_mainroadoutage.moc"
