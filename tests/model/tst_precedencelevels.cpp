#include "StepsFixture.h"
#include "TestMain.h"

#include "model/ModelBuildSteps.h"

#include <QtTest>

class tst_PrecedenceLevels : public QObject
{
    Q_OBJECT

private slots:
    void levelsAfterBuild_data();
    void levelsAfterBuild();
    void everyListedKeyword();
    void higherLevelIsNotBlockedByLower();
    void buildBlocksAreMadeAtLevel99();
};

void tst_PrecedenceLevels::levelsAfterBuild_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("level");

    const QString bare = QStringLiteral("steps-bare.ppd");
    const QString finisher = QStringLiteral("steps-finisher.ppd");
    const QString publisher = QStringLiteral("steps-publisher.ppd");
    QTest::newRow("SNTToggle") << bare << "SNTToggle" << 0;
    QTest::newRow("SNTTonerlite") << bare << "SNTTonerlite" << 1;
    QTest::newRow("SNTColorMode") << bare << "SNTColorMode" << 1;
    QTest::newRow("SNTDuplex") << bare << "SNTDuplex" << 4;
    QTest::newRow("Option17") << publisher << "Option17" << 0;
    QTest::newRow("Option18") << publisher << "Option18" << 1;
    QTest::newRow("ColorModel") << publisher << "ColorModel" << 2;
    QTest::newRow("PageSize") << finisher << "PageSize" << 3;
    QTest::newRow("Duplex") << finisher << "Duplex" << 5;
    QTest::newRow("cStpl") << finisher << "cStpl" << 6;
    QTest::newRow("cHole") << finisher << "cHole" << 6;
    QTest::newRow("cJobStore") << publisher << "cJobStore" << 7;
    QTest::newRow("cSuper") << publisher << "cSuper" << 8;
    QTest::newRow("OutputBin") << finisher << "OutputBin" << 9;
    QTest::newRow("Coll") << publisher << "Coll" << 10;
    QTest::newRow("cEmail") << publisher << "cEmail" << 99;
    QTest::newRow("cJobName") << publisher << "cJobName" << 99;
    QTest::newRow("cPrivatePrint") << publisher << "cPrivatePrint" << 99;
    QTest::newRow("cCustomBox") << publisher << "cCustomBox" << 99;
    QTest::newRow("unlisted PPD option") << publisher << "TvManagment" << 99;
    // The table spells it "TCGlossmode"; the lookup is exact.
    QTest::newRow("spelled otherwise") << finisher << "TCGlossMode" << 99;
}

void tst_PrecedenceLevels::levelsAfterBuild()
{
    QFETCH(QString, fixture);
    QFETCH(QString, keyword);
    QFETCH(int, level);

    auto model = steps::build(fixture);
    QVERIFY(model);
    QVERIFY(model->option(keyword));
    QCOMPARE(model->option(keyword)->precedence(), level);
}

void tst_PrecedenceLevels::everyListedKeyword()
{
    const QList<QPair<int, QStringList>> table = {
        {0, {"Option17", "SNTToggle"}},
        {1,
         {"SNTTonerlite", "SNTColorMode", "Option8", "Option18", "Option19", "Option20", "Option21",
          "Option22", "Option23", "Option24", "Option25", "Option26", "Option27", "Option28",
          "Option01"}},
        {2, {"InputSlot", "ColorModel", "Wren"}},
        {3, {"PageSize", "MediaType", "Crep", "Wclr", "Wang"}},
        {4, {"SNTDuplex", "TCBooklet"}},
        {5, {"Wflg", "Wtrans", "Cadj", "Duplex", "Tnlt", "Resolution", "RCM"}},
        {6, {"WTyp",        "cBiFld",      "cTriFld",
             "cTriFldZ",    "cEngrFld",    "cHole",
             "TIR",         "GBTn",        "TMoirePrevention",
             "TCGlossmode", "CaHueMaster", "CaHr",
             "CaHy",        "CaHg",        "CaHc",
             "CaHb",        "CaHm",        "Cast",
             "Cabt",        "Cact",        "CaCR",
             "CaMG",        "CaYB",        "Fold",
             "FldA",        "Sep",         "Stpl",
             "cStpl",       "Pnch",        "Rotate"}},
        {7,
         {"cCovBut", "cIntBut", "cInsBut", "TCCollate1", "cJobAccount", "cUserLogin", "cJobStore"}},
        {8,
         {"cCovTRad", "cCovBRad", "cCovPOFO", "cCovPOFI", "cCovPOBO", "cCovPOBI", "cInsPrnF",
          "cInsPrnB", "cIntPrn", "CvrM", "BackCvrM", "Pmed", "Tmed", "cSuper"}},
        {9, {"OutputBin", "TCSuperWatermark"}},
        {10, {"Coll"}},
    };

    tOptionModel model;
    int listed = 0;
    for (const auto &level : table) {
        for (const QString &keyword : level.second) {
            model.addOption(new tOption(keyword, keyword));
            ++listed;
        }
    }
    model.addOption(new tOption("Option9", "Option9"));
    model.addOption(new tOption("pagesize", "pagesize"));
    QCOMPARE(listed, 88);

    applyPrecedenceLevels(&model);
    for (const auto &level : table) {
        for (const QString &keyword : level.second)
            QVERIFY2(model.option(keyword)->precedence() == level.first, qPrintable(keyword));
    }
    QCOMPARE(model.option("Option9")->precedence(), 99);
    QCOMPARE(model.option("pagesize")->precedence(), 99);
    QCOMPARE(model.options().size(), 90); // no option made for a listed keyword
}

void tst_PrecedenceLevels::higherLevelIsNotBlockedByLower()
{
    auto model = steps::build(QStringLiteral("steps-publisher.ppd"));
    QVERIFY(model);
    const tChoice *noSorter = steps::choice(model.get(), "Option18", "None");
    const tChoice *privatePrint = steps::choice(model.get(), "cPrivatePrint", "True");
    QVERIFY(noSorter && privatePrint);

    model->resetConstraints();
    model->setCurrentChoice("cPrivatePrint", "True");
    QVERIFY(!noSorter->isBlocked());
    model->setCurrentChoice("Option18", "None");
    QVERIFY(privatePrint->isBlocked());
    QVERIFY(!noSorter->isBlocked());
}

void tst_PrecedenceLevels::buildBlocksAreMadeAtLevel99()
{
    // PageSize (3) outranks FldA (6), but the defaults are made current while
    // every option is still at 99, so after the build each blocks the other.
    auto model = steps::build(
        QStringLiteral("steps-bare.ppd"),
        "*OpenUI *PageSize/Paper Size: PickOne\n*DefaultPageSize: A6\n*PageSize A4/A4: \"\"\n"
        "*PageSize A6/A6: \"\"\n*CloseUI: *PageSize\n"
        "*OpenUI *FldA/Fold: PickOne\n*DefaultFldA: Bifold\n*FldA None/Off: \"\"\n"
        "*FldA Bifold/Bi-fold: \"\"\n*CloseUI: *FldA\n"
        "*UIConstraints: *FldA Bifold *PageSize A6\n");
    QVERIFY(model);
    const tChoice *a6 = steps::choice(model.get(), "PageSize", "A6");
    const tChoice *bifold = steps::choice(model.get(), "FldA", "Bifold");
    QVERIFY(a6 && bifold);
    QCOMPARE(model->option("PageSize")->precedence(), 3);
    QVERIFY(a6->isBlocked());
    QVERIFY(bifold->isBlocked());

    model->resetConstraints();
    model->setCurrentChoice("PageSize", "A6");
    model->setCurrentChoice("FldA", "Bifold");
    QVERIFY(!a6->isBlocked());
    QVERIFY(bifold->isBlocked());
}

VM_TEST_GUILESS_MAIN(tst_PrecedenceLevels)
#include "tst_precedencelevels.moc"
