#pragma once

#include <atomic>

typedef struct _http_s http_t;

// A connection of one thread's own to the CUPS server, on which every wait is
// bounded: the connect, and each read or write that CUPS leaves unanswered
// for longer than answerLimitMs(). A CUPS that accepts and stays silent then
// ends the request with an error instead of holding the thread for minutes.
// The waits are cut into short periods, so that a stop asked for by another
// thread ends the request under way at the next one.
class CupsConnection
{
public:
    // How long CUPS may stay silent on one request: 10000 ms. Tests shorten it.
    static int answerLimitMs();
    static void setAnswerLimitMs(int ms);
    // The longest a wait goes on unchecked: what a stop may take to be seen.
    static int periodMs();

    // `stop`, when given, outlives the connection; once it is set, every
    // wait ends at once with an error and nothing more connects.
    explicit CupsConnection(const std::atomic<bool> *stop = nullptr);
    ~CupsConnection();

    // Connects first when needed, to the server the environment names now;
    // null when it cannot or when stopped. Each request asks for it anew:
    // the silence is counted from there.
    http_t *http();
    // A request on it got no answer: the next one starts a new connection, so
    // that no late answer is read as the next one's.
    void drop();
    // Whether the last wait ran out since the connection was made.
    bool timedOut() const { return m_timedOut; }
    // Whether a stop was asked for.
    bool stopping() const { return m_stop && m_stop->load(); }
    // The flag a connection of another thread shares, for the same request.
    const std::atomic<bool> *stopFlag() const { return m_stop; }

private:
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    static int onTimeout(http_t *http, void *self);

    http_t *m_http = nullptr;
    const std::atomic<bool> *m_stop = nullptr;
    bool m_timedOut = false;
    int m_silentPeriods = 0;
};
