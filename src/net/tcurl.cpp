#include "net/tcurl.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslError>
#include <QUrl>

namespace {

const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";

// A form value with everything but unreserved characters percent-encoded,
// so that "&", "=", "+" or "%" in a password cannot cut or alter the field.
QByteArray formValue(const QString &value)
{
    return QUrl::toPercentEncoding(value);
}

QString replyTag(const QString &baseUrl, const QString &user)
{
    return QLatin1Char('<') + baseUrl + QLatin1Char(' ') + user + QLatin1Char('>');
}

} // namespace

tcurl::tcurl(QObject *parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{
}

void tcurl::post(const QString &baseUrl, const QString &user, const QString &password)
{
    QNetworkRequest request;
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/*"));
    request.setRawHeader("charsets", "utf-8");
    request.setRawHeader("User-Agent", "TVP");
    request.setUrl(QUrl(baseUrl + QLatin1String(loginPath), QUrl::TolerantMode));

    const QByteArray body = "userID=" + formValue(user) + "&userPWD=" + formValue(password);

    QNetworkReply *reply = manager->post(request, body);
    reply->setObjectName(replyTag(baseUrl, user));

    // The whole answer is read once the reply has finished: a body may
    // arrive in several pieces, and a cut one would parse as no policies.
    connect(reply, SIGNAL(finished()), this, SLOT(slotReadyRead()));
    connect(reply, SIGNAL(errorOccurred(QNetworkReply::NetworkError)), this,
            SLOT(slotError(QNetworkReply::NetworkError)));
    // The server is the user's own print-management server, commonly with a
    // self-signed certificate, so certificate errors are waived -- for this
    // one reply only; every other connection of the process verifies as usual.
    connect(reply, &QNetworkReply::sslErrors, reply,
            [reply](const QList<QSslError> &errors) { reply->ignoreSslErrors(errors); });
}

void tcurl::slotReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    // A failure was reported by slotError already.
    if (reply->error() != QNetworkReply::NoError)
        return;

    QByteArray body = reply->readAll();
    // An answer without a body is no answer.
    if (body.isEmpty())
        return;
    const int nul = body.indexOf('\0');
    if (nul >= 0)
        body.truncate(nul);
    emit messageReady(reply->objectName() + QString::fromUtf8(body));
}

void tcurl::slotError(QNetworkReply::NetworkError error)
{
    Q_UNUSED(error);
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    emit errorReady(reply->objectName() + reply->errorString());
}
