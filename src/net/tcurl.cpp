#include "net/tcurl.h"

#include "net/LoginExchange.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

namespace {

const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";

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

} // namespace

QString tcurl::replyTag(const QString &baseUrl, const QString &user)
{
    return QLatin1Char('<') + baseUrl + QLatin1Char(' ') + user + QLatin1Char('>');
}

tcurl::tcurl(QObject *parent)
    : QObject(parent)
{}

tcurl::~tcurl()
{
    cancel();
}

int tcurl::loginsRunning()
{
    return LoginExchange::running();
}

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

    LoginExchange::Request exchange;
    exchange.request = request;
    exchange.body = "userID=" + formValue(user) + "&userPWD=" + formValue(password);
    exchange.trustFirst = newCertificate == NewCertificate::TrustFirst;

    const quint64 id = ++lastId;
    Pending &entry = pending[id];
    entry.tag = replyTag(baseUrl, user);
    entry.line = std::make_shared<LoginLine>(
        this, [this, id](const LoginReport &report) { deliver(id, report); });
    entry.timer = new QTimer(this);
    entry.timer->setSingleShot(true);
    entry.timer->setTimerType(Qt::PreciseTimer);
    connect(entry.timer, &QTimer::timeout, this, [this, id] {
        const auto found = pending.constFind(id);
        if (found == pending.constEnd())
            return;
        const QString tag = found->tag;
        drop(id);
        emit timedOut(tag + tr("The server did not answer in time."));
    });
    entry.timer->start(limit);
    LoginExchange::start(exchange, entry.line);
}

void tcurl::cancel()
{
    const QList<quint64> ids = pending.keys();
    for (const quint64 id : ids)
        drop(id);
}

void tcurl::deliver(quint64 id, const LoginReport &report)
{
    const auto found = pending.constFind(id);
    // Let go meanwhile: the report was on its way.
    if (found == pending.constEnd())
        return;
    const QString tag = found->tag;
    drop(id);
    switch (report.kind) {
    case LoginReport::Kind::Answer: {
        QByteArray body = report.body;
        const int nul = body.indexOf('\0');
        if (nul >= 0)
            body.truncate(nul);
        emit messageReady(tag + QString::fromUtf8(body));
        break;
    }
    case LoginReport::Kind::Error:
        emit errorReady(tag + report.text);
        break;
    case LoginReport::Kind::Broken:
        emit errorReady(tag + tr("The server's answer is broken."));
        break;
    case LoginReport::Kind::TooLarge:
        emit errorReady(tag + tr("The server's answer is too large."));
        break;
    case LoginReport::Kind::Refused:
        emit certificateRefused(tag + tr("The server's certificate is not trusted."), report.server,
                                report.fingerprint, report.pinned, report.forAnotherHost);
        break;
    }
}

void tcurl::drop(quint64 id)
{
    const auto found = pending.find(id);
    if (found == pending.end())
        return;
    const Pending entry = *found;
    pending.erase(found);
    // Nothing of this request is reported after this point. Its thread
    // stops at its next turn and goes by itself; one that the network layer
    // keeps busy is not waited for.
    entry.line->cut();
    entry.timer->stop();
    entry.timer->deleteLater();
}
