// The "Watermark" tab over fixture PPDs: when it is shown, loading from the
// PPD and from a settings file, the custom watermarks and their buttons, the
// stored form written and read back, and the values it saves.

#include "PasteHelpers.h"
#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "tabs/WatermarkTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {

using Values = QHash<QString, QString>;

const QStringList builtinItems {"CONFIDENTIAL", "ORIGINAL", "COPY", "DO NOT PHOTOCOPY",
                                "DRAFT",        "FINAL",    "PROOF"};

} // namespace

class TestWatermarkTab : public QObject, TabFixture<WatermarkTab>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { tearDownTab(); }

    void hasOptions_data();
    void hasOptions() { QVERIFY(checkHasOptions(true)); }
    void reloadFromPpdDefaults();
    void reloadFromSettingsFile();
    void customDefaultOfMonoPrinter();
    void buttonsFollowName();
    void newSaveDelete();
    void builtinTextRecord();
    void saveUnderNewNameKeepsBuiltinRecord();
    void pastedControlCharacters_data();
    void pastedControlCharacters();
    void turningOffResets();
    void grayBlocksColours();
    void superWatermarkValue();
    void storedFormRoundTrip();
    void parseStoredRecord_data();
    void parseStoredRecord();

private:
    ComboBoxEx *text = nullptr;
    QLineEdit *name = nullptr;

    void writeSettings(const QStringList &lines);
    QPushButton *button(const char *accessibleName)
    {
        return named<QPushButton>(tab, accessibleName);
    }
    ComboBoxEx *combo(const char *accessibleName) { return named<ComboBoxEx>(tab, accessibleName); }
    TolCheckBoxButton *watermarkSwitch()
    {
        return named<TolCheckBoxButton>(tab, "chkButWatermark");
    }
};

void TestWatermarkTab::init()
{
    setUpTab();
    name = named<QLineEdit>(tab, "lnEditCustomWatermark");
    // The text list is the one combo box without an accessible name.
    const QList<ComboBoxEx *> combos = tab->findChildren<ComboBoxEx *>();
    for (ComboBoxEx *candidate : combos) {
        if (candidate->accessibleName().isEmpty())
            text = candidate;
    }
    QVERIFY(name && text);
}

void TestWatermarkTab::writeSettings(const QStringList &lines)
{
    QVERIFY(writeSettingsFile(
        QStringLiteral("WM-500.cfg"),
        (QStringList {"[Profile]", "[Tolvane WM-500]"} + lines).join('\n').toUtf8() + '\n'));
}

void TestWatermarkTab::hasOptions_data()
{
    hasOptionsColumns();
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("every watermark option") << "watermarktab-full.ppd" << true;
    QTest::newRow("some watermark options") << "watermarktab-mono.ppd" << true;
    QTest::newRow("no watermark option") << "watermarktab-bare.ppd" << false;
}

void TestWatermarkTab::reloadFromPpdDefaults()
{
    QVERIFY(select("watermarktab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Watermark"));
    QCOMPARE(owner->passes, 0);

    // No "Custom" item, no custom part, and the section is off.
    QCOMPARE(items(text), builtinItems);
    QCOMPARE(items(combo("cmbBxClr")), QStringList({"Black", "Red", "Green", "Blue"}));
    QCOMPARE(items(combo("cmbBxSuperWatermark")), QStringList({"Pattern UF", "Pattern SF"}));
    QCOMPARE(named<QLabel>(tab, "lblWtxt")->text(), QString("Watermark Text:"));
    QVERIFY(!watermarkSwitch()->isChecked());
    for (const char *widget :
         {"lblWtxt", "cmbBxWsze", "cmbBxClr", "lnEditCustomWatermark", "chkBxWFlg",
          "butNewCustomWatermark", "butSaveCustomWatermark", "butDeleteCustomWatermark"})
        QVERIFY2(!named<QWidget>(tab, widget)->isEnabled(), widget);
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 8);
    QCOMPARE(combo("cmbBxClr")->currentIndex(), 3);
    QCOMPARE(combo("cmbBxWang")->currentIndex(), 23);
    QCOMPARE(current("Wren"), QString("False"));

    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("Wren"), QString("False"));
    QCOMPARE(values.value("Wtxt"), QString("Confidential"));
    QCOMPARE(values.value("Wsze"), QString("72"));
    QCOMPARE(values.value("TCSuperWatermark"), QString("None"));
    QCOMPARE(values.value("cSuper"), QString("False"));
    QVERIFY(!values.contains("cCustom"));
    QVERIFY(tab->extraSettings().isEmpty());
}

void TestWatermarkTab::reloadFromSettingsFile()
{
    writeSettings({"Wren=True;False", "Wtxt=\"My\\ Draft\\!\";Confidential",
                   "TCSuperWatermark=UF1;None", "CustomWatermarkStore=My Draft!=1 3 2 5 1 1 1",
                   "CustomWatermarkStore=a=b c=2 0 1 0 0 1 0",
                   "CustomWatermarkStore=back\\\\slash=0 1 0 0 0 0 0",
                   "CustomWatermarkStore=DRAFT=2 11 1 4 1 0 1",
                   "CustomWatermarkStore=a=b c=0 4 0 7 1 0 0", "CustomWatermarkSet=My Draft!"});
    QVERIFY(select("watermarktab-full.ppd"));

    // A record under a built-in text is not listed twice; names sort by code unit.
    QCOMPARE(items(text), builtinItems + QStringList({"", "My Draft!", "a=b c", "back\\slash"}));
    QCOMPARE(text->currentText(), QString("My Draft!"));
    QCOMPARE(name->text(), QString("My Draft!"));
    QVERIFY(watermarkSwitch()->isChecked());
    QVERIFY(named<TolCheckBoxButton>(tab, "chkButSuperWatermark")->isChecked());
    QCOMPARE(combo("cmbBxWFnt")->currentIndex(), 1);
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 3);
    QCOMPARE(combo("cmbBxClr")->currentText(), QString("Green"));
    QCOMPARE(combo("cmbBxWang")->currentIndex(), 5);
    QVERIFY(named<QCheckBox>(tab, "chkBxWFlg")->isChecked());
    QVERIFY(button("butDeleteCustomWatermark")->isEnabled());
    QVERIFY(!button("butNewCustomWatermark")->isEnabled());
    QCOMPARE(current("Wren"), QString("True"));
    QCOMPARE(current("Wclr"), QString("Green"));

    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("Wtxt"), QString("\"My\\ Draft\\!\""));
    QCOMPARE(values.value("TCSuperWatermark"), QString("UF1"));
    QCOMPARE(values.value("Wflg"), QString("True"));

    // The later of two equal names wins.
    text->setCurrentText("a=b c");
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 4);
    QCOMPARE(combo("cmbBxWang")->currentIndex(), 7);
    QCOMPARE(name->text(), QString("a=b c"));
    QVERIFY(owner->passes > 0);

    const QString path = QDir::tempPath() + QStringLiteral("/vellumark-watermarktab.png");
    tab->resize(600, 680);
    QVERIFY(tab->grab().save(path));
}

void TestWatermarkTab::customDefaultOfMonoPrinter()
{
    QVERIFY(select("watermarktab-mono.ppd"));
    // The PPD's custom default text becomes a record with the PPD defaults.
    QCOMPARE(items(text), QStringList({"DRAFT", "FINAL", "Internal use", "", "Internal"}));
    QCOMPARE(text->currentText(), QString("Internal"));
    QCOMPARE(name->text(), QString("Internal"));
    QCOMPARE(combo("cmbBxWFnt")->currentText(), QString("Serif"));
    QVERIFY(named<QCheckBox>(tab, "chkBxWFlg")->isChecked());
    // Without colour printing the colour is fixed; the record's first one.
    QCOMPARE(items(combo("cmbBxClr")), QStringList({"Gray", "Black"}));
    QCOMPARE(combo("cmbBxClr")->currentText(), QString("Gray"));
    QVERIFY(!combo("cmbBxClr")->isEnabled());
    QVERIFY(!named<QLabel>(tab, "lblWClr")->isEnabled());
    QVERIFY(!named<TolCheckBoxButton>(tab, "chkButSuperWatermark")->isEnabled());

    QCOMPARE(tab->collectOptionValues().value("Wtxt"), QString("\"Internal\""));
    const OptionHash extras = tab->extraSettings();
    QCOMPARE(extras.values("CustomWatermarkStore"), QStringList({"Internal=1 -1 0 -1 -1 -1 1"}));
    QCOMPARE(extras.value("CustomWatermarkSet"), QString("Internal"));
}

void TestWatermarkTab::buttonsFollowName()
{
    writeSettings({"Wren=True;False", "CustomWatermarkStore=DRAFT=0 1 2 3 0 0 0",
                   "CustomWatermarkStore=Mine=0 1 2 3 0 0 0"});
    QVERIFY(select("watermarktab-full.ppd"));
    QPushButton *create = button("butNewCustomWatermark");
    QPushButton *remove = button("butDeleteCustomWatermark");

    const struct
    {
        const char *typed;
        bool create, remove;
    } rows[] = {
        {"", false, false},     {"Fresh", true, false},
        {"COPY", false, false}, // a built-in item already
        {"Mine", false, true},  // a custom item already
        {"DRAFT", false, true}, // stored under a built-in text
        {"mine", true, false},  // names are case-sensitive
    };
    for (const auto &row : rows) {
        name->setText(row.typed);
        QVERIFY2(create->isEnabled() == row.create, row.typed);
        QVERIFY2(remove->isEnabled() == row.remove, row.typed);
        QVERIFY(button("butSaveCustomWatermark")->isEnabled());
    }
    // The validator keeps "#" and a leading blank out.
    QLineEdit typed;
    typed.setValidator(name->validator());
    QTest::keyClicks(&typed, " a#b");
    QCOMPARE(typed.text(), QString("ab"));
}

void TestWatermarkTab::newSaveDelete()
{
    writeSettings({"Wren=True;False"});
    QVERIFY(select("watermarktab-full.ppd"));
    QCOMPARE(items(text), builtinItems);

    combo("cmbBxWsze")->setCurrentIndex(2);
    name->setText("Zeta");
    button("butNewCustomWatermark")->click();
    QCOMPARE(items(text), builtinItems + QStringList({"", "Zeta"}));
    QCOMPARE(text->currentText(), QString("Zeta"));

    // Save with another name renames the selected one.
    combo("cmbBxWsze")->setCurrentIndex(5);
    name->setText("Alpha");
    button("butSaveCustomWatermark")->click();
    QCOMPARE(items(text), builtinItems + QStringList({"", "Alpha"}));
    QCOMPARE(text->currentText(), QString("Alpha"));
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 5);

    // Deleting the last record takes the separator with it.
    button("butDeleteCustomWatermark")->click();
    QCOMPARE(items(text), builtinItems);
    QCOMPARE(text->currentIndex(), 0);
    QVERIFY(name->text().isEmpty());
}

void TestWatermarkTab::builtinTextRecord()
{
    writeSettings({"Wren=True;False", "CustomWatermarkStore=DRAFT=2 11 1 4 1 0 1"});
    QVERIFY(select("watermarktab-full.ppd"));
    text->setCurrentText("DRAFT");
    QVERIFY(name->text().isEmpty());
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 11);
    QCOMPARE(combo("cmbBxClr")->currentText(), QString("Red"));
    QCOMPARE(tab->collectOptionValues().value("Wtxt"), QString("Draft"));

    // Any other text gets the usual settings.
    text->setCurrentText("FINAL");
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 8);
    QCOMPARE(combo("cmbBxClr")->currentIndex(), 3);
    QVERIFY(!named<QCheckBox>(tab, "chkBxWFlg")->isChecked());
}

void TestWatermarkTab::saveUnderNewNameKeepsBuiltinRecord()
{
    writeSettings({"Wren=True;False", "CustomWatermarkStore=DRAFT=2 11 1 4 1 0 1"});
    QVERIFY(select("watermarktab-full.ppd"));
    text->setCurrentText("DRAFT");
    name->setText("Secret");
    combo("cmbBxWsze")->setCurrentIndex(5);
    button("butSaveCustomWatermark")->click();
    QCOMPARE(text->currentText(), QString("Secret"));

    QStringList stored = collectedSettings(tab).values("CustomWatermarkStore");
    stored.sort();
    QCOMPARE(stored, QStringList({"DRAFT=2 11 1 4 1 0 1", "Secret=2 5 1 4 1 0 1"}));
}

// The name is saved in a line of the settings file and printed: a pasted
// control character is refused.
void TestWatermarkTab::pastedControlCharacters_data()
{
    QTest::addColumn<QString>("pasted");
    for (const ControlCharacterPaste &paste :
         controlCharacterPastes(QStringLiteral("CustomWatermarkSet=y")))
        QTest::newRow(paste.what) << paste.text;
    // The field's own rule stays.
    QTest::newRow("number sign") << QStringLiteral("x#y");
}

void TestWatermarkTab::pastedControlCharacters()
{
    QFETCH(QString, pasted);
    writeSettings({"Wren=True;False"});
    QVERIFY(select("watermarktab-full.ppd"));
    owner->show();
    QVERIFY(QTest::qWaitForWindowActive(owner));
    QVERIFY(name->isEnabled());
    name->setFocus();
    // Nor may a name begin with a blank.
    pasteInto(name, QStringLiteral(" Mine"));
    QVERIFY(name->text().isEmpty());
    QTest::keyClicks(name, "Mine");

    pasteInto(name, pasted);
    QCOMPARE(name->text(), QString("Mine"));

    // An ordinary paste still goes in.
    pasteInto(name, QStringLiteral(" 2"));
    QCOMPARE(name->text(), QString("Mine 2"));
}

void TestWatermarkTab::turningOffResets()
{
    writeSettings(
        {"Wren=True;False", "CustomWatermarkStore=Mine=1 2 1 4 1 1 1", "CustomWatermarkSet=Mine"});
    QVERIFY(select("watermarktab-full.ppd"));
    QCOMPARE(text->currentText(), QString("Mine"));

    watermarkSwitch()->setChecked(false);
    QCOMPARE(current("Wren"), QString("False"));
    QCOMPARE(text->currentIndex(), 0);
    QVERIFY(name->text().isEmpty());
    QCOMPARE(combo("cmbBxWFnt")->currentIndex(), 0);
    QCOMPARE(combo("cmbBxWsze")->currentIndex(), 8);
    QCOMPARE(combo("cmbBxClr")->currentIndex(), 3);
    QCOMPARE(combo("cmbBxWang")->currentIndex(), 23);
    QVERIFY(!named<QCheckBox>(tab, "chkBxWFlg")->isChecked());
    for (const char *widget : {"butNewCustomWatermark", "butSaveCustomWatermark",
                               "butDeleteCustomWatermark", "lnEditCustomWatermark", "cmbBxWtrans"})
        QVERIFY2(!named<QWidget>(tab, widget)->isEnabled(), widget);

    // Collected while off: the record is kept, nothing is stored anew.
    const OptionHash extras = tab->extraSettings();
    QCOMPARE(extras.values("CustomWatermarkStore"), QStringList({"Mine=1 2 1 4 1 1 1"}));
    QVERIFY(!extras.contains("CustomWatermarkSet"));
}

void TestWatermarkTab::grayBlocksColours()
{
    writeSettings({"Wren=True;False"});
    QVERIFY(select("watermarktab-full.ppd"));
    AppState::optionModel->setCurrentChoice("ColorModel", "Gray");
    tab->enableOptions();
    auto *items = qobject_cast<QStandardItemModel *>(combo("cmbBxClr")->model());
    QVERIFY(items->item(0)->isEnabled());
    for (int blocked : {1, 2, 3})
        QVERIFY(!items->item(blocked)->isEnabled());
    // The blue default was moved off.
    QCOMPARE(combo("cmbBxClr")->currentText(), QString("Black"));
    QCOMPARE(current("Wclr"), QString("Black"));
}

void TestWatermarkTab::superWatermarkValue()
{
    QVERIFY(select("watermarktab-full.ppd"));
    auto *superSwitch = named<TolCheckBoxButton>(tab, "chkButSuperWatermark");
    QVERIFY(superSwitch->isEnabled());
    QCOMPARE(tab->collectOptionValues().value("TCSuperWatermark"), QString("None"));
    superSwitch->setChecked(true);
    combo("cmbBxSuperWatermark")->setCurrentText("Pattern SF");
    QCOMPARE(tab->collectOptionValues().value("TCSuperWatermark"), QString("SF1"));
    QCOMPARE(tab->collectOptionValues().value("cSuper"), QString("True"));

    // A pattern saved without the switch's value still turns it on.
    writeSettings({"TCSuperWatermark=SF1;None"});
    tab->reload();
    QVERIFY(superSwitch->isChecked());
    QCOMPARE(combo("cmbBxSuperWatermark")->currentText(), QString("Pattern SF"));
}

// Saved through the real writer and read back: names with blanks, "=",
// "!", "%", a backslash and a double quote come back unchanged.
void TestWatermarkTab::storedFormRoundTrip()
{
    writeSettings({"Wren=True;False"});
    QVERIFY(select("watermarktab-full.ppd"));
    const QStringList names {"50% off = deal!", "back\\slash", "say \"hi\" %1"};
    for (const QString &custom : names) {
        name->setText(custom);
        combo("cmbBxWang")->setCurrentIndex(names.indexOf(custom) + 1);
        button("butNewCustomWatermark")->click();
    }
    QCOMPARE(text->currentText(), names.last());
    QCOMPARE(tab->collectOptionValues().value("Wtxt"), QString("\"say\\ \\\"hi\\\"\\ %1\""));

    // Collecting stores the current settings without a constraint pass of
    // its own while the main window collects.
    const int passes = owner->passes;
    const OptionHash saved = collectedSettings(tab);
    QCOMPARE(owner->passes, passes);
    QCOMPARE(saved.value("CustomWatermarkSet"), names.last());
    const QString path = dir.filePath("roundtrip.cfg");
    QVERIFY(writeCfgFile(path, saved, true));
    AppState::settingsFile = path;
    tab->reload();
    QStringList expected = names;
    expected.sort();
    QCOMPARE(items(text), builtinItems + QStringList("") + expected);
    QCOMPARE(text->currentText(), names.last());
    text->setCurrentText(names.first());
    QCOMPARE(combo("cmbBxWang")->currentIndex(), 1);
    QCOMPARE(name->text(), names.first());
}

void TestWatermarkTab::parseStoredRecord_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("plain") << "Mine=1 2 3 4 5 6 1"
                           << "Mine" << QList<int> {1, 2, 3, 4, 5, 6, 1};
    QTest::newRow("name with = and blanks") << "a = b=0 -1 2 23  0 0 0"
                                            << "a = b" << QList<int> {0, -1, 2, 23, 0, 0, 0};
    QTest::newRow("too few numbers read as 0") << "Short=7 8"
                                               << "Short" << QList<int> {7, 8, 0, 0, 0, 0, 0};
    QTest::newRow("junk reads as leading digits") << "J=3x y -4z 1 1 1 1 1 9"
                                                  << "J" << QList<int> {3, 0, -4, 1, 1, 1, 1};
    QTest::newRow("no = at all") << "12 3"
                                 << "12 3" << QList<int> {12, 3, 0, 0, 0, 0, 0};
}

void TestWatermarkTab::parseStoredRecord()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    QFETCH(QList<int>, numbers);
    QString parsedName;
    WatermarkTab::Record record;
    WatermarkTab::parseStoredRecord(stored, &parsedName, &record);
    QCOMPARE(parsedName, name);
    const char *keys[] = {"font", "size", "color", "angle", "style", "fill", "repeat"};
    QList<int> parsed;
    for (const char *key : keys)
        parsed << record.value(key);
    QCOMPARE(parsed, numbers);
    QCOMPARE(WatermarkTab::storedRecord(parsedName, record).section('=', 0, -2), name);
}

VM_TEST_MAIN(TestWatermarkTab)
#include "tst_watermarktab.moc"
