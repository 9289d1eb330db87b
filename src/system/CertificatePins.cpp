#include "system/CertificatePins.h"

#include "system/PerUserFiles.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QSslCertificate>
#include <QUrl>

#include <cerrno>

#include <sys/stat.h>

namespace {

// The key of a pin line: the text before its last "=", since a fingerprint
// never holds one while a host typed by the user might.
QByteArray lineKey(const QByteArray &line)
{
    const int equals = line.lastIndexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals);
}

enum class Records {
    None,    // no file: nothing was ever recorded
    Read,    // the file, read as trusted
    Unknown, // a file that cannot be read as trusted
};

Records pinLines(QList<QByteArray> *lines)
{
    const QString path = CertificatePins::filePath();
    QByteArray data;
    if (!readPerUserFile(path, &data)) {
        struct stat info
        {};
        const bool absent =
            lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT;
        return absent ? Records::None : Records::Unknown;
    }
    *lines = data.split('\n');
    for (QByteArray &line : *lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return Records::Read;
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
    QList<QByteArray> lines;
    const Records records = pinLines(&lines);
    for (const QByteArray &line : qAsConst(lines)) {
        if (!line.isEmpty() && lineKey(line) == key)
            return QString::fromLatin1(line.mid(key.size() + 1));
    }
    // A record another account may have changed, or one set aside for that
    // reason, may have named this server: that is no first use.
    if (records == Records::Unknown || hasSetAsideCopy(filePath()))
        return unknownRecord();
    return QString();
}

bool CertificatePins::setPin(const QString &server, const QString &fingerprint)
{
    if (server.isEmpty() || fingerprint.isEmpty() || breaksLine(server) || breaksLine(fingerprint)
        || fingerprint.contains(QLatin1Char('=')))
        return false;
    const QByteArray key = server.toUtf8();
    QList<QByteArray> lines;
    // The records cannot be read: they are not replaced unasked.
    if (pinLines(&lines) == Records::Unknown)
        return false;
    QByteArray content;
    for (const QByteArray &line : qAsConst(lines)) {
        if (!line.isEmpty() && lineKey(line) != key)
            content += line + '\n';
    }
    content += key + '=' + fingerprint.toLatin1() + '\n';
    makePerUserDirectory();
    return writePerUserFile(filePath(), content);
}

bool CertificatePins::setPinAsked(const QString &server, const QString &fingerprint)
{
    QList<QByteArray> lines;
    // Kept aside, not lost: the new file starts with this server alone.
    if (pinLines(&lines) == Records::Unknown && setAsidePerUserFile(filePath()).isEmpty())
        return false;
    return setPin(server, fingerprint);
}
