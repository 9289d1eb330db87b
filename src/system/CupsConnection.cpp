#include "system/CupsConnection.h"

#include <cups/cups.h>

#include <atomic>

namespace {

std::atomic<int> answerLimit {10000};

} // namespace

int CupsConnection::answerLimitMs()
{
    return answerLimit;
}

void CupsConnection::setAnswerLimitMs(int ms)
{
    answerLimit = ms;
}

CupsConnection::CupsConnection() = default;

CupsConnection::~CupsConnection()
{
    drop();
}

http_t *CupsConnection::http()
{
    if (m_http)
        return m_http;
    m_timedOut = false;
    // libcups keeps the server it read per thread: read it again, so that a
    // changed CUPS_SERVER counts from the next connection on.
    cupsSetServer(nullptr);
    const int limit = answerLimit;
    int cancel = 0;
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, limit,
                          &cancel);
    if (m_http)
        httpSetTimeout(m_http, limit / 1000.0, &CupsConnection::onTimeout, this);
    return m_http;
}

void CupsConnection::drop()
{
    if (m_http)
        httpClose(m_http);
    m_http = nullptr;
}

int CupsConnection::onTimeout(http_t *, void *self)
{
    // Giving up ends the request with an error.
    static_cast<CupsConnection *>(self)->m_timedOut = true;
    return 0;
}
