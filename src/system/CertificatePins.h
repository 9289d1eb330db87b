#pragma once

#include <QString>

class QSslCertificate;
class QUrl;

// The print-management servers whose certificate the user chose to trust
// although no known authority vouches for it: one line "host:port=fingerprint"
// per server in the per-user file "TrustedServers". Every look-up and change
// of that trust goes through here.
class CertificatePins
{
public:
    // The SHA-256 fingerprint of a certificate as upper-case hex pairs joined
    // by ":"; empty for a null certificate.
    static QString fingerprint(const QSslCertificate &certificate);

    // "host:port" of a URL, the port 443 when none is given.
    static QString serverKey(const QUrl &url);

    // The fingerprint pinned for the server; empty when there is none or
    // the file cannot be read.
    static QString pin(const QString &server);

    // Pins the fingerprint for the server, replacing an earlier pin; every
    // other line is kept. False when the pin cannot be stored.
    static bool setPin(const QString &server, const QString &fingerprint);

    // Per-user directory + "TrustedServers".
    static QString filePath();
};
