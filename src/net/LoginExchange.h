#pragma once

#include "net/HttpAnswerReader.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class LoginExchange;
class QEventLoop;
class QSslError;
class QSslSocket;

// How a login ended, as its thread saw it.
struct LoginReport
{
    enum class Kind {
        Answer,   // `body`: the answer, capped
        Error,    // `text`: the socket's error text, or the server's error status
        Broken,   // malformed, or its length open to interpretation
        TooLarge, // the answer, headers or body, passed the cap
        Refused,  // the certificate: `server`, `fingerprint`, `pinned`, `forAnotherHost`
    };
    Kind kind = Kind::Error;
    QByteArray body;
    QString text;
    QString server;
    QString fingerprint;
    QString pinned;
    bool forAnotherHost = false;
};

// The way back from a login's thread to the thread that asked: each report
// is handed over as a queued call there, until the asking side cuts the
// line; after that nothing more arrives, whatever the login's thread still
// does. The asking side never waits for the login's thread; only the
// reverse.
class LoginLine
{
public:
    explicit LoginLine(QObject *receiver, std::function<void(const LoginReport &)> deliver);

    // From the login's thread.
    void send(const LoginReport &report);
    // From the login's thread: runs `job` on the receiver's thread and waits
    // for it. False, with `job` not run, when the line was cut first or the
    // receiver went away.
    bool runThere(std::function<void()> job);

    // From the receiver's thread: nothing more is reported, and the
    // exchange is told to stop at its thread's next turn.
    void cut();

private:
    friend class LoginExchange;
    bool isCut();
    // The exchange to tell; false when the line was cut already.
    bool attach(LoginExchange *exchange);
    void detach();

    QMutex mutex;
    QObject *receiver;
    std::function<void(const LoginReport &)> deliver;
    LoginExchange *exchange = nullptr;
};

// One login request, on a thread of its own: one TLS connection, one request
// written whole, one answer read under our own caps from its first byte
// (HttpAnswerReader), so that nothing a server sends is kept past a cap. The
// exchange ends its thread after its one report, or at once when its line
// is cut: every read is short, so a stop is never kept waiting, and the
// connection goes with it. The thread is detached: nothing waits for it,
// nothing has to be deleted after it, and the process may end while it runs.
class LoginExchange : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QUrl url;
        QSslConfiguration ssl;
        // The request line and header block, then the body, as sent.
        QByteArray head;
        QByteArray body;
        // A certificate that fails validation while nothing is recorded for
        // the server is pinned (trust on first use) rather than refused.
        bool trustFirst = false;
    };

    // The most kept of an answer: its body after decoding, and apart from it
    // the status line and headers.
    static constexpr qint64 maxAnswerSize = 1024 * 1024;
    static constexpr qint64 maxHeaderSize = 64 * 1024;

    // Starts the login on a new thread; the thread is never waited for.
    static void start(const Request &request, std::shared_ptr<LoginLine> line);

    // Exchanges whose thread has not finished yet, in the whole process.
    static int running();

    ~LoginExchange() override;

public slots:
    void slotReadyRead();
    void slotError(QAbstractSocket::SocketError error);

private:
    friend class LoginLine;
    LoginExchange(const Request &request, std::shared_ptr<LoginLine> line, QEventLoop *loop);

    // The thread's whole life.
    static void run(const Request &request, const std::shared_ptr<LoginLine> &line);
    void send();
    // Ends without a report.
    void stop();
    void checkCertificate(const QList<QSslError> &errors);
    // Whether the certificate is trusted for the server, as CertificatePins
    // tells on the asking thread, where every record is read and written.
    bool trusted(const QString &server, const QString &fingerprint, QString *pinned);
    // Once the handshake is through: records the trust, then sends.
    void sendRequest();
    void recordTrust();
    void readAnswer(HttpAnswerReader::State state);
    // Reports once, then ends the thread.
    void end(const LoginReport &report);

    Request request;
    std::shared_ptr<LoginLine> line;
    QEventLoop *loop;
    QSslSocket *socket = nullptr;
    HttpAnswerReader answer;
    bool ended = false;
    // Set when the certificate was refused.
    LoginReport refusal;
};
