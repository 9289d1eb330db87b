#include "net/tcurl.h"

#include "net/LoginExchange.h"

#include <QByteArray>
#include <QHostAddress>
#include <QLocale>
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

// The Host field: an IPv6 address in brackets, a name in its ASCII form, the
// port only when the address names one.
QByteArray hostField(const QUrl &url)
{
    const QString host = url.host();
    const QHostAddress address(host);
    QByteArray field = address.protocol() == QAbstractSocket::IPv6Protocol
                           ? '[' + host.toLatin1() + ']'
                       : address.isNull() ? QUrl::toAce(host)
                                          : host.toLatin1();
    if (url.port() != -1)
        field += ':' + QByteArray::number(url.port());
    return field;
}

// The languages the login has always offered: the system's, then any.
QByteArray acceptLanguage()
{
    const QString locale = QLocale::system().name().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (locale == QLatin1String("C"))
        return "en,*";
    if (locale.startsWith(QLatin1String("en-")))
        return locale.toLatin1() + ",*";
    return locale.toLatin1() + ",en,*";
}

// The request line and header block, field by field and in the order that
// servers have always received.
QByteArray requestHead(const QUrl &url, int bodySize)
{
    QUrl target = url;
    if (target.path().isEmpty())
        target.setPath(QStringLiteral("/"));
    const QByteArray path =
        target.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment
                         | QUrl::NormalizePathSegments | QUrl::FullyEncoded);
    return "POST " + path + " HTTP/1.1\r\n" + "Host: " + hostField(url) + "\r\n"
           + "Content-Type: text/*\r\n"
             "charsets: utf-8\r\n"
             "User-Agent: TVP\r\n"
             "Content-Length: "
           + QByteArray::number(bodySize) + "\r\n"
           + "Connection: Keep-Alive\r\n"
             "Accept-Encoding: gzip, deflate\r\n"
             "Accept-Language: "
           + acceptLanguage() + "\r\n\r\n";
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
    LoginExchange::Request exchange;
    exchange.url = QUrl(baseUrl + QLatin1String(loginPath), QUrl::TolerantMode);
    exchange.ssl = QSslConfiguration::defaultConfiguration();
    if (!extraCaCertificates.isEmpty())
        exchange.ssl.setCaCertificates(QSslConfiguration::systemCaCertificates()
                                       + extraCaCertificates);
    exchange.ssl.setAllowedNextProtocols({QSslConfiguration::NextProtocolHttp1_1});
    exchange.body = "userID=" + formValue(user) + "&userPWD=" + formValue(password);
    exchange.head = requestHead(exchange.url, exchange.body.size());
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
    // closes the connection at its next turn and goes by itself, not waited
    // for.
    entry.line->cut();
    entry.timer->stop();
    entry.timer->deleteLater();
}
