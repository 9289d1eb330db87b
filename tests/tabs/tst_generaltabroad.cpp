// The main window with the real "Basic" and "Layout" tabs against a private
// cupsd: a first selection writes the printer's file and its CUPS defaults,
// the tabs follow the printer, and a change in the Basic tab is applied.
#include "MessageRecorder.h"
#include "WindowWait.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "app/TolDialog.h"
#include "system/AppState.h"
#include "system/SystemPaths.h"
#include "tabs/PrinterTab.h"
#include "widgets/ComboBoxEx.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList sortedLines(const QByteArray &text, char separator)
{
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char(separator), Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

class GeneralTabRoadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void firstSelectionWritesTheBasicTabsValues();

private:
    SandboxCups cups;
    QTemporaryDir home;
    QTemporaryDir base;

    QStringList lpoptionsOf(const QString &printer) const;
};

void GeneralTabRoadTest::initTestCase()
{
    if (geteuid() == 0)
        QSKIP("the window refuses root; run as an ordinary user");
    qputenv("USER", "basicroad");
    qputenv("LANG", "C");
    qputenv("LC_ALL", "C");
    qputenv("HOME", home.path().toLocal8Bit());
    SystemPaths::setUserBase(base.path() + QStringLiteral("/"));
    QDir().mkpath(SystemPaths::perUserDirectory());
    QFile settings(SystemPaths::settingsFilePath());
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("Telemetry=False\n");
    settings.close();
    QVERIFY2(cups.start({{"generaltab-full.ppd", "Full"}, {"queue-tolvane.ppd", "Plain"}}),
             qPrintable(cups.errorText()));
}

void GeneralTabRoadTest::cleanupTestCase()
{
    cups.stop();
}

QStringList GeneralTabRoadTest::lpoptionsOf(const QString &printer) const
{
    const QString prefix = QStringLiteral("Dest ") + printer + QLatin1Char(' ');
    const QStringList lines =
        QString::fromUtf8(readFile(home.path() + "/.cups/lpoptions")).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return sortedLines(line.mid(prefix.size()).toUtf8(), ' ');
    }
    return {};
}

void GeneralTabRoadTest::firstSelectionWritesTheBasicTabsValues()
{
    MessageRecorder boxes;
    TolDialog dialog;
    QVERIFY(waitForCups(dialog));
    dialog.show();
    auto *table = dialog.findChild<PrinterTab *>()->table();
    auto *tabs = dialog.findChild<QTabWidget *>();
    QCOMPARE(tabs->tabText(1), QString("Basic"));
    QCOMPARE(tabs->tabText(2), QString("Layout"));
    QVERIFY(!tabs->isTabEnabled(1));
    QVERIFY(!tabs->isTabEnabled(2));

    auto rowOf = [table](const QString &name) {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0) && table->item(row, 0)->text() == name)
                return row;
        }
        return -1;
    };
    const QString cfg = AppState::perUserDirectory + QStringLiteral("Full.cfg");
    QVERIFY(!QFile::exists(cfg));
    QVERIFY(rowOf("Full") >= 0);
    table->setCurrentCell(rowOf("Full"), 0);
    QVERIFY(waitForCups(dialog));
    QVERIFY(AppState::optionModel);
    QVERIFY(tabs->isTabEnabled(1));
    QVERIFY(tabs->isTabEnabled(2));

    // Other tabs add their own lines; these are the Basic and Layout tabs'.
    const QStringList written = sortedLines(readFile(cfg), '\n');
    for (const QString &line :
         QStringList({"Coll=True;True", "ColorModel=CMYK;CMYK", "Duplex=None;None",
                      "Fold=False;False", "ImageableArea=A4", "InputSlot=Auto;Auto", "MediaSize=A4",
                      "MediaType=Plain;Plain", "OutputBin=FaceDown;FaceDown", "PageRegion=A4;A4",
                      "PageSize=A4;A4", "PaperDimension=A4", "TCBooklet=None;None"}))
        QVERIFY2(written.contains(line), qPrintable(line));
    const QStringList defaults = lpoptionsOf("Full");
    QVERIFY2(defaults.contains("PageSize=A4") && defaults.contains("Duplex=None"),
             qPrintable(defaults.join(' ')));
    QVERIFY(boxes.boxes.isEmpty());

    tabs->setCurrentIndex(1);
    QVERIFY(dialog.grab().save(QDir::tempPath() + QStringLiteral("/vellumark-basic.png")));

    // A change in the Basic tab reaches the printer's defaults with Apply,
    // together with the keywords that follow the page size.
    auto *pageSize = tabs->widget(1)->findChild<ComboBoxEx *>();
    QCOMPARE(pageSize->accessibleName(), QString("cmbBxPageSize"));
    pageSize->setCurrentIndex(pageSize->findText("Letter"));
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->click();
    QVERIFY(waitForCups(dialog));
    QCOMPARE(boxes.count("Settings applied."), 1);
    const QStringList applied = lpoptionsOf("Full");
    QVERIFY2(applied.contains("PageSize=Letter") && applied.contains("PageRegion=Letter"),
             qPrintable(applied.join(' ')));

    // A printer without booklet options has no Layout tab.
    table->setCurrentCell(rowOf("Plain"), 0);
    QVERIFY(waitForCups(dialog));
    QVERIFY(tabs->isTabEnabled(1));
    QVERIFY(!tabs->isTabEnabled(2));
    QVERIFY(lpoptionsOf("Plain").contains("PageSize=A4"));
}

VM_TEST_MAIN(GeneralTabRoadTest)
#include "tst_generaltabroad.moc"
