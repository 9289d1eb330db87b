// Which print-management servers the Sentrel tab gives the password to,
// against a real HTTPS server on 127.0.0.1 with certificates made at test
// time: the user's Verify asks about a new or changed certificate, the
// silent login at reload never asks, and a new Verify ends the pending one.

#include "MessageRecorder.h"
#include "TabTestHelpers.h"
#include "TlsLoginServer.h"

#include "net/tcurl.h"
#include "system/AppState.h"
#include "system/CertificatePins.h"
#include "system/SecretCipher.h"
#include "tabs/SNTTab.h"
#include "widgets/TolButtonGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString unableText = QStringLiteral("Unable to connect to the server.");

} // namespace

class TestSNTTrust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void verifyAsksAboutCertificate_data();
    void verifyAsksAboutCertificate();
    void silentLoginNeverAsks_data();
    void silentLoginNeverAsks();
    void newVerifyEndsPendingOne();

private:
    QString serverKey() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    QString fingerprintOf(const QString &name) const
    {
        if (name.isEmpty())
            return QString();
        return CertificatePins::fingerprint((name == QLatin1String("usual") ? usual : other).certificate);
    }
    void pin(const QString &name);
    // Print management stored on for this server; reloads and waits for the
    // silent login to end.
    void loadStoredLogin();
    // Trusted: logged in, the server's certificate pinned, the policy taken.
    void verifyLoggedInAndPinned();
    // Not trusted: nothing sent, the pin as it was, the tab marked unable.
    void verifyRefusedWithPinKept(const QString &pinnedBefore);
    QString mark() const { return toggle->titleLabel()->toolTip(); }

    QTemporaryDir dir;
    TlsLoginServer server;
    TestIdentity usual;
    TestIdentity other;

    std::unique_ptr<tOptionModel> model;
    std::unique_ptr<MessageRecorder> boxes;
    std::unique_ptr<OwnerStub> owner;
    SNTTab *tab = nullptr;
    TolButtonGroup *toggle = nullptr;
    QPushButton *verifyButton = nullptr;
};

void TestSNTTrust::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeSelfSigned(dir.path(), QStringLiteral("usual"), &usual));
    QVERIFY(makeSelfSigned(dir.path(), QStringLiteral("other"), &other));
    AppState::perUserDirectory = dir.filePath(QStringLiteral("user")) + QLatin1Char('/');
    QVERIFY(server.listen(QHostAddress::LocalHost));
}

void TestSNTTrust::init()
{
    server.identity = usual;
    server.answer = TlsLoginServer::Answer::Whole;
    server.body = R"({"Policies":{"JE.FullColorPrint":"ON"}})";
    server.clearLog();
    QFile::remove(CertificatePins::filePath());
    AppState::settingsFile = dir.filePath(QStringLiteral("printer.cfg"));
    QFile::remove(AppState::settingsFile);
    QVERIFY(useFixtureModel(model, QStringLiteral("snttab-basic.ppd")));

    boxes = std::make_unique<MessageRecorder>();
    owner = std::make_unique<OwnerStub>();
    tab = new SNTTab(owner.get());
    owner->driven = tab;
    toggle = named<TolButtonGroup>(tab, QStringLiteral("butGroupSNT"));
    verifyButton = named<QPushButton>(tab, QStringLiteral("butSNTVerify"));
    QVERIFY(toggle && verifyButton);
    owner->resize(600, 560);
    owner->show();
    QVERIFY(QTest::qWaitForWindowActive(owner.get()));
}

void TestSNTTrust::cleanup()
{
    owner.reset();
    boxes.reset();
    forgetPrinter();
    model.reset();
}

void TestSNTTrust::pin(const QString &name)
{
    if (!name.isEmpty())
        QVERIFY(CertificatePins::setPin(serverKey(), fingerprintOf(name)));
}

void TestSNTTrust::loadStoredLogin()
{
    QVERIFY(useSettingsFile(AppState::settingsFile,
                            "SNT_enabled=ON\nSNT_notify=OFF\nSNT_blocking=OFF\nSNT_server=127.0.0.1\n"
                            "SNT_port=" + QByteArray::number(server.serverPort())
                                + "\nSNT_username=hana\nSNT_password="
                                + encryptPassword(QStringLiteral("pw one")).toLatin1() + '\n'));
    const int passes = owner->passes;
    tab->reload();
    // The silent login has ended, one way or the other.
    QTRY_VERIFY_WITH_TIMEOUT(owner->passes > passes, 20000);
    QTest::qWait(200);
}

void TestSNTTrust::verifyLoggedInAndPinned()
{
    QCOMPARE(CertificatePins::pin(serverKey()), fingerprintOf(QStringLiteral("usual")));
    QCOMPARE(current(QStringLiteral("SNTColorMode")), QStringLiteral("On"));
    QVERIFY(!owner->marked);
}

void TestSNTTrust::verifyRefusedWithPinKept(const QString &pinnedBefore)
{
    QCOMPARE(server.handshakes, 0);
    QVERIFY(server.received.isEmpty());
    QCOMPARE(CertificatePins::pin(serverKey()), fingerprintOf(pinnedBefore));
    QVERIFY(owner->marked);
    QCOMPARE(mark(), unableText);
}

void TestSNTTrust::verifyAsksAboutCertificate_data()
{
    QTest::addColumn<QString>("pinnedBefore");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("new certificate, trusted") << "" << true;
    QTest::newRow("new certificate, not trusted") << "" << false;
    QTest::newRow("changed certificate, trusted") << "other" << true;
    QTest::newRow("changed certificate, not trusted") << "other" << false;
}

void TestSNTTrust::verifyAsksAboutCertificate()
{
    QFETCH(QString, pinnedBefore);
    QFETCH(bool, trusted);
    // The silent login at reload meets a certificate it may not trust and
    // ends quietly; then the user presses Verify.
    pin(QStringLiteral("other"));
    loadStoredLogin();
    QCOMPARE(boxes->boxes.size(), 0);
    QFile::remove(CertificatePins::filePath());
    pin(pinnedBefore);
    QVERIFY(verifyButton->isEnabled());
    boxes->answer = trusted ? QMessageBox::Yes : QMessageBox::No;

    verifyButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(boxes->boxes.size() >= (trusted ? 2 : 1), 20000);
    QTest::qWait(200);

    // The question names the certificate, and for a change the old one too.
    const QString question = boxes->boxes.first().second;
    QVERIFY2(question.contains(fingerprintOf(QStringLiteral("usual"))), qPrintable(question));
    QCOMPARE(question.contains(fingerprintOf(QStringLiteral("other"))), !pinnedBefore.isEmpty());
    QVERIFY(question.endsWith(QLatin1String("Do you trust this server?")));

    if (trusted) {
        QCOMPARE(boxes->boxes.size(), 2);
        QVERIFY(boxes->boxes[1].second.startsWith(QLatin1String("Server and user credentials")));
        QCOMPARE(server.requests.size(), 1);
        QVERIFY(server.requests.first().body.endsWith("userPWD=pw one"));
        verifyLoggedInAndPinned();
    } else {
        // No box beyond the question, nothing sent, the old pin kept.
        QCOMPARE(boxes->boxes.size(), 1);
        verifyRefusedWithPinKept(pinnedBefore);
    }
}

void TestSNTTrust::silentLoginNeverAsks_data()
{
    QTest::addColumn<QString>("pinnedBefore");
    QTest::newRow("server not pinned yet") << "";
    QTest::newRow("server pinned to another certificate") << "other";
}

void TestSNTTrust::silentLoginNeverAsks()
{
    QFETCH(QString, pinnedBefore);
    pin(pinnedBefore);
    loadStoredLogin();
    QCOMPARE(boxes->boxes.size(), 0);

    if (pinnedBefore.isEmpty()) {
        // Trusted on first use: logged in, and the certificate is pinned.
        QCOMPARE(server.requests.size(), 1);
        verifyLoggedInAndPinned();
    } else {
        verifyRefusedWithPinKept(pinnedBefore);
    }
}

void TestSNTTrust::newVerifyEndsPendingOne()
{
    pin(QStringLiteral("usual"));
    server.answer = TlsLoginServer::Answer::Never;
    auto *client = tab->findChild<tcurl *>();
    QVERIFY(client);
    client->setTimeLimit(1000);
    QVERIFY(useSettingsFile(AppState::settingsFile,
                            "SNT_enabled=ON\nSNT_server=127.0.0.1\nSNT_port="
                                + QByteArray::number(server.serverPort())
                                + "\nSNT_username=hana\nSNT_password="
                                + encryptPassword(QStringLiteral("pw one")).toLatin1() + '\n'));

    // The silent login is pending when the user presses Verify, twice.
    tab->reload();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 20000);
    verifyButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 2, 20000);
    verifyButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 3, 20000);
    // Only the last login runs into the time limit.
    QTRY_COMPARE_WITH_TIMEOUT(boxes->boxes.size(), 1, 20000);
    QTest::qWait(1500);
    QCOMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes.first().second, unableText);
    QCOMPARE(mark(), unableText);
}

QTEST_MAIN(TestSNTTrust)
#include "tst_snttrust.moc"
