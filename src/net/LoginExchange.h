#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class LoginExchange;
class QEventLoop;
class QNetworkAccessManager;
class QSslCertificate;
class QSslError;

// How a login ended, as its thread saw it.
struct LoginReport
{
    enum class Kind {
        Answer,   // `body`: the answer, capped
        Error,    // `text`: the network layer's error text
        Broken,   // the answer's length is open to interpretation
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

// One login request, on a thread of its own: its network manager is made,
// used and deleted there, so that whatever the network layer does with an
// answer -- taking in a header block of any size, say -- happens beside the
// window. The exchange ends its thread after its one report, or when its
// line is cut. The thread is detached: nothing waits for it, nothing has to
// be deleted after it, and the process may end while it runs.
class LoginExchange : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QNetworkRequest request;
        QByteArray body;
        // A certificate that fails validation while nothing is recorded for
        // the server is pinned (trust on first use) rather than refused.
        bool trustFirst = false;
    };

    // The most kept of an answer: its body, and apart from it the header
    // block as the network layer hands it over.
    static constexpr qint64 maxAnswerSize = 1024 * 1024;
    static constexpr qint64 maxHeaderSize = 64 * 1024;

    // Starts the login on a new thread; the thread is never waited for.
    static void start(const Request &request, std::shared_ptr<LoginLine> line);

    // Exchanges whose thread has not finished yet, in the whole process.
    static int running();

    ~LoginExchange() override;

public slots:
    void slotReadyRead();
    void slotError(QNetworkReply::NetworkError error);

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
    void recordTrust();
    void checkHeaders();
    void finishAnswer();
    // Reports once, then ends the thread.
    void end(const LoginReport &report);

    Request request;
    std::shared_ptr<LoginLine> line;
    QEventLoop *loop;
    QNetworkAccessManager *manager = nullptr;
    QNetworkReply *reply = nullptr;
    QByteArray body;
    bool ended = false;
    // Set when the certificate was refused.
    LoginReport refusal;
};
