#include "system/CertificatePins.h"

#include "system/PerUserFiles.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QSslCertificate>
#include <QUrl>

namespace {

// The key of a pin line: the text before its last "=", since a fingerprint
// never holds one while a host typed by the user might.
QByteArray lineKey(const QByteArray &line)
{
    const int equals = line.lastIndexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals);
}

QList<QByteArray> pinLines()
{
    QByteArray data;
    if (!readPerUserFile(CertificatePins::filePath(), &data))
        return {};
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

bool breaksLine(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

QString CertificatePins::fingerprint(const QSslCertificate &certificate)
{
    if (certificate.isNull())
        return QString();
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

QString CertificatePins::serverKey(const QUrl &url)
{
    return url.host() + QLatin1Char(':') + QString::number(url.port(443));
}

QString CertificatePins::filePath()
{
    return perUserDirectoryPath() + QStringLiteral("TrustedServers");
}

QString CertificatePins::pin(const QString &server)
{
    const QByteArray key = server.toUtf8();
    for (const QByteArray &line : pinLines()) {
        if (!line.isEmpty() && lineKey(line) == key)
            return QString::fromLatin1(line.mid(key.size() + 1));
    }
    return QString();
}

bool CertificatePins::setPin(const QString &server, const QString &fingerprint)
{
    if (server.isEmpty() || fingerprint.isEmpty() || breaksLine(server) || breaksLine(fingerprint)
        || fingerprint.contains(QLatin1Char('=')))
        return false;
    const QByteArray key = server.toUtf8();
    QByteArray content;
    for (const QByteArray &line : pinLines()) {
        if (!line.isEmpty() && lineKey(line) != key)
            content += line + '\n';
    }
    content += key + '=' + fingerprint.toLatin1() + '\n';
    makePerUserDirectory();
    return writePerUserFile(filePath(), content);
}
