// The HTTPS login client against a local server with certificates made at
// test time: the request as the server receives it, the reports and their
// tags, which certificates get the login, the bounds on the answer's size
// and time, and the Sentrel tab turning answers into policy options.

#include "ClosedPort.h"
#include "LoginServerProcess.h"
#include "MessageCounter.h"
#include "MessageRecorder.h"
#include "TabTestHelpers.h"
#include "TestLimits.h"
#include "TestMain.h"
#include "TlsLoginServer.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "net/tcurl.h"
#include "system/CertificatePins.h"
#include "system/AppState.h"
#include "tabs/SNTTab.h"
#include "widgets/TolButtonGroup.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
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

// AddressSanitizer keeps freed memory in quarantine: there the resident size
// says nothing of what the client holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentSizeTellsWhatIsHeld = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool residentSizeTellsWhatIsHeld = false;
#else
constexpr bool residentSizeTellsWhatIsHeld = true;
#endif
#else
constexpr bool residentSizeTellsWhatIsHeld = true;
#endif

const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";

using LoginServer = TlsLoginServer;

} // namespace

Q_DECLARE_METATYPE(tcurl::NewCertificate)
Q_DECLARE_METATYPE(TlsLoginServer::Answer)

class TestTcurl : public QObject, TestCertificates
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
    void certificateTrust_data();
    void certificateTrust();
    void certificateChangeBetweenLogins();
    void answerBounds_data();
    void answerBounds();
    void everyRequestEndsOnce_data();
    void everyRequestEndsOnce();
    void cancelEndsWithoutReport();
    void requestRightAfterCancel_data();
    void requestRightAfterCancel();
    void runawayServerCostsNothing_data();
    void runawayServerCostsNothing();
    void tabTurnsAnswersIntoPolicies();
    void init();

private:
    QString baseUrl() const
    {
        return QStringLiteral("https://127.0.0.1:%1").arg(server.serverPort());
    }
    QString serverKey() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    bool pinServer(const TestIdentity &identity)
    {
        return CertificatePins::setPin(serverKey(),
                                       CertificatePins::fingerprint(identity.certificate));
    }

    QTemporaryDir dir;
    LoginServer server;
};

void TestTcurl::initTestCase()
{
    QVERIFY(QSslSocket::supportsSsl());
    QVERIFY(dir.isValid());
    QVERIFY(makeCertificates(dir.path()));
    AppState::perUserDirectory = dir.filePath(QStringLiteral("user")) + QLatin1Char('/');
    QVERIFY(server.listen(QHostAddress::LocalHost));
}

// Every case starts from the usual certificate, pinned, answering at once.
void TestTcurl::init()
{
    server.identity = usual;
    server.answer = LoginServer::Answer::Whole;
    server.status = "200 OK";
    server.body = R"({"Policies":{}})";
    server.clearLog();
    QFile::remove(CertificatePins::filePath());
    QVERIFY(pinServer(usual));
}

void TestTcurl::requestAsReceived_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("plain") << "alice"
                           << "secret" << QByteArray("userID=alice&userPWD=secret");
    // Only what would cut or alter the form is escaped; a blank stays a blank.
    QTest::newRow("blank in the user, form delimiters in the password")
        << "jo ann"
        << "a&userPWD=x+y%20z\\w"
        << QByteArray("userID=jo ann&userPWD=a%26userPWD%3Dx%2By%2520z\\w");
    QTest::newRow("non-ASCII letters") << QStringLiteral("zoë") << QStringLiteral("pässwört")
                                       << QStringLiteral("userID=zoë&userPWD=pässwört").toUtf8();
    QTest::newRow("empty fields are still sent") << ""
                                                 << "" << QByteArray("userID=&userPWD=");
}

void TestTcurl::requestAsReceived()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QByteArray, wire);

    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    client.post(baseUrl(), user, password);
    QVERIFY(answers.wait(TestLimits::waitMs));
    QCOMPARE(errors.count(), 0);
    // The pinned self-signed certificate did not stop the exchange, and the
    // report carries the request's tag.
    QCOMPARE(answers.at(0).at(0).toString(), QLatin1Char('<') + baseUrl() + QLatin1Char(' ') + user
                                                 + QLatin1Char('>') + server.body);

    QCOMPARE(server.requests.size(), 1);
    const ReceivedRequest &request = server.requests.first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray(loginPath));
    QCOMPARE(request.headers.value("content-type"), QByteArray("text/*"));
    QCOMPARE(request.headers.value("charsets"), QByteArray("utf-8"));
    QCOMPARE(request.headers.value("user-agent"), QByteArray("TVP"));
    QVERIFY(!request.headers.contains("authorization"));
    QVERIFY(!request.headers.contains("cookie"));
    QCOMPARE(request.body, wire);
    // Byte for byte what servers have always logged, the header fields a
    // network library adds by itself included.
    QString language = QLocale::system().name().replace(QLatin1Char('_'), QLatin1Char('-'));
    language = language == QLatin1String("C")              ? QStringLiteral("en,*")
               : language.startsWith(QLatin1String("en-")) ? language + QStringLiteral(",*")
                                                           : language + QStringLiteral(",en,*");
    QCOMPARE(server.received, "POST " + QByteArray(loginPath) + " HTTP/1.1\r\nHost: 127.0.0.1:"
                                  + QByteArray::number(server.serverPort())
                                  + "\r\nContent-Type: text/*\r\ncharsets: utf-8\r\n"
                                    "User-Agent: TVP\r\nContent-Length: "
                                  + QByteArray::number(wire.size())
                                  + "\r\nConnection: Keep-Alive\r\nAccept-Encoding: gzip, "
                                    "deflate\r\nAccept-Language: "
                                  + language.toLatin1() + "\r\n\r\n" + wire);

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
    QVERIFY(answers.wait(TestLimits::waitMs));
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
    const QString url =
        refused ? QStringLiteral("https://127.0.0.1:%1").arg(closedPort()) : baseUrl();

    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    client.post(url, QStringLiteral("bob"), QStringLiteral("pw"));
    QVERIFY(errors.wait(TestLimits::waitMs));
    QTest::qWait(100);
    QCOMPARE(answers.count(), 0);
    QCOMPARE(errors.count(), 1);
    const QString report = errors.at(0).at(0).toString();
    QVERIFY2(report.startsWith(QLatin1Char('<') + url + QLatin1String(" bob>")),
             qPrintable(report));
    QVERIFY(report.size() > url.size() + 6);
}

void TestTcurl::certificateWaiverStaysWithTheLogin()
{
    server.status = "200 OK";
    server.body = "{}";
    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    client.post(baseUrl(), QStringLiteral("u"), QStringLiteral("p"));
    QVERIFY(answers.wait(TestLimits::waitMs));

    // Any other request of the process still refuses the same certificate.
    QNetworkAccessManager other;
    QNetworkReply *reply = other.get(QNetworkRequest(QUrl(baseUrl() + QLatin1String(loginPath))));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(TestLimits::waitMs));
    QCOMPARE(reply->error(), QNetworkReply::SslHandshakeFailedError);
    delete reply;
}

void TestTcurl::certificateTrust_data()
{
    // "authority" as what was trusted: an authority vouched for the server.
    QTest::addColumn<QString>("presented");
    QTest::addColumn<QString>("pinnedBefore");
    QTest::addColumn<tcurl::NewCertificate>("newCertificate");
    QTest::addColumn<bool>("trustAuthority");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("pinnedAfter");
    QTest::addColumn<bool>("forAnotherHost");
    // Appended to the server's key for the record made before.
    QTest::addColumn<QString>("recordKeyTail");

    const auto refuse = tcurl::NewCertificate::Refuse;
    const auto trustFirst = tcurl::NewCertificate::TrustFirst;
    QTest::newRow("pinned certificate")
        << "usual"
        << "usual" << refuse << false << true << "usual" << false << "";
    QTest::newRow("changed certificate")
        << "other"
        << "usual" << refuse << false << false << "usual" << false << "";
    QTest::newRow("changed certificate, first use trusted")
        << "other"
        << "usual" << trustFirst << false << false << "usual" << false << "";
    QTest::newRow("no pin") << "usual"
                            << "" << refuse << false << false << "" << false << "";
    QTest::newRow("no pin, first use trusted")
        << "usual"
        << "" << trustFirst << false << true << "usual" << false << "";
    QTest::newRow("vouched for by a trusted authority: recorded")
        << "vouched"
        << "" << trustFirst << true << true << "authority" << false << "";
    QTest::newRow("pinned before, now vouched for by an authority")
        << "vouched"
        << "usual" << refuse << true << true << "authority" << false << "";
    QTest::newRow("authority unknown to the client")
        << "vouched"
        << "" << refuse << false << false << "" << false << "";
    QTest::newRow("vouched for before, now self-signed, first use trusted")
        << "usual"
        << "authority" << trustFirst << true << false << "authority" << false << "";
    QTest::newRow("vouched for before, now self-signed")
        << "usual"
        << "authority" << refuse << true << false << "authority" << false << "";
    QTest::newRow("trusted authority, another host name")
        << "elsewhere"
        << "" << refuse << true << false << "" << true << "";
    // The record of host:8443 is not the one of host:844.
    QTest::newRow("record of a port that begins with the server's")
        << "usual"
        << "usual" << refuse << false << false << "" << false << "0";
}

void TestTcurl::certificateTrust()
{
    QFETCH(QString, presented);
    QFETCH(QString, pinnedBefore);
    QFETCH(tcurl::NewCertificate, newCertificate);
    QFETCH(bool, trustAuthority);
    QFETCH(bool, answered);
    QFETCH(QString, pinnedAfter);
    QFETCH(bool, forAnotherHost);
    QFETCH(QString, recordKeyTail);

    const QHash<QString, TestIdentity *> identities {{QStringLiteral("usual"), &usual},
                                                     {QStringLiteral("other"), &other},
                                                     {QStringLiteral("vouched"), &vouched},
                                                     {QStringLiteral("elsewhere"), &elsewhere}};
    QFile::remove(CertificatePins::filePath());
    if (!pinnedBefore.isEmpty())
        QVERIFY(CertificatePins::setPin(serverKey() + recordKeyTail, fingerprintOf(pinnedBefore)));
    server.identity = *identities.value(presented);

    tcurl client;
    if (trustAuthority)
        client.setExtraCaCertificates({authority.certificate});
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy refusals(&client, &tcurl::certificateRefused);
    client.post(baseUrl(), QStringLiteral("erin"), QStringLiteral("topsecret"), newCertificate);
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() + errors.count() + refusals.count() > 0, 20000);
    QTest::qWait(100);

    if (answered) {
        QCOMPARE(answers.count(), 1);
        QCOMPARE(errors.count() + refusals.count(), 0);
        QCOMPARE(server.requests.size(), 1);
    } else {
        // Ended in the handshake: not one byte of the login reached the server.
        QCOMPARE(refusals.count(), 1);
        QCOMPARE(answers.count() + errors.count(), 0);
        QCOMPARE(server.handshakes, 0);
        QVERIFY(server.received.isEmpty());
        const QList<QVariant> refusal = refusals.first();
        QVERIFY(refusal.at(0).toString().startsWith(QLatin1Char('<') + baseUrl()
                                                    + QLatin1String(" erin>")));
        QCOMPARE(refusal.at(1).toString(), serverKey());
        QCOMPARE(refusal.at(2).toString(), fingerprintOf(presented));
        QCOMPARE(refusal.at(3).toString(),
                 recordKeyTail.isEmpty() ? fingerprintOf(pinnedBefore) : QString());
        QCOMPARE(refusal.at(4).toBool(), forAnotherHost);
    }
    QCOMPARE(CertificatePins::pin(serverKey()), fingerprintOf(pinnedAfter));
}

// One client, as the tab keeps it: a certificate accepted for one login is
// not carried over to the next connection.
void TestTcurl::certificateChangeBetweenLogins()
{
    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy refusals(&client, &tcurl::certificateRefused);
    client.post(baseUrl(), QStringLiteral("ivy"), QStringLiteral("pw"));
    QVERIFY(answers.wait(TestLimits::waitMs));

    server.identity = other;
    server.clearLog();
    client.post(baseUrl(), QStringLiteral("ivy"), QStringLiteral("pw"),
                tcurl::NewCertificate::TrustFirst);
    QVERIFY(refusals.wait(TestLimits::waitMs));
    QCOMPARE(answers.count(), 1);
    QVERIFY(server.received.isEmpty());

    server.identity = usual;
    client.post(baseUrl(), QStringLiteral("ivy"), QStringLiteral("pw"));
    QVERIFY(answers.wait(TestLimits::waitMs));
    QCOMPARE(refusals.count(), 1);
    QCOMPARE(server.requests.size(), 1);
}

void TestTcurl::answerBounds_data()
{
    QTest::addColumn<LoginServer::Answer>("answer");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("timeLimitMs"); // 0: ended by the size cap

    const qint64 mebibyte = 1024 * 1024;
    QTest::newRow("answer in one-byte pieces")
        << LoginServer::Answer::BytePieces << qint64(0) << true << 0;
    QTest::newRow("chunked answer of exactly 1 MiB")
        << LoginServer::Answer::Chunked << mebibyte << true << 0;
    QTest::newRow("5 MiB announced")
        << LoginServer::Answer::AnnouncedOnly << 5 * mebibyte << false << 0;
    QTest::newRow("5 MiB chunked") << LoginServer::Answer::Chunked << 5 * mebibyte << false << 0;
    QTest::newRow("endless chunked") << LoginServer::Answer::Endless << qint64(0) << false << 0;
    QTest::newRow("never answers") << LoginServer::Answer::Never << qint64(0) << false << 1500;
    // The answer comes when the client has let the request go.
    QTest::newRow("answers just after the limit")
        << LoginServer::Answer::Late << qint64(0) << false << 1000;
}

void TestTcurl::answerBounds()
{
    QFETCH(LoginServer::Answer, answer);
    QFETCH(qint64, size);
    QFETCH(bool, answered);
    QFETCH(int, timeLimitMs);

    server.answer = answer;
    server.chunkedSize = size;
    server.announcedLength = size;
    server.lateMs = timeLimitMs + 300;
    server.body = R"({"Policies":{"JE.FullColorPrint":"ON"}})";

    // Only the rows that nothing else could end meet the time limit; the
    // others keep the usual one, which a busy machine never reaches first.
    const bool byTimeLimit = timeLimitMs > 0;
    tcurl client;
    if (byTimeLimit)
        client.setTimeLimit(timeLimitMs);
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy timeouts(&client, &tcurl::timedOut);
    const qint64 residentBefore = residentKiB();
    client.post(baseUrl(), QStringLiteral("fay"), QStringLiteral("pw"));
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() + errors.count() + timeouts.count() > 0,
                             TestLimits::waitMs);
    QTest::qWait(100);
    QVERIFY2(!residentSizeTellsWhatIsHeld || residentKiB() - residentBefore < 32 * 1024,
             qPrintable(QStringLiteral("grew by %1 KiB").arg(residentKiB() - residentBefore)));

    if (answered) {
        QCOMPARE(errors.count() + timeouts.count(), 0);
        QCOMPARE(answers.count(), 1);
        const QString report = answers.first().at(0).toString();
        if (size == 0)
            QCOMPARE(report, QLatin1Char('<') + baseUrl() + QLatin1String(" fay>") + server.body);
        else
            QCOMPARE(report.size(), baseUrl().size() + 6 + int(size));
    } else {
        QCOMPARE(answers.count(), 0);
        // Ended by the time limit only where nothing else could end it, and
        // then reported as such.
        QSignalSpy &failures = byTimeLimit ? timeouts : errors;
        QCOMPARE(errors.count() + timeouts.count(), 1);
        QCOMPARE(failures.count(), 1);
        QVERIFY(failures.first().at(0).toString().startsWith(QLatin1Char('<') + baseUrl()
                                                             + QLatin1String(" fay>")));
        QCOMPARE(failures.first().at(0).toString().mid(baseUrl().size() + 6),
                 byTimeLimit ? tcurl::tr("The server did not answer in time.")
                             : tcurl::tr("The server's answer is too large."));
        // The client let go of the connection: the server stops sending.
        const qint64 sent = server.bodyBytesSent;
        QTest::qWait(300);
        QVERIFY(server.bodyBytesSent - sent < 1024 * 1024);
        // Reported once: nothing more a second after a late answer.
        if (answer == LoginServer::Answer::Late) {
            QTRY_COMPARE_WITH_TIMEOUT(server.lateAnswers, 1, 20000);
            QTest::qWait(1000);
        }
        QCOMPARE(answers.count() + errors.count() + timeouts.count(), 1);
    }
}

void TestTcurl::everyRequestEndsOnce_data()
{
    QTest::addColumn<QByteArray>("raw"); // empty: a "102 Processing" now and then
    QTest::addColumn<bool>("holds");     // the server keeps the line open after it
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("text");  // the report after the tag
    QTest::addColumn<bool>("outlived"); // counted once the time limit has passed too

    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const QString broken = tcurl::tr("The server's answer is broken.");
    const QString tooLarge = tcurl::tr("The server's answer is too large.");
    QTest::newRow("200 with an empty body") << ok + "Content-Length: 0\r\n\r\n"
                                            << true << "answer"
                                            << "" << false;
    QTest::newRow("204") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << true << "answer"
                         << "" << false;
    QTest::newRow("one 102, then nothing")
        << QByteArray("HTTP/1.1 102 Processing\r\n\r\n") << true << "answer"
        << "" << false;
    QTest::newRow("a stream of 102s") << QByteArray() << true << "answer"
                                      << "" << false;
    QTest::newRow("two different Content-Length headers")
        << ok + "Content-Length: 40\r\nContent-Length: 5242880\r\n\r\n"
               + R"({"Policies":{"JE.FullColorPrint":"ON"}} )"
        << true << "error" << broken << false;
    QTest::newRow("a header block over 64 KiB")
        << ok + QByteArray("X-Fill: " + QByteArray(1014, 'x') + "\r\n").repeated(70)
               + "Content-Length: 2\r\n\r\n{}"
        << true << "error" << tooLarge << false;
    // qCompress's output past its length prefix is a zlib stream.
    const QByteArray policies = R"({"Policies":{"JE.FullColorPrint":"ON"}})";
    const QByteArray packed = qCompress(policies).mid(4);
    QTest::newRow("a deflate-coded answer")
        << ok + "Content-Encoding: deflate\r\nContent-Length: " + QByteArray::number(packed.size())
               + "\r\n\r\n" + packed
        << true << "answer" << QString::fromLatin1(policies) << false;
    const QByteArray bomb = qCompress(QByteArray(5 * 1024 * 1024, ' ')).mid(4);
    QTest::newRow("a deflate-coded answer that unpacks past 1 MiB")
        << ok + "Content-Encoding: deflate\r\nContent-Length: " + QByteArray::number(bomb.size())
               + "\r\n\r\n" + bomb
        << true << "error" << tooLarge << false;
    QTest::newRow("chunks beside a length")
        << ok + "Transfer-Encoding: chunked\r\nContent-Length: 2\r\n\r\n2\r\n{}\r\n0\r\n\r\n"
        << true << "error" << broken << false;
    QTest::newRow("not an HTTP answer")
        << QByteArray("SSH-2.0-server\r\n\r\n") << true << "error" << broken << false;
    // The client refuses the answer while the server's closing is on its way.
    QTest::newRow("5 MiB announced, then the line closed")
        << ok + "Content-Length: 5242880\r\n\r\n{" << false << "error" << tooLarge << false;
    // Answered: its limit passing later is no news.
    QTest::newRow("200, then the limit passes") << ok + "Content-Length: 0\r\n\r\n"
                                                << true << "answer"
                                                << "" << true;
}

void TestTcurl::everyRequestEndsOnce()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, holds);
    QFETCH(QString, outcome);
    QFETCH(QString, text);
    QFETCH(bool, outlived);
    server.answer = raw.isEmpty() ? LoginServer::Answer::Interim : LoginServer::Answer::Raw;
    server.raw = raw;
    server.rawHolds = holds;

    MessageCounter doubleErrors(QStringLiteral("this method must only be called once"));
    tcurl client;
    client.setTimeLimit(3000);
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy timeouts(&client, &tcurl::timedOut);
    client.post(baseUrl(), QStringLiteral("ida"), QStringLiteral("pw"));
    // Started after the request's own timer with the same limit: once it
    // has fired, so would the request's.
    QTimer limitPassed;
    limitPassed.setSingleShot(true);
    limitPassed.setTimerType(Qt::PreciseTimer);
    QSignalSpy passed(&limitPassed, &QTimer::timeout);
    limitPassed.start(client.timeLimit());
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() + errors.count() + timeouts.count() > 0, 20000);
    if (outlived)
        QVERIFY(passed.count() > 0 || passed.wait(TestLimits::waitMs));
    QTest::qWait(300);

    QCOMPARE(answers.count() + errors.count() + timeouts.count(), 1);
    QSignalSpy &ended = outcome == QLatin1String("answer")  ? answers
                        : outcome == QLatin1String("error") ? errors
                                                            : timeouts;
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().at(0).toString(), QLatin1Char('<') + baseUrl() + " ida>" + text);
    QCOMPARE(doubleErrors.count(), 0);
}

void TestTcurl::cancelEndsWithoutReport()
{
    server.answer = LoginServer::Answer::Never;
    tcurl client;
    client.setTimeLimit(800);
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy timeouts(&client, &tcurl::timedOut);
    client.post(baseUrl(), QStringLiteral("gus"), QStringLiteral("pw"));
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 20000);
    client.cancel();
    client.post(baseUrl(), QStringLiteral("gus"), QStringLiteral("pw2"));
    QVERIFY(timeouts.wait(TestLimits::waitMs));
    QTest::qWait(1500);
    // Only the second request timed out; the first ended without a word.
    QCOMPARE(timeouts.count(), 1);
    QCOMPARE(errors.count() + answers.count(), 0);
}

void TestTcurl::requestRightAfterCancel_data()
{
    QTest::addColumn<bool>("otherProcess");
    QTest::addColumn<QString>("pinned");
    QTest::newRow("server in this process") << false << "usual";
    QTest::newRow("server in another process, certificate pinned") << true << "usual";
    QTest::newRow("server in another process, certificate changed") << true << "other";
}

// A reload and a Verify in one event-loop turn: the second request gets its
// own certificate check, and its own question for a changed certificate.
void TestTcurl::requestRightAfterCancel()
{
    QFETCH(bool, otherProcess);
    QFETCH(QString, pinned);
    LoginServerProcess remote;
    QString url = baseUrl();
    QString key = serverKey();
    if (otherProcess) {
        QVERIFY(remote.start(dir.filePath(QStringLiteral("usual.pem")),
                             dir.filePath(QStringLiteral("usual.key")), server.body));
        key = QStringLiteral("127.0.0.1:%1").arg(remote.port());
        url = QStringLiteral("https://") + key;
    }
    QFile::remove(CertificatePins::filePath());
    QVERIFY(CertificatePins::setPin(key, fingerprintOf(pinned)));
    const auto logins = [&] {
        if (otherProcess)
            return remote.requests();
        QByteArrayList bodies;
        for (const ReceivedRequest &request : qAsConst(server.requests))
            bodies << request.body;
        return bodies;
    };

    tcurl client;
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy refusals(&client, &tcurl::certificateRefused);
    client.post(url, QStringLiteral("hal"), QStringLiteral("first"));
    client.cancel();
    client.post(url, QStringLiteral("hal"), QStringLiteral("second"));
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() + errors.count() + refusals.count() > 0, 20000);
    QTest::qWait(100);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.value(0).value(0).toString()));
    if (pinned == QLatin1String("usual")) {
        QCOMPARE(answers.count(), 1);
        QCOMPARE(refusals.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(logins().size(), 1, 20000);
        QVERIFY(logins().first().endsWith("userPWD=second"));
    } else {
        QCOMPARE(refusals.count(), 1);
        QCOMPARE(refusals.first().at(3).toString(), fingerprintOf(pinned));
        QCOMPARE(answers.count(), 0);
        QVERIFY(logins().isEmpty());
    }
}

void TestTcurl::runawayServerCostsNothing_data()
{
    QTest::addColumn<QString>("mode"); // of tls_login_server.py
    QTest::addColumn<int>("headerMiB");
    QTest::addColumn<int>("requests");
    const struct
    {
        const char *name;
        const char *mode;
        int headerMiB;
    } servers[] = {
        {"header lines without end", "lines", 0},
        {"one header line without end", "line", 0},
        {"64 MiB of header lines", "", 64},
        {"a body without end", "body", 0},
    };
    for (const auto &server : servers) {
        for (const int requests : {1, 6})
            QTest::addRow("%s, %d in a row", server.name, requests)
                << server.mode << server.headerMiB << requests;
    }
}

// Whatever a server sends, and however often it is asked: one report per
// request, the window's loop turning, and once the last report is in, no
// login thread left and the memory back.
void TestTcurl::runawayServerCostsNothing()
{
    QFETCH(QString, mode);
    QFETCH(int, headerMiB);
    QFETCH(int, requests);
    LoginServerProcess remote;
    QVERIFY(remote.start(dir.filePath(QStringLiteral("usual.pem")),
                         dir.filePath(QStringLiteral("usual.key")), server.body, headerMiB, mode));
    const QString key = QStringLiteral("127.0.0.1:%1").arg(remote.port());
    QVERIFY(CertificatePins::setPin(key, fingerprintOf(QStringLiteral("usual"))));
    const auto threads = [] {
        return QDir(QStringLiteral("/proc/self/task"))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
            .size();
    };

    int turns = 0;
    const qint64 residentBefore = residentKiB();
    qint64 residentPeak = residentBefore;
    QTimer counter;
    connect(&counter, &QTimer::timeout, this, [&] {
        ++turns;
        residentPeak = qMax(residentPeak, residentKiB());
    });
    counter.start(10);
    const int threadsBefore = threads();

    tcurl client;
    client.setTimeLimit(4000);
    QSignalSpy answers(&client, &tcurl::messageReady);
    QSignalSpy errors(&client, &tcurl::errorReady);
    QSignalSpy timeouts(&client, &tcurl::timedOut);
    const auto reports = [&] { return answers.count() + errors.count() + timeouts.count(); };
    for (int i = 1; i <= requests; ++i) {
        client.post(QStringLiteral("https://") + key, QStringLiteral("kim"), QStringLiteral("pw"));
        QTRY_COMPARE_WITH_TIMEOUT(reports(), i, TestLimits::waitMs);
    }
    const int turnsAtEnd = turns;
    QTRY_VERIFY_WITH_TIMEOUT(turns > turnsAtEnd + 30, TestLimits::waitMs);
    const auto figures = [&] {
        return QStringLiteral("peak +%1 KiB, now +%2 KiB, %3 threads (%4 before)")
            .arg(residentPeak - residentBefore)
            .arg(residentKiB() - residentBefore)
            .arg(threads())
            .arg(threadsBefore);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(
        tcurl::loginsRunning() == 0 && threads() <= threadsBefore
            && (!residentSizeTellsWhatIsHeld || residentKiB() - residentBefore < 16 * 1024),
        qPrintable(figures()), TestLimits::waitMs);
    QCOMPARE(reports(), requests);
    QCOMPARE(answers.count(), 0);
    QVERIFY2(!residentSizeTellsWhatIsHeld || residentPeak - residentBefore < 64 * 1024,
             qPrintable(figures()));
    qInfo("%s", qPrintable(figures()));
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
        return QStringList {current(QStringLiteral("SNTColorMode")),
                            current(QStringLiteral("SNTTonerlite")),
                            current(QStringLiteral("SNTDuplex"))};
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

VM_TEST_MAIN(TestTcurl)
#include "tst_tcurl.moc"
