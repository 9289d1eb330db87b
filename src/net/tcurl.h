#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// Sends print-management logins over HTTPS. Each request's answer or failure
// comes back later as a signal whose text begins with a reply tag,
// "<" + base URL + " " + user + ">", so that the receiver can tell an answer
// to the current fields from one to an older request. The client keeps no
// record of pending requests and shows nothing itself.
class tcurl : public QObject
{
    Q_OBJECT

public:
    explicit tcurl(QObject *parent = nullptr);

    // Posts the login to baseUrl ("https://server:port") and returns at once.
    // Nothing is checked: empty values are sent as they are.
    void post(const QString &baseUrl, const QString &user, const QString &password);

signals:
    // Tag + the answer body (up to its first NUL).
    void messageReady(QString message);
    // Tag + the network layer's error text.
    void errorReady(QString message);

public slots:
    void slotReadyRead();
    void slotError(QNetworkReply::NetworkError error);

private:
    QNetworkAccessManager *manager;
};
