// The builder's rule tables row by row, over one printer that has every
// keyword they name: what a setting blocks, that a reset lifts it all, and
// which options count as installed units.

#include "StepsFixture.h"
#include "TestMain.h"

#include <QtTest>

class tst_RuleTables : public QObject
{
    Q_OBJECT

private slots:
    void blocks_data();
    void blocks();
    void installableOptionsInFixedOrder();
};

void tst_RuleTables::blocks_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("blocked");

    // The fold unit's tray limits.
    for (const char *size : {"B4", "P12X18", "P8K", "A3", "SRA3", "Tabloid", "Legal", "OficioII"}) {
        QTest::addRow("bi-fold on %s keeps out the fold tray", size)
            << QStringList {QStringLiteral("PageSize=%1").arg(size), "FldA=Bifold"}
            << "OutputBin=FLDTRAY" << true;
    }
    QTest::newRow("bi-fold on Letter leaves the fold tray")
        << QStringList {"PageSize=Letter", "FldA=Bifold"} << "OutputBin=FLDTRAY" << false;
    QTest::newRow("tri-fold on A3 keeps out the fold tray")
        << QStringList {"PageSize=A3", "FldA=Trifold"} << "OutputBin=FLDTRAY" << true;
    QTest::newRow("Z-fold on Tabloid keeps out the fold tray")
        << QStringList {"PageSize=Tabloid", "FldA=Zfold"} << "OutputBin=FLDTRAY" << true;

    // Three-member rules of the PPD name a fold by its choice alone.
    QTest::newRow("tri-fold toggle on A5 keeps out stacker A")
        << QStringList {"PageSize=A5", "cTriFld=True"} << "OutputBin=FDStackerA" << true;
    QTest::newRow("Z-fold toggle on A4 keeps out stacker B")
        << QStringList {"PageSize=A4", "cTriFldZ=True"} << "OutputBin=FDStackerB" << true;
    QTest::newRow("engineering fold toggle on Letter keeps out face up")
        << QStringList {"PageSize=Letter", "cEngrFld=True"} << "OutputBin=Face" << true;
    QTest::newRow("fold choice without its toggle leaves stacker A")
        << QStringList {"PageSize=A5", "FldA=Trifold"} << "OutputBin=FDStackerA" << false;

    // A media rule against duplexing holds for every sheet the printer feeds.
    // The paper's own media type outranks duplexing, the other feeds do not.
    QTest::newRow("heavy paper keeps out short-edge duplex")
        << QStringList {"MediaType=Heavy"} << "Duplex=DuplexTumble" << true;
    QTest::newRow("heavy paper leaves long-edge duplex")
        << QStringList {"MediaType=Heavy"} << "Duplex=DuplexNoTumble" << false;
    for (const char *media : {"CvrM", "BackCvrM", "Pmed", "Tmed"}) {
        for (const char *binding : {"DuplexTumble", "DuplexNoTumble"}) {
            QTest::addRow("%s with %s keeps out heavy paper", binding, media)
                << QStringList {QStringLiteral("Duplex=%1").arg(binding)}
                << QStringLiteral("%1=Heavy").arg(media) << true;
        }
    }
    QTest::newRow("labels on a backing sheet may be duplexed")
        << QStringList {"Duplex=DuplexTumble"} << "Tmed=Labels" << false;

    // A rule whose three members are one choice blocks that very choice.
    QTest::newRow("labels block themselves")
        << QStringList {"MediaType=Labels"} << "MediaType=Labels" << true;
}

void tst_RuleTables::blocks()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, target);
    QFETCH(bool, blocked);

    auto model = steps::build(QStringLiteral("model-ruletables.ppd"));
    QVERIFY(model);
    model->resetConstraints();
    for (const QString &setting : qAsConst(settings)) {
        const QStringList parts = setting.split('=');
        QVERIFY2(steps::choice(model.get(), parts[0], parts[1]), qPrintable(setting));
        model->setCurrentChoice(parts[0], parts[1]);
    }
    const QStringList parts = target.split('=');
    const tChoice *choice = steps::choice(model.get(), parts[0], parts[1]);
    QVERIFY(choice);
    QCOMPARE(choice->isBlocked(), blocked);

    // Whatever blocked it, a reset lifts it and keeps the settings.
    model->resetConstraints();
    QVERIFY(!choice->isBlocked());
    const QStringList last = settings.last().split('=');
    QCOMPARE(model->option(last[0])->currentChoice()->keyword(), last[1]);
}

void tst_RuleTables::installableOptionsInFixedOrder()
{
    auto model = steps::build(QStringLiteral("model-ruletables.ppd"));
    QVERIFY(model);
    QStringList keywords;
    for (const tOption *option : model->installableOptions())
        keywords << option->keyword();
    QCOMPARE(keywords, (QStringList {"Option17", "Option8", "Option18", "Option19", "Option20",
                                     "Option01", "Option21", "Option22", "Option23", "Option24",
                                     "Option25", "Option26", "Option27", "Option28"}));
}

VM_TEST_GUILESS_MAIN(tst_RuleTables)
#include "tst_ruletables.moc"
