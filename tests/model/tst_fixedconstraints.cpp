#include "StepsFixture.h"
#include "TestMain.h"

#include <QtTest>

namespace {

bool hasRow(const tOptionModel *model, const QString &k1, const QString &c1, const QString &k2,
            const QString &c2)
{
    return steps::conflicts(model, k1, c1).contains(k2 + '=' + c2)
           && steps::conflicts(model, k2, c2).contains(k1 + '=' + c1);
}

// Cover trays with inserters, but no inserter unit installed.
const char *const coverTraysWithoutOption28 =
    "*OpenUI *CvrM/Front Cover: PickOne\n*DefaultCvrM: None\n*CvrM None/Off: \"\"\n"
    "*CvrM Inserter1/Inserter 1: \"\"\n*CvrM Inserter2/Inserter 2: \"\"\n*CloseUI: *CvrM\n"
    "*OpenUI *BackCvrM/Back Cover: PickOne\n*DefaultBackCvrM: None\n*BackCvrM None/Off: \"\"\n"
    "*BackCvrM Inserter1/Inserter 1: \"\"\n*BackCvrM Inserter2/Inserter 2: \"\"\n*CloseUI: *BackCvrM\n"
    "*OpenUI *Pmed/Insert: PickOne\n*DefaultPmed: None\n*Pmed None/Off: \"\"\n"
    "*Pmed Inserter1/Inserter 1: \"\"\n*Pmed Inserter2/Inserter 2: \"\"\n*CloseUI: *Pmed\n"
    "*OpenUI *Tmed/Backing: PickOne\n*DefaultTmed: None\n*Tmed None/Off: \"\"\n"
    "*Tmed Inserter1/Inserter 1: \"\"\n*Tmed Inserter2/Inserter 2: \"\"\n*CloseUI: *Tmed\n";

} // namespace

class tst_FixedConstraints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void foldTogglesCopyFoldConflicts_data();
    void foldTogglesCopyFoldConflicts();
    void foldTogglesWithoutFoldUnit();
    void punchAndStapleShareRealChoiceConflicts();
    void publishingRows_data();
    void publishingRows();
    void fixedRows_data();
    void fixedRows();
    void onlyTransparencyAllowsInterleaving();

private:
    std::unique_ptr<tOptionModel> m_finisher;
    std::unique_ptr<tOptionModel> m_publisher;
};

void tst_FixedConstraints::initTestCase()
{
    m_finisher = steps::build(QStringLiteral("steps-finisher.ppd"));
    m_publisher = steps::build(QStringLiteral("steps-publisher.ppd"));
    QVERIFY(m_finisher);
    QVERIFY(m_publisher);
}

void tst_FixedConstraints::foldTogglesCopyFoldConflicts_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QStringList>("expected");

    // The fold's own limits, the other three folds, for the bi-fold the
    // punch toggle, which shares both punch modes' conflict with it, and for
    // the engineering fold the duplex policy, which inherits the short-edge
    // duplex limit.
    QTest::newRow("bi-fold") << "cBiFld"
                             << QStringList {"PageSize=A6",   "Pnch=H2",    "Pnch=H3",
                                             "cEngrFld=True", "cHole=True", "cTriFld=True",
                                             "cTriFldZ=True"};
    QTest::newRow("tri-fold") << "cTriFld"
                              << QStringList {"MediaType=Labels", "cBiFld=True", "cEngrFld=True",
                                              "cTriFldZ=True"};
    QTest::newRow("z-fold") << "cTriFldZ"
                            << QStringList {"PageSize=A5", "cBiFld=True", "cEngrFld=True",
                                            "cTriFld=True"};
    QTest::newRow("engineering fold")
        << "cEngrFld"
        << QStringList {"Duplex=DuplexTumble", "SNTDuplex=On", "cBiFld=True", "cTriFld=True",
                        "cTriFldZ=True"};
}

void tst_FixedConstraints::foldTogglesCopyFoldConflicts()
{
    QFETCH(QString, toggle);
    QFETCH(QStringList, expected);

    QCOMPARE(steps::sorted(steps::conflicts(m_finisher.get(), toggle, "True")), expected);
    QVERIFY(steps::conflicts(m_finisher.get(), toggle, "False").isEmpty());
}

void tst_FixedConstraints::foldTogglesWithoutFoldUnit()
{
    auto model = steps::build(QStringLiteral("steps-folder.ppd"));
    QVERIFY(model);
    QVERIFY(!model->option("cTriFldZ"));
    QVERIFY(!model->option("cEngrFld"));
    QCOMPARE(steps::sorted(steps::conflicts(model.get(), "cBiFld", "True")),
             (QStringList {"PageSize=A6", "cTriFld=True"}));
    QCOMPARE(steps::conflicts(model.get(), "cTriFld", "True"), QStringList {"cBiFld=True"});
    // Z-fold and engineering-fold limits stay with FldA alone.
    QCOMPARE(steps::conflicts(model.get(), "PageSize", "A5"), QStringList {"FldA=Zfold"});
    QCOMPARE(steps::conflicts(model.get(), "PageSize", "A3"), QStringList {"FldA=EngrFold"});
}

void tst_FixedConstraints::punchAndStapleShareRealChoiceConflicts()
{
    // Both punch modes refuse Transparency and the bi-fold (FldA and, by the
    // fold copy made just before, cBiFld); only H2 refuses A6, and the
    // "None" choice's Labels conflict plays no part.
    QCOMPARE(steps::sorted(steps::conflicts(m_finisher.get(), "cHole", "True")),
             (QStringList {"FldA=Bifold", "MediaType=Transparency", "cBiFld=True"}));

    // Front and Dual share nothing: the set starts again with Saddle's.
    QCOMPARE(steps::sorted(steps::conflicts(m_finisher.get(), "cStpl", "True")),
             (QStringList {"MediaType=Transparency", "PageSize=A5"}));

    // A first real choice without conflicts does not empty the set for good.
    auto model =
        steps::build(QStringLiteral("steps-folder.ppd"),
                     "*OpenUI *Pnch/Punch: PickOne\n*DefaultPnch: None\n*Pnch None/Off: \"\"\n"
                     "*Pnch H2/2: \"\"\n*Pnch H3/3: \"\"\n*CloseUI: *Pnch\n"
                     "*UIConstraints: *Pnch H3 *PageSize A6\n");
    QVERIFY(model);
    QCOMPARE(steps::conflicts(model.get(), "cHole", "True"), QStringList {"PageSize=A6"});
}

void tst_FixedConstraints::publishingRows_data()
{
    QTest::addColumn<QString>("keyword1");
    QTest::addColumn<QString>("choice1");
    QTest::addColumn<QString>("keyword2");
    QTest::addColumn<QString>("choice2");
    QTest::addColumn<bool>("needsInserter");

    QTest::newRow("no cover, no front inside") << "cCovBut"
                                               << "False"
                                               << "cCovPOFI"
                                               << "True" << false;
    QTest::newRow("no cover, no front outside") << "cCovBut"
                                                << "False"
                                                << "cCovPOFO"
                                                << "True" << false;
    QTest::newRow("no cover, no back inside") << "cCovBut"
                                              << "False"
                                              << "cCovPOBI"
                                              << "True" << false;
    QTest::newRow("no cover, no back outside") << "cCovBut"
                                               << "False"
                                               << "cCovPOBO"
                                               << "True" << false;
    QTest::newRow("front only, no back inside") << "cCovBRad"
                                                << "False"
                                                << "cCovPOBI"
                                                << "True" << false;
    QTest::newRow("front only, no back outside") << "cCovBRad"
                                                 << "False"
                                                 << "cCovPOBO"
                                                 << "True" << false;
    QTest::newRow("no insert, no front print") << "cInsBut"
                                               << "False"
                                               << "cInsPrnF"
                                               << "True" << false;
    QTest::newRow("no insert, no back print") << "cInsBut"
                                              << "False"
                                              << "cInsPrnB"
                                              << "True" << false;
    QTest::newRow("no interleave, no print") << "cIntBut"
                                             << "False"
                                             << "cIntPrn"
                                             << "True" << false;
    QTest::newRow("cover or interleave") << "cCovBut"
                                         << "True"
                                         << "cIntBut"
                                         << "True" << false;
    QTest::newRow("insert or interleave") << "cInsBut"
                                          << "True"
                                          << "cIntBut"
                                          << "True" << false;
    QTest::newRow("inserter 1 front inside") << "CvrM"
                                             << "Inserter1"
                                             << "cCovPOFI"
                                             << "True" << true;
    QTest::newRow("inserter 2 front inside") << "CvrM"
                                             << "Inserter2"
                                             << "cCovPOFI"
                                             << "True" << true;
    QTest::newRow("inserter 1 front outside") << "CvrM"
                                              << "Inserter1"
                                              << "cCovPOFO"
                                              << "True" << true;
    QTest::newRow("inserter 2 front outside") << "CvrM"
                                              << "Inserter2"
                                              << "cCovPOFO"
                                              << "True" << true;
    QTest::newRow("inserter 1 back inside") << "BackCvrM"
                                            << "Inserter1"
                                            << "cCovPOBI"
                                            << "True" << true;
    QTest::newRow("inserter 2 back inside") << "BackCvrM"
                                            << "Inserter2"
                                            << "cCovPOBI"
                                            << "True" << true;
    QTest::newRow("inserter 1 back outside") << "BackCvrM"
                                             << "Inserter1"
                                             << "cCovPOBO"
                                             << "True" << true;
    QTest::newRow("inserter 2 back outside") << "BackCvrM"
                                             << "Inserter2"
                                             << "cCovPOBO"
                                             << "True" << true;
    QTest::newRow("inserter 1 insert front") << "Pmed"
                                             << "Inserter1"
                                             << "cInsPrnF"
                                             << "True" << true;
    QTest::newRow("inserter 2 insert front") << "Pmed"
                                             << "Inserter2"
                                             << "cInsPrnF"
                                             << "True" << true;
    QTest::newRow("inserter 1 insert back") << "Pmed"
                                            << "Inserter1"
                                            << "cInsPrnB"
                                            << "True" << true;
    QTest::newRow("inserter 2 insert back") << "Pmed"
                                            << "Inserter2"
                                            << "cInsPrnB"
                                            << "True" << true;
    QTest::newRow("inserter 1 backing") << "Tmed"
                                        << "Inserter1"
                                        << "cIntPrn"
                                        << "True" << true;
    QTest::newRow("inserter 2 backing") << "Tmed"
                                        << "Inserter2"
                                        << "cIntPrn"
                                        << "True" << true;
}

void tst_FixedConstraints::publishingRows()
{
    QFETCH(QString, keyword1);
    QFETCH(QString, choice1);
    QFETCH(QString, keyword2);
    QFETCH(QString, choice2);
    QFETCH(bool, needsInserter);

    QVERIFY(hasRow(m_publisher.get(), keyword1, choice1, keyword2, choice2));

    auto withoutInserter =
        steps::build(QStringLiteral("steps-bare.ppd"), coverTraysWithoutOption28);
    QVERIFY(withoutInserter);
    QVERIFY(steps::choice(withoutInserter.get(), keyword1, choice1));
    QVERIFY(steps::choice(withoutInserter.get(), keyword2, choice2));
    QCOMPARE(hasRow(withoutInserter.get(), keyword1, choice1, keyword2, choice2), !needsInserter);
}

void tst_FixedConstraints::fixedRows_data()
{
    QTest::addColumn<QString>("keyword1");
    QTest::addColumn<QString>("choice1");
    QTest::addColumn<QString>("keyword2");
    QTest::addColumn<QString>("choice2");

    QTest::newRow("front inside needs duplex") << "cCovPOFI"
                                               << "True"
                                               << "Duplex"
                                               << "None";
    QTest::newRow("back outside needs duplex") << "cCovPOBO"
                                               << "True"
                                               << "Duplex"
                                               << "None";
    QTest::newRow("insert back needs duplex") << "cInsPrnB"
                                              << "True"
                                              << "Duplex"
                                              << "None";
    QTest::newRow("cover needs collation") << "cCovBut"
                                           << "True"
                                           << "Coll"
                                           << "False";
    QTest::newRow("insert needs collation") << "cInsBut"
                                            << "True"
                                            << "Coll"
                                            << "False";
    QTest::newRow("interleave needs collation") << "cIntBut"
                                                << "True"
                                                << "Coll"
                                                << "False";
    QTest::newRow("storage needs collation") << "cJobStore"
                                             << "True"
                                             << "Coll"
                                             << "False";
    QTest::newRow("super watermark needs collation") << "cSuper"
                                                     << "True"
                                                     << "Coll"
                                                     << "False";
    QTest::newRow("duplex policy needs switch") << "SNTToggle"
                                                << "Off"
                                                << "SNTDuplex"
                                                << "On";
    QTest::newRow("toner policy needs switch") << "SNTToggle"
                                               << "Off"
                                               << "SNTTonerlite"
                                               << "On";
    QTest::newRow("colour policy needs switch") << "SNTToggle"
                                                << "Off"
                                                << "SNTColorMode"
                                                << "On";
    QTest::newRow("duplex policy") << "SNTDuplex"
                                   << "On"
                                   << "Duplex"
                                   << "None";
    QTest::newRow("toner policy") << "SNTTonerlite"
                                  << "On"
                                  << "Tnlt"
                                  << "Off";
    QTest::newRow("colour policy CMYK") << "SNTColorMode"
                                        << "On"
                                        << "ColorModel"
                                        << "CMYK";
    QTest::newRow("colour policy RGB") << "SNTColorMode"
                                       << "On"
                                       << "ColorModel"
                                       << "RGB";
    QTest::newRow("server rules accounting") << "SNTToggle"
                                             << "On"
                                             << "cJobAccount"
                                             << "True";
    QTest::newRow("server rules login") << "SNTToggle"
                                        << "On"
                                        << "cUserLogin"
                                        << "True";
    QTest::newRow("server rules storage") << "SNTToggle"
                                          << "On"
                                          << "cJobStore"
                                          << "True";
    QTest::newRow("server rules covers") << "SNTToggle"
                                         << "On"
                                         << "cCovBut"
                                         << "True";
    QTest::newRow("server rules inserts") << "SNTToggle"
                                          << "On"
                                          << "cInsBut"
                                          << "True";
    QTest::newRow("server rules interleaving") << "SNTToggle"
                                               << "On"
                                               << "cIntBut"
                                               << "True";
    QTest::newRow("first page needs watermark") << "Wren"
                                                << "False"
                                                << "Wflg"
                                                << "True";
    QTest::newRow("grey has no red") << "ColorModel"
                                     << "Gray"
                                     << "Wclr"
                                     << "Red";
    QTest::newRow("grey has no green") << "ColorModel"
                                       << "Gray"
                                       << "Wclr"
                                       << "Green";
    QTest::newRow("grey has no blue") << "ColorModel"
                                      << "Gray"
                                      << "Wclr"
                                      << "Blue";
    QTest::newRow("accounting or login") << "cJobAccount"
                                         << "True"
                                         << "cUserLogin"
                                         << "True";
}

void tst_FixedConstraints::fixedRows()
{
    QFETCH(QString, keyword1);
    QFETCH(QString, choice1);
    QFETCH(QString, keyword2);
    QFETCH(QString, choice2);

    QVERIFY(hasRow(m_publisher.get(), keyword1, choice1, keyword2, choice2));
}

void tst_FixedConstraints::onlyTransparencyAllowsInterleaving()
{
    const QStringList conflicts = steps::conflicts(m_publisher.get(), "cIntBut", "True");
    QVERIFY(conflicts.contains("MediaType=Plain"));
    QVERIFY(conflicts.contains("MediaType=Labels"));
    QVERIFY(conflicts.contains("MediaType=transparency"));
    QVERIFY(!conflicts.contains("MediaType=Transparency"));
    QVERIFY(steps::conflicts(m_publisher.get(), "MediaType", "Transparency").isEmpty());
}

VM_TEST_GUILESS_MAIN(tst_FixedConstraints)
#include "tst_fixedconstraints.moc"
