// PPD shapes other makers' files have and the maker's own never do, through
// the whole window: what the user picks, or leaves alone, is what lpoptions
// writes, and every choice written is one the queue's PPD has.
#include "MainRoadFixture.h"
#include "WindowWait.h"
#include "SandboxCups.h"
#include "TabTestHelpers.h"
#include "TestMain.h"

#include "tabs/GeneralTab.h"
#include "tabs/ImagingTab.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QtTest>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

namespace {

const QString oddQueue = QStringLiteral("Tolvane_TK300");
const QString showcaseQueue = QStringLiteral("Tolvane_TX9000");
const QString grayscaleQueue = QStringLiteral("Tolvane_TC110");
const QString autoQueue = QStringLiteral("Tolvane_TC120");
const QString rgbQueue = QStringLiteral("Tolvane_TC130");

// The colour mode each button of the two colour groups may write.
const QHash<QString, QStringList> colourButtonChoices {
    {QStringLiteral("Full color"), {QStringLiteral("CMYK"), QStringLiteral("RGB")}},
    {QStringLiteral("Black & white"), {QStringLiteral("Gray")}},
};

// libcups marks its whole PPD interface deprecated; the program reads PPDs
// through it all the same.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
// The entries that name no option of the queue's PPD, or no choice of it,
// read from the PPD as the sandbox's cupsd serves it.
QStringList foreignEntries(const QString &queue, const QStringList &entries, QString *problem)
{
    const char *file = cupsGetPPD(queue.toUtf8().constData());
    ppd_file_t *ppd = file ? ppdOpenFile(file) : nullptr;
    if (!ppd) {
        *problem = QStringLiteral("no PPD for ") + queue;
        if (file)
            unlink(file);
        return {};
    }
    QStringList foreign;
    for (const QString &entry : entries) {
        ppd_option_t *option = ppdFindOption(ppd, entry.section('=', 0, 0).toUtf8().constData());
        if (!option || !ppdFindChoice(option, entry.section('=', 1).toUtf8().constData()))
            foreign << entry;
    }
    ppdClose(ppd);
    unlink(file);
    return foreign;
}
#pragma GCC diagnostic pop

// The words of the queue's "Dest" line in lpoptions' per-user file.
QStringList destEntries(const RoadSession &session, const QString &queue)
{
    const QString prefix = QStringLiteral("Dest ") + queue + QLatin1Char(' ');
    const QStringList lines =
        QString::fromUtf8(RoadSession::readFile(session.lpoptionsPath())).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).split(' ', Qt::SkipEmptyParts);
    }
    return {};
}

bool clickButton(TolButtonGroup *group, int index)
{
    if (!group || index >= group->count() || !group->pushButton(index)->isEnabled())
        return false;
    group->pushButton(index)->click();
    return group->checkedIndex() == index;
}

// The `nth` item (from 0) of a list whose text is `text`, picked as a user does.
bool pickNth(ComboBoxEx *list, const QString &text, int nth)
{
    if (!list)
        return false;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i) == text && nth-- == 0) {
            list->setCurrentIndex(i);
            return list->currentIndex() == i;
        }
    }
    return false;
}

} // namespace

class PpdShapesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "ppdshapes");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY2(cups.start({{"tabkit-oddshapes.ppd", oddQueue},
                             {"demo-showcase.ppd", showcaseQueue},
                             {"ppdshapes-colour-grayscale.ppd", grayscaleQueue},
                             {"ppdshapes-colour-auto.ppd", autoQueue},
                             {"ppdshapes-colour-rgb.ppd", rgbQueue}}),
                 qPrintable(cups.errorText()));
    }

    void pickIsWritten_data()
    {
        QTest::addColumn<QString>("queue");
        // What the user does after selecting the queue, before Apply: no
        // Apply at all ("select"), or a list of steps.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("notWritten");
        // The colour button both tabs show checked; empty for none.
        QTest::addColumn<QString>("shown");

        const QStringList none;
        const QString colour = QStringLiteral("Full color");
        const QString mono = QStringLiteral("Black & white");
        QTest::newRow("printer default colour kept at selection")
            << oddQueue << QStringList {"select"} << QStringList {"ColorModel=Default"} << none
            << QString();
        QTest::newRow("printer default colour kept at Apply")
            << oddQueue << none << QStringList {"ColorModel=Default"} << none << QString();
        QTest::newRow("black and white on the user's click")
            << oddQueue << QStringList {"basic bw"} << QStringList {"ColorModel=Gray"} << none
            << mono;
        QTest::newRow("no colour button for the printer default")
            << oddQueue << QStringList {"basic bw", "imaging colour greyed"}
            << QStringList {"ColorModel=Gray"} << none << mono;
        QTest::newRow("second of two trays with one text")
            << oddQueue << QStringList {"second tray 1"} << QStringList {"OutputBin=ExTray1"}
            << none << QString();
        QTest::newRow("first of two trays with one text")
            << oddQueue << QStringList {"stacker", "first tray 1"}
            << QStringList {"OutputBin=Tray1"} << none << QString();
        QTest::newRow("no check box for choices other than True and False")
            << oddQueue << none << QStringList {"GBTn=False"} << QStringList {"Fold", "Smoothing"}
            << QString();
        QTest::newRow("showcase writes only its own choices")
            << showcaseQueue << none
            << QStringList {"ColorModel=CMYK", "Cabt=0.0", "CaHueMaster=00", "Malt=0.0"} << none
            << colour;
        QTest::newRow("grey named Grayscale takes no button")
            << grayscaleQueue << QStringList {"basic bw greyed", "imaging colour greyed"}
            << QStringList {"ColorModel=Color"} << none << QString();
        QTest::newRow("automatic colour kept at selection")
            << autoQueue << QStringList {"select"} << QStringList {"ColorModel=AUTO"} << none
            << QString();
        QTest::newRow("automatic colour kept at Apply")
            << autoQueue << none << QStringList {"ColorModel=AUTO"} << none << QString();
        QTest::newRow("black and white clicked beside automatic")
            << autoQueue << QStringList {"basic bw"} << QStringList {"ColorModel=Gray"} << none
            << mono;
        QTest::newRow("colour clicked on the Imaging tab beside automatic")
            << autoQueue << QStringList {"basic bw", "imaging colour"}
            << QStringList {"ColorModel=CMYK"} << none << colour;
        QTest::newRow("RGB default beside CMYK kept")
            << rgbQueue << QStringList {"select"} << QStringList {"ColorModel=RGB"} << none
            << colour;
    }

    void pickIsWritten()
    {
        QFETCH(QString, queue);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, written);
        QFETCH(QStringList, notWritten);
        QFETCH(QString, shown);

        RoadSession session;
        TolDialog dialog;
        QVERIFY(waitForCups(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(queue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QVERIFY(waitForCups(dialog));
        QVERIFY(AppState::optionModel);
        QCOMPARE(AppState::optionModel->printerName(), queue);

        TolButtonGroup *basicColour = dialog.findChild<GeneralTab *>()->colorModelGroup();
        TolButtonGroup *imagingColour = dialog.findChild<ImagingTab *>()->colorGroup();
        ComboBoxEx *outputBin = named<ComboBoxEx>(&dialog, QStringLiteral("cmbBxOutputBin"));
        for (const QString &step : qAsConst(steps)) {
            bool done = step == QLatin1String("select");
            if (step == QLatin1String("basic bw"))
                done = clickButton(basicColour, 1);
            else if (step == QLatin1String("imaging colour"))
                done = clickButton(imagingColour, 0);
            else if (step == QLatin1String("imaging colour greyed"))
                done = !clickButton(imagingColour, 0) && !clickButton(basicColour, 0);
            else if (step == QLatin1String("basic bw greyed"))
                done = !clickButton(basicColour, 1) && !clickButton(imagingColour, 1);
            else if (step == QLatin1String("second tray 1"))
                done = pickNth(outputBin, QStringLiteral("Tray 1"), 1);
            else if (step == QLatin1String("first tray 1"))
                done = pickNth(outputBin, QStringLiteral("Tray 1"), 0);
            else if (step == QLatin1String("stacker"))
                done = pickNth(outputBin, QStringLiteral("Stacker"), 0);
            QVERIFY2(done, qPrintable(step));
        }
        if (!steps.contains(QLatin1String("select"))) {
            dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->click();
            QVERIFY(waitForCups(dialog));
            QCOMPARE(session.boxes.count(QStringLiteral("Settings applied.")), 1);
        }
        const QStringList dest = destEntries(session, queue);
        QVERIFY2(!dest.isEmpty(), "no Dest line");
        for (const QString &entry : qAsConst(written))
            QVERIFY2(dest.contains(entry),
                     qPrintable(entry + QStringLiteral(" not in ") + dest.join(' ')));
        for (const QString &keyword : qAsConst(notWritten)) {
            for (const QString &entry : dest)
                QVERIFY2(!entry.startsWith(keyword + QLatin1Char('=')), qPrintable(entry));
        }

        // Every entry names an option of the PPD and one of its choices.
        QString problem;
        const QStringList foreign = foreignEntries(queue, dest, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(' ')));

        // Both tabs show the one colour mode, and it is the one written.
        QCOMPARE(basicColour->checkedButtonName(), shown);
        QCOMPARE(imagingColour->checkedButtonName(), shown);
        const QStringList colour = dest.filter(QRegularExpression(QStringLiteral("^ColorModel=")));
        if (!shown.isEmpty())
            QVERIFY2(colour.size() == 1
                         && colourButtonChoices.value(shown).contains(colour.first().mid(11)),
                     qPrintable(shown + QStringLiteral(" shown, written ") + colour.join(' ')));
    }

    // An option whose choices are not True and False gets no check box: it
    // is shown as for a PPD that lacks it, and the model keeps its default.
    void checkBoxNotOffered()
    {
        RoadSession session;
        TolDialog dialog;
        QVERIFY(waitForCups(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(oddQueue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QVERIFY(waitForCups(dialog));
        QVERIFY(AppState::optionModel);

        for (const char *name : {"chkBxFold", "chkBxSmoothing"}) {
            QCheckBox *box = named<QCheckBox>(&dialog, QLatin1String(name));
            QVERIFY2(box, name);
            QVERIFY2(!box->isEnabled(), name);
            QVERIFY2(!box->isChecked(), name);
        }
        QCheckBox *grey = named<QCheckBox>(&dialog, QStringLiteral("chkBxGBTn"));
        QVERIFY(grey && grey->isEnabled());
        QCOMPARE(AppState::optionModel->option("Fold")->currentChoice()->keyword(), QString("Off"));
        QCOMPARE(AppState::optionModel->option("Smoothing")->currentChoice()->keyword(),
                 QString("Off"));
    }

private:
    SandboxCups cups;
};

VM_TEST_MAIN(PpdShapesTest)
#include "tst_ppdshapes.moc"
