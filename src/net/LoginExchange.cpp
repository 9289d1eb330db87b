#include "net/LoginExchange.h"

#include "system/CertificatePins.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QMutexLocker>
#include <QSslError>
#include <QSslSocket>

#include <atomic>
#include <future>
#include <thread>

namespace {

std::atomic<int> runningExchanges {0};

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
            // From within the loop: a socket may fail at once, and a quit
            // before exec() would be lost.
            QMetaObject::invokeMethod(
                &exchange, [&exchange] { exchange.send(); }, Qt::QueuedConnection);
            loop.exec();
        }
    }
    // What the socket left to be deleted later: this thread has no later.
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
    , answer(maxHeaderSize, maxAnswerSize)
{}

LoginExchange::~LoginExchange()
{
    line->detach();
    if (socket) {
        disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
}

void LoginExchange::send()
{
    socket = new QSslSocket(this);
    socket->setSslConfiguration(request.ssl);
    // What the socket takes in before it is read; it is read on every
    // notification, so this only bounds bursts.
    socket->setReadBufferSize(readBufferSize);

    connect(socket, &QSslSocket::readyRead, this, &LoginExchange::slotReadyRead);
    connect(socket, &QAbstractSocket::errorOccurred, this, &LoginExchange::slotError);
    // Decided before the handshake ends, so a refused server never sees the
    // form.
    connect(socket, qOverload<const QList<QSslError> &>(&QSslSocket::sslErrors), this,
            &LoginExchange::checkCertificate);
    connect(socket, &QSslSocket::encrypted, this, &LoginExchange::sendRequest);
    // The host name, as the user gave it, is the one the certificate must
    // name.
    socket->connectToHostEncrypted(request.url.host(), quint16(request.url.port(443)));
}

void LoginExchange::checkCertificate(const QList<QSslError> &errors)
{
    if (ended)
        return;
    QSslCertificate leaf = socket->peerCertificate();
    for (int i = 0; leaf.isNull() && i < errors.size(); ++i)
        leaf = errors.at(i).certificate();

    const QString server = CertificatePins::serverKey(request.url);
    const QString fingerprint = CertificatePins::fingerprint(leaf);
    QString pinned;
    if (trusted(server, fingerprint, &pinned)) {
        // Only these errors, of this certificate, on this connection.
        socket->ignoreSslErrors(errors);
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

void LoginExchange::sendRequest()
{
    if (ended)
        return;
    // Before the form is sent, so that it is recorded for every server that
    // could have received the password.
    recordTrust();
    if (ended || line->isCut())
        return;
    socket->write(request.head + request.body);
}

void LoginExchange::recordTrust()
{
    const QString fingerprint = CertificatePins::fingerprint(socket->peerCertificate());
    if (fingerprint.isEmpty())
        return;
    const QString server = CertificatePins::serverKey(request.url);
    line->runThere([&] {
        const QString record = CertificatePins::pin(server);
        // A pinned certificate (or one just trusted on first use) is
        // recorded already; any other passed validation.
        if (record != fingerprint && record != CertificatePins::authorityRecord())
            CertificatePins::setAuthority(server);
    });
}

void LoginExchange::slotReadyRead()
{
    if (ended)
        return;
    // A piece at a time, each no larger than what the socket may hold: a
    // stop between two notifications is taken at once.
    HttpAnswerReader::State state = answer.state();
    while (state == HttpAnswerReader::State::Reading && socket->bytesAvailable() > 0)
        state = answer.feed(socket->read(readBufferSize));
    readAnswer(state);
}

void LoginExchange::readAnswer(HttpAnswerReader::State state)
{
    switch (state) {
    case HttpAnswerReader::State::Reading:
        return;
    case HttpAnswerReader::State::Broken:
        end(reportOf(LoginReport::Kind::Broken));
        return;
    case HttpAnswerReader::State::TooLarge:
        end(reportOf(LoginReport::Kind::TooLarge));
        return;
    case HttpAnswerReader::State::Cut: {
        LoginReport failure = reportOf(LoginReport::Kind::Error);
        failure.text = socket->errorString();
        end(failure);
        return;
    }
    case HttpAnswerReader::State::Done:
        break;
    }
    if (answer.status() >= 400) {
        LoginReport failure = reportOf(LoginReport::Kind::Error);
        failure.text = tr("The server answered %1 %2.")
                           .arg(answer.status())
                           .arg(QString::fromLatin1(answer.reason()));
        end(failure);
        return;
    }
    LoginReport report = reportOf(LoginReport::Kind::Answer);
    report.body = answer.body();
    end(report);
}

void LoginExchange::slotError(QAbstractSocket::SocketError error)
{
    if (ended)
        return;
    if (refusal.kind == LoginReport::Kind::Refused) {
        end(refusal);
        return;
    }
    // The server's closing ends an answer that runs to the end of the
    // stream, after what came with it.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        slotReadyRead();
        if (!ended)
            readAnswer(answer.finish());
        return;
    }
    LoginReport failure = reportOf(LoginReport::Kind::Error);
    failure.text = socket->errorString();
    end(failure);
}

void LoginExchange::end(const LoginReport &report)
{
    if (ended)
        return;
    ended = true;
    line->send(report);
    stop();
}

void LoginExchange::stop()
{
    ended = true;
    // The connection goes now, whatever the server still sends; the socket
    // itself goes with the exchange, outside the signal that called.
    if (socket) {
        disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
    loop->quit();
}
