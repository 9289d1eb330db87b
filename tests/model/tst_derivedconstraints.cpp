#include "StepsFixture.h"
#include "TestMain.h"

#include <QtTest>

class tst_DerivedConstraints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noSorterTakesLowerCollationLimits();
    void duplexPolicyTakesLowerDuplexLimits();
    void rulesStandAlone();

private:
    std::unique_ptr<tOptionModel> m_publisher;
};

void tst_DerivedConstraints::initTestCase()
{
    m_publisher = steps::build(QStringLiteral("steps-publisher.ppd"));
    QVERIFY(m_publisher);
}

void tst_DerivedConstraints::noSorterTakesLowerCollationLimits()
{
    // Coll "False" conflicts with Duplex "None" (5), Option17 "True" (0),
    // Option8 "True" (1, equal to Option18) and the five toggles of the fixed
    // rows (7 and 8); only levels strictly below Option18's pass. Then every
    // real job-storage choice, private print and the custom box.
    QCOMPARE(steps::sorted(steps::conflicts(m_publisher.get(), "Option18", "None")),
             (QStringList {"Duplex=None", "TCCollate1=Hold", "TCCollate1=Store", "cCovBut=True",
                           "cCustomBox=True", "cInsBut=True", "cIntBut=True", "cJobStore=True",
                           "cPrivatePrint=True", "cSuper=True"}));
    QVERIFY(steps::conflicts(m_publisher.get(), "Option18", "Sorter").isEmpty());
}

void tst_DerivedConstraints::duplexPolicyTakesLowerDuplexLimits()
{
    // Both duplex modes' limits with cover (8) and backing (8) trays pass;
    // paper size (3) and booklet (4, equal to SNTDuplex) do not.
    QCOMPARE(steps::sorted(steps::conflicts(m_publisher.get(), "SNTDuplex", "On")),
             (QStringList {"CvrM=Tray1", "Duplex=None", "SNTToggle=Off", "Tmed=Tray1"}));
    QVERIFY(steps::conflicts(m_publisher.get(), "SNTDuplex", "Off").isEmpty());
}

void tst_DerivedConstraints::rulesStandAlone()
{
    // No Coll, no Option18: the duplex policy still inherits, and the rows
    // naming Option18 add nothing.
    auto model = steps::build(
        QStringLiteral("steps-bare.ppd"),
        "*OpenUI *Duplex/Two-Sided: PickOne\n*DefaultDuplex: None\n*Duplex None/Off: \"\"\n"
        "*Duplex DuplexTumble/Short Edge: \"\"\n*CloseUI: *Duplex\n"
        "*OpenUI *Finish/Finish: PickOne\n*DefaultFinish: Matte\n*Finish Matte/Matte: \"\"\n"
        "*Finish Gloss/Gloss: \"\"\n*CloseUI: *Finish\n"
        "*OpenUI *TCCollate1/Job Storage: PickOne\n*DefaultTCCollate1: None\n"
        "*TCCollate1 None/Off: \"\"\n*TCCollate1 Hold/Hold: \"\"\n*CloseUI: *TCCollate1\n"
        "*SupportsPrivatePrint: True\n"
        "*UIConstraints: *Duplex DuplexTumble *Finish Gloss\n");
    QVERIFY(model);
    QCOMPARE(steps::sorted(steps::conflicts(model.get(), "SNTDuplex", "On")),
             (QStringList {"Duplex=None", "Finish=Gloss", "SNTToggle=Off"}));
    QVERIFY(steps::conflicts(model.get(), "TCCollate1", "Hold").isEmpty());
    QCOMPARE(steps::conflicts(model.get(), "cPrivatePrint", "True"), QStringList());
}

VM_TEST_GUILESS_MAIN(tst_DerivedConstraints)
#include "tst_derivedconstraints.moc"
