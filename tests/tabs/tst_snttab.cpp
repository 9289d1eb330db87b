// The "Sentrel" tab's own rules: when it is in use, loading and saving its
// seven settings, the switch, the marks that keep OK disabled, and how
// login answers and errors become policy options and messages. Answers are
// fed in through the tab's login client; the exchange itself is tested with
// the client.

#include "ClosedPort.h"
#include "MessageRecorder.h"
#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "net/tcurl.h"
#include "system/AppState.h"
#include "system/SecretCipher.h"
#include "tabs/SNTTab.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using Values = QHash<QString, QString>;

const QString successText = QStringLiteral(
    "Server and user credentials have been authenticated and policies have been applied.\n\n"
    "Credentials and policies will be checked again during printing.\n");
const QString failedText =
    QStringLiteral("Login failed. The user name or password you entered is incorrect.");

QStringList policyOptions()
{
    return {current(QStringLiteral("SNTColorMode")), current(QStringLiteral("SNTTonerlite")),
            current(QStringLiteral("SNTDuplex"))};
}

} // namespace

class TestSNTTab : public QObject, TabFixture<SNTTab>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void inUseUnlessTpsl();
    void loadAndCollect_data();
    void loadAndCollect();
    void storedPasswordRoundTrip();
    void switchClicks();
    void fieldRules();
    void answers_data();
    void answers();
    void staleAnswersAndErrors();
    void screenshot();

private:
    void writeSettings(const QStringList &lines);
    // Fields complete and verified by a silent answer with these policies.
    void verifiedOn(const QByteArray &policiesJson);
    QString tag() const;
    void feedAnswer(const QString &body);

    std::unique_ptr<MessageRecorder> boxes;
    TolButtonGroup *toggle = nullptr;
    QLineEdit *serverEdit = nullptr;
    QLineEdit *portEdit = nullptr;
    QLineEdit *userEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QCheckBox *conflict = nullptr;
    QRadioButton *continuePrinting = nullptr;
    QRadioButton *cancelPrinting = nullptr;
    QPushButton *verifyButton = nullptr;
    tcurl *client = nullptr;
};

void TestSNTTab::init()
{
    boxes = std::make_unique<MessageRecorder>();
    setUpTab();
    AppState::settingsFile = dir.filePath(QStringLiteral("printer.cfg"));
    QFile::remove(AppState::settingsFile);
    QVERIFY(useModel("snttab-basic.ppd"));
    toggle = named<TolButtonGroup>(tab, QStringLiteral("butGroupSNT"));
    serverEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTServer"));
    portEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTPort"));
    userEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTUser"));
    passwordEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTPassword"));
    conflict = named<QCheckBox>(tab, QStringLiteral("chkBxSNTConflict"));
    continuePrinting = named<QRadioButton>(tab, QStringLiteral("rdButSNTContinue"));
    cancelPrinting = named<QRadioButton>(tab, QStringLiteral("rdButSNTCancel"));
    verifyButton = named<QPushButton>(tab, QStringLiteral("butSNTVerify"));
    client = tab->findChild<tcurl *>();
    QVERIFY(toggle && serverEdit && portEdit && userEdit && passwordEdit && conflict
            && continuePrinting && cancelPrinting && verifyButton && client);
    QVERIFY(named<QWidget>(tab, QStringLiteral("lblSNTPassword")));
}

void TestSNTTab::cleanup()
{
    tearDownTab();
    boxes.reset();
}

void TestSNTTab::writeSettings(const QStringList &lines)
{
    QVERIFY(useSettingsFile(AppState::settingsFile, lines.join(QLatin1Char('\n')).toUtf8() + '\n'));
}

QString TestSNTTab::tag() const
{
    return QStringLiteral("<https://%1:%2 %3>")
        .arg(serverEdit->text(), portEdit->text(), userEdit->text());
}

void TestSNTTab::feedAnswer(const QString &body)
{
    emit client->messageReady(tag() + body);
}

void TestSNTTab::verifiedOn(const QByteArray &policiesJson)
{
    tab->reload();
    toggle->pushButton(1)->click();
    serverEdit->setText(QStringLiteral("127.0.0.1"));
    portEdit->setText(QString::number(closedPort()));
    userEdit->setText(QStringLiteral("dana"));
    passwordEdit->setText(QStringLiteral("pw"));
    feedAnswer(QStringLiteral("{\"Policies\":") + QString::fromUtf8(policiesJson)
               + QLatin1Char('}'));
    QCOMPARE(boxes->boxes.size(), 0);
}

void TestSNTTab::inUseUnlessTpsl()
{
    QVERIFY(tab->hasOptions());
    QCOMPARE(tab->getTabName(), QStringLiteral("Sentrel"));
    QVERIFY(!tab->tabIcon().isNull());
    QVERIFY(!tab->tabConstraintIcon().isNull());
    QVERIFY(useModel("snttab-tpsl.ppd"));
    QVERIFY(!tab->hasOptions());
    AppState::optionModel = nullptr;
    QVERIFY(!tab->hasOptions());
}

void TestSNTTab::loadAndCollect_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("switchedOn");
    QTest::addColumn<Values>("collected");

    const Values allOff = {{"SNT_enabled", "OFF"}, {"SNT_notify", "OFF"}, {"SNT_blocking", "OFF"},
                           {"SNT_server", ""},     {"SNT_port", ""},      {"SNT_username", ""},
                           {"SNT_password", ""}};
    QTest::newRow("nothing stored") << QStringList() << false << allOff;
    Values lower = allOff;
    lower["SNT_server"] = "print.example";
    lower["SNT_username"] = "eve";
    QTest::newRow("only ON switches on; Off keeps the typed fields but no password")
        << QStringList {"SNT_enabled=on", "SNT_server=print.example", "SNT_username=eve"} << false
        << lower;
    QTest::newRow("blocking without notifications falls back to continue")
        << QStringList {"SNT_notify=OFF", "SNT_blocking=ON"} << false << allOff;
}

void TestSNTTab::loadAndCollect()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, switchedOn);
    QFETCH(Values, collected);
    writeSettings(stored);
    tab->reload();

    QCOMPARE(toggle->checkedIndex() == 1, switchedOn);
    QVERIFY(!serverEdit->isEnabled() && !verifyButton->isEnabled());
    QVERIFY(!continuePrinting->isEnabled() && !cancelPrinting->isEnabled());
    QVERIFY(continuePrinting->isChecked());
    QCOMPARE(current(QStringLiteral("SNTToggle")), QStringLiteral("Off"));
    QCOMPARE(policyOptions(), QStringList({"Off", "Off", "Off"}));
    QCOMPARE(tab->collectOptionValues(), collected);
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());
    QCOMPARE(boxes->boxes.size(), 0);
}

void TestSNTTab::storedPasswordRoundTrip()
{
    // As saved: backslashes doubled before enciphering.
    writeSettings({"SNT_enabled=ON", "SNT_notify=ON", "SNT_blocking=ON", "SNT_server=127.0.0.1",
                   "SNT_port=", "SNT_username=frank",
                   "SNT_password=" + encryptPassword(QStringLiteral("a\\\\b&c"))});
    tab->reload();

    QCOMPARE(toggle->checkedIndex(), 1);
    QCOMPARE(current(QStringLiteral("SNTToggle")), QStringLiteral("On"));
    QCOMPARE(passwordEdit->text(), QStringLiteral("a\\b&c"));
    QCOMPARE(portEdit->text(), QStringLiteral("9094"));
    QVERIFY(conflict->isChecked() && cancelPrinting->isChecked() && cancelPrinting->isEnabled());

    // The default port was never verified.
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());
    QCOMPARE(toggle->titleLabel()->toolTip(),
             QStringLiteral("You must click Verify after making changes."));

    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("SNT_enabled"), QStringLiteral("ON"));
    QCOMPARE(values.value("SNT_blocking"), QStringLiteral("ON"));
    QCOMPARE(values.value("SNT_port"), QStringLiteral("9094"));
    QCOMPARE(decryptPassword(values.value("SNT_password")), QStringLiteral("a\\\\b&c"));

    passwordEdit->clear();
    QCOMPARE(tab->collectOptionValues().value("SNT_password").size(), 32);
    // The silent login went to port 443 of the stored (portless) address; its
    // report names another port than the field and is ignored.
    QSignalSpy errors(client, &tcurl::errorReady);
    errors.wait(5000);
    QCOMPARE(boxes->boxes.size(), 0);
}

void TestSNTTab::switchClicks()
{
    writeSettings({"SNT_notify=OFF", "SNT_port="});
    tab->reload();
    const int passes = owner->passes;
    toggle->pushButton(1)->click();
    QVERIFY(owner->passes > passes);
    QCOMPARE(current(QStringLiteral("SNTToggle")), QStringLiteral("On"));
    QCOMPARE(portEdit->text(), QStringLiteral("9094"));
    QVERIFY(conflict->isChecked() && continuePrinting->isChecked() && cancelPrinting->isEnabled());
    QVERIFY(serverEdit->isEnabled());

    // Fields missing: marked, Verify disabled.
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());
    QVERIFY(!verifyButton->isEnabled());
    QCOMPARE(toggle->titleLabel()->toolTip(),
             QStringLiteral("Server, Port, and Login user information must be filled out."));
    serverEdit->setText(QStringLiteral("s"));
    userEdit->setText(QStringLiteral("u"));
    passwordEdit->setText(QStringLiteral("p"));
    tab->markCustomConstraints();
    QVERIFY(verifyButton->isEnabled());

    // Off: policy options forced off, the tab's own policies kept, no mark.
    feedAnswer(QStringLiteral(R"({"Policies":{"JE.FullColorPrint":"ON"}})"));
    QCOMPARE(current(QStringLiteral("SNTColorMode")), QStringLiteral("On"));
    cancelPrinting->setChecked(true);
    toggle->pushButton(0)->click();
    QCOMPARE(policyOptions(), QStringList({"Off", "Off", "Off"}));
    QCOMPARE(tab->policyValues().value("SNTColorMode"), QStringLiteral("On"));
    QVERIFY(continuePrinting->isChecked() && !serverEdit->isEnabled());
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());
    QCOMPARE(tab->collectOptionValues().value("SNT_password"), QString());

    // Back on with the port emptied meanwhile: the default comes back.
    portEdit->clear();
    toggle->pushButton(1)->click();
    QCOMPARE(portEdit->text(), QStringLiteral("9094"));
}

void TestSNTTab::fieldRules()
{
    tab->reload();
    toggle->pushButton(1)->click();
    QTest::keyClicks(userEdit, QStringLiteral(" jo ann"));
    QCOMPARE(userEdit->text(), QStringLiteral("jo ann"));
    userEdit->clear();
    QTest::keyClicks(userEdit, QString(65, QLatin1Char('x')));
    QCOMPARE(userEdit->text().size(), 64);
    QTest::keyClicks(serverEdit, QStringLiteral("print host"));
    QCOMPARE(serverEdit->text(), QStringLiteral("printhost"));
    portEdit->clear();
    QTest::keyClicks(portEdit, QStringLiteral("90a94"));
    QCOMPARE(portEdit->text(), QStringLiteral("9094"));
}

void TestSNTTab::answers_data()
{
    QTest::addColumn<bool>("onVerify");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("marked");

    // Before each row the policies stand at On, On, On.
    const QString full =
        R"({"Policies":{"JE.FullColorPrint":"ON","DR.TonerliteRestriction":"PV.Off","DR.DuplexRestriction":"PV.On"}})";
    QTest::newRow("accepted silently")
        << false << full << "" << QStringList {"On", "Off", "On"} << false;
    QTest::newRow("accepted on Verify")
        << true << full << successText << QStringList {"On", "Off", "On"} << false;
    QTest::newRow("only duplex named: the others stay")
        << false << R"({"Policies":{"DR.DuplexRestriction":"PV.Off"}})"
        << "" << QStringList {"On", "On", "Off"} << false;
    QTest::newRow("colour as JSON true is not ON")
        << false << R"({"Policies":{"JE.FullColorPrint":true}})"
        << "" << QStringList {"Off", "On", "On"} << false;
    QTest::newRow("refused: all off, also silently")
        << false << R"({"Error":"INVALID_USER_NAME_OR_PASSWORD"})" << failedText
        << QStringList {"Off", "Off", "Off"} << true;
    QTest::newRow("refused on Verify beats the brace")
        << true << R"({"Error":"INVALID_USER_NAME_OR_PASSWORD"})" << failedText
        << QStringList {"Off", "Off", "Off"} << true;
    QTest::newRow("no permission to print, also silently")
        << false << R"({"Policies":{"JE.MonoPrint":"ON"}})"
        << "You do not have permission to print." << QStringList {"On", "On", "On"} << false;
    QTest::newRow("plain text on Verify")
        << true << "Service down"
        << "An unspecified error occured." << QStringList {"Off", "Off", "Off"} << true;
    QTest::newRow("plain text silently") << false << "Service down"
                                         << "" << QStringList {"Off", "Off", "Off"} << true;
}

void TestSNTTab::answers()
{
    QFETCH(bool, onVerify);
    QFETCH(QString, body);
    QFETCH(QString, box);
    QFETCH(QStringList, options);
    QFETCH(bool, marked);

    verifiedOn(
        R"({"JE.FullColorPrint":"ON","DR.TonerliteRestriction":"PV.On","DR.DuplexRestriction":"PV.On"})");
    QCOMPARE(policyOptions(), QStringList({"On", "On", "On"}));

    QSignalSpy errors(client, &tcurl::errorReady);
    if (onVerify)
        verifyButton->click(); // also posts to a closed port
    feedAnswer(body);
    QCOMPARE(boxes->boxes.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QCOMPARE(boxes->boxes[0], qMakePair(QStringLiteral("Sentrel"), box));
    QCOMPARE(policyOptions(), options);
    tab->markCustomConstraints();
    QCOMPARE(tab->isConstraintMarked(), marked);

    if (onVerify) {
        // The real request's failure, once the user has moved on, is stale.
        userEdit->setText(QStringLiteral("other"));
        QVERIFY(errors.wait(120000));
        QCOMPARE(boxes->boxes.size(), 1);
    }
}

void TestSNTTab::staleAnswersAndErrors()
{
    verifiedOn(
        R"({"JE.FullColorPrint":"ON","DR.TonerliteRestriction":"PV.On","DR.DuplexRestriction":"PV.Off"})");
    const QString oldTag = tag();

    userEdit->setText(QStringLiteral("dana two"));
    emit client->messageReady(oldTag
                              + QStringLiteral(R"({"Error":"INVALID_USER_NAME_OR_PASSWORD"})"));
    emit client->errorReady(oldTag + QStringLiteral("Connection refused"));
    QCOMPARE(boxes->boxes.size(), 0);
    QCOMPARE(policyOptions(), QStringList({"On", "On", "Off"}));

    // A user name with a blank is found in the tag; an error keeps the policies.
    feedAnswer(QStringLiteral(R"({"Policies":{}})"));
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());
    emit client->errorReady(tag() + QStringLiteral("Connection refused"));
    QCOMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].second, QStringLiteral("Unable to connect to the server."));
    QCOMPARE(policyOptions(), QStringList({"On", "On", "Off"}));
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());
    QCOMPARE(toggle->titleLabel()->toolTip(), QStringLiteral("Unable to connect to the server."));

    // The tag is matched whole: a server typed as an IPv6 address gets its
    // answer, and a tag for another port is stale.
    serverEdit->setText(QStringLiteral("[::1]"));
    const QString otherPort =
        QStringLiteral("<https://[::1]:1%1 %2>").arg(portEdit->text(), userEdit->text());
    emit client->messageReady(otherPort
                              + QStringLiteral(R"({"Error":"INVALID_USER_NAME_OR_PASSWORD"})"));
    QCOMPARE(boxes->boxes.size(), 1);
    feedAnswer(QStringLiteral(R"({"Error":"INVALID_USER_NAME_OR_PASSWORD"})"));
    QCOMPARE(boxes->boxes.size(), 2);
    QCOMPARE(boxes->boxes[1].second, failedText);

    // A stale answer while Verify is pending still ends the check.
    verifyButton->click();
    QVERIFY(!verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::BusyCursor);
    emit client->messageReady(oldTag + QStringLiteral(R"({"Policies":{}})"));
    QVERIFY(verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(boxes->boxes.size(), 2);
}

void TestSNTTab::screenshot()
{
    writeSettings({"SNT_enabled=ON", "SNT_notify=ON", "SNT_blocking=ON", "SNT_server=127.0.0.1",
                   "SNT_port=9094", "SNT_username=frank"});
    tab->reload();
    tab->markCustomConstraints();
    tab->resize(600, 560);
    tab->show();
    QVERIFY(tab->grab().save(QDir::tempPath() + QStringLiteral("/vellumark-snttab.png")));
}

VM_TEST_MAIN(TestSNTTab)
#include "tst_snttab.moc"
