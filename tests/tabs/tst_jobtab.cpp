// The "Job" tab over fixture PPDs: when it is shown, loading from PPD
// defaults and from saved settings (secrets enciphered), the storage modes
// following the storage device, the input checks, and the account-ID list.

#include "HangGuard.h"
#include "MessageRecorder.h"
#include "PasteHelpers.h"
#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"
#include "tabs/JobTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

void type(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

class TestJobTab : public QObject, TabFixture<JobTab>
{
    Q_OBJECT

private slots:
    void init() { setUpTab(true); }
    void cleanup() { tearDownTab(); }

    void hasOptions_data();
    void hasOptions();
    void reloadFromPpdDefaults();
    void savedSettingsComeBack();
    void customBoxAndOverwrite();
    void storageModesFollowDevice();
    void storageChecks_data();
    void storageChecks();
    void otherChecks();
    void accountList();
    void accountingFromSavedValues();
    void pastedControlCharacters_data();
    void pastedControlCharacters();
    void screenshot();

private:
    // Saves as the main window does (option map, then extra values beside
    // it) and reloads the tab from the file.
    OptionHash saveAndReload();
    template<class W>
    W *get(const char *name)
    {
        return named<W>(tab, QLatin1String(name));
    }
    QLabel *label(const char *name) { return get<QLabel>(name); }
    // The one combo box without an accessible name.
    ComboBoxEx *storageCombo() { return named<ComboBoxEx>(tab, QString()); }
};

OptionHash TestJobTab::saveAndReload()
{
    const OptionHash merged = collectedSettings(tab);
    const QString path = dir.filePath(QStringLiteral("JB-40.cfg"));
    if (!writeCfgFile(path, merged, true))
        qWarning("settings file not written");
    AppState::settingsFile = path;
    tab->reload();
    return merged;
}

void TestJobTab::hasOptions_data()
{
    hasOptionsColumns();
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("every job feature") << "jobtab-full.ppd" << true;
    QTest::newRow("e-mail notice only") << "jobtab-bare.ppd" << true;
    QTest::newRow("no job feature") << "generaltab-bare.ppd" << false;
}

void TestJobTab::hasOptions()
{
    QVERIFY(checkHasOptions(true));
    QFETCH(bool, shown);
    if (!shown) {
        // A tab that is not shown never holds OK back.
        get<TolCheckBoxButton>("chkButJobEmail")->setChecked(true);
        QVERIFY(!tab->isConstraintMarked());
    }
}

void TestJobTab::reloadFromPpdDefaults()
{
    QVERIFY(select("jobtab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Job"));
    QCOMPARE(owner->passes, 0);

    auto *storage = storageCombo();
    QVERIFY(storage);
    // "None" stands for storage off; the page adds its own two modes.
    QCOMPARE(items(storage),
             QStringList({"Job storage", "Proof and hold", "Private print", "Custom box"}));
    QCOMPARE(storage->currentText(), QString("Proof and hold"));
    QVERIFY(!get<TolCheckBoxButton>("chkButTCCollate1")->isChecked());
    QVERIFY(!storage->isEnabled());
    QCOMPARE(label("lblTCCollate1")->text(), QString("Job handling:"));
    QCOMPARE(label("lblTvManagment")->text(), QString("Department codes:"));

    QVERIFY(!get<TolCheckBoxButton>("chkButTvManagment")->isChecked());
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 1);
    QVERIFY(!get<TolCheckBoxButton>("chkButUserLogin")->isChecked());
    QVERIFY(!get<QLineEdit>("lnEditLoginUserName")->isEnabled());
    QVERIFY(!get<TolCheckBoxButton>("chkButJobEmail")->isChecked());
    QVERIFY(!get<QLineEdit>("lnEditJobEmail")->isEnabled());
    QCOMPARE(get<ComboBoxEx>("cmbBxJobName")->currentText(), QString("Application defined"));
    QVERIFY(!get<QLineEdit>("lnEditJobName")->isEnabled());
    QCOMPARE(get<ComboBoxEx>("cmbBxOverwrite")->currentText(),
             QString("Use job name + date and time"));

    const QHash<QString, QString> expected = {{"TCCollate1", "None"},   {"cJobStore", "False"},
                                              {"cJobAccount", "False"}, {"cUserLogin", "False"},
                                              {"cEmail", "False"},      {"JobDate", "true"},
                                              {"Email", "off"},         {"JobName", "off"}};
    QCOMPARE(tab->collectOptionValues(), expected);
    const OptionHash extra = tab->extraSettings();
    QCOMPARE(extra.value("TvManagment"), QString("Default"));
    QCOMPARE(extra.value("UserLogin"), QString("False"));
    QCOMPARE(extra.value("EMailNotification"), QString("off"));
    for (const char *key :
         {"JobStorage", "PrivatePrint", "TCCollate1", "AccessCode", "CustomBox", "ReplaceJob"})
        QVERIFY2(!extra.contains(key), key);

    owner->setConstraints();
    QVERIFY(!owner->marked);
}

void TestJobTab::savedSettingsComeBack()
{
    QVERIFY(select("jobtab-full.ppd"));
    auto *storageButton = get<TolCheckBoxButton>("chkButTCCollate1");
    auto *storage = storageCombo();
    storageButton->checkBox()->click();
    storage->setCurrentText("Job storage");
    type(get<QLineEdit>("lnEditJobStorage"), "4321");
    get<TolCheckBoxButton>("chkButUserLogin")->checkBox()->click();
    type(get<QLineEdit>("lnEditLoginUserName"), "dom\\ann");
    get<TolCheckBoxButton>("chkButJobEmail")->checkBox()->click();
    type(get<QLineEdit>("lnEditJobEmail"), "jane.doe@example.com");
    get<ComboBoxEx>("cmbBxJobName")->setCurrentIndex(1);
    type(get<QLineEdit>("lnEditJobName"), "Weekly report");
    QVERIFY(!owner->marked);

    const OptionHash saved = saveAndReload();
    // Secrets are never saved in clear.
    for (const char *key : {"AccessCode", "UserLoginName", "UserLoginPass"}) {
        QCOMPARE(saved.value(key).size(), 32);
        QVERIFY(saved.value(key).contains(QRegularExpression("^[0-9a-f]+$")));
    }
    QCOMPARE(decryptPassword(saved.value("UserLoginName")), QString("dom\\\\ann"));
    QCOMPARE(saved.value("TCCollate1"), QString("JobStorage"));
    QCOMPARE(saved.value("CustomJobName"), QString("Weekly report"));

    QVERIFY(storageButton->isChecked());
    QCOMPARE(storage->currentText(), QString("Job storage"));
    QCOMPARE(get<QLineEdit>("lnEditJobStorage")->text(), QString("4321"));
    QVERIFY(get<QLineEdit>("lnEditJobStorage")->isVisibleTo(tab));
    QVERIFY(!get<QLineEdit>("lnEditBoxNumber")->isVisibleTo(tab));
    QVERIFY(get<TolCheckBoxButton>("chkButUserLogin")->isChecked());
    QCOMPARE(get<QLineEdit>("lnEditLoginUserName")->text(), QString("dom\\ann"));
    QCOMPARE(get<QLineEdit>("lnEditLoginPassword")->text(), QString());
    QVERIFY(get<TolCheckBoxButton>("chkButJobEmail")->isChecked());
    QCOMPARE(get<QLineEdit>("lnEditJobEmail")->text(), QString("jane.doe@example.com"));
    QCOMPARE(get<ComboBoxEx>("cmbBxJobName")->currentText(), QString("Custom"));
    QCOMPARE(get<QLineEdit>("lnEditJobName")->text(), QString("Weekly report"));
    QCOMPARE(AppState::optionModel->option("TCCollate1")->currentChoice()->keyword(),
             QString("JobStorage"));

    // Storage switched on with a mode that is a PPD choice survives a reload
    // although the PPD default is "None".
    storage->setCurrentText("Proof and hold");
    // A stored access code does not linger once the settings hold none.
    saveAndReload();
    QVERIFY(storageButton->isChecked());
    QCOMPARE(storage->currentText(), QString("Proof and hold"));
    QCOMPARE(get<QLineEdit>("lnEditJobStorage")->text(), QString());

    // Switching storage off picks "Proof and hold" and leaves the model on "None".
    storageButton->checkBox()->click();
    QCOMPARE(storage->currentText(), QString("Proof and hold"));
    QCOMPARE(AppState::optionModel->option("TCCollate1")->currentChoice()->keyword(),
             QString("None"));
    saveAndReload();
    QVERIFY(!storageButton->isChecked());
}

void TestJobTab::customBoxAndOverwrite()
{
    QVERIFY(select("jobtab-full.ppd"));
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();
    auto *storage = storageCombo();
    storage->setCurrentText("Custom box");
    auto *box = get<QLineEdit>("lnEditBoxNumber");
    QVERIFY(box->isVisibleTo(tab));
    QVERIFY(!get<QLineEdit>("lnEditJobStorage")->isVisibleTo(tab));
    type(box, "7");
    get<ComboBoxEx>("cmbBxOverwrite")->setCurrentIndex(1);

    QCOMPARE(tab->collectOptionValues().value("JobDate"), QString("false"));
    const OptionHash saved = saveAndReload();
    QCOMPARE(saved.value("CustomBox"), QString("0007"));
    QVERIFY(saved.contains("CustomBoxPassword"));
    QCOMPARE(saved.value("CustomBoxPassword"), QString(""));
    QCOMPARE(saved.values("JobDate"), QStringList({"false", "false"}));
    QCOMPARE(saved.value("ReplaceJob"), QString("true"));
    QCOMPARE(saved.value("TCCollate1"), QString("Custom2"));

    QCOMPARE(storage->currentText(), QString("Custom box"));
    QCOMPARE(box->text(), QString("0007"));
    QCOMPARE(get<ComboBoxEx>("cmbBxOverwrite")->currentText(), QString("Replace existing file"));

    // Choosing the mode again starts with empty inputs.
    storage->setCurrentText("Job storage");
    storage->setCurrentText("Custom box");
    QCOMPARE(box->text(), QString());
}

void TestJobTab::storageModesFollowDevice()
{
    QVERIFY(select("jobtab-full.ppd"));
    auto *storage = storageCombo();
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();
    storage->setCurrentText("Private print");

    model->setCurrentChoice("Option18", "CardSlot");
    tab->updateCustomConstraints();
    QCOMPARE(items(storage), QStringList({"Job storage", "Proof and hold", "Private print"}));

    model->setCurrentChoice("Option18", "None");
    tab->updateCustomConstraints();
    QCOMPARE(items(storage), QStringList({"Job storage", "Proof and hold"}));
    QCOMPARE(storage->currentIndex(), 0);

    model->setCurrentChoice("Option18", "SSDrive");
    tab->updateCustomConstraints();
    QCOMPARE(items(storage),
             QStringList({"Job storage", "Proof and hold", "Private print", "Custom box"}));
}

void TestJobTab::storageChecks_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    const QString code = "Access code must be 4 numbers in length.";
    const QString boxRange = "Enter a custom box number between 1 and 1000.";
    const QString full = "jobtab-full.ppd";
    QTest::newRow("job storage without code") << full << "Job storage"
                                              << ""
                                              << ""
                                              << "";
    QTest::newRow("job storage, 3 digits") << full << "Job storage"
                                           << "123"
                                           << "" << code;
    QTest::newRow("job storage, 4 digits") << full << "Job storage"
                                           << "1234"
                                           << ""
                                           << "";
    QTest::newRow("private print needs a code") << full << "Private print"
                                                << ""
                                                << "" << code;
    QTest::newRow("optional private print, no code") << "jobtab-partial.ppd"
                                                     << "Private print"
                                                     << ""
                                                     << ""
                                                     << "";
    QTest::newRow("optional private print, 2 digits") << "jobtab-partial.ppd"
                                                      << "Private print"
                                                      << "12"
                                                      << "" << code;
    QTest::newRow("box 0") << full << "Custom box"
                           << ""
                           << "0" << boxRange;
    QTest::newRow("box 1") << full << "Custom box"
                           << ""
                           << "1"
                           << "";
    QTest::newRow("box 1000") << full << "Custom box"
                              << ""
                              << "1000"
                              << "";
    QTest::newRow("box 1001") << full << "Custom box"
                              << ""
                              << "1001" << boxRange;
    QTest::newRow("box empty") << full << "Custom box"
                               << ""
                               << "" << boxRange;
}

void TestJobTab::storageChecks()
{
    QFETCH(QString, fixture);
    QFETCH(QString, mode);
    QFETCH(QString, code);
    QFETCH(QString, box);
    QFETCH(QString, message);
    QVERIFY(select(fixture));
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();
    storageCombo()->setCurrentText(mode);
    type(get<QLineEdit>("lnEditJobStorage"), code);
    type(get<QLineEdit>("lnEditBoxNumber"), box);

    QCOMPARE(label("lblTCCollate1")->toolTip(), message);
    QCOMPARE(label("lblTCCollate1")->text().contains("icons/error"), !message.isEmpty());
    QCOMPARE(owner->marked, !message.isEmpty());
}

void TestJobTab::otherChecks()
{
    QVERIFY(select("jobtab-full.ppd"));

    // Letters in the access code go at the next pass.
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();
    type(get<QLineEdit>("lnEditJobStorage"), "1a2b");
    QCOMPARE(get<QLineEdit>("lnEditJobStorage")->text(), QString("12"));
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();

    auto *email = get<QLineEdit>("lnEditJobEmail");
    get<TolCheckBoxButton>("chkButJobEmail")->checkBox()->click();
    QVERIFY(owner->marked);
    const struct
    {
        const char *address;
        bool good;
    } addresses[] = {{"jane", false},
                     {"jane@example", false},
                     {"jane@example.c", false},
                     {"jane..doe@example.com", false},
                     {".jane@example.com", false},
                     {"jane.@example.com", false},
                     {"jane.!d@example.com", true},
                     {"jane!@example.com", true},
                     {"jane.doe@mail.example.org", true},
                     {"j+d@ex-ample.com", true}};
    for (const auto &row : addresses) {
        email->setText(row.address);
        QVERIFY2(label("lblJobEmail")->toolTip().isEmpty() == row.good, row.address);
        QCOMPARE(owner->marked, !row.good);
    }
    // A long address of one repeated letter must not stall the check.
    {
        const HangGuard guard("the e-mail check of a long address");
        email->setText(QString(127, 'a') + '!');
    }
    QVERIFY(owner->marked);
    get<TolCheckBoxButton>("chkButJobEmail")->checkBox()->click();
    QVERIFY(!owner->marked);
    QVERIFY(label("lblJobEmail")->toolTip().isEmpty());

    // Job name: empty is marked, blanks only hold OK back without a mark.
    get<ComboBoxEx>("cmbBxJobName")->setCurrentIndex(1);
    QCOMPARE(label("lblJobName")->toolTip(),
             QString("The custom job name field requires a name within a 128 character limit."));
    get<QLineEdit>("lnEditJobName")->setText("   ");
    owner->setConstraints();
    QVERIFY(label("lblJobName")->toolTip().isEmpty());
    QVERIFY(owner->marked);
    get<ComboBoxEx>("cmbBxJobName")->setCurrentIndex(0);
    QVERIFY(!get<QLineEdit>("lnEditJobName")->isEnabled());
    QCOMPARE(get<QLineEdit>("lnEditJobName")->text(), QString());

    // User login: a quote wins over an empty name; an empty password is fine.
    get<TolCheckBoxButton>("chkButUserLogin")->checkBox()->click();
    get<QLineEdit>("lnEditLoginPassword")->setText("a\"b");
    QCOMPARE(label("lblUserLogin")->toolTip(),
             QString("Value cannot contain the double quote (\") character."));
    get<QLineEdit>("lnEditLoginPassword")->clear();
    QCOMPARE(label("lblUserLogin")->toolTip(),
             QString("User name must be at least one character long."));
    get<QLineEdit>("lnEditLoginUserName")->setText("ann");
    QVERIFY(label("lblUserLogin")->toolTip().isEmpty());
    QVERIFY(!owner->marked);

    // Accounting (which user login rules out): each mode has its own
    // message; switching off empties the ID.
    get<TolCheckBoxButton>("chkButUserLogin")->checkBox()->click();
    auto *mode = get<ComboBoxEx>("cmbBxTvManagment");
    get<TolCheckBoxButton>("chkButTvManagment")->checkBox()->click();
    QCOMPARE(label("lblTvManagment")->toolTip(),
             QString("You must add an account ID to the list."));
    mode->setCurrentIndex(0);
    QCOMPARE(label("lblTvManagment")->toolTip(),
             QString("Account ID must be 1 to 8 numbers in length"));
    type(get<QLineEdit>("lnEditAccountID"), "42x7");
    QCOMPARE(get<QLineEdit>("lnEditAccountID")->text(), QString("427"));
    QVERIFY(!owner->marked);
    QCOMPARE(tab->extraSettings().value("CustomAccountID"), QString("427"));
    get<TolCheckBoxButton>("chkButTvManagment")->checkBox()->click();
    QCOMPARE(get<QLineEdit>("lnEditAccountID")->text(), QString());
    QCOMPARE(tab->extraSettings().value("TvManagment"), QString("Default"));
}

void TestJobTab::accountList()
{
    MessageRecorder boxes;
    QVERIFY(select("jobtab-full.ppd"));
    auto *listButton = get<QPushButton>("butAccountID");
    auto *table = get<QTableWidget>("tblCustomAccountID");
    auto *listDialog = qobject_cast<QDialog *>(table->window());
    QVERIFY(listDialog);
    auto *editDialog = listDialog->findChild<QDialog *>();
    QVERIFY(editDialog);
    const QList<QLineEdit *> fields = editDialog->findChildren<QLineEdit *>();
    QCOMPARE(fields.size(), 2);
    QLineEdit *idField = fields[0];
    QLineEdit *descriptionField = fields[1];
    QPushButton *editOk = editDialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    const auto listOk = [&]() {
        get<QDialogButtonBox>("butBoxCustomAccountID")->button(QDialogButtonBox::Ok)->click();
    };
    const auto listCancel = [&]() {
        get<QDialogButtonBox>("butBoxCustomAccountID")->button(QDialogButtonBox::Cancel)->click();
    };
    const auto addId = [&](const QString &id, const QString &description) {
        get<QPushButton>("butNewCustomAccountID")->click();
        idField->setText(id);
        descriptionField->setText(description);
        editOk->click();
    };
    const auto column = [&](int c) {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, c)->text();
        return texts;
    };

    get<TolCheckBoxButton>("chkButTvManagment")->checkBox()->click();
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 1);
    listButton->click();
    QVERIFY(listDialog->isVisible());
    QVERIFY(!get<QPushButton>("butEditCustomAccountID")->isEnabled());
    for (const char *id : {"10", "9", "100", "09"})
        addId(id, QString("Dept %1").arg(id));
    addId("", "nobody");
    addId("9", "again");
    QCOMPARE(boxes.count("Account ID must be 1 to 8 numbers in length"), 1);
    QCOMPARE(boxes.count("This Account ID already exists."), 1);
    QCOMPARE(column(0), QStringList({"9", "09", "10", "100"}));
    QCOMPARE(items(get<ComboBoxEx>("cmbBxAccountID")), QStringList());
    listOk();
    QVERIFY(!listDialog->isVisible());
    QCOMPARE(items(get<ComboBoxEx>("cmbBxAccountID")), QStringList({"9", "09", "10", "100"}));

    // Edit by double click: the same ID keeps its place, a free one renames,
    // a taken one is refused.
    listButton->click();
    table->setCurrentCell(column(0).indexOf("10"), 1);
    emit table->cellDoubleClicked(table->currentRow(), 1);
    QCOMPARE(editDialog->windowTitle(), QString("Edit Account ID"));
    QCOMPARE(idField->text(), QString("10"));
    descriptionField->setText("Sales = north");
    editOk->click();
    table->setCurrentCell(column(0).indexOf("100"), 0);
    get<QPushButton>("butEditCustomAccountID")->click();
    idField->setText("9");
    editOk->click();
    QCOMPARE(boxes.count("This Account ID already exists."), 2);
    idField->setText("7");
    editOk->click();
    QCOMPARE(column(0), QStringList({"7", "9", "09", "10"}));
    QCOMPARE(column(1).value(3), QString("Sales = north"));

    listOk();

    // Delete, then Cancel: the committed list stays; Ok drops the ID.
    listButton->click();
    table->setCurrentCell(0, 0);
    get<QPushButton>("butDeleteCustomAccountID")->click();
    QCOMPARE(column(0), QStringList({"9", "09", "10"}));
    listCancel();
    QCOMPARE(items(get<ComboBoxEx>("cmbBxAccountID")), QStringList({"7", "9", "09", "10"}));
    listButton->click();
    QCOMPARE(column(0), QStringList({"7", "9", "09", "10"}));
    table->setCurrentCell(0, 0);
    get<QPushButton>("butDeleteCustomAccountID")->click();
    listOk();
    QCOMPARE(items(get<ComboBoxEx>("cmbBxAccountID")), QStringList({"9", "09", "10"}));

    // Chosen from the list, saved and read back, descriptions whole.
    get<ComboBoxEx>("cmbBxAccountID")->setCurrentText("10");
    const OptionHash saved = saveAndReload();
    QCOMPARE(saved.values("CustomAccountIDStore").size(), 3);
    QVERIFY(saved.values("CustomAccountIDStore").contains("10=Sales = north"));
    QCOMPARE(saved.value("TvManagment"), QString("10"));
    QVERIFY(get<TolCheckBoxButton>("chkButTvManagment")->isChecked());
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 1);
    QCOMPARE(get<ComboBoxEx>("cmbBxAccountID")->currentText(), QString("10"));
    listButton->click();
    QCOMPARE(column(1).value(2), QString("Sales = north"));
    listDialog->resize(400, 200);
    QVERIFY(listDialog->grab().save(QDir::tempPath() + "/vellumark-jobtab-accounts.png"));
    listCancel();

    // A printer without job accounting saves none of them; without job
    // collation storage cannot be switched on.
    QVERIFY(select("jobtab-bare.ppd"));
    QVERIFY(!tab->extraSettings().contains("CustomAccountIDStore"));
    QVERIFY(!get<TolCheckBoxButton>("chkButTCCollate1")->isEnabled());
    QVERIFY(!get<TolCheckBoxButton>("chkButTCCollate1")->isChecked());
    QCOMPARE(storageCombo()->count(), 0);
}

void TestJobTab::accountingFromSavedValues()
{
    // A PPD default of "MG<digits>" presets a typed ID.
    QVERIFY(select("jobtab-partial.ppd"));
    QVERIFY(get<TolCheckBoxButton>("chkButTvManagment")->isChecked());
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 0);
    QCOMPARE(get<QLineEdit>("lnEditAccountID")->text(), QString("123"));
    QVERIFY(!get<TolCheckBoxButton>("chkButUserLogin")->isEnabled());

    // An ID no longer in the list comes back typed; "Default" means off.
    QFile file(dir.filePath("saved.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("TvManagment=55\nCustomAccountID=55\nCustomAccountIDStore=8\nAccessCode=zz1\n");
    file.close();
    AppState::settingsFile = file.fileName();
    tab->reload();
    QCOMPARE(get<QLineEdit>("lnEditAccountID")->text(), QString("55"));
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 0);
    QCOMPARE(items(get<ComboBoxEx>("cmbBxAccountID")), QStringList({"8"}));
    // A stored secret that does not decipher gives an empty field.
    QCOMPARE(get<QLineEdit>("lnEditJobStorage")->text(), QString());

    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("TvManagment=Default\nAccessCode=2468\n");
    file.close();
    tab->reload();
    QVERIFY(!get<TolCheckBoxButton>("chkButTvManagment")->isChecked());
    QCOMPARE(get<ComboBoxEx>("cmbBxTvManagment")->currentIndex(), 1);
    // Older files hold a four-digit code in clear.
    QCOMPARE(get<QLineEdit>("lnEditJobStorage")->text(), QString("2468"));
}

// The job name and the account-ID description are saved as lines of the
// settings file: a pasted control character would split or garble one.
void TestJobTab::pastedControlCharacters_data()
{
    QTest::addColumn<bool>("description");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("taken");
    const QList<ControlCharacterPaste> pastes =
        controlCharacterPastes(QStringLiteral("UserLogin=True"));
    for (bool description : {false, true}) {
        const char *field = description ? "account-ID description" : "job name";
        for (const auto &paste : pastes)
            QTest::addRow("%s, %s", field, paste.what) << description << paste.text << false;
        // The fields' own rules stay: no double quote in a name.
        QTest::addRow("%s, double quote", field)
            << description << QStringLiteral("a\"b") << description;
    }
}

void TestJobTab::pastedControlCharacters()
{
    QFETCH(bool, description);
    QFETCH(QString, pasted);
    QFETCH(bool, taken);
    MessageRecorder boxes;
    QVERIFY(select("jobtab-full.ppd"));
    owner->show();
    QVERIFY(QTest::qWaitForWindowActive(owner));

    QLineEdit *field = nullptr;
    if (description) {
        get<TolCheckBoxButton>("chkButTvManagment")->checkBox()->click();
        get<QPushButton>("butAccountID")->click();
        get<QPushButton>("butNewCustomAccountID")->click();
        auto *listDialog =
            qobject_cast<QDialog *>(get<QTableWidget>("tblCustomAccountID")->window());
        QVERIFY(listDialog);
        auto *editDialog = listDialog->findChild<QDialog *>();
        QVERIFY(editDialog && editDialog->isVisible());
        field = editDialog->findChildren<QLineEdit *>().value(1);
    } else {
        get<ComboBoxEx>("cmbBxJobName")->setCurrentIndex(1);
        field = get<QLineEdit>("lnEditJobName");
    }
    QVERIFY(field && field->isEnabled());
    field->setFocus();
    type(field, QStringLiteral("Report"));

    pasteInto(field, pasted);
    const QString expected = QStringLiteral("Report") + (taken ? pasted : QString());
    QCOMPARE(field->text(), expected);

    // An ordinary paste still goes in.
    pasteInto(field, QStringLiteral(" 2"));
    QCOMPARE(field->text(), expected + QStringLiteral(" 2"));
}

void TestJobTab::screenshot()
{
    QVERIFY(select("jobtab-full.ppd"));
    get<TolCheckBoxButton>("chkButTCCollate1")->checkBox()->click();
    storageCombo()->setCurrentText("Custom box");
    get<TolCheckBoxButton>("chkButTvManagment")->checkBox()->click();
    get<TolCheckBoxButton>("chkButUserLogin")->checkBox()->click();
    get<TolCheckBoxButton>("chkButJobEmail")->checkBox()->click();
    get<ComboBoxEx>("cmbBxJobName")->setCurrentIndex(1);
    // About what the window leaves a tab beside its tab bar.
    owner->resize(616, 690);
    tab->resize(owner->size());
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    QVERIFY(tab->grab().save(QDir::tempPath() + "/vellumark-jobtab.png"));
}

VM_TEST_MAIN(TestJobTab)
#include "tst_jobtab.moc"
