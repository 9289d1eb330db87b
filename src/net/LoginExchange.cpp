#include "net/LoginExchange.h"

#include "system/CertificatePins.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QSslConfiguration>
#include <QSslError>

#include <atomic>
#include <future>
#include <thread>

namespace {

std::atomic<int> runningExchanges {0};

// What the network layer may hold of a body before the exchange reads it;
// it reads on every notification, so this only bounds bursts.
const qint64 readBufferSize = 64 * 1024;

// The certificate is sound and vouched for, only not for this host name.
bool onlyForAnotherHost(const QList<QSslError> &errors)
{
    if (errors.isEmpty())
        return false;
    for (const QSslError &error : errors) {
        if (error.error() != QSslError::HostNameMismatch)
            return false;
    }
    return true;
}

LoginReport reportOf(LoginReport::Kind kind)
{
    LoginReport report;
    report.kind = kind;
    return report;
}

} // namespace

LoginLine::LoginLine(QObject *receiver, std::function<void(const LoginReport &)> deliver)
    : receiver(receiver)
    , deliver(std::move(deliver))
{}

void LoginLine::send(const LoginReport &report)
{
    QMutexLocker lock(&mutex);
    if (!receiver)
        return;
    // Posted while the line is held, so the receiver cannot go away in
    // between; a call still queued when it does goes with it.
    const std::function<void(const LoginReport &)> call = deliver;
    QMetaObject::invokeMethod(
        receiver, [call, report] { call(report); }, Qt::QueuedConnection);
}

bool LoginLine::runThere(std::function<void()> job)
{
    // Only the posted call holds the promise: if the call is dropped with
    // its receiver, the promise breaks and the wait ends.
    auto ran = std::make_shared<std::promise<bool>>();
    std::future<bool> answer = ran->get_future();
    {
        QMutexLocker lock(&mutex);
        if (!receiver)
            return false;
        QMetaObject::invokeMethod(
            receiver,
            [this, job, ran] {
                if (isCut()) {
                    ran->set_value(false);
                    return;
                }
                job();
                ran->set_value(true);
            },
            Qt::QueuedConnection);
        ran.reset();
    }
    try {
        return answer.get();
    } catch (const std::future_error &) {
        return false;
    }
}

bool LoginLine::isCut()
{
    QMutexLocker lock(&mutex);
    return !receiver;
}

void LoginLine::cut()
{
    QMutexLocker lock(&mutex);
    receiver = nullptr;
    deliver = nullptr;
    // Posted while the line is held: the exchange detaches under it before
    // it goes, and a call still queued then goes with it.
    if (exchange) {
        LoginExchange *target = exchange;
        QMetaObject::invokeMethod(
            target, [target] { target->stop(); }, Qt::QueuedConnection);
    }
}

bool LoginLine::attach(LoginExchange *to)
{
    QMutexLocker lock(&mutex);
    if (!receiver)
        return false;
    exchange = to;
    return true;
}

void LoginLine::detach()
{
    QMutexLocker lock(&mutex);
    exchange = nullptr;
}

void LoginExchange::start(const Request &request, std::shared_ptr<LoginLine> line)
{
    ++runningExchanges;
    std::thread([request, line] { run(request, line); }).detach();
}

void LoginExchange::run(const Request &request, const std::shared_ptr<LoginLine> &line)
{
    {
        QEventLoop loop;
        LoginExchange exchange(request, line, &loop);
        if (line->attach(&exchange)) {
            exchange.send();
            loop.exec();
        }
    }
    // What the network layer left to be deleted later: this thread has no
    // later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    --runningExchanges;
}

int LoginExchange::running()
{
    return runningExchanges.load();
}

LoginExchange::LoginExchange(const Request &request, std::shared_ptr<LoginLine> line,
                             QEventLoop *loop)
    : request(request)
    , line(std::move(line))
    , loop(loop)
{}

LoginExchange::~LoginExchange()
{
    line->detach();
    // Deleting the reply ends its transfer without a word; the manager waits
    // for its own network thread here, on this one.
    if (reply) {
        disconnect(reply, nullptr, this, nullptr);
        delete reply;
    }
    delete manager;
}

void LoginExchange::send()
{
    // A manager of its own for every request. The network layer keeps one
    // connection per server for all requests of a manager, hands its
    // certificate check to whichever request waits first -- one just
    // cancelled included -- and fails every waiting request when the
    // handshake fails; so a request posted right after a cancel could end
    // with the cancelled one's refusal, never asked about its own.
    manager = new QNetworkAccessManager(this);
    reply = manager->post(request.request, request.body);
    reply->setReadBufferSize(readBufferSize);

    connect(reply, &QNetworkReply::readyRead, this, &LoginExchange::slotReadyRead);
    connect(reply, &QNetworkReply::errorOccurred, this, &LoginExchange::slotError);
    connect(reply, &QNetworkReply::metaDataChanged, this, &LoginExchange::checkHeaders);
    connect(reply, &QNetworkReply::finished, this, &LoginExchange::finishAnswer);
    // Decided before the handshake ends, so a refused server never sees the
    // form.
    connect(reply, &QNetworkReply::sslErrors, this, &LoginExchange::checkCertificate);
    // Before the form is sent as well, so that it is recorded for every
    // server that could have received the password.
    connect(reply, &QNetworkReply::encrypted, this, &LoginExchange::recordTrust);
}

void LoginExchange::checkCertificate(const QList<QSslError> &errors)
{
    if (ended)
        return;
    QSslCertificate leaf = reply->sslConfiguration().peerCertificate();
    for (int i = 0; leaf.isNull() && i < errors.size(); ++i)
        leaf = errors.at(i).certificate();

    const QString server = CertificatePins::serverKey(reply->url());
    const QString fingerprint = CertificatePins::fingerprint(leaf);
    QString pinned;
    if (trusted(server, fingerprint, &pinned)) {
        // Only these errors, of this certificate: a later connection with
        // another certificate is checked anew.
        reply->ignoreSslErrors(errors);
        return;
    }
    // Not ignored: the handshake fails and slotError reports the refusal.
    refusal.kind = LoginReport::Kind::Refused;
    refusal.server = server;
    refusal.fingerprint = fingerprint;
    refusal.pinned = pinned;
    refusal.forAnotherHost = onlyForAnotherHost(errors);
}

bool LoginExchange::trusted(const QString &server, const QString &fingerprint, QString *pinned)
{
    bool trust = false;
    const bool trustFirst = request.trustFirst;
    line->runThere([&] {
        *pinned = CertificatePins::pin(server);
        if (fingerprint.isEmpty())
            return;
        trust =
            fingerprint == *pinned
            || (pinned->isEmpty() && trustFirst && CertificatePins::setPin(server, fingerprint));
    });
    return trust;
}

void LoginExchange::recordTrust()
{
    if (ended)
        return;
    const QString fingerprint =
        CertificatePins::fingerprint(reply->sslConfiguration().peerCertificate());
    if (fingerprint.isEmpty())
        return;
    const QString server = CertificatePins::serverKey(reply->url());
    line->runThere([&] {
        const QString record = CertificatePins::pin(server);
        // A pinned certificate (or one just trusted on first use) is
        // recorded already; any other passed validation.
        if (record != fingerprint && record != CertificatePins::authorityRecord())
            CertificatePins::setAuthority(server);
    });
}

void LoginExchange::checkHeaders()
{
    if (ended)
        return;
    // The network layer has taken in the whole header block by now; what is
    // kept of it is bounded here.
    qint64 headerSize = 0;
    for (const QNetworkReply::RawHeaderPair &header : reply->rawHeaderPairs())
        headerSize += header.first.size() + header.second.size() + 4;
    if (headerSize > maxHeaderSize) {
        end(reportOf(LoginReport::Kind::TooLarge));
        return;
    }

    // Repeated headers come joined by ", ". The network layer would go by
    // the first length, while a proxy on the way might take another: an
    // answer whose end is open to interpretation is no answer.
    const QByteArray announced = reply->rawHeader("Content-Length");
    if (announced.isEmpty())
        return;
    qint64 length = -1;
    for (const QByteArray &value : announced.split(',')) {
        bool ok = false;
        const qint64 one = value.trimmed().toLongLong(&ok);
        if (!ok || one < 0 || (length >= 0 && one != length)) {
            end(reportOf(LoginReport::Kind::Broken));
            return;
        }
        length = one;
    }
    if (length > maxAnswerSize)
        end(reportOf(LoginReport::Kind::TooLarge));
}

void LoginExchange::slotReadyRead()
{
    if (ended)
        return;
    // Read as it arrives, so that the network layer never holds much.
    body += reply->read(maxAnswerSize - body.size() + 1);
    if (body.size() > maxAnswerSize)
        end(reportOf(LoginReport::Kind::TooLarge));
}

void LoginExchange::finishAnswer()
{
    if (ended)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        slotError(reply->error());
        return;
    }
    // What came with the end of the reply.
    slotReadyRead();
    if (ended)
        return;
    // An answer without a body (204, or an interim 1xx that the network
    // layer takes for the end) still ends the request.
    LoginReport answer = reportOf(LoginReport::Kind::Answer);
    answer.body = body;
    end(answer);
}

void LoginExchange::slotError(QNetworkReply::NetworkError error)
{
    Q_UNUSED(error);
    if (ended)
        return;
    if (refusal.kind == LoginReport::Kind::Refused) {
        end(refusal);
        return;
    }
    LoginReport failure = reportOf(LoginReport::Kind::Error);
    failure.text = reply->errorString();
    end(failure);
}

void LoginExchange::end(const LoginReport &report)
{
    if (ended)
        return;
    ended = true;
    line->send(report);
    // Nothing of this reply is handled after this point. The reply goes with
    // the exchange as the thread finishes: deleting it here could pull it
    // from under the signal that called.
    disconnect(reply, nullptr, this, nullptr);
    loop->quit();
}

void LoginExchange::stop()
{
    ended = true;
    if (reply)
        disconnect(reply, nullptr, this, nullptr);
    loop->quit();
}
