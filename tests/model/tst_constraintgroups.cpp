#include "StepsFixture.h"
#include "TestMain.h"

#include "model/FixedConstraints.h"

#include <QtTest>

class tst_ConstraintGroups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mapConstraintKeyword_data();
    void mapConstraintKeyword();
    void groupsOfChoice_data();
    void groupsOfChoice();
    void noFoldGroupsWithoutFoldUnit();
    void groupBlocksLastMemberWhileOthersCurrent();

private:
    std::unique_ptr<tOptionModel> m_finisher;
};

void tst_ConstraintGroups::initTestCase()
{
    m_finisher = steps::build(QStringLiteral("steps-finisher.ppd"));
    QVERIFY(m_finisher);
}

void tst_ConstraintGroups::mapConstraintKeyword_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("mapped");

    QTest::newRow("bi-fold") << "Bifold"
                             << "cBiFld";
    QTest::newRow("tri-fold") << "Trifold"
                              << "cTriFld";
    QTest::newRow("z-fold") << "Zfold"
                            << "cTriFldZ";
    QTest::newRow("engineering fold") << "EngrFold"
                                      << "cEngrFld";
    QTest::newRow("staple") << "Stpl"
                            << "cStpl";
    QTest::newRow("punch") << "Pnch"
                           << "cHole";
    QTest::newRow("case matters") << "bifold"
                                  << "bifold";
    QTest::newRow("whole text only") << "Stpl "
                                     << "Stpl ";
    QTest::newRow("other option") << "FldA"
                                  << "FldA";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_ConstraintGroups::mapConstraintKeyword()
{
    QFETCH(QString, keyword);
    QFETCH(QString, mapped);
    QCOMPARE(::mapConstraintKeyword(keyword), mapped);
}

void tst_ConstraintGroups::groupsOfChoice_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("expected");

    // Members ordered by level, ties in the given order; the last is blocked.
    QTest::newRow("fold tray")
        << "OutputBin"
        << "FLDTRAY"
        << QStringList {
               "PageSize=A5, cBiFld=True, OutputBin=FLDTRAY", // cupsUIConstraints
               "PageSize=A3, FldA=Bifold, OutputBin=FLDTRAY",
               "PageSize=Tabloid, FldA=Bifold, OutputBin=FLDTRAY",
               "PageSize=A3, FldA=Trifold, OutputBin=FLDTRAY",
               "PageSize=Tabloid, FldA=Trifold, OutputBin=FLDTRAY",
               "PageSize=A3, FldA=Zfold, OutputBin=FLDTRAY",
               "PageSize=Tabloid, FldA=Zfold, OutputBin=FLDTRAY",
           };
    QTest::newRow("stacker A") << "OutputBin"
                               << "FDStackerA"
                               << QStringList {"Option24=False, FldA=Bifold, OutputBin=FDStackerA"};
    QTest::newRow("stacker B") << "OutputBin"
                               << "FDStackerB"
                               << QStringList {
                                      "Option24=False, FldA=Bifold, OutputBin=FDStackerB",
                                      "Option24=False, FldA=Trifold, OutputBin=FDStackerB"};
    QTest::newRow("staple")
        << "cStpl"
        << "True"
        << QStringList {
               "PageSize=Tabloid, TCBooklet=Right, cStpl=True", // "*Stpl " with a blank after it
               "Option22=False, TCBooklet=Left, cStpl=True",
               "Option22=False, TCBooklet=Right, cStpl=True",
               "PageSize=Statement, TCBooklet=None, cStpl=True",
               "PageSize=A5, TCBooklet=None, cStpl=True",
           };
    QTest::newRow("punch without a choice")
        << "cHole"
        << "True" << QStringList {"TCBooklet=Left, Duplex=DuplexTumble, cHole=True"};
    // Only in attributes that add nothing: a trailing "*Stpl", a member
    // without a choice, two blanks, two members, four members.
    QTest::newRow("A6 in dropped groups") << "PageSize"
                                          << "A6" << QStringList();
    QTest::newRow("Labels in dropped groups") << "MediaType"
                                              << "Labels" << QStringList();
}

void tst_ConstraintGroups::groupsOfChoice()
{
    QFETCH(QString, keyword);
    QFETCH(QString, choice);
    QFETCH(QStringList, expected);

    QCOMPARE(steps::groups(m_finisher.get(), keyword, choice), expected);
}

void tst_ConstraintGroups::noFoldGroupsWithoutFoldUnit()
{
    auto model = steps::build(QStringLiteral("steps-folder.ppd"));
    QVERIFY(model);
    QVERIFY(steps::choice(model.get(), "OutputBin", "FLDTRAY"));
    QVERIFY(steps::groups(model.get(), "OutputBin", "FLDTRAY").isEmpty());
    QVERIFY(steps::groups(model.get(), "FldA", "Bifold").isEmpty());
}

void tst_ConstraintGroups::groupBlocksLastMemberWhileOthersCurrent()
{
    auto model = steps::build(QStringLiteral("steps-finisher.ppd"));
    QVERIFY(model);
    model->resetConstraints();
    const tChoice *foldTray = steps::choice(model.get(), "OutputBin", "FLDTRAY");
    QVERIFY(foldTray);

    model->setCurrentChoice("OutputBin", "FLDTRAY");
    model->setCurrentChoice("cBiFld", "True");
    QVERIFY(!foldTray->isBlocked());
    model->setCurrentChoice("PageSize", "A5");
    QVERIFY(foldTray->isBlocked());
    // The model leaves a blocked choice current; moving off it is the tabs' work.
    QCOMPARE(model->option("OutputBin")->currentChoice(), foldTray);

    model->setCurrentChoice("PageSize", "A4");
    QVERIFY(!foldTray->isBlocked());
    model->setCurrentChoice("PageSize", "A5");
    QVERIFY(foldTray->isBlocked());
    model->setCurrentChoice("cBiFld", "False");
    QVERIFY(!foldTray->isBlocked());

    // The other members are never blocked by the group.
    model->setCurrentChoice("cBiFld", "True");
    QVERIFY(foldTray->isBlocked());
    QVERIFY(!steps::choice(model.get(), "PageSize", "A5")->isBlocked());
    QVERIFY(!steps::choice(model.get(), "cBiFld", "True")->isBlocked());
}

VM_TEST_GUILESS_MAIN(tst_ConstraintGroups)
#include "tst_constraintgroups.moc"
