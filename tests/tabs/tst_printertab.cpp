// The printer tab against a private cupsd: the table of the maker's queues,
// selecting a printer, refills, unselection and the installable options.
#include "MessageRecorder.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/CupsWorker.h"
#include "system/CupsRequests.h"
#include "tabs/PrinterTab.h"
#include "tabs/TabOwner.h"
#include "widgets/ComboBoxEx.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the main window: reacts to a printer change the way it must,
// once the tab has put the new model in place.
class FakeWindow : public TabOwner
{
    Q_OBJECT

public:
    PrinterTab *tab = nullptr;
    int constraintPasses = 0;
    QStringList printerChanges; // the model's printer name at each change

public slots:
    void setConstraints() override { ++constraintPasses; }
    void toggleColorMode() override {}
    void togglePublishingFronAndBackLabel() override {}
    void profileChanged() override {}

    void printerSelected(bool)
    {
        printerChanges << (AppState::optionModel ? AppState::optionModel->printerName()
                                                 : QStringLiteral("<none>"));
        if (!AppState::optionModel)
            return;
        tab->retranslateUi();
        tab->reload();
        tab->releaseReplacedModels();
    }
};

namespace {

// The tab asks CUPS and goes on: waits for every answer.
bool settled(PrinterTab *tab)
{
    return QTest::qWaitFor(
        [tab] { return !tab->requests()->awaitsAnswer() && !tab->requests()->readsStatuses(); },
        120000);
}

QStringList column(QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, col) ? table->item(row, col)->text() : QString("<null>"));
    return texts;
}

int rowOf(QTableWidget *table, const QString &name)
{
    return column(table, 0).indexOf(name);
}

// Widgets the tab took away are hidden until the event loop deletes them.
template<typename T>
T *findNamed(QWidget *parent, const QString &accessibleName, bool shownOnly = true)
{
    const QList<T *> all = parent->findChildren<T *>();
    for (T *widget : all) {
        if (widget->accessibleName() == accessibleName && !(shownOnly && widget->isHidden()))
            return widget;
    }
    return nullptr;
}

QLabel *rootWarning(QWidget *tab)
{
    return findNamed<QLabel>(tab, "lblRootWarning", false);
}

} // namespace

class PrinterTabTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid() && tmp.isValid() && userDir.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        AppState::perUserDirectory = userDir.path() + "/";
        QVERIFY2(cups.start({{"queue-foreign.ppd", "Foreign"}}), qPrintable(cups.errorText()));
    }

    void cleanupTestCase()
    {
        delete window;
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void firstFillWithoutPrinters()
    {
        FakeWindow parent;
        PrinterTab tab(&parent);
        QVERIFY(settled(&tab));
        QTableWidget *table = tab.table();
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(table->accessibleName(), QString("tblPrinters"));
        // The last column stretches over the rest.
        QCOMPARE(table->columnWidth(0), 186);
        QCOMPARE(table->columnWidth(1), 186);
        QCOMPARE(AppState::knownPrinters, QSet<QString>({"Foreign"}));
        QCOMPARE(AppState::optionModel, nullptr);
    }

    void tableShowsTheMakersQueues()
    {
        addQueue("printertab-installable.ppd", "Office");
        addQueue("queue-tolvane.ppd", "Q1");
        window = new FakeWindow;
        tab = new PrinterTab(window);
        window->tab = tab;
        connect(tab, &PrinterTab::printerSelected, window, &FakeWindow::printerSelected);
        QVERIFY(settled(tab));
        QTableWidget *table = tab->table();

        QCOMPARE(column(table, 0), QStringList({"Office", "Q1"}));
        QCOMPARE(column(table, 1), QStringList({"file:///dev/null", "file:///dev/null"}));
        QCOMPARE(column(table, 2), QStringList({"Idle", "Idle"}));
        QStringList headers;
        for (int col = 0; col < 3; ++col)
            headers << table->horizontalHeaderItem(col)->text();
        QCOMPARE(headers, QStringList({"Printers", "Destination", "Status"}));
        QCOMPARE(AppState::knownPrinters, QSet<QString>({"Foreign", "Office", "Q1"}));
        QVERIFY(tab->hasOptions());
        QCOMPARE(tab->getTabName(), QString("Printer"));
        QVERIFY(!tab->tabIcon().isNull());
        QVERIFY(!tab->tabConstraintIcon().isNull());
        QCOMPARE(AppState::optionModel, nullptr);
        QVERIFY(window->printerChanges.isEmpty());
    }

    void selectingARowBuildsTheModelFirst()
    {
        QTableWidget *table = tab->table();
        table->setCurrentCell(rowOf(table, "Office"), 0);
        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges, QStringList({"Office"}));
        QVERIFY(AppState::optionModel);
        QCOMPARE(AppState::settingsFile, userDir.path() + "/Office.cfg");

        // Another cell of the same row is no printer change.
        table->setCurrentCell(rowOf(table, "Office"), 2);
        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges.size(), 1);

        auto *finisher = findNamed<QCheckBox>(tab, "chkBxOption17");
        auto *disk = findNamed<QCheckBox>(tab, "chkBxOption01");
        auto *feeders = findNamed<ComboBoxEx>(tab, "cmbBxOption8");
        auto *feedersLabel = findNamed<QLabel>(tab, "lblOption8");
        QVERIFY(finisher && disk && feeders && feedersLabel);
        QCOMPARE(finisher->text(), QString("Finisher Unit"));
        QVERIFY(!finisher->isChecked());
        QVERIFY(disk->isChecked()); // "True" besides "Auto": still a check box
        QCOMPARE(feedersLabel->text(), QString("Paper Feeders:"));
        QCOMPARE(feeders->currentText(), QString("None"));
        QCOMPARE(feeders->count(), 3);
        QVERIFY(rootWarning(tab)->isHidden());
        QVERIFY(!tab->optionsChanged());

        const QHash<QString, QString> values = tab->collectOptionValues();
        QCOMPARE(values.value("Option17"), QString("False"));
        QCOMPARE(values.value("Option8"), QString("None"));
        QCOMPARE(values.value("Option01"), QString("True"));
    }

    void installableChangesShowTheWarning()
    {
        auto *feeders = findNamed<ComboBoxEx>(tab, "cmbBxOption8");
        auto *finisher = findNamed<QCheckBox>(tab, "chkBxOption17");
        QLabel *warning = rootWarning(tab);
        const int passes = window->constraintPasses;

        feeders->setCurrentIndex(2);
        QVERIFY(tab->optionsChanged());
        QVERIFY(!warning->isHidden());
        QCOMPARE(window->constraintPasses, passes + 1);
        QCOMPARE(AppState::optionModel->option("Option8")->currentChoice()->keyword(),
                 QString("Tray3"));
        QCOMPARE(tab->collectOptionValues().value("Option8"), QString("Tray3"));

        finisher->setChecked(true);
        feeders->setCurrentIndex(0);
        QVERIFY(tab->optionsChanged()); // the finisher still differs
        finisher->setChecked(false);
        QVERIFY(!tab->optionsChanged());
        QVERIFY(warning->isHidden());

        // A successful root write takes the new values as the unchanged state.
        feeders->setCurrentIndex(1);
        QVERIFY(tab->optionsChanged());
        tab->takeOptionValues();
        QVERIFY(!tab->optionsChanged());
        QVERIFY(warning->isHidden());
    }

    void switchingPrintersReplacesTheWidgets()
    {
        QTableWidget *table = tab->table();
        table->setCurrentCell(rowOf(table, "Q1"), 1);
        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges.last(), QString("Q1"));
        QCOMPARE(AppState::optionModel->printerName(), QString("Q1"));
        QCOMPARE(AppState::settingsFile, userDir.path() + "/Q1.cfg");
        QVERIFY(!findNamed<QCheckBox>(tab, "chkBxOption17"));
        QVERIFY(!findNamed<ComboBoxEx>(tab, "cmbBxOption8"));
        QVERIFY(tab->collectOptionValues().isEmpty());
        QVERIFY(!tab->optionsChanged());
    }

    void refillKeepsTheSelectedPrinter()
    {
        QTableWidget *table = tab->table();
        tOptionModel *model = AppState::optionModel;
        table->setColumnWidth(0, 123);
        const int changes = window->printerChanges.size();

        addQueue("queue-tolvane.ppd", "Aaa"); // listed before the selected one
        tab->fillPrinterTable();
        QVERIFY(settled(tab));
        QCOMPARE(column(table, 0), QStringList({"Aaa", "Office", "Q1"}));
        QCOMPARE(table->item(table->currentRow(), 0)->text(), QString("Q1"));
        QCOMPARE(table->selectedItems().first()->text(), QString("Q1"));
        QCOMPARE(table->columnWidth(0), 123);
        QCOMPARE(window->printerChanges.size(), changes);
        QCOMPARE(AppState::optionModel, model);
        QCOMPARE(AppState::knownPrinters, QSet<QString>({"Aaa", "Foreign", "Office", "Q1"}));

        // A printer that is gone leaves no row selected.
        QVERIFY(cups.run("lpadmin", {"-x", "Q1"}));
        tab->fillPrinterTable();
        QVERIFY(settled(tab));
        QCOMPARE(column(table, 0), QStringList({"Aaa", "Office"}));
        QCOMPARE(table->currentRow(), -1);
        QCOMPARE(window->printerChanges.size(), changes);
        addQueue("queue-tolvane.ppd", "Q1");
        tab->fillPrinterTable();
        QVERIFY(settled(tab));
    }

    void unselectingAllowsTheSameRowAgain()
    {
        QTableWidget *table = tab->table();
        table->setCurrentCell(rowOf(table, "Office"), 0);
        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges.last(), QString("Office"));
        const int changes = window->printerChanges.size();

        // As the main window's unselection does it.
        AppState::optionModel = nullptr;
        tab->clearOptionWidgets();
        QCOMPARE(table->currentRow(), -1);
        QVERIFY(table->selectedItems().isEmpty());
        QVERIFY(!findNamed<ComboBoxEx>(tab, "cmbBxOption8"));
        QCOMPARE(window->printerChanges.size(), changes);

        table->setCurrentCell(rowOf(table, "Office"), 0);

        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges.size(), changes + 1);
        QCOMPARE(AppState::optionModel->printerName(), QString("Office"));
        QVERIFY(findNamed<ComboBoxEx>(tab, "cmbBxOption8"));
    }

    void aQueueGoneBeforeSelection()
    {
        QTableWidget *table = tab->table();
        QVERIFY(cups.run("lpadmin", {"-x", "Aaa"}));
        table->setCurrentCell(rowOf(table, "Aaa"), 0);
        QVERIFY(settled(tab));
        QCOMPARE(window->printerChanges.last(), QString("<none>"));
        QCOMPARE(AppState::optionModel, nullptr);
        QVERIFY(AppState::settingsFile.isEmpty());
        tab->clearOptionWidgets();
        tab->fillPrinterTable();
        QVERIFY(settled(tab));
    }

    void retranslationReadsTheStatusAgain()
    {
        QTableWidget *table = tab->table();
        QVERIFY(cups.run("cupsdisable", {"Q1"}));
        QCOMPARE(table->item(rowOf(table, "Q1"), 2)->text(), QString("Idle"));
        tab->retranslateUi();
        QVERIFY(settled(tab));
        QCOMPARE(table->item(rowOf(table, "Q1"), 2)->text(), QString("Paused"));
        QVERIFY(cups.run("cupsenable", {"Q1"}));
        tab->fillPrinterTable();
        QVERIFY(settled(tab));
        QCOMPARE(table->item(rowOf(table, "Q1"), 2)->text(), QString("Idle"));
    }

    void noFetchedPpdIsLeftBehind()
    {
        QTableWidget *table = tab->table();
        for (int i = 0; i < 20; ++i) {
            tab->fillPrinterTable();
            QVERIFY(settled(tab));
            tab->clearOptionWidgets();
            table->setCurrentCell(i % 2 ? rowOf(table, "Q1") : rowOf(table, "Office"), 0);
            QVERIFY(settled(tab));
        }
        QCOMPARE(window->printerChanges.last(), QString("Q1"));
        QCOMPARE(
            QDir(tmp.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
    }

private:
    void addQueue(const QString &ppd, const QString &name)
    {
        QVERIFY2(cups.run("lpadmin", {"-p", name, "-E", "-v", "file:///dev/null", "-P",
                                      SandboxCups::dataFile(ppd)}),
                 qPrintable(cups.errorText()));
    }

    QTemporaryDir home;
    QTemporaryDir tmp;
    QTemporaryDir userDir;
    SandboxCups cups;
    MessageRecorder boxes;
    FakeWindow *window = nullptr;
    PrinterTab *tab = nullptr;
};

VM_TEST_MAIN(PrinterTabTest)
#include "tst_printertab.moc"
