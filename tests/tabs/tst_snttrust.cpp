// Which print-management servers the Sentrel tab gives the password to,
// against a real HTTPS server on 127.0.0.1 with certificates made at test
// time and a test authority trusted beside the system's: the user's Verify
// asks about a new or changed certificate, the silent login at reload never
// asks, a server an authority vouched for is never trusted on first use, and
// a new Verify ends the pending one.

#include "HangGuard.h"
#include "LoginServerProcess.h"
#include "MessageRecorder.h"
#include "TabFixture.h"
#include "TlsLoginServer.h"

#include "TestMain.h"
#include "net/tcurl.h"
#include "system/AppState.h"
#include "system/CertificatePins.h"
#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"
#include "tabs/SNTTab.h"
#include "widgets/TolButtonGroup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString unableText = QStringLiteral("Unable to connect to the server.");
const QString timeOutText = QStringLiteral("The server did not answer in time.");
const QString successStart = QStringLiteral("Server and user credentials");
// What the certificate question says, by case.
const QString noAuthority = QStringLiteral("no trusted authority vouches for");
const QString anotherHost = QStringLiteral("a trusted authority issued for another host name");
const QString changed = QStringLiteral("has changed since you trusted it");
const QString authorityBefore =
    QStringLiteral("Previously, a trusted authority vouched for the server's certificate.");

} // namespace

class TestSNTTrust : public QObject, TabFixture<SNTTab>, TestCertificates
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void verifyAsksAboutCertificate_data();
    void verifyAsksAboutCertificate();
    void oneReturnTrustsNoStranger_data();
    void oneReturnTrustsNoStranger();
    void silentLoginNeverAsks_data();
    void silentLoginNeverAsks();
    void newVerifyEndsPendingOne();
    void verifyShowsItsCheckAndTimeOut();
    void serverTypedAsIpv6Address();
    void verifyEndsOnce_data();
    void verifyEndsOnce();
    void reloadAndVerifyInOneTurn_data();
    void reloadAndVerifyInOneTurn();

    // A record file that cannot be read as trusted.
    void untrustedRecordsAreNoFirstUse_data();
    void untrustedRecordsAreNoFirstUse();

private:
    QString serverKey() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    // Records how the server was trusted: the named certificate pinned, or
    // for "authority" a login to it presenting a certificate the test
    // authority signed.
    void pin(const QString &name);
    // Print management stored on for this server; reloads and waits for the
    // silent login to end.
    void loadStoredLogin();
    // Trusted: logged in, the server's certificate pinned, the policy taken.
    void verifyLoggedInAndPinned();
    // Not trusted: nothing sent, the pin as it was, the tab marked unable.
    void verifyRefusedWithPinKept(const QString &pinnedBefore);
    // Clicks Verify and answers every box with Return, as a hurried user
    // would, until the check has ended; the texts of the boxes.
    QStringList verifyPressingReturn();
    QString mark() const { return toggle->titleLabel()->toolTip(); }
    // A file's mode and content.
    static QByteArray bytes(const QString &path);

    TlsLoginServer server;

    std::unique_ptr<MessageRecorder> boxes;
    TolButtonGroup *toggle = nullptr;
    QPushButton *verifyButton = nullptr;
};

void TestSNTTrust::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(makeCertificates(dir.path()));
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
    boxes = std::make_unique<MessageRecorder>();
    setUpTab(true);
    AppState::settingsFile = dir.filePath(QStringLiteral("printer.cfg"));
    QFile::remove(AppState::settingsFile);
    QVERIFY(useFixtureModel(model, QStringLiteral("snttab-basic.ppd")));

    toggle = named<TolButtonGroup>(tab, QStringLiteral("butGroupSNT"));
    verifyButton = named<QPushButton>(tab, QStringLiteral("butSNTVerify"));
    QVERIFY(toggle && verifyButton && tab->findChild<tcurl *>());
    tab->findChild<tcurl *>()->setExtraCaCertificates({authority.certificate});
    owner->resize(600, 560);
    owner->show();
    QVERIFY(QTest::qWaitForWindowActive(owner));
}

void TestSNTTrust::cleanup()
{
    tearDownTab();
    boxes.reset();
}

void TestSNTTrust::pin(const QString &name)
{
    if (name.isEmpty())
        return;
    if (name != QLatin1String("authority")) {
        QVERIFY(CertificatePins::setPin(serverKey(), fingerprintOf(name)));
        return;
    }
    const TestIdentity presented = server.identity;
    server.identity = vouched;
    tcurl client;
    client.setExtraCaCertificates({authority.certificate});
    QSignalSpy answers(&client, &tcurl::messageReady);
    client.post(QStringLiteral("https://") + serverKey(), QStringLiteral("hana"),
                QStringLiteral("pw one"));
    QVERIFY(answers.wait(120000));
    QCOMPARE(server.requests.size(), 1);
    server.identity = presented;
    server.clearLog();
}

void TestSNTTrust::loadStoredLogin()
{
    QVERIFY(useSettingsFile(
        AppState::settingsFile,
        "SNT_enabled=ON\nSNT_notify=OFF\nSNT_blocking=OFF\nSNT_server=127.0.0.1\n"
        "SNT_port="
            + QByteArray::number(server.serverPort()) + "\nSNT_username=hana\nSNT_password="
            + encryptPassword(QStringLiteral("pw one")).toLatin1() + '\n'));
    const int passes = owner->passes;
    tab->reload();
    // The silent login has ended, one way or the other.
    QTRY_VERIFY_WITH_TIMEOUT(owner->passes > passes, 20000);
    QTest::qWait(200);
}

void TestSNTTrust::verifyLoggedInAndPinned()
{
    QCOMPARE(CertificatePins::pin(serverKey()),
             CertificatePins::fingerprint(server.identity.certificate));
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
    QTest::addColumn<QString>("presented");
    QTest::addColumn<QString>("pinnedBefore");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<QString>("says");
    QTest::newRow("new certificate, trusted") << "usual"
                                              << "" << true << noAuthority;
    QTest::newRow("new certificate, not trusted") << "usual"
                                                  << "" << false << noAuthority;
    QTest::newRow("changed certificate, trusted") << "usual"
                                                  << "other" << true << changed;
    QTest::newRow("changed certificate, not trusted") << "usual"
                                                      << "other" << false << changed;
    QTest::newRow("authority vouched at the last login, trusted")
        << "usual"
        << "authority" << true << authorityBefore;
    QTest::newRow("authority vouched at the last login, not trusted")
        << "usual"
        << "authority" << false << authorityBefore;
    QTest::newRow("trusted authority, another host name") << "elsewhere"
                                                          << "" << false << anotherHost;
}

void TestSNTTrust::verifyAsksAboutCertificate()
{
    QFETCH(QString, presented);
    QFETCH(QString, pinnedBefore);
    QFETCH(bool, trusted);
    QFETCH(QString, says);
    server.identity = identity(presented);
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
    QVERIFY2(question.contains(fingerprintOf(presented)), qPrintable(question));
    QCOMPARE(question.contains(fingerprintOf(QStringLiteral("other"))),
             pinnedBefore == QLatin1String("other"));
    QVERIFY2(question.contains(says), qPrintable(question));
    QCOMPARE(question.contains(noAuthority), says == noAuthority);
    QVERIFY(question.endsWith(QLatin1String("Do you trust this server?")));

    if (trusted) {
        QCOMPARE(boxes->boxes.size(), 2);
        QVERIFY(boxes->boxes[1].second.startsWith(successStart));
        QCOMPARE(server.requests.size(), 1);
        QVERIFY(server.requests.first().body.endsWith("userPWD=pw one"));
        verifyLoggedInAndPinned();
    } else {
        // No box beyond the question, nothing sent, the old pin kept.
        QCOMPARE(boxes->boxes.size(), 1);
        verifyRefusedWithPinKept(pinnedBefore);
    }
}

// The real box: Return presses its default button.
void TestSNTTrust::oneReturnTrustsNoStranger_data()
{
    QTest::addColumn<QString>("pinnedBefore");
    QTest::newRow("new certificate") << "";
    QTest::newRow("changed certificate") << "other";
    QTest::newRow("authority vouched at the last login") << "authority";
}

QStringList TestSNTTrust::verifyPressingReturn()
{
    QStringList seen;
    QTimer returner;
    connect(&returner, &QTimer::timeout, this, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen << box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    returner.start(20);
    const int passes = owner->passes;
    verifyButton->click();
    if (!QTest::qWaitFor([&] { return owner->passes > passes; }, 20000))
        return {};
    // A second box would come right after the first.
    QTest::qWait(300);
    return seen;
}

void TestSNTTrust::oneReturnTrustsNoStranger()
{
    QFETCH(QString, pinnedBefore);
    pin(QStringLiteral("other"));
    loadStoredLogin();
    QFile::remove(CertificatePins::filePath());
    pin(pinnedBefore);
    boxes.reset();

    const QStringList seen = verifyPressingReturn();
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.first().endsWith(QLatin1String("Do you trust this server?")));
    verifyRefusedWithPinKept(pinnedBefore);
}

void TestSNTTrust::silentLoginNeverAsks_data()
{
    QTest::addColumn<QString>("pinnedBefore");
    QTest::newRow("server not pinned yet") << "";
    QTest::newRow("server pinned to another certificate") << "other";
    // A man in the middle after a login an authority vouched for.
    QTest::newRow("authority vouched at the last login") << "authority";
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

    // The silent login is pending when the user presses Verify; a second
    // press waits for the check to end.
    tab->reload();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 20000);
    verifyButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 2, 20000);
    verifyButton->click();
    QTest::qWait(200);
    QCOMPARE(server.requests.size(), 2);
    // Only the last login runs into the time limit.
    QTRY_COMPARE_WITH_TIMEOUT(boxes->boxes.size(), 1, 20000);
    QTest::qWait(1500);
    QCOMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes.first().second, timeOutText);
    QCOMPARE(mark(), unableText);
}

void TestSNTTrust::verifyShowsItsCheckAndTimeOut()
{
    pin(QStringLiteral("usual"));
    loadStoredLogin();
    QVERIFY(!owner->marked);
    QVERIFY(verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::ArrowCursor);
    server.answer = TlsLoginServer::Answer::Never;
    auto *client = tab->findChild<tcurl *>();
    // Here only the server's silence can end the check.
    client->setTimeLimit(10 * 60 * 1000);

    verifyButton->click();
    QVERIFY(!verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::BusyCursor);
    // The server holds the login and has not answered: still running, also
    // through a constraint pass.
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 20000);
    owner->setConstraints();
    QVERIFY(!verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::BusyCursor);
    QCOMPARE(boxes->boxes.size(), 0);

    // A reload ends the check without a word.
    tab->reload();
    QVERIFY(verifyButton->isEnabled());
    QCOMPARE(verifyButton->cursor().shape(), Qt::ArrowCursor);

    // The time limit ends the next one, and says so.
    client->setTimeLimit(1000);
    verifyButton->click();
    QVERIFY(!verifyButton->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(boxes->boxes.size(), 1, 60000);
    QCOMPARE(boxes->boxes.first(), qMakePair(QStringLiteral("Sentrel"), timeOutText));
    QTRY_VERIFY_WITH_TIMEOUT(verifyButton->isEnabled(), 20000);
    QCOMPARE(verifyButton->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(mark(), unableText);
}

void TestSNTTrust::serverTypedAsIpv6Address()
{
    TlsLoginServer server6;
    server6.identity = usual;
    server6.body = server.body;
    QVERIFY(server6.listen(QHostAddress::LocalHostIPv6));
    const QString port = QString::number(server6.serverPort());
    QVERIFY(CertificatePins::setPin(
        CertificatePins::serverKey(QUrl(QStringLiteral("https://[::1]:") + port)),
        fingerprintOf(QStringLiteral("usual"))));
    QVERIFY(useSettingsFile(AppState::settingsFile,
                            "SNT_enabled=ON\nSNT_server=[::1]\nSNT_port=" + port.toLatin1()
                                + "\nSNT_username=hana\nSNT_password="
                                + encryptPassword(QStringLiteral("pw one")).toLatin1() + '\n'));
    const int passes = owner->passes;
    tab->reload();
    QTRY_VERIFY_WITH_TIMEOUT(owner->passes > passes, 20000);
    QCOMPARE(server6.requests.size(), 1);
    // The answer was taken: policy applied, the tab unmarked.
    QCOMPARE(current(QStringLiteral("SNTColorMode")), QStringLiteral("On"));
    QVERIFY(!owner->marked);

    verifyButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->boxes.size(), 1, 20000);
    QVERIFY(boxes->boxes.first().second.startsWith(successStart));
}

// The records of an earlier version or another account, as the file was
// found: none of them is taken, and none gives first-use trust.
void TestSNTTrust::untrustedRecordsAreNoFirstUse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("writable by all") << "0666";
    QTest::newRow("unreadable") << "0000";
    QTest::newRow("a link") << "link";
    QTest::newRow("over 1 MiB") << "huge";
    QTest::newRow("writable by all, set aside at start") << "aside";
}

void TestSNTTrust::untrustedRecordsAreNoFirstUse()
{
    QFETCH(QString, kind);
    const QString path = CertificatePins::filePath();
    QVERIFY(makePerUserDirectory());
    const QByteArray records = serverKey().toLatin1() + "=authority\n";
    const QString file = kind == "link" ? dir.filePath(QStringLiteral("elsewhere")) : path;
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(kind == "huge" ? records + QByteArray(1 << 20, '#') : records);
    out.close();
    if (kind == "link")
        QVERIFY(QFile::link(file, path));
    if (kind.startsWith('0') || kind == "aside")
        QCOMPARE(chmod(QFile::encodeName(path).constData(), kind == "0000" ? 0 : 0666), 0);
    if (kind == "aside") {
        QStringList names;
        QStringList newNames;
        QVERIFY(securePerUserFiles(true, &names, &newNames));
        QCOMPARE(names, QStringList {"TrustedServers"});
    }
    const QByteArray before = TestSNTTrust::bytes(file);

    // The silent login: nothing sent, the tab marked, the file as it was.
    loadStoredLogin();
    QCOMPARE(boxes->boxes.size(), 0);
    QCOMPARE(server.handshakes, 0);
    QVERIFY(server.received.isEmpty());
    QVERIFY(owner->marked);
    QCOMPARE(TestSNTTrust::bytes(file), before);

    // Verify asks as for a changed certificate; Return answers No.
    boxes.reset();
    const QStringList seen = verifyPressingReturn();
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.first().contains(changed) && seen.first().contains("could not be read safely"),
             qPrintable(seen.first()));
    QCOMPARE(server.handshakes, 0);
    QVERIFY(server.received.isEmpty());
    QCOMPARE(TestSNTTrust::bytes(file), before);

    // Only Yes replaces the records; the old ones are kept aside.
    boxes = std::make_unique<MessageRecorder>();
    boxes->answer = QMessageBox::Yes;
    verifyButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->boxes.size(), 2, 20000);
    QVERIFY(boxes->boxes[1].second.startsWith(successStart));
    QCOMPARE(server.requests.size(), 1);
    verifyLoggedInAndPinned();
    QVERIFY(hasSetAsideCopy(path));
    if (kind == "link")
        QCOMPARE(TestSNTTrust::bytes(file), before);

    const QDir folder(AppState::perUserDirectory);
    for (const QString &name :
         folder.entryList({"TrustedServers.*"}, QDir::AllEntries | QDir::System))
        QVERIFY(QFile::remove(folder.filePath(name)));
}

QByteArray TestSNTTrust::bytes(const QString &path)
{
    QFile file(path);
    const QByteArray mode = QByteArray::number(int(QFileInfo(path).permissions()), 16) + ':';
    return mode + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

// Whatever the server answers, the check ends once: one box, Verify enabled
// again, the cursor back, and the window's event loop turning throughout.
void TestSNTTrust::verifyEndsOnce_data()
{
    QTest::addColumn<QByteArray>("raw"); // empty: the server in another process
    QTest::addColumn<int>("headerMiB");  // of filler lines before its answer
    QTest::addColumn<int>("timeLimitMs");
    QTest::addColumn<QString>("says");
    // An answer without text, told as any answer without a known marker.
    const QString unspecified = QStringLiteral("An unspecified error occured.");
    QTest::newRow("200 with an empty body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n") << 0 << 3000 << unspecified;
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << 0 << 3000
                         << unspecified;
    QTest::newRow("one 102, then nothing")
        << QByteArray("HTTP/1.1 102 Processing\r\n\r\n") << 0 << 3000 << unspecified;
    // Refused at the header cap, long before the limit.
    QTest::newRow("64 MiB of header lines") << QByteArray() << 64 << 15000 << unableText;
}

void TestSNTTrust::verifyEndsOnce()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, headerMiB);
    QFETCH(int, timeLimitMs);
    QFETCH(QString, says);
    HangGuard guard("Verify against a server that answers oddly");
    pin(QStringLiteral("usual"));
    loadStoredLogin();
    QVERIFY(verifyButton->isEnabled());
    server.answer = TlsLoginServer::Answer::Raw;
    server.raw = raw;
    server.rawHolds = true;
    LoginServerProcess remote;
    if (raw.isEmpty()) {
        QVERIFY(remote.start(dir.filePath(QStringLiteral("usual.pem")),
                             dir.filePath(QStringLiteral("usual.key")), server.body, headerMiB));
        QVERIFY(CertificatePins::setPin(QStringLiteral("127.0.0.1:%1").arg(remote.port()),
                                        fingerprintOf(QStringLiteral("usual"))));
        named<QLineEdit>(tab, QStringLiteral("lnEditSNTPort"))
            ->setText(QString::number(remote.port()));
    }
    tab->findChild<tcurl *>()->setTimeLimit(timeLimitMs);
    int turns = 0;
    QTimer counter;
    connect(&counter, &QTimer::timeout, this, [&turns] { ++turns; });
    counter.start(10);

    verifyButton->click();
    QVERIFY(!verifyButton->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(verifyButton->isEnabled(), 60000);
    // The window goes on, whatever the login's thread is still busy with.
    const int turnsAtEnd = turns;
    QTRY_VERIFY_WITH_TIMEOUT(turns > turnsAtEnd + 30, 20000);
    QCOMPARE(verifyButton->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes.first().second, says);
}

void TestSNTTrust::reloadAndVerifyInOneTurn_data()
{
    QTest::addColumn<QString>("pinned");
    QTest::addColumn<QString>("says");
    QTest::newRow("certificate pinned") << "usual" << successStart;
    QTest::newRow("certificate changed") << "other" << changed;
}

// Against a server in another process, which goes on with its handshakes
// while this one is busy.
void TestSNTTrust::reloadAndVerifyInOneTurn()
{
    QFETCH(QString, pinned);
    QFETCH(QString, says);
    LoginServerProcess remote;
    QVERIFY(remote.start(dir.filePath(QStringLiteral("usual.pem")),
                         dir.filePath(QStringLiteral("usual.key")), server.body));
    QVERIFY(CertificatePins::setPin(QStringLiteral("127.0.0.1:%1").arg(remote.port()),
                                    fingerprintOf(pinned)));
    QVERIFY(useSettingsFile(AppState::settingsFile,
                            "SNT_enabled=ON\nSNT_server=127.0.0.1\nSNT_port="
                                + QByteArray::number(remote.port())
                                + "\nSNT_username=hana\nSNT_password="
                                + encryptPassword(QStringLiteral("pw one")).toLatin1() + '\n'));
    boxes->answer = QMessageBox::No;

    tab->reload();
    QVERIFY(verifyButton->isEnabled());
    verifyButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!boxes->boxes.isEmpty(), 20000);
    QTest::qWait(300);
    QCOMPARE(boxes->boxes.size(), 1);
    QVERIFY2(boxes->boxes.first().second.contains(says), qPrintable(boxes->boxes.first().second));
}

VM_TEST_MAIN(TestSNTTrust)
#include "tst_snttrust.moc"
