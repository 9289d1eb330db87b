#pragma once

typedef struct _http_s http_t;

// A connection of one thread's own to the CUPS server, on which every wait is
// bounded: the connect, and each read or write that CUPS leaves unanswered
// for longer than answerLimitMs(). A CUPS that accepts and stays silent then
// ends the request with an error instead of holding the thread for minutes.
class CupsConnection
{
public:
    // How long CUPS may stay silent on one request: 10000 ms. Tests shorten it.
    static int answerLimitMs();
    static void setAnswerLimitMs(int ms);

    CupsConnection();
    ~CupsConnection();

    // Connects first when needed, to the server the environment names now;
    // null when it cannot.
    http_t *http();
    // A request on it got no answer: the next one starts a new connection, so
    // that no late answer is read as the next one's.
    void drop();
    // Whether the last wait ran out since the connection was made.
    bool timedOut() const { return m_timedOut; }

private:
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    static int onTimeout(http_t *http, void *self);

    http_t *m_http = nullptr;
    bool m_timedOut = false;
};
