// The main window's main road against a private cupsd: the printer table,
// selecting a printer, the constraint pass, printers vanishing underneath,
// and a queue name that a shell would take for commands.
#include "MainRoadFixture.h"
#include "PixelCompare.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "dialogs/HelpDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/ProfileSaveDialog.h"

#include <QtTest>

#include <unistd.h>

namespace {

// A tab that moves something at every pass, as two tabs that keep moving
// each other's widgets would.
class RestlessTab : public Tab
{
public:
    explicit RestlessTab(QWidget *window)
        : Tab(window)
    {
        tabName = QStringLiteral("Restless");
    }
    bool hasOptions() override { return AppState::optionModel != nullptr; }
    bool enableOptions() override
    {
        ++enableCalls;
        return true;
    }
    int enableCalls = 0;

protected:
    void initTabName() override { getTabName(); }
    void buildUi() override {}
};

const QString title = QStringLiteral("Tolvane Vellumark");
const QString printersChanged =
    QStringLiteral("It looks like your installed printers have changed.\nReloading list now.");
const QString writeError = QStringLiteral("Error: Printer does not exist or lpoptions failed.");

// CUPS forbids blanks, '/', '#', quotes and backslashes in queue names, but
// not these: pasted into a shell command line, it would create two files in
// the working directory.
const QString hostileName = QStringLiteral("Q;touch${IFS}mrk1&`touch${IFS}mrk2`");

} // namespace

class MainRoadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "mainroad");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        // The queues are added in another order than CUPS lists them.
        QVERIFY2(cups.start({{"queue-twofilters.ppd", "TwoFilters"},
                             {"queue-tolvane.ppd", "Q1"},
                             {"queue-foreign.ppd", "Foreign"},
                             {"queue-rbor.ppd", "Rbor"},
                             {"queue-trailingblank.ppd", "TrailingBlank"},
                             {"queue-lowercase.ppd", "Lowercase"},
                             {"queue-mfgupper.ppd", "MfgUpper"},
                             {"queue-nofilter.ppd", "NoFilter"},
                             {"queue-tolvane.ppd", "Q2"}}),
                 qPrintable(cups.errorText()));
    }

    void init() { session.reset(new RoadSession); }
    void cleanup()
    {
        session.reset();
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void tableListsTheMakersQueuesInCupsOrder()
    {
        RoadWindow window;
        QCOMPARE(window.column(0), QStringList({"Q1", "Q2", "Rbor", "TwoFilters"}));
        QCOMPARE(window.column(1), QVector<QString>(4, "file:///dev/null").toList());
        QCOMPARE(window.column(2), QVector<QString>(4, "Idle").toList());
        QCOMPARE(AppState::knownPrinters.size(), 9);
        QCOMPARE(window.dialog.windowTitle(), title);
        QVERIFY(!window.button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.buttonWithText("Profiles...")->isEnabled());
        QVERIFY(!window.tabWidget()->isTabEnabled(1));
        QCOMPARE(window.tabSize(0), QSize(180, 49));
        QVERIFY(window.tabSize(1).isEmpty());
        QVERIFY(session->boxes.boxes.isEmpty());
    }

    void stoppedQueueShowsPaused()
    {
        RoadWindow window;
        QVERIFY(cups.run("cupsdisable", {"Rbor"}));
        window.printerTab->fillPrinterTable();
        QVERIFY(window.settle());
        const bool paused = window.table()->item(window.rowOf("Rbor"), 2)->text() == "Paused";
        QVERIFY(cups.run("cupsenable", {"Rbor"}));
        QVERIFY(paused);
        QCOMPARE(window.table()->item(window.rowOf("Q1"), 2)->text(), QString("Idle"));
    }

    void firstSelectionWritesSettingsAndDefaults()
    {
        RoadWindow window;
        QVERIFY(!QFile::exists(session->cfgPath("Q1")));
        QVERIFY(window.select("Q1"));

        QCOMPARE(window.dialog.windowTitle(), title + " - Q1");
        QVERIFY(window.button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(window.buttonWithText("Profiles...")->isEnabled());
        QVERIFY(window.tabWidget()->isTabEnabled(1));
        QCOMPARE(window.tabSize(1), window.tabSize(0));
        QCOMPARE(window.tab->pageSize->currentText(), QString("A4"));
        QCOMPARE(window.tab->duplex->currentText(), QString("Off"));

        QCOMPARE(session->cfgLinesOf("Q1"),
                 QStringList({"Duplex=None;None", "PageSize=A4;A4", "StandInNote=kept"}));
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=A4"}));
        QVERIFY(session->boxes.boxes.isEmpty());

        // A later selection of a printer with a file leaves the file alone.
        window.tab->choose(window.tab->pageSize, "Letter");
        QVERIFY(window.select("Q2"));
        QVERIFY(window.select("Q1"));
        QCOMPARE(window.tab->pageSize->currentText(), QString("A4"));
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=A4"}));
        QVERIFY(session->boxes.boxes.isEmpty());
    }

    void anotherCellOfTheRowIsNoChange()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        tOptionModel *model = AppState::optionModel;
        QVERIFY(window.tab->choose(window.tab->pageSize, "Legal"));
        window.table()->setCurrentCell(window.rowOf("Q1"), 2);
        QCOMPARE(AppState::optionModel, model);
        QCOMPARE(window.tab->pageSize->currentText(), QString("Legal"));
    }

    void blockedChoiceIsLeftInASecondPass()
    {
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->duplex, "DuplexTumble"));
        window.tab->enableCalls = 0;
        // A5 blocks short-edge duplex: the stand-in moves off it, which takes
        // a second pass.
        QVERIFY(window.tab->choose(window.tab->pageSize, "A5"));
        QCOMPARE(window.tab->duplex->currentText(), QString("Off"));
        QCOMPARE(window.tab->enableCalls, 2);
        QCOMPARE(window.dialog.constraintPassCount(), 0);
        QVERIFY(window.button(QDialogButtonBox::Apply)->isEnabled());
    }

    void passesStopAfterEleven()
    {
        RoadWindow window;
        auto *restless = new RestlessTab(&window.dialog);
        window.dialog.addTab(restless);
        QVERIFY(window.select("Q1"));

        restless->enableCalls = 0;
        window.tab->enableCalls = 0;
        window.dialog.setConstraints();
        QCOMPARE(restless->enableCalls, 11);
        QCOMPARE(window.tab->enableCalls, 11);
        QCOMPARE(window.dialog.constraintPassCount(), 0);

        // The counter is shared by all chains: the next chain is as long.
        restless->enableCalls = 0;
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        QCOMPARE(restless->enableCalls, 11);
        QCOMPARE(window.dialog.constraintPassCount(), 0);
        QVERIFY(session->boxes.boxes.isEmpty());
    }

    void vanishedPrinterIsUnselectedAtTheNextChange()
    {
        addQueue("Vanish");
        RoadWindow window;
        QVERIFY(window.select("Vanish"));
        QVERIFY(cups.run("lpadmin", {"-x", "Vanish"}));
        QVERIFY(session->boxes.boxes.isEmpty());

        QVERIFY(window.tab->choose(window.tab->pageSize, "A5"));
        QVERIFY(window.settle());
        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(), qMakePair(QString("Error"), printersChanged));
        QCOMPARE(window.rowOf("Vanish"), -1);
        QCOMPARE(window.column(0), QStringList({"Q1", "Q2", "Rbor", "TwoFilters"}));
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(window.dialog.windowTitle(), title);
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(window.table()->selectedItems().isEmpty());
        // Only the printer tab is left.
        QVERIFY(!window.tabWidget()->isTabEnabled(1));
        QVERIFY(window.tabSize(1).isEmpty());

        // Another printer can be selected afterwards.
        QVERIFY(window.select("Q2"));
        QCOMPARE(window.dialog.windowTitle(), title + " - Q2");
        QCOMPARE(session->boxes.boxes.size(), 1);
    }

    void vanishedPrinterIsUnselectedByApply()
    {
        addQueue("Vanish");
        RoadWindow window;
        QVERIFY(window.select("Vanish"));
        QVERIFY(cups.run("lpadmin", {"-x", "Vanish"}));
        const QByteArray saved = RoadSession::readFile(session->cfgPath("Vanish"));

        window.click(QDialogButtonBox::Apply);
        QVERIFY(session->boxes.count(writeError) == 1);
        QCOMPARE(session->boxes.count("Settings applied."), 0);
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(window.rowOf("Vanish"), -1);
        QCOMPARE(window.dialog.windowTitle(), title);
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QCOMPARE(window.currentTabIndex(), 0);
        QCOMPARE(RoadSession::readFile(session->cfgPath("Vanish")), saved);
    }

    void printerGoneBeforeItsRowIsChosen()
    {
        addQueue("Vanish");
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(cups.run("lpadmin", {"-x", "Vanish"}));
        QVERIFY(!window.select("Vanish"));

        QCOMPARE(session->boxes.boxes.size(), 1);
        QCOMPARE(session->boxes.boxes.first(), qMakePair(QString("Error"), printersChanged));
        QCOMPARE(window.rowOf("Vanish"), -1);
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(window.dialog.windowTitle(), title);
        QVERIFY(!window.button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.buttonWithText("Profiles...")->isEnabled());
        QVERIFY(!window.tabWidget()->isTabEnabled(1));
        QVERIFY(!QFile::exists(session->cfgPath("Vanish")));

        QVERIFY(window.select("Q1"));
        QCOMPARE(session->boxes.boxes.size(), 1);
    }

    void addedPrinterRefillsWithoutABox()
    {
        RoadWindow window;
        QVERIFY(window.select("Q2"));
        addQueue("Added");
        QVERIFY(window.checkPrintersChanged());
        QCOMPARE(window.column(0), QStringList({"Added", "Q1", "Q2", "Rbor", "TwoFilters"}));
        QCOMPARE(window.table()->item(window.table()->currentRow(), 0)->text(), QString("Q2"));
        QCOMPARE(AppState::optionModel->printerName(), QString("Q2"));
        QVERIFY(session->boxes.boxes.isEmpty());
        QVERIFY(!window.checkPrintersChanged());
        QVERIFY(cups.run("lpadmin", {"-x", "Added"}));
    }

    void switchingBackAndForthReplacesModels()
    {
        RoadWindow window;
        for (const char *name : {"Q1", "Q2", "Q1", "Rbor", "Q1"}) {
            QVERIFY2(window.select(name), name);
            QCOMPARE(window.dialog.windowTitle(), title + " - " + name);
            QVERIFY(window.tab->choose(window.tab->duplex, "DuplexNoTumble"));
            QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
            QCOMPARE(AppState::optionModel->option("PageSize")->currentChoice()->keyword(),
                     QString("Letter"));
        }
        window.dialog.setConstraints();
        QVERIFY(session->boxes.boxes.isEmpty());
    }

    void unusualQueueNamesAreTakenLiterally_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("shell characters") << hostileName;
        QTest::newRow("not ASCII") << QStringLiteral("B\u00fcro-Dru\u0308cker");
    }

    void unusualQueueNamesAreTakenLiterally()
    {
        QFETCH(QString, name);
        addQueue(name);
        {
            RoadWindow window;
            QVERIFY(window.rowOf(name) >= 0);
            QCOMPARE(window.table()->item(window.rowOf(name), 2)->text(), QString("Idle"));
            QVERIFY(window.select(name));
            QCOMPARE(window.dialog.windowTitle(), title + " - " + name);
            QVERIFY(QFile::exists(session->cfgPath(name)));
            QCOMPARE(session->lpoptionsOf(name), QStringList({"Duplex=None", "PageSize=A4"}));
            QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
            window.click(QDialogButtonBox::Apply);
            QCOMPARE(session->boxes.boxes.size(), 1);
            QCOMPARE(session->boxes.count("Settings applied."), 1);
            QCOMPARE(session->lpoptionsOf(name), QStringList({"Duplex=None", "PageSize=Letter"}));
        }
        QVERIFY(cups.run("lpadmin", {"-x", name}));
        // Nothing was run that a shell would have made of the name.
        const QStringList made =
            QDir(session->work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(made, QStringList());
        QVERIFY(!QFile::exists(session->home.path() + "/mrk1"));
        QVERIFY(!QFile::exists(session->home.path() + "/mrk2"));
    }

    // The buttons take no focus; the keyboard reaches them all the same.
    void keyboardReachesTheButtons()
    {
        RoadWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        auto *help = window.dialog.findChild<HelpDialog *>();
        bool helpShown = false;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() == help) {
                helpShown = true;
                help->reject();
            }
        });
        poll.start();
        QTest::keyClick(&window.dialog, Qt::Key_F1);
        QTRY_VERIFY(helpShown);
        // The offscreen platform hands the activation back to nobody.
        QApplication::setActiveWindow(&window.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));

        QVERIFY(window.select("Q1"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Legal"));
        QTest::keyClick(&window.dialog, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(session->boxes.count("Settings applied."), 1);
        QCOMPARE(session->lpoptionsOf("Q1"), QStringList({"Duplex=None", "PageSize=Legal"}));
        QVERIFY(window.dialog.isVisible());

        auto *save = window.dialog.findChild<ProfileSaveDialog *>();
        QTest::keyClick(&window.dialog, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(save->isVisible());
        save->hide();
        QApplication::setActiveWindow(&window.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        auto *profiles = window.dialog.findChild<ProfileDialog *>();
        QTest::keyClick(&window.dialog, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(profiles->isVisible());
        profiles->hide();
        QApplication::setActiveWindow(&window.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));

        QTest::keyClick(&window.dialog, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!window.dialog.isVisible());
        QCOMPARE(window.dialog.result(), int(QDialog::Rejected));
    }

    void focusIsVisible_data()
    {
        QTest::addColumn<bool>("table");
        QTest::newRow("tab bar") << false;
        QTest::newRow("printer table, no row current") << true;
    }

    // Tabbing from the start, a keyboard user sees where the focus is.
    void focusIsVisible()
    {
        QFETCH(bool, table);
        RoadWindow window;
        QApplication::setActiveWindow(&window.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QWidget *target =
            table ? static_cast<QWidget *>(window.table()) : window.tabWidget()->tabBar();
        auto tabUntil = [&](bool focused) {
            for (int presses = 0; presses < 20 && target->hasFocus() != focused; ++presses) {
                QWidget *at = QApplication::focusWidget();
                QTest::keyClick(at ? at : &window.dialog, Qt::Key_Tab);
            }
            return target->hasFocus() == focused;
        };
        QVERIFY(tabUntil(false));
        const QImage without = target->grab().toImage();
        QVERIFY(tabUntil(true));
        QVERIFY(!window.table()->currentIndex().isValid());
        const QImage with = target->grab().toImage();
        const int differing = differingPixels(with, without);
        QVERIFY2(differing >= 100, qPrintable(QString::number(differing)));
    }

    void screenshot()
    {
        RoadWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.dialog));
        QVERIFY(window.select("Q1"));
        QCoreApplication::processEvents();
        const QString shot = QDir::tempPath() + "/vellumark-mainroad.png";
        QVERIFY(window.dialog.grab().save(shot));
        qInfo("screenshot: %s", qPrintable(shot));
    }

private:
    void addQueue(const QString &name, const QString &ppd = "queue-tolvane.ppd")
    {
        QVERIFY2(cups.addQueue(ppd, name), qPrintable(cups.errorText()));
    }

    SandboxCups cups;
    std::unique_ptr<RoadSession> session;
};

VM_TEST_MAIN(MainRoadTest)
#include "tst_mainroad.moc"
