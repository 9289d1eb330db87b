// The same clicks in every shipped language set the same options: the whole
// window against a queue worded in English and one worded in German, once
// per interface language, compared with English; each catalogue's "Factory
// Default" is a reserved profile name; Qt's own buttons are translated.
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TabTestHelpers.h"

#include "app/AppTranslators.h"
#include "system/ProfileFiles.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

namespace {

const QString englishQueue = QStringLiteral("Tolvane_TX9000");
const QString germanQueue = QStringLiteral("Tolvane_TX9000_de");

const char *const languages[] = {"en", "fr", "de", "it", "pt", "es"};

// What the window wrote and would write, as sorted lines.
struct Outcome
{
    QStringList cfgAfterSelect;
    QStringList collected;
    QStringList cfg;
    QStringList lpoptions;
};

QStringList sortedLines(const QString &path)
{
    QStringList lines = QString::fromUtf8(RoadSession::readFile(path)).split('\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

// The queue's options as the sandbox reports them for this user.
QStringList lpoptionsOf(const QString &queue)
{
    QProcess process;
    process.start(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue});
    if (!process.waitForFinished(30000))
        return {QStringLiteral("<lpoptions did not end>")};
    QStringList words = QString::fromUtf8(process.readAllStandardOutput()).simplified().split(' ');
    words.sort();
    return words;
}

QStringList collectedOptions(TolDialog &dialog)
{
    QList<Tab *> tabs;
    auto *tabWidget = dialog.findChild<QTabWidget *>();
    for (int i = 0; i < tabWidget->count(); ++i) {
        if (Tab *tab = qobject_cast<Tab *>(tabWidget->widget(i)))
            tabs << tab;
    }
    const OptionHash options = TabOptionCollector(&tabs).collectTabOptions();
    QStringList lines;
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        lines << it.key() + QLatin1Char('=') + it.value();
    lines.sort();
    return lines;
}

// A group's button, clicked by position as the user clicks a picture.
bool clickButton(QWidget *window, const char *group, int index)
{
    TolButtonGroup *buttons = named<TolButtonGroup>(window, QLatin1String(group));
    if (!buttons || index >= buttons->count() || !buttons->pushButton(index)->isEnabled())
        return false;
    buttons->pushButton(index)->click();
    return buttons->checkedIndex() == index;
}

bool tick(QWidget *window, const char *checkButton)
{
    TolCheckBoxButton *button = named<TolCheckBoxButton>(window, QLatin1String(checkButton));
    if (!button || !button->isEnabled())
        return false;
    button->checkBox()->click();
    return button->isChecked();
}

bool pick(QWidget *window, const char *combo, int index)
{
    ComboBoxEx *list = named<ComboBoxEx>(window, QLatin1String(combo));
    if (!list || index >= list->count())
        return false;
    list->setCurrentIndex(index);
    return list->currentIndex() == index;
}

// The list a tab edits an option with, whatever its accessible name.
ComboBoxEx *listOf(QWidget *window, const char *keyword)
{
    const QList<Tab *> tabs = window->findChildren<Tab *>();
    for (Tab *tab : tabs) {
        if (auto *list = qobject_cast<ComboBoxEx *>(tab->optionWidgetMap().value(QLatin1String(keyword))))
            return list;
    }
    return nullptr;
}

// The texts the user sees in a list, for the failure message.
QString itemsOf(QWidget *window, const char *combo)
{
    ComboBoxEx *list = named<ComboBoxEx>(window, QLatin1String(combo));
    return list ? items(list).join(QStringLiteral(" | ")) : QStringLiteral("<no list>");
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "languages");
        QVERIFY2(cups.start({{"demo-showcase.ppd", englishQueue}, {"demo-showcase-de.ppd", germanQueue}}),
                 qPrintable(cups.errorText()));
    }

    void sameClicksSameOptions_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("language");
        for (const QString &queue : {englishQueue, germanQueue}) {
            for (const char *language : languages) {
                const QString row = queue + QLatin1Char(' ') + QLatin1String(language);
                QTest::newRow(qPrintable(row)) << queue << QString::fromLatin1(language);
            }
        }
    }

    void sameClicksSameOptions()
    {
        QFETCH(QString, queue);
        QFETCH(QString, language);

        Outcome outcome;
        QString problem;
        drive(queue, language, &outcome, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        // Selecting the queue already saves the option tabs' choices.
        const QString cfg = outcome.cfgAfterSelect.join('\n');
        for (const char *keyword : {"Coll=", "ColorModel=", "Duplex=", "Rotate=", "Sep=", "TCBooklet="})
            QVERIFY2(cfg.contains(QLatin1String(keyword)), keyword);
        // The clicks reached the model and the file by keyword (collation
        // comes back on with the booklet).
        for (const char *line : {"Duplex=DuplexTumble;DuplexNoTumble", "ColorModel=Gray;CMYK",
                                 "TCBooklet=Left;None", "Sep=Rot;None", "Rotate=True;False", "Pnch=2Hole;None"})
            QVERIFY2(outcome.cfg.contains(QLatin1String(line)), qPrintable(QLatin1String(line) + QStringLiteral(" in ") + outcome.cfg.join(' ')));

        if (language == QLatin1String("en")) {
            english.insert(queue, outcome);
            return;
        }
        QVERIFY2(english.contains(queue), "the English row runs first");
        const Outcome &base = english[queue];
        QCOMPARE(outcome.cfgAfterSelect, base.cfgAfterSelect);
        QCOMPARE(outcome.collected, base.collected);
        QCOMPARE(outcome.cfg, base.cfg);
        QCOMPARE(outcome.lpoptions, base.lpoptions);
    }

    // Qt's own buttons in the main window speak German too.
    void germanWindowScreenshot()
    {
        RoadSession session;
        AppTranslators translators;
        translators.install(QStringLiteral("de_DE.UTF-8"));
        TolDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbre&chen"));
        QCOMPARE(buttons->button(QDialogButtonBox::Apply)->text(), QStringLiteral("&Anwenden"));

        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(germanQueue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QCoreApplication::processEvents();
        const QString shot = QDir::temp().filePath(QStringLiteral("vellumark-window-de.png"));
        QVERIFY(dialog.grab().save(shot));
        qInfo("screenshot: %s", qPrintable(shot));
        // The "Basic" page of the German-worded queue: its groups stand on
        // the PPD defaults, found by keyword.
        dialog.findChild<QTabWidget *>()->setCurrentIndex(1);
        QCoreApplication::processEvents();
        const QString basic = QDir::temp().filePath(QStringLiteral("vellumark-basic-de.png"));
        QVERIFY(dialog.grab().save(basic));
        qInfo("screenshot: %s", qPrintable(basic));
    }

    // A keyboard user reaches every button of the window by its mnemonic,
    // one letter each, in every language; the buttons still take no focus.
    void everyButtonHasItsOwnMnemonic_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : languages)
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyButtonHasItsOwnMnemonic()
    {
        QFETCH(QString, language);
        RoadSession session;
        AppTranslators translators;
        translators.install(language + QStringLiteral("_XX.UTF-8"));
        TolDialog dialog;
        QStringList keys;
        QList<QPushButton *> buttons;
        for (QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
            buttons << qobject_cast<QPushButton *>(button);
        for (QPushButton *button : dialog.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly))
            buttons << button;
        for (QPushButton *button : qAsConst(buttons)) {
            const QString text = button->text();
            if (text.isEmpty() || text == QLatin1String("?"))
                continue; // the logo; help is F1
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(!key.isEmpty(), qPrintable(text));
            keys << key.toString();
        }
        QCOMPARE(keys.size(), 5);
        keys.removeDuplicates();
        QCOMPARE(keys.size(), 5);
    }

    void factoryDefaultIsReserved_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << "en" << "Factory Default";
        QTest::newRow("fr") << "fr" << "Paramètres du fabricant";
        QTest::newRow("de") << "de" << "Werkseinstellung";
        QTest::newRow("it") << "it" << "Impostazioni fabbrica";
        QTest::newRow("es") << "es" << "Valor predeterminado de fábrica";
        QTest::newRow("pt") << "pt" << "Padrão de fábrica";
    }

    void factoryDefaultIsReserved()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        AppTranslators translators;
        translators.install(language + QStringLiteral("_XX"));
        const QString shown = QCoreApplication::translate("ProfileDialog", "Factory Default");
        QCOMPARE(shown, name);
        QVERIFY(isReservedName(shown));
        // Qt's own catalogue came along: its Cancel is no longer English.
        if (language != QLatin1String("en"))
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    }

private:
    // One run of the window in `language` against `queue`: select it, click
    // on every option tab by position, Apply.
    void drive(const QString &queue, const QString &language, Outcome *outcome, QString *problem)
    {
        RoadSession session;
        AppTranslators translators;
        translators.install(language + QStringLiteral("_XX.UTF-8"));
        TolDialog dialog;
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog)) {
            *problem = QStringLiteral("window not active");
            return;
        }

        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(queue, Qt::MatchExactly);
        if (rows.isEmpty()) {
            *problem = QStringLiteral("queue not listed");
            return;
        }
        table->setCurrentCell(rows.first()->row(), 0);
        outcome->cfgAfterSelect = sortedLines(session.cfgPath(queue));

        // Lists holding the PPD's texts: with storage off the job list stands
        // on "Proof and hold", and the watermark texts offer no "Custom".
        ComboBoxEx *storage = listOf(&dialog, "TCCollate1");
        const QString proofAndHold = AppState::optionModel->option("TCCollate1")->findChoice("ProofAndHold")->text();
        if (!storage || storage->currentText() != proofAndHold) {
            *problem = QStringLiteral("job storage list not on ") + proofAndHold;
            return;
        }
        const tChoice *custom = AppState::optionModel->option("Wtxt")->findChoice("Custom");
        ComboBoxEx *texts = listOf(&dialog, "Wtxt");
        if (!texts || (custom && items(texts).contains(custom->text()))) {
            *problem = QStringLiteral("watermark texts offer their custom entry");
            return;
        }

        // The finisher's lists no longer offer "Off": their first entry is a
        // real choice.
        const struct {
            const char *what;
            bool done;
        } clicks[] = {
            {"media type Card", pick(&dialog, "cmbBxMediaType", 1)},
            {"collate Off", clickButton(&dialog, "butGroupCol", 0)},
            {"duplex Short edge", clickButton(&dialog, "butGroupDuplex", 2)},
            {"colour Black & white", clickButton(&dialog, "butGroupColorModelGeneral", 1)},
            {"booklet Left", clickButton(&dialog, "butGroupTCBooklet", 1)},
            {"separation Rotate copies", clickButton(&dialog, "butGroupSep", 2)},
            {"rotate On", clickButton(&dialog, "butGroupRot", 1)},
            {"punch on", tick(&dialog, "chkButPnch")},
            {"punch first entry", pick(&dialog, "cmbBxPnch", 0)},
            {"staple on", tick(&dialog, "chkButStpl")},
            {"staple location second entry", pick(&dialog, "cmbBxStpl", 1)},
            {"watermark on", tick(&dialog, "chkButWatermark")},
            {"super watermark on", tick(&dialog, "chkButSuperWatermark")},
            {"super watermark second entry", pick(&dialog, "cmbBxSuperWatermark", 1)},
        };
        for (const auto &click : clicks) {
            if (!click.done) {
                *problem = QStringLiteral("could not click: ") + QLatin1String(click.what);
                return;
            }
        }
        if (itemsOf(&dialog, "cmbBxPnch").contains(AppState::optionModel->option("Pnch")->findChoice("None")->text())) {
            *problem = QStringLiteral("punch list offers its Off entry: ") + itemsOf(&dialog, "cmbBxPnch");
            return;
        }

        outcome->collected = collectedOptions(dialog);
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->click();
        if (session.boxes.boxes.size() != 1) {
            *problem = QStringLiteral("expected one box after Apply, got %1").arg(session.boxes.boxes.size());
            return;
        }
        outcome->cfg = sortedLines(session.cfgPath(queue));
        outcome->lpoptions = lpoptionsOf(queue);
    }

    SandboxCups cups;
    QHash<QString, Outcome> english;
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
