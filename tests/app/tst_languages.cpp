// The same clicks in every shipped language set the same options: the whole
// window, run under each shipped language's locale, against a queue worded in
// English, one worded in German and two that carry their own translations
// (which libcups applies under the locale), compared with English; each
// catalogue's "Factory Default" is a reserved profile name; Qt's own buttons
// are translated.
#include "MainRoadFixture.h"
#include "WindowWait.h"
#include "SandboxCups.h"
#include "TabTestHelpers.h"
#include "TestMain.h"

#include "app/AppTranslators.h"
#include "system/AppPrintSettingsUpdater.h"
#include "system/ProfileFiles.h"
#include "tabs/TabOptionCollector.h"
#include "tabs/WatermarkTab.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

#include <clocale>
#include <unistd.h>

namespace {

const QString englishQueue = QStringLiteral("Tolvane_TX9000");
const QString germanQueue = QStringLiteral("Tolvane_TX9000_de");
// Worded in English, with its watermark texts translated into the five other
// languages; and a black-only watermark without colour modes.
const QString translatedQueue = QStringLiteral("Tolvane_TX9000_l10n");
const QString blackQueue = QStringLiteral("Tolvane_WM200_l10n");
// Four watermark colours without colour modes, and a text of its own beside
// the built-in ones.
const QString textsQueue = QStringLiteral("Tolvane_WM300_l10n");

// Each queue with what its rows do on the watermark page besides switching
// it on, and lines the applied and the reloaded file must hold.
const struct
{
    QString queue;
    const char *action;
    const char *lines;
} runs[] = {
    {englishQueue, "", ""},
    {germanQueue, "", ""},
    {translatedQueue, "", ""},
    {blackQueue, "", ""},
    {textsQueue, "pick Internal",
     "Wtxt=Internal;Confidential|CustomWatermarkSet=Internal|Wclr=Black;Black"},
    {textsQueue, "name COPIE", "CustomWatermarkSet=COPIE|Wclr=Black;Black"},
    // The German text of Confidential, as older versions stored it.
    {textsQueue, "old record VERTRAULICH", "CustomWatermarkSet=VERTRAULICH|Wclr=Black;Black"},
};

// Each language with the locale a user of it runs the program under.
const struct
{
    const char *language;
    const char *locale;
} languages[] = {
    {"en", "en_US.UTF-8"}, {"fr", "fr_FR.UTF-8"}, {"de", "de_DE.UTF-8"},
    {"it", "it_IT.UTF-8"}, {"pt", "pt_PT.UTF-8"}, {"es", "es_ES.UTF-8"},
};

// What the window offered, wrote and would write, as sorted lines.
struct Outcome
{
    QStringList cfgAfterSelect;
    QStringList collected;
    QStringList cfg;
    QStringList lpoptions;
    // The watermark texts offered after Apply, as choice keywords.
    QStringList offered;
    QStringList dest;
    QStringList arguments;
    // Once more with the watermark switched off.
    QStringList cfgOff;
    QStringList destOff;
    QStringList argumentsOff;
    // The English row's first file, loaded by a new start and applied.
    QStringList cfgReloaded;
    QStringList argumentsReloaded;
};

QStringList sortedLines(const QString &path)
{
    QStringList lines =
        QString::fromUtf8(RoadSession::readFile(path)).split('\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

// The real lpoptions; the one on the path records what the window asks of it.
QString realLpoptions;
QString argumentLog;

// The queue's options as the sandbox reports them for this user.
QStringList lpoptionsOf(const QString &queue)
{
    QProcess process;
    process.start(realLpoptions, {QStringLiteral("-p"), queue});
    if (!process.waitForFinished(120000))
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
        if (auto *list =
                qobject_cast<ComboBoxEx *>(tab->optionWidgetMap().value(QLatin1String(keyword))))
            return list;
    }
    return nullptr;
}

// Each run of lpoptions by the window since the last call, one line each.
QStringList takeArguments()
{
    QStringList runs =
        QString::fromUtf8(RoadSession::readFile(argumentLog)).split('\n', Qt::SkipEmptyParts);
    QFile::remove(argumentLog);
    return runs;
}

// The "Dest" line of lpoptions' per-user file for the queue, as sorted words.
QStringList destLine(const RoadSession &session, const QString &queue)
{
    const QStringList lines =
        QString::fromUtf8(RoadSession::readFile(session.lpoptionsPath())).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("Dest ") + queue + QLatin1Char(' '))) {
            QStringList words = line.split(' ', Qt::SkipEmptyParts);
            words.sort();
            return words;
        }
    }
    return {};
}

// The text list's items as the choices they stand for, by the keyword each
// item carries; a custom watermark by its name, the separator as "--".
QStringList offeredTexts(QWidget *window, QString *problem)
{
    ComboBoxEx *texts = listOf(window, "Wtxt");
    QStringList offered;
    for (int i = 0; i < texts->count(); ++i) {
        const QString text = texts->itemText(i);
        const QString keyword = texts->itemData(i).toString();
        if (text.isEmpty())
            offered << QStringLiteral("--");
        else if (keyword.isEmpty())
            offered << QStringLiteral("custom ") + text;
        else if (keyword == QLatin1String("Custom") || keyword == QLatin1String("_Custom"))
            *problem = QStringLiteral("watermark texts offer their custom entry ") + text;
        else
            offered << keyword;
    }
    return offered;
}

// The watermark text the Dest line holds is the one the list shows: a
// choice's keyword, or a custom watermark's name (lpoptions' quoting off).
bool destShowsWatermark(QWidget *window, const QStringList &dest, QString *problem)
{
    ComboBoxEx *texts = listOf(window, "Wtxt");
    const QVariant keyword = texts->itemData(texts->currentIndex());
    const QString shown = keyword.isValid() ? keyword.toString() : texts->currentText();
    const QStringList written = dest.filter(QRegularExpression(QStringLiteral("^Wtxt=")));
    if (written.size() == 1
        && written.first().mid(5).remove(QLatin1Char('"')).remove(QLatin1Char('\\')) == shown)
        return true;
    *problem = QStringLiteral("shown %1, Dest line %2").arg(shown, dest.join(' '));
    return false;
}

// The process locale as the program takes it from the environment at start:
// libcups translates the PPD under it and the catalogues follow its name.
bool setProcessLocale(const QString &locale)
{
    qputenv("LC_ALL", locale.toLatin1());
    qputenv("LANG", locale.toLatin1());
    qunsetenv("LC_MESSAGES");
    qunsetenv("LANGUAGE");
    return std::setlocale(LC_ALL, "") != nullptr;
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
        QVERIFY2(cups.start({{"demo-showcase.ppd", englishQueue},
                             {"demo-showcase-de.ppd", germanQueue},
                             {"demo-showcase-translated.ppd", translatedQueue},
                             {"languages-watermark-black.ppd", blackQueue},
                             {"languages-watermark-texts.ppd", textsQueue}}),
                 qPrintable(cups.errorText()));

        realLpoptions = QStandardPaths::findExecutable(QStringLiteral("lpoptions"));
        QVERIFY(!realLpoptions.isEmpty());
        argumentLog = bin.filePath(QStringLiteral("lpoptions.log"));
        QFile recorder(bin.filePath(QStringLiteral("lpoptions")));
        QVERIFY(recorder.open(QIODevice::WriteOnly));
        recorder.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >>'" + argumentLog.toLocal8Bit()
                       + "'\nexec '" + realLpoptions.toLocal8Bit() + "' \"$@\"\n");
        recorder.close();
        QVERIFY(recorder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        originalLocale = QString::fromLatin1(std::setlocale(LC_ALL, nullptr));
    }

    void cleanupTestCase() { std::setlocale(LC_ALL, originalLocale.toLatin1().constData()); }

    void sameClicksSameOptions_data() { addRows(false); }
    void sameClicksSameOptions() { checkSameClicks(); }

    // The longest rows, apart so that they can run beside the others.
    void watermarkTextsSameOptions_data() { addRows(true); }
    void watermarkTextsSameOptions() { checkSameClicks(); }

private:
    // The rows of the queue with watermark texts of its own, or of the others.
    static void addRows(bool watermarkTexts)
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("lines");
        for (const auto &run : runs) {
            if ((run.queue == textsQueue) != watermarkTexts)
                continue;
            for (const auto &language : languages) {
                const QString action = QLatin1String(run.action);
                const QString row = QStringList {run.queue, action, language.language}.join(' ');
                QTest::newRow(qPrintable(row.simplified()))
                    << run.queue << QString::fromLatin1(language.language)
                    << QString::fromLatin1(language.locale) << action
                    << QString::fromUtf8(run.lines).split('|', Qt::SkipEmptyParts);
            }
        }
    }

    void checkSameClicks()
    {
        QFETCH(QString, queue);
        QFETCH(QString, language);
        QFETCH(QString, locale);
        QFETCH(QString, action);
        QFETCH(QStringList, lines);
        const QString run = queue + action;
        // setenv and setlocale are not thread-safe: nothing the last row
        // started may still run while they change the process.
        QVERIFY(!AppPrintSettingsUpdater::updatesPending());
        QVERIFY2(
            setProcessLocale(locale),
            qPrintable(locale
                       + QStringLiteral(" is not generated (scripts/common.sh generates it)")));

        Outcome outcome;
        QString problem;
        const bool isEnglish = language == QLatin1String("en");
        QVERIFY2(isEnglish || english.contains(run), "the English row runs first");
        drive(queue, locale, action, isEnglish ? QStringList() : english[run].cfg, &outcome,
              &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        for (const QString &line : qAsConst(lines)) {
            QVERIFY2(outcome.cfg.contains(line) && outcome.cfgReloaded.contains(line),
                     qPrintable(line + QStringLiteral(" not in ") + outcome.cfg.join(' ')));
        }
        // Untranslated and translated, the choices offered are the same.
        QVERIFY2(!outcome.offered.isEmpty(), "no watermark texts offered");
        if (queue == textsQueue) {
            compareWatermarkRuns(run, language, outcome);
            return;
        }
        // The printer's own text is stored and sent by its keyword, its
        // settings under its English name, on and off.
        if (queue == translatedQueue || queue == blackQueue) {
            const QString cfg = outcome.cfg.join(' ');
            QVERIFY2(outcome.cfg.contains(QLatin1String("Wtxt=Confidential;Confidential")),
                     qPrintable(cfg));
            QVERIFY2(outcome.cfg.contains(QLatin1String("CustomWatermarkSet=CONFIDENTIAL")),
                     qPrintable(cfg));
            QVERIFY2(outcome.cfgOff.contains(QLatin1String("Wtxt=Confidential;Confidential")),
                     qPrintable(outcome.cfgOff.join(' ')));
            for (const QStringList *runs : {&outcome.arguments, &outcome.argumentsOff}) {
                const QString sent = runs->join('\n');
                QVERIFY2(sent.contains(QLatin1String("Wtxt=Confidential"))
                             && !sent.contains(QLatin1String("Wtxt=\"")),
                         qPrintable(sent));
            }
        }
        if (queue == blackQueue) {
            QVERIFY2(outcome.cfg.contains(QLatin1String("Wclr=Black;Black")),
                     qPrintable(outcome.cfg.join(' ')));
            QVERIFY2(outcome.cfgOff.contains(QLatin1String("Wclr=Black;Black")),
                     qPrintable(outcome.cfgOff.join(' ')));
            compareWatermarkRuns(run, language, outcome);
            return;
        }

        // Selecting the queue already saves the option tabs' choices.
        const QString cfg = outcome.cfgAfterSelect.join('\n');
        for (const char *keyword :
             {"Coll=", "ColorModel=", "Duplex=", "Rotate=", "Sep=", "TCBooklet="})
            QVERIFY2(cfg.contains(QLatin1String(keyword)), keyword);
        // The clicks reached the model and the file by keyword (collation
        // comes back on with the booklet).
        for (const char *line :
             {"Duplex=DuplexTumble;DuplexNoTumble", "ColorModel=Gray;CMYK", "TCBooklet=Left;None",
              "Sep=Rot;None", "Rotate=True;False", "Pnch=2Hole;None"})
            QVERIFY2(
                outcome.cfg.contains(QLatin1String(line)),
                qPrintable(QLatin1String(line) + QStringLiteral(" in ") + outcome.cfg.join(' ')));

        compareWatermarkRuns(run, language, outcome);
    }

    void compareWatermarkRuns(const QString &run, const QString &language, const Outcome &outcome)
    {
        if (language == QLatin1String("en")) {
            english.insert(run, outcome);
            return;
        }
        const Outcome &base = english[run];
        QCOMPARE(outcome.cfgAfterSelect, base.cfgAfterSelect);
        QCOMPARE(outcome.offered, base.offered);
        QCOMPARE(outcome.collected, base.collected);
        QCOMPARE(outcome.cfg, base.cfg);
        QCOMPARE(outcome.dest, base.dest);
        QCOMPARE(outcome.arguments, base.arguments);
        QCOMPARE(outcome.lpoptions, base.lpoptions);
        QCOMPARE(outcome.cfgOff, base.cfgOff);
        QCOMPARE(outcome.destOff, base.destOff);
        QCOMPARE(outcome.argumentsOff, base.argumentsOff);
        QCOMPARE(outcome.cfgReloaded, base.cfgReloaded);
        QCOMPARE(outcome.argumentsReloaded, base.argumentsReloaded);
    }

private slots:
    // Qt's own buttons in the main window speak German too.
    void germanWindowScreenshot()
    {
        RoadSession session;
        AppTranslators translators;
        translators.install(QStringLiteral("de_DE.UTF-8"));
        TolDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(waitForCups(dialog));

        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbre&chen"));
        QCOMPARE(buttons->button(QDialogButtonBox::Apply)->text(), QStringLiteral("&Anwenden"));

        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(germanQueue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QVERIFY(waitForCups(dialog));
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
        for (const auto &language : languages)
            QTest::newRow(language.language) << QString::fromLatin1(language.language);
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
        for (QPushButton *button :
             dialog.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly))
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
        QTest::newRow("en") << "en"
                            << "Factory Default";
        QTest::newRow("fr") << "fr"
                            << "Paramètres du fabricant";
        QTest::newRow("de") << "de"
                            << "Werkseinstellung";
        QTest::newRow("it") << "it"
                            << "Impostazioni fabbrica";
        QTest::newRow("es") << "es"
                            << "Valor predeterminado de fábrica";
        QTest::newRow("pt") << "pt"
                            << "Padrão de fábrica";
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
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel")
                    != QLatin1String("Cancel"));
    }

private:
    // One run of the window under `locale` against `queue`: select it, click
    // on every option tab by position (only the watermark and `action` on a
    // queue without the showcase's options), Apply; switch the watermark off,
    // Apply; then the English row's file (this row's own for English) in a
    // new start, Apply. Each Apply's Dest line holds the text shown.
    void drive(const QString &queue, const QString &locale, const QString &action,
               const QStringList &englishCfg, Outcome *outcome, QString *problem)
    {
        RoadSession session;
        // Each Apply starts a search of this home (a child, then a thread of
        // edits) that outlives the window: it ends before the home goes.
        const auto updatesEnded =
            qScopeGuard([] { AppPrintSettingsUpdater::finishPendingUpdates(); });
        takeArguments();
        if (action.startsWith(QLatin1String("old record"))
            && !writeFile(session.cfgPath(queue),
                          {"Wren=True;False", "CustomWatermarkStore=VERTRAULICH=1 -1 0 -1 -1 -1 1",
                           "CustomWatermarkSet=VERTRAULICH"})) {
            *problem = QStringLiteral("could not write the old file");
            return;
        }
        AppTranslators translators;
        // What main hands over: the system locale's name.
        translators.install(QLocale(locale).name());
        {
            TolDialog dialog;
            dialog.show();
            if (!QTest::qWaitForWindowActive(&dialog)) {
                *problem = QStringLiteral("window not active");
                return;
            }
            if (!selectQueue(dialog, queue, problem))
                return;
            outcome->cfgAfterSelect = sortedLines(session.cfgPath(queue));

            const tChoice *confidential =
                AppState::optionModel->option("Wtxt")->findChoice("Confidential");
            const bool showcase = queue != blackQueue && queue != textsQueue;
            const bool translated =
                queue == translatedQueue || queue == blackQueue || queue == textsQueue;
            if (translated && !locale.startsWith(QLatin1String("en"))
                && (!confidential || confidential->text() == QLatin1String("CONFIDENTIAL"))) {
                *problem = QStringLiteral("libcups did not translate the PPD under ") + locale;
                return;
            }
            if (showcase && !clickShowcase(dialog, problem))
                return;
            // A starting file may have it on already.
            if (!named<TolCheckBoxButton>(&dialog, QStringLiteral("chkButWatermark"))->isChecked()
                && !tick(&dialog, "chkButWatermark")) {
                *problem = QStringLiteral("could not click: watermark on");
                return;
            }
            if (showcase && !clickSuperWatermark(dialog, problem))
                return;
            if (!clickWatermark(dialog, action)) {
                *problem = QStringLiteral("could not ") + action;
                return;
            }

            outcome->collected = collectedOptions(dialog);
            if (!apply(dialog, session, 1, problem))
                return;
            outcome->cfg = sortedLines(session.cfgPath(queue));
            outcome->lpoptions = lpoptionsOf(queue);
            outcome->dest = destLine(session, queue);
            outcome->arguments = takeArguments();
            if (!destShowsWatermark(&dialog, outcome->dest, problem))
                return;
            outcome->offered = offeredTexts(&dialog, problem);
            if (!problem->isEmpty())
                return;
            if (queue == translatedQueue && locale.startsWith(QLatin1String("de")))
                saveWatermarkScreenshot(dialog);

            if (!untick(&dialog, "chkButWatermark")) {
                *problem = QStringLiteral("could not click: watermark off");
                return;
            }
            if (!apply(dialog, session, 2, problem))
                return;
            outcome->cfgOff = sortedLines(session.cfgPath(queue));
            outcome->destOff = destLine(session, queue);
            outcome->argumentsOff = takeArguments();
            if (!destShowsWatermark(&dialog, outcome->destOff, problem))
                return;
        }

        if (!writeFile(session.cfgPath(queue), englishCfg.isEmpty() ? outcome->cfg : englishCfg)) {
            *problem = QStringLiteral("could not write the English file");
            return;
        }
        TolDialog again;
        again.show();
        if (!QTest::qWaitForWindowActive(&again)) {
            *problem = QStringLiteral("window not active");
            return;
        }
        if (!selectQueue(again, queue, problem) || !apply(again, session, 3, problem))
            return;
        outcome->cfgReloaded = sortedLines(session.cfgPath(queue));
        outcome->argumentsReloaded = takeArguments();
        destShowsWatermark(&again, destLine(session, queue), problem);
    }

    static bool writeFile(const QString &path, const QStringList &lines)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly)
               && file.write((lines.join('\n') + '\n').toUtf8()) >= 0;
    }

    // A row's own step on the watermark page: a text of the printer's by its
    // keyword, or a name typed with another font; an old record needs none.
    static bool clickWatermark(TolDialog &dialog, const QString &action)
    {
        ComboBoxEx *texts = listOf(&dialog, "Wtxt");
        auto *name = named<QLineEdit>(&dialog, QStringLiteral("lnEditCustomWatermark"));
        if (action == QLatin1String("pick Internal")) {
            texts->setCurrentIndex(texts->findData(QStringLiteral("Internal")));
            return texts->currentData() == QLatin1String("Internal");
        }
        if (action == QLatin1String("name COPIE")) {
            QTest::keyClicks(name, QStringLiteral("COPIE"));
            return name->text() == QLatin1String("COPIE") && pick(&dialog, "cmbBxWFnt", 1);
        }
        return true;
    }

    // The German watermark page of the translated queue, to be looked at.
    static void saveWatermarkScreenshot(TolDialog &dialog)
    {
        auto *tabs = dialog.findChild<QTabWidget *>();
        tabs->setCurrentWidget(dialog.findChild<WatermarkTab *>());
        QCoreApplication::processEvents();
        const QString shot = QDir::temp().filePath(QStringLiteral("vellumark-watermark-de.png"));
        if (dialog.grab().save(shot))
            qInfo("screenshot: %s", qPrintable(shot));
        tabs->setCurrentIndex(0);
    }

    static bool selectQueue(TolDialog &dialog, const QString &queue, QString *problem)
    {
        waitForCups(dialog);
        auto *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(queue, Qt::MatchExactly);
        if (rows.isEmpty()) {
            *problem = QStringLiteral("queue not listed");
            return false;
        }
        table->setCurrentCell(rows.first()->row(), 0);
        if (!waitForCups(dialog)) {
            *problem = QStringLiteral("no answer of CUPS");
            return false;
        }
        return true;
    }

    static bool apply(TolDialog &dialog, RoadSession &session, int boxes, QString *problem)
    {
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->click();
        waitForCups(dialog);
        if (session.boxes.boxes.size() != boxes) {
            *problem = QStringLiteral("expected %1 boxes after Apply, got %2")
                           .arg(boxes)
                           .arg(session.boxes.boxes.size());
            return false;
        }
        return true;
    }

    static bool untick(QWidget *window, const char *checkButton)
    {
        TolCheckBoxButton *button = named<TolCheckBoxButton>(window, QLatin1String(checkButton));
        if (!button || !button->isEnabled() || !button->isChecked())
            return false;
        button->checkBox()->click();
        return !button->isChecked();
    }

    // The showcase's tabs, clicked by position.
    static bool clickShowcase(TolDialog &dialog, QString *problem)
    {
        // Lists holding the PPD's texts: with storage off the job list stands
        // on "Proof and hold".
        ComboBoxEx *storage = listOf(&dialog, "TCCollate1");
        const QString proofAndHold =
            AppState::optionModel->option("TCCollate1")->findChoice("ProofAndHold")->text();
        if (!storage || storage->currentText() != proofAndHold) {
            *problem = QStringLiteral("job storage list not on ") + proofAndHold;
            return false;
        }

        // The finisher's lists no longer offer "Off": their first entry is a
        // real choice.
        const struct
        {
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
        };
        for (const auto &click : clicks) {
            if (!click.done) {
                *problem = QStringLiteral("could not click: ") + QLatin1String(click.what);
                return false;
            }
        }
        if (itemsOf(&dialog, "cmbBxPnch")
                .contains(AppState::optionModel->option("Pnch")->findChoice("None")->text())) {
            *problem =
                QStringLiteral("punch list offers its Off entry: ") + itemsOf(&dialog, "cmbBxPnch");
            return false;
        }
        return true;
    }

    static bool clickSuperWatermark(TolDialog &dialog, QString *problem)
    {
        if (!tick(&dialog, "chkButSuperWatermark") || !pick(&dialog, "cmbBxSuperWatermark", 1)) {
            *problem = QStringLiteral("could not click: super watermark second entry");
            return false;
        }
        return true;
    }

    QTemporaryDir bin;
    QString originalLocale;
    SandboxCups cups;
    QHash<QString, Outcome> english;
};

VM_TEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
