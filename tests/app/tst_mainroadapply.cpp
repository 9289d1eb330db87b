// Apply, OK and Cancel of the main window against a private cupsd: what
// reaches the printer's ".cfg" file and lpoptions, a failing or hanging
// lpoptions, and the refresh of stale saved defaults on Cancel.
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "system/CommandRunner.h"

#include <QCheckBox>
#include <QLabel>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

namespace {

const QString applied = QStringLiteral("Settings applied.");
const QString writeError = QStringLiteral("Error: Printer does not exist or lpoptions failed.");
const QString printersChanged =
    QStringLiteral("It looks like your installed printers have changed.\nReloading list now.");
const QString title = QStringLiteral("Tolvane Vellumark");

// What the user does while an answer is pending, after Apply or OK, or
// after choosing another row.
enum class Meanwhile {
    OtherRow,        // CUPS stopped after the click, a click on another row
    Option,          // lpoptions held, a key on an option
    InstalledOption, // CUPS stopped during a selection, the old queue's installed option
    RemovedBefore,   // the queue removed before the click
    RemovedDuring,   // the queue removed while lpoptions runs
    RemovedInRefill, // the queue removed while a refill that listed it holds
};

// The shown widget of that accessible name.
template<typename T>
T *named(QWidget *parent, const QString &accessibleName)
{
    for (T *widget : parent->findChildren<T *>()) {
        if (widget->accessibleName() == accessibleName && !widget->isHidden())
            return widget;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Meanwhile)

class MainRoadApplyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "mainroadapply");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        originalPath = qgetenv("PATH");
        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"},
                             {"queue-tolvane.ppd", "Stale"},
                             {"printertab-installable.ppd", "Inst"}}),
                 qPrintable(cups.errorText()));
    }

    void init() { session.reset(new RoadSession); }
    void cleanup()
    {
        qputenv("PATH", originalPath);
        CommandRunner::setTimeoutMs(30000);
        session.reset();
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void applyWritesFileAndDefaults()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->duplex, "DuplexTumble"));
        // A5 blocks short-edge duplex: what is written is what the pass left.
        QVERIFY(window.tab->choose(window.tab->pageSize, "A5"));
        window.click(QDialogButtonBox::Apply);

        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(), qMakePair(QString("Success"), applied));
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=A5"}));
        QCOMPARE(session->cfgLinesOf("Q1"),
                 QStringList({"Duplex=None;None", "PageSize=A5;A4", "StandInNote=kept"}));
    }

    void applyRefillsTheTableFirst()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(cups.run("lpadmin", {"-p", "Later", "-E", "-v", "file:///dev/null", "-P",
                                     SandboxCups::dataFile("queue-tolvane.ppd")}));
        window.click(QDialogButtonBox::Apply);
        const int laterRow = window.rowOf("Later");
        QVERIFY(cups.run("lpadmin", {"-x", "Later"}));
        QVERIFY(laterRow >= 0);
        QCOMPARE(session->boxes.count(applied), 1);
        QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
        QCOMPARE(window.table()->item(window.table()->currentRow(), 0)->text(), QString("Q1"));
    }

    // The table is refilled from the destination list as lpoptions left it:
    // an instance that the run writes is listed after the Apply.
    void applyListsWhatLpoptionsWrote()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        const QByteArray real = QFile::encodeName(QStandardPaths::findExecutable("lpoptions"));
        QVERIFY(!real.isEmpty());
        const QString bin = session->work.path() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        QFile standIn(bin + "/lpoptions");
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\n'" + real + "' \"$@\" || exit\nexec '" + real
                      + "' -p Q1/draft -o Duplex=None\n");
        standIn.close();
        standIn.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.toLocal8Bit() + ":" + originalPath);

        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 1);
        QCOMPARE(window.column(0).count("Q1"), 2);
        QCOMPARE(window.table()->item(window.table()->currentRow(), 0)->text(), QString("Q1"));
        QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
    }

    void failingLpoptionsShowsTheError_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("limitMs");
        QTest::newRow("exit status 1") << QByteArray("#!/bin/sh\nexit 1\n") << 30000;
        QTest::newRow("past the time limit") << QByteArray("#!/bin/sh\nexec sleep 20\n") << 500;
    }

    void failingLpoptionsShowsTheError()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, limitMs);
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));

        const QString bin = session->work.path() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        QFile standIn(bin + "/lpoptions");
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write(script);
        standIn.close();
        standIn.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.toLocal8Bit() + ":" + originalPath);
        CommandRunner::setTimeoutMs(limitMs);

        // Past the limit, lpoptions is given up: the stand-in's sleep would
        // end with status 0 and the write would count as done.
        window.click(QDialogButtonBox::Apply);

        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(), qMakePair(QString("Error"), writeError));
        QCOMPARE(window.currentTabIndex(), 0);
        // The file is written before lpoptions runs and stays written.
        QVERIFY(RoadSession::readFile(session->cfgPath("Q1")).contains("PageSize=Letter;A4\n"));
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=A4"}));
        // The printer is still there and still selected.
        QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
    }

    void theWindowWritesWhatItShowed_data()
    {
        QTest::addColumn<Meanwhile>("meanwhile");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("boxes");
        // The queue selected at the end, empty for none.
        QTest::addColumn<QString>("selected");
        const QStringList applied = {::applied};
        // Held until the write has been told, then selected.
        QTest::newRow("Apply, then another row")
            << Meanwhile::OtherRow << false << applied << "Stale";
        QTest::newRow("OK, then another row") << Meanwhile::OtherRow << true << applied << "Q1";
        QTest::newRow("Apply, then an option") << Meanwhile::Option << false << applied << "Q1";
        QTest::newRow("OK, then an option") << Meanwhile::Option << true << applied << "Q1";
        QTest::newRow("installed option during a selection")
            << Meanwhile::InstalledOption << false << applied << "Q1";
        QTest::newRow("queue removed before Apply")
            << Meanwhile::RemovedBefore << false << QStringList({writeError, printersChanged})
            << "";
        QTest::newRow("queue removed during Apply")
            << Meanwhile::RemovedDuring << false << QStringList({::applied, printersChanged}) << "";
        QTest::newRow("queue removed while a refill is on its way")
            << Meanwhile::RemovedInRefill << false << QStringList({writeError, printersChanged})
            << "";
    }

    void theWindowWritesWhatItShowed()
    {
        QFETCH(Meanwhile, meanwhile);
        QFETCH(bool, ok);
        QFETCH(QStringList, boxes);
        QFETCH(QString, selected);
        const bool removed = meanwhile == Meanwhile::RemovedBefore
                             || meanwhile == Meanwhile::RemovedDuring
                             || meanwhile == Meanwhile::RemovedInRefill;
        if (removed)
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Gone"));
        const QString gate = session->work.path() + "/relay";
        const QByteArray server = qgetenv("CUPS_SERVER");
        // Also when the row fails: the rows after it need CUPS as it was.
        const auto restore = qScopeGuard([&] {
            if (meanwhile != Meanwhile::RemovedInRefill)
                return;
            QFile(gate + "/go").open(QIODevice::WriteOnly);
            qputenv("CUPS_SERVER", server);
            cups.run("lpadmin", {"-x", "Added"});
        });
        if (meanwhile == Meanwhile::RemovedInRefill) {
            // A refill for a queue added later holds at its PPD.
            QVERIFY(QDir().mkpath(gate));
            const QString relay = cups.relayHoldingPpd("Added", gate);
            QVERIFY(!relay.isEmpty());
            qputenv("CUPS_SERVER", relay.toLocal8Bit());
        }
        const QString queue = removed ? "Gone" : "Q1";
        QString titleAtBox;
        RoadWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QVERIFY(window.select(meanwhile == Meanwhile::InstalledOption ? "Inst" : queue));
        std::unique_ptr<HeldLpoptions> held;
        if (meanwhile == Meanwhile::Option || meanwhile == Meanwhile::RemovedDuring)
            held.reset(new HeldLpoptions(session->work.path() + "/held",
                                         meanwhile == Meanwhile::RemovedDuring));

        if (meanwhile == Meanwhile::InstalledOption) {
            // The old queue's installed option, clicked while the new
            // queue's model is on its way, must not count.
            QVERIFY(cups.freeze());
            window.clickRow("Q1");
            auto *finisher = named<QCheckBox>(&window.dialog, "chkBxOption17");
            QVERIFY(finisher && window.dialog.awaitsCups());
            const bool checked = finisher->isChecked();
            QTest::mouseClick(finisher, Qt::LeftButton, {}, QPoint(8, finisher->height() / 2));
            QCOMPARE(finisher->isChecked(), checked);
            QVERIFY(!named<QLabel>(&window.dialog, "lblRootWarning"));
            QVERIFY(cups.thaw());
            QVERIFY(window.settle());
            QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
        }
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        QVERIFY(window.settle());
        if (meanwhile == Meanwhile::RemovedBefore)
            QVERIFY(cups.run("lpadmin", {"-x", "Gone"}));
        if (meanwhile == Meanwhile::RemovedInRefill) {
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Added"));
            // The next constraint pass finds the names changed and refills.
            QVERIFY(window.tab->choose(window.tab->duplex, "DuplexNoTumble"));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(gate + "/held"), 120000);
            QVERIFY(window.printerTab->isListing());
            QVERIFY(cups.run("lpadmin", {"-x", "Gone"}));
        }
        if (meanwhile == Meanwhile::OtherRow)
            QVERIFY(cups.freeze());
        QString duplex = AppState::optionModel->option("Duplex")->currentChoice()->keyword();
        QPushButton *button = window.button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Apply);
        QTest::mouseClick(button, Qt::LeftButton);

        switch (meanwhile) {
        case Meanwhile::OtherRow:
            QVERIFY(window.dialog.awaitsCups());
            window.clickRow("Stale");
            session->boxes.onBox = [&] { titleAtBox = window.dialog.windowTitle(); };
            QVERIFY(cups.thaw());
            break;
        case Meanwhile::Option:
            QTRY_VERIFY_WITH_TIMEOUT(held->started(), 120000);
            QTest::keyClick(window.tab->duplex, Qt::Key_Down);
            // Shown once the wait lasts: a busy cursor, the page greyed.
            QTRY_VERIFY_WITH_TIMEOUT(window.dialog.cursor().shape() == Qt::BusyCursor, 120000);
            QVERIFY(!window.tab->duplex->isEnabled());
            held->release();
            break;
        case Meanwhile::RemovedDuring:
            QTRY_VERIFY_WITH_TIMEOUT(held->started(), 120000);
            QVERIFY(cups.run("lpadmin", {"-x", "Gone"}));
            held->release();
            break;
        case Meanwhile::RemovedInRefill:
            // Told before the refill, which had listed the queue, ends.
            QTRY_VERIFY_WITH_TIMEOUT(session->boxes.boxes.size() == 2, 30000);
            QVERIFY(QFile(gate + "/go").open(QIODevice::WriteOnly));
            break;
        default:
            break;
        }
        QVERIFY(window.settle());
        held.reset();
        session->boxes.onBox = {};
        if (meanwhile == Meanwhile::OtherRow)
            QCOMPARE(titleAtBox, title + " - " + queue);

        QStringList shown;
        for (const auto &box : qAsConst(session->boxes.boxes))
            shown << box.second;
        QCOMPARE(shown, boxes);
        QCOMPARE(window.dialog.isVisible(), !ok);
        QCOMPARE(window.dialog.cursor().shape(), Qt::ArrowCursor);
        if (selected.isEmpty()) {
            QCOMPARE(AppState::optionModel, nullptr);
            QCOMPARE(window.dialog.windowTitle(), title);
            QCOMPARE(window.rowOf(queue), -1);
            QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        } else {
            QCOMPARE(AppState::optionModel->printerName(), selected);
            QCOMPARE(window.dialog.windowTitle(), title + " - " + selected);
            if (selected == queue)
                QCOMPARE(window.tab->pageSize->currentText(), QString("Letter"));
            QVERIFY(window.tab->duplex->isEnabled());
            QVERIFY(!named<QLabel>(&window.dialog, "lblRootWarning"));
        }
        if (meanwhile != Meanwhile::RemovedBefore && meanwhile != Meanwhile::RemovedInRefill) {
            // What the window shows is what was written.
            if (AppState::optionModel && selected == queue)
                duplex = AppState::optionModel->option("Duplex")->currentChoice()->keyword();
            QCOMPARE(session->lpoptionsOf(queue),
                     QStringList({"Duplex=" + duplex, "PageSize=Letter"}));
            QVERIFY(session->cfgLinesOf(queue).contains("Duplex=" + duplex + ";None"));
            QVERIFY(session->cfgLinesOf(queue).contains("PageSize=Letter;A4"));
        }
    }

    void unsavableSettingsStopTheWrite()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        // A folder where the printer's file belongs: it cannot be replaced.
        QVERIFY(QFile::remove(session->cfgPath("Q1")));
        QVERIFY(QDir().mkpath(session->cfgPath("Q1")));
        window.click(QDialogButtonBox::Apply);

        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(),
                 qMakePair(QString("Error"), QString("The settings could not be saved.")));
        // lpoptions did not run: the defaults are still those of the selection.
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=A4"}));
    }

    void okAppliesAndCloses()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->duplex, "DuplexNoTumble"));
        window.click(QDialogButtonBox::Ok);
        QCOMPARE(session->boxes.count(applied), 1);
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=DuplexNoTumble", "PageSize=A4"}));
        QVERIFY(!window.dialog.isVisible());
        QCOMPARE(window.dialog.result(), int(QDialog::Accepted));
    }

    void cancelRefreshesOnlyStaleDefaults()
    {
        // Saved while the queue's duplex default was still "None".
        const QByteArray saved = "PageSize=A5;A4\n"
                                 "Duplex=None;None\n"
                                 "ColorModel=Gray\n"
                                 "StandInNote=a;b\\\\c\n"
                                 "MediaType=Heavy;Plain\n"
                                 "CustomJobName=Bericht \xc3\xbc"
                                 "ber 1=2\n";
        {
            QFile file(session->cfgPath("Stale"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(saved);
        }
        // Changes the default in the queue's own PPD, as an administrator
        // would; the model reads it when the queue is selected.
        QVERIFY2(cups.run("lpadmin", {"-p", "Stale", "-o", "Duplex=DuplexNoTumble"}),
                 qPrintable(cups.errorText()));

        RoadWindow window;
        QVERIFY(window.select("Stale"));
        QCOMPARE(AppState::optionModel->defaultChoices().value("Duplex"),
                 QString("DuplexNoTumble"));
        // The saved choice is stale: the tab shows the new default.
        QCOMPARE(window.tab->duplex->currentText(), QString("Long Edge"));
        QCOMPARE(window.tab->pageSize->currentText(), QString("A5"));
        QCOMPARE(RoadSession::readFile(session->cfgPath("Stale")), saved);

        window.button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!window.dialog.isVisible());
        QByteArray expected = saved;
        expected.replace("Duplex=None;None\n", "Duplex=DuplexNoTumble;DuplexNoTumble\n");
        QCOMPARE(RoadSession::readFile(session->cfgPath("Stale")), expected);
        QVERIFY(session->boxes.boxes.isEmpty());
        QVERIFY(session->lpoptionsOf("Stale").isEmpty());
        // No temporary file is left beside it.
        QCOMPARE(QDir(session->userDir()).entryList(QDir::Files),
                 QStringList({"Settings", "Stale.cfg"}));
    }

    void cancelWithoutPrinterTouchesNothing()
    {
        RoadWindow window;
        window.button(QDialogButtonBox::Cancel)->click();
        QVERIFY(!window.dialog.isVisible());
        QCOMPARE(QDir(session->userDir()).entryList(QDir::Files), QStringList({"Settings"}));
        QVERIFY(session->boxes.boxes.isEmpty());
    }

private:
    SandboxCups cups;
    std::unique_ptr<RoadSession> session;
    QByteArray originalPath;
};

VM_TEST_MAIN(MainRoadApplyTest)
#include "tst_mainroadapply.moc"
