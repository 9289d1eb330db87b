#include "system/CupsConnection.h"

#include <cups/cups.h>

#include <algorithm>
#include <chrono>

namespace {

std::atomic<int> answerLimit {10000};

const int longestPeriodMs = 250;

} // namespace

int CupsConnection::answerLimitMs()
{
    return answerLimit;
}

void CupsConnection::setAnswerLimitMs(int ms)
{
    answerLimit = ms;
}

int CupsConnection::periodMs()
{
    return std::max(1, std::min(longestPeriodMs, int(answerLimit)));
}

CupsConnection::CupsConnection(const std::atomic<bool> *stop)
    : m_stop(stop)
{}

CupsConnection::~CupsConnection()
{
    drop();
}

http_t *CupsConnection::http()
{
    m_silentPeriods = 0;
    if (stopping()) {
        drop();
        return nullptr;
    }
    if (m_http)
        return m_http;
    m_timedOut = false;
    // libcups keeps the server it read per thread: read it again, so that a
    // changed CUPS_SERVER counts from the next connection on.
    cupsSetServer(nullptr);
    const int limit = answerLimit;
    const int period = periodMs();
    // In periods, so that a stop is seen while an address does not answer.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(limit);
    while (!m_http && !stopping()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            break;
        const int slice = int(std::min<long long>(period, left));
        const Clock::time_point tried = Clock::now();
        int cancel = 0;
        m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              slice, &cancel);
        // Refused rather than unanswered: no use asking again.
        if (!m_http && Clock::now() - tried < std::chrono::milliseconds(slice / 2))
            break;
    }
    if (m_http)
        httpSetTimeout(m_http, period / 1000.0, &CupsConnection::onTimeout, this);
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
    // Called after each period that passed without a byte; returning 0 ends
    // the request with an error.
    CupsConnection *connection = static_cast<CupsConnection *>(self);
    if (connection->stopping())
        return 0;
    ++connection->m_silentPeriods;
    if (connection->m_silentPeriods * periodMs() < answerLimit)
        return 1;
    connection->m_timedOut = true;
    return 0;
}
