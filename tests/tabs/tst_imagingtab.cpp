// The "Imaging" tab and its adjustment dialogs over fixture PPDs: when the
// tab is shown, loading from the PPD and from a settings file, the toner
// saving rules, the colour mode and which adjustment it clears, and the
// values saved for the printer and read back.

#include "TabFixture.h"

#include "TestMain.h"
#include "tabdialogs/adjustmentDialog.h"
#include "tabdialogs/monoDialog.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/ImagingTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

namespace {

using Values = QHash<QString, QString>;

// The colour dialog's sliders and fields, in the order the dialog keeps them.
const QStringList colourKeys = {"CaHueMaster", "CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm",
                                "Cast",        "Cabt", "Cact", "CaCR", "CaMG", "CaYB"};

Values asHash(const QList<QPair<QString, QString>> &pairs)
{
    Values values;
    for (const auto &pair : pairs)
        values.insert(pair.first, pair.second);
    return values;
}

} // namespace

class TestImagingTab : public QObject, TabFixture<ImagingTab>
{
    Q_OBJECT

private slots:
    void init() { setUpTab(); }
    void cleanup() { tearDownTab(); }

    void hasOptions_data();
    void hasOptions() { QVERIFY(checkHasOptions()); }
    void reloadFromPpdDefaults();
    void tonerliteFromSettings_data();
    void tonerliteFromSettings();
    void tonerliteSwitching();
    void smallRasterPrinter();
    void tonerliteForcedOn();
    void colourModeClearsTheOtherAdjustment();
    void colourOptions_data();
    void colourOptions();
    void colourAdjustmentRoundTrip();
    void hueRowsExcludeEachOther();
    void monoOptions_data();
    void monoOptions();
    void monoReload();
    void screenshot();

private:
    [[nodiscard]] bool select(const QString &fixture, const QByteArray &settings = QByteArray());
    adjustmentDialog *colourDialog() { return tab->findChild<adjustmentDialog *>(); }
    monoDialog *monoDlg() { return tab->findChild<monoDialog *>(); }
    QSlider *colourSlider(const QString &key)
    {
        return colourDialog()->findChildren<QSlider *>().value(colourKeys.indexOf(key));
    }
};

// As a printer change does: a fresh model, a settings file, a reload.
bool TestImagingTab::select(const QString &fixture, const QByteArray &settings)
{
    if (!useModel(fixture) || (!settings.isNull() && !writeSettingsFile("IM.cfg", settings)))
        return false;
    tab->reload();
    return true;
}

void TestImagingTab::hasOptions_data()
{
    hasOptionsColumns();
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("every option") << "imagingtab-full.ppd" << true;
    QTest::newRow("trapping only among the page's lists") << "imagingtab-small.ppd" << true;
    QTest::newRow("toner saving alone") << "imagingtab-bare.ppd" << false;
}

void TestImagingTab::reloadFromPpdDefaults()
{
    QVERIFY(select("imagingtab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Imaging"));
    QCOMPARE(owner->passes, 0);
    QCOMPARE(owner->colourCouplings, 0);

    QCOMPARE(named<QLabel>(tab, "lblTrap")->text(), QString("Trap Width:"));
    QCOMPARE(named<QCheckBox>(tab, "chkBxTCGlossMode")->text(), QString("Glossy"));
    QCOMPARE(named<QLabel>(tab, "lblResolution")->text(), QString("Resolution:"));
    QCOMPARE(items(named<ComboBoxEx>(tab, "cmbBxResolution")),
             QStringList({"600 dpi", "1200 dpi"}));
    QCOMPARE(named<ComboBoxEx>(tab, "cmbBxTCSCREENMODE")->currentText(), QString("Automatic"));
    QVERIFY(named<QCheckBox>(tab, "chkBxSmoothing")->isChecked());
    QVERIFY(named<QPushButton>(tab, "butAdjustment")->isEnabled());

    auto *tonerlite = named<TolButtonGroup>(tab, "butGroupTnlt");
    auto *levels = named<ComboBoxEx>(tab, "cmbBxTnlt");
    QCOMPARE(tonerlite->checkedButtonName(), QString("Off"));
    QVERIFY(!levels->isHidden());
    QVERIFY(!levels->isEnabled());
    QCOMPARE(levels->count(), 5);
    QCOMPARE(levels->currentText(), QString("Saving 3"));
    QCOMPARE(current("Tnlt"), QString("Off"));
    QCOMPARE(tab->colorGroup()->checkedButtonName(), QString("Full color"));
    QCOMPARE(current("ColorModel"), QString("CMYK"));
    QCOMPARE(current("Cadj"), QString("False"));
    QCOMPARE(current("CaColorSpace"), QString("-1"));

    const Values values = tab->collectOptionValues();
    const Values expected = {
        {"Trap", "Off"},         {"TCGlossmode", "False"}, {"CIE", "Off"},
        {"TSCREENMODE", "Auto"}, {"Resolution", "600dpi"}, {"Tnlt", "Off"},
        {"ColorModel", "CMYK"},  {"Crep", "Vivid"},        {"RCM", "Std"},
        {"Smoothing", "True"},   {"GBTn", "False"},        {"TMoirePrevention", "False"},
        {"Cadj", "False"},       {"CaColorSpace", "-1"},   {"HueIndex", "0"},
        {"CaHueMaster", "00"},   {"fCaHueMaster", "0"},    {"CaHr", "0.0"},
        {"fCaYB", "0"},          {"Madj", "False"},        {"Malt", "0.0"},
        {"Mact", "0.0"},         {"fMalt", "0"},           {"fMact", "0"},
    };
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(values.value(it.key(), "missing " + it.key()), it.value());
    // 14 option keys (no "cTnlt"), 3 + 26 colour adjustment keys, 5 mono keys.
    QCOMPARE(values.size(), 12 + 29 + 5);
    QVERIFY(tab->extraSettings().isEmpty());
}

void TestImagingTab::tonerliteFromSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("ppdDefault");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("value");
    QTest::newRow("saved level 4") << QByteArray("Tnlt=Level4;Off\n") << "Off"
                                   << "On" << 3 << "Level4";
    QTest::newRow("PPD default level 2") << QByteArray("") << "Level2"
                                         << "On" << 1 << "Level2";
    QTest::newRow("saved off over a level default") << QByteArray("Tnlt=Off;Level2\n") << "Level2"
                                                    << "Off" << 2 << "Off";
    QTest::newRow("saved value no choice names") << QByteArray("Tnlt=Bogus;Off\n") << "Off"
                                                 << "Off" << 2 << "Off";
}

void TestImagingTab::tonerliteFromSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, ppdDefault);
    QFETCH(QString, button);
    QFETCH(int, level);
    QFETCH(QString, value);

    QVERIFY(useFixtureModel(model, "imagingtab-full.ppd"));
    tOption *tonerlite = model->option("Tnlt");
    tonerlite->setDefaultChoice(tonerlite->findChoice(ppdDefault));
    model->insertDefaultChoice("Tnlt", ppdDefault);
    QVERIFY(useSettingsFile(dir.filePath("T.cfg"), settings));
    tab->reload();

    auto *levels = named<ComboBoxEx>(tab, "cmbBxTnlt");
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupTnlt")->checkedButtonName(), button);
    QCOMPARE(levels->currentIndex(), level);
    QCOMPARE(levels->isEnabled(), button == "On");
    // The model holds the level the list shows, as constraints must see it.
    QCOMPARE(current("Tnlt"), value);
    QCOMPARE(tab->collectOptionValues().value("Tnlt"), value);
}

void TestImagingTab::tonerliteSwitching()
{
    QVERIFY(select("imagingtab-full.ppd"));
    auto *tonerlite = named<TolButtonGroup>(tab, "butGroupTnlt");
    auto *levels = named<ComboBoxEx>(tab, "cmbBxTnlt");

    tonerlite->pushButton(1)->click();
    QCOMPARE(current("Tnlt"), QString("Level3"));
    QVERIFY(levels->isEnabled());
    QCOMPARE(owner->passes, 1);

    levels->setCurrentIndex(0);
    QCOMPARE(current("Tnlt"), QString("Level1"));
    QCOMPARE(tab->collectOptionValues().value("Tnlt"), QString("Level1"));
    QCOMPARE(owner->passes, 2);

    tonerlite->pushButton(0)->click();
    QCOMPARE(current("Tnlt"), QString("Off"));
    QVERIFY(!levels->isEnabled());
    QCOMPARE(levels->currentIndex(), 2);
    QCOMPARE(tab->collectOptionValues().value("Tnlt"), QString("Off"));
    QCOMPARE(owner->passes, 3);
}

void TestImagingTab::smallRasterPrinter()
{
    QVERIFY(select("imagingtab-small.ppd", "Madj=True;False\nfMalt=5.5\n"));
    auto *levels = named<ComboBoxEx>(tab, "cmbBxTnlt");
    QVERIFY(levels->isHidden());
    QCOMPARE(items(named<ComboBoxEx>(tab, "cmbBxResolution")), QStringList({"600 dpi"}));
    QCOMPARE(tab->colorGroup()->checkedButtonName(), QString("Black & white"));
    QVERIFY(named<QPushButton>(tab, "butAdjustment")->isEnabled());
    QVERIFY(!named<ComboBoxEx>(tab, "cmbBxCIE")->isEnabled());

    named<TolButtonGroup>(tab, "butGroupTnlt")->pushButton(1)->click();
    QCOMPARE(current("Tnlt"), QString("On"));

    // A raster filter takes no adjustment at all, even one that is set.
    QCOMPARE(tab->collectOptionValues(),
             Values({{"Trap", "Off"}, {"ColorModel", "Gray"}, {"Tnlt", "On"}}));
}

void TestImagingTab::tonerliteForcedOn()
{
    QVERIFY(select("imagingtab-small.ppd"));
    auto *tonerlite = named<TolButtonGroup>(tab, "butGroupTnlt");
    QCOMPARE(tonerlite->checkedButtonName(), QString("Off"));

    // The server's toner policy leaves no way to switch saving off.
    model->setCurrentChoice("SNTTonerlite", "On");
    QVERIFY(model->option("Tnlt")->findChoice("Off")->isBlocked());
    QVERIFY(tab->enableOptions());
    QCOMPARE(tonerlite->checkedButtonName(), QString("On"));
    QVERIFY(!tonerlite->isEnabled());
    QCOMPARE(current("Tnlt"), QString("On"));
    QVERIFY(!tab->enableOptions());

    model->setCurrentChoice("SNTTonerlite", "Off");
    QVERIFY(!tab->enableOptions());
    QVERIFY(tonerlite->isEnabled());
    QCOMPARE(tonerlite->checkedButtonName(), QString("On"));
}

void TestImagingTab::colourModeClearsTheOtherAdjustment()
{
    QVERIFY(select("imagingtab-full.ppd", "Cadj=True;False\nCaColorSpace=1;-1\nfCaCR=2.5\n"
                                          "Madj=True;False\nfMact=2.5\n"));
    QCOMPARE(current("Cadj"), QString("True"));
    QCOMPARE(current("Madj"), QString("True"));
    QCOMPARE(colourSlider("CaCR")->value(), 250);

    tab->colorGroup()->pushButton(1)->click();
    QCOMPARE(owner->colourCouplings, 1);
    QCOMPARE(current("ColorModel"), QString("Gray"));
    QCOMPARE(current("Cadj"), QString("False"));
    QCOMPARE(current("CaColorSpace"), QString("-1"));
    QCOMPARE(colourSlider("CaCR")->value(), 0);
    QCOMPARE(current("Madj"), QString("True"));
    QCOMPARE(asHash(monoDlg()->options()).value("fMact"), QString("2.5"));

    tab->colorGroup()->pushButton(0)->click();
    QCOMPARE(current("Madj"), QString("False"));
    QCOMPARE(asHash(monoDlg()->options()).value("fMact"), QString("0"));

    // The main window's coupling names the mode to clear.
    tab->clearDialogSettings(1);
    QCOMPARE(current("Cadj"), QString("False"));

    // The constraint pass puts the group on the model's colour mode.
    model->setCurrentChoice("ColorModel", "Gray");
    tab->enableOptions();
    QCOMPARE(tab->colorGroup()->checkedButtonName(), QString("Black & white"));
    model->setCurrentChoice("ColorModel", "CMYK");
    tab->enableOptions();
    QCOMPARE(tab->colorGroup()->checkedButtonName(), QString("Full color"));
}

void TestImagingTab::colourOptions_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("exact");
    QTest::newRow("master 125") << "CaHueMaster" << 125 << "125"
                                << "120"
                                << "125";
    QTest::newRow("master 5") << "CaHueMaster" << 5 << "5"
                              << "00"
                              << "5";
    QTest::newRow("master -15") << "CaHueMaster" << -15 << "-15"
                                << "-10"
                                << "-15";
    QTest::newRow("red 250") << "CaHr" << 250 << "2.5"
                             << "2.0"
                             << "2.5";
    QTest::newRow("red -150") << "CaHr" << -150 << "-1.5"
                              << "-1.0"
                              << "-1.5";
    QTest::newRow("red -50") << "CaHr" << -50 << "-0.5"
                             << "0.0"
                             << "-0.5";
    QTest::newRow("balance 29") << "CaYB" << 29 << "0.29"
                                << "0.0"
                                << "0.29";
}

void TestImagingTab::colourOptions()
{
    QFETCH(QString, key);
    QFETCH(int, slider);
    QFETCH(QString, edit);
    QFETCH(QString, written);
    QFETCH(QString, exact);
    QVERIFY(select("imagingtab-full.ppd"));

    colourSlider(key)->setValue(slider);
    const QList<QLineEdit *> edits = colourDialog()->findChildren<QLineEdit *>();
    QCOMPARE(edits.value(colourKeys.indexOf(key))->text(), edit);
    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value(key), written);
    QCOMPARE(values.value("f" + key), exact);
}

void TestImagingTab::colourAdjustmentRoundTrip()
{
    QVERIFY(select("imagingtab-full.ppd",
                   "Cadj=True;False\nCaColorSpace=0;-1\nHueIndex=2\nfCaHg=0.29\n"
                   "fCaHr=999\nfCast=-1.5\n"));
    adjustmentDialog *dialog = colourDialog();
    auto *hues = dialog->findChild<ComboBoxEx *>();
    // The PPD has no yellow hue.
    QCOMPARE(items(hues), QStringList({"All hues", "Red hue", "Green hue", "Cyan hue", "Blue hue",
                                       "Magenta hue"}));
    QCOMPARE(hues->currentText(), QString("Green hue"));
    QCOMPARE(dialog->findChildren<QRadioButton *>().value(0)->text(), QString("Hue and tone"));
    QCOMPARE(colourSlider("CaHg")->value(), 29);
    QCOMPARE(colourSlider("CaHr")->value(), 0);
    QCOMPARE(dialog->findChildren<QLineEdit *>().value(colourKeys.indexOf("CaHr"))->text(),
             QString("0"));

    Values values = tab->collectOptionValues();
    QCOMPARE(values.value("Cadj"), QString("True"));
    QCOMPARE(values.value("CaColorSpace"), QString("0"));
    QCOMPARE(values.value("HueIndex"), QString("2"));
    QCOMPARE(values.value("fCaHg"), QString("0.29"));
    QCOMPARE(values.value("fCast"), QString("-1.5"));
    QCOMPARE(values.value("Cast"), QString("-1.0"));

    // Written and read back, nothing drifts.
    QByteArray saved;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        saved += (it.key() + "=" + it.value() + "\n").toUtf8();
    QVERIFY(select("imagingtab-full.ppd", saved));
    QCOMPARE(tab->collectOptionValues(), values);

    // Switching custom adjustment off forgets every number.
    dialog->findChild<QCheckBox *>()->setChecked(false);
    values = tab->collectOptionValues();
    QCOMPARE(values.value("CaColorSpace"), QString("-1"));
    QCOMPARE(values.value("HueIndex"), QString("0"));
    QCOMPARE(values.value("fCaHg"), QString("0"));
    QCOMPARE(values.value("fCast"), QString("0"));

    // OK stores the switch in the model.
    dialog->findChild<QCheckBox *>()->setChecked(true);
    dialog->findChildren<QRadioButton *>().value(1)->setChecked(true);
    dialog->saveSettings();
    QCOMPARE(current("Cadj"), QString("True"));
    QCOMPARE(current("CaColorSpace"), QString("1"));
}

void TestImagingTab::hueRowsExcludeEachOther()
{
    QVERIFY(select("imagingtab-full.ppd", "Cadj=True;False\nCaColorSpace=0;-1\n"));
    colourSlider("CaHr")->setValue(100);
    colourSlider("CaHueMaster")->setValue(30);
    QCOMPARE(colourSlider("CaHr")->value(), 0);
    QCOMPARE(colourSlider("CaHueMaster")->value(), 30);
    colourSlider("CaHg")->setValue(-200);
    QCOMPARE(colourSlider("CaHueMaster")->value(), 0);

    // Typing the cleared mark resets the field.
    QLineEdit *green =
        colourDialog()->findChildren<QLineEdit *>().value(colourKeys.indexOf("CaHg"));
    green->setText("999");
    QCOMPARE(colourSlider("CaHg")->value(), 0);
    QCOMPARE(green->text(), QString("0"));
}

void TestImagingTab::monoOptions_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("exact");
    QTest::newRow("55") << 55 << "5.0"
                        << "5.5";
    QTest::newRow("-55") << -55 << "-5.0"
                         << "-5.5";
    QTest::newRow("-5") << -5 << "0.0"
                        << "-0.5";
    QTest::newRow("100") << 100 << "10.0"
                         << "10";
    QTest::newRow("0") << 0 << "0.0"
                       << "0";
}

void TestImagingTab::monoOptions()
{
    QFETCH(int, slider);
    QFETCH(QString, written);
    QFETCH(QString, exact);
    QVERIFY(select("imagingtab-full.ppd", "Madj=True;False\n"));
    monoDlg()->findChildren<QSlider *>().value(0)->setValue(slider);
    QCOMPARE(monoDlg()->findChildren<QLineEdit *>().value(0)->text(), QString::number(slider));
    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("Malt"), written);
    QCOMPARE(values.value("fMalt"), exact);
}

void TestImagingTab::monoReload()
{
    QVERIFY(select("imagingtab-full.ppd", "Madj=True;False\nfMalt=2.3\nfMact=-10\n"));
    monoDialog *dialog = monoDlg();
    const QList<QSlider *> sliders = dialog->findChildren<QSlider *>();
    const QList<QLineEdit *> edits = dialog->findChildren<QLineEdit *>();
    QVERIFY(dialog->findChild<QCheckBox *>()->isChecked());
    QCOMPARE(sliders[0]->value(), 23);
    QCOMPARE(sliders[1]->value(), -100);
    QVERIFY(sliders[1]->isEnabled());
    QCOMPARE(asHash(dialog->options()).value("fMalt"), QString("2.3"));

    edits[0]->setText("-");
    QCOMPARE(sliders[0]->value(), 0);
    QCOMPARE(edits[0]->text(), QString("-"));
    dialog->saveSettings();
    QCOMPARE(current("Madj"), QString("True"));

    QVERIFY(select("imagingtab-full.ppd", ""));
    QCOMPARE(current("Madj"), QString("False"));
    QVERIFY(!dialog->findChild<QCheckBox *>()->isChecked());
    QCOMPARE(sliders[0]->value(), 0);
    QVERIFY(!sliders[0]->isEnabled());
}

void TestImagingTab::screenshot()
{
    QVERIFY(select("imagingtab-full.ppd",
                   "Cadj=True;False\nCaColorSpace=0;-1\nHueIndex=1\nfCaHr=1.5\n"));
    // About the page area of the main window.
    tab->setGeometry(0, 0, 600, 640);
    owner->resize(600, 640);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    QVERIFY(tab->grab().save(QDir::tempPath() + "/vellumark-imagingtab.png"));
    colourDialog()->show();
    QVERIFY(colourDialog()->grab().save(QDir::tempPath() + "/vellumark-imagingtab-colour.png"));
    monoDlg()->show();
    QVERIFY(monoDlg()->grab().save(QDir::tempPath() + "/vellumark-imagingtab-mono.png"));
}

VM_TEST_MAIN(TestImagingTab)
#include "tst_imagingtab.moc"
