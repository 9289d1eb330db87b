#pragma once

#include <QString>

class QSslCertificate;
class QUrl;

// How each print-management server was trusted at its last login, in the
// per-user file "TrustedServers", one line "host:port=record" per server:
// the fingerprint of the certificate the user chose to trust although no
// known authority vouches for it, or authorityRecord() when a known
// authority vouched for the certificate. A server with a record is never
// trusted on first use again. Every look-up and change of that trust goes
// through here.
class CertificatePins
{
public:
    // The SHA-256 fingerprint of a certificate as upper-case hex pairs joined
    // by ":"; empty for a null certificate.
    static QString fingerprint(const QSslCertificate &certificate);

    // "host:port" of a URL, the port 443 when none is given.
    static QString serverKey(const QUrl &url);

    // The record of the server: the pinned fingerprint or authorityRecord();
    // empty when there is none or the file cannot be read.
    static QString pin(const QString &server);

    // Pins the fingerprint for the server, replacing an earlier record; every
    // other line is kept. False when the pin cannot be stored.
    static bool setPin(const QString &server, const QString &fingerprint);

    // The record of a server whose certificate a known authority vouched
    // for. It never equals a fingerprint, and a reader that takes it for
    // one refuses every certificate that fails validation.
    static QString authorityRecord() { return QStringLiteral("authority"); }

    // Records that a known authority vouched for the server, replacing an
    // earlier record. False when it cannot be stored.
    static bool setAuthority(const QString &server) { return setPin(server, authorityRecord()); }

    // Per-user directory + "TrustedServers".
    static QString filePath();
};
