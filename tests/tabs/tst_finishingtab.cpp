// The "Finishing" tab over two fixture PPDs: when it is shown, loading from
// the PPD and from a settings file, the model following the fold buttons,
// the fold marks, the rows that follow the printer's options, and the values
// it saves.

#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/FinishingTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

using Values = QHash<QString, QString>;

const QString mark = QStringLiteral("<img src=':/icons/error'>");

} // namespace

class TestFinishingTab : public QObject, TabFixture<FinishingTab>
{
    Q_OBJECT

private slots:
    void init() { setUpTab(); }
    void cleanup() { tearDownTab(); }

    void hasOptions_data();
    void hasOptions();
    void reloadFromPpdDefaults();
    void reloadFromSettingsFile();
    void foldButtonsDriveModel();
    void allFourFoldsAreMarked();
    void foldErrorMarks();
    void foldsExcludeEachOther();
    void smallPrinterHidesAndDisables();
    void savedStapleAndCount_data();
    void savedStapleAndCount();
    void stapleOffSavesNone();
    void screenshot();

private:
    [[nodiscard]] bool saveSettings(const QByteArray &lines)
    {
        return writeSettingsFile("FT.cfg", lines);
    }
    TolCheckBoxButton *button(const char *name) { return named<TolCheckBoxButton>(tab, name); }
    QLabel *label(const char *name, int which = 0) { return named<QLabel>(tab, name, which); }
    ComboBoxEx *list(const char *name) { return named<ComboBoxEx>(tab, name); }
};

void TestFinishingTab::hasOptions_data()
{
    hasOptionsColumns();
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("full finisher") << "finishingtab-full.ppd" << true;
    QTest::newRow("small finisher") << "finishingtab-small.ppd" << true;
    QTest::newRow("no finishing option") << "generaltab-bare.ppd" << false;
}

void TestFinishingTab::hasOptions()
{
    QVERIFY(checkHasOptions());
    QFETCH(bool, shown);
    // A tab without options never holds OK back.
    if (!shown) {
        tab->flagOptionError("FldA", "Bifold");
        QVERIFY(!tab->isConstraintMarked());
    }
}

void TestFinishingTab::reloadFromPpdDefaults()
{
    QVERIFY(select("finishingtab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Finishing"));
    QCOMPARE(owner->passes, 0);

    for (const char *name : {"chkButTriFld", "chkButBiFld", "chkButTriFldZ", "chkButHalfZFld",
                             "chkButPnch", "chkButStpl"}) {
        QVERIFY2(!button(name)->isChecked(), name);
        QVERIFY2(button(name)->isEnabled(), name);
    }
    // The "Off" item stands for the unchecked button and is not offered.
    QCOMPARE(items(list("cmbBxFldB")), QStringList({"Inside", "Outside"}));
    QVERIFY(!list("cmbBxFldB")->isEnabled());
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupSep")->checkedButtonName(), QString("Off"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupRot")->checkedButtonName(), QString("Off"));
    QCOMPARE(label("lblPnch")->text(), QString("Punch Holes:"));
    QCOMPARE(label("lblStaple")->text(), QString("Staple Position:"));
    QVERIFY(label("lblHolePunch")->isEnabled());
    // Z-fold unchecked: the tri-fold rows own the shared cells.
    QVERIFY(!label("lblFldC")->isHidden());
    QVERIFY(label("lblZFldC")->isHidden());
    QVERIFY(!list("cmbBxBiFldB")->isHidden());

    Values expected;
    expected.insert("Sep", "None");
    expected.insert("Rotate", "False");
    expected.insert("FldA", "None");
    for (const char *keyword : {"cTriFld", "cBiFld", "cTriFldZ", "cEngrFld", "cHole", "cStpl"})
        expected.insert(keyword, "False");
    for (const char *keyword :
         {"FldB", "FldC", "FldD", "ZFldC", "ZFldD", "BiFldB", "BFpS", "Pnch", "Stpl", "Scnt"})
        expected.insert(keyword, "None");
    QCOMPARE(tab->collectOptionValues(), expected);
}

void TestFinishingTab::reloadFromSettingsFile()
{
    // The saved fold decides the fold buttons; the saved toggles decide punch
    // and staple, whatever "Pnch" and "Stpl" say.
    QVERIFY(saveSettings(
        "FldA=Trifold;None\ncTriFld=True\ncBiFld=True\nFldC=Right;None\nFldD=Multi;None\n"
        "Stpl=Center;None\ncStpl=True\nScnt=Two;None\nPnch=2Hole;None\ncHole=False\n"
        "Sep=Rot;None\nRotate=True;False\n"));
    QVERIFY(select("finishingtab-full.ppd"));

    QVERIFY(button("chkButTriFld")->isChecked());
    QVERIFY(!button("chkButBiFld")->isChecked());
    QVERIFY(!button("chkButTriFldZ")->isChecked());
    QVERIFY(label("lblZFldC")->isHidden());
    QVERIFY(list("cmbBxFldC")->isEnabled());
    QCOMPARE(list("cmbBxFldC")->currentText(), QString("Right to left"));
    QVERIFY(button("chkButStpl")->isChecked());
    QVERIFY(!button("chkButPnch")->isChecked());
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupSep")->checkedButtonName(),
             QString("Rotate copies"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupRot")->checkedButtonName(), QString("On"));

    QCOMPARE(current("cBiFld"), QString("False"));
    QCOMPARE(current("cTriFld"), QString("True"));
    QCOMPARE(current("FldC"), QString("Right"));
    QCOMPARE(current("Stpl"), QString("Center"));
    QCOMPARE(current("Pnch"), QString("None"));

    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("FldA"), QString("Trifold"));
    QCOMPARE(values.value("FldC"), QString("Right"));
    QCOMPARE(values.value("FldD"), QString("Multi"));
    QCOMPARE(values.value("BFpS"), QString("None"));
    QCOMPARE(values.value("Stpl"), QString("Center"));
    QCOMPARE(values.value("Scnt"), QString("Two"));
    QCOMPARE(values.value("Pnch"), QString("None"));
    QCOMPARE(values.value("Sep"), QString("Rot"));
    QCOMPARE(values.value("Rotate"), QString("True"));
}

void TestFinishingTab::foldButtonsDriveModel()
{
    QVERIFY(select("finishingtab-full.ppd"));
    TolCheckBoxButton *biFold = button("chkButBiFld");
    TolCheckBoxButton *zFold = button("chkButTriFldZ");

    biFold->iconButton()->click();
    QCOMPARE(current("FldA"), QString("Bifold"));
    QCOMPARE(current("cBiFld"), QString("True"));
    QVERIFY(owner->passes > 0);
    list("cmbBxBFpS")->setCurrentIndex(1);
    QCOMPARE(current("BFpS"), QString("Multi"));

    // A second fold writes nothing; the saved fold is the bi-fold's.
    zFold->setChecked(true);
    QCOMPARE(current("FldA"), QString("Bifold"));
    QVERIFY(label("lblFldC")->isHidden());
    QVERIFY(!label("lblZFldC")->isHidden());
    QCOMPARE(tab->collectOptionValues().value("FldA"), QString("Bifold"));

    // Switching the Z-fold on or off resets the bi-fold lists too.
    biFold->setChecked(false);
    QCOMPARE(current("FldA"), QString("Zfold"));
    QCOMPARE(current("cTriFldZ"), QString("True"));
    QCOMPARE(list("cmbBxBFpS")->currentIndex(), 0);

    zFold->setChecked(false);
    QVERIFY(!label("lblFldC")->isHidden());
    for (const char *keyword : {"FldA", "FldB", "FldC", "FldD", "ZFldC", "ZFldD", "BiFldB", "BFpS"})
        QCOMPARE(current(keyword), QString("None"));
    for (const char *keyword : {"cBiFld", "cTriFld", "cTriFldZ", "cEngrFld"})
        QCOMPARE(current(keyword), QString("False"));
    QCOMPARE(tab->collectOptionValues().value("FldA"), QString("None"));
}

// As the main window's constraint pass runs on the tab.
static void constraintPass(FinishingTab *tab)
{
    tab->setConstraintMarked(false);
    tab->clearErrorMarks();
    tab->markCustomConstraints();
}

void TestFinishingTab::allFourFoldsAreMarked()
{
    QVERIFY(select("finishingtab-full.ppd"));
    const QList<QLabel *> labels = {label("lblTriFld"), label("lblBiFld"), label("lblTriFldZ"),
                                    label("lblHalfZFld")};
    const char *buttons[] = {"chkButTriFld", "chkButBiFld", "chkButTriFldZ", "chkButHalfZFld"};

    for (int i = 0; i < 3; ++i)
        button(buttons[i])->setChecked(true);
    constraintPass(tab);
    QVERIFY(!tab->isConstraintMarked());

    button(buttons[3])->setChecked(true);
    constraintPass(tab);
    QVERIFY(tab->isConstraintMarked());
    for (QLabel *foldLabel : labels)
        QCOMPARE(foldLabel->text().count(mark), 1);

    button(buttons[0])->setChecked(false);
    constraintPass(tab);
    QVERIFY(!tab->isConstraintMarked());
    for (QLabel *foldLabel : labels)
        QVERIFY(!foldLabel->text().contains(mark));
}

void TestFinishingTab::foldErrorMarks()
{
    QVERIFY(select("finishingtab-full.ppd"));
    QLabel *zLabel = label("lblTriFldZ");
    tab->flagOptionError("FldA", "Zfold");
    tab->flagOptionError("FldA", "Zfold");
    QCOMPARE(zLabel->text().count(mark), 1);
    QCOMPARE(zLabel->textFormat(), Qt::RichText);
    QVERIFY(tab->isConstraintMarked());

    tab->clearErrorMarks();
    tab->setConstraintMarked(false);
    QVERIFY(!zLabel->text().contains(mark));
    QVERIFY(!tab->isConstraintMarked());

    // A fold choice without a label still holds the tab marked.
    tab->flagOptionError("FldA", "None");
    QVERIFY(tab->isConstraintMarked());
    for (QLabel *foldLabel : tab->findChildren<QLabel *>())
        QVERIFY(!foldLabel->text().contains(mark));
}

void TestFinishingTab::foldsExcludeEachOther()
{
    owner->driven = tab;
    // A saved fold without its toggle: the reload switches the fold on, and
    // the pass after the reload greys the others.
    QVERIFY(saveSettings("FldA=Trifold;None\n"));
    QVERIFY(select("finishingtab-full.ppd"));
    owner->setConstraints();
    QVERIFY(button("chkButTriFld")->isChecked());
    QCOMPARE(current("cTriFld"), QString("True"));
    QCOMPARE(current("FldA"), QString("Trifold"));
    for (const char *name : {"chkButBiFld", "chkButTriFldZ", "chkButHalfZFld"})
        QVERIFY2(!button(name)->isEnabled(), name);

    button("chkButTriFld")->iconButton()->click();
    QCOMPARE(current("FldA"), QString("None"));
    for (const char *name : {"chkButBiFld", "chkButTriFldZ", "chkButHalfZFld"})
        QVERIFY2(button(name)->isEnabled(), name);
    QVERIFY(!tab->isConstraintMarked());
}

void TestFinishingTab::smallPrinterHidesAndDisables()
{
    QVERIFY(saveSettings("FldA=Zfold;None\n"));
    QVERIFY(select("finishingtab-small.ppd"));

    // Without the fold unit: the Z-fold and engineering fold are out of
    // sight. The saved Z-fold comes from another model: this printer's fold
    // list has no such choice, so no button takes it and it is not saved.
    for (QWidget *widget : QList<QWidget *> {label("lblTriFldZ"), button("chkButTriFldZ"),
                                             label("lblHalfZFld"), button("chkButHalfZFld")}) {
        QVERIFY(widget->isHidden());
        QVERIFY(!widget->isEnabled());
    }
    for (const char *name : {"chkButTriFldZ", "chkButTriFld", "chkButBiFld", "chkButHalfZFld"})
        QVERIFY2(!button(name)->isChecked(), name);
    QCOMPARE(collectedSettings(tab).value("FldA"), QString("None"));
    QVERIFY(button("chkButTriFld")->isEnabled());

    // No bi-fold print side: the sheets row moves up into its place.
    QVERIFY(label("lblBiFldB")->isHidden());
    QVERIFY(list("cmbBxBiFldB")->isHidden());
    auto *left = qobject_cast<QGridLayout *>(tab->layout()->itemAt(0)->layout());
    QVERIFY(left);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    left->getItemPosition(left->indexOf(list("cmbBxBFpS")), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 13);
    left->getItemPosition(left->indexOf(label("lblBFpS")), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 12);
    QCOMPARE(label("lblBFpS")->text(), QString("Number of sheets:"));

    QVERIFY(!label("lblHolePunch")->isEnabled());
    QVERIFY(!button("chkButPnch")->isChecked());
    auto *sep = named<TolButtonGroup>(tab, "butGroupSep");
    QVERIFY(sep->pushButton(1)->isEnabled());
    QVERIFY(!sep->pushButton(2)->isEnabled());
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupRot")->checkedButtonName(), QString("Off"));
    QVERIFY(!tab->collectOptionValues().contains("Rotate"));
}

void TestFinishingTab::savedStapleAndCount_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("countChoosable");
    QTest::newRow("two staple counts") << "finishingtab-small.ppd" << false;
    QTest::newRow("three staple counts") << "finishingtab-full.ppd" << true;
    QTest::newRow("no staple count") << "finishingtab-staple.ppd" << false;
}

void TestFinishingTab::savedStapleAndCount()
{
    QFETCH(QString, fixture);
    QFETCH(bool, countChoosable);
    QVERIFY(saveSettings("cStpl=True\nStpl=Front;None\n"));
    QVERIFY(select(fixture));

    QVERIFY(button("chkButStpl")->isChecked());
    QVERIFY(list("cmbBxStpl")->isEnabled());
    QCOMPARE(list("cmbBxScnt")->isEnabled(), countChoosable);
    QCOMPARE(label("lblScnt")->isEnabled(), countChoosable);
    QCOMPARE(current("cStpl"), QString("True"));
    QCOMPARE(tab->collectOptionValues().value("Stpl"), QString("Front"));
}

void TestFinishingTab::stapleOffSavesNone()
{
    QVERIFY(select("finishingtab-full.ppd"));
    TolCheckBoxButton *staple = button("chkButStpl");
    staple->setChecked(true);
    list("cmbBxStpl")->setCurrentIndex(2);
    list("cmbBxScnt")->setCurrentIndex(1);
    QCOMPARE(current("Stpl"), QString("Center"));
    QCOMPARE(tab->collectOptionValues().value("Scnt"), QString("Two"));

    staple->setChecked(false);
    QCOMPARE(list("cmbBxStpl")->currentIndex(), 0);
    QCOMPARE(list("cmbBxScnt")->currentIndex(), 0);
    QCOMPARE(current("Stpl"), QString("None"));
    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("Stpl"), QString("None"));
    QCOMPARE(values.value("Scnt"), QString("None"));
    QCOMPARE(values.value("cStpl"), QString("False"));
}

void TestFinishingTab::screenshot()
{
    QVERIFY(saveSettings(
        "FldA=Trifold;None\ncTriFld=True\ncStpl=True\nStpl=Front;None\ncHole=True\nPnch=3Hole;None\n"));
    QVERIFY(select("finishingtab-full.ppd"));
    // The page area the main window gives a tab.
    owner->resize(620, 686);
    tab->resize(620, 686);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    const QString path = QDir::tempPath() + "/vellumark-finishingtab.png";
    QVERIFY(tab->grab().save(path));
}

VM_TEST_MAIN(TestFinishingTab)
#include "tst_finishingtab.moc"
