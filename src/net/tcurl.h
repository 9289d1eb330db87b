#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>

#include <memory>

class LoginLine;
struct LoginReport;
class QTimer;

// Sends print-management logins over HTTPS. Each request's answer or failure
// comes back later as a signal whose text begins with a reply tag,
// "<" + base URL + " " + user + ">", so that the receiver can tell an answer
// to the current fields from one to an older request. The client shows
// nothing itself.
//
// A server whose certificate no known authority vouches for gets the login
// only when the certificate is the one pinned for its host and port
// (CertificatePins); otherwise the connection ends in the handshake, before
// anything of the form is sent, and certificateRefused() reports it. Every
// handshake that succeeds records how the server was trusted, so that a
// server an authority vouched for is never trusted on first use later.
//
// Every request ends in exactly one report -- an answer, an error, a
// refusal or the time limit -- unless cancel() ends it first.
//
// The network work of each request runs on a thread of its own
// (LoginExchange), which reads the answer under the caps as it arrives; the
// time limit, cancel() and every report stay on the client's thread. A
// request that passes its limit or is cancelled is forgotten at once: its
// thread closes the connection and ends at its next turn, and nothing
// waits for it, not the client's destructor, nor the end of the process.
class tcurl : public QObject
{
    Q_OBJECT

public:
    // What a request does with a certificate that fails validation while
    // nothing is recorded for the server.
    enum class NewCertificate {
        Refuse,     // report it through certificateRefused()
        TrustFirst, // pin it and go on (trust on first use)
    };

    static constexpr int defaultTimeLimit = 30000;

    explicit tcurl(QObject *parent = nullptr);
    // Lets every pending request go, without a report and without waiting.
    ~tcurl() override;

    // The tag that every report of a request for baseUrl and user begins
    // with.
    static QString replyTag(const QString &baseUrl, const QString &user);

    // Posts the login to baseUrl ("https://server:port") and returns at once.
    // Nothing is checked: empty values are sent as they are.
    void post(const QString &baseUrl, const QString &user, const QString &password,
              NewCertificate newCertificate = NewCertificate::Refuse);

    // Ends every pending request without a report.
    void cancel();

    // Milliseconds after which a request that has not finished ends through
    // timedOut().
    void setTimeLimit(int milliseconds);
    int timeLimit() const { return limit; }

    // Authorities trusted beside the system's, for servers with a
    // certificate of a private authority.
    void setExtraCaCertificates(const QList<QSslCertificate> &certificates);

    // Requests of the whole process whose thread has not finished yet,
    // including those already let go: what an exit would cut short.
    static int loginsRunning();

signals:
    // Tag + the answer body (up to its first NUL); an answer without a body
    // gives the tag alone.
    void messageReady(QString message);
    // Tag + the socket's error text, the server's error status, or why the
    // client ended it.
    void errorReady(QString message);
    // Tag + a short reason: the server's certificate failed validation and
    // is not pinned for server ("host:port"); `pinned` is the server's
    // record before (CertificatePins::pin), empty when there was none.
    // `forAnotherHost`: a trusted authority vouches for the certificate, but
    // for another host name. Nothing was sent.
    void certificateRefused(QString message, QString server, QString fingerprint, QString pinned,
                            bool forAnotherHost);
    // Tag + why: the server did not answer within the time limit.
    void timedOut(QString message);

private:
    struct Pending
    {
        QString tag;
        QTimer *timer = nullptr;
        std::shared_ptr<LoginLine> line;
    };

    void deliver(quint64 id, const LoginReport &report);
    // Ends the request and forgets it; no report follows.
    void drop(quint64 id);

    QHash<quint64, Pending> pending;
    quint64 lastId = 0;
    int limit = defaultTimeLimit;
    QList<QSslCertificate> extraCaCertificates;
};
