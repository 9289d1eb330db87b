// The whole window against one queue whose PPD enables every option tab:
// each tab is enabled and drawn (a screenshot per tab), Apply writes the
// settings of several tabs, and a few user changes apply again; selections
// back and forth make no icon once each look was shown.
#include "MainRoadFixture.h"
#include "WindowWait.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "widgets/IconCache.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <unistd.h>

namespace {

const QString queue = QStringLiteral("Tolvane_TX9000");
const QString twin = QStringLiteral("Tolvane_TX9000_Twin");
const QString small = QStringLiteral("Tolvane_TX4020");
const QString applied = QStringLiteral("Settings applied.");

// The option tabs the showcase queue must enable, by class.
const QSet<QString> allTabs = {
    QStringLiteral("PrinterTab"),   QStringLiteral("GeneralTab"),   QStringLiteral("BookletTab"),
    QStringLiteral("FinishingTab"), QStringLiteral("ImagingTab"),   QStringLiteral("PublishingTab"),
    QStringLiteral("JobTab"),       QStringLiteral("WatermarkTab"), QStringLiteral("SNTTab"),
};

// A keyword of each tab that the ".cfg" file must hold after Apply.
const char *const savedKeywords[] = {"PageSize",   "MediaType", "TCBooklet",  "Sep",
                                     "Resolution", "CvrM",      "TCCollate1", "Wren"};

QMap<QString, QString> cfgValues(const QString &path)
{
    QMap<QString, QString> values;
    const QStringList lines =
        QString::fromUtf8(RoadSession::readFile(path)).split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1).section(';', 0, 0));
    }
    return values;
}

bool selectQueue(TolDialog &dialog, const QString &name)
{
    QTableWidget *table = dialog.findChild<PrinterTab *>()->table();
    const QList<QTableWidgetItem *> rows = table->findItems(name, Qt::MatchExactly);
    if (rows.isEmpty())
        return false;
    table->setCurrentCell(rows.first()->row(), 0);
    return waitForCups(dialog) && AppState::optionModel
           && AppState::optionModel->printerName() == name;
}

// Every icon the window shows, on its buttons and its tabs, by identity: an
// icon made anew has a key of its own even when it shows the same file.
QSet<qint64> shownIcons(TolDialog &dialog)
{
    QSet<qint64> keys;
    for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (!button->icon().isNull())
            keys << button->icon().cacheKey();
    }
    const QTabBar *bar = dialog.findChild<QTabWidget *>()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        keys << bar->tabIcon(i).cacheKey();
    return keys;
}

} // namespace

class AllTabsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "alltabs");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY2(cups.start({{"demo-showcase.ppd", queue},
                             {"demo-showcase.ppd", twin},
                             {"queue-tolvane.ppd", small}}),
                 qPrintable(cups.errorText()));
    }

    void everyTabShowsAndApplies()
    {
        RoadSession session;
        TolDialog dialog;
        QVERIFY(waitForCups(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto *printerTab = dialog.findChild<PrinterTab *>();
        QVERIFY(printerTab);
        QTableWidget *table = printerTab->table();
        const QList<QTableWidgetItem *> rows = table->findItems(queue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QVERIFY(waitForCups(dialog));
        QVERIFY(AppState::optionModel);
        QCOMPARE(AppState::optionModel->printerName(), queue);

        auto *tabs = dialog.findChild<QTabWidget *>();
        QSet<QString> seen;
        for (int i = 0; i < tabs->count(); ++i) {
            const QString name = tabs->tabText(i);
            QVERIFY2(tabs->isTabEnabled(i), qPrintable(name));
            QVERIFY2(!tabs->tabBar()->tabRect(i).isEmpty(), qPrintable(name));
            seen << QString::fromLatin1(tabs->widget(i)->metaObject()->className());
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QString shot = QDir::temp().filePath(
                QStringLiteral("vellumark-tab-%1-%2.png").arg(i + 1).arg(name.toLower()));
            QVERIFY(dialog.grab().save(shot));
            qInfo("screenshot: %s", qPrintable(shot));
        }
        QCOMPARE(seen, allTabs);
        QCOMPARE(session.boxes.boxes.size(), 0);

        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        buttons->button(QDialogButtonBox::Apply)->click();
        QVERIFY(waitForCups(dialog));
        QCOMPARE(session.boxes.boxes.size(), 1);
        QCOMPARE(session.boxes.boxes.first(), qMakePair(QString("Success"), applied));
        QMap<QString, QString> saved = cfgValues(session.cfgPath(queue));
        for (const char *keyword : savedKeywords)
            QVERIFY2(saved.contains(QLatin1String(keyword)), keyword);
        QCOMPARE(saved.value("Duplex"), QString("DuplexNoTumble"));
        const QString lpoptions = QString::fromUtf8(RoadSession::readFile(session.lpoptionsPath()));
        QVERIFY2(lpoptions.contains(QStringLiteral("Dest ") + queue + QLatin1Char(' ')),
                 qPrintable(lpoptions));

        // The user picks card stock on the Basic tab and offset jobs on the
        // Finishing tab, and switches the watermark on.
        ComboBoxEx *mediaType = nullptr;
        for (ComboBoxEx *combo : dialog.findChildren<ComboBoxEx *>()) {
            if (combo->accessibleName() == QLatin1String("cmbBxMediaType"))
                mediaType = combo;
        }
        QVERIFY(mediaType);
        const int card = mediaType->findText(QStringLiteral("Card stock"));
        QVERIFY(card >= 0);
        mediaType->setCurrentIndex(card);

        TolButtonGroup *separation = nullptr;
        for (TolButtonGroup *group : dialog.findChildren<TolButtonGroup *>()) {
            if (group->accessibleName() == QLatin1String("butGroupSep"))
                separation = group;
        }
        QVERIFY(separation);
        const int offset = separation->buttonNames().indexOf(QStringLiteral("Offset jobs"));
        QVERIFY(offset >= 0);
        separation->pushButton(offset)->click();

        TolCheckBoxButton *watermark = nullptr;
        for (TolCheckBoxButton *button : dialog.findChildren<TolCheckBoxButton *>()) {
            if (button->accessibleName() == QLatin1String("chkButWatermark"))
                watermark = button;
        }
        QVERIFY(watermark);
        QVERIFY(!watermark->isChecked());
        watermark->checkBox()->click();

        buttons->button(QDialogButtonBox::Apply)->click();

        QVERIFY(waitForCups(dialog));
        QCOMPARE(session.boxes.count(applied), 2);
        QCOMPARE(session.boxes.boxes.size(), 2);
        saved = cfgValues(session.cfgPath(queue));
        QCOMPARE(saved.value("MediaType"), QString("Card"));
        QCOMPARE(saved.value("Sep"), QString("Jog"));
        QCOMPARE(saved.value("Wren"), QString("True"));
    }

    // A keyboard user sees which picture button has the focus, on every tab.
    void everyPictureButtonShowsItsFocus()
    {
        RoadSession session;
        TolDialog dialog;
        QVERIFY(waitForCups(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTableWidget *table = dialog.findChild<PrinterTab *>()->table();
        const QList<QTableWidgetItem *> rows = table->findItems(queue, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        table->setCurrentCell(rows.first()->row(), 0);
        QVERIFY(waitForCups(dialog));
        QVERIFY(AppState::optionModel);

        auto *tabs = dialog.findChild<QTabWidget *>();
        int checked = 0;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QList<QPushButton *> pictures;
            for (TolButtonGroup *group : tabs->widget(i)->findChildren<TolButtonGroup *>()) {
                for (int b = 0; b < group->count(); ++b)
                    pictures << group->pushButton(b);
            }
            for (TolCheckBoxButton *button : tabs->widget(i)->findChildren<TolCheckBoxButton *>())
                pictures << button->iconButton();
            for (QPushButton *picture : qAsConst(pictures)) {
                if (!picture->isVisible() || !picture->isEnabled())
                    continue;
                table->setFocus();
                QTRY_VERIFY(!picture->hasFocus());
                const QImage without = picture->grab().toImage();
                picture->setFocus(Qt::TabFocusReason);
                QTRY_VERIFY(picture->hasFocus());
                const QImage with = picture->grab().toImage();
                QVERIFY2(with != without, qPrintable(tabs->tabText(i) + QLatin1Char(' ')
                                                     + picture->parentWidget()->accessibleName()));
                ++checked;
            }
        }
        QVERIFY(checked > 10);
    }

    // Each look is made when first shown; selections after that reuse it.
    void selectionsMakeNoIcon_data()
    {
        QTest::addColumn<QString>("other");
        QTest::newRow("between two queues of one model") << twin;
        QTest::newRow("between queues that enable other tabs") << small;
    }

    void selectionsMakeNoIcon()
    {
        QFETCH(QString, other);
        RoadSession session;
        TolDialog dialog;
        QVERIFY(waitForCups(dialog));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QSet<qint64> warm;
        for (const QString &name : {queue, other, queue, other}) {
            QVERIFY2(selectQueue(dialog, name), qPrintable(name));
            dialog.grab();
            warm += shownIcons(dialog);
        }
        const int made = IconCache::iconsMade();
        for (int i = 0; i < 6; ++i) {
            const QString name = i % 2 ? other : queue;
            QVERIFY2(selectQueue(dialog, name), qPrintable(name));
            dialog.grab();
            const QSet<qint64> fresh = shownIcons(dialog) - warm;
            QVERIFY2(
                fresh.isEmpty(),
                qPrintable(
                    QStringLiteral("%1 new icon(s) at selection %2").arg(fresh.size()).arg(i + 1)));
        }
        QCOMPARE(IconCache::iconsMade(), made);
    }

private:
    SandboxCups cups;
};

VM_TEST_MAIN(AllTabsTest)
#include "tst_alltabs.moc"
