// The printer list and selection of the real main window against a private
// cupsd: nothing happens before the user selects a printer, a refill starts
// one status run, a queue whose PPD is gone at selection is reported, and
// what Apply hands to lpoptions.
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "system/CommandRunner.h"
#include "system/CupsRequests.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {

const QString title = QStringLiteral("Tolvane Vellumark");
const QString printersChanged =
    QStringLiteral("It looks like your installed printers have changed.\nReloading list now.");
const QByteArray geditSettings = "[Print Settings]\npaper-size=na_letter\n";

// What the user does at the printer table while CUPS keeps an answer back.
enum class TableInput {
    TypeAhead,      // a queue's name typed at 30 ms a key
    HeldDown,       // Down 20 times at 30 ms
    QuickClicks,    // 8 clicks on other rows 100 ms apart
    DuringRefill,   // a click while a refill waits
    CtrlTab,        // Ctrl+Tab while a selection waits
    DuringStatuses, // a click while lpstat hangs
    NoLongerMakers, // a click on a listed queue whose PPD became another maker's
};

// Each input in turn, `ms` apart, from the running event loop.
bool inTurn(const QList<std::function<void()>> &inputs, int ms)
{
    int sent = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (sent < inputs.size())
            inputs.at(sent++)();
    });
    timer.start(ms);
    return QTest::qWaitFor([&] { return sent == inputs.size(); }, TestLimits::waitMs);
}

} // namespace

Q_DECLARE_METATYPE(TableInput)

class PrinterSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "printerselection");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY(bin.isValid());
        originalPath = qgetenv("PATH");
        // Every lpstat and lpoptions run is logged, then the real one runs;
        // while the program's hold file exists, it waits for it to go.
        for (const QString &program : {QStringLiteral("lpstat"), QStringLiteral("lpoptions")}) {
            const QString real = QStandardPaths::findExecutable(program);
            QVERIFY2(!real.isEmpty(), qPrintable(program));
            QFile wrapper(bin.path() + "/" + program);
            QVERIFY(wrapper.open(QIODevice::WriteOnly));
            wrapper.write(
                "#!/bin/sh\necho " + program.toUtf8() + " \"$@\" >> '" + QFile::encodeName(runLog())
                + "'\nwhile [ -e '" + QFile::encodeName(holdFile(program))
                + "' ]; do sleep 0.02; done\nexec '" + QFile::encodeName(real) + "' \"$@\"\n");
            wrapper.close();
            QVERIFY(wrapper.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        qputenv("PATH", QFile::encodeName(bin.path()) + ":" + originalPath);
        QVERIFY2(cups.start({{"queue-tolvane.ppd", "Q1"},
                             {"queue-tolvane.ppd", "Q2"},
                             {"queue-foreign.ppd", "Foreign"},
                             {"queue-rbor.ppd", "Rbor"},
                             {"queue-subgroup.ppd", "Sub"}}),
                 qPrintable(cups.errorText()));
    }

    void cleanupTestCase() { qputenv("PATH", originalPath); }

    void init()
    {
        session.reset(new RoadSession);
        QFile::remove(runLog());
    }

    void cleanup()
    {
        QFile::remove(holdFile("lpstat"));
        session.reset();
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void startSelectsNothing()
    {
        const QString gedit = session->home.path() + "/.config/gedit/gedit-print-settings";
        QVERIFY(QDir().mkpath(QFileInfo(gedit).path()));
        QFile file(gedit);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(geditSettings);
        file.close();

        TolDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::qWait(1500);

        auto *printerTab = dialog.findChild<PrinterTab *>();
        QVERIFY(printerTab->table()->rowCount() >= 3);
        QCOMPARE(printerTab->table()->currentRow(), -1);
        QVERIFY(printerTab->table()->selectedItems().isEmpty());
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(dialog.windowTitle(), title);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(!buttons->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!buttons->button(QDialogButtonBox::Apply)->isEnabled());
        for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
            const QString text = QString(b->text()).remove('&');
            if (text == "Save As..." || text == "Profiles...")
                QVERIFY2(!b->isEnabled(), qPrintable(b->text()));
        }
        QCOMPARE(QDir(session->userDir()).entryList({"*.cfg"}), QStringList());
        QCOMPARE(runs("lpoptions"), 0);
        QVERIFY(!QFile::exists(session->lpoptionsPath()));
        QCOMPARE(RoadSession::readFile(gedit), geditSettings);
        QVERIFY(session->boxes.boxes.isEmpty());
    }

    void oneStatusRunPerFill()
    {
        QVERIFY(cups.run("cupsdisable", {"Q2"}));
        RoadWindow window;
        QCOMPARE(runs("lpstat"), 1);
        QCOMPARE(window.column(0), QStringList({"Q1", "Q2", "Rbor", "Sub"}));
        QCOMPARE(window.column(1), QStringList({"file:///dev/null", "file:///dev/null",
                                                "file:///dev/null", "file:///dev/null"}));
        QCOMPARE(window.column(2), QStringList({"Idle", "Paused", "Idle", "Idle"}));

        QVERIFY(cups.run("cupsenable", {"Q2"}));
        window.printerTab->fillPrinterTable();
        QVERIFY(window.settle());
        QCOMPARE(runs("lpstat"), 2);
        QCOMPARE(window.column(2), QStringList({"Idle", "Idle", "Idle", "Idle"}));

        // A selection reads every row's status again, in one run as well.
        QVERIFY(cups.run("cupsdisable", {"Rbor"}));
        QVERIFY(window.select("Q1"));
        QCOMPARE(runs("lpstat"), 3);
        QCOMPARE(window.column(2), QStringList({"Idle", "Idle", "Paused", "Idle"}));
        QVERIFY(cups.run("cupsenable", {"Rbor"}));
    }

    // Apply refills the table as it stands at the click, with one lpstat run;
    // the next selection reads the statuses once, as they are then.
    void applyAndSelectionReadTheStatusesOnce()
    {
        RoadWindow window;
        QVERIFY(window.select("Rbor"));
        QVERIFY(cups.run("cupsdisable", {"Q1"}));
        QFile::remove(runLog());
        for (int round = 0; round < 3; ++round)
            window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count("Settings applied."), 3);
        QCOMPARE(runs("lpoptions"), 3);
        QCOMPARE(runs("lpstat"), 3);
        QCOMPARE(window.column(2), QStringList({"Paused", "Idle", "Idle", "Idle"}));

        QVERIFY(cups.run("cupsenable", {"Q1"}));
        QFile::remove(runLog());
        QVERIFY(window.select("Q1"));
        QCOMPARE(runs("lpstat"), 1);
        QCOMPARE(window.column(2), QStringList({"Idle", "Idle", "Idle", "Idle"}));
    }

    // Requests asked in one turn of the event loop: the latest wins.
    void requestsInOneTurn_data()
    {
        QTest::addColumn<bool>("selections");
        QTest::newRow("two listings") << false;
        QTest::newRow("two rows chosen") << true;
    }

    void requestsInOneTurn()
    {
        QFETCH(bool, selections);
        RoadWindow window;
        QSignalSpy listed(window.printerTab, &PrinterTab::listShown);
        QSignalSpy selected(window.printerTab, &PrinterTab::printerSelected);
        // Whether the tab reports a listing after each answer, up to the
        // list shown.
        QList<bool> listing;
        QList<bool> beforeShown;
        connect(window.printerTab->requests(), &CupsRequests::answerHandedOver, &window.dialog,
                [&] { listing << window.printerTab->isListing(); });
        connect(window.printerTab, &PrinterTab::listShown, &window.dialog,
                [&] { beforeShown = listing; });
        if (selections) {
            window.table()->setCurrentCell(window.rowOf("Q1"), 0);
            window.table()->setCurrentCell(window.rowOf("Q2"), 0);
        } else {
            window.printerTab->fillPrinterTable();
            window.printerTab->fillPrinterTable();
        }
        QVERIFY(window.settle());
        if (selections) {
            QCOMPARE(selected.count(), 1);
            QCOMPARE(AppState::optionModel->printerName(), QString("Q2"));
            QVERIFY(!QFile::exists(session->cfgPath("Q1")));
            QVERIFY(QFile::exists(session->cfgPath("Q2")));
        } else {
            QCOMPARE(listed.count(), 1);
            QVERIFY(beforeShown.contains(true) && !beforeShown.contains(false));
            QVERIFY(!window.printerTab->isListing());
            QCOMPARE(window.column(0), QStringList({"Q1", "Q2", "Rbor", "Sub"}));
        }
    }

    void unfetchablePpdIsReported()
    {
        QVERIFY2(cups.addQueue("queue-tolvane.ppd", "Broken"), qPrintable(cups.errorText()));
        RoadWindow window;
        QVERIFY(window.select("Q1"));
        QVERIFY(window.rowOf("Broken") >= 0);

        // Replaced by the administrator, under the same name, by a queue
        // without a PPD (lpadmin itself refuses a PPD that libcups cannot read).
        QVERIFY(cups.run("lpadmin", {"-x", "Broken"}));
        QVERIFY2(cups.run("lpadmin", {"-p", "Broken", "-E", "-v", "file:///dev/null"}),
                 qPrintable(cups.errorText()));
        const int boxesBefore = session->boxes.boxes.size();

        QVERIFY(!window.select("Broken"));
        QCOMPARE(session->boxes.boxes.size(), boxesBefore + 1);
        QCOMPARE(session->boxes.boxes.last(), qMakePair(QString("Error"), printersChanged));
        QCOMPARE(AppState::optionModel, nullptr);
        QCOMPARE(window.table()->currentRow(), -1);
        QVERIFY(window.table()->selectedItems().isEmpty());
        QCOMPARE(window.rowOf("Broken"), -1);
        QCOMPARE(window.dialog.windowTitle(), title);
        QVERIFY(!window.button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!window.button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!window.buttonWithText("Save As...")->isEnabled());
        QVERIFY(!window.tabWidget()->isTabEnabled(1));
        QVERIFY(!QFile::exists(session->cfgPath("Broken")));

        QVERIFY(cups.run("lpadmin", {"-x", "Broken"}));
        QVERIFY(window.select("Q2"));
    }

    void subgroupOptionsNeverReachLpoptions()
    {
        RoadWindow window;
        QVERIFY(window.select("Sub"));
        QVERIFY(AppState::optionModel->option("Duplex"));
        QVERIFY(window.tab->choose(window.tab->duplex, "DuplexNoTumble"));
        QVERIFY(window.tab->choose(window.tab->pageSize, "Letter"));
        QFile::remove(runLog());
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count("Settings applied."), 1);

        const CommandResult shown = CommandRunner::run("lpoptions", {"-p", "Sub"});
        QVERIFY(shown.succeeded());
        const QStringList options = QString::fromUtf8(shown.standardOutput).split(' ');
        QVERIFY2(options.contains("PageSize=Letter"), shown.standardOutput.constData());
        QVERIFY2(!shown.standardOutput.contains("Duplex="), shown.standardOutput.constData());
        QVERIFY2(!shown.standardOutput.contains("BindEdge="), shown.standardOutput.constData());
        // The rest in the PPD's order.
        QStringList keywords;
        for (const QString &line : QString::fromUtf8(RoadSession::readFile(runLog())).split('\n')) {
            if (!line.startsWith("lpoptions -p Sub -o "))
                continue;
            for (const QString &word : line.split(' ')) {
                if (word.contains('='))
                    keywords << word.section('=', 0, 0);
            }
        }
        QCOMPARE(keywords, QStringList({"PageSize", "PageRegion", "MediaType", "ColorModel"}));
        QVERIFY(session->cfgLinesOf("Sub").contains("Duplex=DuplexNoTumble;None"));
    }

    void tableFollowsTheUser_data()
    {
        QTest::addColumn<TableInput>("input");
        // The queue selected at the end, empty for none.
        QTest::addColumn<QString>("selected");
        QTest::newRow("type-ahead") << TableInput::TypeAhead << "Tx9000";
        QTest::newRow("a held key") << TableInput::HeldDown << "Row18";
        QTest::newRow("quick clicks") << TableInput::QuickClicks << "Row03";
        QTest::newRow("a click during a refill") << TableInput::DuringRefill << "Q2";
        QTest::newRow("Ctrl+Tab during a selection") << TableInput::CtrlTab << "Q2";
        QTest::newRow("a click while lpstat hangs") << TableInput::DuringStatuses << "Rbor";
        QTest::newRow("a queue no longer the maker's") << TableInput::NoLongerMakers << "";
    }

    // Real key and mouse events through the window's own input path, each
    // while CUPS keeps the answer before back: the window ends where the user
    // ended, and a row only passed through gets no selection and no file.
    void tableFollowsTheUser()
    {
        QFETCH(TableInput, input);
        QFETCH(QString, selected);
        if (!manyQueues) {
            for (int i = 1; i <= 20; ++i)
                QVERIFY(cups.addQueue("queue-tolvane.ppd", QString::asprintf("Row%02d", i)));
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Tx4020"));
            QVERIFY(cups.addQueue("queue-tolvane.ppd", "Tx9000"));
            manyQueues = true;
        }
        const int keyboardInterval = QApplication::keyboardInputInterval();
        RoadWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QWindow *screen = window.dialog.windowHandle();
        QTableWidget *table = window.table();
        const auto click = [&](int row) {
            table->scrollTo(table->model()->index(row, 0));
            const QRect cell = table->visualRect(table->model()->index(row, 0));
            QVERIFY2(table->viewport()->rect().contains(cell), qPrintable(QString::number(row)));
            QTest::mouseClick(screen, Qt::LeftButton, {},
                              table->viewport()->mapTo(&window.dialog, cell.center()));
        };
        click(window.rowOf("Q1"));
        QVERIFY(window.settle());
        QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
        if (input == TableInput::NoLongerMakers)
            QVERIFY(cups.run("lpadmin",
                             {"-p", "Tx4020", "-P", SandboxCups::dataFile("queue-foreign.ppd")}));
        else if (input != TableInput::DuringStatuses)
            QVERIFY(cups.freeze());

        QList<std::function<void()>> inputs;
        switch (input) {
        case TableInput::TypeAhead:
            // The view starts its search anew after a pause; a slow build on
            // a busy machine must not make one between two keys.
            QApplication::setKeyboardInputInterval(TestLimits::waitMs);
            for (const char key : QByteArray("Tx9000"))
                inputs << [&, key] { QTest::keyClick(screen, key); };
            QVERIFY(inTurn(inputs, 30));
            break;
        case TableInput::HeldDown:
            for (int i = 0; i < 20; ++i)
                inputs << [&] { QTest::keyClick(screen, Qt::Key_Down); };
            QVERIFY(inTurn(inputs, 30));
            break;
        case TableInput::QuickClicks:
            for (const int row : {3, 5, 1, 6, 2, 4, 6, 5})
                inputs << [&, row] { click(row); };
            QVERIFY(inTurn(inputs, 100));
            break;
        case TableInput::DuringRefill:
            window.printerTab->fillPrinterTable();
            click(window.rowOf("Q2"));
            break;
        case TableInput::CtrlTab:
            click(window.rowOf("Q2"));
            QTest::keyClick(screen, Qt::Key_Tab, Qt::ControlModifier);
            // Shown once the wait lasts: the pages greyed.
            QTRY_VERIFY_WITH_TIMEOUT(window.dialog.cursor().shape() == Qt::BusyCursor,
                                     TestLimits::waitMs);
            break;
        case TableInput::NoLongerMakers:
            click(window.rowOf("Tx4020"));
            break;
        case TableInput::DuringStatuses: {
            // The status read that Q2's selection starts never ends until
            // told: Rbor's selection must not wait for it.
            QVERIFY(QFile(holdFile("lpstat")).open(QIODevice::WriteOnly));
            QFile::remove(runLog());
            click(window.rowOf("Q2"));
            QTRY_VERIFY_WITH_TIMEOUT(runs("lpstat") > 0, TestLimits::waitMs);
            click(window.rowOf("Rbor"));
            QTRY_VERIFY_WITH_TIMEOUT(AppState::optionModel
                                         && AppState::optionModel->printerName() == "Rbor",
                                     TestLimits::waitMs);
            QVERIFY(window.dialog.readsStatuses());
            QVERIFY(QFile::remove(holdFile("lpstat")));
            break;
        }
        }
        QApplication::setKeyboardInputInterval(keyboardInterval);
        if (input != TableInput::NoLongerMakers && input != TableInput::DuringStatuses)
            QVERIFY(cups.thaw());
        QVERIFY(window.settle());

        QStringList files = {"Q1.cfg"};
        if (selected.isEmpty()) {
            QCOMPARE(AppState::optionModel, nullptr);
            QCOMPARE(session->boxes.count(printersChanged), 1);
            QCOMPARE(window.rowOf("Tx4020"), -1);
            QVERIFY(session->lpoptionsOf("Tx4020").isEmpty());
            QVERIFY(cups.run("lpadmin",
                             {"-p", "Tx4020", "-P", SandboxCups::dataFile("queue-tolvane.ppd")}));
        } else {
            QCOMPARE(AppState::optionModel->printerName(), selected);
            QCOMPARE(window.dialog.windowTitle(), title + " - " + selected);
            QCOMPARE(table->item(table->currentRow(), 0)->text(), selected);
            QVERIFY(session->boxes.boxes.isEmpty());
            if (selected != "Q1")
                files << selected + ".cfg";
            if (input == TableInput::DuringStatuses)
                files << "Q2.cfg";
        }
        files.sort();
        QCOMPARE(QDir(session->userDir()).entryList({"*.cfg"}), files);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && focused->window() == &window.dialog && focused->isEnabled());
    }

    void appliedBoxHasItsMinimumSize()
    {
        MessageBoxes::setHandler({});
        QSize minimum;
        QSize shownSize;
        QString text;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            minimum = box->minimumSize();
            shownSize = box->size();
            text = box->text();
            box->accept();
        });
        closer.start(20);
        showAppliedMessage();
        QCOMPARE(text, QString("Settings applied."));
        // At least 100 x 100, and wider where the title needs it.
        QVERIFY(minimum.width() >= 100);
        QCOMPARE(minimum.height(), 100);
        QVERIFY(shownSize.width() >= 100 && shownSize.height() >= 100);
    }

private:
    QString runLog() const { return bin.path() + "/runs.log"; }
    QString holdFile(const QString &program) const { return bin.path() + "/hold-" + program; }

    int runs(const QString &program) const
    {
        int n = 0;
        for (const QString &line : QString::fromUtf8(RoadSession::readFile(runLog())).split('\n'))
            n += line.startsWith(program + " ");
        return n;
    }

    QTemporaryDir bin;
    QByteArray originalPath;
    // The queues of the table rows, added once.
    bool manyQueues = false;
    SandboxCups cups;
    QScopedPointer<RoadSession> session;
};

VM_TEST_MAIN(PrinterSelectionTest)
#include "tst_printerselection.moc"
