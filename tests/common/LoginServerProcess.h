#pragma once

// The login server in a process of its own (tls_login_server.py beside this
// file): its handshakes and answers go on while this process is busy, as a
// real server's do.

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

class LoginServerProcess
{
public:
    ~LoginServerProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(120000);
        }
    }

    // Serves the certificate and key of the named files, answering every
    // login with `body`, after `headerMiB` MiB of filler header lines, or
    // in one of the script's endless modes. False when it did not come up.
    bool start(const QString &certificatePath, const QString &keyPath, const QByteArray &body,
               int headerMiB = 0, const QString &mode = QString())
    {
        const QString script = QFileInfo(QStringLiteral(__FILE__))
                                   .dir()
                                   .filePath(QStringLiteral("tls_login_server.py"));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("python3"),
                      {script, certificatePath, keyPath, QString::fromUtf8(body),
                       QString::number(headerMiB), mode});
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(120000))
                return false;
        }
        serverPort = process.readLine().trimmed().toInt();
        return serverPort > 0;
    }

    int port() const { return serverPort; }

    // The bodies of the logins it read so far.
    QByteArrayList requests()
    {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith("request "))
                received << QByteArray::fromPercentEncoding(line.mid(8));
        }
        return received;
    }

private:
    QProcess process;
    int serverPort = 0;
    QByteArrayList received;
};
