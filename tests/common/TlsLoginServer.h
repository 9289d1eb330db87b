#pragma once

// A print-management server for tests: HTTPS on 127.0.0.1 with certificates
// made at test time by the openssl tool, answering each login in one of a
// few ways and keeping a log of every byte it received.

#include "system/CertificatePins.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QTimer>

#include <memory>

struct TestIdentity
{
    QSslCertificate certificate;
    QSslKey key;
};

inline bool runOpenssl(const QStringList &arguments)
{
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    openssl.start(QStringLiteral("openssl"), arguments);
    return openssl.waitForFinished(120000) && openssl.exitStatus() == QProcess::NormalExit
           && openssl.exitCode() == 0;
}

inline bool loadIdentity(const QString &certPath, const QString &keyPath, TestIdentity *identity)
{
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly))
        return false;
    identity->certificate = QSslCertificate(&certFile, QSsl::Pem);
    identity->key = QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem);
    return !identity->certificate.isNull() && !identity->key.isNull();
}

// A self-signed certificate for 127.0.0.1; with isCa set, one fit to sign
// others.
inline bool makeSelfSigned(const QString &dir, const QString &name, TestIdentity *identity,
                           bool isCa = false)
{
    const QString cert = dir + QLatin1Char('/') + name + QStringLiteral(".pem");
    const QString key = dir + QLatin1Char('/') + name + QStringLiteral(".key");
    const QString subject =
        isCa ? QStringLiteral("/CN=Test authority ") + name : QStringLiteral("/CN=127.0.0.1");
    QStringList arguments {QStringLiteral("req"),
                           QStringLiteral("-x509"),
                           QStringLiteral("-newkey"),
                           QStringLiteral("rsa:2048"),
                           QStringLiteral("-nodes"),
                           QStringLiteral("-subj"),
                           subject,
                           QStringLiteral("-days"),
                           QStringLiteral("2"),
                           QStringLiteral("-keyout"),
                           key,
                           QStringLiteral("-out"),
                           cert};
    if (isCa)
        arguments << QStringLiteral("-addext")
                  << QStringLiteral("basicConstraints=critical,CA:TRUE")
                  << QStringLiteral("-addext")
                  << QStringLiteral("keyUsage=critical,keyCertSign,cRLSign");
    return runOpenssl(arguments) && loadIdentity(cert, key, identity);
}

// A certificate for `host` (an address or a host name) signed by the
// authority made as `caName`.
inline bool makeSignedBy(const QString &dir, const QString &caName, const QString &name,
                         TestIdentity *identity, const QString &host = QStringLiteral("127.0.0.1"))
{
    const QString base = dir + QLatin1Char('/') + name;
    const QString ca = dir + QLatin1Char('/') + caName;
    QFile extensions(base + QStringLiteral(".ext"));
    if (!extensions.open(QIODevice::WriteOnly))
        return false;
    const QByteArray altName = (QHostAddress(host).isNull() ? "DNS:" : "IP:") + host.toLatin1();
    extensions.write("subjectAltName=" + altName
                     + "\nbasicConstraints=CA:FALSE\n"
                       "keyUsage=digitalSignature,keyEncipherment\nextendedKeyUsage=serverAuth\n");
    extensions.close();
    return runOpenssl({QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"),
                       QStringLiteral("-subj"), QStringLiteral("/CN=") + host,
                       QStringLiteral("-keyout"), base + QStringLiteral(".key"),
                       QStringLiteral("-out"), base + QStringLiteral(".csr")})
           && runOpenssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                          base + QStringLiteral(".csr"), QStringLiteral("-CA"),
                          ca + QStringLiteral(".pem"), QStringLiteral("-CAkey"),
                          ca + QStringLiteral(".key"), QStringLiteral("-CAcreateserial"),
                          QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
                          base + QStringLiteral(".ext"), QStringLiteral("-out"),
                          base + QStringLiteral(".pem")})
           && loadIdentity(base + QStringLiteral(".pem"), base + QStringLiteral(".key"), identity);
}

// The certificates the trust tests meet: the server's usual one, another
// self-signed one, an authority, a certificate it signed and one it signed
// for another host name. A test class derives from QObject first and from
// this second.
class TestCertificates
{
protected:
    TestIdentity usual;
    TestIdentity other;
    TestIdentity authority;
    TestIdentity vouched;
    TestIdentity elsewhere;

    // Makes all five in `dir`; false when the openssl tool failed.
    [[nodiscard]] bool makeCertificates(const QString &dir)
    {
        return makeSelfSigned(dir, QStringLiteral("usual"), &usual)
               && makeSelfSigned(dir, QStringLiteral("other"), &other)
               && makeSelfSigned(dir, QStringLiteral("authority"), &authority, true)
               && makeSignedBy(dir, QStringLiteral("authority"), QStringLiteral("vouched"),
                               &vouched)
               && makeSignedBy(dir, QStringLiteral("authority"), QStringLiteral("elsewhere"),
                               &elsewhere, QStringLiteral("print.elsewhere.test"));
    }

    // A certificate by name; any other name gives the usual one.
    const TestIdentity &identity(const QString &name) const
    {
        if (name == QLatin1String("other"))
            return other;
        if (name == QLatin1String("vouched"))
            return vouched;
        if (name == QLatin1String("elsewhere"))
            return elsewhere;
        return usual;
    }

    // The pin recorded for the named certificate, or for "authority" that
    // an authority vouched for the server; empty for no name.
    QString fingerprintOf(const QString &name) const
    {
        if (name.isEmpty())
            return QString();
        if (name == QLatin1String("authority"))
            return CertificatePins::authorityRecord();
        return CertificatePins::fingerprint(identity(name).certificate);
    }
};

struct ReceivedRequest
{
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
};

class TlsLoginServer : public QTcpServer
{
public:
    enum class Answer {
        Whole,         // status and body at once, with Content-Length
        BytePieces,    // the same, one byte at a time
        Chunked,       // `chunkedSize` bytes of body in chunks, no length
        Endless,       // chunks until the client goes away (bounded)
        Never,         // reads the request and says nothing
        AnnouncedOnly, // announces `announcedLength`, then sends nothing more
        Raw,           // `raw` as it is, then closes or (`rawHolds`) holds the line
        Interim,       // a "102 Processing" now and then, never a final answer
        Late,          // as Whole, `lateMs` after the request
    };

    TestIdentity identity;
    Answer answer = Answer::Whole;
    QByteArray status = "200 OK";
    QByteArray body;
    qint64 chunkedSize = 0;
    qint64 announcedLength = 0;
    QByteArray raw;
    bool rawHolds = false;
    int lateMs = 0;

    // Every request parsed whole, and every byte that came through TLS.
    QList<ReceivedRequest> requests;
    QByteArray received;
    int handshakes = 0;
    qint64 bodyBytesSent = 0;
    // Late answers due, whether or not the client still listened.
    int lateAnswers = 0;

    void clearLog()
    {
        requests.clear();
        received.clear();
        handshakes = 0;
        bodyBytesSent = 0;
        lateAnswers = 0;
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(identity.certificate);
        socket->setPrivateKey(identity.key);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::encrypted, this, [this] { ++handshakes; });
        connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
            const QByteArray bytes = socket->readAll();
            received += bytes;
            buffer->append(bytes);
            answerWhenComplete(socket, *buffer);
        });
        connect(socket, &QSslSocket::encryptedBytesWritten, this, [this, socket] { pump(socket); });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        socket->startServerEncryption();
    }

private:
    // The most a chunked answer sends, so that a client that never stops
    // reading cannot keep the test busy.
    static constexpr qint64 endlessCap = 128LL * 1024 * 1024;

    void answerWhenComplete(QSslSocket *socket, const QByteArray &buffer)
    {
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0 || socket->property("answered").toBool())
            return;
        ReceivedRequest request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length").toInt();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        requests.append(request);
        socket->setProperty("answered", true);

        const QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\n";
        const QByteArray whole = head + "Content-Length: " + QByteArray::number(body.size())
                                 + "\r\nConnection: close\r\n\r\n" + body;
        switch (answer) {
        case Answer::Whole:
            socket->write(whole);
            socket->disconnectFromHost();
            break;
        case Answer::Late: {
            QPointer<QSslSocket> guarded(socket);
            QTimer::singleShot(lateMs, this, [this, guarded, whole] {
                ++lateAnswers;
                if (guarded && guarded->state() == QAbstractSocket::ConnectedState) {
                    guarded->write(whole);
                    guarded->disconnectFromHost();
                }
            });
            break;
        }
        case Answer::BytePieces:
            writeBytewise(socket, head + "Content-Length: " + QByteArray::number(body.size())
                                      + "\r\nConnection: close\r\n\r\n" + body);
            break;
        case Answer::Chunked:
        case Answer::Endless:
            socket->setProperty("chunking", true);
            socket->write(head + "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n");
            pump(socket);
            break;
        case Answer::Never:
            break;
        case Answer::Raw:
            socket->write(raw);
            if (!rawHolds)
                socket->disconnectFromHost();
            break;
        case Answer::Interim: {
            auto *timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] {
                if (socket->state() == QAbstractSocket::ConnectedState)
                    socket->write("HTTP/1.1 102 Processing\r\n\r\n");
            });
            timer->start(50);
            break;
        }
        case Answer::AnnouncedOnly:
            socket->write(head + "Content-Length: " + QByteArray::number(announcedLength)
                          + "\r\nConnection: close\r\n\r\n");
            break;
        }
    }

    void writeBytewise(QSslSocket *socket, const QByteArray &bytes)
    {
        QPointer<QSslSocket> guarded(socket);
        auto rest = std::make_shared<QByteArray>(bytes);
        auto *timer = new QTimer(socket);
        timer->setInterval(1);
        connect(timer, &QTimer::timeout, socket, [guarded, rest, timer] {
            if (!guarded)
                return;
            if (rest->isEmpty()) {
                timer->stop();
                guarded->disconnectFromHost();
                return;
            }
            guarded->write(rest->left(1));
            guarded->flush();
            rest->remove(0, 1);
        });
        timer->start();
    }

    // Keeps a little in flight: the server's own memory stays small however
    // much it sends.
    void pump(QSslSocket *socket)
    {
        if (!socket->property("chunking").toBool()
            || socket->state() != QAbstractSocket::ConnectedState)
            return;
        const qint64 size = answer == Answer::Endless ? endlessCap : chunkedSize;
        static const QByteArray chunk(64 * 1024, 'x');
        while (socket->encryptedBytesToWrite() + socket->bytesToWrite() < 256 * 1024) {
            const qint64 left = size - bodyBytesSent;
            if (left <= 0) {
                socket->setProperty("chunking", false);
                socket->write("0\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            const QByteArray piece = chunk.left(int(qMin<qint64>(left, chunk.size())));
            socket->write(QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n");
            bodyBytesSent += piece.size();
        }
    }
};

// The resident memory of this process in KiB, from /proc.
inline qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
