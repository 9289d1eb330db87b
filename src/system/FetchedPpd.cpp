#include "system/FetchedPpd.h"

#include "system/CupsConnection.h"

#include <QFile>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <unistd.h>

// libcups marks its whole PPD interface deprecated; this is one of the few
// files that read PPDs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

FetchedPpd::FetchedPpd(const QString &queueName)
{
    const QByteArray name = queueName.toUtf8();
    // The returned name lives in a buffer of libcups that the next call
    // overwrites: keep a copy at once.
    if (const char *fetched = cupsGetPPD(name.constData())) {
        m_pathBytes = QByteArray(fetched);
        m_path = QFile::decodeName(m_pathBytes);
        m_ppd = ppdOpenFile(m_pathBytes.constData());
    }
}

FetchedPpd::FetchedPpd(const QString &queueName, CupsConnection &connection)
{
    http_t *http = connection.http();
    if (!http) {
        m_answered = false;
        return;
    }
    char buffer[1024] = "";
    const int fd = cupsTempFd(buffer, sizeof buffer);
    if (fd < 0)
        return;
    m_pathBytes = QByteArray(buffer);
    // libcups encodes what a request line cannot carry as it is.
    const QByteArray resource = "/printers/" + queueName.toUtf8() + ".ppd";
    const http_status_t status = cupsGetFd(http, resource.constData(), fd);
    ::close(fd);
    m_answered = status != HTTP_STATUS_ERROR && status < HTTP_STATUS_SERVER_ERROR
                 && !connection.timedOut() && !connection.stopping();
    if (!m_answered)
        connection.drop();
    if (status == HTTP_STATUS_OK && m_answered) {
        m_path = QFile::decodeName(m_pathBytes);
        m_ppd = ppdOpenFile(m_pathBytes.constData());
    }
}

FetchedPpd::FetchedPpd(const QString &queueName, http_t *http)
{
    const QByteArray name = queueName.toUtf8();
    if (const char *fetched = cupsGetPPD2(http, name.constData())) {
        m_pathBytes = QByteArray(fetched);
        m_path = QFile::decodeName(m_pathBytes);
        m_ppd = ppdOpenFile(m_pathBytes.constData());
    }
}

FetchedPpd::FetchedPpd(const QString &queueName, time_t *modtime, http_t *http)
{
    const QByteArray name = queueName.toUtf8();
    char buffer[1024] = "";
    const http_status_t status =
        cupsGetPPD3(http, name.constData(), modtime, buffer, sizeof buffer);
    // Over HTTP a temporary file is made even when nothing changed.
    if (buffer[0]) {
        m_pathBytes = QByteArray(buffer);
        m_path = QFile::decodeName(m_pathBytes);
    }
    // libcups reports a printer it could not ask about as not found.
    m_answered =
        status != HTTP_STATUS_ERROR && status < HTTP_STATUS_SERVER_ERROR
        && !(status == HTTP_STATUS_NOT_FOUND && cupsLastError() >= IPP_STATUS_ERROR_INTERNAL);
    if (status == HTTP_STATUS_NOT_MODIFIED)
        m_notModified = true;
    else if (status == HTTP_STATUS_OK && !m_pathBytes.isEmpty())
        m_ppd = ppdOpenFile(m_pathBytes.constData());
}

FetchedPpd::~FetchedPpd()
{
    if (m_ppd)
        ppdClose(m_ppd);
    if (!m_pathBytes.isEmpty())
        unlink(m_pathBytes.constData());
}

QSet<QString> FetchedPpd::subgroupKeywords() const
{
    QSet<QString> keywords;
    if (!m_ppd)
        return keywords;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return keywords;
    int depth = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("*OpenSubGroup:")) {
            ++depth;
        } else if (line.startsWith("*CloseSubGroup")) {
            depth = qMax(0, depth - 1);
        } else if (depth > 0 && (line.startsWith("*OpenUI") || line.startsWith("*JCLOpenUI"))) {
            // "*OpenUI *Duplex/Two-Sided: PickOne"
            QByteArray keyword = line.mid(line.indexOf(' ') + 1).trimmed();
            if (keyword.startsWith('*'))
                keyword.remove(0, 1);
            int end = 0;
            while (end < keyword.size() && keyword.at(end) != '/' && keyword.at(end) != ':'
                   && keyword.at(end) != ' ' && keyword.at(end) != '\t')
                ++end;
            keywords.insert(QString::fromUtf8(keyword.left(end)));
        }
    }
    return keywords;
}

#pragma GCC diagnostic pop
