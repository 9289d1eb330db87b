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
    // unknownRecord() when the file is there but cannot be read as trusted
    // (another account could have changed it, or it is no file of the
    // user's), or when it was set aside for that reason and holds no line of
    // the server now; empty only when nothing was ever recorded for it.
    static QString pin(const QString &server);

    // Pins the fingerprint for the server, replacing an earlier record; every
    // other line is kept. False when the pin cannot be stored, and when the
    // file is there but cannot be read as trusted: that file is replaced
    // only through setPinAsked().
    static bool setPin(const QString &server, const QString &fingerprint);

    // As setPin, after the user agreed to trust the certificate: a file that
    // cannot be read as trusted is set aside first and a new one begun.
    static bool setPinAsked(const QString &server, const QString &fingerprint);

    // The record of a server while the records cannot be read. It never
    // equals a fingerprint, nor authorityRecord().
    static QString unknownRecord() { return QStringLiteral("unknown"); }

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
