// The HTTPS login client against a local server with a self-signed
// certificate made at test time: the request as the server receives it, the
// reports and their tags, the certificate waiver kept to the login, and the
// Sentrel tab turning answers into policy options.

#include "ClosedPort.h"
#include "MessageRecorder.h"
#include "TabTestHelpers.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "net/tcurl.h"
#include "system/AppState.h"
#include "tabs/SNTTab.h"
#include "widgets/TolButtonGroup.h"

#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {

const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";

struct ReceivedRequest
{
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

// A one-answer-per-connection HTTPS server. Every request gets `status` and
// `body`; what arrived is kept in `requests`.
class LoginServer : public QTcpServer
{
public:
    QSslCertificate certificate;
    QSslKey key;
    QByteArray status = "200 OK";
    QByteArray body;
    QList<ReceivedRequest> requests;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(certificate);
        socket->setPrivateKey(key);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            answerWhenComplete(socket, *received);
        });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        socket->startServerEncryption();
    }

private:
    void answerWhenComplete(QSslSocket *socket, const QByteArray &received)
    {
        const int end = received.indexOf("\r\n\r\n");
        if (end < 0 || socket->property("answered").toBool())
            return;
        ReceivedRequest request;
        const QList<QByteArray> lines = received.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length").toInt();
        if (received.size() < end + 4 + length)
            return;
        request.body = received.mid(end + 4, length);
        requests.append(request);

        socket->setProperty("answered", true);
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

} // namespace

class TestTcurl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requestAsReceived_data();
    void requestAsReceived();
    void answerEndsAtNul();
    void failuresAreErrorReports_data();
    void failuresAreErrorReports();
    void certificateWaiverStaysWithTheLogin();
    void tabTurnsAnswersIntoPolicies();

private:
    QString baseUrl() const { return QStringLiteral("https://127.0.0.1:%1").arg(server.serverPort()); }

    QTemporaryDir dir;
    LoginServer server;
};

void TestTcurl::initTestCase()
{
    QVERIFY(QSslSocket::supportsSsl());
    QVERIFY(dir.isValid());
    const QString certPath = dir.filePath(QStringLiteral("cert.pem"));
    const QString keyPath = dir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-days"), QStringLiteral("1"),
                   QStringLiteral("-keyout"), keyPath, QStringLiteral("-out"), certPath});
    QVERIFY(openssl.waitForFinished(60000));
    QCOMPARE(openssl.exitCode(), 0);

    QFile certFile(certPath);
    QFile keyFile(keyPath);
    QVERIFY(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
    server.certificate = QSslCertificate(&certFile, QSsl::Pem);
    server.key = QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem);
    QVERIFY(!server.certificate.isNull() && !server.key.isNull());
    QVERIFY(server.listen(QHostAddress::LocalHost));
}

void TestTcurl::requestAsReceived_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << "alice" << "secret";
    QTest::newRow("blank in the user, form delimiters in the password")
        << "jo ann" << "a&userPWD=x+y%20z\\w";
    QTest::newRow("non-ASCII letters") << QStringLiteral("zoë") << QStringLiteral("pässwört");
    QTest::newRow("empty fields are still sent") << "" << "";
}

void TestTcurl::requestAsReceived()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    server.requests.clear();
    server.status = "200 OK";
    server.body = R"({"Policies":{}})";

    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    client.post(baseUrl(), user, password);
    QVERIFY(answers.wait(20000));
    QCOMPARE(errors.count(), 0);
    // The self-signed certificate did not stop the exchange, and the report
    // carries the request's tag.
    QCOMPARE(answers.at(0).at(0).toString(),
             QLatin1Char('<') + baseUrl() + QLatin1Char(' ') + user + QLatin1Char('>') + server.body);

    QCOMPARE(server.requests.size(), 1);
    const ReceivedRequest &request = server.requests.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray(loginPath));
    QCOMPARE(request.headers.value("content-type"), QByteArray("text/*"));
    QCOMPARE(request.headers.value("charsets"), QByteArray("utf-8"));
    QCOMPARE(request.headers.value("user-agent"), QByteArray("TVP"));
    QVERIFY(!request.headers.contains("authorization"));
    QVERIFY(!request.headers.contains("cookie"));

    // Two fields, in order, each value coming back exactly as given.
    const QList<QByteArray> fields = request.body.split('&');
    QCOMPARE(fields.size(), 2);
    QVERIFY(fields[0].startsWith("userID="));
    QVERIFY(fields[1].startsWith("userPWD="));
    QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(fields[0].mid(7))), user);
    QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(fields[1].mid(8))), password);
}

void TestTcurl::answerEndsAtNul()
{
    server.status = "200 OK";
    server.body = QByteArray("{\"Policies\":{}}\0tail", 20);
    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    client.post(baseUrl(), QStringLiteral("u"), QStringLiteral("p"));
    QVERIFY(answers.wait(20000));
    QVERIFY(answers.at(0).at(0).toString().endsWith(QLatin1String("{\"Policies\":{}}")));
}

void TestTcurl::failuresAreErrorReports_data()
{
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("connection refused") << true << QByteArray("200 OK");
    QTest::newRow("HTTP error status") << false << QByteArray("500 Internal Server Error");
}

void TestTcurl::failuresAreErrorReports()
{
    QFETCH(bool, refused);
    QFETCH(QByteArray, status);
    server.status = status;
    server.body = "{}";
    const QString url = refused ? QStringLiteral("https://127.0.0.1:%1").arg(closedPort()) : baseUrl();

    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    client.post(url, QStringLiteral("bob"), QStringLiteral("pw"));
    QVERIFY(errors.wait(20000));
    QTest::qWait(100);
    QCOMPARE(answers.count(), 0);
    QCOMPARE(errors.count(), 1);
    const QString report = errors.at(0).at(0).toString();
    QVERIFY2(report.startsWith(QLatin1Char('<') + url + QLatin1String(" bob>")), qPrintable(report));
    QVERIFY(report.size() > url.size() + 6);
}

void TestTcurl::certificateWaiverStaysWithTheLogin()
{
    server.status = "200 OK";
    server.body = "{}";
    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    client.post(baseUrl(), QStringLiteral("u"), QStringLiteral("p"));
    QVERIFY(answers.wait(20000));

    // Any other request of the process still refuses the same certificate.
    QNetworkAccessManager other;
    QNetworkReply *reply = other.get(QNetworkRequest(QUrl(baseUrl() + QLatin1String(loginPath))));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(20000));
    QCOMPARE(reply->error(), QNetworkReply::SslHandshakeFailedError);
    delete reply;
}

void TestTcurl::tabTurnsAnswersIntoPolicies()
{
    QTemporaryDir settingsDir;
    AppState::settingsFile = settingsDir.filePath(QStringLiteral("printer.cfg"));
    std::unique_ptr<tOptionModel> model;
    QVERIFY(useFixtureModel(model, "snttab-basic.ppd"));

    MessageRecorder boxes;
    OwnerStub owner;
    auto *tab = new SNTTab(&owner);
    tab->reload();
    auto *toggle = named<TolButtonGroup>(tab, QStringLiteral("butGroupSNT"));
    auto *serverEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTServer"));
    auto *portEdit = named<QLineEdit>(tab, QStringLiteral("lnEditSNTPort"));
    auto *verify = named<QPushButton>(tab, QStringLiteral("butSNTVerify"));
    toggle->pushButton(1)->click();
    serverEdit->setText(QStringLiteral("127.0.0.1"));
    portEdit->setText(QString::number(server.serverPort()));
    named<QLineEdit>(tab, QStringLiteral("lnEditSNTUser"))->setText(QStringLiteral("carla"));
    named<QLineEdit>(tab, QStringLiteral("lnEditSNTPassword"))->setText(QStringLiteral("pw"));

    const auto options = [] {
        return QStringList{current(QStringLiteral("SNTColorMode")),
                           current(QStringLiteral("SNTTonerlite")), current(QStringLiteral("SNTDuplex"))};
    };

    // Accepted login with policies.
    server.status = "200 OK";
    server.body = R"({"Policies":{"JE.FullColorPrint":"ON","DR.TonerliteRestriction":"PV.Off",)"
                  R"("DR.DuplexRestriction":"PV.On"}})";
    tab->markCustomConstraints();
    QVERIFY(verify->isEnabled());
    verify->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 1, 20000);
    QCOMPARE(options(), QStringList({"On", "Off", "On"}));
    QCOMPARE(owner.colourCouplings, 1);
    QVERIFY(boxes.boxes[0].second.startsWith(QLatin1String("Server and user credentials")));
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());

    // Refused login: no policies, all off.
    server.body = R"({"Result":"INVALID_USER_NAME_OR_PASSWORD"})";
    verify->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 2, 20000);
    QCOMPARE(options(), QStringList({"Off", "Off", "Off"}));
    QCOMPARE(boxes.boxes[1].second,
             QStringLiteral("Login failed. The user name or password you entered is incorrect."));
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());

    // Accepted again, then the server goes away: the last policies stay.
    server.body = R"({"Policies":{"JE.FullColorPrint":"OFF","DR.TonerliteRestriction":"PV.On"}})";
    verify->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 3, 20000);
    QCOMPARE(options(), QStringList({"Off", "On", "Off"}));
    portEdit->setText(QString::number(closedPort()));
    verify->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 4, 20000);
    QCOMPARE(boxes.boxes[3], qMakePair(QStringLiteral("Sentrel"),
                                       QStringLiteral("Unable to connect to the server.")));
    QCOMPARE(options(), QStringList({"Off", "On", "Off"}));
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());

    forgetPrinter();
}

QTEST_MAIN(TestTcurl)
#include "tst_tcurl.moc"
