#pragma once

#include <QHostAddress>
#include <QTcpServer>

// A loopback port on which nothing listens, for a refused connection.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
