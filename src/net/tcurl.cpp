#include "net/tcurl.h"

#include "system/CertificatePins.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>
#include <QUrl>

namespace {

const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";

// What the network layer may hold for a reply before the client reads it;
// the client reads on every notification, so this only bounds bursts.
const qint64 readBufferSize = 64 * 1024;

// A form value as the server expects it: the bytes that would cut or alter
// the form ("%", "&", "=", "+") escaped, everything else -- blanks and UTF-8
// letters included -- sent as it is.
QByteArray formValue(const QString &value)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = value.toUtf8();
    QByteArray encoded;
    encoded.reserve(bytes.size());
    for (const char byte : bytes) {
        if (byte == '%' || byte == '&' || byte == '=' || byte == '+') {
            encoded += '%';
            encoded += hex[(uchar(byte) >> 4) & 0xF];
            encoded += hex[uchar(byte) & 0xF];
        } else {
            encoded += byte;
        }
    }
    return encoded;
}

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

} // namespace

QString tcurl::replyTag(const QString &baseUrl, const QString &user)
{
    return QLatin1Char('<') + baseUrl + QLatin1Char(' ') + user + QLatin1Char('>');
}

tcurl::tcurl(QObject *parent)
    : QObject(parent)
{}

void tcurl::setTimeLimit(int milliseconds)
{
    limit = milliseconds;
}

void tcurl::setExtraCaCertificates(const QList<QSslCertificate> &certificates)
{
    extraCaCertificates = certificates;
}

void tcurl::post(const QString &baseUrl, const QString &user, const QString &password,
                 NewCertificate newCertificate)
{
    QNetworkRequest request;
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/*"));
    request.setRawHeader("charsets", "utf-8");
    request.setRawHeader("User-Agent", "TVP");
    request.setUrl(QUrl(baseUrl + QLatin1String(loginPath), QUrl::TolerantMode));
    if (!extraCaCertificates.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates(QSslConfiguration::systemCaCertificates() + extraCaCertificates);
        request.setSslConfiguration(ssl);
    }

    const QByteArray body = "userID=" + formValue(user) + "&userPWD=" + formValue(password);

    // A manager of its own for every request. The network layer keeps one
    // connection per server for all requests of a manager, hands its
    // certificate check to whichever request waits first -- one just
    // cancelled included -- and fails every waiting request when the
    // handshake fails; so a request posted right after a cancel could end
    // with the cancelled one's refusal, never asked about its own.
    auto *manager = new QNetworkAccessManager(this);
    QNetworkReply *reply = manager->post(request, body);
    reply->setObjectName(replyTag(baseUrl, user));
    reply->setReadBufferSize(readBufferSize);

    Exchange &exchange = pending[reply];
    exchange.newCertificate = newCertificate;
    exchange.timer = new QTimer(reply);
    exchange.timer->setSingleShot(true);
    exchange.timer->setTimerType(Qt::PreciseTimer);
    connect(exchange.timer, &QTimer::timeout, this, [this, reply] {
        if (!pending.contains(reply))
            return;
        const QString tag = reply->objectName();
        drop(reply);
        emit timedOut(tag + tr("The server did not answer in time."));
    });
    exchange.timer->start(limit);

    connect(reply, &QNetworkReply::readyRead, this, &tcurl::slotReadyRead);
    connect(reply, &QNetworkReply::errorOccurred, this, &tcurl::slotError);
    connect(reply, &QNetworkReply::metaDataChanged, this,
            [this, reply] { checkAnnouncedLength(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finishAnswer(reply); });
    // Decided before the handshake ends, so a refused server never sees the
    // form.
    connect(reply, &QNetworkReply::sslErrors, this,
            [this, reply](const QList<QSslError> &errors) { checkCertificate(reply, errors); });
    // Before the form is sent as well, so that it is recorded for every
    // server that could have received the password.
    connect(reply, &QNetworkReply::encrypted, this, [this, reply] { recordTrust(reply); });
}

void tcurl::cancel()
{
    const QList<QNetworkReply *> replies = pending.keys();
    for (QNetworkReply *reply : replies)
        drop(reply);
}

void tcurl::checkCertificate(QNetworkReply *reply, const QList<QSslError> &errors)
{
    auto found = pending.find(reply);
    if (found == pending.end())
        return;
    QSslCertificate leaf = reply->sslConfiguration().peerCertificate();
    for (int i = 0; leaf.isNull() && i < errors.size(); ++i)
        leaf = errors.at(i).certificate();

    const QString server = CertificatePins::serverKey(reply->url());
    const QString fingerprint = CertificatePins::fingerprint(leaf);
    const QString pinned = CertificatePins::pin(server);
    if (!fingerprint.isEmpty()) {
        // Only these errors, of this certificate: a later connection with
        // another certificate is checked anew.
        if (fingerprint == pinned) {
            reply->ignoreSslErrors(errors);
            return;
        }
        if (pinned.isEmpty() && found->newCertificate == NewCertificate::TrustFirst
            && CertificatePins::setPin(server, fingerprint)) {
            reply->ignoreSslErrors(errors);
            return;
        }
    }
    // Not ignored: the handshake fails and slotError reports the refusal.
    found->server = server;
    found->fingerprint = fingerprint;
    found->pinned = pinned;
    found->forAnotherHost = onlyForAnotherHost(errors);
}

void tcurl::recordTrust(QNetworkReply *reply)
{
    if (!pending.contains(reply))
        return;
    const QString fingerprint =
        CertificatePins::fingerprint(reply->sslConfiguration().peerCertificate());
    if (fingerprint.isEmpty())
        return;
    const QString server = CertificatePins::serverKey(reply->url());
    const QString record = CertificatePins::pin(server);
    // A pinned certificate (or one just trusted on first use) is recorded
    // already; any other passed validation.
    if (record != fingerprint && record != CertificatePins::authorityRecord())
        CertificatePins::setAuthority(server);
}

void tcurl::checkAnnouncedLength(QNetworkReply *reply)
{
    if (!pending.contains(reply))
        return;
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
            fail(reply, tr("The server's answer is broken."));
            return;
        }
        length = one;
    }
    if (length > maxAnswerSize)
        fail(reply, tr("The server's answer is too large."));
}

void tcurl::slotReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    auto found = pending.find(reply);
    if (!reply || found == pending.end())
        return;
    // Read as it arrives, so that the network layer never holds much.
    const qint64 room = maxAnswerSize - found->body.size();
    found->body += reply->read(room + 1);
    if (found->body.size() > maxAnswerSize)
        fail(reply, tr("The server's answer is too large."));
}

void tcurl::finishAnswer(QNetworkReply *reply)
{
    if (!pending.contains(reply))
        return;
    if (reply->error() != QNetworkReply::NoError) {
        // errorOccurred came first and reported it; this only tidies up.
        drop(reply);
        return;
    }
    // What came with the end of the reply.
    Exchange &exchange = pending[reply];
    exchange.body += reply->read(maxAnswerSize - exchange.body.size() + 1);
    if (exchange.body.size() > maxAnswerSize) {
        fail(reply, tr("The server's answer is too large."));
        return;
    }
    // An answer without a body (204, or an interim 1xx that the network
    // layer takes for the end) still ends the request: the tag alone.
    QByteArray body = pending.value(reply).body;
    drop(reply);
    const int nul = body.indexOf('\0');
    if (nul >= 0)
        body.truncate(nul);
    emit messageReady(reply->objectName() + QString::fromUtf8(body));
}

void tcurl::slotError(QNetworkReply::NetworkError error)
{
    Q_UNUSED(error);
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || !pending.contains(reply))
        return;
    const Exchange exchange = pending.value(reply);
    const QString tag = reply->objectName();
    const QString errorText = reply->errorString();
    drop(reply);
    if (!exchange.server.isEmpty())
        emit certificateRefused(tag + tr("The server's certificate is not trusted."),
                                exchange.server, exchange.fingerprint, exchange.pinned,
                                exchange.forAnotherHost);
    else
        emit errorReady(tag + errorText);
}

void tcurl::fail(QNetworkReply *reply, const QString &reason)
{
    if (!pending.contains(reply))
        return;
    const QString tag = reply->objectName();
    drop(reply);
    emit errorReady(tag + reason);
}

void tcurl::drop(QNetworkReply *reply)
{
    const auto found = pending.find(reply);
    if (found == pending.end())
        return;
    found->timer->stop();
    pending.erase(found);
    // Nothing of this reply is reported after this point.
    disconnect(reply, nullptr, this, nullptr);
    // Deleting the reply ends its transfer without a word. abort() would set
    // "canceled" as its error, and the failure that the network layer may
    // already have on its way (the server closing on a refused answer)
    // would then be reported on it a second time. The request's manager
    // goes with it.
    reply->deleteLater();
    reply->manager()->deleteLater();
}
